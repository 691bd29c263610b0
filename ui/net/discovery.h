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

#include "core/net/lan/gamelist.h"

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
// (shown when it is clicked or on the Down key), in a list that scrolls, each
// row the address in a column of its own, then the name. Choosing one fills
// in the address and tells chosen the address and the game's port. Browsing
// begins when field's window is first shown (and again at a later showing if
// the daemon could not be reached) and lives as long as the field.
void OfferLocalGames(QLineEdit* field, std::function<void(const QString& address, int port)> chosen = {});

// A row's address cell: the address, with the port when it is not the
// game's own ("10.0.0.66:4711", "[fe80::1%eth0]:4711").
QString SuggestionAddress(const LanGame& game);
// What a screen reader hears once a game is chosen: "Address filled in: 10.53.3.1".
QString FilledInText(const QString& address);
// A row's name cell: the name shown safely (qx::ShownUnicode) and isolated
// from the direction of the text around it (U+2068 ... U+2069).
QString SuggestionName(const LanGame& game);

}  // namespace quorvex
