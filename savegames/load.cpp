#include "savegames/load.h"

#include "game/application.h"
#include "game/main.h"
#include "game/singleplayer.h"
#include "platform/ansi.h"
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

bool LoadSlot(int n) {
    if (!qx::FileExists(SlotPath(n))) {
        qx::ShowMessage("Could not load from file \"Slot" + std::to_string(n) + "\".\\nFile not found.", LadenMenu);
        return false;
    }
    // Everything is read and converted before anything of the game changes.
    const LoadedSlot slot = ParseSlotForLoading(ReadSlot(n, BlankRule::Loading));

    THaupt& h = *Haupt;
    ApplyLoadedGame(h.game, slot.money, slot.victims, slot.dragons, slot.mode);
    PrepareLoadedGame();
    if (Setup) Setup->SetPlayerName(slot.texts.name);
    h.ShowPlayerName(slot.texts.name);
    // The labels show the texts as decoded ("0012" stays so).
    h.Money->setText(qx::FromAnsi(slot.texts.money));
    h.VictimCount->setText(qx::FromAnsi(slot.texts.victims));
    h.DragonCount->setText(qx::FromAnsi(slot.texts.dragons));
    if (const auto type = SlotGameType(slot.texts.mode)) h.Label15->setText(*type);
    h.Kill->clear();
    h.KillBonus->clear();
    return true;
}

void TLadenMenu::LoadClick(int n) {
    // A fresh turn, now worked out from the loaded money; the save stays free.
    if (LoadSlot(n)) Haupt->RestartButClick();
    close();
}

void TLadenMenu::BitBtn1Click() { LoadClick(1); }
void TLadenMenu::BitBtn2Click() { LoadClick(2); }
void TLadenMenu::BitBtn3Click() { LoadClick(3); }
void TLadenMenu::SpeedButton4Click() { close(); }

}  // namespace quorvex
