#include "ui/net/hostlog.h"

#include "ui/net/nettexts.h"
#include "ui/platform/ansi.h"

#include <QCoreApplication>

namespace quorvex {

QString RouterFailureText(const RouterFailure& f) {
    using K = RouterFailureKind;
    const QString port = QString::number(f.port);
    const QString code = QString::number(f.code);
    switch (f.kind) {
        case K::None: return {};
        case K::Late: return QCoreApplication::translate("HostLog", "the router did not answer in time");
        case K::NoRouter: return QCoreApplication::translate("HostLog", "no router answered");
        case K::NoGatewayAnswer:
            //: Answers came only from machines other than the default gateway.
            return QCoreApplication::translate("HostLog", "no answer from the default gateway");
        case K::LibrariesMissing:
            //: %1 is the system's message naming the library that could not be loaded.
            return QCoreApplication::translate("HostLog", "the router could not be asked (%1)")
                .arg(qx::FromSystem(qx::SystemText(f.detail)));
        case K::DescriptionUnreadable:
            return QCoreApplication::translate("HostLog", "the router's description could not be read");
        case K::DescriptionElsewhere:
            return QCoreApplication::translate("HostLog",
                                               "the router's description names another address for its port mapping");
        case K::NoPortMapping: return QCoreApplication::translate("HostLog", "the router offers no port mapping");
        case K::NotOnline: return QCoreApplication::translate("HostLog", "the router is not connected to the internet");
        case K::PortInUse:
            //: %1 is the port.
            return QCoreApplication::translate("HostLog", "the router refused port %1: it is in use").arg(port);
        case K::PortNotAllowed:
            //: %1 is the port.
            return QCoreApplication::translate("HostLog", "the router refused port %1: not allowed").arg(port);
        case K::NoFreeMappings:
            //: %1 is the port.
            return QCoreApplication::translate("HostLog", "the router refused port %1: it has no free mappings")
                .arg(port);
        case K::UpnpRefused:
            //: %1 is the port, %2 the router's error number.
            return QCoreApplication::translate("HostLog", "the router refused port %1 (UPnP error %2)").arg(port, code);
        case K::NatPmpRefused:
            //: %1 is the port, %2 the router's error number.
            return QCoreApplication::translate("HostLog", "the router refused port %1 (NAT-PMP error %2)")
                .arg(port, code);
        case K::RemovalRefused:
            //: The router kept the port open; %1 is its error number.
            return QCoreApplication::translate("HostLog", "the router refused it (UPnP error %1)").arg(code);
    }
    return {};
}

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
            if (text.isEmpty()) return QCoreApplication::translate("HostLog", "Router: port %1 open for IPv6").arg(port);
            //: %1 is the port, %2 why the router refused the port for IPv4.
            return QCoreApplication::translate("HostLog", "Router: port %1 open for IPv6, not for IPv4 (%2)")
                .arg(QString::number(port), text);
        case HostState::Renamed:
            //: The name was taken on the local network; %1 is the name the game got instead.
            return QCoreApplication::translate("HostLog", "Game announced as %1").arg(text);
        case HostState::NotTheGateway:
            //: %1 is the address of the machine whose answer was not believed.
            return QCoreApplication::translate("HostLog", "Router: answer from %1 ignored (not the default gateway)")
                .arg(text);
        case HostState::LocationElsewhere:
            //: %1 is the address of the machine whose answer was not believed.
            return QCoreApplication::translate("HostLog",
                                               "Router: answer from %1 ignored (its description is at another address)")
                .arg(text);
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
    // The announced name comes from Avahi in UTF-8; every other text is the core's 8-bit text.
    const QString text = o.state == HostState::Renamed ? qx::ShownUnicode(QString::fromUtf8(o.text.c_str()))
                         : o.why.Failed()                ? RouterFailureText(o.why)
                                                         : qx::ShownText(o.text);
    const QString line = Line(o.state, o.port, text, o.pinhole);
    return line.isEmpty() ? line : NoticeText(line);
}

}  // namespace quorvex
