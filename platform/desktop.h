// What the desktop gives a window: waits that keep processing events, centring,
// the shell's "open", the alpha value, pictures and the game's fonts and colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <functional>
#include <optional>
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

// Asks the desktop to open a web address; when no browser can be started the
// player is told so in an information box.
void ShellOpen(const std::string& url);

// The alpha value (0..255) of a window: kept by us and followed exactly. How it
// shows depends on the platform, and nothing is ever printed:
// - Opacity: as the window's opacity (X11).
// - Contents: the window is held back while the value is 0 and appears when it
//   first rises above 0; from then on its contents are painted at the value on
//   a translucent surface (Wayland, where a program cannot set a window's
//   opacity; the frame the toolkit draws stays opaque).
// - HoldBack: held back while 0 as above, then shown opaque (other platforms
//   without window opacity).
// - KeepOnly: the value is only kept (headless platforms, where nothing is seen).
class AlphaBlend {
public:
    enum class Mode { Opacity, Contents, HoldBack, KeepOnly };
    // Which way a platform (by its Qt platform name) shows the value.
    static Mode ModeFor(const QString& platformName);
    // Tests choose the way for windows made later; `std::nullopt` returns to
    // the platform's own.
    static void SetModeForTests(std::optional<Mode> mode);

    // Made before the window has its native window (the Contents way needs a
    // translucent surface from the start).
    explicit AlphaBlend(QWidget* window);
    Mode Shows() const { return mode_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Value() const { return value_; }
    void SetValue(int value);
    // True while a request to show the window is to wait for the value to rise.
    bool HoldsBack() const {
        return (mode_ == Mode::HoldBack || mode_ == Mode::Contents) && enabled_ && value_ == 0 && !appeared_;
    }
    // The window calls this when it is shown at last; from then on it stays.
    void Appeared() { appeared_ = true; }
    // Called when the value first rises above 0 while a show was held back.
    void OnRelease(std::function<void()> release) { release_ = std::move(release); }

private:
    void Apply();
    void PaintContents(double level);

    QWidget* window_;
    Mode mode_;
    bool enabled_ = false;
    int value_ = 255;
    bool appeared_ = false;
    std::function<void()> release_;
    QWidget* veil_ = nullptr;  // owned by the window
};

// Decodes JPEG bytes with libjpeg; a null image when they are not a JPEG.
QImage DecodeJpeg(const QByteArray& data);
// Loads a JPEG from the compiled-in resources (":/assets/...").
QPixmap JpegResource(const QString& path);
// Loads a PNG picture from the resources.
QPixmap Picture(const QString& path);
// Both take the picture's twice-as-large version ("name@2x.ext") on scaled
// screens and give it the screen's pixel ratio, so its size in logical pixels
// is that of the picture itself.
QString PictureAtTwice(const QString& path);
// The pixel ratio pictures are made for: the largest of the screens'.
qreal PictureRatio();

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
