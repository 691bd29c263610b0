// The host and client windows playing against each other in one process over
// real loopback sockets, driven through their controls. The client polls
// faster than in the game; everything else runs at the game's pace.
#include "support/controls.h"
#include "support/wait.h"
#include "support/forms.h"
#include "ui/game/main.h"
#include "net_window/play.h"
#include "ui/net/multiclient.h"
#include "ui/net/discovery.h"
#include "ui/net/hostlog.h"
#include "ui/net/multihost.h"
#include "ui/net/nettexts.h"
#include "core/net/protocol/lineprotocol.h"
#include "core/net/router/portmap.h"
#include "net/net_support.h"
#include "ui/platform/ansi.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/language.h"
#include "core/platform/files.h"
#include "core/settings/settingsfile.h"
#include "ui/settings/einstellungen.h"
#include "support/tempdir.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <netdb.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <functional>
#include <initializer_list>
#include <memory>
#include <source_location>
#include <sstream>
#include <thread>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using nettest::Relay;
using Lines = std::vector<std::string>;

namespace {

using qxtest::Click;
using qxtest::ConnW;
using qxtest::Mark;
using qxtest::N;
using qxtest::Place;
using qxtest::Text;
using qxtest::WaitFor;

std::string Picture(TNetWindow& w, int cell) {
    return Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(cell))->PictureName().toStdString();
}

bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class NetWindowTest : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override {
        delete qxtest::Setup;
        qxtest::Setup = nullptr;
    }

    Tqx_host& MakeHost(const char* nick = "Hank", const char* server = "Arena of pain",
                       std::function<void(const std::string&)> serverNameSink = {}) {
        host = std::make_unique<Tqx_host>(std::move(serverNameSink));
        host->SetPort(0);
        Find<QLineEdit>(*host, "nick")->setText(QString::fromLatin1(nick));
        Find<QLineEdit>(*host, "servername")->setText(QString::fromLatin1(server));
        host->show();
        return *host;
    }
    // Starts the host's server on a free port and returns it.
    int StartHost() {
        Click(Find<QPushButton>(*host, "start"));
        EXPECT_TRUE(host->ServerActive());
        return host->ListeningPort();
    }
    std::unique_ptr<Tqx_client> MakeClient(int port, const char* nick) {
        auto c = std::make_unique<Tqx_client>();
        c->SetPort(port);
        c->SetPollInterval(20);
        Find<QLineEdit>(*c, "adresse")->setText(QStringLiteral("127.0.0.1"));
        Find<QLineEdit>(*c, "nick")->setText(QString::fromLatin1(nick));
        c->show();
        return c;
    }
    // Connects; the click returns once the handshake is through (or failed).
    void Connect(Tqx_client& c) { Click(Find<QPushButton>(c, "start")); }
    void Join(int port) { Connect(*(client = MakeClient(port, "Cleo"))); }

    static void Chat(TNetWindow& w, const char* text, bool withEnter) {
        Find<QLineEdit>(w, "sendtext")->setText(QString::fromLatin1(text));
        if (withEnter)
            QTest::keyClick(Find<QLineEdit>(w, "sendtext"), Qt::Key_Return);
        else
            Click(Find<QPushButton>(w, "send"));
    }
    static bool Logged(TNetWindow& w, const std::string& line) { return Contains(w.LogLines(), line); }
    // Each named control enabled ("+") or not ("-"): "start+ stop-".
    static void ExpectStates(TNetWindow& w, const std::string& states,
                             std::source_location at = std::source_location::current()) {
        const ::testing::ScopedTrace trace(at.file_name(), static_cast<int>(at.line()), states);
        std::istringstream in(states);
        for (std::string s; in >> s;)
            EXPECT_EQ(Find<QWidget>(w, QString::fromStdString(s.substr(0, s.size() - 1)))->isEnabled(), s.back() == '+')
                << w.objectName().toStdString() << " " << s;
    }

    qx::DialogScript script;
    qxtest::TempDir dir;
    std::unique_ptr<Tqx_host> host;
    std::unique_ptr<Tqx_client> client;
};

// The example game in each language the game ships, loaded on both sides as
// the game loads it: the windows' texts are checked in English, and every
// byte on the wire and in the files is the same in every language.
class ExampleGame : public NetWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        NetWindowTest::SetUp();
        const std::string locale = GetParam();
        language = qx::InstallLanguage([locale](const char* name) {
            return std::string(name) == "LANG" && !locale.empty() ? locale.c_str() : nullptr;
        });
    }
    void TearDown() override {
        qx::InstallLanguage([](const char*) -> const char* { return nullptr; });
        NetWindowTest::TearDown();
    }
    bool English() const { return language.isEmpty(); }
    // A label's text, checked where the windows speak English.
    void Shows(const QLabel* label, const char* english) const {
        if (English()) {
            EXPECT_EQ(Text(label), english) << qPrintable(label->objectName());
        }
    }
    static bool Shown(TNetWindow& w, const QString& line) { return Logged(w, qx::ToAnsi(line)); }
    static bool Shown(const QLabel* label, const QString& text) { return label->text() == text; }
    // Every file the game left in its folder, by name, with its bytes.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& f : std::filesystem::recursive_directory_iterator(dir.Folder()))
            if (f.is_regular_file())
                files[f.path().lexically_relative(dir.Folder()).string()] = qx::ReadFileBytes(f.path().string());
        return files;
    }
    QString language;
};

// The windows' texts in the wire's code page: every byte back as it came,
// one byte per character, the characters without a byte as "?".
TEST(AnsiText, EachCharacterIsOneByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(qx::ToAnsi(qx::FromAnsi(all)), all);
    EXPECT_EQ(qx::ToAnsi(QString::fromUtf8("\u4e2d\u6587 ok")), "?? ok");
}

