#include "gui/ui/skin_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace dorvane {

namespace {

constexpr int kMargin = 3;

}  // namespace

QString shownText(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

QFont fitFontToWidth(QFont font, int room, const QString& text) {
    if (text.isEmpty() || QFontMetrics(font).horizontalAdvance(text) <= room) return font;
    for (int size = QFontInfo(font).pixelSize() - 1; size >= 7; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    return font;
}

namespace {

// The image as it is painted: the transparent colour becomes fully
// transparent, everything else opaque.
QImage applyMask(const QImage& rgb, std::optional<QRgb> transparent) {
    QImage out = rgb.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull()) return out;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000u;
            line[x] = transparent && (colour & 0xFFFFFFu) == (*transparent & 0xFFFFFFu) ? 0u : colour;
        }
    }
    return out;
}

template <typename PixelFn>
QImage mapPixels(const QImage& image, std::optional<QRgb> transparent, PixelFn fn) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (transparent && (line[x] & 0xFFFFFFu) == (*transparent & 0xFFFFFFu)) continue;
            line[x] = fn(line[x]);
        }
    }
    return out;
}

}  // namespace

CSkinButton::CSkinButton(QWidget* parent, bool checkMode) : QPushButton(parent) { init(checkMode); }

CSkinButton::CSkinButton(const QString& text, QWidget* parent, bool checkMode) : QPushButton(text, parent) {
    init(checkMode);
}

void CSkinButton::init(bool checkMode) {
    setCheckable(checkMode);
    setAttribute(Qt::WA_Hover, true);
    resetColors(false);
}

QImage CSkinButton::darkerCopy(const QImage& image, std::optional<QRgb> transparent) {
    return mapPixels(image, transparent, [](QRgb c) {
        const auto darker = [](int v) { return static_cast<int>(v - 0.25 * v); };
        return qRgb(darker(qRed(c)), darker(qGreen(c)), darker(qBlue(c)));
    });
}

QImage CSkinButton::greyCopy(const QImage& image, std::optional<QRgb> transparent) {
    return mapPixels(image, transparent, [](QRgb c) {
        const int g = static_cast<int>(0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c));
        return qRgb(g, g, g);
    });
}

void CSkinButton::clearImages() {
    in_ = QImage();
    out_ = QImage();
}

void CSkinButton::setBitmaps(const QString& inPath, std::optional<QRgb> transparent, OutImage out) {
    setBitmaps(QImage(inPath), transparent, QImage(), transparent, out);
}

void CSkinButton::setBitmaps(const QString& inPath, std::optional<QRgb> inTransparent, const QString& outPath,
                             std::optional<QRgb> outTransparent) {
    setBitmaps(QImage(inPath), inTransparent, QImage(outPath), outTransparent, OutImage::None);
}

void CSkinButton::setBitmaps(const QImage& in, std::optional<QRgb> inTransparent, const QImage& out,
                             std::optional<QRgb> outTransparent, OutImage derive) {
    clearImages();
    if (in.isNull() || in.width() <= 0 || in.height() <= 0) {
        update();
        return;
    }
    QImage outSource = out;
    std::optional<QRgb> outKey = outTransparent;
    if (derive == OutImage::Darker) {
        outSource = darkerCopy(in, inTransparent);
        outKey = inTransparent;
    } else if (derive == OutImage::Grey) {
        outSource = greyCopy(in, inTransparent);
        outKey = inTransparent;
    }
    QImage maskedIn = applyMask(in, inTransparent);
    QImage maskedOut;
    if (!outSource.isNull()) maskedOut = applyMask(outSource, outKey);
    if (maskedIn.isNull() || (!outSource.isNull() && maskedOut.isNull())) {
        update();
        return;
    }
    in_ = std::move(maskedIn);
    out_ = std::move(maskedOut);
    update();
}

void CSkinButton::refresh(bool repaint) {
    if (repaint) update();
}

void CSkinButton::setAlign(Align align, bool repaint) {
    align_ = align;
    refresh(repaint);
}

void CSkinButton::setPressedStyle(PressedStyle style, bool repaint) {
    pressedOffset_ = style == PressedStyle::ShiftRightDown ? QPoint(1, 1) : QPoint(0, 2);
    refresh(repaint);
}

void CSkinButton::setColor(int slot, QColor color, bool repaint) {
    if (slot < 0 || slot > 5) return;
    colors_[static_cast<std::size_t>(slot)] = color;
    refresh(repaint);
}

QColor CSkinButton::color(int slot) const {
    if (slot < 0 || slot > 5) return {};
    return colors_[static_cast<std::size_t>(slot)];
}

void CSkinButton::resetColors(bool repaint) {
    const QPalette pal = QApplication::palette(this);
    for (int slot : {BackgroundIn, BackgroundOut, BackgroundFocus}) colors_[slot] = pal.color(QPalette::Button);
    for (int slot : {TextIn, TextOut, TextFocus}) colors_[slot] = pal.color(QPalette::ButtonText);
    refresh(repaint);
}

void CSkinButton::setDrawBorder(bool draw, bool repaint) {
    drawBorder_ = draw;
    refresh(repaint);
}

void CSkinButton::setFlat(bool flat) {
    flat_ = flat;
    if (!flat_) hovered_ = false;
    update();
}

void CSkinButton::setFlatFocus(bool flatFocus, bool repaint) {
    flatFocus_ = flatFocus;
    refresh(repaint);
}

void CSkinButton::setTransparent(bool repaint) {
    transparent_ = true;
    setAttribute(Qt::WA_NoSystemBackground, true);
    refresh(repaint);
}

void CSkinButton::setTooltipText(const QString& text, bool activate) { setToolTip(activate ? text : QString()); }

