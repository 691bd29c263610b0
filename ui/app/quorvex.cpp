// The program's entry: creates every window once, in order, and runs the loop.
#include "ui/app/application.h"
#include "ui/platform/session.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return qx::FinishProcess(quorvex::RunApplication(app));
}
