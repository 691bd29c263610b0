// What the host and the client window have in common: the look, the bomb
// field and the own battlefield with their pictures, placing and marking,
// the reveal of a bombing, the chat and the log, and the hand-over of every
// change the protocol makes to the window.
//
// The game itself is the window's TwoPlayerSession, with the connection to
// the peer: the window renders its views and forwards the clicks. The host's protocol runs partly on its
// server's connection thread. Its
// changes reach the window through a HandOver (core/platform/handover.h): applied on the
// user-interface thread in the order they were made, in batches of a few
// milliseconds per turn of the event loop, without the connection thread ever
// waiting for the window; it only stops reading while the window is behind.
//
// Texts from the peer are shown with their control characters as visible
// pictures, and the log keeps its newest kLogLines lines.
#pragma once

#include "ui/game/fieldpictures.h"
#include "core/platform/handover.h"
#include "core/net/protocol/twoplayersession.h"
#include "ui/platform/controls.h"

#include <QDialog>
#include <QRect>
#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QFrame;
class QGroupBox;
namespace qx {
class News;
}

namespace quorvex {

// Lines the log keeps; older ones are dropped.
inline constexpr int kLogLines = 5000;
// Longest time one turn of the event loop spends on handed-over changes.
inline constexpr std::chrono::microseconds kHandOverBatch{8000};

// Where the two windows differ in their left column.
struct NetWindowLayout {
    QString objectName;
    QString caption;
    QString label2Text;    // "Servername" / "Server address" (translated, as the captions)
    QString startCaption;  // "Start server" / "connect"
    QString stopCaption;   // "Stop server" / "disconnect"
    int buttonsTop = 0;    // top of start and stop
    QRect memo;            // the log
    int label10Top = 0;    // "5 fields left" in the game panel
};

class TNetWindow : public QDialog, public ProtocolView, public FieldPictures {
    Q_OBJECT
public:
    ~TNetWindow() override;

    // --- handlers shared by both windows ---
    void Image26Click(int cell);  // own battlefield cell 26..50: empty, Victim, Dragon, empty
    void Image1Click(int cell);   // bomb-field cell 1..25: toggles its mark
    // Clears the game for the next one and redraws the fields.
    void ResetNetGame();
    // The nickname field, filled from the settings when the window is opened.
    void ShowNick(const std::string& name);
    // How long a peer may take to send its nickname (10 s; tests shorten it).
    void SetHandshakeTimeout(int ms) { session.SetHandshakeTimeout(ms); }

    // --- ProtocolView: every call is applied on the user-interface thread, in order ---
    void AppendLog(const std::string& line) override;
    void AppendNote(const GameNote& note) override;
    void SetStatus(GameStatus status) override;
    void SetBattlefieldResult(BombResult result) override;
    void SetBombResult(BombResult result) override;
    void ResetGameView() override;
    // A line in the window's words, ready to show; from any thread, in order with the others.
    void AppendShown(const QString& text);

    // The log's lines as 8-bit texts (applies what is still queued first).
    std::vector<std::string> LogLines();
    // Applies the changes handed over by another thread so far.
    void ApplyPending();

protected:
    // --- controls (component names, which are also their object names) ---
    QLabel* Label1;
    QLineEdit* nick;
    QLabel* Label2;
    QPushButton* start;
    QPushButton* stop;
    QPlainTextEdit* Memo1;
    QLineEdit* sendtext;
    QPushButton* send;
    QFrame* GamePanel;
    QGroupBox* GroupBox2;
    QPushButton* BombIt;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label12;
    QLabel* Label10;
    QLabel* info;
    QFrame* Panel1;
    QGroupBox* GroupBox1;
    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* vLeft;
    QLabel* Label9;
    QLabel* dLeft;
    QLabel* Label11;
    QPushButton* sendit;
    // Image[1]..Image[25] the bomb field, Image[26]..Image[50] the own battlefield.
    std::array<qx::PictureCell*, 51> Image{};

    TNetWindow(NetSide side, const NetWindowLayout& layout, QWidget* parent);
    // A menu of the window that is still open goes with it (see the .cpp).
    void hideEvent(QHideEvent* event) override;

    // Sends the own battlefield to the peer, waiting for each confirmation
    // while the window keeps processing events. A second press during the
    // wait is ignored. False when not everything went out.
    bool RunSendPositions();
    // Judges and sends the bombing, reveals the opponent's figures of this
    // game (only the slots filled so far) and shows the two counters.
    BombOutcome RunBomb();
    // The chat line from nick and sendtext: logged, sent, input emptied.
    void RunChat();
    // The field rules: `changed` was edited, `other` is its partner field;
    // `active` is whether the server listens / the client is connected.
    void ApplyFieldRules(QLineEdit* changed, QLineEdit* other, bool active);
    // Hands a change of the window over to the user-interface thread (see the top of this file).
    void Post(std::function<void()> change);
    // The connection thread's input gate: whether the window keeps up (HandOver::HasRoom).
    bool KeepsUp(std::function<void()> resume) { return handOver_.HasRoom(std::move(resume)); }

    // The buttons' look and no default button; called once all buttons exist.
    void FinishButtons();
    static bool Blank(const QLineEdit* edit);
    static void EditLook(QLineEdit* edit);
    static void GamePanelLook(QFrame* panel);
    static void StandardButtonLook(QPushButton* button);
    static void FlatButtonLook(QPushButton* button);

    // The window's two-player game.
    TwoPlayerSession session;

private:
    void ShowCell(int cell, CellLook look);
    // A result label's text, and its name for a screen reader with the result in it.
    void ShowResult(QLabel* label, const QString& text);
    // Only the name: "Bomb result [ You won ]".
    void NameResult(QLabel* label, const QString& text);
    void BuildLeftColumn(const NetWindowLayout& layout);
    void BuildGamePanel(const NetWindowLayout& layout);
    void BuildBattlefieldPanel();
    // Tab order and label links, once every control exists.
    void ArrangeKeyboardOrder();

    qx::News* news_ = nullptr;
    WakeFd wakeFd_;
    HandOver handOver_;
    bool sending_ = false;
};

}  // namespace quorvex
