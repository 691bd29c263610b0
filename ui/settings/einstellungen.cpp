#include "ui/settings/einstellungen.h"

#include "core/game/maindisplay.h"
#include "ui/platform/ansi.h"
#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/look.h"
#include "core/platform/text.h"
#include "core/settings/settingsfile.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <limits>

namespace quorvex {

namespace {

// The picture of a flat button: the drawn icon where the resources have one,
// else a small one drawn here, so the buttons never lose their pictures.
QPixmap SmallPicture(const char* name) {
    QPixmap icon = qx::ButtonIcon(QString::fromLatin1(name));
    if (!icon.isNull()) return icon;
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const std::string which = name;
    if (which == "close") {  // a tick: keep what was typed
        p.setPen(QPen(QColor(0, 200, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.5, 12.5);
        tick.lineTo(13.5, 3.5);
        p.drawPath(tick);
    } else if (which == "cancel") {  // a cross
        p.setPen(QPen(QColor(220, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    } else {  // a turning arrow: back to the defaults
        p.setPen(QPen(QColor(255, 200, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 270 * 16);
        QPainterPath head;
        head.moveTo(8, 0.5);
        head.lineTo(12, 3);
        head.lineTo(8, 5.5);
        head.closeSubpath();
        p.setBrush(QColor(255, 200, 0));
        p.setPen(Qt::NoPen);
        p.drawPath(head);
    }
    return pix;
}

// A label at its designed place, grown where the installed font needs more room.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QRect rect) {
    QLabel* l = qx::MakeLabel(parent, QString::fromLatin1(name), text, rect, qx::VerdanaPt(8),
                              Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    qx::FitText(l);
    const QSize need = l->size();
    l->resize(std::max(rect.width(), need.width()), std::max(rect.height(), need.height()));
    return l;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    QCheckBox* c = qx::MakeCheckBox(parent, QString::fromLatin1(name), caption, rect);
    c->setFont(qx::VerdanaPt(8));
    // The caption is white on the black window; the box itself stays a white square
    // with a black tick, as the window's black would hide it.
    QPalette p = c->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    c->setPalette(p);
    c->setChecked(true);
    return c;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* name, QRect rect) {
    QLineEdit* e = qx::MakeEdit(parent, QString::fromLatin1(name), rect, qx::kLime, Qt::black);
    e->setFont(qx::VerdanaPt(10));
    e->setMaxLength(std::numeric_limits<int>::max());  // names have no length limit
    return e;
}

// `picture` names the button's picture, whatever its caption in the player's language.
QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, const char* picture, QRect rect) {
    QPushButton* b = qx::MakeButton(parent, QString::fromLatin1(name), caption, rect, true, SmallPicture(picture));
    b->setFont(qx::VerdanaPt(8, true));
    qx::SetColours(b, Qt::white);
    // Enter in a text field must not press a button, as it would in a plain dialog.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// The message for a blank name.
QString MissingNameText(MissingName missing) {
    switch (missing) {
        case MissingName::Singleplayer: return TSetup::tr("Please enter your name for singleplayer games");
        case MissingName::Multiplayer: return TSetup::tr("Please enter your name for multiplayer games");
        case MissingName::Server: return TSetup::tr("Please enter your servername for multiplayer games");
        case MissingName::None: break;
    }
    return QString();
}

}  // namespace

TSetup::TSetup(MainDisplay* display, QWidget* parent) : QDialog(parent), display_(display) {
    qx::SetupToolWindow(this, QStringLiteral("Setup"), tr("Config of sadism"), 257, 225, Qt::black);

    SpielernameLabel = PlaceLabel(this, "SpielernameLabel", tr("Name - Singleplayer"), QRect(8, 8, 117, 13));
    Spielername = PlaceEdit(this, "Spielername", QRect(8, 24, 240, 21));
    Label2 = PlaceLabel(this, "Label2", tr("Name - Multiplayer"), QRect(8, 56, 108, 13));
    Multiname = PlaceEdit(this, "Multiname", QRect(8, 72, 240, 21));
    Label1 = PlaceLabel(this, "Label1", tr("Servername"), QRect(8, 104, 71, 13));
    Servername = PlaceEdit(this, "Servername", QRect(8, 120, 240, 21));
    CheckBox1 = PlaceCheckBox(this, "CheckBox1", tr("show splash-screen"), QRect(8, 152, 240, 17));
    CheckBox2 = PlaceCheckBox(this, "CheckBox2", tr("fade effect"), QRect(8, 168, 240, 17));
    SpeedButton1 = PlaceButton(this, "SpeedButton1", tr("close"), "close", QRect(8, 192, 73, 25));
    SpeedButton2 = PlaceButton(this, "SpeedButton2", tr("cancel"), "cancel", QRect(88, 192, 73, 25));
    SpeedButton3 = PlaceButton(this, "SpeedButton3", tr("default"), "default", QRect(168, 192, 81, 25));
    qx::LinkLabel(SpielernameLabel, Spielername);
    qx::LinkLabel(Label2, Multiname);
    qx::LinkLabel(Label1, Servername);

    // The server name comes before the multiplayer name.
    setTabOrder(Spielername, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, Servername);
    setTabOrder(Servername, Multiname);

    qx::ConnectHandler(SpeedButton1, &QPushButton::clicked, this, &TSetup::SpeedButton1Click);
    qx::ConnectHandler(SpeedButton2, &QPushButton::clicked, this, &TSetup::SpeedButton2Click);
    qx::ConnectHandler(SpeedButton3, &QPushButton::clicked, this, &TSetup::SpeedButton3Click);

    qx::Guard([this] { FormCreate(); });
}

TSetup::~TSetup() = default;

void TSetup::FormCreate() {
    qx::CentreOnScreen(this);
    // Loaded once per run; releasing the store rewrites the file from its lines.
    const Settings s = ReadAllSettings(SettingsPath());
    Spielername->setText(qx::FromAnsi(s.name));
    Multiname->setText(qx::FromAnsi(s.multiName));
    Servername->setText(qx::FromAnsi(s.serverName));
    CheckBox1->setChecked(IsOn(s.splash));
    CheckBox2->setChecked(IsOn(s.fade));
}

void TSetup::SpeedButton3Click() {
    if (!qx::ConfirmText(tr("restore defaults?"), isVisible() ? this : nullptr)) return;
    Spielername->setText(QString::fromLatin1(kDefaultName));
    Multiname->setText(QString::fromLatin1(kDefaultMultiName));
    Servername->setText(QString::fromLatin1(kDefaultServer));
    CheckBox1->setChecked(true);
    CheckBox2->setChecked(true);
}

void TSetup::SpeedButton2Click() {
    // What was typed stays in the fields and so stays the live value for this run.
    reject();
}

void TSetup::SpeedButton1Click() {
    // The host window commits while this dialog is hidden; its boxes then stand alone.
    QWidget* boxParent = isVisible() ? this : nullptr;
    Settings s;
    s.name = PlayerName();
    s.multiName = MultiName();
    s.serverName = ServerName();
    if (const MissingName missing = ValidateNames(s.name, s.multiName, s.serverName); missing != MissingName::None) {
        qx::ShowMessageText(MissingNameText(missing), boxParent);
        return;
    }
    if (display_) display_->ShowPlayerName(s.name);
    s.splash = CheckBox1->isChecked() ? kOn : kOff;
    s.fade = CheckBox2->isChecked() ? kOn : kOff;
    if (qx::SystemText why; !WriteSettings(SettingsPath(), s, &why)) {
        // The values still hold for this run; the player must know they will not come back.
        //: %1 is the system's cause, a sentence of its own; setup.ini is the file's name.
        qx::ShowMessageText(tr("The settings could not be saved to setup.ini.\n%1\nThey stay in effect until the program ends.")
                                .arg(qx::FromSystem(qx::ErrorReportText(why))),
                            boxParent);
    }
    accept();
}

std::string TSetup::PlayerName() const { return qx::ToAnsi(Spielername->text()); }
void TSetup::SetPlayerName(const std::string& name) { Spielername->setText(qx::FromAnsi(name)); }
std::string TSetup::MultiName() const { return qx::ToAnsi(Multiname->text()); }
std::string TSetup::ServerName() const { return qx::ToAnsi(Servername->text()); }
void TSetup::SetServerName(const std::string& name) { Servername->setText(qx::FromAnsi(name)); }

void TSetup::PressCommit() {
    SpeedButton1->setDown(true);
    qx::PumpingDelay(100);
    SpeedButton1->setDown(false);
    // The release: runs the commit through the button's own click, like the player's.
    SpeedButton1->click();
}

}  // namespace quorvex
