// The load dialog: the three slots with their "load" buttons.
#pragma once

#include "savegames/funktionen.h"

#include <QDialog>
#include <array>

class QPushButton;
class QTimer;

namespace quorvex {

class TLadenMenu : public QDialog, public SlotDisplay {
    Q_OBJECT
public:
    explicit TLadenMenu(QWidget* parent = nullptr);

    // --- handlers (named after component and event) ---
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton4Click();
    void Timer1Timer();

    // --- controls (component names) ---
    std::array<QPushButton*, 5> SpeedButton{};  // [1]..[3] the slots, [4] "close"
    QTimer* Timer1;                             // fills the slots just after opening

private:
    void FormCreate();
    void LoadClick(int n);
};

// Applies slot n to the game and the main window, all or nothing: the slot
// is read and every value checked first (a damaged slot throws and changes
// nothing); only then is the main window switched to play. False, with the
// player told so, when the slot's file is missing.
bool LoadSlot(int n);

// Shows slot n; an occupied slot's button is enabled.
void PreviewSlot(TLadenMenu& dialog, int n);

}  // namespace quorvex
