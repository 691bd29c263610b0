// One line over loopback and back through the game's transport: a LineServer
// whose connection thread wakes for input and echoes every line it reads
// (5 ms reads, as the host window does), and a LineClient that writes a line
// and reads until the echo is there (5 ms reads, as the client window does).
//
// Usage: bench_transport [round trips] [warm-up round trips]
// Prints: rtt_us median=<m> p10=<a> p90=<b> n=<n>
#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/transport/lineserver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

using quorvex::ConnectionPtr;
using quorvex::LineClient;
using quorvex::LineServer;

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int warmup = argc > 2 ? std::atoi(argv[2]) : 500;
    if (count < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: bench_transport [round trips] [warm-up]\n");
        return 2;
    }
    // The same line as the C baseline, without the CR LF that WriteLn adds.
    const std::string line = "CHAT:Remote Victim: are you still there?";
    try {
        LineServer server;
        server.SetDefaultPort(0);
        server.SetExecuteOnInput(true);  // as the host window runs it
        server.OnExecute = [](const ConnectionPtr& conn) {
            std::string text = conn->ReadLn(5);
            if (!conn->ReadLnTimedOut()) conn->WriteLn(text);
        };
        server.SetActive(true);

        LineClient client;
        client.SetHost("127.0.0.1");
        client.SetPort(server.BoundPort());
        client.Connect(10000);

        std::vector<double> rtt;
        rtt.reserve(static_cast<std::size_t>(count));
        using Clock = std::chrono::steady_clock;
        for (int i = 0; i < warmup + count; ++i) {
            const auto t0 = Clock::now();
            client.WriteLn(line);
            std::string echo;
            do {
                echo = client.ReadLn(5);
            } while (client.ReadLnTimedOut());
            const auto t1 = Clock::now();
            if (echo != line) {
                std::fprintf(stderr, "echo differs\n");
                return 1;
            }
            if (i >= warmup) rtt.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
        client.Disconnect();
        server.SetActive(false);

        std::sort(rtt.begin(), rtt.end());
        std::printf("rtt_us median=%.2f p10=%.2f p90=%.2f n=%d\n", rtt[rtt.size() / 2], rtt[rtt.size() / 10],
                    rtt[rtt.size() * 9 / 10], count);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_transport: %s\n", e.what());
        return 1;
    }
    return 0;
}
