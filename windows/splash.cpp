#include "windows/splash.h"

#include "game/application.h"
#include "game/main.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "settings/settingsfile.h"

namespace quorvex {

TSplashScr::TSplashScr(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SplashScr"));
    setWindowTitle(QStringLiteral("Quorvex v1.0beta"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(465, 95);
    qx::SetColours(this, Qt::white, Qt::black);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 465, 95);
    Image1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Image1->setPixmap(qx::JpegResource(QStringLiteral(":/assets/logo.jpg")));
    qx::NamePicture(Image1, QStringLiteral("Quorvex logo"));

    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 1000, &TSplashScr::Timer1Timer);

    qx::Guard([this] { FormCreate(); });
}

TSplashScr::~TSplashScr() = default;

void TSplashScr::FormCreate() { qx::CentreOnScreen(this); }

void TSplashScr::Timer1Timer() {
    if (Haupt) Haupt->setVisible(false);
    Timer1->stop();
    if (Haupt) {
        Haupt->setVisible(true);
        // The switch as the main window read it at start-up, not as the dialog shows it now.
        if (IsOn(Haupt->FadeSwitch()))
            Haupt->Timer1->start();
        else
            Haupt->Alpha().SetValue(255);
    }
    close();
}

}  // namespace quorvex
