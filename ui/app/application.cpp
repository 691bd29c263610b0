#include "ui/app/application.h"

#include "ui/app/commandtext.h"
#include "ui/game/main.h"
#include "core/game/commandline.h"
#include "ui/net/multiclient.h"
#include "core/net/lan/gamelink.h"
#include "ui/net/linksharing.h"
#include "ui/net/multihost.h"
#include "core/net/router/portmap.h"
#include "ui/platform/ansi.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/session.h"
#include "ui/records/rekorde.h"
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

#include <memory>
#include <utility>

namespace quorvex {

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

void Forms::ConnectMenu() {
    if (!Haupt) return;
    MainMenuWindows m;
    m.statistics = OpenWithTimer(stat);
    m.settings = OpenModal(Setup);
    m.load = OpenWithTimer(LadenMenu);
    m.save = OpenWithTimer(SpeicherMenu);
    m.deleteSaves = OpenWithTimer(DelMenu);
    if (Records)
        m.records = [this] {
            Records->ShowTables();
            qx::ShowModal(Records);
        };
    // The network windows open with the names the settings hold now.
    if (qx_host && Setup)
        m.host = [this] {
            qx_host->ShowNick(Setup->MultiName());
            qx_host->ShowServerName(Setup->ServerName());
            qx::ShowModal(qx_host);
        };
    if (qx_client && Setup)
        m.join = [this] {
            qx_client->ShowNick(Setup->MultiName());
            qx::ShowModal(qx_client);
        };
    m.help = OpenModal(Help);
    m.about = OpenWithTimer(AboutBox);
    m.splash = OpenWithTimer(SplashScr);
    Haupt->SetMenuWindows(std::move(m));
}

void Forms::Create() {
    CreateMain();
    CreateOthers();
}

void Forms::CreateMain() {
    if (!Haupt) Haupt = new THaupt();
}

void Forms::CreateOthers() {
    while (CreateNext()) {
    }
}

bool Forms::CreateNext() {
    if (!Haupt || Records) return false;
    THaupt* main = Haupt;
    SinglePlayerSession& session = main->Session();
    // Saves read the name from the settings dialog's field; loads replace it.
    auto playerName = [this] {
        TSetup* setup = Setup;
        return PlayerNameSource{[setup] { return setup->PlayerName(); },
                                [setup](const std::string& name) { setup->SetPlayerName(name); }};
    };
    // Every other window belongs to the main window, so the window system keeps
    // it above the game and places it over it (a transient window).
    if (!Setup)
        Setup = new TSetup(main, main);
    else if (!AboutBox)
        AboutBox = new TAboutBox(main);
    else if (!SplashScr)
        SplashScr = new TSplashScr([main] { main->Appear(); }, main);
    else if (!SpeicherMenu)
        SpeicherMenu = new TSpeicherMenu(session, playerName(), main);
    else if (!LadenMenu)
        LadenMenu = new TLadenMenu(session, playerName(), main);
    else if (!stat)
        stat = new Tstat(session.Statistics(), main);
    else if (!DelMenu)
        DelMenu = new TDelMenu(main);
    else if (!qx_host)
        qx_host = new Tqx_host(StoreServerName(Setup), main);
    else if (!qx_client)
        qx_client = new Tqx_client(main);
    else if (!Help)
        Help = new THelp(main);
    else {
        // New entries are named as the settings name the player now.
        TSetup* setup = Setup;
        Records = new TRecords(session, [setup] { return setup->PlayerName(); }, main);
        ConnectMenu();
    }
    return !Records;
}

void Forms::Destroy() {
    // The last made goes first; each pointer is cleared before the next goes.
    auto gone = [](auto*& window) { delete std::exchange(window, nullptr); };
    gone(Records);
    gone(Help);
    gone(qx_client);
    gone(qx_host);
    gone(DelMenu);
    gone(stat);
    gone(LadenMenu);
    gone(SpeicherMenu);
    gone(SplashScr);
    gone(AboutBox);
    gone(Setup);
    gone(Haupt);
    // With every window gone, a removal of the router's mapping under way
    // gets a moment to finish; it never held a window.
    PortMapper::AwaitEnds(std::chrono::milliseconds(kRouterCloseWaitMs));
}

namespace {

constexpr int kLinkRetryMs = 100;

// The core's text, the link in it shown as received text is (control pictures).
QString MalformedLinkShown(const QString& text) { return MalformedLinkSentence().arg(qx::ShownText(qx::ToAnsi(text))); }

}  // namespace

void Forms::OpenGameLink(const QString& text) {
    const auto link = ParseGameLink(qx::ToAnsi(text));
    if (!link) {
        qx::ShowMessageText(MalformedLinkShown(text));
        return;
    }
    if (!Haupt || !qx_client || Haupt->Closed()) return;
    QWidget* open = QApplication::activeModalWidget();
    // Still starting (splash screen, fade-in): open it once the main window is there.
    if (open == SplashScr || (!open && Haupt->Alpha().Value() < 255)) {
        QTimer::singleShot(kLinkRetryMs, Haupt, [this, text] { OpenGameLink(text); });
        return;
    }
    if (open && open != qx_client) {
        qx::ShowMessageText(QCoreApplication::translate("Forms", "Close the open window first, then open the game link again."));
        return;
    }
    // A game under way is never broken off by a link.
    if (!qx_client->ShowLinkAddress(link->host, link->port)) {
        qx::ShowMessageText(QCoreApplication::translate("Forms", "Disconnect first, then open the game link again."));
        return;
    }
    if (open == qx_client) {
        qx_client->activateWindow();
        return;
    }
    Haupt->Joingame1Click();
}

namespace {

// Events by which the player (or a start-up timer of the main window) acts.
bool ActsOnTheWindows(const QObject* receiver, const QEvent* event, const QWidget* main) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        case QEvent::Timer:
            return receiver == main || (receiver && receiver->parent() == main);
        default:
            return false;
    }
}