TEST_P(ExampleGame, WholeExampleGameBetweenHostAndClientWindows) {
    qxtest::QuickWaits quick;
    // The catalogue loads as the game's start-up loads it.
    ASSERT_EQ(language.toStdString(), std::string(GetParam()).substr(0, 2));
    qxtest::Setup = new TSetup();
    MakeHost("Hank", "Arena of pain", StoreServerName(qxtest::Setup));
    Relay relay(StartHost());
    Join(relay.Port());
    ASSERT_TRUE(client->Connected());
    ExpectStates(*client, "start- stop+");
    ASSERT_TRUE(
        WaitFor([&] { return client->LogLines().size() == 3 && Find<QPushButton>(*host, "send")->isEnabled(); }));
    EXPECT_TRUE(Find<QLineEdit>(*host, "sendtext")->isEnabled());

    // Both battlefields: host Victims 26..30 and Dragons 46..50, client 31..35 and 41..45.
    Place(*host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    EXPECT_EQ(Text(Find<QLabel>(*host, "vLeft")), "0");
    EXPECT_EQ(Text(Find<QLabel>(*host, "dLeft")), "0");
    ASSERT_TRUE(Find<QPushButton>(*host, "sendit")->isEnabled());
    EXPECT_EQ(Picture(*host, 26), "VictimImage");
    EXPECT_EQ(Picture(*host, 46), "DragonImage");

    Click(Find<QPushButton>(*host, "sendit"));  // returns after the tenth confirmation
    EXPECT_TRUE(Shown(*host, GameNoteText({GameNoteKind::AllSent, {}, {}})));
    if (English()) {
        EXPECT_TRUE(Logged(*host, "[game] All positions send!"));
    }
    Shows(Find<QLabel>(*host, "info"), "please bomb now");
    EXPECT_FALSE(Find<qx::PictureCell>(*host, "Image", 26)->isEnabled());
    Shows(Find<QLabel>(*client, "info"), "please set up your battlefield");

    Click(Find<QPushButton>(*client, "sendit"));
    Shows(Find<QLabel>(*client, "info"), "please bomb now");
    EXPECT_TRUE(Find<qx::PictureCell>(*client, "Image", 31)->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return Shown(*host, GameNoteText({GameNoteKind::AllReceived, {}, {}})); }));
    Shows(Find<QLabel>(*host, "info"), "please bomb now");

    // The host hits 3 Victims (bomb cells 6..8) and 1 Dragon (16), and one empty cell.
    Mark(*host, {6, 7, 8, 16, 1});
    Shows(Find<QLabel>(*host, "Label10"), "Ready to bomb!!!");
    Click(Find<QPushButton>(*host, "BombIt"));
    Shows(Find<QLabel>(*host, "Label12"), "[ You won ]");
    Shows(Find<QLabel>(*host, "Label3"), "Bombed Victims: 3");
    Shows(Find<QLabel>(*host, "Label4"), "Bombed Dragons: 1");
    EXPECT_EQ(Picture(*host, 6), "VictimHitImage");
    EXPECT_EQ(Picture(*host, 9), "VictimImage");
    EXPECT_EQ(Picture(*host, 16), "DragonHitImage");
    EXPECT_EQ(Picture(*host, 17), "DragonImage");
    EXPECT_EQ(Picture(*host, 1), "MarkImage");
    EXPECT_EQ(Picture(*host, 2), "SmileImage");
    ExpectStates(*host, "BombIt- RestartBut+");
    ASSERT_TRUE(WaitFor([&] { return Shown(Find<QLabel>(*client, "Label11"), BombResultText(BombResult::Lost)); }));
    Shows(Find<QLabel>(*client, "Label11"), "[ You lost ]");

    // The client hits 1 Victim (1) and 1 Dragon (21): a draw.
    Mark(*client, {1, 21, 12, 13, 14});
    Click(Find<QPushButton>(*client, "BombIt"));
    Shows(Find<QLabel>(*client, "Label12"), "[ Draw ]");
    EXPECT_EQ(Picture(*client, 1), "VictimHitImage");
    EXPECT_EQ(Picture(*client, 2), "VictimImage");
    EXPECT_EQ(Picture(*client, 21), "DragonHitImage");
    EXPECT_TRUE(Find<QPushButton>(*client, "BombIt")->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return Shown(Find<QLabel>(*host, "Label11"), BombResultText(BombResult::Draw)); }));
    Shows(Find<QLabel>(*host, "Label11"), "[ Draw ]");

    Click(Find<QPushButton>(*host, "RestartBut"));
    ExpectStates(*host, "RestartBut- Image26+");
    EXPECT_EQ(Picture(*host, 6), "SmileImage");
    ASSERT_TRUE(WaitFor([&] { return Shown(*client, GameNoteText({GameNoteKind::ClientRestart, {}, {}})); }));
    for (int c = 1; c <= 50; ++c) EXPECT_EQ(Picture(*client, c), "SmileImage") << c;
    EXPECT_EQ(Text(Find<QLabel>(*client, "vLeft")), "5");
    EXPECT_EQ(Text(Find<QLabel>(*client, "dLeft")), "5");
    Shows(Find<QLabel>(*client, "Label10"), "5 fields left");
    Shows(Find<QLabel>(*client, "Label11"), "[ You lost ]");
    Shows(Find<QLabel>(*client, "Label12"), "[ Draw ]");

    Chat(*host, "hello client", true);
    EXPECT_EQ(qx::ToAnsi(Find<QLineEdit>(*host, "sendtext")->text()), "");
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "<Hank> hello client"); }));
    Chat(*client, "hi host", false);
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, "<Cleo> hi host"); }));

    EXPECT_EQ(host->LogLines().size(), qxtest::ExampleGameHostLog().size());
    EXPECT_EQ(client->LogLines().size(), qxtest::ExampleGameClientLog().size());
    if (English()) {
        EXPECT_EQ(host->LogLines(), qxtest::ExampleGameHostLog());
        EXPECT_EQ(client->LogLines(), qxtest::ExampleGameClientLog());
    }

    // And on the wire, in each direction, line by line and byte for byte.
    const std::string confirm = kConfirmLine;
    Lines fromHost{"Hank", N("Arena of pain"), "[server] Welcome, Cleo"};
    for (int c = 26; c <= 30; ++c) fromHost.push_back("[100] [" + std::to_string(c) + "] Victim");
    for (int c = 46; c <= 50; ++c) fromHost.push_back("[200] [" + std::to_string(c) + "] Dragon");
    fromHost.insert(fromHost.end(), 10, confirm);
    fromHost.insert(fromHost.end(), {"[700] You lost", "[900] Restart", "<Hank> hello client"});
    Lines fromClient{"Cleo"};
    fromClient.insert(fromClient.end(), 10, confirm);
    for (int c = 31; c <= 35; ++c) fromClient.push_back("[100] [" + std::to_string(c) + "] Victim");
    for (int c = 41; c <= 45; ++c) fromClient.push_back("[200] [" + std::to_string(c) + "] Dragon");
    fromClient.insert(fromClient.end(), {"[702] Draw", "<Cleo> hi host"});
    EXPECT_EQ(relay.LinesFrom(false), fromHost);
    EXPECT_EQ(relay.LinesFrom(true), fromClient);
    const auto bytes = [](const Lines& lines) {
        std::string all;
        for (const std::string& l : lines) all += l + "\r\n";
        return all;
    };
    EXPECT_EQ(relay.BytesFrom(false), bytes(fromHost));
    EXPECT_EQ(relay.BytesFrom(true), bytes(fromClient));

    Click(Find<QPushButton>(*client, "stop"));
    if (English()) {
        EXPECT_EQ(client->LogLines().back(), N("disconnected!"));
    }
    ExpectStates(*client, "start+ sendtext-");
    EXPECT_TRUE(script.Texts(qx::BoxKind::Error).empty());

    // The files the two windows leave, closed as a player closes them: the
    // same bytes in every language.
    EXPECT_TRUE(client->close());
    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_TRUE(host->close());
    client.reset();
    host.reset();
    EXPECT_EQ(Files(), (std::map<std::string, std::string>{
                           {"setup.ini", "[Einstellungen]\r\nName=0\r\nSplash=nein\r\nFade=nein\r\n"
                                         "[Multiplayer]\r\nName=0\r\nServer=Arena of pain\r\n"}}));
}

