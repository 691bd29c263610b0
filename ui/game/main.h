// The main window: the single-player field, its menu, start-up and closing.
#pragma once

#include "ui/game/fieldpictures.h"
#include "core/game/gamecore.h"
#include "core/game/maindisplay.h"
#include "core/game/playsession.h"
#include "ui/platform/alpha.h"
#include "ui/platform/controls.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QStatusBar;
class QCloseEvent;
namespace qx {
class News;
}

namespace quorvex {

// What the menu opens. The program's entry fills it in with the windows it
// made; an entry whose window is missing stays disabled.
struct MainMenuWindows {
    std::function<void()> statistics, settings, load, save, deleteSaves, records, host, join, help, about;
    // Start-up's splash screen, which calls Appear() when it ends.
    std::function<void()> splash;
};

class THaupt : public QMainWindow, public FieldPictures, public MainDisplay {
    Q_OBJECT
public:
    explicit THaupt(QWidget* parent = nullptr);
    ~THaupt() override;

    // The run of the single-player game this window shows; the slot dialogs
    // play on it too.
    SinglePlayerSession& Session() { return session_; }
    const GameState& Game() const { return session_.Game(); }

    // --- handlers (named after component and event) ---
    void ImageClick(int cell);
    void BombItClick();
    void RestartButClick();
    void N1Spieler1Click();
    void he100th1Click();
    void N10001Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void PlayerStat1Click();
    void Konfiguration1Click();
    void Beenden1Click();
    void Spielladen1Click();
    void Spielsichern1Click();
    void managesavnes1Click();
    void Rekorde1Click();
    void Spielbeitreten1Click();
    void Joingame1Click();
    void Anleitung1Click();
    void Zentrafellcom1Click();
    void QXHomepage1Click();
    void ber1Click();

    // --- what the session and the other windows show here ---
    void Show(const SessionView& view) override;
    void ShowPlayerName(const std::string& name) override;
    // The end of the splash screen: the window appears, fading in when the
    // fade switch read at start-up is on.
    void Appear();
    // The windows the menu opens; entries without one are disabled.
    void SetMenuWindows(MainMenuWindows windows);
    // Closes the window as the player would, without the fade-out wait: the
    // session is ending or the process was asked to stop.
    void CloseForSessionEnd();
    // Whether the closing sequence has run (the statistics were written).
    bool Closed() const { return closeAllowed_; }
    // The fade switch read at start-up ("ja" = fading on).
    const std::string& FadeSwitch() const { return fadeSwitch_; }
    qx::AlphaBlend& Alpha() { return alpha_; }
    QString StatusText() const;
    void SetStatusText(const QString& text);
    // Where a turn's Victims and Dragons come from; the game draws them at
    // random, reseeded from the clock at every turn. Tests fix them.
    void SetPlacementSource(std::function<Placement()> source) { placementSource_ = std::move(source); }
    // Which placement the last bomb used.
    const Placement& LastPlacement() const { return lastPlacement_; }

    // A show that comes while the alpha value holds the window back waits for it.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // --- controls (component names, which are also their object names) ---
    QFrame* StartPanel;
    QLabel* Image28;
    QLabel* Label8;
    QLabel* Label5;
    QLabel* Label13;
    QLabel* Label14;  // credit: author
    QLabel* Label16;  // credit: where to report faults
    QFrame* GameMainPanel;
    QFrame* InfoPanel;
    QLabel* Label3;
    QLabel* Label15;
    QLabel* Label4;
    QLabel* Money;
    QLabel* Image26;
    QLabel* Image27;
    QLabel* VictimCount;
    QLabel* DragonCount;
    QFrame* GamePanel;
    QGroupBox* GroupBox2;
    std::array<qx::PictureCell*, kCells + 1> Image{};  // Image[1]..Image[25]
    QPushButton* BombIt;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Kill;
    QLabel* KillBonus;
    QPushButton* RestartBut;
    QFrame* InfoPanel2;
    QLabel* Label6;
    QLabel* provic;
    QLabel* Label7;
    QLabel* prodra;
    QLabel* Label12;
    QLabel* Bilanz;
    QLabel* Label10;
    QLabel* Treffer;
    QLabel* Label11;
    QLabel* Verfehlt;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel;

    QAction* PlayerStat1;
    QAction* Konfiguration1;
    QAction* Beenden1;
    QMenu* N1Spieler1;
    QAction* EndlosSpiel1;
    QAction* he100th1;
    QAction* N10001;
    QAction* Spielladen1;
    QAction* Spielsichern1;
    QAction* managesavnes1;
    QAction* Rekorde1;
    QAction* Spielbeitreten1;
    QAction* Joingame1;
    QAction* Anleitung1;
    QAction* Zentrafellcom1;
    QAction* QXHomepage1;
    QAction* ber1;

    QTimer* Timer1;  // fade-in
    QTimer* Timer2;  // fade-out
    QTimer* Timer3;  // splash
    qx::News* news_ = nullptr;

    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void BuildStartPanel();
    void BuildGamePanels();
    void BuildInfoPanel();   // player, game type, money, the two counters
    void BuildFieldPanel();  // the field, the bomb and restart buttons, the kill labels
    void BuildTurnPanel();   // the turn's rates, total, hits and misses
    void SetAppIcon();
    void BuildStatusBar();
    void BuildMenu();
    // One menu entry, named name, calling handler; its picture comes later.
    QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, const char* icon,
                      void (THaupt::*handler)());
    void SetMenuShortcuts();
    void ShowMenuIcons();
    void UpdateMenuAvailability();
    void ShowCell(int cell, CellLook look);
    // The figures' names for a screen reader: caption and value.
    void NameFigures();
    // Tells a screen reader which game has started.
    void AnnounceNewGame();
    void ShowEmptyField();  // all 25 cells unmarked and enabled
    void ShowTurn(const TurnView& turn);
    // The bombed turn as a screen reader tells it: status line, hits, kill.
    QString TurnNews() const;
    void SetBombButtonEnabled(bool on);

    SinglePlayerSession session_;
    MainMenuWindows menu_;

    qx::AlphaBlend alpha_;
    std::string fadeSwitch_;
    std::function<Placement()> placementSource_;
    Placement lastPlacement_;
    QPixmap bombColour_, bombGrey_;
    std::vector<std::pair<QAction*, const char*>> menuIcons_;  // set when a menu first opens
    bool closing_ = false;
    bool skipFadeWait_ = false;
    bool showWanted_ = false;
    bool closeAllowed_ = false;
};

}  // namespace quorvex
