// Renders the main window (idle and during a download), the About box and
// the port dialog into PNG files, for looking at the window without
// running it by hand. Meant for an X server such as Xvfb.
//
// usage: dorvane-screenshots OUTDIR PORT IMAGE [SUFFIX]
// SUFFIX goes into every file name (e.g. "_200" for a run at
// QT_SCALE_FACTOR=2).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "gui/app/about_dialog.h"
#include "gui/app/app_language.h"
#include "gui/app/connection_check_dialog.h"
#include "gui/app/main_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/support/scripted_prompts.h"
#include "gui/ui/text_progress_bar.h"

using namespace dorvane;
using test::ScriptedPrompts;

namespace {

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(const QPixmap& pixmap, const QString& dir, const char* name) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    const bool ok = pixmap.save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

// The window as it shows on the desktop: from the screen where a window
// system draws it (its shape included), composed from its mask elsewhere.
QPixmap shot(QWidget& w) {
    QScreen* screen = w.screen();
    const bool onDesktop = QGuiApplication::platformName() == QLatin1String("xcb");
    const QRect area = w.frameGeometry().adjusted(-12, -12, 12, 12);
    if (onDesktop && screen) return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QPixmap out(area.size());
    out.fill(QColor(0x9a, 0xa3, 0xad));
    QPainter p(&out);
    p.setClipRegion(w.mask().isEmpty() ? QRegion(w.rect()).translated(12, 12) : w.mask().translated(12, 12));
    p.drawPixmap(12, 12, w.grab());
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The language of the pictures (DORVANE_SCREENSHOT_LANG=de).
    if (const QByteArray language = qgetenv("DORVANE_SCREENSHOT_LANG"); !language.isEmpty())
        dorvane::applyLanguage(QString::fromLatin1(language));
    const QStringList args = QApplication::arguments();
    if (args.size() != 4 && args.size() != 5) {
        std::fprintf(stderr, "usage: dorvane-screenshots OUTDIR PORT IMAGE [SUFFIX]\n");
        return 2;
    }
    const QString dir = args.at(1);
    const QString suffix = args.value(4);
    const auto name = [&suffix](const char* base) {
        static QByteArray keep;
        keep = (QString::fromLatin1(base) + suffix + QStringLiteral(".png")).toLatin1();
        return keep.constData();
    };
    QDir().mkpath(dir);

    // A plain desktop behind the shaped window.
    QWidget desktop;
    desktop.setWindowFlags(Qt::FramelessWindowHint);
    desktop.setStyleSheet(QStringLiteral("background: #9aa3ad;"));
    if (QScreen* s = QGuiApplication::primaryScreen()) desktop.setGeometry(s->geometry());
    desktop.show();
    settle(200);

    ScriptedPrompts prompts;
    prompts.answers = {true, true, true};
    CMainDialog::Options options;
    options.portName = args.at(2);
    options.settingsApplication = QStringLiteral("dorvane-screenshots");
    CMainDialog window(options, prompts);
    window.move(40, 40);
    window.show();
    window.raise();
    settle(1500);
    bool ok = save(shot(window), dir, name("main_idle"));

    window.openFile(args.at(3));
    settle(300);
    window.flow().downloadClicked();
    auto* bar = static_cast<CTextProgressBar*>(window.control(CMainDialog::kProgress));
    QElapsedTimer t;
    t.start();
    while (bar->position() < 30 && t.elapsed() < 60000) settle(100);
    settle(1200);  // the elapsed and throughput fields have ticked
    ok = save(shot(window), dir, name("main_download")) && ok;
    if (window.busy()) window.flow().cancel();

    CAboutDialog about(&window);
    about.show();
    settle(300);
    ok = save(about.grab(), dir, name("about")) && ok;
    about.close();

    CSerialConfigDialog config(&window);
    config.setPortName(args.at(2));
    config.show();
    settle(300);
    ok = save(config.grab(), dir, name("serial_config")) && ok;

    // "Check connection" on the window's port, lent to the check.
    config.setPortLender([&window](const QString& port, bool lend) { window.lendPort(port, lend); });
    config.checkConnection();
    if (auto* check = config.findChild<CConnectionCheckDialog*>()) {
        QElapsedTimer checking;
        checking.start();
        while (check->checking() && checking.elapsed() < 10000) settle(100);
        settle(200);
        ok = save(check->grab(), dir, name("connection_check")) && ok;
        check->close();
    }
    config.close();

    // The same dialog on a machine with a USB adapter (as the system would
    // describe one), the adapter chosen.
    SerialPortEntry usb{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")};
    usb.vendorId = 0x0403;
    usb.productId = 0x6001;
    usb.serialNumber = QStringLiteral("A50285BI");
    CSerialConfigDialog usbConfig(QList<SerialPortEntry>{{QStringLiteral("/dev/ttyS0"), QString()}, usb}, &window);
    usbConfig.setPortName(QStringLiteral("/dev/ttyUSB0"));
    usbConfig.show();
    settle(300);
    ok = save(usbConfig.grab(), dir, name("serial_config_usb")) && ok;
    usbConfig.close();

    if (!prompts.messages.isEmpty())
        std::printf("boxes: %s\n", qPrintable(prompts.messages.join(QStringLiteral(" | "))));
    return ok ? 0 : 1;
}
