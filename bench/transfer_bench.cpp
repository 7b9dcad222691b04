// Measures how well the line is used: the download of a 1 MiB image and the
// upload of a 131,071-byte channel database against the simulated STB at
// 115,200 bit/s, and the download into lrzsz rb against lrzsz sb doing the
// same over unpaced pseudo-terminals. Every figure comes from one run of
// this program; nothing is compared with stored numbers.
//
// usage: transfer_bench [BIN_DIR]   (default: the directory of this program)

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

constexpr double kLineBytesPerSecond = 115200.0 / 10.0;  // 11,520: 8N1

QString binDir;

// The simulator, with its event lines ("<ms> <event>").
class Sim {
public:
    explicit Sim(const QStringList& args) {
        p_.start(binDir + "/dorvane-sim", args);
        p_.waitForStarted(5000);
        QElapsedTimer t;
        t.start();
        while (!p_.canReadLine() && t.elapsed() < 5000) p_.waitForReadyRead(50);
        path_ = QString::fromLocal8Bit(p_.readLine()).trimmed();
    }
    ~Sim() {
        p_.terminate();
        if (!p_.waitForFinished(3000)) p_.kill();
        p_.waitForFinished(3000);
    }
    const QString& path() const { return path_; }

    // The time stamp of the first event line containing text.
    std::optional<long> eventTime(const QString& text, int timeoutMs) {
        QElapsedTimer t;
        t.start();
        for (;;) {
            for (const QString& line : seen_)
                if (line.contains(text)) return line.section(' ', 0, 0).toLong();
            while (p_.canReadLine()) seen_.append(QString::fromLocal8Bit(p_.readLine()).trimmed());
            bool found = false;
            for (const QString& line : seen_) found = found || line.contains(text);
            if (found) continue;
            if (t.elapsed() > timeoutMs || p_.state() == QProcess::NotRunning) return std::nullopt;
            p_.waitForReadyRead(50);
        }
    }

private:
    QProcess p_;
    QString path_;
    QStringList seen_;
};

struct Run {
    int status = -1;
    double seconds = 0;
};

Run runProgram(const QString& program, const QStringList& args, int limitMs) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    Run r;
    if (p.waitForFinished(limitMs) && p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    else
        p.kill(), p.waitForFinished(3000);
    r.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    return r;
}

