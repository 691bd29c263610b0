// What keyboard and screen-reader players need beyond the controls' own
// behaviour: a visible focus mark, readable texts, and a focus that is
// handed on where a pressed button takes itself out of reach.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace qx {

// A dotted ring over `control` while the keyboard has put the focus there
// (never after a click or the opening of a window), drawn black and white so
// it shows on every ground.
void ShowFocusMark(QWidget* control);

// A label a keyboard player reaches by Tab (from the first Tab pressed in its
// window on) and a screen reader reads, as `name` where given (a number with
// its caption), else as its text.
void MakeReadable(QLabel* label, const QString& name = QString());

// Hands the keyboard focus to `to`, whose description becomes `news`, so a
// screen reader speaks both; used where the focused button has just disabled
// itself. A focus mark follows only if the keyboard drove the window.
void HandFocusTo(QWidget* to, const QString& news = QString());

}  // namespace qx
