// Draws the main window's artwork into PNG files: the skin, the face of the
// text buttons, the Minimize and Close images, the two lamps, the title
// strip and the program icon. Run through scripts/draw-art; the results are
// kept in the repository next to this file.
//
// Key colours: pure green (0x00FF00) outside the skin's outline, magenta
// (0xFF00FF) where a button image is transparent. Edges are drawn
// antialiased against a dark rim colour first and only then keyed, so no
// half-green pixels fringe the outline.

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <string>

namespace {

const QColor kKeyGreen(0x00, 0xFF, 0x00);
const QColor kKeyMagenta(0xFF, 0x00, 0xFF);

// Sets every pixel outside `shape` (tested on pixel centres, no
// antialiasing) to the key colour.
void keyOutside(QImage& image, const QPainterPath& shape, const QColor& key) {
    QImage mask(image.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(shape, Qt::white);
    }
    for (int y = 0; y < image.height(); ++y) {
        const uchar* m = mask.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (m[x] < 128) image.setPixelColor(x, y, key);
    }
}

// The control positions of the main window in pixels (dialog units of the
// window template times the MS Sans Serif 8 base units 6 x 13).
int px(int dluX) { return (dluX * 6 + 2) / 4; }
int py(int dluY) { return (dluY * 13 + 4) / 8; }
QRect dlu(int x, int y, int w, int h) { return QRect(px(x), py(y), px(x + w) - px(x), py(y + h) - py(y)); }

// The title button, widened to the left so that its text fits on one line.
QRect titleBadge() { return QRect(248, 64, 118, 28); }

void engrave(QPainter& p, const QRectF& r, qreal radius) {
    // A recessed area: dark fill, shadow on the upper edge, light lower edge.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x1b, 0x1f, 0x25));
    g.setColorAt(1, QColor(0x25, 0x2a, 0x31));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0c, 0x0e, 0x11), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(0x55, 0x5d, 0x68, 160), 1));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 0.5), QPointF(r.right() - radius, r.bottom() + 0.5));
}

