#include "ui/net/multiclient.h"

#include "core/net/transport/neterrors.h"
#include "ui/net/discovery.h"
#include "ui/net/nettexts.h"
#include "ui/platform/ansi.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "core/platform/flagscope.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace quorvex {

namespace {
constexpr int kConnectTimeoutMs = 10000;
constexpr int kPollMs = 1000;

NetWindowLayout ClientLayout() {
    NetWindowLayout l;
    l.objectName = QStringLiteral("qx_client");
    l.caption = Tqx_client::tr("[ Client ]  Quorvex Multiplayer - Beta1");
    l.label2Text = Tqx_client::tr("Server address");
    l.startCaption = Tqx_client::tr("connect");
    l.stopCaption = Tqx_client::tr("disconnect");
    l.buttonsTop = 80;
    l.memo = QRect(8, 112, 233, 209);
    l.label10Top = 112;
    return l;
}
}  // namespace

Tqx_client::Tqx_client(QWidget* parent) : TNetWindow(NetSide::Client, ClientLayout(), parent) {
    adresse = qx::MakeEdit(this, QStringLiteral("adresse"), QRect(104, 48, 137, 21));
    EditLook(adresse);
    adresse->setText(QStringLiteral("localhost"));
    setTabOrder(nick, adresse);
    // A game chosen from the list is joined on the port it announced.
    OfferLocalGames(adresse, [this](const QString& address, int port) {
        linkAddress_ = address;
        linkPort_ = port;
    });

    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), kPollMs, &Tqx_client::Timer1Timer);

    session.SetIdleHook(&Tqx_client::IdAntiFreeze1Idle);
    session.OnDisconnected = [this] { clientDisconnected(); };

    qx::ConnectHandler(nick, &QLineEdit::textChanged, this, &Tqx_client::nickChange);
    qx::ConnectHandler(adresse, &QLineEdit::textChanged, this, &Tqx_client::adresseChange);
    qx::ConnectHandler(start, &QPushButton::clicked, this, &Tqx_client::startClick);
    qx::ConnectHandler(stop, &QPushButton::clicked, this, &Tqx_client::stopClick);
    qx::ConnectHandler(sendit, &QPushButton::clicked, this, &Tqx_client::senditClick);
    qx::ConnectHandler(BombIt, &QPushButton::clicked, this, &Tqx_client::BombItClick);
    qx::ConnectHandler(send, &QPushButton::clicked, this, &Tqx_client::sendClick);
    connect(sendtext, &QLineEdit::returnPressed, this, [this] { qx::Guard([this] { sendtextKeyPress('\r'); }); });

    FinishButtons();
    qx::Guard([this] { FormCreate(); });
}

Tqx_client::~Tqx_client() {
    Timer1->stop();
    // Closed silently: the window is going away.
    session.OnDisconnected = nullptr;
    session.SetIdleHook(nullptr);
}

void Tqx_client::IdAntiFreeze1Idle() { QCoreApplication::processEvents(); }

void Tqx_client::FormCreate() {
    qx::CentreOnScreen(this);
    ResetNetGame();
}

void Tqx_client::SetPort(int port) { port_ = port; }

bool Tqx_client::ShowLinkAddress(const std::string& host, int port) {
    if (connecting_ || session.Connected()) return false;
    linkAddress_ = qx::FromAnsi(BracketedHost(host));
    linkPort_ = port;
    adresse->setText(linkAddress_);
    return true;
}
void Tqx_client::SetPollInterval(int ms) { Timer1->setInterval(ms); }

void Tqx_client::nickChange() { ApplyFieldRules(nick, adresse, session.Connected()); }
void Tqx_client::adresseChange() { ApplyFieldRules(adresse, nick, session.Connected()); }

void Tqx_client::startClick() {
    // The window keeps handling events while it connects; a second press meanwhile is ignored.
    if (connecting_ || session.Connected()) return;
    qx::FlagScope scope(connecting_);
    const std::string address = qx::ToAnsi(adresse->text());
    const int port = !linkAddress_.isEmpty() && adresse->text() == linkAddress_ ? linkPort_ : port_;
    // A host that accepts but never answers would hold the handshake for good:
    // "disconnect" gives the connect up.
    stop->setEnabled(true);
    connectError_.clear();
    bool failed = true;
    try {
        session.Connect(address, port, kConnectTimeoutMs, [this] { return clientConnected(); },
                        [](int ms) { qx::PumpingDelay(static_cast<std::uint16_t>(ms)); });
        // Polled from now on.
        Timer1->start();
        failed = false;
    } catch (const NetError& e) {
        // Refused, unresolvable, timed out, given up or failed in the handshake:
        // the log says it briefly, the reason stays at hand.
        connectError_ = NetErrorText(e);
    } catch (const qx::SystemError& e) {
        connectError_ = qx::FromSystem(e.Text());
    } catch (const std::exception& e) {
        connectError_ = qx::ShownText(e.what());
    } catch (...) {
        connectError_ = NetFailureText({NetFailureKind::UnknownFailure});
    }
    //: %1 is the address the player typed.
    if (failed) AppendShown(NoticeText(tr("Could not connect to %1").arg(qx::ShownText(address))));
    if (session.Connected()) {
        start->setEnabled(false);
        stop->setEnabled(true);
        sendtext->setEnabled(true);
        send->setEnabled(true);
    } else {
        stop->setEnabled(false);
    }
}

std::string Tqx_client::clientConnected() {
    send->setEnabled(true);
    sendtext->setEnabled(true);
    return qx::ToAnsi(nick->text());
}

void Tqx_client::Timer1Timer() {
    // A poll can run inside a wait of an earlier one's handler; one at a time.
    if (polling_) return;
    qx::FlagScope scope(polling_);
    // A closed connection ends this poll with the transport's error, which
    // the handler's guard shows; clientDisconnected has run by then.
    if (!session.Poll()) Timer1->stop();
}

void Tqx_client::stopClick() {
    // During a pending connect this cancels it.
    if (session.Connected() || connecting_) session.Disconnect();
}

void Tqx_client::clientDisconnected() {
    Timer1->stop();
    AppendShown(NoticeText(tr("disconnected!")));
    start->setEnabled(true);
    stop->setEnabled(false);
    sendtext->setEnabled(false);
    send->setEnabled(false);
}

void Tqx_client::senditClick() { RunSendPositions(); }

void Tqx_client::BombItClick() { RunBomb(); }

void Tqx_client::sendClick() { RunChat(); }

void Tqx_client::sendtextKeyPress(char key) {
    if (key == '\r') sendClick();
}

bool Tqx_client::FormCloseQuery() {
    if (session.Connected() || connecting_) {
        qx::ShowMessageText(tr("Can not close while client is active!"), this);
        return false;
    }
    return true;
}

void Tqx_client::reject() {
    if (qx::CloseAllowed([this] { return FormCloseQuery(); })) QDialog::reject();
}

}  // namespace quorvex
