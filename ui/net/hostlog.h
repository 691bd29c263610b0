// The host window's log lines for its HostService's outcomes.
#pragma once

#include "core/net/hostservice.h"

#include <string>

namespace quorvex {

// "[» Server active «]", "[» Router: port 9999 open at ... «]", ...; empty for
// an outcome the log does not show (Announced: the window keeps the name).
std::string HostLogLine(const HostOutcome& outcome);

}  // namespace quorvex
