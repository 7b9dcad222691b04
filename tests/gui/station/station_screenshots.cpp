// Renders the Station view with eight ports busy into a PNG file, for
// looking at it without a bench of STBs. Meant for an X server such as Xvfb.
//
// usage: dorvane-station-screenshots OUTDIR SIM IMAGE REPORT [SUFFIX]
// SIM is dorvane-sim: eight simulated STBs at 115,200 bit/s take IMAGE.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

#include "gui/app/app_language.h"
#include "gui/station/station_window.h"

using namespace dorvane;

namespace {

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Waits for the bench's eight device paths.
QStringList benchPaths(QProcess& sim) {
    QStringList paths;
    QElapsedTimer t;
    t.start();
    while (paths.size() < 8 && t.elapsed() < 5000) {
        if (sim.canReadLine())
            paths << QString::fromLocal8Bit(sim.readLine()).trimmed();
        else
            sim.waitForReadyRead(100);
    }
    return paths;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The language of the picture (DORVANE_SCREENSHOT_LANG=de).
    if (const QByteArray language = qgetenv("DORVANE_SCREENSHOT_LANG"); !language.isEmpty())
        applyLanguage(QString::fromLatin1(language));
    const QStringList args = QApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: dorvane-station-screenshots OUTDIR SIM IMAGE REPORT [SUFFIX]\n");
        return 2;
    }
    const QString suffix = args.value(5);
    QProcess sim;
    // Eight STBs switched on one after another, of two boot-loader and two
    // application versions.
    sim.start(
        args[2],
        {"--boxes",    "8",          "--rate",   "115200",         "--no-stdin", "--c-interval", "200", "--boot-ms",
         "5000",       "--on-after", "100-1500", "--boot-version", "0x02010000", "--box",        "3",   "--app-version",
         "0x01030000", "--box",      "6",        "--boot-version", "0x02020000"});
    const QStringList ports = benchPaths(sim);
    if (ports.size() != 8) {
        std::fprintf(stderr, "dorvane-sim did not start\n");
        return 1;
    }
    StationWindow window;
    window.setFile(args[3]);
    QFile::remove(args[4]);
    window.setReport(args[4]);
    for (const QString& port : ports) window.addPort(port);
    window.resize(1000, 640);
    window.show();
    window.startAll();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000 && window.run()->totals().busy < 8) settle(100);
    settle(2500);  // a few percent on every port
    const QString path = QDir(args[1]).filePath(QStringLiteral("station%1.png").arg(suffix));
    const bool ok = window.grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    window.stopAll();
    sim.terminate();
    sim.waitForFinished(3000);
    return ok ? 0 : 1;
}