void putLe32(QByteArray& b, int at, quint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// An application image of exactly 1 MiB (48-byte header and payload).
QByteArray benchImage() {
    const int total = 1 << 20;
    QByteArray image(total, '\0');
    quint32 x = 12345, sum = 0;
    for (int i = 48; i < total; ++i) {
        x = x * 1103515245u + 12345u;
        image[i] = static_cast<char>(x >> 16);
        sum += static_cast<quint8>(image[i]);
    }
    image.replace(0, 3, "XPR");
    putLe32(image, 4, 48);
    image.replace(8, 3, "APP");
    putLe32(image, 16, total - 48);
    putLe32(image, 20, 0x01000000);
    putLe32(image, 24, 1);
    putLe32(image, 28, (2008u << 16) | (4u << 8) | 3u);
    putLe32(image, 32, 0);
    putLe32(image, 44, sum);
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void report(const char* what, qsizetype size, double seconds, const char* goal) {
    const auto bytes = static_cast<double>(size);
    std::printf("%-58s %8.2f s  %9.0f B/s  efficiency %.3f  (goal %s)\n", what, seconds, bytes / seconds,
                bytes / seconds / kLineBytesPerSecond, goal);
    std::fflush(stdout);
}

// Download into rb through the relay; returns the data phase in seconds
// (first block byte towards rb until rb has ended).
std::optional<double> dataPhaseIntoRb(const QString& file, const QString& into, bool useSb, int holdMs) {
    QStringList args{"--rate", "0", "--hold-ms", QString::number(holdMs), "--relay", "download", "--relay-dir", into};
    if (useSb) args << "--relay-now";
    args << "--"
         << "rb";
    Sim sim(args);
    Run r;
    if (useSb) {
        // sb on the terminal where the program would sit.
        const QString cmd = QStringLiteral("exec sb --ymodem -k '%1' <'%2' >'%2' 2>/dev/null").arg(file, sim.path());
        r = runProgram("/bin/sh", {"-c", cmd}, 300000);
    } else {
        r = runProgram(binDir + "/dorvane", {"download", "--port", sim.path(), file}, 300000);
    }
    const auto start = sim.eventTime("relay: data start", 5000);
    const auto end = sim.eventTime("relay: rb ended with 0", 10000);
    if (r.status != 0 || !start || !end) {
        std::printf("  %s run failed (status %d)\n", useSb ? "sb" : "dorvane", r.status);
        return std::nullopt;
    }
    return static_cast<double>(*end - *start) / 1000.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    binDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    QTemporaryDir work;
    if (!work.isValid()) return 1;

    const QByteArray image = benchImage();
    const QString imagePath = work.filePath("bench.img");
    writeFile(imagePath, image);
    // A full channel database (an upload must be channel data to be kept),
    // with bytes behind it up to 131,071.
    const QString blobPath = work.filePath("blob.irz");
    if (runProgram(binDir + "/dorvane", {"demo-data", "--full", blobPath}, 60000).status != 0) return 1;
    QByteArray blob;
    {
        QFile f(blobPath);
        if (!f.open(QIODevice::ReadOnly)) return 1;
        blob = f.readAll();
    }
    for (qsizetype i = blob.size(); i < 131071; ++i) blob.append(static_cast<char>((i * 31) ^ (i >> 8)));
    writeFile(blobPath, blob);

    std::printf("Line: 115,200 bit/s 8N1 = 11,520 bytes/s; efficiency = file bytes per second / 11,520\n\n");

    {
        Sim sim({"--rate", "115200", "--at", "400:on", "--write-ms", "100", "--no-stdin"});
        const Run r = runProgram(binDir + "/dorvane", {"download", "--port", sim.path(), imagePath}, 300000);
        const auto header = sim.eventTime("header ", 5000);
        const auto end = sim.eventTime("batch end", 5000);
        if (r.status != 0 || !header || !end) {
            std::printf("download of 1 MiB at 115,200: failed (status %d)\n", r.status);
        } else {
            report("download 1 MiB, header block to end of batch", image.size(),
                   static_cast<double>(*end - *header) / 1000.0, ">= 0.97");
            report("download 1 MiB, whole command (incl. start, writing)", image.size(), r.seconds, "-");
        }
    }
    {
        Sim sim({"--rate", "115200", "--start", "app", "--upload-file", blobPath, "--no-stdin"});
        const QString target = work.filePath("backup.irz");
        const Run r = runProgram(binDir + "/dorvane", {"upload", "--force", "--port", sim.path(), target}, 300000);
        const auto header = sim.eventTime("upload header", 5000);
        const auto end = sim.eventTime("upload done", 5000);
        QFile saved(target);
        const bool same = saved.open(QIODevice::ReadOnly) && saved.readAll() == blob;
        if (r.status != 0 || !header || !end || !same) {
            std::printf("upload of 131,071 bytes at 115,200: failed (status %d)\n", r.status);
        } else {
            report("upload 131,071 bytes, header block to end of batch", blob.size(),
                   static_cast<double>(*end - *header) / 1000.0, ">= 0.90");
            report("upload 131,071 bytes, whole command (incl. command)", blob.size(), r.seconds, "-");
        }
    }
    if (QStandardPaths::findExecutable("rb").isEmpty() || QStandardPaths::findExecutable("sb").isEmpty()) {
        std::printf("\nlrzsz not installed: the comparison with sb is skipped\n");
        return 0;
    }
    std::printf("\nUnpaced pseudo-terminals, data phase (first block byte to rb's end), 1 MiB:\n");
    for (const int hold : {2, 10}) {
        QTemporaryDir intoA, intoB;
        const auto ours = dataPhaseIntoRb(imagePath, intoA.path(), false, hold);
        const auto theirs = dataPhaseIntoRb(imagePath, intoB.path(), true, hold);
        if (!ours || !theirs) continue;
        const bool sameA = QFile(intoA.filePath("bench.img")).size() == image.size();
        const bool sameB = QFile(intoB.filePath("bench.img")).size() == image.size();
        std::printf(
            "  relay hold %2d ms: dorvane download -> rb %6.2f s%s, sb --ymodem -k -> rb %6.2f s%s, "
            "ratio %.3f (goal <= 1.2)\n",
            hold, *ours, sameA ? "" : " (size differs!)", *theirs, sameB ? "" : " (size differs!)", *ours / *theirs);
        std::fflush(stdout);
    }
    return 0;
}
