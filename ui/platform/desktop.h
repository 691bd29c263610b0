// What the desktop gives a window: waits that keep processing events, centring
// and the shell's "open". The alpha value, pictures and the game's fonts and
// colours have their own headers (alpha.h, pictures.h, look.h).
#pragma once

#include <cstdint>
#include <string>

class QWidget;

namespace qx {

// Processes waiting window events until the tick count has advanced by more
// than `ms`; on a thread without window events a plain sleep.
void PumpingDelay(std::uint16_t ms);
// For tests that play whole games: every PumpingDelay lasts ms / divisor
// (1, the default, is real time). The waits still process events and end
// in the same order; only the pace changes.
void SetPumpingDelayDivisor(int divisor);

// True on the thread that runs the windows.
bool OnUiThread();

// left = (screen width - width) div 2, top = (screen height - height) div 2.
void CentreOnScreen(QWidget* window);

// Asks the desktop to open a web address; when no browser can be started the
// player is told so in an information box.
void ShellOpen(const std::string& url);

}  // namespace qx
