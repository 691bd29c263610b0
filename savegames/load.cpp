#include "savegames/load.h"

#include "game/application.h"
#include "game/maindisplay.h"
#include "game/singleplayer.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "settings/einstellungen.h"

#include <QTimer>

namespace quorvex {

TLadenMenu::TLadenMenu(QWidget* parent) : QDialog(parent) {
    qx::SetupToolWindow(this, QStringLiteral("LadenMenu"), QStringLiteral("Load game"), 500, 188, Qt::black);
    BuildSlotDisplay(this, *this, Qt::white, qx::kLime);

    for (int n = 1; n <= kSlotCount; ++n) {
        SpeedButton[n] = qx::MakeButton(GroupBox[n], QStringLiteral("SpeedButton%1").arg(n), QStringLiteral("load"),
                                        SlotButtonRect(), false);
        FaceButton(SpeedButton[n]);
        SpeedButton[n]->setEnabled(false);
    }
    SpeedButton[4] = qx::MakeButton(this, QStringLiteral("SpeedButton4"), QStringLiteral("close"),
                                    QRect(8, 152, 100, 26), false);
    FaceButton(SpeedButton[4]);
    qx::ConnectHandler(SpeedButton[1], &QPushButton::clicked, this, &TLadenMenu::BitBtn1Click);
    qx::ConnectHandler(SpeedButton[2], &QPushButton::clicked, this, &TLadenMenu::BitBtn2Click);
    qx::ConnectHandler(SpeedButton[3], &QPushButton::clicked, this, &TLadenMenu::BitBtn3Click);
    qx::ConnectHandler(SpeedButton[4], &QPushButton::clicked, this, &TLadenMenu::SpeedButton4Click);

    // The 1 ms fill timer, stopped: whoever opens the dialog starts it.
    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 1, &TLadenMenu::Timer1Timer);

    FormCreate();
}

void TLadenMenu::FormCreate() { qx::CentreOnScreen(this); }

void TLadenMenu::Timer1Timer() {
    PreviewAllSlots(*this);
}

void PreviewSlot(TLadenMenu& dialog, int n) {
    if (PreviewSlotLabels(dialog, n)) dialog.SpeedButton[n]->setEnabled(true);
}

bool LoadSlot(int n) {
    if (!qx::FileExists(SlotPath(n))) {
        qx::ShowMessage("Could not load from file \"Slot" + std::to_string(n) + "\".\\nFile not found.", LadenMenu);
        return false;
    }
    // Everything is read and converted before anything of the game changes.
    const LoadedSlot slot = ParseSlotForLoading(ReadSlot(n, BlankRule::Loading));

    MainDisplay& main = *MainWindowDisplay();
    ApplyLoadedGame(main.Game(), slot.money, slot.victims, slot.dragons, slot.mode);
    main.ShowSaveEntry();
    // A fresh turn, worked out from the loaded money; the save stays free.
    main.ShowField();
    if (Setup) Setup->SetPlayerName(slot.texts.name);
    main.ShowPlayerName(slot.texts.name);
    // The labels show the texts as decoded ("0012" stays so).
    main.ShowMoney(slot.texts.money);
    main.ShowCounters(slot.texts.victims, slot.texts.dragons);
    // Any other mode text leaves the game type as it was.
    const std::string type = LoadedGameTypeText(slot.texts.mode);
    if (!type.empty()) main.ShowGameType(type);
    return true;
}

void TLadenMenu::LoadClick(int n) {
    LoadSlot(n);
    close();
}

void TLadenMenu::BitBtn1Click() { LoadClick(1); }
void TLadenMenu::BitBtn2Click() { LoadClick(2); }
void TLadenMenu::BitBtn3Click() { LoadClick(3); }
void TLadenMenu::SpeedButton4Click() { close(); }

}  // namespace quorvex
