// The transport's line framing fed arbitrary chunks through a socket pair,
// compared with a plain model of the framing: a line ends at LF, one CR
// before it is dropped, a line whose bytes before the LF exceed the maximum
// is reported once as too long and skipped, an unfinished line at the close
// is dropped. The input buffer never holds more than the maximum line length
// plus one receive.
#include "fuzz_support.h"

#include "core/net/transport/lineconnection.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sys/socket.h>
#include <unistd.h>

#include <vector>

using namespace quorvex;

namespace {


struct Event {
    bool tooLong;
    std::string line;
    bool operator==(const Event&) const = default;
};

std::vector<Event> Model(const std::string& bytes, std::size_t maxLength) {
    std::vector<Event> events;
    std::size_t start = 0;
    for (std::size_t lf = bytes.find('\n'); lf != std::string::npos; lf = bytes.find('\n', start)) {
        std::string content = bytes.substr(start, lf - start);
        if (content.size() > maxLength) {
            events.push_back({true, {}});
        } else {
            if (!content.empty() && content.back() == '\r') content.pop_back();
            events.push_back({false, content});
        }
        start = lf + 1;
    }
    if (bytes.size() - start > maxLength) events.push_back({true, {}});
    return events;
}

void SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        FUZZ_CHECK(n > 0);
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    // Small limits reach the too-long paths with small inputs.
    const std::uint8_t limitChoice = fdp.ConsumeIntegral<std::uint8_t>();
    const std::size_t maxLength = limitChoice < 192 ? std::size_t{limitChoice} + 1 : kMaxLineLength;
    const bool closeAtEnd = fdp.ConsumeBool();

    int fds[2];
    FUZZ_CHECK(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) == 0);
    LineConnection conn(fds[0]);
    int noticed = 0;
    conn.SetDisconnectNotice([&] { ++noticed; });

    std::vector<Event> got;
    auto drain = [&] {
        for (;;) {
            try {
                std::string line = conn.ReadLn(0, maxLength);
                FUZZ_CHECK(conn.BufferedBytes() <= maxLength + kReceiveSize);
                if (conn.ReadLnTimedOut()) return;
                FUZZ_CHECK(line.find('\n') == std::string::npos && line.size() <= maxLength);
                got.push_back({false, std::move(line)});
            } catch (const LineTooLongError&) {
                got.push_back({true, {}});
            }
        }
    };

    std::string sent;
    while (fdp.remaining_bytes() > 0) {
        const std::size_t chunkSize = fdp.ConsumeIntegralInRange<std::size_t>(1, 65536);
        const std::string chunk = fdp.ConsumeBytesAsString(chunkSize);
        SendAll(fds[1], chunk);
        sent += chunk;
        drain();
    }
    if (closeAtEnd) {
        ::shutdown(fds[1], SHUT_WR);
        bool closedSeen = false;
        for (int i = 0; i < 4 && !closedSeen; ++i) {
            try {
                drain();
            } catch (const ConnectionClosedError&) {
                closedSeen = true;
            }
        }
        FUZZ_CHECK(closedSeen);
        FUZZ_CHECK(!conn.Connected() && noticed == 1);
    }
    ::close(fds[1]);
    const std::vector<Event> expected = Model(sent, maxLength);
    if (got != expected) {
        auto dump = [](const char* what, const std::vector<Event>& events) {
            std::fprintf(stderr, "%s:\n", what);
            for (const Event& e : events)
                std::fprintf(stderr, "  %s\n", e.tooLong ? "<too long>" : ("\"" + e.line + "\"").c_str());
        };
        std::fprintf(stderr, "limit %zu, close %d\n", maxLength, closeAtEnd ? 1 : 0);
        dump("read", got);
        dump("expected", expected);
    }
    FUZZ_CHECK(got == expected);
    return 0;
}
