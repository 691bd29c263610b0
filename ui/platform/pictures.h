// The game's pictures from the compiled-in resources, sharp on scaled screens.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace qx {

// Decodes JPEG bytes with libjpeg; a null image when they are not a JPEG.
QImage DecodeJpeg(const QByteArray& data);
// Loads a JPEG from the compiled-in resources (":/assets/...").
QPixmap JpegResource(const QString& path);
// Loads a PNG picture from the resources.
QPixmap Picture(const QString& path);
// Decodes PNG bytes with libpng into straight-alpha ARGB32; a null image when
// they are not a PNG.
QImage DecodePng(const QByteArray& data);
// Reads a PNG file as it is, at any scale.
QImage PngFile(const QString& path);
// Both take the picture's twice-as-large version ("name@2x.ext") on scaled
// screens and give it the screen's pixel ratio, so its size in logical pixels
// is that of the picture itself.
QString PictureAtTwice(const QString& path);
// The pixel ratio pictures are made for: the largest of the screens'.
qreal PictureRatio();

}  // namespace qx
