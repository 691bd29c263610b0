// The save dialog: the three slots with their "save" / "overwrite" buttons
// and the current price for saving.
#pragma once

#include "savegames/funktionen.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace quorvex {

class TSpeicherMenu : public QDialog, public SlotDisplay {
    Q_OBJECT
public:
    explicit TSpeicherMenu(QWidget* parent = nullptr);

    // --- handlers (named after component and event) ---
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void Timer1Timer();

    // --- controls (component names) ---
    std::array<QPushButton*, 5> SpeedButton{};  // [1]..[3] the slots, [4] "close"
    QLabel* Label1;                             // "current price for saving: $"
    QLabel* Label2;                             // the price
    QTimer* Timer1;                             // fills the slots just after opening

    // The price the main window works out for the next save.
    void ShowPrice(std::int64_t price);

protected:
    // Every way of closing (button, close box, Escape) ends here.
    void reject() override;

private:
    void FormCreate();
    bool FormCloseQuery();
    void SaveSlot(int n);
};

// Asks before replacing an occupied slot, then writes slot n from the current
// game with the given money and previews it in the save dialog. False when
// the player declined; a failed write throws and leaves the old slot intact.
bool WriteSlot(int n, std::int64_t money);

// Shows slot n; an occupied slot's button reads "overwrite".
void PreviewSlot(TSpeicherMenu& dialog, int n);

}  // namespace quorvex
