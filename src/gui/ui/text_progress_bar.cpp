#include "gui/ui/text_progress_bar.h"

#include "gui/ui/skin_button.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace dorvane {

CTextProgressBar::CTextProgressBar(QWidget* parent) : QWidget(parent) {
    // The bar paints every pixel itself: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

std::uint32_t CTextProgressBar::setRange(std::int32_t lower, std::int32_t upper) {
    const std::uint32_t previous =
        (static_cast<std::uint32_t>(upper_ & 0xFFFF) << 16) | static_cast<std::uint32_t>(lower_ & 0xFFFF);
    lower_ = lower;
    upper_ = upper;
    if (lower_ < upper_) position_ = std::clamp(position_, lower_, upper_);
    repaintNow();
    return previous;
}

std::int32_t CTextProgressBar::setPosition(std::int32_t position) {
    const std::int32_t previous = position_;
    position_ = lower_ < upper_ ? std::clamp(position, lower_, upper_) : lower_;
    repaintNow();
    return previous;
}

std::int32_t CTextProgressBar::offsetPosition(std::int32_t delta) {
    return setPosition(static_cast<std::int32_t>(static_cast<std::int64_t>(position_) + delta));
}

std::int32_t CTextProgressBar::setStep(std::int32_t step) {
    const std::int32_t previous = step_;
    step_ = step;
    return previous;
}

std::int32_t CTextProgressBar::stepIt() {
    const std::int32_t previous = position_;
    std::int64_t next = static_cast<std::int64_t>(position_) + step_;
    const std::int64_t span = static_cast<std::int64_t>(upper_) - lower_;
    if (span > 0 && next > upper_) next = lower_ + (next - upper_) % span;
    position_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(next, lower_, std::max(lower_, upper_)));
    repaintNow();
    return previous;
}

QColor CTextProgressBar::setBarColor(QColor color) {
    const QColor previous = bar_;
    bar_ = color;
    return previous;
}

QColor CTextProgressBar::setBackgroundColor(QColor color) {
    const QColor previous = background_;
    background_ = color;
    return previous;
}

void CTextProgressBar::setTextColors(QColor onBar, QColor onBackground) {
    textOnBar_ = onBar;
    textOnBackground_ = onBackground;
}

void CTextProgressBar::setTextAlign(TextAlign align) { align_ = align; }

void CTextProgressBar::setText(const QString& text) { text_ = text; }

QColor CTextProgressBar::effectiveBarColor() const {
    return bar_.isValid() ? bar_ : palette().color(QPalette::Highlight);
}
QColor CTextProgressBar::effectiveBackgroundColor() const {
    return background_.isValid() ? background_ : palette().color(QPalette::Button);
}
QColor CTextProgressBar::effectiveTextOnBar() const {
    return textOnBar_.isValid() ? textOnBar_ : palette().color(QPalette::Base);
}
QColor CTextProgressBar::effectiveTextOnBackground() const {
    return textOnBackground_.isValid() ? textOnBackground_ : palette().color(QPalette::WindowText);
}

int CTextProgressBar::filledWidth() const {
    if (lower_ >= upper_) return 0;
    const double f = static_cast<double>(static_cast<std::int64_t>(position_) - lower_) /
                     static_cast<double>(static_cast<std::int64_t>(upper_) - lower_);
    return static_cast<int>(width() * f);
}

QSize CTextProgressBar::sizeHint() const { return {200, fontMetrics().height() + 6}; }

void CTextProgressBar::repaintNow() {
    if (isVisible()) repaint();
}

QFont CTextProgressBar::fittedFont() const { return fitFontToWidth(font(), width() - 4, text_); }

void CTextProgressBar::paintEvent(QPaintEvent*) {
    if (lower_ >= upper_) return;
    // Drawn off-screen first, then copied in one go.
    QPixmap buffer(size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    {
        QPainter p(&buffer);
        const QRect client = rect();
        const QRect filled(client.left(), client.top(), filledWidth(), client.height());
        const QRect empty(filled.right() + 1, client.top(), client.width() - filled.width(), client.height());
        p.fillRect(filled, effectiveBarColor());
        p.fillRect(empty, effectiveBackgroundColor());
        if (!text_.isEmpty()) {
            p.setFont(fittedFont());
            QRect textArea = client;
            int flags = Qt::AlignVCenter | Qt::TextSingleLine;
            switch (align_) {
                case TextAlign::Left:
                    textArea.setLeft(client.left() + 2);
                    flags |= Qt::AlignLeft;
                    break;
                case TextAlign::Centre: flags |= Qt::AlignHCenter; break;
                case TextAlign::Right:
                    textArea.setRight(client.right() - 3);
                    flags |= Qt::AlignRight;
                    break;
            }
            p.save();
            p.setClipRect(filled);
            p.setPen(effectiveTextOnBar());
            p.drawText(textArea, flags, text_);
            p.restore();
            p.setClipRect(empty);
            p.setPen(effectiveTextOnBackground());
            p.drawText(textArea, flags, text_);
        }
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, buffer);
}

}  // namespace dorvane
