// The game's windows against the same faults: a whole session on a read-only
// program folder and on a full disk (the game keeps running and tells the
// player what was not saved), and the two network windows against hostile
// peers (the window keeps processing its events, the log says what happened,
// no thread is left once the server stops).
#include "support/controls.h"
#include "support/threads.h"
#include "support/wait.h"
#include "fault_folder.h"

#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "net/net_support.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "core/savegames/slotfile.h"
#include "ui/settings/einstellungen.h"
#include "support/tempdir.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>


#include <chrono>
#include <clocale>
#include <filesystem>
#include <functional>
#include <thread>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using nettest::RawListener;
using nettest::RawSocket;
using reltest::FaultFolder;

namespace {

using qxtest::WaitFor;

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// ---------------------------------------------------------------------------
// A session on a program folder that refuses writes

enum class Fault { ReadOnly, FullDisk };

class SessionOnFaultyFolder : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        folder.MountTmpfs(256 * 1024);  // where this process may mount; a plain folder otherwise
        qx::SetProgramFolder(folder.Path());
        reltest::WriteFile(folder.Path() + "setup.ini",
                           "[Einstellungen]\r\nName=Anna\r\nSplash=nein\r\nFade=nein\r\n"
                           "[Multiplayer]\r\nName=Remote Anna\r\nServer=Annas Arena\r\n");
        WriteSlotFile(1, "Anna", 1000, 4, 2, 1);
        WriteSlotFile(2, "Old", 50, 0, 0, 1);
        reltest::WriteFile(folder.Path() + "Quorvex.stat", "old figures\r\n");
        for (const char* name : {"setup.ini", "Slot1.save", "Slot2.save", "Quorvex.stat"})
            before.emplace_back(name, qx::ReadFileBytes(folder.Path() + name));
    }
    void TearDown() override {
        qx::SetWriteFaultForTests(std::nullopt);
        DestroyForms();
    }

    // Makes the folder refuse writes; false when it cannot be done here.
    bool Break() {
        if (GetParam() == Fault::ReadOnly) return folder.MakeReadOnly();
        if (!folder.FillUp()) qx::SetWriteFaultForTests(0);  // no tmpfs: the injected full disk
        return true;
    }
    void ExpectFilesAsBefore() {
        for (const auto& [name, bytes] : before) EXPECT_EQ(qx::ReadFileBytes(folder.Path() + name), bytes) << name;
    }
    // The box names the file and the cause on a line of its own, ended by a full stop.
    void ExpectFileAndCause(const std::string& box, const std::string& name) {
        const std::string file = " file \"" + folder.Path() + name + "\". ";
        const auto at = box.find("\nCannot ");
        ASSERT_NE(at, std::string::npos) << box;
        const std::string line = box.substr(at, box.find('\n', at + 1) - at);
        const auto named = line.find(file);
        ASSERT_NE(named, std::string::npos) << box;
        EXPECT_GT(line.size(), named + file.size() + 1) << box;  // the cause
        EXPECT_EQ(line.back(), '.') << box;
    }
    std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (const qx::ShownBox& b : script.boxes) texts.push_back(b.text);
        script.Clear();
        return texts;
    }
    template <class Dialog>
    Dialog& Open(QAction* entry, Dialog* dialog) {
        entry->trigger();
        EXPECT_TRUE(WaitFor([dialog] { return !Find<QTimer>(*dialog, "Timer1")->isActive(); }));
        return *dialog;
    }

    qxtest::TempDir dir;
    FaultFolder folder{dir.Folder()};
    qx::DialogScript script;
    std::vector<std::pair<std::string, std::string>> before;
};

