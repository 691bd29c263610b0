// The save dialog: the slots with their "save" / "overwrite" buttons and the
// current price for saving.
#pragma once

#include "ui/savegames/funktionen.h"

#include <cstdint>
#include <string>

class QLabel;

namespace quorvex {

class SinglePlayerSession;

class TSpeicherMenu : public TSlotDialog {
    Q_OBJECT
public:
    // Saves the session's game under the name the source reads.
    TSpeicherMenu(SinglePlayerSession& session, PlayerNameSource playerName, QWidget* parent = nullptr);
    ~TSpeicherMenu() override;

    // --- handlers (named after component and event) ---
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

    // Asks before replacing an occupied slot, then writes slot n from the
    // session's game with the given money and previews it. False when the
    // player declined; a failed write throws and leaves the old slot intact.
    bool WriteSlot(int n, std::int64_t money);

protected:
    // Every way of closing (button, close box, Escape) ends here.
    void reject() override;
    // The price is read as the dialog opens.
    void showEvent(QShowEvent* event) override;

private:
    // --- controls (component names, which are also their object names) ---
    std::array<QPushButton*, kSlotCount + 2>& SpeedButton = buttons;  // the slots, then "close"
    QLabel* Label1;                                                     // "current price for saving: $"
    QLabel* Label2;                                                     // the price

    void SlotClick(int n) override;
    void ShowOccupied(int n) override;
    bool FormCloseQuery();
    void ShowPrice();
    // Whether slot n may be written: empty, or the player agrees to overwrite it.
    bool MayWrite(int n);
    std::string PlayerName() const;

    SinglePlayerSession& session_;
    PlayerNameSource playerName_;
    int listener_;
};

}  // namespace quorvex
