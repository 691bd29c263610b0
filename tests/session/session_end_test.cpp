// The real game, started as a program of its own in a fresh program folder,
// asked to stop by a signal: it closes as the player would close it and writes
// the run's statistics, and prints nothing. Runs on whatever platform the test
// command chose (offscreen, or Wayland under weston).
#include "core/platform/installation.h"
#include "support/tempdir.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Where the game's standard output goes: a file to read, a full disk, nowhere.
enum class Output { File, Full, Closed };

class SessionEnd : public ::testing::Test {
protected:
    void SetUp() override {
        // The program folder is the folder of the executable: give it one of its own.
        fs::copy_file(QUORVEX_PROGRAM, program.File("quorvex"));
        fs::permissions(program.File("quorvex"), fs::perms::owner_all);
    }

    // Starts the game with its output going to files; returns its process id.
    // Without a display it has neither the platform's variables nor the test's.
    pid_t Launch(const std::string& executable = {}, const char* dataHome = nullptr,
                 std::vector<std::string> arguments = {}, bool display = true, Output output = Output::File) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::chdir(program.Folder().c_str()) != 0) ::_exit(126);
            std::freopen(output == Output::Full ? "/dev/full" : program.File("stdout.txt").c_str(), "w", stdout);
            if (output == Output::Closed) ::close(STDOUT_FILENO);
            std::freopen(program.File("stderr.txt").c_str(), "w", stderr);
            // A runtime folder of its own unless the compositor's is given.
            if (!std::getenv("XDG_RUNTIME_DIR")) ::setenv("XDG_RUNTIME_DIR", runtime.Folder().c_str(), 1);
            if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            if (!display)
                for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
            if (dataHome) ::setenv("XDG_DATA_HOME", dataHome, 1);
            std::string path = executable.empty() ? program.File("quorvex") : executable;
            std::vector<char*> argv{path.data()};
            for (std::string& a : arguments) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(path.c_str(), argv.data());
            ::_exit(127);
        }
        return pid;
    }

    // Settings without the splash screen and the fade-in, for a case that
    // opens a game link: the link waits for both, a second and more.
    void WithoutStartUpShow() {
        std::ofstream(program.File("setup.ini"), std::ios::binary) << "[Einstellungen]\r\nSplash=nein\r\nFade=nein\r\n";
    }

    qxtest::TempDir program;
    qxtest::TempDir runtime;
};

class SessionEndBy : public SessionEnd, public ::testing::WithParamInterface<int> {};

TEST_P(SessionEndBy, ASignalClosesTheGameAndTheStatisticsAreWritten) {
    const int sig = GetParam();
    const pid_t pid = Launch();
    ASSERT_GT(pid, 0);
    // The settings file appears once start-up has run, and the handlers are in place before it.
    ASSERT_TRUE(qxtest::WaitUntil([&] { return fs::exists(program.File("setup.ini")); }));
    ASSERT_EQ(::kill(pid, sig), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const std::string stat = ReadAll(program.File("Quorvex.stat"));
    EXPECT_EQ(stat.size(), 36u * 162u);  // 36 lines of 160 digits and CR LF
    EXPECT_EQ(stat.find_first_not_of("01\r\n"), std::string::npos);
    EXPECT_EQ(ReadAll(program.File("stderr.txt")), "");
}

// Two requests to stop, the second while the first is still being handled:
// held back while the game is stopped, both arrive together when it goes on.
TEST_F(SessionEnd, ASecondSignalEndsTheGameAtOnce) {
    const pid_t pid = Launch();
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(qxtest::WaitUntil([&] { return fs::exists(program.File("setup.ini")); }));
    ASSERT_EQ(::kill(pid, SIGSTOP), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, WUNTRACED), pid);
    ASSERT_TRUE(WIFSTOPPED(status));
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    ASSERT_EQ(::kill(pid, SIGINT), 0);
    ASSERT_EQ(::kill(pid, SIGCONT), 0);
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(WTERMSIG(status) == SIGTERM || WTERMSIG(status) == SIGINT) << WTERMSIG(status);
    EXPECT_FALSE(fs::exists(program.File("Quorvex.stat")));  // it did not wait for the close
}

