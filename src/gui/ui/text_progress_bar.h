#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace dorvane {

// A progress bar that draws its own text across the bar: one colour over
// the filled part, another over the empty part, so the text stays readable
// as the bar passes under it. Colours left invalid follow the palette.
class CTextProgressBar : public QWidget {
    Q_OBJECT

public:
    enum class TextAlign { Left = 0, Centre = 1, Right = 2 };

    explicit CTextProgressBar(QWidget* parent = nullptr);

    // Both return the previous range: upper in the high word, lower in the
    // low word (each 16 bits of it, as the classic message does).
    std::uint32_t setRange(std::int32_t lower, std::int32_t upper);
    std::int32_t lower() const { return lower_; }
    std::int32_t upper() const { return upper_; }

    // Clamped to lower..upper; returns the previous position. The bar is
    // repainted at once.
    std::int32_t setPosition(std::int32_t position);
    std::int32_t offsetPosition(std::int32_t delta);
    std::int32_t position() const { return position_; }
    std::int32_t setStep(std::int32_t step);
    // position + step; past the upper bound it carries on from the lower
    // bound by the excess. Returns the previous position.
    std::int32_t stepIt();

    QColor setBarColor(QColor color);         // returns the previous one
    QColor setBackgroundColor(QColor color);  // returns the previous one
    void setTextColors(QColor onBar, QColor onBackground);
    void setTextAlign(TextAlign align);

    void setText(const QString& text);  // shown from the next paint
    QString text() const { return text_; }
    // The font the text is drawn in: the bar's, smaller where the text
    // would not fit (a long translation).
    QFont fittedFont() const;

    // The colours a paint uses now (the palette's where none is set).
    QColor effectiveBarColor() const;
    QColor effectiveBackgroundColor() const;
    QColor effectiveTextOnBar() const;
    QColor effectiveTextOnBackground() const;
    // Right edge (exclusive) of the filled part in widget coordinates.
    int filledWidth() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintNow();

    std::int32_t lower_ = 0;
    std::int32_t upper_ = 100;
    std::int32_t position_ = 0;
    std::int32_t step_ = 10;
    QColor bar_;
    QColor background_;
    QColor textOnBar_;
    QColor textOnBackground_;
    TextAlign align_ = TextAlign::Centre;
    QString text_;
};

}  // namespace dorvane
