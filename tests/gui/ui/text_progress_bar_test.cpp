#include <QTest>

#include "gui/ui/text_progress_bar.h"

using dorvane::CTextProgressBar;

namespace {

const QColor kBar(0, 0, 200);
const QColor kBack(220, 220, 220);
const QColor kTextOnBar(255, 255, 0);
const QColor kTextOnBack(200, 0, 0);

struct Counts {
    int barPixels = 0, backPixels = 0, textOnBar = 0, textOnBack = 0;
};

// Colour counts in a column range of the painted bar.
Counts countColours(const QImage& img, int fromX, int toX) {
    Counts c;
    for (int y = 0; y < img.height(); ++y)
        for (int x = fromX; x < toX; ++x) {
            const QColor p(img.pixel(x, y));
            c.barPixels += p == kBar;
            c.backPixels += p == kBack;
            c.textOnBar += p == kTextOnBar;
            c.textOnBack += p == kTextOnBack;
        }
    return c;
}

}  // namespace

class TextProgressBarTest : public QObject {
    Q_OBJECT

    CTextProgressBar* bar_ = nullptr;
    QWidget* host_ = nullptr;

    QImage paintAt(int position, const QString& text) {
        bar_->setPosition(position);
        bar_->setText(text);
        return bar_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void init() {
        host_ = new QWidget;
        bar_ = new CTextProgressBar(host_);
        bar_->setGeometry(0, 0, 200, 20);
        bar_->setBarColor(kBar);
        bar_->setBackgroundColor(kBack);
        bar_->setTextColors(kTextOnBar, kTextOnBack);
        QFont f = bar_->font();
        f.setPixelSize(14);
        f.setStyleStrategy(QFont::NoAntialias);
        bar_->setFont(f);
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_));
    }
    void cleanup() { delete host_; }

    void emptyBarHasOneTextColour() {
        const Counts c = countColours(paintAt(0, QStringLiteral("MMMMMMMMMM")), 0, 200);
        QCOMPARE(c.barPixels, 0);
        QVERIFY(c.backPixels > 0);
        QVERIFY(c.textOnBack > 20);
        QCOMPARE(c.textOnBar, 0);
    }

    void fullBarHasTheOtherTextColour() {
        const Counts c = countColours(paintAt(100, QStringLiteral("MMMMMMMMMM")), 0, 200);
        QCOMPARE(c.backPixels, 0);
        QVERIFY(c.barPixels > 0);
        QVERIFY(c.textOnBar > 20);
        QCOMPARE(c.textOnBack, 0);
    }

    void halfBarSplitsTheText() {
        const QImage img = paintAt(50, QStringLiteral("MMMMMMMMMM"));
        QCOMPARE(bar_->filledWidth(), 100);
        const Counts left = countColours(img, 0, 100);
        const Counts right = countColours(img, 100, 200);
        QVERIFY(left.barPixels > 0);
        QCOMPARE(left.backPixels, 0);
        QVERIFY(left.textOnBar > 10);
        QCOMPARE(left.textOnBack, 0);
        QCOMPARE(right.barPixels, 0);
        QVERIFY(right.backPixels > 0);
        QVERIFY(right.textOnBack > 10);
        QCOMPARE(right.textOnBar, 0);
        // The bar's first and last columns.
        QCOMPARE(QColor(img.pixel(99, 1)), kBar);
        QCOMPARE(QColor(img.pixel(100, 1)), kBack);
    }

    void positionIsClampedAndStepWraps() {
        bar_->setRange(0, 100);
        QCOMPARE(bar_->setPosition(150), 0);
        QCOMPARE(bar_->position(), 100);
        QCOMPARE(bar_->filledWidth(), 200);
        bar_->setPosition(-5);
        QCOMPARE(bar_->position(), 0);
        bar_->setPosition(95);
        bar_->setStep(10);
        QCOMPARE(bar_->stepIt(), 95);
        QCOMPARE(bar_->position(), 5);
        bar_->offsetPosition(30);
        QCOMPARE(bar_->position(), 35);
    }

    void rangeReturnsThePreviousOne() {
        QCOMPARE(bar_->setRange(10, 2000000), std::uint32_t((100u << 16) | 0u));
        QCOMPARE(bar_->upper(), 2000000);
        bar_->setPosition(1000005);
        QCOMPARE(bar_->filledWidth(), 100);
        // An empty range paints nothing and keeps the position at the bottom.
        bar_->setRange(5, 5);
        bar_->setPosition(9);
        QCOMPARE(bar_->position(), 5);
    }

    void coloursReturnThePreviousValue() {
        QCOMPARE(bar_->setBarColor(Qt::green), kBar);
        QCOMPARE(bar_->setBackgroundColor(QColor()), kBack);
        QCOMPARE(bar_->effectiveBackgroundColor(), bar_->palette().color(QPalette::Button));
    }
};

QTEST_MAIN(TextProgressBarTest)
#include "text_progress_bar_test.moc"
