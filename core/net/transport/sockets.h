// What the transport's classes share of the operating system's sockets: the
// clock of their waits, error texts, addresses as text.
#pragma once

#include "core/net/transport/linechannel.h"
#include "core/platform/systemtext.h"

#include <chrono>
#include <string>
#include <sys/socket.h>

namespace quorvex::sock {

using Clock = std::chrono::steady_clock;
using Address = sockaddr_storage;

// Takes the pending wake-ups of an eventfd, so the next poll sleeps again.
void DrainWake(int fd);
// "what: the system's text for err."
qx::SystemText Describe(const qx::SystemText& what, int err);
qx::SystemText Describe(const char* what, int err);
// Milliseconds left until the deadline, rounded up (so a wait never ends
// just short of it and spins), at least 0.
int MsLeft(Clock::time_point deadline);
// The peer closed, reset or lost the connection.
bool IsPeerGone(int err);
// The system has no IPv6 (or none that can listen): IPv4 alone will do.
bool NoIPv6(int err);
// "127.0.0.1:4711", "[2001:db8::1]:4711"; an IPv4 client of a dual-stack
// socket (::ffff:127.0.0.1) shows as plain IPv4.
std::string AddressText(const sockaddr* a);
// The host part alone, as the system writes it: "192.0.2.1", "2001:db8::1";
// "" for a family other than IPv4 and IPv6.
std::string HostText(const sockaddr* a);
socklen_t AddressLength(const Address& a);
// Names the calling thread for tools that list a process's threads.
void NameThread(const char* name);
// Every write is a whole line and the game waits for replies line by line.
void SetNoDelay(int fd);
// Keep-alive probes and the user time-out of a connected socket.
void SetLiveness(int fd, const LineLiveness& liveness);

}  // namespace quorvex::sock
