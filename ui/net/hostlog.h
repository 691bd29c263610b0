// The host window's log lines for its HostService's outcomes, translated in
// the context "HostLog".
#pragma once

#include "core/net/hostservice.h"

#include <QString>

namespace quorvex {

// "[» Server active «]", "[» Router: port 9999 open at ... «]", ...; empty for
// an outcome the log does not show (Announced: the window keeps the name).
QString HostLogLine(const HostOutcome& outcome);

}  // namespace quorvex
