// What the other windows may show in the main window, and the single-player
// record they share with it. The slot dialogs, the settings dialog and the
// splash screen talk to the main window only through this, so none of them
// needs the main window's module and the main window's controls stay its own.
#pragma once

#include "game/gamecore.h"

#include <string>

namespace quorvex {

class MainDisplay {
public:
    // The single-player record: the slot dialogs save it and load into it
    // through the game's own moves.
    virtual GameState& Game() = 0;
    // Texts are in the system's 8-bit code page, shown as they are given.
    virtual void ShowMoney(const std::string& text) = 0;
    virtual void ShowCounters(const std::string& victims, const std::string& dragons) = 0;
    virtual void ShowGameType(const std::string& text) = 0;
    // Player "<name>" in the player label.
    virtual void ShowPlayerName(const std::string& name) = 0;
    // The "Save game" entry enabled, with the price of the record.
    virtual void ShowSaveEntry() = 0;
    // The game panels instead of the start panel, with a fresh turn of the
    // record's game on the field.
    virtual void ShowField() = 0;
    // The end of the splash screen: the window appears, fading in when the
    // fade switch read at start-up is on.
    virtual void Appear() = 0;

protected:
    ~MainDisplay() = default;
};

}  // namespace quorvex
