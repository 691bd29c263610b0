// The host window's log lines for its HostService's outcomes, translated in
// the context "HostLog".
#pragma once

#include "core/net/hostservice.h"

#include <QString>

namespace quorvex {

// "[» Server active «]", "[» Router: port 9999 open at ... «]", ...; empty for
// an outcome the log does not show (Announced: the window keeps the name).
QString HostLogLine(const HostOutcome& outcome);

// Why the router opened or removed nothing, as the log's parentheses say it:
// "no router answered", "the router refused port 9999: it is in use", ...;
// empty when nothing failed.
QString RouterFailureText(const RouterFailure& failure);

}  // namespace quorvex
