#include "ui/app/application.h"

#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "core/net/gamelink.h"
#include "ui/net/linksharing.h"
#include "ui/net/multihost.h"
#include "core/net/portmap.h"
#include "ui/platform/ansi.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/session.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "ui/settings/einstellungen.h"
#include "ui/stats/statistik.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QApplication>
#include <QTimer>

namespace quorvex {

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

namespace {
// Windows that fill or animate themselves by their Timer1 start it as they open.
template <class Window>
std::function<void()> OpenWithTimer(Window* window) {
    if (!window) return {};
    return [window] {
        window->StartTimer1();
        qx::ShowModal(window);
    };
}

template <class Window>
std::function<void()> OpenModal(Window* window) {
    if (!window) return {};
    return [window] { qx::ShowModal(window); };
}
}  // namespace

std::function<void(const std::string&)> StoreServerName(TSetup* setup) {
    if (!setup) return {};
    return [setup](const std::string& name) {
        setup->SetServerName(name);
        setup->PressCommit();
    };
}

void ConnectMenu() {
    if (!Haupt) return;
    MainMenuWindows m;
    m.statistics = OpenWithTimer(stat);
    m.settings = OpenModal(Setup);
    m.load = OpenWithTimer(LadenMenu);
    m.save = OpenWithTimer(SpeicherMenu);
    m.deleteSaves = OpenWithTimer(DelMenu);
    // The network windows open with the names the settings hold now.
    if (qx_host && Setup)
        m.host = [] {
            qx_host->ShowNick(Setup->MultiName());
            qx_host->ShowServerName(Setup->ServerName());
            qx::ShowModal(qx_host);
        };
    if (qx_client && Setup)
        m.join = [] {
            qx_client->ShowNick(Setup->MultiName());
            qx::ShowModal(qx_client);
        };
    m.help = OpenModal(Help);
    m.about = OpenWithTimer(AboutBox);
    m.splash = OpenWithTimer(SplashScr);
    Haupt->SetMenuWindows(std::move(m));
}

void CreateForms() {
    THaupt* main = Haupt = new THaupt();
    SinglePlayerSession& session = main->Session();
    // Every other window belongs to the main window, so the window system keeps
    // it above the game and places it over it (a transient window).
    TSetup* setup = Setup = new TSetup(main, main);
    // Saves read the name from the settings dialog's field; loads replace it.
    const PlayerNameSource playerName{[setup] { return setup->PlayerName(); },
                                      [setup](const std::string& name) { setup->SetPlayerName(name); }};
    AboutBox = new TAboutBox(Haupt);
    SplashScr = new TSplashScr([main] { main->Appear(); }, Haupt);
    SpeicherMenu = new TSpeicherMenu(session, playerName, Haupt);
    LadenMenu = new TLadenMenu(session, playerName, Haupt);
    stat = new Tstat(session.Statistics(), Haupt);
    DelMenu = new TDelMenu(Haupt);
    qx_host = new Tqx_host(StoreServerName(setup), Haupt);
    qx_client = new Tqx_client(Haupt);
    Help = new THelp(Haupt);
    ConnectMenu();
}

void DestroyForms() {
    delete Help;
    Help = nullptr;
    delete qx_client;
    qx_client = nullptr;
    delete qx_host;
    qx_host = nullptr;
    delete DelMenu;
    DelMenu = nullptr;
    delete stat;
    stat = nullptr;
    delete LadenMenu;
    LadenMenu = nullptr;
    delete SpeicherMenu;
    SpeicherMenu = nullptr;
    delete SplashScr;
    SplashScr = nullptr;
    delete AboutBox;
    AboutBox = nullptr;
    delete Setup;
    Setup = nullptr;
    delete Haupt;
    Haupt = nullptr;
    // With every window gone, a removal of the router's mapping under way
    // gets a moment to finish; it never held a window.
    PortMapper::AwaitEnds(std::chrono::milliseconds(kRouterCloseWaitMs));
}

namespace {

constexpr int kLinkRetryMs = 100;

std::string MalformedLinkText(const QString& text) {
    return "\"" + qx::ToAnsi(text) + "\" is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).";
}

}  // namespace

void OpenGameLink(const QString& text) {
    const auto link = ParseGameLink(qx::ToAnsi(text));
    if (!link) {
        qx::ShowMessage(MalformedLinkText(text));
        return;
    }
    if (!Haupt || !qx_client || Haupt->Closed()) return;
    QWidget* open = QApplication::activeModalWidget();
    // Still starting (splash screen, fade-in): open it once the main window is there.
    if (open == SplashScr || (!open && Haupt->Alpha().Value() < 255)) {
        QTimer::singleShot(kLinkRetryMs, Haupt, [text] { OpenGameLink(text); });
        return;
    }
    if (open && open != qx_client) {
        qx::ShowMessage("Close the open window first, then open the game link again.");
        return;
    }
    // A game under way is never broken off by a link.
    if (!qx_client->ShowLinkAddress(link->host, link->port)) {
        qx::ShowMessage("Disconnect first, then open the game link again.");
        return;
    }
    if (open == qx_client) {
        qx_client->activateWindow();
        return;
    }
    Haupt->Joingame1Click();
}

int RunApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromLatin1(qx::kAppTitle));
    QApplication::setApplicationDisplayName(QString());
    // Started by a link: a game that runs already takes it; this one ends.
    const QStringList arguments = QApplication::arguments();
    const QString link = arguments.size() > 1 ? arguments.at(1) : QString();
    if (!link.isEmpty()) {
        if (!ParseGameLink(qx::ToAnsi(link))) {
            qx::ShowMessage(MalformedLinkText(link));
            return 1;
        }
        if (HandToRunningGame(LinkSocketName(), link)) return 0;
    }
    LinkReceiver links([](const QString& handed) { OpenGameLink(handed); });
    links.Listen(LinkSocketName());
    // A session that ends, or a request to stop, closes the game as the player would.
    qx::CloseOnSessionEnd([] {
        if (Haupt) Haupt->CloseForSessionEnd();
    });
    // The host asks this network's router for its port (tests leave it off).
    SetRouterFactory(MakeSystemRouter);
    CreateForms();
    // A request that came while the windows were made (a start-up box was
    // open, the main window did not exist yet) closes the game now.
    if (qx::SessionEndRequested()) Haupt->CloseForSessionEnd();
    int rc = 0;
    if (!Haupt->Closed()) {
        Haupt->show();
        if (!link.isEmpty()) QTimer::singleShot(0, Haupt, [link] { OpenGameLink(link); });
        rc = app.exec();
    }
    // Should the loop end another way (the session manager may quit the
    // application directly), the run is still closed and its figures written.
    if (Haupt && !Haupt->Closed()) Haupt->CloseForSessionEnd();
    DestroyForms();
    return rc;
}

}  // namespace quorvex