INSTANTIATE_TEST_SUITE_P(Languages, ExampleGame, ::testing::Values("", "de_DE.UTF-8"),
                         [](const auto& info) { return std::string(info.param).empty() ? "English" : "German"; });

// A game whose line dies while the client's result and its first position are
// on it: after "connect" both windows go on where they stood, every line
// reaches the other side once, and the game ends with the same results on both.
TEST_F(NetWindowTest, AGameGoesOnAfterItsLineDiedAndTheClientConnectsAgain) {
    qxtest::QuickWaits quick;
    MakeHost();
    Relay relay(StartHost());
    Join(relay.Port());
    ASSERT_TRUE(WaitFor([&] { return client->LogLines().size() == 3 && Find<QPushButton>(*host, "send")->isEnabled(); }));
    Place(*host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Click(Find<QPushButton>(*host, "sendit"));
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "[game] All positions received!"); }));

    // The line goes dead: the client's result and first position vanish on it, then it breaks.
    relay.Drop();
    Place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    Mark(*client, {1, 21, 12, 13, 14});
    Click(Find<QPushButton>(*client, "BombIt"));
    QTimer::singleShot(300, [&] { relay.Cut(); });
    Click(Find<QPushButton>(*client, "sendit"));  // returns when the line is found broken
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, N("Client lost")) && !client->Connected(); }));
    EXPECT_EQ(client->LogLines().back(), N("disconnected!"));

    Connect(*client);  // the address is still there
    ASSERT_TRUE(client->Connected());
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, "[game] All positions received!"); }));
    EXPECT_EQ(Text(Find<QLabel>(*host, "Label11")), "[ Draw ]");
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "[game] All positions send!"); }));
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*client, "info")) == "please bomb now"; }));
    Mark(*host, {6, 7, 8, 16, 1});
    Click(Find<QPushButton>(*host, "BombIt"));
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*client, "Label11")) == "[ You lost ]"; }));
    Click(Find<QPushButton>(*host, "RestartBut"));
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "[game] new game started"); }));

    EXPECT_EQ(host->LogLines(),
              (Lines{N("Server active"), ConnW("Cleo"), "[game] All positions send!", N("Client lost"), ConnW("Cleo"),
                     "[game] Game resumed.", "[game] Cleo bombed a draw!", "[game] All positions received!",
                     "[game] new game started!"}));
    const Lines clientLog = client->LogLines();
    for (const char* once : {"[game] All positions received!", "[game] All positions send!", "[game] Game resumed.",
                             "[game] Hank won!", "[game] new game started"})
        EXPECT_EQ(std::count(clientLog.begin(), clientLog.end(), once), 1) << once;
    // What passed the relay, over both lines: each position and each result once.
    Lines fromClient{"Cleo"};
    fromClient.insert(fromClient.end(), 10, kConfirmLine);
    fromClient.insert(fromClient.end(), {"", "Cleo", "[300] Resume 0 0 10", "[702] Draw"});
    for (int c = 31; c <= 35; ++c) fromClient.push_back("[100] [" + std::to_string(c) + "] Victim");
    for (int c = 41; c <= 45; ++c) fromClient.push_back("[200] [" + std::to_string(c) + "] Dragon");
    EXPECT_EQ(relay.LinesFrom(true), fromClient);
    const Lines fromHost = relay.LinesFrom(false);
    EXPECT_EQ(std::count(fromHost.begin(), fromHost.end(), "[300] Resume 0 0 0"), 1);
    EXPECT_EQ(std::count(fromHost.begin(), fromHost.end(), "[700] You lost"), 1);
    EXPECT_EQ(std::count(fromHost.begin(), fromHost.end(), kConfirmLine), 10);
    Click(Find<QPushButton>(*client, "stop"));
}

