#include "ui/net/linksharing.h"

#include "core/net/gamelink.h"
#include "ui/platform/access.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHostInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QNetworkInterface>
#include <QStandardPaths>
#include <QTimer>

#include <unistd.h>

namespace quorvex {

namespace {
constexpr int kMaxLinks = 4;
constexpr int kHandOverMs = 2000;
constexpr qint64 kMaxLinkBytes = 4096;
}  // namespace

QStringList GameLinksForThisMachine(int port) {
    std::vector<std::string> addresses;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        addresses.push_back(a.toString().toStdString());  // an IPv6 scope comes after '%' and is left out below
    QStringList links;
    for (const std::string& a : ShareableAddresses(addresses)) {
        if (links.size() == kMaxLinks) break;
        links << QString::fromStdString(FormatGameLink(a, port));
    }
    // No address worth sharing (offline): the machine's name may still reach it.
    if (links.isEmpty()) links << QString::fromStdString(FormatGameLink(QHostInfo::localHostName().toStdString(), port));
    return links;
}

void AddGameLinkEntries(QMenu* menu, int port, std::function<void()> copied) {
    menu->addSeparator();
    for (const QString& link : GameLinksForThisMachine(port)) {
        QAction* copy = menu->addAction(QStringLiteral("Copy link ") + link);
        QObject::connect(copy, &QAction::triggered, menu, [link, copied] {
            QGuiApplication::clipboard()->setText(link);
            if (copied) copied();
        });
    }
}

namespace {

// The field's context menu with the link entries, by the mouse, the Menu key
// or Shift+F10. A disabled field (the server is active) gets no events: its
// window then opens the menu, with the link entries alone, for a click on the
// field or for the keys wherever the focus is.
class GameLinkMenu : public QObject {
public:
    GameLinkMenu(QLineEdit* field, std::function<int()> port, std::function<void()> copied)
        : QObject(field), field_(field), port_(std::move(port)), copied_(std::move(copied)) {
        field->installEventFilter(this);
        if (field->window() != field) field->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            return ShiftF10(static_cast<QKeyEvent*>(event), static_cast<QWidget*>(watched)->window()->focusWidget());
        if (event->type() != QEvent::ContextMenu) return false;
        const auto* request = static_cast<QContextMenuEvent*>(event);
        QPoint at = request->globalPos();
        if (watched != field_) {
            const bool onField = field_->rect().contains(field_->mapFromGlobal(at));
            const bool byKey = request->reason() == QContextMenuEvent::Keyboard && !field_->isEnabled();
            if (!onField && !byKey) return false;
            if (byKey) at = field_->mapToGlobal(field_->rect().bottomLeft());
        }
        QMenu* menu = field_->isEnabled() ? field_->createStandardContextMenu() : new QMenu(field_);
        menu->setObjectName(QStringLiteral("GameLinkMenu"));
        AddGameLinkEntries(menu, port_(), copied_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
        return true;
    }

private:
    // Shift+F10, which no control of the window takes, asks the focused
    // control for its context menu, as the Menu key does.
    static bool ShiftF10(const QKeyEvent* key, QWidget* focus) {
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier || !focus) return false;
        const QPoint centre = focus->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
        QApplication::sendEvent(focus, &request);
        return true;
    }

    QLineEdit* field_;
    std::function<int()> port_;
    std::function<void()> copied_;
};

}  // namespace

void OfferGameLinkCopy(QLineEdit* field, std::function<int()> port, std::function<void()> copied) {
    if (!copied) copied = [field] { qx::Announce(field->window(), QStringLiteral("Link copied")); };
    new GameLinkMenu(field, std::move(port), std::move(copied));
}

QString LinkSocketName() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/quorvex-links-") + QString::number(::getuid());
}

bool HandToRunningGame(const QString& name, const QString& link) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kHandOverMs)) return false;
    socket.write(link.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kHandOverMs)) return false;
    // The running game closes the connection once it has the link.
    socket.waitForDisconnected(kHandOverMs);
    return true;
}

LinkReceiver::LinkReceiver(std::function<void(const QString&)> onLink, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), onLink_(std::move(onLink)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxLinkBytes) socket->abort();
                    return;
                }
                const QString link = QString::fromUtf8(socket->readLine(kMaxLinkBytes)).trimmed();
                socket->disconnectFromServer();
                // Outside the socket's handler: opening the link may show a window modally.
                QTimer::singleShot(0, this, [this, link] { onLink_(link); });
            });
        }
    });
}

bool LinkReceiver::Listen(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kHandOverMs)) return false;  // another game takes the links
    // Nobody answers: a socket file left behind by a game that was killed.
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

}  // namespace quorvex
