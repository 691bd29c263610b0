// Games on the local network, by DNS-SD through the system's Avahi daemon:
// the host announces its game while its server is active, the client window
// offers the games it finds as suggestions for its address field. Everything
// runs on the window's event loop; without a daemon nothing is shown and
// nothing waits.
#pragma once

#include <QString>

#include <functional>
#include <memory>

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
    // when the first was taken).
    void Start(const QString& name, int port, std::function<void(const QString&)> announced = {});
    // Withdraws it.
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Offers the games announced on the local network as suggestions for field
// (shown when it is clicked or on the Down key); choosing one fills in the
// address. The browsing lives as long as the field.
void OfferLocalGames(QLineEdit* field);

}  // namespace quorvex