TEST_F(NetWindowTest, SecondClientIsRefusedWhileOnePlays) {
    MakeHost();
    const int port = StartHost();
    Join(port);
    ASSERT_TRUE(client->Connected());
    ASSERT_TRUE(WaitFor(
        [&] { return Find<QPushButton>(*host, "send")->isEnabled(); }));  // the host's side of the handshake is through

    auto second = MakeClient(port, "Otto");
    Connect(*second);
    EXPECT_FALSE(second->Connected());
    EXPECT_EQ(second->LogLines().back(), N("Could not connect to 127.0.0.1"));
    ExpectStates(*second, "start+ stop-");

    Chat(*host, "still here", true);
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "<Hank> still here"); }));
    EXPECT_TRUE(client->Connected());
    EXPECT_EQ(host->LogLines(), (Lines{N("Server active"), ConnW("Cleo"), "<Hank> still here"}));
}

TEST_F(NetWindowTest, NewClientContinuesTheHostsGameAfterTheFirstLeaves) {
    qxtest::QuickWaits quick;
    MakeHost();
    const int port = StartHost();
    Join(port);
    ASSERT_TRUE(WaitFor([&] { return client->LogLines().size() == 3; }));
    Place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    Click(Find<QPushButton>(*client, "sendit"));
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, "[game] All positions received!"); }));

    Click(Find<QPushButton>(*client, "stop"));
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, N("Client lost")); }));
    // The chat's controls follow the notice in a change of their own, which a
    // slow machine may hand over in the next batch.
    ASSERT_TRUE(WaitFor([&] { return !Find<QPushButton>(*host, "send")->isEnabled(); }));
    ExpectStates(*host, "sendtext- send-");
    EXPECT_EQ(Text(Find<QLabel>(*host, "info")), "please set up your battlefield");  // game state kept

    auto next = MakeClient(port, "Nora");
    Connect(*next);
    ASSERT_TRUE(next->Connected());
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, ConnW("Nora")) && Find<QPushButton>(*host, "send")->isEnabled(); }));

    // Bombing the first client's battlefield, reported to the new one.
    Mark(*host, {6, 7, 16, 1, 2});
    Click(Find<QPushButton>(*host, "BombIt"));
    EXPECT_EQ(Text(Find<QLabel>(*host, "Label12")), "[ You won ]");
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*next, "Label11")) == "[ You lost ]"; }));
    EXPECT_TRUE(Logged(*next, "[game] Hank won!"));
    Click(Find<QPushButton>(*next, "stop"));
}

TEST_F(NetWindowTest, StoppingTheServerWhileConnectedEndsBothSides) {
    MakeHost();
    Join(StartHost());
    ASSERT_TRUE(WaitFor([&] { return Find<QPushButton>(*host, "send")->isEnabled(); }));

    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_FALSE(host->ServerActive());
    EXPECT_EQ(host->LogLines(), (Lines{N("Server active"), ConnW("Cleo"), N("Client lost"), N("Server closed")}));
    ExpectStates(*host, "start+ servername+ stop- sendtext-");

    // The client's next poll notices the close and shows the transport's error.
    ASSERT_TRUE(WaitFor([&] { return !script.Texts(qx::BoxKind::Error).empty(); }));
    EXPECT_EQ(script.Texts(qx::BoxKind::Error), Lines{kClosedGracefully});
    EXPECT_EQ(client->LogLines().back(), N("disconnected!"));
    EXPECT_FALSE(Find<QTimer>(*client, "Timer1")->isActive());
    ExpectStates(*client, "start+ stop- send-");
}

TEST_F(NetWindowTest, PortAlreadyTakenShowsTheErrorAndLeavesStopToTidyUp) {
    nettest::RawListener taken;
    MakeHost();
    host->SetPort(taken.Port());
    Click(Find<QPushButton>(*host, "start"));
    EXPECT_FALSE(host->ServerActive());
    ASSERT_EQ(script.Texts(qx::BoxKind::Error).size(), 1u);
    EXPECT_NE(script.Texts(qx::BoxKind::Error)[0].find("Could not bind"), std::string::npos);
    EXPECT_TRUE(host->LogLines().empty());
    ExpectStates(*host, "start- servername- stop+");

    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_EQ(host->LogLines(), Lines{N("Server closed")});
    ExpectStates(*host, "start+ servername+ stop-");
}

TEST_F(NetWindowTest, NothingListeningLogsTheFailureAndStaysDisconnected) {
    client = MakeClient(nettest::UnusedPort(), "Cleo");
    Connect(*client);
    EXPECT_EQ(client->LogLines(), Lines{N("Could not connect to 127.0.0.1")});
    ExpectStates(*client, "start+ stop-");
    EXPECT_TRUE(client->close());  // not connected: closes
}

TEST_F(NetWindowTest, DisconnectGivesUpAHandshakeThatGetsNoAnswer) {
    nettest::RawListener silent;  // accepts, never says a word
    client = MakeClient(silent.Port(), "Cleo");
    QTimer::singleShot(300, client.get(), [&] {
        EXPECT_FALSE(client->close());  // still busy connecting
        Click(Find<QPushButton>(*client, "stop"));
    });
    Connect(*client);
    EXPECT_FALSE(client->Connected());
    EXPECT_EQ(client->LogLines(), (Lines{N("disconnected!"), N("Could not connect to 127.0.0.1")}));
    ExpectStates(*client, "start+ stop-");
    EXPECT_EQ(script.Texts(qx::BoxKind::Information), Lines{"Can not close while client is active!"});
}

