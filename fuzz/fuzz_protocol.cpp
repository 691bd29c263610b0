// HandleLine of the host side and of the client side fed arbitrary line
// sequences: through ReadPass on a scripted channel, mixed with the window's
// own actions (placing, marking, sending the battlefield, bombing, restart).
//
// Input: lines separated by LF. The first line picks the side ("H" host,
// anything else client, whose handshake then reads the first lines). Lines
// that begin with byte 1 are actions, every other line arrives from the peer:
//   \1P<nn>  click own cell nn        \1M<nn>  click bomb-field cell nn
//   \1S      send the battlefield     \1B      bomb          \1R  restart
//   \1L      a line too long for the transport
//   \1H<d><text>  a huge line: text repeated to about d * 4096 bytes
#include "fuzz_support.h"

#include "core/net/protocol/lineprotocol.h"

#include <deque>
#include <optional>

using namespace quorvex;

namespace {

// A connection whose received lines are handed in by the harness.
class ScriptedChannel : public LineChannel {
public:
    std::deque<std::optional<std::string>> incoming;  // nullopt: too long
    std::vector<std::string> written;
    bool open = true;

    void WriteLn(const std::string& text) override {
        if (!open) throw ConnectionClosedError(kNotConnected);
        written.push_back(text);
    }
    std::string ReadLn(int, std::size_t) override {
        timedOut_ = incoming.empty();
        if (timedOut_) {
            if (!open) throw ConnectionClosedError(kClosedGracefully);
            return {};
        }
        std::optional<std::string> next = std::move(incoming.front());
        incoming.pop_front();
        if (!next) throw LineTooLongError(kLineTooLong);
        return *next;
    }
    bool ReadLnTimedOut() const override { return timedOut_; }
    bool Connected() const override { return open; }

private:
    bool timedOut_ = false;
};

struct CountingView : ProtocolView {
    std::size_t logs = 0, resets = 0;
    void AppendLog(const std::string&) override { ++logs; }
    void AppendNote(const GameNote&) override { ++logs; }
    void SetStatus(GameStatus) override {}
    void SetBattlefieldResult(BombResult) override {}
    void SetBombResult(BombResult) override {}
    void ResetGameView() override { ++resets; }
};

int TwoDigits(const std::string& s, std::size_t at) {
    if (s.size() < at + 2) return -1;
    const char a = s[at], b = s[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

bool IsPositionLine(const std::string& line) {
    const std::string code = line.substr(0, 5);
    return code == "[100]" || code == "[200]";
}

void CheckState(const NetGameState& state) {
    auto lock = state.Lock();
    FUZZ_CHECK(state.nextVictimSlot >= 1 && state.nextVictimSlot <= kFiguresPerKind + 1);
    FUZZ_CHECK(state.nextDragonSlot >= 1 && state.nextDragonSlot <= kFiguresPerKind + 1);
    const int stored = state.nextVictimSlot - 1 + state.nextDragonSlot - 1;
    if (state.receivedCount == 11)
        FUZZ_CHECK(stored == 10);
    else
        FUZZ_CHECK(state.receivedCount == stored && stored < 10);
    for (int k = 0; k < state.nextVictimSlot - 1; ++k)
        FUZZ_CHECK(state.opponentCells[k] >= 1 && state.opponentCells[k] <= kBombFieldCells);
    for (int k = 0; k < state.nextDragonSlot - 1; ++k)
        FUZZ_CHECK(state.opponentCells[kFiguresPerKind + k] >= 1 &&
                   state.opponentCells[kFiguresPerKind + k] <= kBombFieldCells);
    int marks = 0;
    for (bool m : state.bombMarks) marks += m ? 1 : 0;
    FUZZ_CHECK(marks == state.bombMarkCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    {
        const std::string text(reinterpret_cast<const char*>(data), size);
        std::size_t start = 0;
        for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
            lines.push_back(text.substr(start, lf - start));
            start = lf + 1;
        }
        lines.push_back(text.substr(start));
    }
    const NetSide side = !lines.empty() && lines[0] == "H" ? NetSide::Host : NetSide::Client;

    NetGameState state;
    CountingView view;
    ScriptedChannel channel;
    LineProtocol protocol(side, state, view);
    std::size_t cursor = 1;
    std::size_t positionLines = 0;  // each is confirmed, stored or not
    std::size_t restarts = 0;

    // The next peer line into the channel, or the close when none is left.
    auto arrive = [&]() -> bool {
        while (cursor < lines.size()) {
            const std::string& line = lines[cursor++];
            if (line.size() >= 2 && line[0] == '\x01' && line[1] == 'L') {
                channel.incoming.push_back(std::nullopt);
                return true;
            }
            if (line.size() >= 3 && line[0] == '\x01' && line[1] == 'H') {
                const std::string piece = line.size() > 3 ? line.substr(3) : std::string("x");
                const std::size_t target = static_cast<std::size_t>(line[2] & 0x0F) * 4096;
                std::string huge;
                while (huge.size() < target) huge += piece;
                channel.incoming.push_back(std::move(huge));
                return true;
            }
            if (!line.empty() && line[0] == '\x01') continue;  // actions are not lines
            channel.incoming.push_back(line);
            return true;
        }
        channel.open = false;
        return false;
    };
    auto readPass = [&] {
        if (!channel.incoming.empty() && channel.incoming.front() && IsPositionLine(*channel.incoming.front()))
            ++positionLines;
        if (!channel.incoming.empty() && channel.incoming.front() && side == NetSide::Client &&
            channel.incoming.front()->substr(0, 5) == "[900]")
            ++restarts;
        try {
            protocol.ReadPass(channel);
        } catch (const ConnectionClosedError&) {
        }
        CheckState(state);
    };
    const auto wait = [&](int) {
        if (arrive()) readPass();
    };

    if (side == NetSide::Client) {
        try {
            protocol.ClientHandshake(channel, "Remote Victim", [&](int) { arrive(); });
        } catch (const NetError&) {
            // Closed, or a nickname too long for the transport: the connect fails.
            return 0;
        }
    }

    while (cursor < lines.size()) {
        const std::string line = lines[cursor];
        if (line.size() < 2 || line[0] != '\x01' || line[1] == 'L' || line[1] == 'H') {
            arrive();
            readPass();
            continue;
        }
        ++cursor;
        switch (line[1]) {
            case 'P': {
                const int cell = TwoDigits(line, 2);
                if (cell >= kFirstOwnCell && cell <= kLastOwnCell) CycleOwnCell(state, cell);
                break;
            }
            case 'M': {
                const int cell = TwoDigits(line, 2);
                if (cell >= 1 && cell <= kBombFieldCells) ToggleBombMark(state, cell);
                break;
            }
            case 'S': {
                const std::size_t before = channel.written.size();
                protocol.SendPositions(&channel, wait);
                for (std::size_t i = before; i < channel.written.size(); ++i) {
                    const std::string& out = channel.written[i];
                    if (out == kConfirmLine) continue;
                    FUZZ_CHECK(IsPositionLine(out));
                    const int cell = TwoDigits(out, 7);
                    FUZZ_CHECK(cell >= kFirstOwnCell && cell <= kLastOwnCell);
                }
                break;
            }
            case 'B': {
                const BombOutcome r = protocol.Bomb(&channel);
                FUZZ_CHECK(r.figures.size() <= 10 && r.victimHits <= 5 && r.dragonHits <= 5);
                for (const OpponentFigure& f : r.figures) FUZZ_CHECK(f.cell >= 1 && f.cell <= kBombFieldCells);
                break;
            }
            case 'R':
                if (side == NetSide::Host) {
                    protocol.Restart(&channel);
                    ++restarts;
                }
                break;
            default:
                break;
        }
        CheckState(state);
    }

    // Every position line got its confirmation while the connection was open,
    // and only the client restarts on "[900]".
    std::size_t confirmations = 0;
    for (const std::string& out : channel.written) confirmations += out == kConfirmLine ? 1 : 0;
    FUZZ_CHECK(confirmations == positionLines);
    FUZZ_CHECK(view.resets == restarts);
    return 0;
}
