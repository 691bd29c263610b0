// Opens every window of the game in a scripted session and saves a picture of
// each as PNG. Runs under Xvfb (scripts/screenshots.sh).
// Usage: quorvex_screenshots <output folder> [<help.txt>]
// Without a help.txt, which the working folder then holds, the help window shows
// the text the game finds itself (an installed copy's, in the player's language).
#include "ui/app/application.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/language.h"
#include "core/platform/files.h"
#include "core/records/records.h"
#include "ui/records/rekorde.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "ui/settings/einstellungen.h"
#include "ui/stats/statistik.h"
#include "support/controls.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <tuple>
#include <unistd.h>

using namespace quorvex;
using qxtest::Find;

namespace {

QString g_out;

void Settle(int ms = 150) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

bool WaitFor(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Settle(10);
    }
    return true;
}

void Shot(QWidget* w, const char* name) {
    w->show();
    w->raise();
    Settle();
    const QString path = g_out + "/" + name + ".png";
    if (!w->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else std::printf("%s\n", qPrintable(path));
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

void PlayTwoPlayers(Forms& forms) {
    Tqx_host& host = *forms.qx_host;
    Tqx_client& client = *forms.qx_client;
    host.SetPort(0);
    Find<QLineEdit>(host, "nick")->setText("Hank");
    Find<QLineEdit>(host, "servername")->setText("Arena of pain");
    host.show();
    Click(Find<QPushButton>(host, "start"));
    client.SetPort(host.ListeningPort());
    client.SetPollInterval(50);
    Find<QLineEdit>(client, "adresse")->setText("127.0.0.1");
    Find<QLineEdit>(client, "nick")->setText("Cleo");
    client.show();
    Click(Find<QPushButton>(client, "start"));
    WaitFor([&] { return client.LogLines().size() >= 3 && Find<QPushButton>(host, "send")->isEnabled(); });
    auto place = [](TNetWindow& w, std::initializer_list<int> victims, std::initializer_list<int> dragons) {
        for (int c : victims) Click(Find<qx::PictureCell>(w, "Image", c));
        for (int c : dragons) {
            Click(Find<qx::PictureCell>(w, "Image", c));
            Click(Find<qx::PictureCell>(w, "Image", c));
        }
    };
    place(host, {26, 32, 38, 44, 50}, {28, 34, 36, 42, 46});
    place(client, {27, 29, 33, 41, 47}, {31, 35, 39, 45, 49});
    Click(Find<QPushButton>(host, "sendit"));
    Click(Find<QPushButton>(client, "sendit"));
    WaitFor([&] {
        return Find<QLabel>(host, "info")->text() == "please bomb now" &&
               Find<QLabel>(client, "info")->text() == "please bomb now";
    });
    for (int c : {2, 4, 8, 10, 14}) Click(Find<qx::PictureCell>(host, "Image", c));
    Click(Find<QPushButton>(host, "BombIt"));
    for (int c : {1, 7, 13, 19}) Click(Find<qx::PictureCell>(client, "Image", c));
    Find<QLineEdit>(host, "sendtext")->setText("good luck!");
    Click(Find<QPushButton>(host, "send"));
    Find<QLineEdit>(client, "sendtext")->setText("thanks, you too");
    Click(Find<QPushButton>(client, "send"));
    WaitFor([&] { return Find<QLabel>(client, "Label11")->text() != "[ result ]"; });
    Settle(300);
    Shot(&host, "host-window");
    Shot(&client, "client-window");
}

}  // namespace

// A few weeks of play: the records the window shows around the new one.
void SeedRecords() {
    RecordsStore store(RecordsStore::DefaultPath());
    LifetimeFigures weeks;
    weeks.started = {0, 14, 9, 3};
    weeks.won = {0, 0, 6, 2};
    weeks.turns = 1873;
    weeks.victims = 2412;
    weeks.dragons = 1950;
    weeks.bestStreak = 5;
    weeks.moneyWon = 3184220;
    weeks.moneyLost = -1702318;
    store.Add(weeks, std::nullopt, "", "");
    const std::vector<std::tuple<const char*, std::int64_t, std::int32_t, std::int32_t, const char*, bool>> won{
        {"Mr. Victim", 912455, 118, 96, "2026-11-02", false}, {"Anna", 488120, 131, 104, "2026-11-14", false},
        {"Bert", 250311, 122, 99, "2026-11-20", true},        {"Anna", 98200, 140, 121, "2026-11-28", false},
        {"Carla", 31044, 151, 130, "2026-12-01", false},       {"Mr. Victim", 8120, 160, 141, "2026-12-03", false}};
    for (const auto& [name, money, turns, dragons, date, continued] : won)
        store.Add({}, FinishedGame{2, money, turns, dragons, continued}, name, date);
    store.Add({}, FinishedGame{3, 1204388, 251, 208, false}, "Anna", "2026-11-30");
    store.Add({}, FinishedGame{1, 5520114, 87, 60, false}, "Bert", "2026-11-09");
    store.Add({}, FinishedGame{1, 40210, 12, 9, false}, "Anna", "2026-11-25");
}

// A won game of 100 Victims: the records window opens on its new row.
void WinOneGame(Forms& forms) {
    THaupt& main = *forms.Haupt;
    forms.Records->SetDateSource([] { return std::string("2026-12-09"); });
    main.he100th1Click();
    main.Session().GameForTests().money = 150000;
    main.Session().GameForTests().victimCount = -1;
    for (int c : {3, 7, 12, 9, 25}) Click(Find<qx::PictureCell>(main, "Image", c));
    Click(Find<QPushButton>(main, "BombIt"));
    Settle(50);
    Shot(forms.Records, "records");
    forms.Records->hide();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The language the environment asks for, as the game itself takes it.
    qx::InstallLanguage();
    if (argc < 2) {
        std::fprintf(stderr, "usage: quorvex_screenshots <output folder> [<help.txt>]\n");
        return 2;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(g_out);

    // A program folder of its own, opaque at once, with the help beside it if given.
    char templ[] = "/tmp/quorvex-shots-XXXXXX";
    const std::string folder = ::mkdtemp(templ);
    if (argc > 2) std::filesystem::copy_file(argv[2], folder + "/help.txt");
    qx::WriteLinesAtomic(folder + "/setup.ini", {"[Einstellungen]", "Name=Anna", "Splash=nein", "Fade=nein",
                                                 "[Multiplayer]", "Name=Remote Victim", "Server=Arena of pain"});
    qx::SetProgramFolder(folder);
    if (::chdir(folder.c_str()) != 0) return 1;
    SeedRecords();

    qx::DialogScript script;  // dialogs show without blocking; confirmations answer "&Ja"
    for (int i = 0; i < 20; ++i) script.answers.push_back(true);
    QApplication::setApplicationName(QString::fromLatin1(qx::kAppTitle));
    Forms forms;
    forms.Create();
    THaupt& main = *forms.Haupt;
    main.show();
    Shot(&main, "main-start");

    main.he100th1Click();
    main.SetPlacementSource([] { return Placement{{3, 7, 12, 18, 24}, {1, 9, 15, 20, 22}}; });
    for (int c : {3, 7, 12, 9, 25}) Click(Find<qx::PictureCell>(main, "Image", c));
    Shot(&main, "main-marked");
    Click(Find<QPushButton>(main, "BombIt"));
    Shot(&main, "main-turn");

    main.PlayerStat1Click();
    forms.stat->Timer1Timer();
    Shot(forms.stat, "statistics");
    forms.stat->hide();

    main.Konfiguration1Click();
    Shot(forms.Setup, "settings");
    forms.Setup->hide();

    main.Spielsichern1Click();
    forms.SpeicherMenu->Timer1Timer();
    forms.SpeicherMenu->BitBtn1Click();
    Settle(50);
    Shot(forms.SpeicherMenu, "save-dialog");
    forms.SpeicherMenu->hide();

    main.Spielladen1Click();
    forms.LadenMenu->Timer1Timer();
    Shot(forms.LadenMenu, "load-dialog");
    forms.LadenMenu->hide();

    main.managesavnes1Click();
    forms.DelMenu->Timer1Timer();
    Shot(forms.DelMenu, "delete-dialog");
    forms.DelMenu->hide();

    main.Anleitung1Click();
    Shot(forms.Help, "help");
    forms.Help->hide();

    main.ber1Click();
    for (int i = 0; i < 60; ++i) forms.AboutBox->Timer1Timer();
    Find<QTimer>(*forms.AboutBox, "Timer1")->stop();
    Shot(forms.AboutBox, "about");
    forms.AboutBox->hide();

    Find<QTimer>(*forms.SplashScr, "Timer1")->stop();
    Shot(forms.SplashScr, "splash");
    forms.SplashScr->hide();

    WinOneGame(forms);

    PlayTwoPlayers(forms);
    forms.qx_client->stopClick();
    forms.qx_host->stopClick();
    Settle(100);
    std::filesystem::remove_all(folder);
    std::fflush(stdout);
    std::_Exit(0);  // the run's windows need no orderly shutdown here
}
