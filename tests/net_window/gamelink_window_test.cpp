// Game links at the windows: a link opens the client window filled in (its
// port used by "connect"), never disturbs a game or another open window, is
// handed from a second start to the running game, and the host copies it.
// No Avahi daemon runs here: the address field offers nothing.
#include "support/forms.h"
#include "ui/game/main.h"
#include "core/net/lan/gamelink.h"
#include "ui/net/linksharing.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "net_window/play.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCompleter>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <future>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using qxtest::Click;
using qxtest::WaitFor;
using Lines = std::vector<std::string>;

namespace {

class GameLinkWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary)
            << "[Einstellungen]\r\nName=Solo\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Linker\r\n";
        CreateForms();
        ASSERT_TRUE(WaitFor([] { return Haupt->Alpha().Value() == 255; }));
    }
    void TearDown() override { DestroyForms(); }

    std::string Address() const { return qx::ToAnsi(Find<QLineEdit>(*qx_client, "adresse")->text()); }

    qxtest::TempDir dir;
    qx::DialogScript script;
};

TEST_F(GameLinkWindowTest, OpensTheClientWindowFilledInAndConnectUsesTheLinksPort) {
    Tqx_host host;
    host.SetPort(0);
    Find<QLineEdit>(host, "nick")->setText(QStringLiteral("Hoster"));
    Find<QLineEdit>(host, "servername")->setText(QStringLiteral("Den"));
    Click(Find<QPushButton>(host, "start"));
    const std::string link = FormatGameLink("127.0.0.1", host.ListeningPort());

    OpenGameLink(QString::fromStdString(link));
    EXPECT_EQ(script.modals, Lines{"qx_client"});
    EXPECT_EQ(Address(), "127.0.0.1");
    EXPECT_EQ(qx::ToAnsi(Find<QLineEdit>(*qx_client, "nick")->text()), "Linker");
    EXPECT_FALSE(qx_client->Connected());  // only "connect" connects

    Click(Find<QPushButton>(*qx_client, "start"));
    ASSERT_TRUE(WaitFor([&] { return qx_client->Connected(); }));
    // A link that comes during the game leaves it alone.
    OpenGameLink(QStringLiteral("quorvex://[::1]"));
    EXPECT_EQ(script.Texts(qx::BoxKind::Information), Lines{"Disconnect first, then open the game link again."});
    EXPECT_EQ(Address(), "127.0.0.1");
    EXPECT_TRUE(qx_client->Connected());
    Click(Find<QPushButton>(*qx_client, "stop"));
    Click(Find<QPushButton>(host, "stop"));
}

TEST_F(GameLinkWindowTest, MalformedLinkOrAnotherOpenWindowChangesNothing) {
    OpenGameLink(QStringLiteral("quorvex://host/join"));
    qx_host->setWindowModality(Qt::ApplicationModal);
    Find<QAction>(*Haupt, "Spielbeitreten1")->trigger();
    OpenGameLink(QStringLiteral("quorvex://10.0.0.7"));
    EXPECT_EQ(script.Texts(qx::BoxKind::Information),
              (Lines{"\"quorvex://host/join\" is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).",
                     "Close the open window first, then open the game link again."}));
    EXPECT_EQ(script.modals, Lines{"qx_host"});
    EXPECT_EQ(Address(), "localhost");
}

TEST_F(GameLinkWindowTest, ASecondStartHandsItsLinkToTheRunningGame) {
    const QString name = QString::fromStdString(dir.File("links"));
    QStringList received;
    LinkReceiver running([&](const QString& link) { received << link; });
    ASSERT_TRUE(running.Listen(name));
    LinkReceiver second([](const QString&) {});
    EXPECT_FALSE(second.Listen(name));  // the first game keeps taking the links

    // The second start waits for the running game, which answers from its loop.
    auto handed = std::async(std::launch::async, [&] { return HandToRunningGame(name, "quorvex://pc.local:4711"); });
    ASSERT_TRUE(WaitFor([&] { return !received.isEmpty(); }));
    EXPECT_TRUE(handed.get());
    EXPECT_EQ(received, QStringList{QStringLiteral("quorvex://pc.local:4711")});
    EXPECT_FALSE(HandToRunningGame(name + QStringLiteral("-none"), QStringLiteral("quorvex://pc")));
}

