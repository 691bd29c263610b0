// The delete dialog ("Manage savegames"): the slots with their "delete" buttons.
#pragma once

#include "ui/savegames/funktionen.h"

namespace quorvex {

class TDelMenu : public TSlotDialog {
    Q_OBJECT
public:
    explicit TDelMenu(QWidget* parent = nullptr);

    // --- handlers (named after component and event) ---
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

    // Asks, deletes slot n and shows the slot as empty.
    void DeleteSlot(int n);

private:
    // --- controls (component names, which are also their object names) ---
    std::array<QPushButton*, kSlotCount + 2>& BitBtn = buttons;  // the slots, then "close"

    void SlotClick(int n) override { DeleteSlot(n); }
    void ShowOccupied(int n) override;
};

}  // namespace quorvex
