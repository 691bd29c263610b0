// The end of a run from outside the game: the desktop session ending (the
// session manager asks the application to quit) or the process being asked to
// stop (SIGTERM, SIGINT, SIGHUP). Both close the game as the player would, so
// the run's statistics are written.
#pragma once

#include <functional>

namespace qx {

// Installs the signal handlers and listens to the session manager. `close`
// runs on the user-interface thread, once, for the first request; a second
// signal while that close is under way ends the process at once. Call it once,
// before the windows are created, with the application object in place.
// From the first request on, no message box waits for an answer any more
// (an open one closes at once), so a request that comes while a box holds up
// the start is not lost: the caller asks SessionEndRequested() once its main
// window exists and closes it then.
void CloseOnSessionEnd(std::function<void()> close);
bool SessionEndRequested();

// Ends the process after the run with `code`. Qt's Wayland client can hang
// while it tears down its display connection at exit (its event thread waits
// for a read that never comes); once the run is closed and its files are
// written there is nothing left to release, so on Wayland the process ends
// here without that teardown. Elsewhere it returns `code` for main to return.
int FinishProcess(int code);

}  // namespace qx
