// Builders for the fixed-position controls the windows are made of. Every
// control gets its component name as objectName, so tests find it by name.
#pragma once

#include "platform/dialogs.h"

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
class PictureCell : public QLabel {
    Q_OBJECT
public:
    PictureCell(QWidget* parent, const QString& name, int number);
    int Number() const { return number_; }
    void SetPicture(const QPixmap& pixmap);
    const QPixmap& CurrentPicture() const { return current_; }
    // Which of the named pictures it shows (for tests and reveal logic).
    QString PictureName() const { return pictureName_; }
    void SetPicture(const QPixmap& pixmap, const QString& name);

signals:
    void clicked(int number);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A disabled cell still shows its picture unchanged (no greying).
    void paintEvent(QPaintEvent* event) override;

private:
    int number_;
    QPixmap current_;
    QString pictureName_;
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
// A label of fixed size with the given alignment.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect rect, const QFont& font,
                  const QColor& colour, Qt::Alignment align);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                        bool flat = true, const QPixmap& icon = QPixmap());
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
