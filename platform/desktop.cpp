#include "platform/desktop.h"

#include "platform/dialogs.h"
#include "platform/random.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <jpeglib.h>
#include <csetjmp>
#include <thread>
#include <xcb/xcb.h>

namespace qx {

bool OnUiThread() {
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void PumpingDelay(std::uint16_t ms) {
    if (!OnUiThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms + 1));
        return;
    }
    const std::uint64_t start = TickCount();
    // Sleep in the event loop rather than spin: a timer wakes it at the end.
    while (TickCount() - start <= ms) {
        QEventLoop loop;
        const auto left = static_cast<int>(ms + 1 - (TickCount() - start));
        QTimer::singleShot(left > 0 ? left : 1, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->geometry();
    window->move((s.width() - window->width()) / 2, (s.height() - window->height()) / 2);
}

void ShellOpen(const std::string& url) {
    auto* script = ActiveScript();
    if (script) {
        script->openedUrls.push_back(url);
        if (!script->useShell) return;
    }
    // Without a browser (or xdg-open) to start, a click would do nothing at all.
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(url))))
        ShowMessage("No web browser could be started for " + url + "\nPlease open the address in a browser yourself.");
}

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
}

AlphaBlend::Mode AlphaBlend::ModeFor(const QString& platformName) {
    // Platforms whose windows take an opacity; the others warn on every change.
    if (platformName == QLatin1String("xcb") || platformName == QLatin1String("windows") ||
        platformName == QLatin1String("cocoa"))
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
      mode_(g_modeForTests ? *g_modeForTests : ModeFor(qGuiApp ? QGuiApplication::platformName() : QString())) {
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

namespace {
struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};
void OnJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }
void QuietJpeg(j_common_ptr, int) {}
}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    jpeg_decompress_struct info{};
    JpegError err{};
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    err.mgr.emit_message = QuietJpeg;
    QImage image;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

namespace {
QImage JpegFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QImage();
    return DecodeJpeg(f.readAll());
}

// On scaled screens a picture is drawn from its twice-as-large version, so it
// stays sharp while it keeps its size in the layout.
QPixmap ForScreen(const QString& path, const std::function<QImage(const QString&)>& load) {
    const qreal ratio = PictureRatio();
    if (ratio <= 1.0) return QPixmap::fromImage(load(path));
    QImage large = load(PictureAtTwice(path));
    if (large.isNull()) return QPixmap::fromImage(load(path));
    const QSize logical = large.size() / 2;
    if (!qFuzzyCompare(ratio, 2.0)) {
        const QSize wanted(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
        large = large.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(large);
    pixmap.setDevicePixelRatio(static_cast<qreal>(large.width()) / logical.width());
    return pixmap;
}
}  // namespace

qreal PictureRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

QString PictureAtTwice(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot < 0 || dot < slash) return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap JpegResource(const QString& path) { return ForScreen(path, JpegFile); }

QPixmap Picture(const QString& path) {
    // At scale 1 exactly the file as it is.
    if (PictureRatio() <= 1.0) return QPixmap(path);
    return ForScreen(path, [](const QString& p) { return QImage(p); });
}

namespace {
QString Family(const QStringList& wanted) {
    // Asked for every label; the installed families do not change during a run.
    static const QStringList have = QFontDatabase::families();
    for (const auto& w : wanted)
        if (have.contains(w, Qt::CaseInsensitive)) return w;
    return wanted.last();
}
}  // namespace

QFont VerdanaPx(int px, bool bold) {
    QFont f(Family({"Verdana", "DejaVu Sans"}));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QFont VerdanaPt(int pt, bool bold) {
    QFont f(Family({"Verdana", "DejaVu Sans"}));
    f.setPointSize(pt);
    f.setBold(bold);
    return f;
}

QFont MonoPt(int pt) {
    QFont f(Family({"Lucida Console", "DejaVu Sans Mono"}));
    f.setPointSize(pt);
    f.setStyleHint(QFont::Monospace);
    return f;
}

QFont SansSerifPx(int px) {
    QFont f(Family({"MS Sans Serif", "DejaVu Sans"}));
    f.setPixelSize(px);
    return f;
}

void SetColours(QWidget* w, const QColor& text, const QColor& background) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
        p.setColor(QPalette::Button, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

}  // namespace qx
