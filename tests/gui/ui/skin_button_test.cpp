#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QVBoxLayout>

#include "gui/ui/skin_button.h"

using dorvane::CSkinButton;

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

// 10 x 10 of one colour with a transparent pixel in the corner.
QImage face(QRgb colour) {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(colour);
    img.setPixel(0, 0, kMagenta);
    return img;
}

QImage paint(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

void enter(QWidget& w) {
    QEnterEvent e(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), w.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&w, &e);
}

void leave(QWidget& w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

}  // namespace

class SkinButtonTest : public QObject {
    Q_OBJECT

private slots:
    void settersChangeOnlyWhatTheyName() {
        CSkinButton b;
        b.setAlign(CSkinButton::Align::TextOverImage);
        QCOMPARE(b.align(), CSkinButton::Align::TextOverImage);
        b.setPressedStyle(CSkinButton::PressedStyle::ShiftDown);
        QCOMPARE(b.pressedOffset(), QPoint(0, 2));
        b.setPressedStyle(CSkinButton::PressedStyle::ShiftRightDown);
        QCOMPARE(b.pressedOffset(), QPoint(1, 1));
        b.setColor(5, Qt::red);
        QCOMPARE(b.color(5), QColor(Qt::red));
        // Slots outside 0..5 change nothing.
        b.setColor(6, Qt::blue);
        b.setColor(-1, Qt::blue);
        QCOMPARE(b.color(6), QColor());
        for (int slot = 0; slot < 5; ++slot) QVERIFY(b.color(slot) != QColor(Qt::blue));
        QCOMPARE(b.color(5), QColor(Qt::red));
        b.resetColors();
        QCOMPARE(b.color(5), QApplication::palette().color(QPalette::ButtonText));
        QCOMPARE(b.color(0), QApplication::palette().color(QPalette::Button));
    }

    void unreadableImageLeavesNoImages() {
        CSkinButton b;
        b.setBitmaps(face(qRgb(200, 0, 0)), kMagenta, QImage(), std::nullopt);
        QVERIFY(!b.inImage().isNull());
        b.setBitmaps(QStringLiteral(":/no/such.png"), kMagenta);
        QVERIFY(b.inImage().isNull());
        QVERIFY(b.outImage().isNull());
    }

    void derivedImagesKeepTheTransparentColour() {
        QImage in = face(qRgb(200, 101, 255));
        const QImage darker = CSkinButton::darkerCopy(in, kMagenta);
        QCOMPARE(QColor(darker.pixel(5, 5)), QColor(150, 75, 191));  // c - c/4, fraction dropped
        QCOMPARE(darker.pixel(0, 0) & 0xFFFFFF, kMagenta & 0xFFFFFF);
        const QImage grey = CSkinButton::greyCopy(in, kMagenta);
        const int g = static_cast<int>(0.299 * 200 + 0.587 * 101 + 0.114 * 255);  // 148
        QCOMPARE(QColor(grey.pixel(5, 5)), QColor(g, g, g));
        QCOMPARE(grey.pixel(0, 0) & 0xFFFFFF, kMagenta & 0xFFFFFF);

        CSkinButton b;
        b.setBitmaps(in, kMagenta, QImage(), std::nullopt, CSkinButton::OutImage::Darker);
        QCOMPARE(qAlpha(b.inImage().pixel(0, 0)), 0);
        QCOMPARE(qAlpha(b.outImage().pixel(0, 0)), 0);
        QCOMPARE(QColor(b.outImage().pixel(5, 5)), QColor(150, 75, 191));
        QCOMPARE(QColor(b.inImage().pixel(5, 5)), QColor(200, 101, 255));
        // Without a transparent colour nothing is see-through.
        b.setBitmaps(in, std::nullopt, QImage(), std::nullopt);
        QCOMPARE(qAlpha(b.inImage().pixel(0, 0)), 255);
    }

    // The normal look is the out image, hovering shows the in image, and the
    // transparent pixel lets the background colour through in both.
    void paintsOutImageNormallyAndInImageWhenHovered() {
        QWidget host;
        host.resize(60, 60);
        auto* b = new CSkinButton(&host);
        b->setGeometry(5, 5, 30, 30);
        b->setBitmaps(face(qRgb(200, 0, 0)), kMagenta, QImage(), std::nullopt, CSkinButton::OutImage::Darker);
        b->setColor(CSkinButton::BackgroundOut, QColor(0, 0, 255));
        b->setColor(CSkinButton::BackgroundIn, QColor(0, 255, 0));
        b->setDrawBorder(false);
        b->setFocusPolicy(Qt::NoFocus);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        leave(*b);  // wherever the platform's pointer starts

        QImage img = paint(*b);
        QCOMPARE(QColor(img.pixel(15, 15)), QColor(150, 0, 0));
        QCOMPARE(QColor(img.pixel(10, 10)), QColor(0, 0, 255));  // image corner: transparent
        QCOMPARE(QColor(img.pixel(1, 1)), QColor(0, 0, 255));

        enter(*b);
        QVERIFY(b->isHovered());
        img = paint(*b);
        QCOMPARE(QColor(img.pixel(15, 15)), QColor(200, 0, 0));
        QCOMPARE(QColor(img.pixel(10, 10)), QColor(0, 255, 0));
        leave(*b);
        QVERIFY(!b->isHovered());
        QCOMPARE(QColor(paint(*b).pixel(15, 15)), QColor(150, 0, 0));
    }

