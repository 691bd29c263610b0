// The delete dialog ("Manage savegames"): the three slots with their
// "delete" buttons.
#pragma once

#include "savegames/funktionen.h"

#include <QDialog>
#include <array>

class QPushButton;
class QTimer;

namespace quorvex {

class TDelMenu : public QDialog, public SlotDisplay {
    Q_OBJECT
public:
    explicit TDelMenu(QWidget* parent = nullptr);

    // --- handlers (named after component and event) ---
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void Timer1Timer();

    // --- controls (component names) ---
    std::array<QPushButton*, 5> BitBtn{};  // [1]..[3] the slots, [4] "close"
    QTimer* Timer1;                        // fills the slots just after opening

private:
    void FormCreate();
};

// Asks, deletes slot n and shows the slot as empty in the delete dialog.
void DeleteSlot(int n);

// Shows slot n; an occupied slot's button is enabled.
void PreviewSlot(TDelMenu& dialog, int n);

}  // namespace quorvex