constexpr int kLetTheFrameShowMs = 30;

// Runs `step` until it returns false: from a moment after the main window's
// first frame, once a turn of the loop, so no turn is held up long; all the
// steps left at once before the first event that acts on a window.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget* main, std::function<bool()> step) : main_(main), step_(std::move(step)) {
        qApp->installEventFilter(this);
    }
    void RunNow() {
        while (Step()) {
        }
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!step_) return false;
        if (ActsOnTheWindows(receiver, event, main_)) {
            RunNow();
        } else if (event->type() == QEvent::Paint && !posted_ && receiver->isWidgetType() &&
                   static_cast<QWidget*>(receiver)->window() == main_) {
            // A moment after this frame is painted: the window system draws it
            // while the game waits, instead of sharing the processor with ten
            // windows being built. Input in that moment builds them at once (above).
            posted_ = true;
            QTimer::singleShot(kLetTheFrameShowMs, this, [this] { Slice(); });
        }
        return false;
    }

private:
    // One step; false once there is none left.
    bool Step() {
        if (!step_) return false;
        if (step_()) return true;
        step_ = nullptr;
        qApp->removeEventFilter(this);
        return false;
    }
    void Slice() {
        if (Step()) QTimer::singleShot(0, this, [this] { Slice(); });
    }

    QWidget* main_;
    std::function<bool()> step_;
    bool posted_ = false;
};

}  // namespace

int RunApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromLatin1(qx::kAppTitle));
    QApplication::setApplicationDisplayName(QString());
    // Started by a link: a game that runs already takes it; this one ends.
    const QStringList arguments = QApplication::arguments();
    const QString link = arguments.size() > 1 ? arguments.at(1) : QString();
    const QString linkSocket = LinkSocketName();
    if (!link.isEmpty()) {
        if (!ParseGameLink(qx::ToAnsi(link))) {
            qx::ShowMessageText(MalformedLinkShown(link));
            return 1;
        }
        if (HandToRunningGame(linkSocket, link)) return 0;
    }
    const auto forms = std::make_shared<Forms>();
    // A session that ends, or a request to stop, closes the game as the player would.
    qx::CloseOnSessionEnd([weak = std::weak_ptr<Forms>(forms)] {
        if (const auto f = weak.lock(); f && f->Haupt) f->Haupt->CloseForSessionEnd();
    });
    // The host asks this network's router for its port (tests leave it off).
    SetRouterFactory(MakeSystemRouter);
    forms->CreateMain();
    // A request that came while the main window was made (a start-up box was
    // open, the window did not exist yet) closes the game now.
    if (qx::SessionEndRequested()) forms->Haupt->CloseForSessionEnd();
    std::unique_ptr<LinkReceiver> links;
    int rc = 0;
    if (!forms->Haupt->Closed()) {
        // What the first frame does not need comes right after it, in order:
        // the other windows, then the links of later starts.
        AfterFirstFrame rest(forms->Haupt, [&] {
            if (forms->CreateNext()) return true;
            links = std::make_unique<LinkReceiver>([f = forms.get()](const QString& handed) { f->OpenGameLink(handed); });
            links->Listen(linkSocket);
            if (!link.isEmpty()) QTimer::singleShot(0, forms->Haupt, [f = forms.get(), link] { f->OpenGameLink(link); });
            return false;
        });
        forms->Haupt->show();
        // Held back (the splash screen comes first): no frame of its own yet.
        if (!forms->Haupt->isVisible()) rest.RunNow();
        rc = app.exec();
    }
    // Should the loop end another way (the session manager may quit the
    // application directly), the run is still closed and its figures written.
    if (forms->Haupt && !forms->Haupt->Closed()) forms->Haupt->CloseForSessionEnd();
    links.reset();
    forms->Destroy();
    return rc;
}

}  // namespace quorvex
