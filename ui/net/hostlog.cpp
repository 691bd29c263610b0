#include "ui/net/hostlog.h"

#include "ui/net/nettexts.h"
#include "ui/platform/ansi.h"

#include <QCoreApplication>

namespace quorvex {

namespace {

QString Line(HostState state, int port, const QString& text, bool pinhole) {
    switch (state) {
        case HostState::Listening: return QCoreApplication::translate("HostLog", "Server active");
        case HostState::Closed: return QCoreApplication::translate("HostLog", "Server closed");
        case HostState::Withdrawn:
            return QCoreApplication::translate("HostLog", "Server not listening, game no longer announced");
        case HostState::Announced: return {};
        case HostState::Mapped:
            if (text.isEmpty())
                return pinhole ? QCoreApplication::translate("HostLog", "Router: port %1 open and for IPv6").arg(port)
                               : QCoreApplication::translate("HostLog", "Router: port %1 open").arg(port);
            //: %1 is the port, %2 the router's address on the internet.
            return (pinhole ? QCoreApplication::translate("HostLog", "Router: port %1 open at %2 and for IPv6")
                            : QCoreApplication::translate("HostLog", "Router: port %1 open at %2"))
                .arg(QString::number(port), text);
        case HostState::PinholeOpen:
            return QCoreApplication::translate("HostLog", "Router: port %1 open for IPv6").arg(port);
        case HostState::Refused:
            //: %1 is why the router opened nothing.
            return QCoreApplication::translate("HostLog", "Router: no port opened (%1)").arg(text);
        case HostState::RouterClosed: return QCoreApplication::translate("HostLog", "Router: port %1 closed").arg(port);
        case HostState::NotClosed:
            //: %1 is the port, %2 why the router kept it open.
            return QCoreApplication::translate("HostLog", "Router: port %1 not closed (%2)")
                .arg(QString::number(port), text);
    }
    return {};
}

}  // namespace

QString HostLogLine(const HostOutcome& o) {
    const QString line = Line(o.state, o.port, qx::ShownText(o.text), o.pinhole);
    return line.isEmpty() ? line : NoticeText(line);
}

}  // namespace quorvex
