// Builders for the fixed-position controls the windows are made of. Every
// control gets its component name as objectName, so tests find it by name.
#pragma once

#include "ui/platform/dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QValidator>

namespace qx {

// A 25 by 25 picture control that shows its picture stretched and reports
// clicks while enabled (the cells of the fields).
//
// For keyboard players a cell takes focus by Tab (never by a click, so a mouse
// player sees nothing new), the arrow keys move to the neighbouring enabled cell
// of the same field, Tab leaves the field, and Space or Enter reports a click.
// A screen reader sees a button named after the cell's place in its 5 by 5
// field ("Cell 7, row 2, column 2") whose description is the cell's state.
// A change of state while it has the focus is announced at once.
// The focus frame shows only after the keyboard moved the focus in the window.
// A cell that takes no clicks (a revealed field) can still be reached by the
// keyboard and read; a disabled one cannot.
class PictureCell : public QLabel {
    Q_OBJECT
public:
    PictureCell(QWidget* parent, const QString& name, int number);
    void SetPicture(const QPixmap& pixmap);
    // Which of the named pictures it shows (for tests and reveal logic).
    QString PictureName() const { return pictureName_; }
    void SetPicture(const QPixmap& pixmap, const QString& name);
    // 1..25: the cell's place in its field, row by row.
    int Place() const { return (number_ - 1) % (kSide * kSide) + 1; }
    // What a screen reader announces as the cell's state ("marked", "Victim hit").
    void SetStateText(const QString& state);
    QString StateText() const { return accessibleDescription(); }
    // Whether the state counts as checked for assistive tools (a marked cell).
    void SetChecked(bool on);
    bool IsChecked() const { return checked_; }
    // What Space, Enter and the screen reader's press action do: a click.
    void Activate();
    // Whether clicks, Space and Enter reach the field (enabled cells only).
    void SetClickable(bool on);
    bool IsClickable() const { return clickable_ && isEnabled(); }

    static constexpr int kSide = 5;

signals:
    void clicked(int number);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab leaves the field instead of walking through its 25 cells.
    bool focusNextPrevChild(bool next) override;
    // A disabled cell still shows its picture unchanged (no greying).
    void paintEvent(QPaintEvent* event) override;

private:
    // The name a screen reader gives the cell at `place` (1 to 25).
    static const QString& CellName(int place);
    // The enabled cell of the same field `rows` rows and `columns` columns
    // away, stepping over disabled ones; null at the field's edge.
    PictureCell* Neighbour(int rows, int columns) const;
    // Marks the window as driven by the keyboard, so the focus frame shows.
    void ShowKeyboardFocus();
    // Has a screen reader speak the focused cell again, with its new state.
    void AnnounceAgain();

    int number_;
    QPixmap current_;
    QString pictureName_;
    bool checked_ = false;
    bool clickable_ = true;
};

// The validator of every one-line field: line breaks that arrive by paste or
// by setText become blanks (CR LF counts as one break), so a field never
// holds CR or LF. It never rejects anything.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// `text` with every line break (CR LF, CR or LF) turned into one blank.
QString WithoutLineBreaks(const QString& text);

// Makes `w` a fixed-size tool window with the given client size and caption.
void SetupToolWindow(QWidget* w, const QString& objectName, const QString& caption, int width, int height,
                     const QColor& background = Qt::black);

// Labels show their text as it is: names, counters and status lines come from
// files, fields and the peer, so nothing in them is read as markup.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, const QFont& font,
                  const QColor& colour);
// Sizes a label to its text as QLabel::adjustSize does, measuring the text
// once where the label's own size hints measure it three times; a label that
// is not plain text on one measure (markup, wrapping, a margin, a frame, a
// picture, a focus stop, which lays its text out as a document) is left to
// adjustSize.
void FitText(QLabel* label);
// A label of fixed size with the given alignment.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect rect, const QFont& font,
                  const QColor& colour, Qt::Alignment align);
// Every button takes focus by Tab, is pressed with Space or Enter and shows a
// focus mark when the keyboard brought the focus; a flat button never takes
// focus by a click.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                        bool flat = true, const QPixmap& icon = QPixmap());
// Names a control that shows only a picture, for screen readers.
void NamePicture(QWidget* w, const QString& name);
// Links a caption label to the control it names, so the control is announced
// by the caption's text.
void LinkLabel(QLabel* label, QWidget* control);
// A one-line field with the SingleLineValidator.
QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect rect, const QColor& text = QColor(0, 255, 0),
                    const QColor& background = Qt::black);
QPlainTextEdit* MakeMemo(QWidget* parent, const QString& name, QRect rect);
QGroupBox* MakeGroupBox(QWidget* parent, const QString& name, const QString& caption, QRect rect);
QFrame* MakePanel(QWidget* parent, const QString& name, QRect rect, const QColor& background = QColor());
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect rect);

// Small icons drawn for flat buttons (":/assets/icons/<name>.png").
QPixmap ButtonIcon(const QString& name);

// Connects a signal to a window's handler (a member function without
// arguments), run inside Guard() like every handler.
template <class Sender, class Signal, class Window, class Handler>
void ConnectHandler(Sender* sender, Signal signal, Window* window, Handler handler) {
    QObject::connect(sender, signal, window, [window, handler] { Guard([&] { (window->*handler)(); }); });
}

// A stopped timer of a window, named like its component; each tick runs
// `tick` guarded.
template <class Window, class Handler>
QTimer* MakeTimer(Window* window, const QString& name, int intervalMs, Handler tick) {
    auto* timer = new QTimer(window);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    ConnectHandler(timer, &QTimer::timeout, window, tick);
    return timer;
}

}  // namespace qx
