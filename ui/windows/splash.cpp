#include "ui/windows/splash.h"

#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/look.h"
#include "ui/platform/pictures.h"

namespace quorvex {

TSplashScr::TSplashScr(std::function<void()> onEnd, QWidget* parent) : QDialog(parent), onEnd_(std::move(onEnd)) {
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
    qx::NamePicture(Image1, tr("Quorvex logo"));

    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 1000, &TSplashScr::Timer1Timer);

    qx::Guard([this] { FormCreate(); });
}

TSplashScr::~TSplashScr() = default;

void TSplashScr::FormCreate() { qx::CentreOnScreen(this); }

void TSplashScr::StartTimer1() { Timer1->start(); }

void TSplashScr::Timer1Timer() {
    Timer1->stop();
    if (onEnd_) onEnd_();
    close();
}

}  // namespace quorvex