    void pressedImageMovesByTheOffset() {
        QWidget host;
        host.resize(60, 60);
        auto* b = new CSkinButton(&host);
        b->setGeometry(0, 0, 30, 30);
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(qRgb(255, 255, 0));
        b->setBitmaps(img, std::nullopt, QImage(), std::nullopt);
        b->setColor(CSkinButton::BackgroundIn, Qt::black);
        b->setColor(CSkinButton::BackgroundOut, Qt::black);
        b->setDrawBorder(false);
        b->setPressedStyle(CSkinButton::PressedStyle::ShiftDown);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // Centred: columns and rows 13..16.
        QCOMPARE(QColor(paint(*b).pixel(13, 13)), QColor(255, 255, 0));
        QCOMPARE(QColor(paint(*b).pixel(13, 17)), QColor(Qt::black));
        b->setDown(true);
        const QImage down = paint(*b);
        QCOMPARE(QColor(down.pixel(13, 13)), QColor(Qt::black));
        QCOMPARE(QColor(down.pixel(13, 15)), QColor(255, 255, 0));
        QCOMPARE(QColor(down.pixel(13, 18)), QColor(255, 255, 0));
    }

    void textTakesTheColourOfItsState() {
        QWidget host;
        auto* b = new CSkinButton(QStringLiteral("MMMMMMMM"), &host);
        b->setGeometry(0, 0, 120, 30);
        b->setColor(CSkinButton::BackgroundOut, Qt::black);
        b->setColor(CSkinButton::BackgroundIn, Qt::black);
        b->setColor(CSkinButton::TextOut, QColor(255, 0, 0));
        b->setColor(CSkinButton::TextIn, QColor(0, 255, 0));
        b->setDrawBorder(false);
        b->setFocusPolicy(Qt::NoFocus);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // Text on black, smoothed by the font engine: a pixel of the text's
        // colour at any strength, with the other two channels dark.
        const auto count = [](const QImage& img, QRgb colour) {
            const auto strong = [](int channel) { return channel >= 128; };
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb p = img.pixel(x, y);
                    const bool red = strong(qRed(p)), green = strong(qGreen(p)), blue = strong(qBlue(p));
                    n += red == (qRed(colour) != 0) && green == (qGreen(colour) != 0) && blue == (qBlue(colour) != 0) &&
                         (red || green || blue);
                }
            return n;
        };
        leave(*b);
        QImage img = paint(*b);
        QVERIFY(count(img, qRgb(255, 0, 0)) > 10);
        QCOMPARE(count(img, qRgb(0, 255, 0)), 0);
        enter(*b);
        img = paint(*b);
        QVERIFY(count(img, qRgb(0, 255, 0)) > 10);
        QCOMPARE(count(img, qRgb(255, 0, 0)), 0);
    }

    void sizeToContentTakesTheImageSize() {
        QWidget host;
        auto* b = new CSkinButton(&host);
        b->setGeometry(7, 9, 100, 100);
        QImage img(80, 37, QImage::Format_RGB32);
        img.fill(Qt::gray);
        b->setBitmaps(img, kMagenta, QImage(), std::nullopt);
        b->sizeToContent();
        QCOMPARE(b->geometry(), QRect(7, 9, 80, 37));
    }

    void checkModeLatchesOnClick() {
        QWidget host;
        auto* plain = new CSkinButton(QStringLiteral("a"), &host);
        auto* check = new CSkinButton(QStringLiteral("b"), &host, true);
        plain->setGeometry(0, 0, 40, 20);
        check->setGeometry(50, 0, 40, 20);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(check->getCheck());
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->getCheck());
        check->setCheck(true);
        QVERIFY(check->getCheck());
        plain->setCheck(true);
        QVERIFY(!plain->getCheck());
        QTest::mouseClick(plain, Qt::LeftButton);
        QVERIFY(!plain->getCheck());
    }

    void disablingTheFocusedButtonMovesTheFocus() {
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        auto* first = new CSkinButton(QStringLiteral("first"), &host);
        auto* second = new CSkinButton(QStringLiteral("second"), &host);
        layout->addWidget(first);
        layout->addWidget(second);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        first->setFocus();
        QVERIFY(first->hasFocus());
        enter(*first);
        QVERIFY(first->isHovered());
        first->setEnabled(false);
        QVERIFY(second->hasFocus());
        QVERIFY(!first->isHovered());
    }
};

QTEST_MAIN(SkinButtonTest)
#include "skin_button_test.moc"