// Whether the process has a handler of its own for `sig` in place.
bool Catches(pid_t pid, int sig) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (sig - 1)) & 1;
    return false;
}

// An installed copy whose player folder cannot be made starts with a box that
// says so, before its main window exists. A signal then still ends the game:
// the box does not wait for an answer, and the close writes the statistics
// (here it cannot, and says so on the error output, as no box waits any more).
TEST_F(SessionEnd, ASignalDuringTheStartUpBoxEndsTheGame) {
    const std::string bin = program.File("bin/");
    fs::create_directories(bin);
    fs::copy_file(program.File("quorvex"), bin + "quorvex");
    fs::create_directories(qx::InstalledDataFolderFrom(bin));
    std::ofstream(qx::InstalledDataFolderFrom(bin) + qx::kInstallMarkerName) << "installed\n";
    std::ofstream(program.File("a-file")) << "in the way of the player's folder\n";
    const pid_t pid = Launch(bin + "quorvex", program.File("a-file").c_str());
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(qxtest::WaitUntil([&] { return Catches(pid, SIGTERM); }));
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    int status = 0;
    const bool ended = qxtest::WaitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; });
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    ASSERT_TRUE(ended) << "still running after the signal";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(ReadAll(program.File("stderr.txt")).find("The statistics could not be saved."), std::string::npos)
        << ReadAll(program.File("stderr.txt"));
}

// A system bus that takes connections and never answers them. The game does
// not touch it until a network window opens (here the client window, opened
// by a game link), and then only off the windows' thread: a signal still
// closes the game and the statistics are written.
class SilentBus : public SessionEnd, public ::testing::WithParamInterface<bool> {};

TEST_P(SilentBus, TheGameTouchesTheBusOnlyForANetworkWindowAndNeverWaitsForIt) {
    const bool networkWindow = GetParam();
    const int bus = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un at{};
    at.sun_family = AF_UNIX;
    const std::string path = runtime.File("bus");
    std::snprintf(at.sun_path, sizeof at.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(bus, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    ASSERT_EQ(::listen(bus, 8), 0);
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + path).c_str(), 1);
    // The link then opens its window at once; the bus being asked shows that start-up has run.
    if (networkWindow) WithoutStartUpShow();
    const pid_t pid = Launch({}, nullptr, networkWindow ? std::vector<std::string>{"quorvex://127.0.0.1"} : std::vector<std::string>{});
    ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    ASSERT_GT(pid, 0);
    const auto asked = [&] {
        pollfd p{bus, POLLIN, 0};
        return ::poll(&p, 1, 0) == 1;  // a connection waits to be taken
    };
    ASSERT_TRUE(qxtest::WaitUntil([&] { return fs::exists(program.File("setup.ini")); }));
    if (networkWindow) {
        ASSERT_TRUE(qxtest::WaitUntil(asked));
    }
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(program.File("Quorvex.stat")).size(), 36u * 162u);
    // Over the whole run: without a network window, nobody ever knocked.
    EXPECT_EQ(asked(), networkWindow);
    ::close(bus);
}

INSTANTIATE_TEST_SUITE_P(NetworkWindow, SilentBus, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "ClientWindowOpened" : "NoNetworkWindow");
                         });

// A system bus whose daemon is held by SIGSTOP, beside a session bus, as on a
// desktop whose system bus stopped answering (hung_bus.sh makes them). Once a
// network window has asked the system bus, Avahi's thread is held inside
// libdbus, and the toolkit's own D-Bus thread would wait for it at exit. A
// signal still ends the process, with the statistics written, while the bus
// is still stopped.
class HungSystemBus : public SessionEnd {};

// How many have connected to the socket at `path` (its listener not counted).
int Connections(const std::string& path) {
    std::ifstream table("/proc/net/unix");
    int count = 0;
    for (std::string line; std::getline(table, line);)
        if (line.size() > path.size() && line.compare(line.size() - path.size(), path.size(), path) == 0) ++count;
    return count - 1;
}

