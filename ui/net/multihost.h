// The host window: starts and stops its HostService (the line server, the
// announcement, the router's port) and renders its outcomes as log lines,
// plays the host's side of the two-player game and starts the next game
// with "Play again".
#pragma once

#include "core/net/hostservice.h"
#include "ui/net/netwindow.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace quorvex {

class Tqx_host : public TNetWindow {
    Q_OBJECT
public:
    // Closing hands a server name that is not blank to serverNameSink (the
    // settings keep it); without one it is only forgotten.
    explicit Tqx_host(std::function<void(const std::string&)> serverNameSink = {}, QWidget* parent = nullptr);
    ~Tqx_host() override;

    // --- handlers (named after component and event) ---
    void FormCreate();
    void nickChange();
    void servernameChange();
    // The server name field, filled from the settings when the window is opened.
    void ShowServerName(const std::string& name);
    void startClick();
    void stopClick();
    // On the server's connection thread, once the session has greeted a
    // client, and once it has forgotten it.
    void serverConnect();
    void serverDisconnect();
    void senditClick();
    void BombItClick();
    void RestartButClick();
    void sendClick();
    void sendtextKeyPress(char key);
    bool FormCloseQuery();
    void FormClose();

    // The port "Start server" listens on (9999; tests pass 0 for a free one).
    void SetPort(int port);
    // The port listened on while the server is active.
    int ListeningPort() const;
    // Whether the server listens, and whether it serves a client.
    bool ServerActive() const;
    bool ServingClient() const;
    // How long a client may take none of the queued lines before it is dropped (10 s; tests shorten it).
    void SetStallTimeout(int ms);
    // Bytes queued for the current client beyond what its socket took; 0 without one.
    std::size_t PendingBytes();
    // The name the game is announced under on the local network (empty until it is).
    QString AnnouncedName() const { return announcedName_; }

protected:
    // Closing (the title bar's button, Escape) asks FormCloseQuery first.
    void reject() override;

private:
    // --- controls (component names, which are also their object names) ---
    QLineEdit* servername;
    QPushButton* RestartBut;

    // Made with the window: the server listens while it is active, the game
    // is announced and the router's port open.
    std::unique_ptr<HostService> host_;
    LineServer& Server() const { return host_->Server(); }
    // Renders an outcome of host_ (from any thread) as the log shows it.
    void ShowHostOutcome(const HostOutcome& outcome);
    // The context menu's "Ask the router to open the port" was switched.
    void AskRouterChange(bool on);

    // The names as the connection thread reads them for the handshake.
    void SnapshotNames();
    std::string SnapshotNick() const;
    std::string SnapshotServerName() const;

    std::function<void(const std::string&)> serverNameSink_;
    QString announcedName_;

    mutable std::mutex namesMutex_;
    std::string nickNow_, serverNow_;
};

}  // namespace quorvex
