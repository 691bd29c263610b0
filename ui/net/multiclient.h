// The client window: joins a host's game through its session, polls the
// session from a timer and plays the client's side of the two-player game.
// Single-threaded: while it waits on the network the window keeps processing
// its events.
#pragma once

#include "core/net/transport/endpoint.h"
#include "ui/net/netwindow.h"

#include <cstddef>

class QTimer;

namespace quorvex {

class Tqx_client : public TNetWindow {
    Q_OBJECT
public:
    explicit Tqx_client(QWidget* parent = nullptr);
    ~Tqx_client() override;

    // --- handlers (named after component and event) ---
    void FormCreate();
    void nickChange();
    void adresseChange();
    void startClick();
    // The connection is up: returns the nickname to introduce the player with.
    std::string clientConnected();
    void Timer1Timer();
    void stopClick();
    void clientDisconnected();
    void senditClick();
    void BombItClick();
    void sendClick();
    void sendtextKeyPress(char key);
    bool FormCloseQuery();

    // The host's port to connect to (9999; tests use a free one).
    void SetPort(int port);
    // Fills in the address of a game link (the port held for that address);
    // false, changing nothing, while connected or connecting.
    bool ShowLinkAddress(const std::string& host, int port);
    // The poll's interval (1000 ms in the game; tests drive it faster).
    void SetPollInterval(int ms);
    // How long the host may take none of the queued lines before it is dropped (10 s; tests shorten it).
    void SetStallTimeout(int ms) { session.SetStallTimeout(ms); }

    // Whether the window is connected to a host.
    bool Connected() const { return session.Connected(); }
    // Why the last connect failed (the transport's text; the log only says
    // that it failed); empty after one that succeeded.
    QString ConnectError() const { return connectError_; }
    // Bytes queued for the host beyond what its socket took.
    std::size_t PendingBytes() const { return session.PendingBytes(); }

protected:
    // Closing (the title bar's button, Escape) asks FormCloseQuery first.
    void reject() override;

private:
    // --- controls (component names, which are also their object names) ---
    QLineEdit* adresse;
    QTimer* Timer1;

    // IdAntiFreeze1: processes the window's events while the client waits.
    static void IdAntiFreeze1Idle();

    // The port "connect" uses; a link's port, or that of a game chosen from
    // the local network's list, holds while its address is in the field.
    int port_ = kGamePort;
    QString linkAddress_;
    int linkPort_ = kGamePort;
    QString connectError_;
    bool connecting_ = false;
    bool polling_ = false;
};

}  // namespace quorvex
