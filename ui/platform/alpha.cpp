#include "ui/platform/alpha.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace qx {

namespace {
// On X11 the opacity is a window property whose change Qt only queues; the
// queue goes out when something else is sent. A fade repaints nothing, so
// each step would wait for the next mouse move: send it at once.
void ApplyOpacity(QWidget* window, double level) {
    window->setWindowOpacity(level);
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t* connection = x11->connection()) xcb_flush(connection);
}
}  // namespace

namespace {
std::optional<AlphaBlend::Mode> g_modeForTests;

// Whether a compositing manager runs on the X11 screen: it owns the selection
// _NET_WM_CM_S<screen>. Only it shows a window's opacity. True where it cannot
// be told, so the window is shown as before.
bool X11Composited() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return true;
    // The screen of DISPLAY (":0.1" is screen 1), the first one by default.
    int screen = 0;
    if (const char* display = std::getenv("DISPLAY")) {
        const char* colon = std::strrchr(display, ':');
        const char* dot = colon ? std::strchr(colon, '.') : nullptr;
        if (dot) screen = std::atoi(dot + 1);
    }
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    if (!atom) return true;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) return false;  // no compositor ever claimed it
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    if (!owner) return true;
    const bool owned = owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}

AlphaBlend::Mode PlatformMode() {
    const QString name = qGuiApp ? QGuiApplication::platformName() : QString();
    return AlphaBlend::ModeFor(name, name != QLatin1String("xcb") || X11Composited());
}
}  // namespace

AlphaBlend::Mode AlphaBlend::ModeFor(const QString& platformName, bool composited) {
    // Platforms whose windows take an opacity; the others warn on every change.
    // X11 shows it only through a compositing manager: without one a window
    // at 0 would be seen opaque, so it is held back as where there is none.
    if (platformName == QLatin1String("xcb")) return composited ? Mode::Opacity : Mode::HoldBack;
    if (platformName == QLatin1String("windows") || platformName == QLatin1String("cocoa"))
        return Mode::Opacity;
    if (platformName.startsWith(QLatin1String("wayland"))) return Mode::Contents;
    // Nothing is seen there: showing the window as asked keeps it testable.
    if (platformName == QLatin1String("offscreen") || platformName == QLatin1String("minimal"))
        return Mode::KeepOnly;
    return Mode::HoldBack;
}

void AlphaBlend::SetModeForTests(std::optional<Mode> mode) { g_modeForTests = mode; }

AlphaBlend::AlphaBlend(QWidget* window)
    : window_(window),
      mode_(g_modeForTests ? *g_modeForTests : PlatformMode()) {
    if (mode_ == Mode::Contents) {
        window_->setAttribute(Qt::WA_TranslucentBackground);
        // Translucent only below full level: the window's own background stays painted.
        window_->setAutoFillBackground(true);
    }
}

namespace {
// Lies over the whole window while its contents are painted at a level below
// full: it replaces the window's pixels, alpha included, by a picture of the
// contents at that level. Clicks go through to the controls beneath.
class Veil : public QWidget {
public:
    explicit Veil(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("AlphaVeil"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    void SetFrame(QImage frame) {
        frame_ = std::move(frame);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(rect(), frame_);
    }

private:
    QImage frame_;
};
}  // namespace

// The window's surface is translucent; at full level the window paints as it
// always does, below it the veil shows the contents at the level.
void AlphaBlend::PaintContents(double level) {
    auto* veil = static_cast<Veil*>(veil_);
    if (level >= 1.0) {
        if (veil) veil->hide();
        return;
    }
    if (!veil) {
        veil = new Veil(window_);
        veil_ = veil;
    }
    // Each part paints its own ground: the surface beneath is transparent.
    for (QWidget* part : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (part != veil && !part->isWindow()) part->setAutoFillBackground(true);
    const qreal ratio = window_->devicePixelRatioF();
    QImage contents(window_->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    contents.setDevicePixelRatio(ratio);
    contents.fill(Qt::transparent);
    for (QWidget* part : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (part != veil && !part->isWindow() && !part->isHidden()) part->render(&contents, part->pos());
    QImage faded(contents.size(), QImage::Format_ARGB32_Premultiplied);
    faded.setDevicePixelRatio(ratio);
    faded.fill(Qt::transparent);
    {
        QPainter p(&faded);
        p.setOpacity(level);
        p.drawImage(QPoint(0, 0), contents);
    }
    veil->setGeometry(window_->rect());
    veil->raise();
    veil->SetFrame(std::move(faded));
    veil->show();
}

void AlphaBlend::Apply() {
    switch (mode_) {
        case Mode::Opacity:
            ApplyOpacity(window_, enabled_ ? value_ / 255.0 : 1.0);
            break;
        case Mode::Contents:
            PaintContents(enabled_ ? value_ / 255.0 : 1.0);
            [[fallthrough]];
        case Mode::HoldBack:
            if (!appeared_ && !HoldsBack() && release_) release_();
            break;
        case Mode::KeepOnly:
            break;
    }
}

void AlphaBlend::SetEnabled(bool on) {
    enabled_ = on;
    Apply();
}

void AlphaBlend::SetValue(int value) {
    value_ = value < 0 ? 0 : (value > 255 ? 255 : value);
    if (enabled_ || mode_ != Mode::Opacity) Apply();
}

}  // namespace qx
