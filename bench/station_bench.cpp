// A station against eight simulated STBs at 115,200 bit/s at once, beside a
// single download: every port's efficiency next to the single transfer's
// (as ratios of one run, never compared with stored numbers), and the
// station's CPU time as a share of one core.
//
// usage: station_bench [BIN_DIR]   (default: the directory of this program)

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

constexpr double kLineBytesPerSecond = 115200.0 / 10.0;  // 8N1
constexpr int kBoxes = 8;
constexpr int kImageBytes = 1 << 20;

QString binDir;

// The simulator (one box or a bench), its paths and its event lines.
class Sim {
public:
    Sim(const QStringList& args, int boxes) {
        p_.start(binDir + "/dorvane-sim", args);
        p_.waitForStarted(5000);
        QElapsedTimer t;
        t.start();
        while (paths_.size() < boxes && t.elapsed() < 5000) {
            if (p_.canReadLine())
                paths_ << QString::fromLocal8Bit(p_.readLine()).trimmed();
            else
                p_.waitForReadyRead(50);
        }
    }
    ~Sim() {
        p_.terminate();
        if (!p_.waitForFinished(3000)) p_.kill();
        p_.waitForFinished(3000);
    }
    const QStringList& paths() const { return paths_; }
    // Every event line so far.
    QStringList events() {
        while (p_.waitForReadyRead(200) || p_.canReadLine())
            while (p_.canReadLine()) lines_ << QString::fromLocal8Bit(p_.readLine()).trimmed();
        return lines_;
    }

private:
    QProcess p_;
    QStringList paths_;
    QStringList lines_;
};

double cpuSecondsOfChildren() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void putLe32(QByteArray& b, int at, quint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// An application image of exactly 1 MiB (48-byte header and payload).
bool writeImage(const QString& path) {
    QByteArray image(kImageBytes, '\0');
    quint32 x = 12345, sum = 0;
    for (int i = 48; i < kImageBytes; ++i) {
        x = x * 1103515245u + 12345u;
        image[i] = static_cast<char>(x >> 16);
        sum += static_cast<quint8>(image[i]);
    }
    image.replace(0, 3, "XPR");
    putLe32(image, 4, 48);
    image.replace(8, 3, "APP");
    putLe32(image, 16, kImageBytes - 48);
    putLe32(image, 20, 0x01000000);
    putLe32(image, 24, 1);
    putLe32(image, 28, (2008u << 16) | (4u << 8) | 3u);
    putLe32(image, 32, 0);
    putLe32(image, 44, sum);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(image) == image.size();
}

// From the header block to the end of the batch, per box ("" for one box).
QMap<QString, double> dataSeconds(const QStringList& events) {
    QMap<QString, long> header, end;
    for (const QString& line : events) {
        const QStringList w = line.split(' ');
        const bool bench = w.size() > 2 && w[1].toInt() > 0;
        const QString box = bench ? w[1] : QString();
        const QString what = w.mid(bench ? 2 : 1).join(' ');
        if (what.startsWith("header ")) header[box] = w[0].toLong();
        if (what == "batch end") end[box] = w[0].toLong();
    }
    QMap<QString, double> seconds;
    for (auto it = end.begin(); it != end.end(); ++it)
        if (header.contains(it.key())) seconds[it.key()] = static_cast<double>(it.value() - header[it.key()]) / 1000.0;
    return seconds;
}

double efficiency(double seconds) { return kImageBytes / seconds / kLineBytesPerSecond; }

int runWait(QProcess& p, const QString& program, const QStringList& args) {
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, args);
    if (!p.waitForFinished(600000)) {
        p.kill();
        p.waitForFinished(3000);
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    binDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    QTemporaryDir work;
    const QString image = work.filePath("bench.img");
    if (!work.isValid() || !writeImage(image)) return 1;
    const QStringList sim{"--rate", "115200", "--write-ms", "100", "--no-stdin", "--c-interval", "200"};

    std::optional<double> single;
    {
        Sim one(sim + QStringList{"--at", "400:on"}, 1);
        QProcess download;
        const int status = runWait(download, binDir + "/dorvane", {"download", "--port", one.paths().value(0), image});
        const auto seconds = dataSeconds(one.events());
        if (status == 0 && seconds.contains({})) single = seconds.value({});
    }
    if (!single) {
        std::printf("single download of 1 MiB at 115,200: failed\n");
        return 0;
    }
    std::printf("single download, 1 MiB at 115,200 bit/s: %.2f s, efficiency %.4f\n", *single, efficiency(*single));

    Sim bench(sim + QStringList{"--boxes", QString::number(kBoxes), "--on-after", "400-1200", "--boot-ms", "5000"},
              kBoxes);
    QStringList args{"station", image};
    for (const QString& path : bench.paths()) args << "--port" << path;
    const double cpuBefore = cpuSecondsOfChildren();
    QElapsedTimer wall;
    wall.start();
    QProcess station;
    const int status = runWait(station, binDir + "/dorvane", args);
    const double wallSeconds = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = cpuSecondsOfChildren() - cpuBefore;  // the station alone: the bench still runs
    const auto seconds = dataSeconds(bench.events());
    std::printf("station, %d boxes at once (exit status %d):\n", kBoxes, status);
    std::printf("  %-4s %8s %10s %10s %12s\n", "box", "data s", "efficiency", "single", "difference");
    double worst = 0;
    for (int k = 1; k <= kBoxes; ++k) {
        const QString box = QString::number(k);
        if (!seconds.contains(box)) {
            std::printf("  %-4d did not finish\n", k);
            continue;
        }
        const double e = efficiency(seconds[box]);
        worst = std::max(worst, std::abs(efficiency(*single) - e));
        std::printf("  %-4d %8.2f %10.4f %10.4f %+12.4f\n", k, seconds[box], e, efficiency(*single),
                    e - efficiency(*single));
    }
    std::printf("  largest difference from the single transfer: %.4f (goal <= 0.005)\n", worst);
    std::printf("  station CPU: %.2f s in %.1f s = %.1f %% of one core (goal < 10 %%)\n", cpu, wallSeconds,
                100.0 * cpu / wallSeconds);
    return 0;
}
