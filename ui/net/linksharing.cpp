#include "ui/net/linksharing.h"

#include "core/net/lan/gamelink.h"
#include "ui/platform/access.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSocketNotifier>

#include <cstdio>
#include <mutex>
#include <utility>

namespace quorvex {

namespace {
constexpr int kMaxLinks = 4;
}  // namespace

QStringList GameLinksForThisMachine(int port) {
    QStringList links;
    for (const std::string& a : ShareableAddresses(MachineAddresses())) {
        if (links.size() == kMaxLinks) break;
        links << QString::fromStdString(FormatGameLink(a, port));
    }
    // No address worth sharing (offline): the machine's name may still reach it.
    if (links.isEmpty()) links << QString::fromStdString(FormatGameLink(MachineName(), port));
    return links;
}

void AddGameLinkEntries(QMenu* menu, int port, std::function<void()> copied) {
    menu->addSeparator();
    for (const QString& link : GameLinksForThisMachine(port)) {
        //: A context menu's entry; %1 is a link such as quorvex://192.0.2.7.
        QAction* copy = menu->addAction(QCoreApplication::translate("GameLinks", "Copy link %1").arg(link));
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
    if (!copied)
        copied = [field] { qx::Announce(field->window(), QCoreApplication::translate("GameLinks", "Link copied")); };
    new GameLinkMenu(field, std::move(port), std::move(copied));
}

QString LinkSocketName() {
    const auto path = LinkSocketPath();
    if (!path) {
        // Said once: every start by a link is then a game of its own.
        static std::once_flag told;
        std::call_once(told, [] {
            std::fprintf(stderr, "Quorvex: no private runtime folder (XDG_RUNTIME_DIR): game links will start new games\n");
        });
    }
    return path ? QString::fromLocal8Bit(path->c_str()) : QString();
}

bool HandToRunningGame(const QString& name, const QString& link) {
    return !name.isEmpty() && HandLinkTo(name.toLocal8Bit().toStdString(), link.toUtf8().toStdString());
}

LinkReceiver::LinkReceiver(std::function<void(const QString&)> onLink, QObject* parent,
                           LinkListener::PeerUser peerUser, std::chrono::milliseconds silenceLimit)
    : QObject(parent), listener_(std::move(peerUser), silenceLimit), onLink_(std::move(onLink)) {}

LinkReceiver::~LinkReceiver() = default;

bool LinkReceiver::Listen(const QString& name) {
    if (name.isEmpty()) return false;  // no private runtime folder: no links at all
    std::string why;
    switch (listener_.Listen(name.toLocal8Bit().toStdString(), &why)) {
        case LinkListener::Outcome::AnotherGame:
            return false;
        case LinkListener::Outcome::Failed:
            //: On the terminal; %1 is a path and why a socket cannot listen there.
            std::fprintf(stderr, "%s\n",
                         QCoreApplication::translate("GameLinks", "Quorvex: game links cannot be taken at %1")
                             .arg(QString::fromLocal8Bit(why.c_str()))
                             .toLocal8Bit()
                             .constData());
            return false;
        case LinkListener::Outcome::Listening:
            break;
    }
    notifier_ = std::make_unique<QSocketNotifier>(listener_.Fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        for (const std::string& line : listener_.Service()) {
            const QString link = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).trimmed();
            // Outside the notifier's handler: opening the link may show a window modally.
            QMetaObject::invokeMethod(this, [this, link] { Deliver(link); }, Qt::QueuedConnection);
        }
    });
    return true;
}

std::size_t LinkReceiver::OpenConnections() const { return listener_.OpenConnections(); }

void LinkReceiver::Deliver(const QString& link) {
    // One link at a time: while one is open (its box may be up), the latest
    // that comes waits and replaces any waiting before it.
    if (delivering_) {
        waiting_ = link;
        return;
    }
    delivering_ = true;
    onLink_(link);
    while (waiting_) {
        const QString next = *std::exchange(waiting_, std::nullopt);
        onLink_(next);
    }
    delivering_ = false;
}

}  // namespace quorvex
