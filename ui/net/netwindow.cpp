#include "ui/net/netwindow.h"

#include "ui/game/gametexts.h"

#include "ui/net/nettexts.h"
#include "ui/platform/access.h"
#include "ui/platform/ansi.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "core/platform/flagscope.h"
#include "ui/platform/look.h"
#include "core/platform/text.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTextBlock>

#include <algorithm>

namespace quorvex {

namespace {
const QColor kStatusBlue{0, 0, 80};
const QColor kDisabledText{128, 128, 128};
const QColor kResultRed{255, 0, 0};

QFont WindowFont() { return qx::VerdanaPx(11, true); }

// The bomb field's marking, under the bomb button: worded as the main
// window's, so both fields say the same in every language.
MarkingState Marking(const MarkView& v) {
    MarkingState m;
    m.kind = v.canBomb ? MarkingKind::Ready : v.tooMany ? MarkingKind::TooMany : MarkingKind::FieldsLeft;
    m.fieldsLeft = v.fieldsLeft;
    return m;
}
QString MarkingText(const MarkView& v) { return quorvex::MarkingText(Marking(v)); }
// Marks a bombing takes.
constexpr int kMarksPerBomb = 5;

// Whether a popup was opened from the window, by one of its controls or from
// one of its menus (a submenu).
bool OpenedFrom(const QWidget* popup, const QWidget* window) {
    for (const QWidget* owner = popup->parentWidget(); owner; owner = owner->window()->parentWidget())
        if (owner->window() == window) return true;
    return false;
}
}  // namespace

TNetWindow::TNetWindow(NetSide side, const NetWindowLayout& layout, QWidget* parent)
    : QDialog(parent),
      session(side, *this),
      // Called on the connection thread: no toolkit call there, only the event
      // the window's loop watches; many wake-ups before a turn make one.
      handOver_([this] { wakeFd_.Signal(); }) {
    auto* wake = new QSocketNotifier(static_cast<qintptr>(wakeFd_.Fd()), QSocketNotifier::Read, this);
    connect(wake, &QSocketNotifier::activated, this, [this] {
        wakeFd_.Clear();
        qx::Guard([this] { handOver_.ApplyBatch(kHandOverBatch); });
    });
    // The transport's errors in the windows' words wherever they are reported.
    qx::SetErrorWording(&NetErrorWording);
    qx::SetupToolWindow(this, layout.objectName, layout.caption, 575, 355);
    setFont(WindowFont());
    qx::SetColours(this, qx::kLime, Qt::black);

    LoadFieldPictures();
    news_ = new qx::News(this);

    BuildLeftColumn(layout);
    BuildGamePanel(layout);
    BuildBattlefieldPanel();
}

void TNetWindow::EditLook(QLineEdit* edit) {
    edit->setFont(WindowFont());
    // A disabled field shows its text greyed, like the buttons.
    edit->setStyleSheet(edit->styleSheet() + QStringLiteral(" QLineEdit:disabled { color: %1; }").arg(kDisabledText.name()));
}

void TNetWindow::FinishButtons() {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        // Enter belongs to the chat input: no button of the window takes it.
        b->setAutoDefault(false);
        b->setDefault(false);
        b->isFlat() ? FlatButtonLook(b) : StandardButtonLook(b);
    }
    ArrangeKeyboardOrder();
}

void TNetWindow::ArrangeKeyboardOrder() {
    // The second text field (server name or address) follows the nickname.
    auto* second = qobject_cast<QLineEdit*>(nick->nextInFocusChain());
    if (second) qx::LinkLabel(Label2, second);
    // Connect, place, send, mark, bomb, play again; then the log and the chat.
    std::vector<QWidget*> order{nick};
    if (second) order.push_back(second);
    order.insert(order.end(), {start, stop});
    for (int n = kFirstOwnCell; n <= kLastOwnCell; ++n) order.push_back(Image[static_cast<std::size_t>(n)]);
    order.push_back(sendit);
    order.push_back(Label11);
    for (int n = 1; n <= kBombFieldCells; ++n) order.push_back(Image[static_cast<std::size_t>(n)]);
    order.insert(order.end(), {BombIt, Label12});
    for (QPushButton* b : GamePanel->findChildren<QPushButton*>())
        if (b != BombIt) order.push_back(b);
    order.insert(order.end(), {Memo1, sendtext, send});
    for (std::size_t i = 1; i < order.size(); ++i) qx::SetTabOrder(order[i - 1], order[i]);
}

TNetWindow::~TNetWindow() = default;

void TNetWindow::hideEvent(QHideEvent* event) {
    // A close request from the window system (its close box) can come while
    // the server name's menu is open. The menu is a window of its own that
    // would stay open after this one, holding the keyboard and mouse.
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!OpenedFrom(popup, this) || !popup->close()) break;
    }
    QDialog::hideEvent(event);
}

