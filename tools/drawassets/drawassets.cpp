// Draws every picture of the game: the cell pictures, counter icons, button
// and menu icons, the start picture, the logo and the application icon.
// Usage: drawassets <ui/game/assets folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QSvgGenerator>

#include <QtMath>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

QString g_out;
// Every picture is drawn at its own size and again at twice that size for
// scaled screens; the larger one carries "@2x" before its extension.
int g_scale = 1;

QString Scaled(const QString& name) {
    if (g_scale == 1) return name;
    const int dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(g_scale) + name.mid(dot);
}

// Draws in the picture's own coordinates whatever its scale.
void Zoom(QPainter& p) {
    if (g_scale != 1) p.scale(g_scale, g_scale);
}

const QColor kGrey(160, 160, 160);
const QColor kDarkGrey(64, 64, 64);
const QColor kGreenFrame(0, 255, 0);

void Save(const QImage& img, const QString& name) {
    const QString path = g_out + "/" + Scaled(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!img.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// JPEGs are written with libjpeg, the same library the game decodes them with.
void SaveJpeg(const QImage& src, const QString& name) {
    const QImage img = src.convertToFormat(QImage::Format_RGB888);
    const QString path = g_out + "/" + Scaled(name);
    FILE* f = std::fopen(qPrintable(path), "wb");
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(img.width());
    info.image_height = static_cast<JDIMENSION>(img.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(f);
}

QImage Canvas(int w, int h, const QColor& fill = Qt::transparent) {
    QImage img(w * g_scale, h * g_scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QPen Pen(const QColor& c, qreal w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Shapes drawn in a 25 by 25 box; s scales them for larger pictures.
void Face(QPainter& p, const QColor& c, qreal s = 1.0, qreal width = 1.4) {
    p.setPen(Pen(c, width * s));
    p.setBrush(Qt::NoBrush);
    // the V
    QPolygonF v({QPointF(8.5 * s, 7 * s), QPointF(12.5 * s, 12 * s), QPointF(16.5 * s, 7 * s)});
    p.drawPolyline(v);
    // the smiling curve
    QPainterPath smile;
    smile.moveTo(6.5 * s, 14.5 * s);
    smile.quadTo(12.5 * s, 22 * s, 18.5 * s, 14.5 * s);
    p.drawPath(smile);
}

void StickFigure(QPainter& p, const QColor& c, qreal s = 1.0) {
    p.setPen(Pen(c, 1.4 * s));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12.5 * s, 6 * s), 2.6 * s, 2.6 * s);
    p.drawLine(QPointF(12.5 * s, 8.6 * s), QPointF(12.5 * s, 15 * s));   // body
    p.drawLine(QPointF(7 * s, 10.5 * s), QPointF(18 * s, 10.5 * s));     // arms
    p.drawLine(QPointF(12.5 * s, 15 * s), QPointF(8.5 * s, 21 * s));     // legs
    p.drawLine(QPointF(12.5 * s, 15 * s), QPointF(16.5 * s, 21 * s));
}

void Dragon(QPainter& p, const QColor& c, qreal s = 1.0) {
    p.setPen(Pen(c, 1.2 * s));
    p.setBrush(Qt::NoBrush);
    auto P = [s](qreal x, qreal y) { return QPointF(x * s, y * s); };
    // one outline: back, neck, head, throat, belly
    QPainterPath body;
    body.moveTo(P(7, 13));
    body.quadTo(P(11, 11.5), P(14.5, 12.5));
    body.lineTo(P(17.5, 7.5));
    body.lineTo(P(18.5, 6.3));
    body.lineTo(P(22.5, 7));
    body.lineTo(P(22.8, 8.6));
    body.lineTo(P(20, 9.2));
    body.lineTo(P(17.8, 14.5));
    body.quadTo(P(17, 17), P(13, 17));
    body.lineTo(P(9.5, 17));
    body.quadTo(P(6.3, 17), P(7, 13));
    p.drawPath(body);
    // the tail with its arrow tip
    QPainterPath tail;
    tail.moveTo(P(7, 15));
    tail.quadTo(P(3.5, 16), P(3.4, 11.5));
    p.drawPath(tail);
    p.drawPolygon(QPolygonF({P(2.4, 11.8), P(3.4, 9.2), P(4.5, 11.6)}));
    // a raised bat wing over the back, its edge in scallops
    p.drawPolyline(QPolygonF({P(11.8, 11.8), P(13.2, 3), P(11.4, 6.2), P(9.4, 5.6), P(8.6, 8.8), P(7.6, 12.6)}));
    // horn and four legs with feet
    p.drawLine(P(18.6, 6.5), P(17.4, 4));
    p.drawPolyline(QPolygonF({P(9, 17), P(9, 21), P(10.3, 21)}));
    p.drawPolyline(QPolygonF({P(11.5, 17), P(11.5, 21), P(12.8, 21)}));
    p.drawPolyline(QPolygonF({P(14.5, 17), P(14.5, 21), P(15.8, 21)}));
    p.drawPolyline(QPolygonF({P(17, 16), P(17.2, 21), P(18.5, 21)}));
    p.setPen(Pen(c, 1.5 * s));
    p.drawPoint(P(20, 7.6));  // eye
}

void Frame(QPainter& p, const QColor& c, int size = 25, int width = 1) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(0, 0, size, width);
    p.drawRect(0, size - width, size, width);
    p.drawRect(0, 0, width, size);
    p.drawRect(size - width, 0, width, size);
}

template <class Draw>
QImage Cell(const QColor& ground, const QColor& frame, int frameWidth, Draw draw) {
    QImage img = Canvas(25, 25, ground);
    QPainter p(&img);
    Zoom(p);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (frame.isValid()) Frame(p, frame, 25, frameWidth);
    return img;
}

void Cells() {
    Save(Cell(Qt::black, kGrey, 1, [](QPainter& p) { Face(p, kGrey); }), "smile.png");
    Save(Cell(Qt::black, kGreenFrame, 2, [](QPainter& p) { Face(p, kGrey); }), "mark.png");
    Save(Cell(Qt::black, kGrey, 1, [](QPainter& p) { StickFigure(p, kGrey); }), "victim.png");
    Save(Cell(Qt::white, kGreenFrame, 2, [](QPainter& p) { StickFigure(p, kDarkGrey); }), "victimhit.png");
    Save(Cell(Qt::black, kGrey, 1, [](QPainter& p) { Dragon(p, kGrey); }), "dragon.png");
    Save(Cell(Qt::white, kGreenFrame, 2, [](QPainter& p) { Dragon(p, kDarkGrey); }), "dragonhit.png");
    Save(Cell(Qt::white, QColor(), 0, [](QPainter& p) { StickFigure(p, kDarkGrey); }), "counter_victim.png");
    Save(Cell(Qt::white, QColor(), 0, [](QPainter& p) { Dragon(p, kDarkGrey); }), "counter_dragon.png");
}

// A round bomb with a fuse, tilted, falling, with speed lines; s = size / 32.
void Bomb(QPainter& p, const QColor& body, const QColor& outline, const QColor& spark, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(outline, 1.0 * s));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF((4 + i * 5) * s, (2 + i * 2) * s), QPointF((6 + i * 5) * s, (8 + i * 2) * s));
    p.setBrush(body);
    p.setPen(Pen(outline, 1.6 * s));
    p.drawEllipse(QPointF(17 * s, 20 * s), 10 * s, 10 * s);
    // the neck, tilted
    p.save();
    p.translate(23 * s, 11.5 * s);
    p.rotate(35);
    p.drawRect(QRectF(-3 * s, -3 * s, 6 * s, 5 * s));
    p.restore();
    // the fuse and its spark
    p.setBrush(Qt::NoBrush);
    QPainterPath fuse;
    fuse.moveTo(25 * s, 8.5 * s);
    fuse.quadTo(27 * s, 3 * s, 30 * s, 4.5 * s);
    p.drawPath(fuse);
    p.setPen(Pen(spark, 1.2 * s));
    for (int a = 0; a < 360; a += 60) {
        QLineF l(QPointF(30 * s, 4 * s), QPointF(30 * s, 1.2 * s));
        l.setAngle(a);
        l.setLength(2.6 * s);
        p.drawLine(l);
    }
    // a highlight on the body
    p.setPen(Pen(outline.lighter(300), 1.2 * s));
    p.drawArc(QRectF(10 * s, 13 * s, 9 * s, 9 * s), 100 * 16, 70 * 16);
}

void Buttons() {
    const auto bombButton = [](const QColor& body, const QColor& outline, const QColor& spark, const QString& name) {
        QImage img = Canvas(32, 32);
        {
            QPainter p(&img);
            Zoom(p);
            Bomb(p, body, outline, spark, 1.0);
        }
        Save(img, name);
    };
    bombButton(QColor(250, 210, 30), QColor(110, 60, 20), QColor(255, 120, 0), "bomb.png");
    bombButton(QColor(190, 190, 190), QColor(120, 120, 120), QColor(150, 150, 150), "bomb_grey.png");

    QImage reload = Canvas(100, 25, Qt::white);
    {
        QPainter p(&reload);
        Zoom(p);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont f("DejaVu Sans Mono");
        f.setStyleHint(QFont::TypeWriter);
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, 100, 25), Qt::AlignCenter, "Reload");
    }
    Save(reload, "reload.png");
}

