#include "platform/desktop.h"

#include "platform/dialogs.h"
#include "platform/random.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
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
    if (auto* script = ActiveScript()) {
        script->openedUrls.push_back(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
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

void AlphaBlend::SetEnabled(bool on) {
    enabled_ = on;
    ApplyOpacity(window_, on ? value_ / 255.0 : 1.0);
}

void AlphaBlend::SetValue(int value) {
    value_ = value < 0 ? 0 : (value > 255 ? 255 : value);
    if (enabled_) ApplyOpacity(window_, value_ / 255.0);
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

QPixmap JpegResource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QPixmap();
    return QPixmap::fromImage(DecodeJpeg(f.readAll()));
}

QPixmap Picture(const QString& path) { return QPixmap(path); }

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