TEST_P(SessionOnFaultyFolder, GameGoesOnAndTellsWhatWasNotSaved) {
    if (!Break()) GTEST_SKIP() << "no way to make a folder read-only for this process";
    CreateForms();
    Haupt->show();
    // Start-up only reads the settings: nothing to tell.
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(qxtest::Setup->PlayerName(), "Anna");

    // Saving over slot 1: the error report names the file, the slot stays.
    Haupt->N1Spieler1Click();
    TSpeicherMenu& save = Open(Find<QAction>(*Haupt, "Spielsichern1"), SpeicherMenu);
    script.answers.push_back(true);
    Click(Find<QPushButton>(save, "SpeedButton", 1));
    const auto saveBoxes = script.boxes;
    script.Clear();
    ASSERT_EQ(saveBoxes.size(), 2u);  // the overwrite question, then the report
    EXPECT_EQ(saveBoxes[1].kind, qx::BoxKind::Error);
    EXPECT_NE(saveBoxes[1].text.find("Slot1.save"), std::string::npos) << saveBoxes[1].text;
    Click(Find<QPushButton>(save, "SpeedButton", 4));

    // The settings: kept for this run, and the player is told they are not saved.
    qxtest::Setup->SetPlayerName("Bert");
    qxtest::Setup->SpeedButton1Click();
    const auto settingsBoxes = Boxes();
    ASSERT_EQ(settingsBoxes.size(), 1u);
    EXPECT_TRUE(StartsWith(settingsBoxes[0], "The settings could not be saved to setup.ini.")) << settingsBoxes[0];
    ExpectFileAndCause(settingsBoxes[0], "setup.ini");
    EXPECT_EQ(qxtest::Setup->PlayerName(), "Bert");

    // Deleting slot 2 fails and says so; the slot stays.
    TDelMenu& del = Open(Find<QAction>(*Haupt, "managesavnes1"), DelMenu);
    script.answers.push_back(true);
    Click(Find<QPushButton>(del, "BitBtn", 2));
    const auto deleteBoxes = Boxes();
    ASSERT_EQ(deleteBoxes.size(), 2u);  // the question, then the outcome
    if (GetParam() == Fault::ReadOnly)
        EXPECT_TRUE(StartsWith(deleteBoxes[1], "Could not delete file")) << deleteBoxes[1];
    else
        EXPECT_EQ(deleteBoxes[1], "Savegame in Slot2 deleted!");  // a full disk still deletes
    Click(Find<QPushButton>(del, "BitBtn", 4));
    if (GetParam() == Fault::FullDisk) before.erase(before.begin() + 2);

    // Loading needs no writing: the old game comes back whole.
    TLadenMenu& load = Open(Find<QAction>(*Haupt, "Spielladen1"), LadenMenu);
    Click(Find<QPushButton>(load, "SpeedButton", 1));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Haupt->Game().money, 1000);
    EXPECT_EQ(Haupt->Game().victimCount, 4);

    // Leaving: the program ends all the same and says the run's figures are lost.
    EXPECT_TRUE(Haupt->close());
    const auto exitBoxes = Boxes();
    // The records' figures of the run are told first; the full disk had room
    // for them again once slot 2 was deleted.
    const std::size_t recordBoxes = GetParam() == Fault::ReadOnly ? 1 : 0;
    ASSERT_EQ(exitBoxes.size(), recordBoxes + 1);
    if (recordBoxes != 0) {
        EXPECT_TRUE(StartsWith(exitBoxes[0], "The records could not be saved.")) << exitBoxes[0];
        ExpectFileAndCause(exitBoxes[0], "Quorvex.records");
    }
    EXPECT_TRUE(StartsWith(exitBoxes.back(), "The statistics could not be saved.")) << exitBoxes.back();
    ExpectFileAndCause(exitBoxes.back(), "Quorvex.stat");
    ExpectFilesAsBefore();
    for (const std::string& name : folder.Names())
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << "a part file was left: " << name;
}

INSTANTIATE_TEST_SUITE_P(Faults, SessionOnFaultyFolder, ::testing::Values(Fault::ReadOnly, Fault::FullDisk),
                         [](const auto& info) { return info.param == Fault::ReadOnly ? "ReadOnly" : "FullDisk"; });

// ---------------------------------------------------------------------------
// The network windows against hostile peers

using qxtest::ThreadCount;

bool Logged(TNetWindow& w, const std::string& line) {
    const auto lines = w.LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
std::size_t CountLogged(TNetWindow& w, const std::string& line) {
    const auto lines = w.LogLines();
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}
std::string N(const std::string& text) { return std::string("[") + kRaquo + " " + text + " " + kLaquo + "]"; }

// Counts the ticks of a 10 ms timer on the user-interface thread.
struct Heartbeat {
    Heartbeat() {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start(10);
    }
    QTimer timer;
    int ticks = 0;
};

class NetWindowsUnderAttack : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override {
        delete qxtest::Setup;
        qxtest::Setup = nullptr;
    }
    qxtest::TempDir dir;
    qx::DialogScript script;
};

