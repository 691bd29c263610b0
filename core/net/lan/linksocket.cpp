#include "core/net/lan/linksocket.h"

#include "core/platform/errnotext.h"

#include <fcntl.h>
#include <sys/epoll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <sys/un.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace quorvex {

namespace {

// More waiting connections than a player's own programs ever make: the rest
// are closed at once, so a flood holds no more descriptors than this.
constexpr std::size_t kMaxLinkConnections = 16;
// What the running game says to a connection it has taken: only then is the
// link sent, so a link left in a queue that the running game reads too late
// was never sent, and the second start opens it alone.
constexpr char kLinkGreeting = '+';

bool SocketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A socket file owned by this user (not followed through a link).
bool OwnSocketFile(const std::string& path) {
    struct stat s {};
    return ::lstat(path.c_str(), &s) == 0 && S_ISSOCK(s.st_mode) && s.st_uid == ::geteuid();
}

int Connect(const std::string& path, std::chrono::milliseconds limit) {
    sockaddr_un address;
    if (!SocketAddress(path, address)) return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    // Both directions wait at most the limit (a full backlog blocks connect too).
    timeval t{static_cast<time_t>(limit.count() / 1000), static_cast<suseconds_t>(limit.count() % 1000 * 1000)};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &t, sizeof t);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &t, sizeof t);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Waits for this game's turn among those starting at the same moment: the
// lock file beside the socket, held for as long as the returned descriptor
// is open. The file stays: removing it would let two games hold two locks.
qx::OwnedFd TakeTurn(const std::string& path) {
    qx::OwnedFd lock(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    while (lock.valid() && ::flock(lock.get(), LOCK_EX) != 0) {
        const int err = errno;
        if (err == EINTR) continue;
        lock.reset();
        errno = err;  // for the caller's report
    }
    return lock;
}

// Whether a game listens at address. Without waiting: a game whose queue is
// full (EAGAIN) is there too.
bool Answers(const sockaddr_un& address) {
    const qx::OwnedFd probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    return probe.valid() &&
           (::connect(probe.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ||
            errno == EAGAIN);
}

bool Watch(int set, int fd) {
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.fd = fd;
    return ::epoll_ctl(set, EPOLL_CTL_ADD, fd, &e) == 0;
}

}  // namespace

std::optional<std::string> PrivateRuntimeFolder(const char* runtimeDir) {
    if (!runtimeDir || runtimeDir[0] != '/') return std::nullopt;
    struct stat s {};
    if (::lstat(runtimeDir, &s) != 0 || !S_ISDIR(s.st_mode)) return std::nullopt;
    if (s.st_uid != ::geteuid() || (s.st_mode & 077) != 0) return std::nullopt;
    std::string folder = runtimeDir;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::optional<std::string> LinkSocketPath() {
    const auto folder = PrivateRuntimeFolder(std::getenv("XDG_RUNTIME_DIR"));
    if (!folder) return std::nullopt;
    return *folder + "/quorvex-links-" + std::to_string(::geteuid());
}

std::optional<uid_t> SocketPeerUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || size != sizeof peer) return std::nullopt;
    return peer.uid;
}

bool HandLinkTo(const std::string& path, const std::string& link, std::chrono::milliseconds limit) {
    if (link.size() >= kMaxLinkLine || link.find('\n') != std::string::npos) return false;
    if (!OwnSocketFile(path)) return false;
    const int fd = Connect(path, limit);
    if (fd < 0) return false;
    bool taken = SocketPeerUser(fd) == ::geteuid();
    char byte = 0;
    while (taken) {
        const ssize_t n = ::recv(fd, &byte, 1, 0);
        if (n < 0 && errno == EINTR) continue;
        taken = n == 1 && byte == kLinkGreeting;
        break;
    }
    const std::string line = link + '\n';
    for (std::size_t sent = 0; taken && sent < line.size();) {
        const ssize_t n = ::send(fd, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) taken = false;
        else sent += static_cast<std::size_t>(n);
    }
    // The running game closes the connection once it has the line; one that
    // closes it without reading the line resets it. A game that greeted and
    // then says nothing in time may still read the line: it is the running
    // game's, never a second game's as well.
    while (taken) {
        const ssize_t n = ::recv(fd, &byte, 1, 0);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) taken = errno == EAGAIN || errno == EWOULDBLOCK;
        if (n < 0) break;
    }
    ::close(fd);
    return taken;
}

LinkListener::LinkListener(PeerUser peerUser, std::chrono::milliseconds silenceLimit)
    : peerUser_(std::move(peerUser)), silenceLimit_(silenceLimit) {}

LinkListener::~LinkListener() {
    while (!connections_.empty()) Close(connections_.begin()->first);
    // The file goes while the socket still answers: a game starting meanwhile
    // finds either this one or no file, never a file it would take for stale.
    if (listen_.valid()) ::unlink(path_.c_str());
}

