// The line-oriented TCP transport beneath the two-player game: a connection
// that sends and receives CR LF terminated lines, a server that serves one
// client at a time on its own thread, and a client that connects with a
// time-out while its window keeps processing events.
//
// Plain POSIX sockets over IPv6 and IPv4; the core knows nothing of the
// windowing toolkit, the client window hands in an "idle hook" that processes
// its events.
//
// No thread ever waits on the peer to write: a line that the socket does not
// take at once is queued (bounded) and sent by whoever next waits on the
// connection - the server's connection thread, or the client's reads. A peer
// that takes none of the queued bytes for the stall time is treated as gone.
// A peer that falls silent altogether is found out by TCP itself (keep-alive
// probes, a user time-out: LineLiveness) and ends the connection like a reset.
#pragma once

#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/transport/lineserver.h"