void TNetWindow::GamePanelLook(QFrame* panel) {
    // Black like the window, so that its lime text stays readable; the bevel sets it apart.
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::black);
    panel->setPalette(p);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
}

void TNetWindow::StandardButtonLook(QPushButton* button) {
    // A standard push button draws its caption in the desktop's button colours.
    QPalette p = button->palette();
    p.setColor(QPalette::Button, qx::kFace);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
    button->setPalette(p);
}

void TNetWindow::FlatButtonLook(QPushButton* button) {
    QPalette p = button->palette();
    p.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
    button->setPalette(p);
}

void TNetWindow::BuildLeftColumn(const NetWindowLayout& layout) {
    const QFont font = WindowFont();
    Label1 = qx::MakeLabel(this, QStringLiteral("Label1"), tr("Nickname"), 8, 8, font, Qt::white);
    nick = qx::MakeEdit(this, QStringLiteral("nick"), QRect(8, 24, 233, 21));
    EditLook(nick);
    qx::LinkLabel(Label1, nick);
    Label2 = qx::MakeLabel(this, QStringLiteral("Label2"), layout.label2Text, 8, 48, font, Qt::white);
    start = qx::MakeButton(this, QStringLiteral("start"), layout.startCaption, QRect(8, layout.buttonsTop, 113, 25));
    stop = qx::MakeButton(this, QStringLiteral("stop"), layout.stopCaption, QRect(128, layout.buttonsTop, 113, 25));
    stop->setEnabled(false);
    Memo1 = qx::MakeMemo(this, QStringLiteral("Memo1"), layout.memo);
    Memo1->setFont(font);
    Memo1->setAccessibleName(tr("Log"));
    qx::MakeKeyboardReadable(Memo1);
    Memo1->setMaximumBlockCount(kLogLines);  // also drops the undo history
    qx::SetColours(Memo1, qx::kLime, Qt::black);
    sendtext = qx::MakeEdit(this, QStringLiteral("sendtext"), QRect(8, 328, 201, 21));
    EditLook(sendtext);
    sendtext->setAccessibleName(tr("Chat message"));
    sendtext->setEnabled(false);
    send = qx::MakeButton(this, QStringLiteral("send"), QString(), QRect(216, 328, 23, 22), true,
                          qx::ButtonIcon(QStringLiteral("send")));
    qx::NamePicture(send, tr("Send"));
    send->setEnabled(false);
}

void TNetWindow::BuildGamePanel(const NetWindowLayout& layout) {
    const QFont font = WindowFont();
    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    GamePanel = qx::MakePanel(this, QStringLiteral("GamePanel"), QRect(248, 8, 322, 156));
    GamePanelLook(GamePanel);
    GroupBox2 = qx::MakeGroupBox(GamePanel, QStringLiteral("GroupBox2"), tr(" Bomb here "),
                                 QRect(8, 4, 138, 146));
    BombIt = qx::MakeButton(GamePanel, QStringLiteral("BombIt"),
                            //: The bomb button: the game's name as a battle cry.
                            tr("Quorvex!"), QRect(152, 8, 162, 42),
                            false);
    BombIt->setEnabled(false);
    Label3 = qx::MakeLabel(GamePanel, QStringLiteral("Label3"), tr("Bombed Victims:"),
                           QRect(152, 54, 165, 14), font, qx::kLime, left);
    Label4 = qx::MakeLabel(GamePanel, QStringLiteral("Label4"), tr("Bombed Dragons:"),
                           QRect(152, 68, 165, 14), font, qx::kLime, left);
    Label12 = qx::MakeLabel(GamePanel, QStringLiteral("Label12"),
                            //: A result label before any bombing.
                            tr("[ result ]"),
                            QRect(152, 88, 161, 16), font, kResultRed, centred);
    qx::MakeReadable(Label12);
    ShowResult(Label12, Label12->text());
    Label10 = qx::MakeLabel(GamePanel, QStringLiteral("Label10"), MarkingText(MarkView{}),
                            QRect(152, layout.label10Top, 161, 13), font, qx::kLime, centred);

    info = new QLabel(this);
    info->setTextFormat(Qt::PlainText);  // status texts carry names from the peer
    //: The status panel before a game.
    info->setText(tr(".... idle ..."));
    info->setObjectName(QStringLiteral("info"));
    info->setGeometry(248, 166, 321, 25);
    info->setFont(font);
    info->setAlignment(Qt::AlignCenter);
    info->setFrameShape(QFrame::Panel);
    info->setFrameShadow(QFrame::Raised);
    qx::SetColours(info, qx::kLime, kStatusBlue);

    const auto field = BuildField(GroupBox2, 1, FieldKind::Bomb, [this](int c) { Image1Click(c); });
    std::copy(field.begin(), field.end(), Image.begin() + 1);
}