// A straight arrow of an icon: the shaft, then two barbs that reach `barb`
// back from the head and as far out to either side.
void Arrow(QPainter& p, QPointF tail, QPointF head, qreal barb) {
    const QLineF shaft(tail, head);
    const QPointF along = (head - tail) / shaft.length();
    const QPointF across(-along.y(), along.x());
    p.drawLine(shaft);
    p.drawLine(head - (along + across) * barb, head);
    p.drawLine(head - (along - across) * barb, head);
}

// 16 by 16 icons.
template <class Draw>
void Icon(const QString& name, Draw draw) {
    QImage img = Canvas(16, 16);
    QPainter p(&img);
    Zoom(p);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    Save(img, "icons/" + name + ".png");
}

// Icons of the game menu: statistics, settings, exit, new game.
void MenuIconsGame() {
    const QColor ink(40, 40, 40);
    Icon("statistic", [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 110, 220));
        p.drawRect(2, 9, 3, 5);
        p.setBrush(QColor(40, 170, 60));
        p.drawRect(6, 5, 3, 9);
        p.setBrush(QColor(220, 60, 40));
        p.drawRect(10, 2, 3, 12);
        p.setPen(Pen(ink, 1));
        p.drawLine(1, 14.5, 15, 14.5);
    });
    Icon("config", [&](QPainter& p) {
        p.setPen(Pen(QColor(90, 90, 100), 2.2));
        for (int a = 0; a < 180; a += 45) {
            QLineF l(QPointF(8, 8), QPointF(8, 1.5));
            l.setAngle(a);
            l.setLength(6.5);
            p.drawLine(QLineF(l.p2(), QPointF(16 - l.p2().x(), 16 - l.p2().y())));
        }
        p.setBrush(QColor(150, 150, 160));
        p.setPen(Pen(QColor(70, 70, 80), 1));
        p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 8), 1.7, 1.7);
    });
    Icon("exit", [&](QPainter& p) {
        p.setPen(Pen(QColor(120, 70, 30), 1.2));
        p.setBrush(QColor(190, 130, 70));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(Pen(QColor(200, 30, 30), 1.8));
        Arrow(p, QPointF(7, 8), QPointF(14.5, 8), 3);
    });
    Icon("newgame", [&](QPainter& p) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 ? 3.0 : 7.0;
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(8 + r * std::cos(a), 8.5 + r * std::sin(a));
        }
        p.setPen(Pen(QColor(170, 120, 0), 1));
        p.setBrush(QColor(255, 210, 40));
        p.drawPolygon(star);
    });
}