void CSkinButton::sizeToContent() {
    if (!in_.isNull()) resize(in_.size());
}

void CSkinButton::setCheck(bool latched) {
    if (isCheckable()) setChecked(latched);
}

bool CSkinButton::getCheck() const { return isCheckable() && isChecked(); }

QColor CSkinButton::backgroundFor(bool in, bool focused) const {
    return colors_[in ? BackgroundIn : focused ? BackgroundFocus : BackgroundOut];
}

QColor CSkinButton::textFor(bool in, bool focused) const {
    return colors_[in ? TextIn : focused ? TextFocus : TextOut];
}

void CSkinButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool pressed = isDown() || (isCheckable() && isChecked());
    const bool focused = hasFocus();
    const bool in = hovered_ || pressed;
    const QRect area = paintBackground(p, in, focused);
    paintBorder(p, area.adjusted(0, 0, -1, -1), pressed);
    paintFace(p, pressed, in, focused);
    if (focused && (!flat_ || flatFocus_)) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

// Returns the area inside the default button's black outline.
QRect CSkinButton::paintBackground(QPainter& p, bool in, bool focused) {
    QRect area = rect();
    if (!transparent_) {
        if (!flat_ && (focused || isDefault())) {
            p.setPen(Qt::black);
            p.drawRect(area.adjusted(0, 0, -1, -1));
            area.adjust(1, 1, -1, -1);
        }
        p.fillRect(area, backgroundFor(in, focused));
    }
    return area;
}

void CSkinButton::paintBorder(QPainter& p, const QRect& frame, bool pressed) {
    const QPalette pal = palette();
    const auto bevel = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    if (pressed) {
        if (!flat_) {
            p.setPen(pal.color(QPalette::Dark));
            p.drawRect(frame);
        } else if (drawBorder_) {
            bevel(frame, pal.color(QPalette::Dark), pal.color(QPalette::Light));
        }
    } else if (!flat_) {
        bevel(frame, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
        bevel(frame.adjusted(1, 1, -1, -1), pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
    } else if (hovered_ && drawBorder_) {
        bevel(frame, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    }
}

// Where an image of size s goes in client; narrows textRect to what is left.
QRect CSkinButton::placeImage(QSize s, const QRect& client, bool hasText, QRect& textRect) const {
    const int centreX = client.left() + (client.width() - s.width()) / 2;
    const int centreY = client.top() + (client.height() - s.height()) / 2;
    QRect imageRect;
    switch (hasText ? align_ : Align::TextOverImage) {
        case Align::ImageLeft:
            imageRect = QRect(QPoint(client.left() + kMargin, centreY), s);
            textRect.setLeft(imageRect.right() + 1 + kMargin);
            break;
        case Align::ImageAbove:
            imageRect = QRect(QPoint(centreX, client.top() + kMargin), s);
            textRect.setTop(imageRect.bottom() + 1 + kMargin);
            break;
        case Align::ImageRight:
            imageRect = QRect(QPoint(client.right() + 1 - kMargin - s.width(), centreY), s);
            textRect.setRight(imageRect.left() - 1 - kMargin);
            break;
        case Align::TextOverImage:
            imageRect = QRect(QPoint(centreX, centreY), s);
            textRect = client;
            break;
    }
    return imageRect;
}

QFont CSkinButton::fittedFont() const { return fitFontToWidth(font(), width() - 4, shownText(text())); }

// The image and the text, moved while pressed.
void CSkinButton::paintFace(QPainter& p, bool pressed, bool in, bool focused) {
    const bool disabled = !isEnabled();
    const QPalette pal = palette();
    const bool showIn = isCheckable() ? pressed : in;
    const QImage& image = showIn || out_.isNull() ? in_ : out_;
    const QString label = text();
    const QPoint offset = pressed && !isCheckable() ? pressedOffset_ : QPoint(0, 0);
    const QRect client = rect();
    QRect textRect = client.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (!image.isNull()) {
        const QRect imageRect = placeImage(image.size(), client, !label.isEmpty(), textRect).translated(offset);
        if (disabled) {
            QStyleOption opt;
            opt.initFrom(this);
            const QPixmap flat = style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(image), &opt);
            p.drawPixmap(imageRect.topLeft(), flat);
        } else {
            p.drawImage(imageRect.topLeft(), image);
        }
    }
    if (label.isEmpty()) return;
    textRect.translate(offset);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(fittedFont());
    if (disabled) {
        p.setPen(pal.color(QPalette::Light));
        p.drawText(textRect.translated(1, 1), flags, label);
        p.setPen(pal.color(QPalette::Dark));
        p.drawText(textRect, flags, label);
    } else {
        p.setPen(textFor(in, focused));
        p.drawText(textRect, flags, label);
    }
}

void CSkinButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (!flat_ || hovered_) return;
    // Entering with the left button held (a drag from elsewhere) does not hover.
    if (QApplication::mouseButtons() & Qt::LeftButton) return;
    hovered_ = true;
    update();
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    if (!flat_) return;
    const bool inside = rect().contains(event->position().toPoint());
    if (!inside) {
        clearHover();
    } else if (!hovered_ && !(event->buttons() & Qt::LeftButton)) {
        hovered_ = true;
        update();
    }
}

void CSkinButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    clearHover();
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double-click is a second press.
    mousePressEvent(event);
}

void CSkinButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    clearHover();
}

void CSkinButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                if (hasFocus()) focusNextChild();
                clearHover();
            }
            break;
        case QEvent::ActivationChange:
            if (!isActiveWindow()) clearHover();
            break;
        case QEvent::ApplicationPaletteChange: resetColors(true); break;
        default: break;
    }
}

void CSkinButton::clearHover() {
    if (!hovered_) return;
    hovered_ = false;
    update();
}

}  // namespace dorvane
