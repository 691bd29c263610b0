#include "savegames/save.h"

#include "game/application.h"
#include "game/maindisplay.h"
#include "game/singleplayer.h"
#include "platform/access.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "settings/einstellungen.h"

#include <QTimer>

namespace quorvex {

TSpeicherMenu::TSpeicherMenu(QWidget* parent) : QDialog(parent) {
    qx::SetupToolWindow(this, QStringLiteral("SpeicherMenu"), QStringLiteral("Save game"), 500, 188, Qt::black);
    BuildSlotDisplay(this, *this, Qt::white, qx::kLime);

    for (int n = 1; n <= kSlotCount; ++n) {
        SpeedButton[n] = qx::MakeButton(GroupBox[n], QStringLiteral("SpeedButton%1").arg(n), QStringLiteral("save"),
                                        SlotButtonRect(), false);
        FaceButton(SpeedButton[n]);
    }
    SpeedButton[4] = qx::MakeButton(this, QStringLiteral("SpeedButton4"), QStringLiteral("close"),
                                    QRect(8, 152, 100, 26), false);
    FaceButton(SpeedButton[4]);
    qx::ConnectHandler(SpeedButton[1], &QPushButton::clicked, this, &TSpeicherMenu::BitBtn1Click);
    qx::ConnectHandler(SpeedButton[2], &QPushButton::clicked, this, &TSpeicherMenu::BitBtn2Click);
    qx::ConnectHandler(SpeedButton[3], &QPushButton::clicked, this, &TSpeicherMenu::BitBtn3Click);
    qx::ConnectHandler(SpeedButton[4], &QPushButton::clicked, this, &TSpeicherMenu::BitBtn4Click);

    Label1 = qx::MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("current price for saving: $"),
                           QRect(172, 155, 248, 20), qx::VerdanaPx(11, true), Qt::white,
                           Qt::AlignRight | Qt::AlignVCenter);
    Label2 = qx::MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("0"), QRect(420, 155, 72, 20),
                           qx::VerdanaPx(11, true), qx::kLime, Qt::AlignLeft | Qt::AlignVCenter);
    // The amount is read with its caption, and reached by Tab.
    qx::MakeReadable(Label2);
    ShowPrice(0);

    // The 1 ms fill timer, stopped: whoever opens the dialog starts it.
    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 1, &TSpeicherMenu::Timer1Timer);

    FormCreate();
}

void TSpeicherMenu::FormCreate() { qx::CentreOnScreen(this); }

void TSpeicherMenu::Timer1Timer() {
    PreviewAllSlots(*this);
}

void TSpeicherMenu::ShowPrice(std::int64_t price) {
    Label2->setText(QString::number(price));
    Label2->setAccessibleName(Label1->text() + Label2->text());
}

void PreviewSlot(TSpeicherMenu& dialog, int n) {
    if (PreviewSlotLabels(dialog, n)) dialog.SpeedButton[n]->setText(QStringLiteral("overwrite"));
}

bool WriteSlot(int n, std::int64_t money) {
    if (qx::FileExists(SlotPath(n)) && !qx::Confirm("Savegame already exists. Overwrite?", SpeicherMenu)) return false;
    const GameState& g = MainWindowDisplay()->Game();
    const std::string name = Setup ? Setup->PlayerName() : std::string();
    WriteSlotFile(n, name, money, g.victimCount, g.dragonCount, g.mode);
    if (SpeicherMenu) PreviewSlot(*SpeicherMenu, n);
    return true;
}

void TSpeicherMenu::SaveSlot(int n) {
    MainDisplay& main = *MainWindowDisplay();
    GameState& g = main.Game();
    // The slot holds the money after the price; it is taken only once the
    // file is written, so a declined or failed save costs nothing.
    if (!WriteSlot(n, MoneyAfterSave(g))) return;
    PaySavePrice(g);
    main.ShowMoney(std::to_string(g.money));
    Timer1->start();
    ShowPrice(g.savePrice);
}

void TSpeicherMenu::BitBtn1Click() { SaveSlot(1); }
void TSpeicherMenu::BitBtn2Click() { SaveSlot(2); }
void TSpeicherMenu::BitBtn3Click() { SaveSlot(3); }
void TSpeicherMenu::BitBtn4Click() { close(); }

bool TSpeicherMenu::FormCloseQuery() {
    // The price the main window works out next is charged again.
    if (MainDisplay* main = MainWindowDisplay()) EndFreeSave(main->Game());
    return true;
}

void TSpeicherMenu::reject() {
    if (qx::CloseAllowed([this] { return FormCloseQuery(); })) QDialog::reject();
}

}  // namespace quorvex
