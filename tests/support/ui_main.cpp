// Entry of the window tests: one QApplication on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex v1.3"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