QImage drawSkin() {
    const QSize size(445, 390);
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(0x14, 0x16, 0x1a));

    // Outline: the device body with rounded corners, and a carrying handle
    // on its right side joined to the body by two brackets.
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 4, 382, 382), 26, 26);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(404, 48, 36, 294), 16, 16);
    QPainterPath brackets;
    brackets.addRect(QRectF(380, 78, 30, 34));
    brackets.addRect(QRectF(380, 278, 30, 34));
    QPainterPath shape = body.united(handle).united(brackets);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Handle and brackets: brushed dark metal.
    {
        QLinearGradient g(404, 0, 440, 0);
        g.setColorAt(0, QColor(0x3b, 0x41, 0x4a));
        g.setColorAt(0.45, QColor(0x6c, 0x74, 0x80));
        g.setColorAt(1, QColor(0x2c, 0x31, 0x38));
        p.setPen(QPen(QColor(0x0e, 0x10, 0x13), 1.2));
        p.setBrush(g);
        p.drawPath(brackets);
        p.drawPath(handle);
        // Grip ribs.
        p.setPen(QPen(QColor(0x22, 0x26, 0x2c), 1.5));
        for (int y = 120; y <= 270; y += 10) p.drawLine(QPointF(412, y), QPointF(432, y));
        p.setPen(QPen(QColor(0x8a, 0x92, 0x9e, 120), 1));
        for (int y = 121; y <= 271; y += 10) p.drawLine(QPointF(412, y), QPointF(432, y));
    }

    // Body: graphite with a soft vertical gradient and a bevelled rim.
    {
        QLinearGradient g(0, 4, 0, 386);
        g.setColorAt(0, QColor(0x4a, 0x51, 0x5b));
        g.setColorAt(0.12, QColor(0x39, 0x3f, 0x48));
        g.setColorAt(1, QColor(0x26, 0x2a, 0x30));
        p.setPen(QPen(QColor(0x0e, 0x10, 0x13), 1.5));
        p.setBrush(g);
        p.drawPath(body);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x8c, 0x95, 0xa3, 150), 1));
        p.drawRoundedRect(QRectF(6.5, 6.5, 377, 377), 24, 24);
    }

    // Header: wordmark, a thin accent line and a small status window.
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(19);
        f.setBold(true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        p.setFont(f);
        p.setPen(QColor(0x12, 0x14, 0x18));
        p.drawText(QPointF(27, 47), QStringLiteral("DORVANE"));
        p.setPen(QColor(0xd7, 0xdd, 0xe6));
        p.drawText(QPointF(26, 46), QStringLiteral("DORVANE"));
        QFont s(QStringLiteral("DejaVu Sans"));
        s.setPixelSize(10);
        s.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        p.setFont(s);
        p.setPen(QColor(0x7f, 0xb8, 0xf0));
        p.drawText(QPointF(28, 64), QStringLiteral("STB SERVICE TOOL"));

        QLinearGradient accent(20, 0, 370, 0);
        accent.setColorAt(0, QColor(0x3d, 0x8b, 0xe0));
        accent.setColorAt(0.7, QColor(0x3d, 0x8b, 0xe0, 90));
        accent.setColorAt(1, QColor(0x3d, 0x8b, 0xe0, 0));
        p.setPen(QPen(QBrush(accent), 2));
        p.drawLine(QPointF(22, 80), QPointF(240, 80));

        // Badge behind the title button (its text is drawn by the button).
        const QRectF badge(titleBadge());
        QLinearGradient b(badge.topLeft(), badge.bottomLeft());
        b.setColorAt(0, QColor(0xb4, 0xc6, 0xd9));
        b.setColorAt(1, QColor(0x7e, 0x96, 0xb0));
        p.setPen(QPen(QColor(0x10, 0x13, 0x17), 1));
        p.setBrush(b);
        p.drawRoundedRect(badge.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.drawLine(QPointF(badge.left() + 7, badge.top() + 1.5), QPointF(badge.right() - 7, badge.top() + 1.5));

        // Plate under the Minimize and Close buttons.
        const QRect minimize = QRect(px(217), py(18), 18, 18);
        engrave(p, QRectF(minimize.left() - 5, minimize.top() - 4, 18 * 2 + 12, 26), 8);
    }

    // Main recessed panel with the file, progress and log area.
    const QRectF panel(14, 94, 262, 272);
    engrave(p, panel, 12);
    // Button column plate.
    const QRectF column(282, 94, 92, 272);
    {
        QLinearGradient g(column.topLeft(), column.topRight());
        g.setColorAt(0, QColor(0x2a, 0x2f, 0x36));
        g.setColorAt(1, QColor(0x32, 0x38, 0x40));
        p.setPen(QPen(QColor(0x15, 0x18, 0x1c), 1));
        p.setBrush(g);
        p.drawRoundedRect(column.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    }
    // The progress bar runs across both areas: a groove under it.
    {
        const QRect bar = dlu(15, 121, 223, 14);
        engrave(p, QRectF(bar.adjusted(-4, -4, 4, 4)), 6);
    }
    // Separators inside the panel.
    p.setPen(QPen(QColor(0x3a, 0x41, 0x4b), 1));
    p.drawLine(QPointF(22, 157.5), QPointF(268, 157.5));

    // Screws in the four corners of the body.
    for (const QPointF c : {QPointF(17, 17), QPointF(373, 17), QPointF(17, 373), QPointF(373, 373)}) {
        QRadialGradient g(c - QPointF(1.2, 1.2), 5);
        g.setColorAt(0, QColor(0xb8, 0xc0, 0xcb));
        g.setColorAt(1, QColor(0x4a, 0x51, 0x5b));
        p.setPen(QPen(QColor(0x15, 0x18, 0x1c), 1));
        p.setBrush(g);
        p.drawEllipse(c, 4.5, 4.5);
        p.setPen(QPen(QColor(0x2a, 0x2e, 0x34), 1.2));
        p.drawLine(c + QPointF(-2.5, 2.5), c + QPointF(2.5, -2.5));
    }
    p.end();

    keyOutside(img, shape, kKeyGreen);
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage drawButtonFace() {
    QImage img(80, 37, QImage::Format_RGB32);
    img.fill(QColor(0x1c, 0x20, 0x26));
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, 79, 36), 9, 9);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, 37);
    g.setColorAt(0, QColor(0xd8, 0xe8, 0xf8));
    g.setColorAt(0.48, QColor(0xa9, 0xc7, 0xe8));
    g.setColorAt(0.52, QColor(0x95, 0xb9, 0xe0));
    g.setColorAt(1, QColor(0x6f, 0x9c, 0xd0));
    p.setPen(QPen(QColor(0x1c, 0x2c, 0x40), 1));
    p.setBrush(g);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 77, 34), 8, 8);
    p.end();
    keyOutside(img, shape, kKeyMagenta);
    return img.convertToFormat(QImage::Format_RGB888);
}

