// What keyboard and screen-reader players need beyond the controls' own
// behaviour: a visible focus mark, readable texts, and a focus that is
// handed on where a pressed button takes itself out of reach.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QLabel;
class QMenuBar;
class QLineEdit;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace qx {

// A dotted ring over `control` while the keyboard has put the focus there
// (never after a click or the opening of a window), drawn black and white so
// it shows on every ground. With a `caption` (a label beside a figure), the
// ring goes round the texts of both, as they are read together.
void ShowFocusMark(QWidget* control, QLabel* caption = nullptr);

// A label a keyboard player reaches by Tab (from the first Tab pressed in its
// window on) and a screen reader reads, as `name` where given (a number with
// its caption), else as its text; its focus mark rings `caption` too.
void MakeReadable(QLabel* label, const QString& name = QString(), QLabel* caption = nullptr);

// Puts `second` right after `first` in their window's Tab order, also where
// one of them takes no focus yet (a readable label before the first Tab) or
// only the window lies between them, which QWidget::setTabOrder leaves alone.
void SetTabOrder(QWidget* first, QWidget* second);

// Has a screen reader read `edit`'s whole text. Qt 6.4 gives each character
// of a line edit an empty run of text attributes (from the offset to itself),
// and Orca 43 reads a focused field's line only as far as the runs it gets
// reach: one character short. The field's accessible text is the game's own,
// with one run over the whole text, and an empty field's focus is told before
// its cursor moves (which Orca would take for the focus, silently).
void ReadWhole(QLineEdit* edit);

// Has a screen reader speak a checkable menu entry's state both ways: Orca
// 43 says only "checked" of a menu entry, so an unchecked one is named
// "..., not checked".
void ReadAsSwitch(QAction* entry);

// Has a screen reader say a menu's title when the keyboard moves along the
// menu bar (Left, Right) from one open menu to the next. Qt puts the focus
// straight onto the new menu's first entry, so Orca would read only that:
// the menu opens with no entry chosen, its title keeping the focus, as the
// first menu opens by F10; Down chooses the first entry, Return opens it.
void SpeakMenuTitles(QMenuBar* bar);

// Hands the keyboard focus to `to`, whose description becomes `news`, so a
// screen reader speaks both; used where the focused button has just disabled
// itself. A focus mark follows only if the keyboard drove the window.
void HandFocusTo(QWidget* to, const QString& news = QString());

// Speaks `text` to a screen reader as news of `window`, wherever the focus is
// in it: a notification object, drawn nowhere, that shows itself anew for
// every text. Nothing is spoken while the window is hidden.
void Announce(QWidget* window, const QString& text);

// Lines a window shows by itself (a log, a status, a result), announced once
// each as they come: what arrives in one burst is spoken together, and more
// than kSpokenLines lines only as "N new lines", so a flood drowns nothing.
class News : public QObject {
    Q_OBJECT
public:
    static constexpr int kSpokenLines = 4;
    // A burst: what arrives within this time of its first line. Orca drops a
    // notification that comes amid a flood of other changes (a field redrawn,
    // positions exchanged), so the news also waits for those to pass.
    static constexpr int kBurstMs = 400;

    explicit News(QWidget* window, int burstMs = kBurstMs);
    void Add(const QString& line);
    // Announces what was gathered; the burst's timer calls it.
    void Flush();
    // What a burst of more than kSpokenLines lines is told as: "7 new lines".
    static QString NewLinesText(int count);

private:
    QWidget* window_;
    QTimer* timer_;
    QStringList lines_;
    int count_ = 0;
};

// A read-only text that the keyboard reads line by line: arrows, Ctrl+Home
// and Ctrl+End move a cursor, which is drawn only once a key was pressed in
// it; a focus mark shows as on every other control.
void MakeKeyboardReadable(QPlainTextEdit* text);

}  // namespace qx