// Icons of saving, loading and deleting; hosting and joining.
void MenuIconsSlotsAndNet() {
    Icon("load", [&](QPainter& p) {
        p.setPen(Pen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygonF({QPointF(1.5, 4), QPointF(6, 4), QPointF(7.5, 5.5), QPointF(14.5, 5.5),
                                 QPointF(14.5, 14), QPointF(1.5, 14)}));
        p.setPen(Pen(QColor(30, 130, 30), 1.8));
        Arrow(p, QPointF(8, 12.5), QPointF(8, 7.5), 2.5);
    });
    Icon("save", [&](QPainter& p) {
        p.setPen(Pen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(50, 90, 180));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4, 9.5, 8, 5));
    });
    Icon("delete", [&](QPainter& p) {
        p.setPen(Pen(QColor(210, 30, 30), 2.6));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
    });
    Icon("host", [&](QPainter& p) {
        p.setPen(Pen(QColor(40, 40, 60), 1));
        p.setBrush(QColor(150, 150, 170));
        p.drawRect(QRectF(4.5, 1.5, 7, 13));
        p.setPen(Pen(QColor(0, 200, 0), 1.6));
        p.drawPoint(QPointF(8, 4.5));
        p.setPen(Pen(QColor(40, 40, 60), 1));
        p.drawLine(QPointF(6, 7.5), QPointF(10, 7.5));
        p.drawLine(QPointF(6, 9.5), QPointF(10, 9.5));
        p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    });
    Icon("join", [&](QPainter& p) {
        p.setPen(Pen(QColor(40, 40, 60), 1));
        p.setBrush(QColor(150, 150, 170));
        p.drawRect(QRectF(8.5, 2.5, 6, 11));
        p.setPen(Pen(QColor(30, 120, 220), 2));
        Arrow(p, QPointF(1.5, 8), QPointF(10, 8), 3);
    });
}

