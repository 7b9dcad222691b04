// Contrast: every text on the skin stands out from the skin behind it by
// at least 4.5:1 (WCAG 2, normal text), in every language; the editor and
// the dialogs take the desktop's palette, dark and high-contrast ones too,
// and keep their texts readable in it.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <vector>

#include "gui/app/main_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/support/scripted_prompts.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/text_progress_bar.h"
#include "ui/contrast.h"
#include "ui/test_languages.h"

using namespace dorvane;
using test::contrastRatio;
using test::ScriptedPrompts;

namespace {

constexpr double kNeeded = 4.5;

// The contrast that 90 % of the pixels of area give text (a stray bright
// pixel of the skin's texture does not fail a label).
double contrastBehind(const QImage& behind, const QColor& text) {
    std::vector<double> ratios;
    for (int y = 0; y < behind.height(); ++y)
        for (int x = 0; x < behind.width(); ++x) ratios.push_back(contrastRatio(text, behind.pixelColor(x, y)));
    if (ratios.empty()) return 21;
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 10];
}

// What is behind w's text: the window drawn with w's text taken away.
QImage behindText(QWidget& window, QWidget* w, QRect area) {
    QString text;
    if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text(), l->setText(QString());
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text(), b->setText(QString());
    const QImage shot = window.grab(area.translated(w->mapTo(&window, QPoint(0, 0)))).toImage();
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    return shot;
}

// The middle of a widget, where its text is drawn.
QRect textArea(QWidget* w) {
    return w->rect().adjusted(w->width() / 6, w->height() / 4, -w->width() / 6, -w->height() / 4);
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
    return p;
}

QPalette highContrastPalette() {
    QPalette p(Qt::white, Qt::black);
    p.setColor(QPalette::Button, Qt::black);
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x00, 0xff, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        test::useLanguage(QStringLiteral("en"));
        QApplication::setPalette(QPalette());
    }

    void theFormulaIsWcags() {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 10), 210);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
        // #767676 on white is the lightest grey that passes 4.5:1.
        QVERIFY(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) >= 4.5);
        QVERIFY(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5);
    }

    void everyTextOnTheSkinStandsOut_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : test::testLanguages()) QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextOnTheSkinStandsOut() {
        QFETCH(QString, language);
        QVERIFY(test::useLanguage(language));
        ScriptedPrompts prompts;
        CMainDialog::Options options;
        options.portName = QStringLiteral("/dev/ttyUSB0");
        options.settingsApplication = QStringLiteral("dorvane-contrast-test");
        CMainDialog window(options, prompts);
        window.control(CMainDialog::kEditor)->show();
        window.control(CMainDialog::kForced)->setEnabled(true);
        static_cast<QLabel*>(window.control(CMainDialog::kThroughput))->setText(QStringLiteral("115200 bps"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList bad;
        const auto check = [&](QWidget* w, const QColor& text, const QImage& behind) {
            const double ratio = contrastBehind(behind, text);
            if (ratio < kNeeded)
                bad << QStringLiteral("%1 \"%2\": %3:1")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->property("text").toString())
                           .arg(ratio, 0, 'f', 2);
        };
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
                check(w, label->palette().color(QPalette::WindowText), behindText(window, w, textArea(w)));
            else if (auto* box = qobject_cast<QCheckBox*>(w)) {
                // Beside the indicator (on the other side in right-to-left).
                QStyleOptionButton opt;
                opt.initFrom(box);
                const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box);
                check(w, box->palette().color(QPalette::WindowText),
                      behindText(window, w, text.adjusted(1, 2, -1, -2)));
            } else if (auto* b = qobject_cast<CSkinButton*>(w); b && !b->text().isEmpty())
                check(w, b->color(CSkinButton::TextOut), behindText(window, w, textArea(w)));
        }
        // The bar's text, on the filled part and on the empty part.
        auto* bar = static_cast<CTextProgressBar*>(window.control(CMainDialog::kProgress));
        if (contrastRatio(bar->effectiveTextOnBar(), bar->effectiveBarColor()) < kNeeded)
            bad << QStringLiteral("bar, filled");
        if (contrastRatio(bar->effectiveTextOnBackground(), bar->effectiveBackgroundColor()) < kNeeded)
            bad << QStringLiteral("bar, empty");
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));
    }

    void theCheckSeesALowContrastText() {
        // Dark grey on the dark skin is caught.
        ScriptedPrompts prompts;
        CMainDialog::Options options;
        options.portName = QStringLiteral("/dev/ttyUSB0");
        options.settingsApplication = QStringLiteral("dorvane-contrast-test");
        CMainDialog window(options, prompts);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* label = new QLabel(QStringLiteral("Elapsed :"), &window);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, QColor(0x30, 0x34, 0x3a));
        label->setPalette(p);
        label->setGeometry(window.control(CMainDialog::kLog)->geometry().translated(0, -30).adjusted(0, 0, 0, -40));
        label->show();
        QVERIFY(contrastBehind(behindText(window, label, textArea(label)), QColor(0x30, 0x34, 0x3a)) < kNeeded);
    }

    void dialogsTakeTheDesktopsPalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << darkPalette();
        QTest::newRow("high contrast") << highContrastPalette();
    }

    void dialogsTakeTheDesktopsPalette() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        CSerialConfigDialog config(QList<SerialPortEntry>{}, nullptr);
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        QStringList bad;
        for (QWidget* w : config.findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            const QColor fg = w->palette().color(w->foregroundRole());
            const QColor bg = w->palette().color(w->backgroundRole());
            if (fg != palette.color(w->foregroundRole()) || contrastRatio(fg, bg) < kNeeded)
                bad << QStringLiteral("%1 %2 on %3")
                           .arg(QString::fromLatin1(w->metaObject()->className()), fg.name(), bg.name());
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
