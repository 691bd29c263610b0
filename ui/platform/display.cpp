#include "ui/platform/display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace qx {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
std::string g_instead;
std::vector<HeldMessage> g_held;

// The first line of a message, without the space some end with.
QByteArray FirstLine(const QString& text) {
    return text.section(QLatin1Char('\n'), 0, 0).trimmed().toLocal8Bit();
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        g_held.push_back({type, QByteArray(context.category ? context.category : ""), text});
        return;
    }
    // The platform plugin's warning names the cause ("could not connect to
    // display"); the fatal message only says that no plugin could start.
    QByteArray reason = FirstLine(text);
    for (const HeldMessage& m : g_held)
        if (m.category.startsWith("qt.qpa") && m.type != QtDebugMsg) {
            reason = FirstLine(m.text);
            break;
        }
    const std::string line = "quorvex: " + (g_instead.empty() ? reason.toStdString() : g_instead) + "\n";
    // Nothing of the half-made application may run now: no exit handlers.
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.data(), line.size());
    ::_exit(1);
}

}  // namespace

DisplayOrExit::DisplayOrExit(std::string instead) {
    g_instead = std::move(instead);
    g_previous = qInstallMessageHandler(Hold);
}

DisplayOrExit::~DisplayOrExit() {
    qInstallMessageHandler(g_previous);
    for (const HeldMessage& m : g_held) {
        const QByteArray category = m.category;
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(m.type, context, m.text);
    }
    g_held.clear();
}

}  // namespace qx