LinkListener::Outcome LinkListener::Listen(const std::string& path, std::string* why) {
    auto fail = [why, &path](const std::string& reason) {
        if (why) *why = path + ": " + reason;
        return Outcome::Failed;
    };
    if (listen_.valid()) return fail("already listening");
    sockaddr_un address;
    if (!SocketAddress(path, address)) return fail("the path is too long");
    // Until this game listens or gives up, the other games wait: the probe,
    // the removal of a stale file and the bind are one step.
    const qx::OwnedFd turn = TakeTurn(path);
    if (!turn.valid()) return fail(qx::ErrnoText(errno).Bytes());
    if (OwnSocketFile(path)) {
        if (Answers(address)) return Outcome::AnotherGame;
        // Nobody answers: a socket file left behind by a game that was killed.
        ::unlink(path.c_str());
    }
    qx::OwnedFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.valid()) return fail(qx::ErrnoText(errno).Bytes());
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(fd.get(), 16) != 0)
        return fail(qx::ErrnoText(errno).Bytes());
    qx::OwnedFd poll(::epoll_create1(EPOLL_CLOEXEC));
    qx::OwnedFd timer(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC));
    if (!poll.valid() || !timer.valid() || !Watch(poll.get(), fd.get()) || !Watch(poll.get(), timer.get())) {
        const int err = errno;
        ::unlink(path.c_str());
        return fail(qx::ErrnoText(err).Bytes());
    }
    poll_ = std::move(poll);
    listen_ = std::move(fd);
    timer_ = std::move(timer);
    path_ = path;
    return Outcome::Listening;
}

std::vector<std::string> LinkListener::Service() {
    std::vector<std::string> lines;
    if (!poll_.valid()) return lines;
    epoll_event events[32];
    const int n = ::epoll_wait(poll_.get(), events, 32, 0);
    for (int i = 0; i < n; ++i) {
        const int fd = events[i].data.fd;
        if (fd == listen_.get()) {
            Accept();
        } else if (fd == timer_.get()) {
            std::uint64_t expirations;
            while (::read(timer_.get(), &expirations, sizeof expirations) > 0) {
            }
        } else if (auto c = connections_.find(fd); c != connections_.end()) {
            if (Read(fd, c->second, lines)) Close(fd);
        }
    }
    const auto now = std::chrono::steady_clock::now();
    for (auto c = connections_.begin(); c != connections_.end();) {
        const int fd = c->first;
        ++c;
        if (connections_.at(fd).deadline <= now) Close(fd);
    }
    ArmTimer();
    return lines;
}

void LinkListener::Accept() {
    for (;;) {
        const int fd = ::accept4(listen_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        // Only the player's own programs hand links over.
        if (connections_.size() >= kMaxLinkConnections || peerUser_(fd) != ::geteuid()) {
            ::close(fd);
            continue;
        }
        epoll_event e{};
        e.events = EPOLLIN | EPOLLRDHUP;
        e.data.fd = fd;
        if (::epoll_ctl(poll_.get(), EPOLL_CTL_ADD, fd, &e) != 0) {
            ::close(fd);
            continue;
        }
        connections_[fd] = {{}, std::chrono::steady_clock::now() + silenceLimit_};
        // A fresh socket has room for one byte; a peer gone already is read as such.
        (void)::send(fd, &kLinkGreeting, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
}

bool LinkListener::Read(int fd, Connection& c, std::vector<std::string>& lines) {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno != EAGAIN && errno != EWOULDBLOCK;
        if (n == 0) return true;  // ended without a whole line
        c.line.append(buffer, static_cast<std::size_t>(n));
        const auto end = c.line.find('\n');
        if (end != std::string::npos && end < kMaxLinkLine) {
            std::string line = c.line.substr(0, end);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            return true;
        }
        if (c.line.size() >= kMaxLinkLine) return true;
    }
}

void LinkListener::Close(int fd) {
    ::epoll_ctl(poll_.get(), EPOLL_CTL_DEL, fd, nullptr);
    ::close(fd);
    connections_.erase(fd);
}

void LinkListener::ArmTimer() {
    itimerspec when{};
    if (!connections_.empty()) {
        auto earliest = connections_.begin()->second.deadline;
        for (const auto& [fd, c] : connections_) earliest = std::min(earliest, c.deadline);
        const auto left = std::max(std::chrono::nanoseconds(1),
                                   std::chrono::nanoseconds(earliest - std::chrono::steady_clock::now()));
        when.it_value.tv_sec = static_cast<time_t>(left.count() / 1000000000);
        when.it_value.tv_nsec = static_cast<long>(left.count() % 1000000000);
    }
    ::timerfd_settime(timer_.get(), 0, &when, nullptr);
}

}  // namespace quorvex
