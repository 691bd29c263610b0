// The program's composition root: it creates each window of the run once, in
// the program's order, hands each the few things it needs, and gives the main
// window's menu the windows it opens. The windows never reach each other
// through the names below; only this module and tests use them.
#pragma once

#include <functional>
#include <string>

class QApplication;
class QString;

namespace quorvex {

class THaupt;
class TSetup;
class TAboutBox;
class TSplashScr;
class TSpeicherMenu;
class TLadenMenu;
class Tstat;
class TDelMenu;
class Tqx_host;
class Tqx_client;
class THelp;

// The form objects, named as the windows are known.
extern THaupt* Haupt;
extern TSetup* Setup;
extern TAboutBox* AboutBox;
extern TSplashScr* SplashScr;
extern TSpeicherMenu* SpeicherMenu;
extern TLadenMenu* LadenMenu;
extern Tstat* stat;
extern TDelMenu* DelMenu;
extern Tqx_host* qx_host;
extern Tqx_client* qx_client;
extern THelp* Help;

// Creates every window in order; the main window first, so its start-up runs
// before the others exist.
void CreateForms();
// Destroys them again (tests create a fresh set per test).
void DestroyForms();
// Where the host window keeps a server name: the settings dialog's field,
// committed as if the player pressed its button; nothing without a dialog.
std::function<void(const std::string&)> StoreServerName(TSetup* setup);

// Gives the main window's menu the form objects that exist now (tests that
// make only some windows connect those).
void ConnectMenu();

// Opens a game link: the client window with its address filled in, once the
// main window has appeared. A malformed link, a client that is connected and
// another window that is open each get a message box and change nothing.
void OpenGameLink(const QString& text);

// Sets the title, creates the windows, shows the main window and runs the loop.
// A game link as the one argument is handed to the game that runs already, or
// opened once this one has started.
int RunApplication(QApplication& app);

}  // namespace quorvex
