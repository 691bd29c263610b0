#include "ui/windows/about.h"

#include "core/game/weblinks.h"
#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/look.h"
#include "ui/platform/pictures.h"

#include <QMouseEvent>

namespace quorvex {

namespace {

struct Credit {
    int top;
    bool bold;
    const char* text;
};

// Both panels carry the same lines; one follows the other through the band.
constexpr Credit kCredits[TAboutBox::kLinesPerPanel] = {
    {8, true, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Quorvex v1.3 - made by the Quorvex team")},
    {24, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Write to us: quorvex.example.org")},
    {48, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Idea: the Victim-bombing web game of Zentrafell")},
    {64, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "and the grid game of the group's founder")},
    {88, true, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Special thanks to:")},
    {104, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Victim No. 1 - for testing every pre-release")},
    {120, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "the Dragon keeper - for the pictures")},
    {136, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "the net wizard - for the two-player game")},
    {152, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "the proof reader - for help.txt")},
    {168, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "the bug hunter - for every fault reported")},
    {184, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "the Quorvex forum at quorvex.example.org")},
    {200, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "and the whole Zentrafell community")},
    {224, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Thx to UPX for ~250Kb instead of ~800Kb .exe-size")},
    {240, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "UPX, the executable packer: upx.github.io")},
    {264, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "\"No Victim is safe.\"")},
    {288, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Quorvex (C) the Quorvex team - free to play and share")},
    {304, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Zentrafell web game (C) Zentrafell")},
    {320, false, QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Grid game (C) the founder of Zentrafell")},
};

// The web buttons are too narrow for the full host names; the address shows as a tip.
constexpr char kMakerButtonCaption[] = QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Zentrafell site");
//: The site is in German only.
constexpr char kAuthorButtonCaption[] = QT_TRANSLATE_NOOP("quorvex::TAboutBox", "Quorvex site (german)");

// Where a panel that has left the band above starts again, below the window.
constexpr int kWrapTop = 440;
constexpr int kLowestTop = -254;

QPushButton* BarButton(QWidget* parent, const char* name, const QString& caption, QRect rect, const char* icon) {
    QPushButton* b = qx::MakeButton(parent, QString::fromLatin1(name), caption, rect, true,
                                    qx::ButtonIcon(QString::fromLatin1(icon)));
    b->setFont(qx::VerdanaPt(8, true));
    qx::SetColours(b, Qt::white);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    qx::SetupToolWindow(this, QStringLiteral("AboutBox"), tr("About..."), 465, 265, Qt::black);

    // Created in this order so that the logo and the button bar cover the panels.
    scroller2 = qx::MakePanel(this, QStringLiteral("scroller2"), QRect(8, kScroller2Top, 449, 345), Qt::black);
    scroller1 = qx::MakePanel(this, QStringLiteral("scroller1"), QRect(8, kScroller1Top, 449, 345), Qt::black);
    FillScroller(scroller1, 1);
    FillScroller(scroller2, kLinesPerPanel + 1);

    Panel2 = qx::MakePanel(this, QStringLiteral("Panel2"), QRect(0, 0, 465, 95), Qt::black);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 465, 95);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(qx::JpegResource(QStringLiteral(":/assets/logo.jpg")));
    qx::NamePicture(Image1, tr("Quorvex logo"));

    Panel3 = qx::MakePanel(this, QStringLiteral("Panel3"), QRect(0, 232, 465, 33), Qt::black);
    SpeedButton3 = BarButton(Panel3, "SpeedButton3", tr("close"), QRect(8, 2, 81, 25), "close");
    SpeedButton2 = BarButton(Panel3, "SpeedButton2", tr(kMakerButtonCaption),
                             QRect(144, 2, 129, 25), "web");
    SpeedButton2->setToolTip(QString::fromLatin1(kMakerSiteUrl));
    SpeedButton1 = BarButton(Panel3, "SpeedButton1", tr(kAuthorButtonCaption),
                             QRect(280, 2, 177, 25), "web");
    SpeedButton1->setToolTip(QString::fromLatin1(kAuthorSiteUrl));
    qx::ConnectHandler(SpeedButton3, &QPushButton::clicked, this, &TAboutBox::SpeedButton3Click);
    qx::ConnectHandler(SpeedButton2, &QPushButton::clicked, this, &TAboutBox::SpeedButton2Click);
    qx::ConnectHandler(SpeedButton1, &QPushButton::clicked, this, &TAboutBox::SpeedButton1Click);

    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 50, &TAboutBox::Timer1Timer);

    qx::Guard([this] { FormCreate(); });
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::FillScroller(QFrame* panel, int firstNumber) {
    panel->installEventFilter(this);
    for (int i = 0; i < kLinesPerPanel; ++i) {
        const Credit& c = kCredits[i];
        const int number = firstNumber + i;
        QLabel* l = qx::MakeLabel(panel, QStringLiteral("StaticText%1").arg(number), tr(c.text),
                                  QRect(8, c.top, 435, 17), qx::VerdanaPt(8, c.bold), qx::kLime,
                                  Qt::AlignHCenter | Qt::AlignVCenter);
        l->installEventFilter(this);
        StaticText[number] = l;
    }
}

void TAboutBox::FormCreate() { qx::CentreOnScreen(this); }

void TAboutBox::SpeedButton2Click() { qx::ShellOpen(kMakerSiteUrl); }
void TAboutBox::SpeedButton1Click() { qx::ShellOpen(kAuthorSiteUrl); }
void TAboutBox::SpeedButton3Click() { close(); }

void TAboutBox::StartTimer1() { Timer1->start(); }

void TAboutBox::Timer1Timer() {
    scroller1->move(scroller1->x(), scroller1->y() - 1);
    scroller2->move(scroller2->x(), scroller2->y() - 1);
    if (scroller1->y() < kLowestTop) scroller1->move(scroller1->x(), kWrapTop);
    if (scroller2->y() < kLowestTop) scroller2->move(scroller2->x(), kWrapTop);
}

void TAboutBox::scroller1Click() {
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
}

void TAboutBox::StaticText1Click() { scroller1Click(); }

bool TAboutBox::FormCloseQuery() {
    Timer1->stop();
    scroller1->move(scroller1->x(), kScroller1Top);
    scroller2->move(scroller2->x(), kScroller2Top);
    return true;
}

void TAboutBox::reject() {
    if (qx::CloseAllowed([this] { return FormCloseQuery(); })) QDialog::reject();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == scroller1 || watched == scroller2) {
            qx::Guard([this] { scroller1Click(); });
            return true;
        }
        if (qobject_cast<QLabel*>(watched)) {
            qx::Guard([this] { StaticText1Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quorvex
