// What other windows may show in the main window. The settings dialog talks
// to the main window only through this, so it needs nothing of the main
// window's module and the main window's controls stay its own.
#pragma once

#include "core/game/playsession.h"

#include <string>

namespace quorvex {

class MainDisplay {
public:
    // Renders what a move of the single-player session changed.
    virtual void Show(const SessionView& view) = 0;
    // Player "<name>" in the player label; the name is 8-bit text.
    virtual void ShowPlayerName(const std::string& name) = 0;

protected:
    ~MainDisplay() = default;
};

}  // namespace quorvex
