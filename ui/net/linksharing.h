// Game links at the Qt boundary: the host's entries for copying the link to
// this machine, and the hand-over of a link from a second start of the game
// to the one that runs already (a local socket of the player's own).
#pragma once

#include "core/net/lan/linksocket.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QMenu;
class QSocketNotifier;

namespace quorvex {

// The links that reach this machine's game on port, best first (at least one).
QStringList GameLinksForThisMachine(int port);
// Adds "Copy link ..." entries for those links to menu; each puts its link on
// the clipboard and then calls copied.
void AddGameLinkEntries(QMenu* menu, int port, std::function<void()> copied = {});
// Gives field's context menu those entries after its own, also while the field
// is disabled (then they are its only entries), opened by the mouse, the Menu
// key or Shift+F10; port() is asked when it opens. copied says "Link copied"
// (by default to a screen reader).
void OfferGameLinkCopy(QLineEdit* field, std::function<int()> port, std::function<void()> copied = {});

// Where the running game takes links: in the player's private runtime folder;
// empty without one (the game then neither takes nor hands over links, and
// says so once on the error output).
QString LinkSocketName();

// Hands link to the game that listens at name; false when none answers.
bool HandToRunningGame(const QString& name, const QString& link);

// Takes the links that later starts of the game hand over, from the event
// loop. onLink gets one link at a time: a link that comes while it runs (a box
// of the last one is open) waits, and a later one replaces it.
class LinkReceiver : public QObject {
public:
    explicit LinkReceiver(std::function<void(const QString&)> onLink, QObject* parent = nullptr,
                          LinkListener::PeerUser peerUser = SocketPeerUser,
                          std::chrono::milliseconds silenceLimit = kLinkSilenceLimit);
    ~LinkReceiver() override;
    // Listens at name unless a running game does already; false then, and
    // false with a note on the error output when the socket cannot be made.
    bool Listen(const QString& name);
    // Connections that have not sent their line yet.
    std::size_t OpenConnections() const;

private:
    void Deliver(const QString& link);

    LinkListener listener_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void(const QString&)> onLink_;
    bool delivering_ = false;
    std::optional<QString> waiting_;
};

}  // namespace quorvex
