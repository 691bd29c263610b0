#include "ui/savegames/funktionen.h"

#include "core/game/gamecore.h"
#include "ui/game/gametexts.h"

#include "ui/platform/ansi.h"
#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/look.h"
#include "ui/platform/pictures.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace quorvex {

namespace {

constexpr int kBoxLeft = 8;
constexpr int kBoxStep = 164;
constexpr int kBoxTop = 4;
constexpr int kBoxWidth = 156;
constexpr int kBoxHeight = 140;

QLabel* ValueLabel(QWidget* parent, const QString& name, const QString& text, QRect rect, const QFont& font,
                   const QColor& colour) {
    QLabel* l = qx::MakeLabel(parent, name, text, rect, font, colour, Qt::AlignLeft | Qt::AlignVCenter);
    // Decoded texts are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel* PictureLabel(QWidget* parent, const QString& name, const QString& resource, int x, int y) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(x, y, 25, 25);
    l->setScaledContents(true);
    l->setPixmap(qx::Picture(resource));
    return l;
}

QString Tr(const char* text) { return QCoreApplication::translate("quorvex::TSlotDialog", text); }

// A group box shows '&' as a mnemonic unless it is doubled.
QString BoxTitle(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}

}  // namespace

namespace {

// A slot's buttons tell a screen reader what the slot holds, as the box shows it.
void DescribeSlot(SlotDisplay& d, int n, const QString& contents) {
    for (QPushButton* b : d.GroupBox[n]->findChildren<QPushButton*>()) b->setAccessibleDescription(contents);
}

}  // namespace

bool PreviewSlotLabels(SlotDisplay& d, int n) {
    if (!qx::FileExists(SlotPath(n))) {
        d.mode[n]->setText(QCoreApplication::translate("quorvex::TSlotDialog", "No data present"));
        DescribeSlot(d, n, d.mode[n]->text());
        return false;
    }
    const SlotTexts t = ReadSlotShown(n, BlankRule::Preview);
    d.GroupBox[n]->setTitle(BoxTitle(QStringLiteral("\"") + qx::FromAnsi(t.name) + QStringLiteral("\"")));
    d.geld[n]->setText(qx::FromAnsi(t.money));
    d.vc[n]->setText(qx::FromAnsi(t.victims));
    d.dc[n]->setText(qx::FromAnsi(t.dragons));
    d.mode[n]->setText(SlotGameType(t.mode).value_or(qx::FromAnsi(t.mode)));
    //: What a slot holds, told by its buttons: name, game type, money, the two counters.
    DescribeSlot(d, n,
                 QCoreApplication::translate("quorvex::TSlotDialog", "\"%1\", %2, $%3, Victims %4, Dragons %5")
                     .arg(qx::FromAnsi(t.name), d.mode[n]->text(), d.geld[n]->text(), d.vc[n]->text(), d.dc[n]->text()));
    return true;
}

void BuildSlotDisplay(QWidget* form, SlotDisplay& d, const QColor& text, const QColor& money) {
    const QFont caption = qx::VerdanaPx(11, true);
    const QFont type = qx::VerdanaPx(11, true);
    const QFont value = qx::VerdanaPx(13, true);
    for (int n = 1; n <= kSlotCount; ++n) {
        const QString num = QString::number(n);
        QGroupBox* box = qx::MakeGroupBox(form, QStringLiteral("GroupBox") + num, QCoreApplication::translate("quorvex::TSlotDialog", "Slot %1").arg(n),
                                          QRect(kBoxLeft + kBoxStep * (n - 1), kBoxTop, kBoxWidth, kBoxHeight));
        box->setFont(caption);
        qx::SetColours(box, text);
        d.GroupBox[n] = box;
        d.mode[n] = ValueLabel(box, QStringLiteral("mode") + num, QCoreApplication::translate("quorvex::TSlotDialog", "type"), QRect(8, 18, 140, 16), type,
                               text);
        d.dollar[n] = ValueLabel(box, QStringLiteral("dollar") + num, QStringLiteral("$"), QRect(8, 38, 12, 18), value,
                                 money);
        d.geld[n] = ValueLabel(box, QStringLiteral("geld") + num, QStringLiteral("000"), QRect(20, 38, 128, 18), value,
                               money);
        d.victimPicture[n] =
            PictureLabel(box, QStringLiteral("victimPicture") + num, QStringLiteral(":/assets/counter_victim.png"), 8, 60);
        qx::NamePicture(d.victimPicture[n], QCoreApplication::translate("quorvex::TSlotDialog", "Victims"));
        d.vc[n] = ValueLabel(box, QStringLiteral("vc") + num, QStringLiteral("0"), QRect(40, 60, 108, 25), value, text);
        d.dragonPicture[n] =
            PictureLabel(box, QStringLiteral("dragonPicture") + num, QStringLiteral(":/assets/counter_dragon.png"), 8, 88);
        qx::NamePicture(d.dragonPicture[n], QCoreApplication::translate("quorvex::TSlotDialog", "Dragons"));
        d.dc[n] = ValueLabel(box, QStringLiteral("dc") + num, QStringLiteral("0"), QRect(40, 88, 108, 25), value, text);
    }
}

