#include "ui/net/hostlog.h"

#include "core/net/protocol/messages.h"
#include "ui/platform/ansi.h"

#include <QString>

namespace quorvex {

std::string HostLogLine(const HostOutcome& o) {
    const std::string router = "Router: port " + std::to_string(o.port);
    switch (o.state) {
        case HostState::Listening: return Notice("Server active");
        case HostState::Closed: return Notice("Server closed");
        case HostState::Withdrawn: return Notice("Server not listening, game no longer announced");
        case HostState::Announced: return {};
        case HostState::Mapped:
            return Notice(router + " open" + (o.text.empty() ? "" : " at " + o.text) + (o.pinhole ? " and for IPv6" : ""));
        case HostState::PinholeOpen:
            return Notice(router + " open for IPv6" + (o.text.empty() ? "" : ", not for IPv4 (" + o.text + ")"));
        case HostState::Renamed: return Notice("Game announced as " + qx::ToAnsi(QString::fromUtf8(o.text)));
        case HostState::NotTheGateway:
            return Notice("Router: answer from " + o.text + " ignored (not the default gateway)");
        case HostState::LocationElsewhere:
            return Notice("Router: answer from " + o.text + " ignored (its description is at another address)");
        case HostState::Refused: return Notice("Router: no port opened (" + o.text + ")");
        case HostState::RouterClosed: return Notice(router + " closed");
        case HostState::NotClosed: return Notice(router + " not closed (" + o.text + ")");
    }
    return {};
}

}  // namespace quorvex
