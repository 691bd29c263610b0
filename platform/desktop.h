// What the desktop gives a window: waits that keep processing events, centring,
// the shell's "open", the alpha value, pictures and the game's fonts and colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <string>

class QWidget;

namespace qx {

// Processes waiting window events until the tick count has advanced by more
// than `ms`; on a thread without window events a plain sleep.
void PumpingDelay(std::uint16_t ms);

// True on the thread that runs the windows.
bool OnUiThread();

// left = (screen width - width) div 2, top = (screen height - height) div 2.
void CentreOnScreen(QWidget* window);

// Asks the desktop to open a web address; failures are ignored.
void ShellOpen(const std::string& url);

// The alpha value (0..255) of a window: kept by us, applied as opacity, and
// readable where the platform cannot show transparency.
class AlphaBlend {
public:
    explicit AlphaBlend(QWidget* window) : window_(window) {}
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Value() const { return value_; }
    void SetValue(int value);

private:
    QWidget* window_;
    bool enabled_ = false;
    int value_ = 255;
};

// Decodes JPEG bytes with libjpeg; a null image when they are not a JPEG.
QImage DecodeJpeg(const QByteArray& data);
// Loads a JPEG from the compiled-in resources (":/assets/...").
QPixmap JpegResource(const QString& path);
// Loads a PNG picture from the resources.
QPixmap Picture(const QString& path);

// Fonts: Verdana where installed, else DejaVu Sans; sizes in pixels or points.
QFont VerdanaPx(int px, bool bold = false);
QFont VerdanaPt(int pt, bool bold = false);
QFont MonoPt(int pt);     // "Lucida Console", else DejaVu Sans Mono
QFont SansSerifPx(int px);  // "MS Sans Serif", else DejaVu Sans

inline const QColor kLime{0, 255, 0};
inline const QColor kNavy{0, 0, 128};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kGreen{0, 128, 0};

// Sets a widget's text colour (and background, when given) through its palette.
void SetColours(QWidget* w, const QColor& text, const QColor& background = QColor());

}  // namespace qx
