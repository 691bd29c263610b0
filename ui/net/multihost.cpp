#include "ui/net/multihost.h"

#include "ui/net/discovery.h"
#include "ui/net/hostlog.h"
#include "ui/net/linksharing.h"
#include "ui/net/nettexts.h"
#include "core/settings/settingsfile.h"
#include "ui/net/routerconsent.h"
#include "ui/platform/access.h"
#include "ui/platform/ansi.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <mutex>

namespace quorvex {

namespace {
NetWindowLayout HostLayout() {
    NetWindowLayout l;
    l.objectName = QStringLiteral("qx_host");
    l.caption = Tqx_host::tr("[ Host ] Quorvex Multiplayer - Beta1");
    l.label2Text = Tqx_host::tr("Servername");
    l.startCaption = Tqx_host::tr("Start server");
    l.stopCaption = Tqx_host::tr("Stop server");
    l.buttonsTop = 88;
    l.memo = QRect(8, 120, 233, 201);
    l.label10Top = 104;
    return l;
}

// The game on the local network, through the desktop's DNS-SD daemon.
// Avahi's thread may still tell a name after Stop or the end: the sink is cut
// first, so such a late word reaches nobody.
class LocalNetworkAnnouncer : public Announcer {
public:
    ~LocalNetworkAnnouncer() override { Silence(); }
    void Start(const std::string& name, int port, Announced announced) override {
        Silence();
        sink_ = std::make_shared<Sink>();
        sink_->announced = std::move(announced);
        announcement_.Start(QString::fromUtf8(name), port,
                            [sink = sink_](const QString& shown) { sink->Tell(shown.toUtf8().toStdString()); });
    }
    void Stop() override {
        Silence();
        announcement_.Stop();
    }

private:
    struct Sink {
        std::mutex mutex;
        Announced announced;
        void Tell(const std::string& name) {
            std::lock_guard<std::mutex> lock(mutex);
            if (announced) announced(name);
        }
    };
    void Silence() {
        if (!sink_) return;
        std::lock_guard<std::mutex> lock(sink_->mutex);
        sink_->announced = nullptr;
    }
    std::shared_ptr<Sink> sink_;
    GameAnnouncement announcement_;
};

}  // namespace

Tqx_host::Tqx_host(std::function<void(const std::string&)> serverNameSink, QWidget* parent)
    : TNetWindow(NetSide::Host, HostLayout(), parent), serverNameSink_(std::move(serverNameSink)) {
    servername = qx::MakeEdit(this, QStringLiteral("servername"), QRect(8, 64, 233, 21));
    EditLook(servername);
    setTabOrder(nick, servername);
    // Its context menu copies the link that joins this game; the log says so.
    OfferGameLinkCopy(
        servername, [this] { return Server().Active() ? ListeningPort() : Server().DefaultPort(); },
        [this] { AppendShown(NoticeText(tr("Link copied"))); });
    OfferRouterConsent(servername, [this](bool on) { qx::Guard([this, on] { AskRouterChange(on); }); });
    RestartBut = qx::MakeButton(GamePanel, QStringLiteral("RestartBut"), tr("Play again"),
                                QRect(152, 124, 162, 25), false);
    RestartBut->setEnabled(false);

    host_ = std::make_unique<HostService>(std::make_unique<LocalNetworkAnnouncer>(), SystemRouterPort(),
                                          [this](const HostOutcome& o) { ShowHostOutcome(o); });
    host_->SetRouterConsent([] { return AskRouter(SettingsPath()); });
    Server().SetDefaultPort(LineServer::kDefaultPort);
    // The connection thread sleeps while the client is silent.
    Server().SetExecuteOnInput(true);
    // The session greets each client and reads it; the window only shows it come and go.
    session.ServeOn(Server(), {[this] { return SnapshotNick(); }, [this] { return SnapshotServerName(); },
                               [this] { serverConnect(); }, [this] { serverDisconnect(); }});
    Server().OnError = [this](const ConnectionPtr&, const NetError& e) {
        // Another failure's text comes from the game's handlers: a game text.
        AppendShown(NoticeText(e.Failure().kind == NetFailureKind::Other ? qx::ShownText(e.Text().Bytes())
                                                                         : qx::ShownUnicode(NetErrorText(e))));
    };
    Server().OnListenError = [this](const NetError& e) {
        AppendShown(NoticeText(qx::ShownUnicode(NetErrorText(e))));
        // Back to the stopped state, as if "Stop server" had been pressed.
        Post([this] { qx::Guard([this] { stopClick(); }); });
    };
    // A client faster than the window is only slowed, never buffered without end.
    Server().SetInputGate([this](std::function<void()> resume) { return KeepsUp(std::move(resume)); });

    qx::ConnectHandler(nick, &QLineEdit::textChanged, this, &Tqx_host::nickChange);
    qx::ConnectHandler(servername, &QLineEdit::textChanged, this, &Tqx_host::servernameChange);
    qx::ConnectHandler(start, &QPushButton::clicked, this, &Tqx_host::startClick);
    qx::ConnectHandler(stop, &QPushButton::clicked, this, &Tqx_host::stopClick);
    qx::ConnectHandler(sendit, &QPushButton::clicked, this, &Tqx_host::senditClick);
    qx::ConnectHandler(BombIt, &QPushButton::clicked, this, &Tqx_host::BombItClick);
    qx::ConnectHandler(RestartBut, &QPushButton::clicked, this, &Tqx_host::RestartButClick);
    qx::ConnectHandler(send, &QPushButton::clicked, this, &Tqx_host::sendClick);
    connect(sendtext, &QLineEdit::returnPressed, this, [this] { qx::Guard([this] { sendtextKeyPress('\r'); }); });

    FinishButtons();
    qx::Guard([this] { FormCreate(); });
}

Tqx_host::~Tqx_host() {
    // The connection thread hands its changes to this window: end it first.
    // The router's mapping goes with the program, a session's end included;
    // its removal does not hold the window (see PortMapper::AwaitEnds).
    host_.reset();
}

void Tqx_host::FormCreate() {
    qx::CentreOnScreen(this);
    ResetNetGame();
    SnapshotNames();
}

void Tqx_host::SetPort(int port) { Server().SetDefaultPort(port); }
int Tqx_host::ListeningPort() const { return Server().BoundPort(); }

bool Tqx_host::ServerActive() const { return Server().Active(); }

bool Tqx_host::ServingClient() const { return Server().Serving(); }

void Tqx_host::SetStallTimeout(int ms) { Server().SetStallTimeout(ms); }

std::size_t Tqx_host::PendingBytes() { return session.PendingBytes(); }

void Tqx_host::SnapshotNames() {
    std::lock_guard<std::mutex> lock(namesMutex_);
    nickNow_ = qx::ToAnsi(nick->text());
    serverNow_ = qx::ToAnsi(servername->text());
}

std::string Tqx_host::SnapshotNick() const {
    std::lock_guard<std::mutex> lock(namesMutex_);
    return nickNow_;
}

std::string Tqx_host::SnapshotServerName() const {
    std::lock_guard<std::mutex> lock(namesMutex_);
    return serverNow_;
}

void Tqx_host::nickChange() {
    ApplyFieldRules(nick, servername, Server().Active());
    SnapshotNames();
}

void Tqx_host::ShowServerName(const std::string& name) { servername->setText(qx::FromAnsi(name)); }

void Tqx_host::servernameChange() {
    ApplyFieldRules(servername, nick, Server().Active());
    SnapshotNames();
}

void Tqx_host::startClick() {
    servername->setEnabled(false);
    start->setEnabled(false);
    stop->setEnabled(true);
    SnapshotNames();
    announcedName_.clear();
    host_->Start(servername->text().toUtf8().toStdString());  // a port that cannot be bound ends the handler here
}

void Tqx_host::ShowHostOutcome(const HostOutcome& outcome) {
    const QString line = HostLogLine(outcome);
    if (!line.isEmpty()) AppendShown(line);
    if (outcome.state == HostState::Announced)
        Post([this, name = QString::fromUtf8(outcome.text)] { announcedName_ = name; });
}

void Tqx_host::AskRouterChange(bool on) {
    host_->RouterConsentChanged(on);
}

void Tqx_host::stopClick() {
    // The connection thread's "Client lost" is queued before the thread ends,
    // so it is shown before "Server closed". A thread that does not end in
    // time ends the handler here with the transport's error, the server still
    // active but no longer listening, announced or mapped (the log says so);
    // the next "Stop server" finishes the stop.
    host_->Stop();
    servername->setEnabled(true);
    start->setEnabled(true);
    stop->setEnabled(false);
    sendtext->setEnabled(false);
    send->setEnabled(false);
}

void Tqx_host::serverConnect() {
    Post([this] {
        send->setEnabled(true);
        sendtext->setEnabled(true);
    });
}

void Tqx_host::serverDisconnect() {
    AppendShown(NoticeText(tr("Client lost")));
    Post([this] {
        sendtext->setEnabled(false);
        send->setEnabled(false);
    });
    // A stop restores the idle controls and logs "Server closed" itself, once
    // this thread has ended (the server counts as active until then).
}

void Tqx_host::senditClick() {
    RunSendPositions();
    for (int n = kFirstOwnCell; n <= kLastOwnCell; ++n) Image[static_cast<std::size_t>(n)]->setEnabled(false);
}

void Tqx_host::BombItClick() {
    RunBomb();
    BombIt->setEnabled(false);
    RestartBut->setEnabled(true);
}

void Tqx_host::RestartButClick() {
    const bool keyboard = RestartBut->hasFocus();
    session.Restart();
    RestartBut->setEnabled(false);
    // The disabled button would hand the focus on to the log, whose last
    // line, the restart's note, a screen reader would then read a second
    // time: the keyboard goes on to the new game's first cell instead.
    if (keyboard) {
        ApplyPending();  // the cells enabled again
        qx::HandFocusTo(Image[kFirstOwnCell]);
    }
}

void Tqx_host::sendClick() { RunChat(); }

void Tqx_host::sendtextKeyPress(char key) {
    if (key == '\r') sendClick();
}

bool Tqx_host::FormCloseQuery() {
    if (Server().Active()) {
        qx::ShowMessageText(tr("Can not close while server is active!"), this);
        return false;
    }
    return true;
}

void Tqx_host::FormClose() {
    if (Blank(servername) || !serverNameSink_) return;
    serverNameSink_(qx::ToAnsi(servername->text()));
}

void Tqx_host::reject() {
    if (!qx::CloseAllowed([this] { return FormCloseQuery(); })) return;
    qx::Guard([this] { FormClose(); });
    QDialog::reject();
}

}  // namespace quorvex
