// The hand-over of a game link from a second start of the game to the one that
// runs already: a Unix socket in the player's private runtime folder. Only the
// player's own programs may hand links over, so the folder must be private
// (owned by the player, mode 0700), the running game refuses a peer of another
// user, and the second start hands over only to a socket file the player owns.
// Everything received is untrusted: one bounded line per connection, within a
// short time.
#pragma once

#include "core/platform/ownedfd.h"

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// The longest line a connection may send, its line break included.
inline constexpr std::size_t kMaxLinkLine = 4096;
// A connection that has not sent its line by then is closed.
inline constexpr std::chrono::milliseconds kLinkSilenceLimit{2000};
// How long a second start waits for the running game at each step.
inline constexpr std::chrono::milliseconds kLinkHandOverLimit{2000};

// The folder runtimeDir names when it is the player's private one: an
// absolute path to a folder (not a link) owned by this user with no rights
// for others. Nothing otherwise, also when runtimeDir is null or empty.
std::optional<std::string> PrivateRuntimeFolder(const char* runtimeDir);
// The socket's path in the folder of $XDG_RUNTIME_DIR; nothing without a private one.
std::optional<std::string> LinkSocketPath();

// Hands link (one line) to the game listening at path: only to a socket file
// this user owns, and only once the running game has greeted the connection.
// True when the running game has the line: it closed the connection after
// reading it, or greeted and then did not answer in time (it may still read
// it). False when the line was never sent or was refused unread: then no
// running game opens it.
bool HandLinkTo(const std::string& path, const std::string& link,
                std::chrono::milliseconds limit = kLinkHandOverLimit);

// The user at the other end of a connected Unix socket (SO_PEERCRED).
std::optional<uid_t> SocketPeerUser(int fd);

// The running game's side. Single-threaded: the owner watches Fd() and calls
// Service() whenever it is readable; new connections, their lines and their
// time-outs all make it readable, so no other timer is needed.
class LinkListener {
public:
    using PeerUser = std::function<std::optional<uid_t>(int fd)>;
    enum class Outcome { Listening, AnotherGame, Failed };

    explicit LinkListener(PeerUser peerUser = SocketPeerUser,
                          std::chrono::milliseconds silenceLimit = kLinkSilenceLimit);
    ~LinkListener();
    LinkListener(const LinkListener&) = delete;
    LinkListener& operator=(const LinkListener&) = delete;

    // Listens at path unless a game answers there already. A socket file left
    // behind by a game that was killed is replaced. Games starting at the same
    // moment take turns through a lock file beside it (path + ".lock"), so one
    // listens and the others find it. On Failed, why says why, and nothing
    // is left open.
    Outcome Listen(const std::string& path, std::string* why = nullptr);
    // Readable while there is work for Service(); -1 before Listen.
    int Fd() const { return poll_.get(); }
    // Takes what is ready without waiting: accepts, reads, closes what timed
    // out, was refused or is done. Returns the complete lines, in order,
    // without their line break.
    std::vector<std::string> Service();
    // Connections still open (waiting for their line).
    std::size_t OpenConnections() const { return connections_.size(); }

private:
    struct Connection {
        std::string line;
        std::chrono::steady_clock::time_point deadline;
    };
    void Accept();
    // Reads what fd has; true when the connection is finished (line, end, error, too long).
    bool Read(int fd, Connection& c, std::vector<std::string>& lines);
    void Close(int fd);
    void ArmTimer();

    PeerUser peerUser_;
    std::chrono::milliseconds silenceLimit_;
    qx::OwnedFd poll_;    // epoll set of the listening socket, the connections and the timer
    qx::OwnedFd listen_;
    qx::OwnedFd timer_;   // fires at the earliest deadline of an open connection
    std::string path_;
    std::map<int, Connection> connections_;
};

}  // namespace quorvex