TEST_F(NetWindowTest, ClosingIsRefusedWhileActiveAndTheHostStoresItsServerName) {
    std::ofstream(dir.File("setup.ini"), std::ios::binary)
        << "[Einstellungen]\r\nName=Solo\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Remote\r\nServer=Old\r\n";
    qxtest::Setup = new TSetup();
    MakeHost("Hank", "  New arena ", StoreServerName(qxtest::Setup));
    Join(StartHost());
    ASSERT_TRUE(client->Connected());

    EXPECT_FALSE(host->close());
    EXPECT_FALSE(client->close());
    EXPECT_TRUE(host->isVisible());
    EXPECT_TRUE(client->isVisible());
    EXPECT_EQ(script.Texts(qx::BoxKind::Information),
              (Lines{"Can not close while server is active!", "Can not close while client is active!"}));
    EXPECT_EQ(qxtest::Setup->ServerName(), "Old");

    Click(Find<QPushButton>(*client, "stop"));
    EXPECT_TRUE(client->close());
    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_TRUE(host->close());
    EXPECT_FALSE(host->isVisible());
    EXPECT_EQ(qxtest::Setup->ServerName(), "  New arena ");
    EXPECT_NE(qx::ReadFileBytes(dir.File("setup.ini")).find("Server=  New arena \r\n"), std::string::npos);

    // A blank server name is not stored.
    host->show();
    Find<QLineEdit>(*host, "servername")->setText(QStringLiteral("   "));
    EXPECT_TRUE(host->close());
    EXPECT_EQ(qxtest::Setup->ServerName(), "  New arena ");
}

TEST_F(NetWindowTest, FieldRulesPlacingAndMarking) {
    Tqx_host& h = MakeHost("", "");
    EXPECT_EQ(Text(Find<QLabel>(h, "info")), ".... idle ...");
    EXPECT_TRUE(Find<QPushButton>(h, "start")->isEnabled());  // "Start server" itself checks nothing
    Find<QLineEdit>(h, "nick")->setText(QStringLiteral("x"));
    Find<QLineEdit>(h, "nick")->clear();
    EXPECT_FALSE(Find<QPushButton>(h, "start")->isEnabled());
    Find<QLineEdit>(h, "nick")->setText(QStringLiteral("  "));
    EXPECT_EQ(Find<QLineEdit>(h, "nick")->text(), QString());
    Find<QLineEdit>(h, "nick")->setText(QStringLiteral("Hank"));
    EXPECT_FALSE(Find<QPushButton>(h, "start")->isEnabled());  // the server name is still blank
    Find<QLineEdit>(h, "servername")->setText(QStringLiteral("Arena"));
    EXPECT_TRUE(Find<QPushButton>(h, "start")->isEnabled());

    // Three clicks come back to empty; a sixth Victim shows -1.
    Place(h, {26}, {});
    Click(Find<qx::PictureCell>(h, "Image", 26));
    Click(Find<qx::PictureCell>(h, "Image", 26));
    EXPECT_EQ(Picture(h, 26), "SmileImage");
    EXPECT_EQ(Text(Find<QLabel>(h, "vLeft")), "5");
    EXPECT_EQ(Text(Find<QLabel>(h, "dLeft")), "5");
    Place(h, {26, 27, 28, 29, 30, 31}, {});
    EXPECT_EQ(Text(Find<QLabel>(h, "vLeft")), "-1");
    EXPECT_FALSE(Find<QPushButton>(h, "sendit")->isEnabled());

    Mark(h, {1, 2, 3, 4});
    EXPECT_EQ(Text(Find<QLabel>(h, "Label10")), "1 fields left");
    Mark(h, {5, 6});
    EXPECT_EQ(Text(Find<QLabel>(h, "Label10")), "Only 5 fields max!");
    EXPECT_FALSE(Find<QPushButton>(h, "BombIt")->isEnabled());
    Mark(h, {6});
    EXPECT_EQ(Text(Find<QLabel>(h, "Label10")), "Ready to bomb!!!");
    EXPECT_TRUE(Find<QPushButton>(h, "BombIt")->isEnabled());

    // Active server without a client: the names enable the chat, which logs but sends nothing.
    Click(Find<QPushButton>(h, "start"));
    Find<QLineEdit>(h, "nick")->setText(QStringLiteral("Hank2"));
    EXPECT_TRUE(Find<QPushButton>(h, "send")->isEnabled());
    Chat(h, "anyone?", false);
    EXPECT_EQ(h.LogLines().back(), "<Hank2> anyone?");
    Find<QLineEdit>(h, "nick")->clear();
    EXPECT_FALSE(Find<QPushButton>(h, "send")->isEnabled());
    Click(Find<QPushButton>(h, "stop"));
}

TEST_F(NetWindowTest, BombingBeforeAllPositionsRevealsOnlyWhatArrived) {
    MakeHost();
    nettest::RawSocket raw = nettest::RawSocket::Connect(StartHost());
    raw.Send("Rawy\r\n");
    raw.ReceiveUntil("[server] Welcome, Rawy\r\n");
    raw.Send("[100] [31] Victim\r\n[200] [45] Dragon\r\n");
    const std::string confirms = raw.ReceiveUntil(std::string(kConfirmLine) + "\r\n" + kConfirmLine + "\r\n");
    ASSERT_NE(confirms.find(kConfirmLine), std::string::npos);
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*host, "info")) == "receiving positions..."; }));

    Mark(*host, {6, 20, 1, 2, 3});
    Click(Find<QPushButton>(*host, "BombIt"));
    EXPECT_EQ(Picture(*host, 6), "VictimHitImage");
    EXPECT_EQ(Picture(*host, 20), "DragonHitImage");
    for (int c : {1, 2, 3}) EXPECT_EQ(Picture(*host, c), "MarkImage");
    EXPECT_EQ(Text(Find<QLabel>(*host, "Label12")), "[ Draw ]");
    EXPECT_NE(raw.ReceiveUntil("[702] Draw\r\n").find("[702] Draw"), std::string::npos);
}

