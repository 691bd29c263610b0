#include "core/net/protocol/messages.h"

#include <cstdio>

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
    {"[900]", MessageKind::Restart, kRestartLine}, {"[300]", MessageKind::Resume, nullptr},
};

constexpr const char kResumeKnown[] = "[300] Resume ";
constexpr const char kResumeNew[] = "[300] New";

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
        case MessageKind::Text:
        case MessageKind::Resume: return m.line;
        case MessageKind::Victim: return "[100] [" + std::to_string(m.cell) + "] Victim";
        case MessageKind::Dragon: return "[200] [" + std::to_string(m.cell) + "] Dragon";
        default: break;
    }
    for (const Code& c : kCodes)
        if (c.kind == m.kind) return c.line;
    return {};
}

std::string ResumeLine(const ResumeNote& note) {
    if (!note.known) return kResumeNew;
    return kResumeKnown + std::to_string(note.restarts) + " " + std::to_string(note.results) + " " +
           std::to_string(note.positions);
}

std::optional<ResumeNote> ParseResume(const std::string& line) {
    if (line == kResumeNew) return ResumeNote{};
    const std::string prefix = kResumeKnown;
    if (line.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    ResumeNote note{true};
    char tail = 0;
    // Exactly three numbers, nothing after them; counts that no game reaches are no note.
    if (std::sscanf(line.c_str() + prefix.size(), "%6d %6d %2d%c", &note.restarts, &note.results, &note.positions,
                    &tail) != 3)
        return std::nullopt;
    if (note.restarts < 0 || note.results < 0 || note.positions < 0) return std::nullopt;
    if (note.positions > 10) return std::nullopt;
    return note;
}

std::string ChatLine(const std::string& nick, const std::string& text) { return "<" + nick + "> " + text; }

std::string Notice(const std::string& text) { return std::string("[") + kRaquo + " " + text + " " + kLaquo + "]"; }

std::string ServerLine(const std::string& serverName) { return Notice(serverName); }

std::string WelcomeLine(const std::string& nick) { return "[server] Welcome, " + nick; }

}  // namespace quorvex
