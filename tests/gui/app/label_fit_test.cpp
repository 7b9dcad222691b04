// Every label, button, check box and field of the main window, the About
// box, the port dialog, the connection check and the Station view shows its whole text, at the usual fonts of a
// Linux desktop, in every language the program speaks and in a
// pseudo-language 40 % longer than English. The test runs once per display
// scale (QT_SCALE_FACTOR is set by the test's registration: 1, 1.25, 1.5
// and 2).

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "gui/app/about_dialog.h"
#include "gui/app/connection_check_dialog.h"
#include "gui/app/main_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/station/station_window.h"
#include "gui/support/scripted_prompts.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/text_progress_bar.h"
#include "qtcore/app/core_text.h"
#include "ui/test_languages.h"

using namespace dorvane;
using test::ScriptedPrompts;

namespace {

// The room a widget gives its text, and the text's own size.
struct Fit {
    QString what;
    int need = 0;
    int room = 0;
    int needHeight = 0;
    int roomHeight = 0;
    bool fits() const { return need <= room && needHeight <= roomHeight; }
};

int textWidth(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n')) widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

int textHeight(const QFontMetrics& fm, const QString& text) {
    return fm.height() * static_cast<int>(text.count('\n') + 1);
}

QString nameOf(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
}

// Every visible widget with a text, measured; the ones that clip.
QList<Fit> clipped(QWidget& top) {
    QList<Fit> bad;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&top)) continue;
        const QFontMetrics fm = w->fontMetrics();
        Fit f;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap()) continue;
            const QRect r =
                label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            const QString text = label->buddy() ? shownText(label->text()) : label->text();
            f = {nameOf(w, label->text()), textWidth(fm, text), r.width(), textHeight(fm, text), r.height()};
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            const QSize hint = check->sizeHint();
            f = {nameOf(w, check->text()), hint.width(), check->width(), hint.height(), check->height()};
        } else if (auto* skin = qobject_cast<CSkinButton*>(w)) {
            if (skin->text().isEmpty()) continue;
            // Two pixels of the face's rim stay clear on each side.
            // The button draws its text in a smaller font where it must.
            const QFontMetrics drawn(skin->fittedFont());
            f = {nameOf(w, skin->text()), textWidth(drawn, shownText(skin->text())) + 4, skin->width(), drawn.height(),
                 skin->height()};
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            const QSize hint = push->sizeHint();
            f = {nameOf(w, push->text()), hint.width(), push->width(), hint.height(), push->height()};
        } else if (auto* bar = qobject_cast<CTextProgressBar*>(w)) {
            const QFontMetrics drawn(bar->fittedFont());
            f = {nameOf(w, bar->text()), textWidth(drawn, bar->text()) + 4, bar->width(), drawn.height(),
                 bar->height()};
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const QSize hint = combo->sizeHint();
            f = {nameOf(w, combo->currentText()), hint.width(), combo->width(), hint.height(), combo->height()};
        } else {
            continue;
        }
        if (!f.fits()) bad << f;
    }
    return bad;
}

QString report(const QList<Fit>& bad) {
    QStringList lines;
    for (const Fit& f : bad)
        lines << QStringLiteral("%1 needs %2x%3, has %4x%5")
                     .arg(f.what)
                     .arg(f.need)
                     .arg(f.needHeight)
                     .arg(f.room)
                     .arg(f.roomHeight);
    return lines.join(QStringLiteral("; "));
}

// A USB adapter as the system describes it, with a long name.
QList<SerialPortEntry> fakeAdapters() {
    SerialPortEntry usb{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("CP2102N USB to UART Bridge Controller"),
                        QStringLiteral("Silicon Labs")};
    usb.vendorId = 0x10c4;
    usb.productId = 0xea60;
    usb.serialNumber = QStringLiteral("0001");
    return {{QStringLiteral("/dev/ttyS0"), QString()}, usb};
}

}  // namespace

class LabelFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The scale is in effect (the texts are drawn at that many device
        // pixels a pixel).
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QVERIFY(scale >= 1.0);
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), scale);
        for (const char* family : {"DejaVu Sans", "Noto Sans"})
            if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
                QFAIL(qPrintable(QStringLiteral("font %1 is not installed (scripts/install-deps)").arg(family)));
    }

    void cleanup() { test::useLanguage(QStringLiteral("en")); }

    void everyTextFits_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("language");
        QTest::newRow("DejaVu Sans, COM12") << "DejaVu Sans"
                                            << "COM12"
                                            << "en";
        QTest::newRow("DejaVu Sans, ttyUSB0") << "DejaVu Sans"
                                              << "/dev/ttyUSB0"
                                              << "en";
        QTest::newRow("Noto Sans, COM12") << "Noto Sans"
                                          << "COM12"
                                          << "en";
        QTest::newRow("Noto Sans, ttyACM10") << "Noto Sans"
                                             << "/dev/ttyACM10"
                                             << "en";
        for (const QString& language : test::testLanguages()) {
            if (language == QLatin1String("en")) continue;
            QTest::addRow("DejaVu Sans, ttyUSB0, %s", qPrintable(language)) << "DejaVu Sans"
                                                                            << "/dev/ttyUSB0" << language;
            QTest::addRow("Noto Sans, ttyACM10, %s", qPrintable(language)) << "Noto Sans"
                                                                           << "/dev/ttyACM10" << language;
        }
    }

    void everyTextFits() {
        QFETCH(QString, family);
        QFETCH(QString, port);
        QFETCH(QString, language);
        QVERIFY(test::useLanguage(language));
        // The desktop's font, at the size desktops default to.
        QApplication::setFont(QFont(family, 10));

        ScriptedPrompts prompts;
        CMainDialog::Options options;
        options.portName = port;  // not there: the window starts with its port closed
        options.settingsApplication = QStringLiteral("dorvane-label-fit-test");
        CMainDialog window(options, prompts);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.fontInfo().family(), family);
        // The widest texts each field shows.
        static_cast<QLabel*>(window.control(CMainDialog::kElapsed))->setText(QStringLiteral("9:59:59"));
        static_cast<QLabel*>(window.control(CMainDialog::kThroughput))->setText(QStringLiteral("1036800 bps"));
        window.control(CMainDialog::kEditor)->show();
        window.control(CMainDialog::kForced)->setEnabled(true);
        auto* bar = static_cast<CTextProgressBar*>(window.control(CMainDialog::kProgress));
        for (const QString& text :
             {QStringLiteral("Waiting Turning on STB..."), QStringLiteral("Wait writing image end..."),
              QStringLiteral("Downloading 100% ..."), QStringLiteral("Writing image stopped.")}) {
            bar->setText(coreText(text));
            QVERIFY2(clipped(window).isEmpty(), qPrintable(report(clipped(window))));
        }
        for (int id : {CMainDialog::kDownload, CMainDialog::kUpload}) {
            auto* b = static_cast<QAbstractButton*>(window.control(id));
            const QString before = b->text();
            b->setText(coreText(QStringLiteral("Stop")));
            QVERIFY2(clipped(window).isEmpty(), qPrintable(report(clipped(window))));
            b->setText(before);
        }

        CAboutDialog about(&window);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY2(clipped(about).isEmpty(), qPrintable(report(clipped(about))));

        CSerialConfigDialog config(fakeAdapters(), &window);
        config.setPortName(QStringLiteral("/dev/ttyUSB0"));
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        QVERIFY2(clipped(config).isEmpty(), qPrintable(report(clipped(config))));

        CConnectionCheckDialog check(port, {}, &window);
        check.show();
        QVERIFY(QTest::qWaitForWindowExposed(&check));
        QVERIFY2(clipped(check).isEmpty(), qPrintable(report(clipped(check))));

        // The Station view, its tiles showing their longest texts.
        StationWindow station(&window);
        station.addPort(port);
        station.addPort(QStringLiteral("/dev/ttyUSB1"));
        station.show();
        QVERIFY(QTest::qWaitForWindowExposed(&station));
        QVERIFY2(clipped(station).isEmpty(), qPrintable(report(clipped(station))));
        PortStatus status;
        status.port = port;
        status.progress = 57;
        status.etaSeconds = 3599;
        status.lastResult = "verify-failed";
        status.ok = 123;
        status.boxes = 130;
        status.bootVersion = "B1.07";
        status.appVersion = "A2.114";
        for (PortPhase phase :
             {PortPhase::Waiting, PortPhase::LeavingLine, PortPhase::Unusable, PortPhase::Transferring}) {
            status.phase = phase;
            for (PortTile* tile : station.findChildren<PortTile*>()) tile->render(status, true, {});
            QVERIFY2(clipped(station).isEmpty(), qPrintable(report(clipped(station))));
        }
    }
};

QTEST_MAIN(LabelFitTest)
#include "label_fit_test.moc"
