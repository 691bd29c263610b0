#include "core/net/protocol/messages.h"

namespace quorvex {

namespace {

int PositionCell(const std::string& line) {
    if (line.size() < 9) return -1;
    const char hi = line[7], lo = line[8];
    if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return -1;
    const int cell = (hi - '0') * 10 + (lo - '0');
    return cell >= kFirstOwnCell && cell <= kLastOwnCell ? cell : -1;
}

struct Code {
    const char* code;
    MessageKind kind;
    const char* line;  // what the message goes out as; positions add their cell
};
constexpr Code kCodes[] = {
    {"[100]", MessageKind::Victim, nullptr},   {"[200]", MessageKind::Dragon, nullptr},
    {"[500]", MessageKind::Confirm, kConfirmLine}, {"[700]", MessageKind::YouLost, "[700] You lost"},
    {"[701]", MessageKind::YouWon, "[701] You won"}, {"[702]", MessageKind::Draw, "[702] Draw"},
    {"[900]", MessageKind::Restart, kRestartLine},
};

}  // namespace

Message ParseLine(const std::string& line) {
    Message m;
    m.line = line;
    if (line.empty()) return m;
    m.kind = MessageKind::Text;
    const std::string code = line.substr(0, 5);
    for (const Code& c : kCodes)
        if (code == c.code) m.kind = c.kind;
    if (m.kind == MessageKind::Victim || m.kind == MessageKind::Dragon) m.cell = PositionCell(line);
    return m;
}

std::string FormatLine(const Message& m) {
    switch (m.kind) {
        case MessageKind::None: return {};
        case MessageKind::Text: return m.line;
        case MessageKind::Victim: return "[100] [" + std::to_string(m.cell) + "] Victim";
        case MessageKind::Dragon: return "[200] [" + std::to_string(m.cell) + "] Dragon";
        default: break;
    }
    for (const Code& c : kCodes)
        if (c.kind == m.kind) return c.line;
    return {};
}

std::string ChatLine(const std::string& nick, const std::string& text) { return "<" + nick + "> " + text; }

std::string Notice(const std::string& text) { return std::string("[") + kRaquo + " " + text + " " + kLaquo + "]"; }

std::string ServerLine(const std::string& serverName) { return Notice(serverName); }

std::string WelcomeLine(const std::string& nick) { return "[server] Welcome, " + nick; }

}  // namespace quorvex