TEST_F(NetWindowTest, MenuEntriesOpenTheWindowsWithTheMultiplayerNames) {
    std::ofstream(dir.File("setup.ini"), std::ios::binary)
        << "[Einstellungen]\r\nName=Solo\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Remote One\r\n"
           "Server=Den\r\n";
    CreateForms();
    ASSERT_TRUE(Find<QAction>(*Haupt, "Spielbeitreten1")->isEnabled());
    ASSERT_TRUE(Find<QAction>(*Haupt, "Joingame1")->isEnabled());
    Find<QAction>(*Haupt, "Spielbeitreten1")->trigger();
    EXPECT_EQ(qx::ToAnsi(Find<QLineEdit>(*qx_host, "nick")->text()), "Remote One");
    EXPECT_EQ(qx::ToAnsi(Find<QLineEdit>(*qx_host, "servername")->text()), "Den");
    Find<QAction>(*Haupt, "Joingame1")->trigger();
    EXPECT_EQ(qx::ToAnsi(Find<QLineEdit>(*qx_client, "nick")->text()), "Remote One");
    EXPECT_EQ(qx::ToAnsi(Find<QLineEdit>(*qx_client, "adresse")->text()), "localhost");
    EXPECT_EQ(script.modals, (Lines{"qx_host", "qx_client"}));
    DestroyForms();
}