TEST_F(NetWindowsUnderAttack, HostWindowSurvivesEveryHostilePeer) {
    Tqx_host host;
    host.SetPort(0);
    Find<QLineEdit>(host, "nick")->setText(QStringLiteral("Hank"));
    Find<QLineEdit>(host, "servername")->setText(QStringLiteral("Arena"));
    host.show();
    QCoreApplication::processEvents();
    std::thread([] {}).join();  // a sanitizer's own helper thread starts with the first thread
    // Qt may start painting threads of its own meanwhile; only the server's count.
    const int threadsBefore = ThreadCount("qx-");
    Click(Find<QPushButton>(host, "start"));
    ASSERT_TRUE(host.ServerActive());
    const int port = host.ListeningPort();
    auto handshaken = [&](const std::string& nick) {
        RawSocket s = RawSocket::Connect(port);
        s.Send(nick + "\r\n");
        EXPECT_NE(s.ReceiveUntil("Welcome, " + nick + "\r\n").find("Welcome"), std::string::npos);
        return s;
    };
    auto clientLost = [&](std::size_t n) { return WaitFor([&] { return CountLogged(host, N("Client lost")) == n; }); };

    // Reset in the middle of a line.
    {
        RawSocket s = handshaken("Reset");
        s.Send("[100] [2");
        linger l{1, 0};
        ::setsockopt(s.Fd(), SOL_SOCKET, SO_LINGER, &l, sizeof l);
    }
    ASSERT_TRUE(clientLost(1));
    // A 1 MiB line, then the conversation goes on.
    {
        RawSocket s = handshaken("Big");
        s.Send(std::string(1 << 20, 'x') + "\r\n<Big> still here\r\n");
        EXPECT_TRUE(WaitFor([&] { return Logged(host, "<Big> still here"); }));
        EXPECT_EQ(CountLogged(host, "[game] Over-long line ignored."), 1u);
    }
    ASSERT_TRUE(clientLost(2));
    // Connects and never says its nickname.
    {
        RawSocket s = RawSocket::Connect(port);
        EXPECT_EQ(s.ReceiveUntil("\r\n"), "Hank\r\n");
    }
    ASSERT_TRUE(clientLost(3));
    // One byte every 10 ms, while the window goes on with its events.
    Heartbeat beat;
    std::atomic<bool> trickled{false};
    std::thread trickler([&] {
        RawSocket s = RawSocket::Connect(port);
        for (char c : std::string("Slow\r\n<Slow> hello\r\n")) {
            s.Send(std::string(1, c));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        s.ReceiveUntil("Welcome, Slow\r\n");
        trickled = true;
        s.ReceiveUntil("never");  // holds the connection until the server stops
    });
    EXPECT_TRUE(WaitFor([&] { return trickled && Logged(host, "<Slow> hello"); }));
    EXPECT_GT(beat.ticks, 0);
    EXPECT_TRUE(Find<QPushButton>(host, "send")->isEnabled());
    Click(Find<QPushButton>(host, "stop"));
    trickler.join();
    EXPECT_FALSE(host.ServerActive());
    EXPECT_TRUE(Logged(host, N("Server closed")));
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(ThreadCount("qx-"), threadsBefore) << "a server thread outlived the stop";
}

TEST_F(NetWindowsUnderAttack, ClientWindowStaysResponsiveWithATricklingHost) {
    RawListener listener;
    std::atomic<bool> done{false};
    std::thread host([&] {
        RawSocket s = listener.Accept();
        s.ReceiveUntil("Cleo\r\n");
        const std::string greeting =
            std::string("Hank\r\n[") + kRaquo + " Arena " + kLaquo + "]\r\n[server] Welcome, Cleo\r\n";
        for (char c : greeting) {
            s.Send(std::string(1, c));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        s.Send(std::string(1 << 20, 'y') + "\r\n<Hank> after\r\n");
        while (!done) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        linger l{1, 0};
        ::setsockopt(s.Fd(), SOL_SOCKET, SO_LINGER, &l, sizeof l);
    });
    Tqx_client client;
    client.SetPort(listener.Port());
    client.SetPollInterval(20);
    Find<QLineEdit>(client, "adresse")->setText(QStringLiteral("127.0.0.1"));
    Find<QLineEdit>(client, "nick")->setText(QStringLiteral("Cleo"));
    client.show();

    Heartbeat beat;
    Click(Find<QPushButton>(client, "start"));  // returns once the trickled handshake is through
    EXPECT_GT(beat.ticks, 0) << "the window processed no event while it connected";
    EXPECT_TRUE(client.Connected());
    EXPECT_TRUE(WaitFor([&] { return Logged(client, "<Hank> after"); }));
    EXPECT_EQ(CountLogged(client, "[game] Over-long line ignored."), 1u);
    EXPECT_TRUE(Logged(client, "[server] Welcome, Cleo"));
    done = true;
    EXPECT_TRUE(WaitFor([&] { return Logged(client, N("disconnected!")); }));
    host.join();
    EXPECT_FALSE(client.Connected());
}

}  // namespace

// A program folder outside ASCII, in a UTF-8 locale: the paths and the
// system's messages in the boxes are decoded with the locale's encoding,
// the game's own texts as Windows-1252, each kind as it is.
TEST(TextKinds, PathsShowInTheLocalesEncodingAndGameTextsInWindows1252) {
    const std::string oldLocale = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale here";
    qxtest::TempDir dir;
    const std::string folder = dir.File("Spiel-jos\xc3\xa9/");  // "josé" as the system writes it
    std::filesystem::create_directories(folder + "Quorvex.stat");  // a folder where the statistics belong
    qx::SetProgramFolder(folder);
    qx::DialogScript script;
    {
        CreateForms();
        Haupt->show();
        EXPECT_TRUE(Haupt->close());
        qx::Guard([] { throw std::runtime_error("'Jos\xe9' is not a valid integer value"); });
        qx::Guard([&] { qx::ReadFileBytes(folder + "Quorvex.stat"); });
        DestroyForms();
    }
    std::setlocale(LC_ALL, oldLocale.c_str());
    ASSERT_EQ(script.boxes.size(), 3u);
    const QString path = QString::fromUtf8(folder + "Quorvex.stat");
    EXPECT_TRUE(script.boxes[0].shown.contains(path)) << script.boxes[0].shown.toStdString();
    EXPECT_EQ(script.boxes[1].shown, QString::fromUtf8("'Jos\xc3\xa9' is not a valid integer value."));
    EXPECT_EQ(script.boxes[2].kind, qx::BoxKind::Error);
    EXPECT_EQ(script.boxes[2].shown, "Cannot read file \"" + path + "\". It is not a regular file.");
}
