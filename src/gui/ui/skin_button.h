#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <array>
#include <optional>

class QPainter;

namespace dorvane {

// A push button that paints itself: an image with a transparent colour,
// optional text over or beside it, a hover look and a pressed offset, on a
// flat colour or on whatever its parent paints behind it.
class CSkinButton : public QPushButton {
    Q_OBJECT

public:
    enum class Align { ImageLeft = 0, ImageAbove = 1, ImageRight = 2, TextOverImage = 3 };
    // How far the face moves while pressed: one pixel right and down, or
    // two pixels down.
    enum class PressedStyle { ShiftRightDown, ShiftDown };
    // The image shown when neither hovered nor pressed.
    enum class OutImage { None = 0, Grey = -2, Darker = -3 };
    enum ColorSlot { BackgroundIn = 0, TextIn = 1, BackgroundOut = 2, TextOut = 3, BackgroundFocus = 4, TextFocus = 5 };

    // checkMode: a click toggles the latched state (a check-box push button).
    explicit CSkinButton(QWidget* parent = nullptr, bool checkMode = false);
    CSkinButton(const QString& text, QWidget* parent, bool checkMode = false);

    // The in image (shown hovered or pressed, and always when there is no
    // out image) from a file or resource path; `transparent` is the colour
    // that lets the background show through (none: the image is opaque).
    // An image that cannot be read or converted leaves the button without
    // images (inImage() is null): it shows its background, border and text.
    void setBitmaps(const QString& inPath, std::optional<QRgb> transparent, OutImage out = OutImage::None);
    void setBitmaps(const QString& inPath, std::optional<QRgb> inTransparent, const QString& outPath,
                    std::optional<QRgb> outTransparent);
    void setBitmaps(const QImage& in, std::optional<QRgb> inTransparent, const QImage& out,
                    std::optional<QRgb> outTransparent, OutImage derive = OutImage::None);

    void setAlign(Align align, bool repaint = true);
    void setPressedStyle(PressedStyle style, bool repaint = true);
    // A slot outside the ColorSlot values changes nothing.
    void setColor(int slot, QColor color, bool repaint = true);
    QColor color(int slot) const;
    void resetColors(bool repaint = true);
    void setDrawBorder(bool draw, bool repaint = true);
    void setFlat(bool flat);
    void setFlatFocus(bool flatFocus, bool repaint = true);
    void setTransparent(bool repaint = true);
    bool isTransparent() const { return transparent_; }
    void setTooltipText(const QString& text, bool activate = true);
    void sizeToContent();

    void setCheck(bool latched);
    bool getCheck() const;

    bool isHovered() const { return hovered_; }
    QPoint pressedOffset() const { return pressedOffset_; }
    Align align() const { return align_; }
    // The images as painted, transparent pixels with alpha 0; null when absent.
    QImage inImage() const { return in_; }
    QImage outImage() const { return out_; }

    // Copies of an image: every channel c as c - c/4 (fraction dropped), or
    // the luma 0.299 R + 0.587 G + 0.114 B in all three; pixels of the
    // transparent colour stay as they are.
    static QImage darkerCopy(const QImage& image, std::optional<QRgb> transparent);
    static QImage greyCopy(const QImage& image, std::optional<QRgb> transparent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect paintBackground(QPainter& p, bool in, bool focused);
    void paintBorder(QPainter& p, const QRect& frame, bool pressed);
    QRect placeImage(QSize s, const QRect& client, bool hasText, QRect& textRect) const;

public:
    // The font the text is drawn in: the button's, made smaller (down to
    // 7 pixels) where a longer translation would not fit on one line.
    QFont fittedFont() const;

private:
    void paintFace(QPainter& p, bool pressed, bool in, bool focused);
    void init(bool checkMode);
    void clearImages();
    void clearHover();
    void refresh(bool repaint);
    QColor backgroundFor(bool in, bool focused) const;
    QColor textFor(bool in, bool focused) const;

    bool flat_ = true;
    bool drawBorder_ = true;
    bool flatFocus_ = false;
    bool transparent_ = false;
    bool hovered_ = false;
    Align align_ = Align::ImageLeft;
    QPoint pressedOffset_{1, 1};
    QImage in_;
    QImage out_;
    std::array<QColor, 6> colors_;
};

// A label's or button's text as drawn: "&&" is one "&", a single "&"
// marks the mnemonic and is not drawn.
QString shownText(const QString& text);

// font, at the largest pixel size from its own down to 7 at which text is
// no wider than room.
QFont fitFontToWidth(QFont font, int room, const QString& text);

}  // namespace dorvane