// Icons of help, the web sites, about.
void MenuIconsHelp() {
    Icon("help", [&](QPainter& p) {
        p.setPen(Pen(QColor(20, 60, 160), 1));
        p.setBrush(QColor(60, 120, 230));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        QFont f("DejaVu Sans");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "?");
    });
    Icon("web", [&](QPainter& p) {
        p.setPen(Pen(QColor(20, 90, 140), 1));
        p.setBrush(QColor(90, 180, 230));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 3, 7);
        p.drawLine(QPointF(1, 8), QPointF(15, 8));
        p.drawLine(QPointF(2.5, 4.5), QPointF(13.5, 4.5));
        p.drawLine(QPointF(2.5, 11.5), QPointF(13.5, 11.5));
    });
    Icon("about", [&](QPainter& p) {
        p.setPen(Pen(QColor(20, 110, 60), 1));
        p.setBrush(QColor(40, 170, 90));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setPen(Pen(Qt::white, 2));
        p.drawPoint(QPointF(8, 4.5));
        p.drawLine(QPointF(8, 7.5), QPointF(8, 12));
    });
}

// Icons of the windows' buttons.
void ButtonIcons() {
    // a window's close box: readable on the black windows and on light menus alike
    Icon("close", [&](QPainter& p) {
        p.setPen(Pen(QColor(60, 60, 70), 1));
        p.setBrush(QColor(130, 130, 145));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
        p.setPen(Pen(Qt::white, 2));
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
    });
    Icon("cancel", [&](QPainter& p) {
        p.setPen(Pen(QColor(230, 60, 60), 1.8));
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        p.drawLine(QPointF(4.2, 11.8), QPointF(11.8, 4.2));
    });
    // a circular arrow turning back to the start
    Icon("default", [&](QPainter& p) {
        const QColor blue(30, 120, 215);
        const QPointF c(8, 8.5);
        const qreal r = 5;
        p.setPen(Pen(blue, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 95 * 16, 255 * 16);
        // arrowhead at the arc's end (angle 350 degrees), pointing along the turn
        const qreal a = qDegreesToRadians(350.0);
        const QPointF end(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        const QPointF along(-std::sin(a), -std::cos(a));
        const QPointF across(std::cos(a), -std::sin(a));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPolygon(QPolygonF({end + along * 4.2, end + across * 3.2, end - across * 3.2}));
    });
    Icon("ok", [&](QPainter& p) {
        p.setPen(Pen(QColor(40, 220, 40), 2.2));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    });
    Icon("send", [&](QPainter& p) {
        p.setPen(Pen(QColor(0, 140, 0), 1));
        p.setBrush(QColor(0, 255, 0));
        p.drawPolygon(QPolygonF({QPointF(1.5, 2), QPointF(14.5, 8), QPointF(1.5, 14), QPointF(4, 8)}));
    });
}

void Icons() {
    MenuIconsGame();
    MenuIconsSlotsAndNet();
    MenuIconsHelp();
    ButtonIcons();
}

// Soft blur by repeated box averaging.
QImage Blur(const QImage& src, int radius, int passes) {
    QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    for (int pass = 0; pass < passes; ++pass) {
        QImage out(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int r = 0, g = 0, b = 0, n = 0;
                for (int dy = -radius; dy <= radius; ++dy)
                    for (int dx = -radius; dx <= radius; ++dx) {
                        const int xx = x + dx, yy = y + dy;
                        if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
                        const QRgb c = img.pixel(xx, yy);
                        r += qRed(c);
                        g += qGreen(c);
                        b += qBlue(c);
                        ++n;
                    }
                out.setPixel(x, y, qRgb(r / n, g / n, b / n));
            }
        img = out;
    }
    return img;
}

void StartPicture() {
    QImage img = Canvas(200, 200, Qt::black);
    {
        QPainter p(&img);
        Zoom(p);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(0, 0);
        Face(p, QColor(170, 170, 170), 8.0, 1.3);
    }
    SaveJpeg(Blur(img, 2 * g_scale, 3), "start.jpg");
}

// Hand-drawn capitals: each stroke a jittered polyline.
void HandStroke(QPainter& p, QPointF a, QPointF b, QRandomGenerator& rng) {
    QPolygonF line;
    const int steps = 6;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal j = (i == 0 || i == steps) ? 0.8 : 1.8;
        line << QPointF(a.x() + (b.x() - a.x()) * t + (rng.generateDouble() - 0.5) * j,
                        a.y() + (b.y() - a.y()) * t + (rng.generateDouble() - 0.5) * j);
    }
    p.drawPolyline(line);
}

// Strokes of the capitals used, in a 10 by 16 box.
QList<QLineF> Letter(QChar c) {
    auto L = [](qreal x1, qreal y1, qreal x2, qreal y2) { return QLineF(x1, y1, x2, y2); };
    switch (c.unicode()) {
        case 'Z': return {L(0, 0, 10, 0), L(10, 0, 0, 16), L(0, 16, 10, 16)};
        case 'E': return {L(0, 0, 0, 16), L(0, 0, 10, 0), L(0, 8, 7, 8), L(0, 16, 10, 16)};
        case 'N': return {L(0, 16, 0, 0), L(0, 0, 10, 16), L(10, 16, 10, 0)};
        case 'T': return {L(0, 0, 10, 0), L(5, 0, 5, 16)};
        case 'R': return {L(0, 16, 0, 0), L(0, 0, 8, 0), L(8, 0, 10, 3), L(10, 3, 10, 5), L(10, 5, 8, 8), L(8, 8, 0, 8),
                          L(3, 8, 10, 16)};
        case 'A': return {L(0, 16, 5, 0), L(5, 0, 10, 16), L(2, 10, 8, 10)};
        case 'F': return {L(0, 0, 0, 16), L(0, 0, 10, 0), L(0, 8, 7, 8)};
        case 'L': return {L(0, 0, 0, 16), L(0, 16, 10, 16)};
        default: return {};
    }
}

void HandWord(QPainter& p, const QString& word, QPointF origin, qreal scale, QRandomGenerator& rng) {
    qreal x = origin.x();
    for (QChar c : word) {
        // each capital a little tilted and off the line, as a hand draws them
        p.save();
        p.translate(x + 5 * scale, origin.y() + 8 * scale + (rng.generateDouble() - 0.5) * 3);
        p.rotate((rng.generateDouble() - 0.5) * 7);
        for (const QLineF& l : Letter(c)) {
            QPen pen = p.pen();
            pen.setWidthF(2.6 + rng.generateDouble() * 1.2);
            p.setPen(pen);
            HandStroke(p, QPointF((l.x1() - 5) * scale, (l.y1() - 8) * scale),
                       QPointF((l.x2() - 5) * scale, (l.y2() - 8) * scale), rng);
        }
        p.restore();
        x += 14 * scale;
    }
}

void Logo() {
    QImage img = Canvas(465, 95, Qt::black);
    QPainter p(&img);
    Zoom(p);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator rng(1303);
    p.setPen(Pen(Qt::white, 3.2));
    const qreal scale = 2.6;  // letters 26 by 42
    HandWord(p, "ZENTRA", QPointF(21, 8), scale, rng);
    // the small green face between the two words
    p.save();
    p.translate(251, 10);
    p.setPen(Pen(QColor(0, 230, 0), 2.2));
    p.drawEllipse(QRectF(1, 1, 36, 36));
    p.scale(1.5, 1.5);
    Face(p, QColor(0, 230, 0), 1.0, 1.6);
    p.restore();
    p.setPen(Pen(Qt::white, 3.2));
    HandWord(p, "FELL", QPointF(309, 8), scale, rng);
    // the product's name in typewriter letters, right of centre
    QFont f("DejaVu Sans Mono");
    f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(240, 58, 220, 32), Qt::AlignLeft | Qt::AlignVCenter, "Quorvex");
    p.end();
    SaveJpeg(img, "logo.jpg");
}

