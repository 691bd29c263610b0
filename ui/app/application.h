// The program's composition root: it creates each window of the run once, in
// the program's order, hands each the few things it needs, and gives the main
// window's menu the windows it opens. Only this module and tests hold the
// set of windows.
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
class TRecords;

// The windows of one run, named as the windows are known. The composition
// root owns one set and hands each window only what it needs; the windows
// never reach each other through it.
struct Forms {
    THaupt* Haupt = nullptr;
    TSetup* Setup = nullptr;
    TAboutBox* AboutBox = nullptr;
    TSplashScr* SplashScr = nullptr;
    TSpeicherMenu* SpeicherMenu = nullptr;
    TLadenMenu* LadenMenu = nullptr;
    Tstat* stat = nullptr;
    TDelMenu* DelMenu = nullptr;
    Tqx_host* qx_host = nullptr;
    Tqx_client* qx_client = nullptr;
    THelp* Help = nullptr;
    TRecords* Records = nullptr;

    Forms() = default;
    ~Forms() { Destroy(); }
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Creates every window in order; the main window first, so its start-up
    // runs before the others exist.
    void Create();
    // The same in two steps: the main window, then the others once.
    void CreateMain();
    void CreateOthers();
    // One window of the others: the next in order that does not exist yet;
    // the menu gets the windows with the last. False once all exist.
    bool CreateNext();
    // Destroys them again, the last made first.
    void Destroy();

    // Gives the main window's menu the windows that exist now (tests that
    // make only some windows connect those).
    void ConnectMenu();

    // Opens a game link: the client window with its address filled in, once
    // the main window has appeared. A malformed link, a client that is
    // connected and another window that is open each get a message box and
    // change nothing.
    void OpenGameLink(const QString& text);
};

// Where the host window keeps a server name: the settings dialog's field,
// committed as if the player pressed its button; nothing without a dialog.
std::function<void(const std::string&)> StoreServerName(TSetup* setup);

// Sets the title, creates the main window and shows it, creates the other
// windows one a turn of the loop from a moment after its first frame (all
// that are left at once before any input or start-up timer is taken), and
// runs the loop. A game link as the one argument is handed to the
// game that runs already, or opened once this one has started.
int RunApplication(QApplication& app);

}  // namespace quorvex