TEST_F(GameLinkWindowTest, WithoutAPrivateRuntimeFolderTheGameSaysOnceThatLinksStartNewGames) {
    const char* had = std::getenv("XDG_RUNTIME_DIR");
    const std::string kept = had ? had : "";
    ::chmod(dir.Folder().c_str(), 0755);
    ::setenv("XDG_RUNTIME_DIR", dir.Folder().c_str(), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(LinkSocketName().isEmpty());
    EXPECT_TRUE(LinkSocketName().isEmpty());
    const std::string said = ::testing::internal::GetCapturedStderr();
    had ? ::setenv("XDG_RUNTIME_DIR", kept.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(said, "Quorvex: no private runtime folder (XDG_RUNTIME_DIR): game links will start new games\n");
}

TEST_F(GameLinkWindowTest, FiftyHandedLinksOpenOneBoxAtATimeAndTheLastOneLast) {
    const QString name = QString::fromStdString(dir.File("links"));
    int open = 0, most = 0;
    QStringList shown;
    LinkReceiver running([&](const QString& link) {
        most = std::max(most, ++open);
        shown << link;
        QEventLoop box;  // as a modal box: events go on until it is dismissed
        QTimer::singleShot(20, &box, &QEventLoop::quit);
        box.exec();
        --open;
    });
    ASSERT_TRUE(running.Listen(name));
    auto handed = std::async(std::launch::async, [&] {
        int taken = 0;
        for (int i = 1; i <= 50; ++i) taken += HandToRunningGame(name, QStringLiteral("quorvex://pc:%1").arg(i));
        return taken;
    });
    ASSERT_TRUE(WaitFor([&] { return handed.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_EQ(handed.get(), 50);
    ASSERT_TRUE(WaitFor([&] { return open == 0 && shown.endsWith(QStringLiteral("quorvex://pc:50")); }));
    EXPECT_EQ(most, 1);
}

TEST_F(GameLinkWindowTest, HostCopiesTheLinkForThisMachineAndNoDaemonOffersNoGames) {
    qx_host->SetPort(0);
    Find<QLineEdit>(*qx_host, "nick")->setText(QStringLiteral("Hoster"));
    Find<QLineEdit>(*qx_host, "servername")->setText(QStringLiteral("Den"));
    qx_host->show();
    Click(Find<QPushButton>(*qx_host, "start"));
    // The server name field is disabled now; its context menu still offers the link.
    const QPoint centre = Find<QLineEdit>(*qx_host, "servername")->rect().center();
    QContextMenuEvent ask(QContextMenuEvent::Mouse, centre,
                          Find<QLineEdit>(*qx_host, "servername")->mapToGlobal(centre));
    QApplication::sendEvent(Find<QLineEdit>(*qx_host, "servername"), &ask);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* copy = menu->actions().last();
    ASSERT_TRUE(copy->text().startsWith(QStringLiteral("Copy link quorvex://")));
    copy->trigger();
    menu->close();
    const auto link = ParseGameLink(QGuiApplication::clipboard()->text().toStdString());
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->port, qx_host->ListeningPort());
    EXPECT_EQ(qx_host->LogLines().back(), N("Link copied"));
    // Shift+F10 on a button opens it too, with the link entries (and the router switch) alone.
    Find<QPushButton>(*qx_host, "stop")->setFocus();
    QTest::keyClick(Find<QPushButton>(*qx_host, "stop"), Qt::Key_F10, Qt::ShiftModifier);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* entry : menu->actions())
        EXPECT_TRUE(entry->isSeparator() || entry->isCheckable() || entry->text().startsWith("Copy link "));
    menu->close();
    Click(Find<QPushButton>(*qx_host, "stop"));

    Find<QAction>(*Haupt, "Joingame1")->trigger();
    // Where the machine runs a daemon of its own, the namespace test covers finding games.
    if (Find<QLineEdit>(*qx_client, "adresse")
            ->findChild<QObject*>(QStringLiteral("localGames"))
            ->property("running")
            .toBool())
        return;
    QTest::mouseClick(Find<QLineEdit>(*qx_client, "adresse"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(*qx_client, "adresse")->completer()->model()->rowCount(), 0);
    EXPECT_FALSE(Find<QLineEdit>(*qx_client, "adresse")->completer()->popup()->isVisible());
}

}  // namespace
