// Games on the local network, by DNS-SD through the system's Avahi daemon:
// the host announces its game while its server is active, the client window
// offers the games it finds as suggestions for its address field.
//
// Avahi talks to its daemon over the system bus, and a bus or daemon that
// does not answer holds every call. So all of it runs on a thread of its own
// (one per announcement or list), started only when the player first starts
// a server or opens the client window; what it finds reaches the window in
// order through the event loop. Nothing waits for that thread: a window that
// goes leaves it to end when its call returns, or with the program, whose end
// does not wait for it either (qx::FinishProcess).
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;

namespace quorvex {

// The DNS-SD service type of a game.
inline constexpr const char* kGameServiceType = "_quorvex._tcp";

// The host's game on the local network, announced between Start and Stop.
class GameAnnouncement {
public:
    GameAnnouncement();
    ~GameAnnouncement();
    GameAnnouncement(const GameAnnouncement&) = delete;
    GameAnnouncement& operator=(const GameAnnouncement&) = delete;

    // Announces the game under name (a blank name announces "Quorvex") on
    // port; announced gets the name the network took (another, "Name #2",
    // when the first was taken), on Avahi's thread. The first Start throws
    // when the hand-over to that thread cannot be made.
    void Start(const QString& name, int port, std::function<void(const QString&)> announced = {});
    // Withdraws it.
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Offers the games announced on the local network as suggestions for field
// (shown when it is clicked or on the Down key); choosing one fills in the
// address. Browsing begins when field's window is first shown (and again at a
// later showing if the daemon could not be reached) and lives as long as the
// field.
void OfferLocalGames(QLineEdit* field);

// A game found on the local network: the name as announced, one address.
struct AnnouncedGame {
    QString name;
    QString address;
    int preference = 0;  // 0 IPv4, 1 global IPv6, 2 link-local IPv6
};

// The suggestions' rows: one for each name and address (a name announced
// from two addresses is two rows), by name, then the address a player would
// rather type first.
std::vector<AnnouncedGame> SuggestionRows(std::vector<AnnouncedGame> games);
// A row's text: the name as shown safely (qx::ShownUnicode), then the whole
// address: "name  (address)".
QString SuggestionText(const AnnouncedGame& game);

}  // namespace quorvex
