// The protocol's parser fed arbitrary lines: a message is known by its first
// five characters alone, a position's cell is 26..50 or -1, and every message
// the parser recognises goes out as a line that parses back into it.
#include "fuzz_support.h"

#include "core/net/protocol/messages.h"

#include <cstdint>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const Message m = ParseLine(line);
    FUZZ_CHECK(m.line == line);
    FUZZ_CHECK((m.kind == MessageKind::None) == line.empty());
    const bool position = m.kind == MessageKind::Victim || m.kind == MessageKind::Dragon;
    FUZZ_CHECK(position ? m.cell == -1 || (m.cell >= 26 && m.cell <= 50) : m.cell == -1);
    if (m.kind == MessageKind::Text) {
        FUZZ_CHECK(FormatLine(m) == line);
        return 0;
    }
    // Positions without a cell are only ever received, never sent.
    if (m.kind == MessageKind::None || (position && m.cell < 0)) return 0;
    const std::string out = FormatLine(m);
    FUZZ_CHECK(out.compare(0, 5, line, 0, 5) == 0);
    const Message back = ParseLine(out);
    FUZZ_CHECK(back.kind == m.kind && back.cell == m.cell);
    return 0;
}