bool Stopped(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    return close != std::string::npos && line.compare(close, 4, ") T ") == 0;
}

TEST_F(HungSystemBus, ASignalEndsTheProcessWhileTheBusStaysStopped) {
    const char* busPid = std::getenv("QUORVEX_HUNG_BUS_PID");
    const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (!busPid || !address) GTEST_SKIP() << "runs inside hung_bus.sh";
    const std::string path = std::string(address).substr(std::string("unix:path=").size());
    const pid_t bus = std::atoi(busPid);
    ASSERT_TRUE(Stopped(bus));
    WithoutStartUpShow();
    const pid_t pid = Launch({}, nullptr, {"quorvex://192.0.2.1"});  // the client window opens
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(qxtest::WaitUntil([&] { return fs::exists(program.File("setup.ini")); }));
    ASSERT_TRUE(qxtest::WaitUntil([&] { return Connections(path) > 0; })) << "the game never asked the system bus";
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    int status = 0;
    const bool ended = qxtest::WaitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, {},
                                         std::chrono::seconds(10));
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    ASSERT_TRUE(ended) << "still running after the signal";
    EXPECT_TRUE(Stopped(bus));  // it did not end because the bus answered
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(program.File("Quorvex.stat")).size(), 36u * 162u);
}

// Without a display: the questions are answered on the standard output, a
// wrong option, a wrong link and the missing display itself on the error
// output, each with its exit code; no window is tried. Outputs are patterns,
// FOLDER the program folder.
struct CommandCase {
    std::vector<std::string> arguments;
    int exitCode;
    std::string out;
    std::string err;
    Output output = Output::File;
};

const char* const kCommandCaseNames[] = {"Help",      "Version",         "UnknownOption",    "MalformedLink",
                                         "NoDisplay", "HelpToAFullDisk", "VersionToNoOutput"};

class CommandLine : public SessionEnd, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandLine, WithoutADisplayEachAnswerGoesToItsOutputWithItsExitCode) {
    const CommandCase& c = GetParam();
    const pid_t pid = Launch({}, nullptr, c.arguments, false, c.output);
    ASSERT_GT(pid, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
    const std::string folder = std::regex_replace(program.Folder(), std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
    const auto matches = [&](const std::string& file, const std::string& pattern) {
        const std::string text = ReadAll(program.File(file));
        EXPECT_TRUE(std::regex_match(text, std::regex(std::regex_replace(pattern, std::regex("FOLDER"), folder))))
            << file << ":\n" << text;
    };
    matches("stdout.txt", c.out);
    matches("stderr.txt", c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(
        CommandCase{{"--help"}, 0, R"(Usage: quorvex \[LINK\]\n[\s\S]*quorvex://HOST:PORT[\s\S]* in FOLDER\n[\s\S]*)", ""},
        CommandCase{{"--version"}, 0, "Quorvex 1\\.3\n", ""},
        CommandCase{{"--bogus"}, 2, "", "quorvex: unknown option \"--bogus\"\nUsage: quorvex [\\s\\S]*"},
        CommandCase{{"quorvex://a/b"}, 1, "", "quorvex: \"quorvex://a/b\" is not a Quorvex game link [^\n]*\n"},
        CommandCase{{}, 1, "", "quorvex: [^\n]+\n"},
        CommandCase{{"--help"}, 1, "", "quorvex: write error: No space left on device\n", Output::Full},
        CommandCase{{"--version"}, 1, "", "quorvex: write error: Bad file descriptor\n", Output::Closed}),
    [](const auto& info) { return std::string(kCommandCaseNames[info.index]); });

INSTANTIATE_TEST_SUITE_P(Signals, SessionEndBy, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == SIGTERM ? std::string("SIGTERM")
                                    : info.param == SIGINT ? std::string("SIGINT")
                                                           : std::string("SIGHUP");
                         });

}  // namespace
