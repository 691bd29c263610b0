#include "ui/platform/pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QSysInfo>

#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <csetjmp>

namespace qx {

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
    // Straight into the layout a pixmap keeps (0xffRRGGBB words), so showing
    // it needs no converted copy; the alpha byte libjpeg fills is opaque.
    info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {  // too large to hold
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

namespace {
// A file's bytes; none when it cannot be read (the decoders then give a null image).
QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage JpegFile(const QString& path) { return DecodeJpeg(FileBytes(path)); }

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

// Each picture is decoded once per pixel ratio and then shared: the windows
// show the same few dozen pictures many times over (two battlefields per
// network window, a slot preview in every slot). The set is the resources',
// so it stays small; it goes with the application object.
QHash<QString, QPixmap>& DecodedPictures() {
    static QHash<QString, QPixmap>* pictures = [] {
        auto* made = new QHash<QString, QPixmap>;
        qAddPostRoutine([] { DecodedPictures().clear(); });
        return made;
    }();
    return *pictures;
}

template <class Decode>
QPixmap Decoded(const QString& kind, Decode decode) {
    const QString key = kind + QLatin1Char('@') + QString::number(PictureRatio());
    QHash<QString, QPixmap>& pictures = DecodedPictures();
    const auto found = pictures.constFind(key);
    if (found != pictures.constEnd()) return *found;
    QPixmap pixmap = decode();
    pictures.insert(key, pixmap);
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

QPixmap JpegResource(const QString& path) {
    return Decoded(QStringLiteral("jpeg:") + path, [&] { return ForScreen(path, JpegFile); });
}

QImage DecodePng(const QByteArray& data) {
    png_image info{};
    info.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&info, data.constData(), static_cast<size_t>(data.size()))) return QImage();
    // The words of a QImage with straight alpha (0xAARRGGBB), as Qt's own
    // reader gives them: 8 bits a channel, not premultiplied, no gamma change.
    info.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(info.width), static_cast<int>(info.height), QImage::Format_ARGB32);
    if (image.isNull() ||
        !png_image_finish_read(&info, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
        png_image_free(&info);
        return QImage();
    }
    return image;
}

QImage PngFile(const QString& path) {
    // libpng directly: Qt's reader first looks through every picture-format
    // plugin on the system, about a millisecond before the first frame.
    return DecodePng(FileBytes(path));
}

QPixmap Picture(const QString& path) {
    return Decoded(QStringLiteral("png:") + path, [&] { return ForScreen(path, PngFile); });
}

}  // namespace qx
