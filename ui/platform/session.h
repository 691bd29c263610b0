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

// Ends the process after the run with `code`, once the run is closed and its
// files are written. Threads left behind by their owners (core/platform/
// ownedthread.h) get a moment to end. Should one still run - held inside a
// library, a system bus that does not answer under Avahi's - or on Wayland,
// the process ends here, without exit()'s teardown: that teardown would wait
// for it (the toolkit's D-Bus thread closes its connection under libdbus's
// lock, which the held thread keeps; Qt's Wayland client waits for a read
// that never comes). Elsewhere it returns `code` for main to return, and the
// teardown runs as usual.
int FinishProcess(int code);

}  // namespace qx