void TNetWindow::BuildBattlefieldPanel() {
    const QFont font = WindowFont();
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    Panel1 = qx::MakePanel(this, QStringLiteral("Panel1"), QRect(248, 194, 322, 156));
    GamePanelLook(Panel1);
    GroupBox1 = qx::MakeGroupBox(Panel1, QStringLiteral("GroupBox1"), tr(" Set here "),
                                 QRect(8, 4, 138, 146));
    Label6 = qx::MakeLabel(Panel1, QStringLiteral("Label6"), tr("1st click: place Victim"), 152, 8, font,
                           qx::kLime);
    Label5 = qx::MakeLabel(Panel1, QStringLiteral("Label5"), tr("2nd click: place Dragon"), 152, 20, font,
                           qx::kLime);
    Label7 = qx::MakeLabel(Panel1, QStringLiteral("Label7"), tr("3rd click: place nothing"), 152, 32, font,
                           qx::kLime);
    Label8 = qx::MakeLabel(Panel1, QStringLiteral("Label8"), tr("Victims left:"), 152, 48, font, qx::kLime);
    vLeft = qx::MakeLabel(Panel1, QStringLiteral("vLeft"), QStringLiteral("5"), QRect(232, 48, 40, 14), font,
                          qx::kLime, left);
    Label9 = qx::MakeLabel(Panel1, QStringLiteral("Label9"), tr("Dragons left:"), 152, 60, font, qx::kLime);
    dLeft = qx::MakeLabel(Panel1, QStringLiteral("dLeft"), QStringLiteral("5"), QRect(232, 60, 40, 14), font,
                          qx::kLime, left);
    Label11 = qx::MakeLabel(Panel1, QStringLiteral("Label11"), tr("[ result ]"), QRect(152, 80, 161, 16),
                            font, kResultRed, Qt::AlignHCenter | Qt::AlignVCenter);
    qx::MakeReadable(Label11);
    ShowResult(Label11, Label11->text());
    sendit = qx::MakeButton(Panel1, QStringLiteral("sendit"), tr("Send battlefield"),
                            QRect(152, 104, 162, 42), false);
    sendit->setEnabled(false);

    const auto field = BuildField(GroupBox1, kFirstOwnCell, FieldKind::Own, [this](int c) { Image26Click(c); });
    std::copy(field.begin(), field.end(), Image.begin() + kFirstOwnCell);
}

void TNetWindow::ShowCell(int cell, CellLook look) {
    ShowLook(Image[static_cast<std::size_t>(cell)], look, cell >= kFirstOwnCell ? FieldKind::Own : FieldKind::Bomb);
}

// ---------------------------------------------------------------------------
// Hand-over to the user-interface thread

void TNetWindow::Post(std::function<void()> change) { handOver_.Post(std::move(change)); }

void TNetWindow::ApplyPending() { handOver_.ApplyPending(); }

// Every line the window shows by itself is also told to a screen reader
// (qx::News), wherever the player's focus is.
void TNetWindow::AppendLog(const std::string& line) {
    Post([this, text = qx::ShownText(line)] {
        Memo1->appendPlainText(text);
        news_->Add(text);
    });
}

// The opponent's result comes as a label's change and a note; it is spoken
// once, saying whose bombing it was, then how it went for this player.
void TNetWindow::AppendNote(const GameNote& note) {
    const QString peerBomb = PeerBombNews(note);
    if (peerBomb.isEmpty()) return AppendShown(GameNoteText(note));
    Post([this, text = GameNoteText(note), peerBomb] {
        Memo1->appendPlainText(text);
        news_->Add(peerBomb);
        news_->Add(Label11->accessibleName());
    });
}

void TNetWindow::AppendShown(const QString& text) {
    Post([this, text] {
        Memo1->appendPlainText(text);
        news_->Add(text);
    });
}

void TNetWindow::SetStatus(GameStatus status) {
    Post([this, t = GameStatusText(status)] {
        // Repeated for every position received: told once.
        if (info->text() != t) news_->Add(t);
        info->setText(t);
    });
}

void TNetWindow::SetBattlefieldResult(BombResult result) {
    Post([this, t = BombResultText(result)] { ShowResult(Label11, t); });
}

// The own bomb's result is read where the keyboard's focus goes after the bomb.
void TNetWindow::SetBombResult(BombResult result) {
    Post([this, t = BombResultText(result)] { ShowResult(Label12, t); });
}