// The application icon in a size by size box: the smiling face of the start
// picture, framed in the marking green, with a bomb where there is room.
void PaintAppIcon(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 25.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
    if (size >= 32) {  // face moved up and left to leave the corner to the bomb
        p.save();
        p.translate(size * 0.01, -size * 0.04);
        Face(p, QColor(190, 190, 190), s * 0.9, 1.7);
        p.restore();
    } else {
        Face(p, QColor(190, 190, 190), s, 2.0);
    }
    p.setPen(Pen(kGreenFrame, std::max(1.0, size / 16.0)));
    p.setBrush(Qt::NoBrush);
    const qreal inset = std::max(0.5, size / 32.0);
    p.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size / 8.0, size / 8.0);
    if (size >= 32) {  // a little bomb in the corner where there is room for it
        p.save();
        p.translate(size * 0.5, size * 0.5);
        Bomb(p, QColor(250, 210, 30), QColor(110, 60, 20), QColor(255, 120, 0), size / 70.0);
        p.restore();
    }
}

// Every size of the desktop's icon theme, and the same drawing as vector art
// for the theme's scalable folder.
void AppIcons() {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        QImage img = Canvas(size, size);
        QPainter p(&img);
        PaintAppIcon(p, size);
        p.end();
        Save(img, QStringLiteral("appicon/quorvex-%1.png").arg(size));
    }
    constexpr int kSvgSize = 256;
    QSvgGenerator svg;
    svg.setFileName(g_out + QStringLiteral("/appicon/quorvex.svg"));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Quorvex"));
    svg.setDescription(QStringLiteral("Quorvex application icon"));
    QPainter p(&svg);
    PaintAppIcon(p, kSvgSize);
    p.end();
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawassets <assets folder>\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    for (int scale : {1, 2}) {
        g_scale = scale;
        Cells();
        Buttons();
        Icons();
        StartPicture();
        Logo();
    }
    g_scale = 1;
    AppIcons();  // drawn at every size a desktop asks for
    return 0;
}
