// The windows of the run. Each is created once, in the program's order, and
// lives until the end; the menu shows the others modally.
#pragma once

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
class MainDisplay;

// The form objects, named as the windows are known throughout the program.
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

// The main window as the other windows may use it: what they show there and
// the game record they share; nullptr while it does not exist.
MainDisplay* MainWindowDisplay();

// Creates every window in order; the main window first, so its start-up runs
// before the others exist.
void CreateForms();
// Destroys them again (tests create a fresh set per test).
void DestroyForms();

// Opens a game link: the client window with its address filled in, once the
// main window has appeared. A malformed link, a client that is connected and
// another window that is open each get a message box and change nothing.
void OpenGameLink(const QString& text);

// Sets the title, creates the windows, shows the main window and runs the loop.
// A game link as the one argument is handed to the game that runs already, or
// opened once this one has started.
int RunApplication(QApplication& app);

}  // namespace quorvex