// Minimize and Close: round caps with a glyph.
QImage drawCap(bool close) {
    QImage img(18, 18, QImage::Format_RGB32);
    img.fill(QColor(0x1c, 0x20, 0x26));
    QPainterPath shape;
    shape.addEllipse(QRectF(0.5, 0.5, 17, 17));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient g(QPointF(7, 6), 12);
    if (close) {
        g.setColorAt(0, QColor(0xff, 0x8a, 0x80));
        g.setColorAt(1, QColor(0xc0, 0x33, 0x2b));
    } else {
        g.setColorAt(0, QColor(0xe4, 0xe9, 0xf0));
        g.setColorAt(1, QColor(0x7d, 0x88, 0x96));
    }
    p.setPen(QPen(QColor(0x12, 0x14, 0x18), 1));
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(QPen(close ? QColor(0xff, 0xff, 0xff) : QColor(0x20, 0x24, 0x2a), 2, Qt::SolidLine, Qt::RoundCap));
    if (close) {
        p.drawLine(QPointF(6, 6), QPointF(12, 12));
        p.drawLine(QPointF(12, 6), QPointF(6, 12));
    } else {
        p.drawLine(QPointF(5.5, 11), QPointF(12.5, 11));
    }
    p.end();
    keyOutside(img, shape, kKeyMagenta);
    return img.convertToFormat(QImage::Format_RGB888);
}

// Lamps are drawn on the panel's colour: they are set without a transparent
// colour, so the whole square shows.
QImage drawLamp(bool on) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(0x21, 0x25, 0x2b));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (on) {
        QRadialGradient glow(QPointF(8, 8), 8);
        glow.setColorAt(0.55, QColor(0x3c, 0xe0, 0x6a, 120));
        glow.setColorAt(1, QColor(0x3c, 0xe0, 0x6a, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QRectF(0, 0, 16, 16));
    }
    QRadialGradient g(QPointF(6.5, 6), 7);
    if (on) {
        g.setColorAt(0, QColor(0xd8, 0xff, 0xd8));
        g.setColorAt(0.5, QColor(0x3c, 0xe0, 0x6a));
        g.setColorAt(1, QColor(0x12, 0x8a, 0x3a));
    } else {
        g.setColorAt(0, QColor(0xb4, 0xba, 0xc2));
        g.setColorAt(0.5, QColor(0x6e, 0x75, 0x7e));
        g.setColorAt(1, QColor(0x41, 0x46, 0x4d));
    }
    p.setPen(QPen(QColor(0x10, 0x12, 0x15), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage drawTitleStrip() {
    QImage img(1, 24, QImage::Format_RGB888);
    img.fill(kKeyGreen);
    return img;
}

// The program icon: a dish aimed at a satellite signal, on a blue tile.
QImage drawIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(0x4f, 0x9c, 0xee));
    g.setColorAt(1, QColor(0x1f, 0x5f, 0xb0));
    p.setPen(QPen(QColor(0x12, 0x3a, 0x6c), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 13, 13);
    // Dish.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    QPainterPath dish;
    dish.moveTo(14, 22);
    dish.quadTo(16, 48, 42, 50);
    dish.closeSubpath();
    p.drawPath(dish);
    p.setPen(QPen(QColor(0xf4, 0xf7, 0xfb), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 42), QPointF(34, 32));
    p.drawLine(QPointF(26, 50), QPointF(22, 56));
    p.drawLine(QPointF(22, 56), QPointF(36, 56));
    // Signal arcs.
    p.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(30, 12, 22, 22), 0 * 16, 90 * 16);
    p.drawArc(QRectF(24, 6, 34, 34), 0 * 16, 90 * 16);
    p.setBrush(QColor(0xff, 0xd2, 0x4a));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(36, 28), 3.5, 3.5);
    p.end();
    return img;
}

bool save(const QImage& image, const QString& dir, const char* name) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "draw_art: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_art OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = args.at(1);
    QDir().mkpath(dir);
    bool ok = save(drawSkin(), dir, "skin.png");
    ok = save(drawButtonFace(), dir, "button_face.png") && ok;
    ok = save(drawCap(false), dir, "minimize.png") && ok;
    ok = save(drawCap(true), dir, "close.png") && ok;
    ok = save(drawLamp(true), dir, "lamp_green.png") && ok;
    ok = save(drawLamp(false), dir, "lamp_grey.png") && ok;
    ok = save(drawTitleStrip(), dir, "title_strip.png") && ok;
    ok = save(drawIcon(64), dir, "icon.png") && ok;
    ok = save(drawIcon(256), dir, "icon_256.png") && ok;
    // The icon theme's sizes, installed for the desktop's menus and files.
    QDir().mkpath(QDir(dir).filePath(QStringLiteral("icons")));
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = "icons/" + std::to_string(size) + ".png";
        ok = save(drawIcon(size), dir, name.c_str()) && ok;
    }
    return ok ? 0 : 1;
}