void TNetWindow::ShowResult(QLabel* label, const QString& text) {
    label->setText(text);
    NameResult(label, text);
}

void TNetWindow::NameResult(QLabel* label, const QString& text) {
    //: The result labels' names for a screen reader; %1 is the result they show.
    label->setAccessibleName((label == Label11 ? tr("Battlefield result %1") : tr("Bomb result %1")).arg(text));
}

void TNetWindow::ResetGameView() {
    Post([this] {
        for (int n = kFirstOwnCell; n <= kLastOwnCell; ++n) {
            ShowCell(n, CellLook::Smile);
            Image[static_cast<std::size_t>(n)]->setEnabled(true);
        }
        for (int n = 1; n <= kBombFieldCells; ++n) ShowCell(n, CellLook::Smile);
        Label10->setText(MarkingText(MarkView{}));
        vLeft->setText(QStringLiteral("5"));
        dLeft->setText(QStringLiteral("5"));
        // The last game's results stay drawn, but are not read as this game's.
        NameResult(Label11, tr("[ result ]"));
        NameResult(Label12, tr("[ result ]"));
    });
}

std::vector<std::string> TNetWindow::LogLines() {
    ApplyPending();
    std::vector<std::string> lines;
    if (Memo1->document()->isEmpty()) return lines;
    for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next()) lines.push_back(qx::ToAnsi(b.text()));
    return lines;
}

// ---------------------------------------------------------------------------
// Shared handlers

void TNetWindow::ShowNick(const std::string& name) { nick->setText(qx::FromAnsi(name)); }

void TNetWindow::ResetNetGame() { session.NewGame(); }

void TNetWindow::Image26Click(int cell) {
    if (cell < kFirstOwnCell || cell > kLastOwnCell) return;
    const PlaceView v = session.PlaceOwn(cell);
    ShowCell(v.cell, v.look);
    vLeft->setText(QString::number(v.victimsLeft));
    dLeft->setText(QString::number(v.dragonsLeft));
    sendit->setEnabled(v.canSend);
    qx::Announce(this, FiguresLeftNews(v.victimsLeft, v.dragonsLeft));
}

void TNetWindow::Image1Click(int cell) {
    if (cell < 1 || cell > kBombFieldCells) return;
    const MarkView v = session.ToggleMark(cell);
    ShowCell(v.cell, v.look);
    Label10->setText(MarkingText(v));
    BombIt->setEnabled(v.canBomb);
    // Told as the single-player field tells its marks.
    qx::Announce(this, MarksLeftText(kMarksPerBomb - v.fieldsLeft, Marking(v)));
}

bool TNetWindow::RunSendPositions() {
    if (sending_) return false;  // already waiting inside an earlier press
    qx::FlagScope scope(sending_);
    return session.SendPositions([](int ms) { qx::PumpingDelay(static_cast<std::uint16_t>(ms)); });
}

BombOutcome TNetWindow::RunBomb() {
    const bool keyboard = BombIt->hasFocus();
    const BombView v = session.Bomb();
    // The result label is read with the bombing's figures. The bomb button
    // disables itself: a keyboard player's focus goes on to the result, shown
    // first so that a screen reader speaks it; a mouse player hears it as news.
    ApplyPending();
    Label12->setAccessibleName(OwnBombNews(v.outcome.result, v.outcome.victimHits, v.outcome.dragonHits));
    if (keyboard)
        qx::HandFocusTo(Label12);
    else
        news_->Add(Label12->accessibleName());
    for (const auto& [cell, look] : v.figures) ShowCell(cell, look);
    for (const auto& [cell, marked] : v.emptyCells) AnnounceEmptyCell(Image[static_cast<std::size_t>(cell)], marked);
    Label3->setText(BombedVictimsText(v.outcome.victimHits));
    Label4->setText(BombedDragonsText(v.outcome.dragonHits));
    return v.outcome;
}

void TNetWindow::RunChat() {
    session.SendChat(qx::ToAnsi(nick->text()), qx::ToAnsi(sendtext->text()));
    sendtext->clear();
}

bool TNetWindow::Blank(const QLineEdit* edit) { return qx::Trim(qx::ToAnsi(edit->text())).empty(); }

void TNetWindow::ApplyFieldRules(QLineEdit* changed, QLineEdit* other, bool active) {
    if (Blank(changed)) {
        if (active) {
            sendtext->setEnabled(false);
            send->setEnabled(false);
        } else {
            start->setEnabled(false);
        }
        if (!changed->text().isEmpty()) changed->clear();  // runs the rules once more, on an empty field
    } else if (!Blank(other)) {
        if (active) {
            sendtext->setEnabled(true);
            send->setEnabled(true);
        } else {
            start->setEnabled(true);
        }
    }
}

}  // namespace quorvex