QRect SlotButtonRect() { return QRect(8, 116, 140, 20); }

void FaceButton(QPushButton* button) {
    QPalette p = button->palette();
    p.setColor(QPalette::Button, qx::kFace);
    p.setColor(QPalette::Window, qx::kFace);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    button->setPalette(p);
    button->setFont(qx::VerdanaPx(11));
}

TSlotDialog::TSlotDialog(const SlotDialogLook& look, QWidget* parent) : QDialog(parent) {
    // The boxes with their gaps and the form's margin on either side.
    const int width = 2 * kBoxLeft + kBoxStep * (kSlotCount - 1) + kBoxWidth;
    qx::SetupToolWindow(this, QString::fromLatin1(look.objectName), Tr(look.caption), width,
                        look.height, look.background);
    if (look.windowText) qx::SetColours(this, *look.windowText, look.background);
    BuildSlotDisplay(this, *this, look.text, look.money);
    for (int n = 1; n <= kSlotCount; ++n) {
        buttons[n] = qx::MakeButton(GroupBox[n], QString::fromLatin1(look.buttonName) + QString::number(n),
                                    Tr(look.buttonCaption), SlotButtonRect(), false);
        FaceButton(buttons[n]);
        if (look.buttonsStartDisabled) buttons[n]->setEnabled(false);
    }
    buttons[kClose] = qx::MakeButton(this, QString::fromLatin1(look.buttonName) + QString::number(kClose),
                                     QCoreApplication::translate("quorvex::TSlotDialog", "close"), QRect(8, look.closeTop, 100, 26), false);
    FaceButton(buttons[kClose]);

    // The 1 ms fill timer, stopped: whoever opens the dialog starts it.
    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 1, &TSlotDialog::Timer1Timer);
    qx::CentreOnScreen(this);
}

void TSlotDialog::ConnectButton(int n, std::function<void()> handler) {
    connect(buttons[static_cast<std::size_t>(n)], &QPushButton::clicked, this,
            [handler = std::move(handler)] { qx::Guard(handler); });
}

void TSlotDialog::Timer1Timer() {
    Timer1->stop();
    for (int n = 1; n <= kSlotCount; ++n) PreviewSlot(n);
}

void TSlotDialog::StartTimer1() { Timer1->start(); }

void TSlotDialog::PreviewSlot(int n) {
    if (PreviewSlotLabels(*this, n)) ShowOccupied(n);
}

std::optional<QString> SlotGameType(const std::string& modeText) {
    const GameMode mode = LoadedGameMode(modeText);
    if (mode == 0) return std::nullopt;
    return GameTypeText(mode, GameTypeWording::Loaded);
}

SlotTexts ReadSlotShown(int n, BlankRule rule) {
    try {
        return ReadSlot(n, rule);
    } catch (const DamagedSlotError& e) {
        //: %1 is the savegame's file with its folder; %n the lines it has left, fewer than ten.
        const QString text = QCoreApplication::translate("quorvex::TSlotDialog",
                                                         "The savegame \"%1\" is damaged: it has %n of ten lines",
                                                         nullptr, static_cast<int>(e.lines));
        throw qx::ShownError(text.arg(qx::FromSystem(qx::SystemText(e.path))));
    }
}

QString SlotName(int n) { return QStringLiteral("Slot%1").arg(n); }

}  // namespace quorvex
