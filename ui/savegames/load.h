// The load dialog: the slots with their "load" buttons.
#pragma once

#include "ui/savegames/funktionen.h"

namespace quorvex {

class SinglePlayerSession;

class TLadenMenu : public TSlotDialog {
    Q_OBJECT
public:
    // Loads into the session; a loaded name replaces the source's.
    TLadenMenu(SinglePlayerSession& session, PlayerNameSource playerName, QWidget* parent = nullptr);

    // --- handlers (named after component and event) ---
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton4Click();

    // Applies slot n to the session, all or nothing: the slot is read and
    // every value checked first (a damaged slot throws and changes nothing).
    // False, with the player told so, when the slot's file is missing.
    bool LoadSlot(int n);

private:
    // --- controls (component names, which are also their object names) ---
    std::array<QPushButton*, kSlotCount + 2>& SpeedButton = buttons;  // the slots, then "close"

    void SlotClick(int n) override;
    void ShowOccupied(int n) override;

    SinglePlayerSession& session_;
    PlayerNameSource playerName_;
};

}  // namespace quorvex
