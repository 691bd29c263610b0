// The alpha value of a window: kept by us, shown the way the platform can.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace qx {

// The alpha value (0..255) of a window: kept by us and followed exactly. How it
// shows depends on the platform, and nothing is ever printed:
// - Opacity: as the window's opacity (X11 with a compositing manager).
// - Contents: the window is held back while the value is 0 and appears when it
//   first rises above 0; from then on its contents are painted at the value on
//   a translucent surface (Wayland, where a program cannot set a window's
//   opacity; the frame the toolkit draws stays opaque).
// - HoldBack: held back while 0 as above, then shown opaque (X11 without a
//   compositing manager, other platforms without window opacity).
// - KeepOnly: the value is only kept (headless platforms, where nothing is seen).
class AlphaBlend {
public:
    enum class Mode { Opacity, Contents, HoldBack, KeepOnly };
    // Which way a platform (by its Qt platform name) shows the value, on X11
    // by whether a compositing manager runs (asked of the display as each
    // window's blend is made).
    static Mode ModeFor(const QString& platformName, bool composited);
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

}  // namespace qx
