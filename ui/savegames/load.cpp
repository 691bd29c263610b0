#include "ui/savegames/load.h"

#include "core/game/playsession.h"
#include "ui/platform/controls.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/look.h"

#include <QPushButton>

namespace quorvex {

namespace {
const SlotDialogLook kLook{"LadenMenu", QT_TRANSLATE_NOOP("quorvex::TSlotDialog", "Load game"), 188, Qt::black,
                           std::nullopt, Qt::white, qx::kLime, "SpeedButton", QT_TRANSLATE_NOOP("quorvex::TSlotDialog", "load"),
                           true, 152};
}  // namespace

TLadenMenu::TLadenMenu(SinglePlayerSession& session, PlayerNameSource playerName, QWidget* parent)
    : TSlotDialog(kLook, parent), session_(session), playerName_(std::move(playerName)) {
    WireButtons<TLadenMenu>({nullptr, &TLadenMenu::BitBtn1Click, &TLadenMenu::BitBtn2Click, &TLadenMenu::BitBtn3Click, &TLadenMenu::SpeedButton4Click});
}

void TLadenMenu::ShowOccupied(int n) { SpeedButton[n]->setEnabled(true); }

bool TLadenMenu::LoadSlot(int n) {
    if (!qx::FileExists(SlotPath(n))) {
        //: %1 is the slot's file name without ".save" (Slot1); the \\n is shown as it is, two characters.
        qx::ShowMessageText(tr("Could not load from file \"%1\".\\nFile not found.").arg(SlotName(n)), this);
        return false;
    }
    // Everything is read and converted before anything of the game changes.
    const LoadedSlot slot = ParseSlotForLoading(ReadSlotShown(n, BlankRule::Loading));
    if (playerName_.write) playerName_.write(slot.texts.name);
    session_.LoadSlot(slot);
    return true;
}

void TLadenMenu::SlotClick(int n) {
    LoadSlot(n);
    close();
}

void TLadenMenu::BitBtn1Click() { SlotClick(1); }
void TLadenMenu::BitBtn2Click() { SlotClick(2); }
void TLadenMenu::BitBtn3Click() { SlotClick(3); }
void TLadenMenu::SpeedButton4Click() { close(); }

}  // namespace quorvex