// The router is asked only with the player's consent, given in the server
// name's context menu and kept in setup.ini; without it no router is made.
TEST_F(NetWindowTest, TheRouterIsAskedOnlyWhenTheSettingAllowsIt) {
    struct Silent : Router {
        RouterAnswer Open(int, int) override {
            return RouterAnswer{false, "", false, {RouterFailureKind::NoRouter}, 0, 0};
        }
        bool Renew() override { return true; }
        RouterFailure Close() override { return {}; }
    };
    static std::atomic<int> asked{0};
    asked = 0;
    SetRouterFactory([] {
        ++asked;
        return std::make_unique<Silent>();
    });
    MakeHost();
    StartHost();
    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_EQ(asked, 0);

    QLineEdit* name = Find<QLineEdit>(*host, "servername");
    QContextMenuEvent ask(QContextMenuEvent::Keyboard, QPoint(4, 4), name->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(name, &ask);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* consent = menu->findChild<QAction*>(QStringLiteral("askRouter"));
    ASSERT_NE(consent, nullptr);
    EXPECT_EQ(consent->text().toStdString(), "Ask the router to open the port");
    EXPECT_FALSE(consent->isChecked());
    consent->trigger();
    menu->close();
    EXPECT_TRUE(AskRouter(dir.File("setup.ini")));
    StartHost();
    EXPECT_TRUE(WaitFor([] { return asked == 1; }));
    EXPECT_TRUE(WaitFor([&] { return Logged(*host, N("Router: no port opened (no router answered)")); }));
    Click(Find<QPushButton>(*host, "stop"));
    // Closed from its close box with the menu open, the window takes the menu along.
    QApplication::sendEvent(name, &ask);
    QCloseEvent closeBox;
    QApplication::sendEvent(host->windowHandle(), &closeBox);
    EXPECT_FALSE(host->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    host.reset();
    SetRouterFactory({});
    EXPECT_TRUE(PortMapper::AwaitEnds(std::chrono::seconds(10)));
}

// Each outcome of the host service as the host's log shows it, byte for byte,
// with each of the router's reasons.
TEST(HostLog, EachOutcomeHasItsLine) {
    using S = HostState;
    using K = RouterFailureKind;
    const struct {
        HostOutcome outcome;
        std::string line;
    } cases[] = {
        {{S::Listening, 9999, {}, false}, N("Server active")},
        {{S::Announced, 9999, "Game #2", false}, ""},
        {{S::Mapped, 9999, "198.51.100.7", false}, N("Router: port 9999 open at 198.51.100.7")},
        {{S::Mapped, 9999, "198.51.100.7", true}, N("Router: port 9999 open at 198.51.100.7 and for IPv6")},
        {{S::Mapped, 9999, "", true}, N("Router: port 9999 open and for IPv6")},
        {{S::Mapped, 9999, "", false}, N("Router: port 9999 open")},
        {{S::PinholeOpen, 9999, {}, true}, N("Router: port 9999 open for IPv6")},
        {{S::PinholeOpen, 9999, {}, true, {K::PortInUse, 9999}},
         N("Router: port 9999 open for IPv6, not for IPv4 (the router refused port 9999: it is in use)")},
        {{S::Renamed, 9999, "Alice #2", false}, N("Game announced as Alice #2")},
        {{S::Renamed, 9999, "J\xC3\xBCrgen #2", false}, N("Game announced as J\xFCrgen #2")},
        {{S::NotTheGateway, 9999, "192.168.27.66", false},
         N("Router: answer from 192.168.27.66 ignored (not the default gateway)")},
        {{S::LocationElsewhere, 9999, "192.168.27.1", false},
         N("Router: answer from 192.168.27.1 ignored (its description is at another address)")},
        {{S::RouterClosed, 9999, {}, false}, N("Router: port 9999 closed")},
        {{S::NotClosed, 9999, {}, false, {K::Late}}, N("Router: port 9999 not closed (the router did not answer in time)")},
        {{S::NotClosed, 9999, {}, false, {K::RemovalRefused, 9999, 606}},
         N("Router: port 9999 not closed (the router refused it (UPnP error 606))")},
        {{S::Closed, 9999, {}, false}, N("Server closed")},
        {{S::Withdrawn, 9999, {}, false}, N("Server not listening, game no longer announced")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::ToAnsi(HostLogLine(c.outcome)), c.line) << static_cast<int>(c.outcome.state);
    const std::pair<RouterFailure, const char*> refusals[] = {
        {{K::DescriptionElsewhere}, "the router's description names another address for its port mapping"},
        {{K::NoRouter}, "no router answered"},
        {{K::NoGatewayAnswer}, "no answer from the default gateway"},
        {{K::LibrariesMissing, 0, 0, "libnatpmp.so.1: cannot open shared object file"},
         "the router could not be asked (libnatpmp.so.1: cannot open shared object file)"},
        {{K::DescriptionUnreadable}, "the router's description could not be read"},
        {{K::NoPortMapping}, "the router offers no port mapping"},
        {{K::NotOnline}, "the router is not connected to the internet"},
        {{K::PortNotAllowed, 9999}, "the router refused port 9999: not allowed"},
        {{K::NoFreeMappings, 9999}, "the router refused port 9999: it has no free mappings"},
        {{K::UpnpRefused, 9999, 501}, "the router refused port 9999 (UPnP error 501)"},
        {{K::NatPmpRefused, 9999, -14}, "the router refused port 9999 (NAT-PMP error -14)"},
    };
    for (const auto& [why, reason] : refusals)
        EXPECT_EQ(qx::ToAnsi(HostLogLine({S::Refused, 9999, {}, false, why})),
                  N("Router: no port opened (" + std::string(reason) + ")"));
}

// What the protocol reports, as the windows word it in English, byte for byte;
// names and lines from the peer shown safely.
TEST(NetTexts, EachValueHasItsEnglishText) {
    using K = GameNoteKind;
    const struct {
        GameNote note;
        std::string line;
    } notes[] = {
        {{K::Connected, "Cli ", {}}, ConnW("Cli ")},
        {{K::AllSent, {}, {}}, "[game] All positions send!"},
        {{K::AllReceived, {}, {}}, "[game] All positions received!"},
        {{K::ClientRestart, {}, {}}, "[game] new game started"}, {{K::HostRestart, {}, {}}, "[game] new game started!"},
        {{K::InvalidPosition, {}, "[100] [xx] Victim"}, "[game] Invalid position ignored: [100] [xx] Victim"},
        {{K::ExtraVictim, {}, "[100] [31] Victim"}, "[game] Extra Victim ignored: [100] [31] Victim"},
        {{K::ExtraDragon, {}, "[200] [45] Dragon"}, "[game] Extra Dragon ignored: [200] [45] Dragon"},
        {{K::LineTooLong, {}, {}}, "[game] Over-long line ignored."},
        {{K::PeerWon, "Hoster", {}}, "[game] Hoster won!"},     {{K::PeerLost, "%2 50%", {}}, "[game] %2 50% lost!"},
        {{K::PeerDraw, "Cli ", {}}, "[game] Cli  bombed a draw!"},
        {{K::OwnChat, "%2", "%1 [900] Restart"}, "<%2> %1 [900] Restart"},
    };
    for (const auto& c : notes) EXPECT_EQ(qx::ToAnsi(GameNoteText(c.note)), c.line) << c.line;
    EXPECT_EQ(GameNoteText({K::PeerWon, "a\rb", {}}), QStringLiteral("[game] a\u240Db won!"));

    const std::pair<GameStatus, const char*> statuses[] = {
        {GameStatus::Sending, "sending positions..."},   {GameStatus::Receiving, "receiving positions..."},
        {GameStatus::BombNow, "please bomb now"},        {GameStatus::Awaiting, "awaiting positions..."},
        {GameStatus::SetUp, "please set up your battlefield"},
    };
    for (const auto& [status, text] : statuses) EXPECT_EQ(GameStatusText(status), QLatin1String(text));
    // The results' texts, and what a screen reader hears beyond the labels.
    const std::pair<QString, const char*> spoken[] = {
        {BombResultText(BombResult::Won), "[ You won ]"},   {BombResultText(BombResult::Lost), "[ You lost ]"},
        {BombResultText(BombResult::Draw), "[ Draw ]"},     {BombedVictimsText(3), "Bombed Victims: 3"},
        {BombedDragonsText(10), "Bombed Dragons: 10"},
        {OwnBombNews(BombResult::Won, 3, 2), "Bomb result: You won, 3 Victims and 2 Dragons hit"},
        {OwnBombNews(BombResult::Lost, 1, 1), "Bomb result: You lost, 1 Victim and 1 Dragon hit"},
        {OwnBombNews(BombResult::Draw, 0, 0), "Bomb result: Draw, 0 Victims and 0 Dragons hit"},
        {PeerBombNews({K::PeerWon, "Hosty", {}}), "Hosty bombed your battlefield and won."},
        {PeerBombNews({K::PeerLost, "Hosty", {}}), "Hosty bombed your battlefield and lost."},
        {PeerBombNews({K::PeerDraw, "Hosty", {}}), "Hosty bombed your battlefield to a draw."},
        {PeerBombNews({K::AllSent, {}, {}}), ""},
        {FiguresLeftNews(4, 5), "4 Victims and 5 Dragons left to place"},
        {FiguresLeftNews(1, 0), "1 Victim and 0 Dragons left to place"},
        {FiguresLeftNews(0, 0), "All figures placed, ready to send"},
        {FilledInText(QStringLiteral("10.53.3.1")), "Address filled in: 10.53.3.1"},
    };
    for (const auto& [text, english] : spoken) EXPECT_EQ(text, QLatin1String(english)) << english;

    // The transport's failures, the system's causes in English beside English words.
    using F = NetFailureKind;
    const qx::SystemText host("h\xC3\xB6st");  // as typed, in the locale's encoding
    const struct {
        NetFailure failure;
        const char* text;
    } failures[] = {
        {{F::ClosedGracefully}, kClosedGracefully},   {{F::ConnectionReset}, kConnectionReset},
        {{F::NotConnected}, kNotConnected},           {{F::LineTooLong}, kLineTooLong},
        {{F::ConnectTimedOut}, kConnectTimedOut},     {{F::ConnectCancelled}, kConnectCancelled},
        {{F::AlreadyConnected}, kAlreadyConnected},   {{F::TerminateTimedOut}, kTerminateTimedOut},
        {{F::PeerSilent}, kPeerSilent},               {{F::PeerStalled}, kPeerStalled},
        {{F::UnknownFailure}, kUnknownFailure},       {{F::LineBreakInLine}, kLineBreakInLine},
        {{F::HandshakeTimedOut}, kHandshakeTimedOut},
        {{F::CreateEvent, EMFILE}, "Could not create an event: Too many open files."},
        {{F::CreateSocket, EMFILE}, "Could not create socket: Too many open files."},
        {{F::CreatePipe, ENFILE}, "Could not create a pipe: Too many open files in system."},
        {{F::Send, EPIPE}, "Could not send: Broken pipe."},
        {{F::WaitForData, EINVAL}, "Could not wait for data: Invalid argument."},
        {{F::Receive, EIO}, "Could not receive: Input/output error."},
        {{F::WaitForConnections, ENOMEM}, "Could not wait for connections: Cannot allocate memory."},
        {{F::AcceptConnection, EBADF}, "Could not accept a connection: Bad file descriptor."},
        {{F::ReadBoundPort, EBADF}, "Could not read the bound port: Bad file descriptor."},
        {{F::BindPort, EADDRINUSE, 9999}, "Could not bind socket to port 9999: Address already in use."},
        {{F::Connect, ECONNREFUSED, 9999, qx::SystemText("[::1]")},
         "Could not connect to [::1]:9999: Connection refused."},
        {{F::Resolve, EAI_NONAME, 9999, host}, "Could not resolve host \"h\xF6st\": Name or service not known."},
        {{F::Resolve, 0, 9999, host}, "Could not resolve host \"h\xF6st\": no address."},
        {{F::InvalidPort, 0, 70000}, "Invalid port 70000."},
        {{F::Other}, "Own words."},
    };
    for (const auto& c : failures)
        EXPECT_EQ(qx::ToAnsi(NetFailureText(c.failure, qx::SystemText("Own words."))), c.text) << c.text;
    // The core's own text and the windows' words are one: the report shows the latter.
    EXPECT_EQ(NetErrorWording(NetTimeoutError(kTerminateTimedOut)), QLatin1String(kTerminateTimedOut));
    EXPECT_EQ(NetErrorWording(SocketError("Own words.")), QString());
}

// Names announced on the network are shown safely and isolated, beside
// their address in its own cell (with the port when it is not the game's).
TEST(LocalGameSuggestions, ANameCannotForgeAnotherRow) {
    const struct {
        const char16_t* name;
        const char* shown;
    } cases[] = {
        {u"Alice", "\u2068Alice\u2069"},
        {u"Mallory\r\nAlice  (10.44.0.1)", "\u2068Mallory\u240D\u240AAlice  (10.44.0.1)\u2069"},
        {u"Mallory\u202E)1.0.44.01(  ecilA", "\u2068Mallory<U+202E>)1.0.44.01(  ecilA\u2069"},
        {u"\u2066Eve\u2069\u200F\u2028Bob", "\u2068<U+2066>Eve<U+2069><U+200F>\u2424Bob\u2069"},
        {u"Del\u007F\u0085", "\u2068Del\u2421\uFFFD\u2069"},
        {u"Alice\u3000\u3000(10.55.0.1)\u3000", "\u2068Alice<U+3000><U+3000>(10.55.0.1)<U+3000>\u2069"},
        {u"Alice\u200B", "\u2068Alice<U+200B>\u2069"},
        {u"\u05D0\u05DC\u05D9\u05E1", "\u2068\u05D0\u05DC\u05D9\u05E1\u2069"},
        {u"Al\u3164ice\U000E0041\u00A0\uFEFF", "\u2068Al<U+3164>ice<U+E0041><U+00A0><U+FEFF>\u2069"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SuggestionName({QString::fromUtf16(c.name).toStdString(), "10.0.0.66", 9999, 0}).toStdString(), c.shown);
    const struct {
        LanGame game;
        const char* shown;
    } addresses[] = {
        {{"Alice", "10.0.0.66", 9999, 0}, "10.0.0.66"},
        {{"Alice", "10.0.0.66", 1, 0}, "10.0.0.66:1"},
        {{"Alice", "fe80::1%eth0", 4711, 2}, "[fe80::1%eth0]:4711"},
        {{"Alice", "2001:db8::1", 9999, 1}, "2001:db8::1"},
    };
    for (const auto& a : addresses) EXPECT_EQ(SuggestionAddress(a.game).toStdString(), a.shown);
}

// By the keyboard the list of games is walked without leaving it: the first
// Down chooses the first game, Up on it stays there, Return says the address.
TEST(LocalGameSuggestions, TheKeyboardChoosesAGameAndHearsItsAddress) {
    qx::DialogScript script;
    Tqx_client client;
    QLineEdit* field = Find<QLineEdit>(client, "adresse");
    auto* games = qobject_cast<QStandardItemModel*>(field->completer()->model());
    ASSERT_NE(games, nullptr);
    // The field follows the list while it has the focus.
    client.show();
    QApplication::setActiveWindow(&client);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&client));
    field->setFocus();
    // Two games found (after the window's first showing, which starts the search).
    for (const char* address : {"10.53.3.1", "10.53.3.2"}) {
        auto* row = new QStandardItem(QString::fromLatin1(address));
        row->setData(row->text(), Qt::UserRole + 1);
        row->setData(9999, Qt::UserRole + 2);
        games->appendRow(row);
    }
    QTest::keyClick(field, Qt::Key_Down);
    QAbstractItemView* list = field->completer()->popup();
    ASSERT_TRUE(list->isVisible());
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Down, "10.53.3.2"}, {Qt::Key_Up, "10.53.3.1"}, {Qt::Key_Up, "10.53.3.1"}};
    EXPECT_EQ(field->text(), "10.53.3.1");
    for (const auto& [key, shown] : keys) {
        QTest::keyClick(list, key);
        EXPECT_EQ(field->text(), QLatin1String(shown));
    }
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Find<QWidget>(client, "News")->accessibleName(), "Address filled in: 10.53.3.1");
}

}  // namespace
