// The game's fonts and colours.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace qx {

// Fonts: Verdana where installed, else DejaVu Sans; sizes in pixels or points.
QFont VerdanaPx(int px, bool bold = false);
QFont VerdanaPt(int pt, bool bold = false);
QFont MonoPt(int pt);     // "Lucida Console", else DejaVu Sans Mono
QFont SansSerifPx(int px);  // "MS Sans Serif", else DejaVu Sans

inline const QColor kLime{0, 255, 0};
inline const QColor kNavy{0, 0, 128};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kGreen{0, 128, 0};
// The face of buttons and dialogs in the desktop colours the game was made for.
inline const QColor kFace{212, 208, 200};

// Sets a widget's text colour (and background, when given) through its palette.
void SetColours(QWidget* w, const QColor& text, const QColor& background = QColor());

}  // namespace qx
