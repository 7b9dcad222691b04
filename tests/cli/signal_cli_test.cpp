// Signals while a transfer runs: Ctrl-C (SIGINT), SIGTERM and SIGHUP (the
// terminal closed) in each phase of a download and an upload, against the
// simulated STB on its pseudo-terminal: what the STB sees (CAN CAN while
// blocks go), the exit status (128 + the signal) and the JSON result line.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "cli_run.h"
#include "sim/sim_process.h"
#include "support/channel_blob.h"

namespace {

// The program's JSON lines so far, and when the line with `text` came.
struct JsonLines {
    QProcess& p;
    QByteArray out = {};

    QList<QJsonObject> objects() const {
        QList<QJsonObject> list;
        for (const QByteArray& line : out.split('\n'))
            if (!line.isEmpty()) list.append(QJsonDocument::fromJson(line).object());
        return list;
    }
    bool logged(const QString& line) {
        out += p.readAllStandardOutput();
        for (const QJsonObject& o : objects())
            if (o.value("event").toString() == "log" && o.value("line").toString() == line) return true;
        return false;
    }
    bool hasEvent(const QString& event) {
        out += p.readAllStandardOutput();
        for (const QJsonObject& o : objects())
            if (o.value("event").toString() == event) return true;
        return false;
    }
};

}  // namespace

class SignalCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
        const auto blob = dorvane::test::channelDataBlob(60000);
        QVERIFY(writeBytes(dir.filePath("stb.irz"), QByteArray(reinterpret_cast<const char*>(blob.data()),
                                                               static_cast<qsizetype>(blob.size()))));
    }

    void signalStopsTheTransfer_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("phase");
        const QList<QPair<int, QString>> signals_ = {{SIGINT, "INT"}, {SIGTERM, "TERM"}, {SIGHUP, "HUP"}};
        for (const auto& [signal, name] : signals_) {
            for (const QString phase :
                 {"download waiting", "download data", "download writing", "upload waiting", "upload data"})
                QTest::newRow(qPrintable(name + " " + phase)) << signal << phase;
        }
    }
    void signalStopsTheTransfer() {
        QFETCH(int, signal);
        QFETCH(QString, phase);
        const bool upload = phase.startsWith("upload");
        QStringList simArgs;
        if (phase == "download waiting")
            simArgs = {"--rate", "0"};  // never switched on
        else if (phase == "download data")
            simArgs = {"--rate", "9600", "--at", "300:on", "--answer", "ack"};
        else if (phase == "download writing")
            simArgs = {"--rate", "0", "--at", "300:on", "--write-ms", "300", "--write-stall", "20000"};
        else if (phase == "upload waiting")  // the STB's sender starts late
            simArgs = {"--rate",         "0",    "--start",       "app",
                       "--sender-delay", "4000", "--upload-file", dir.filePath("stb.irz")};
        else
            simArgs = {"--rate", "19200", "--start", "app", "--upload-file", dir.filePath("stb.irz")};
        SimProcess sim(simArgs);
        const QString target = dir.filePath("signalled.irz");
        QFile::remove(target);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DORVANE_TIMEOUTS", "start=20000,writing=30000,first=20000,silence=20000");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                upload ? QStringList{"upload", "--json", "--port", sim.path(), target}
                       : QStringList{"download", "--json", "--port", sim.path(), dir.filePath("boot.bin")});
        QVERIFY(p.waitForStarted(5000));
        JsonLines json{p};
        if (phase == "download waiting") {
            QTRY_VERIFY_WITH_TIMEOUT(json.hasEvent("start"), 5000);
            QTest::qWait(1500);
        } else if (phase == "upload waiting") {
            // The command went; the tool asks for the first block.
            QVERIFY(!sim.waitEvent("console loadb up curdb y", 5000).isEmpty());
            QTest::qWait(1000);
        } else if (phase == "download data") {
            QTRY_VERIFY_WITH_TIMEOUT(json.logged("Transferring started!"), 10000);
        } else if (phase == "download writing") {
            QVERIFY(!sim.waitEvent("writing stalls", 10000).isEmpty());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(json.logged("Uploading process started."), 10000);
        }
        QVERIFY2(p.state() == QProcess::Running, json.out.constData());

        ::kill(static_cast<pid_t>(p.processId()), signal);
        // With --json the warning is an "error" line on standard output.
        if (phase == "download writing") {
            QTRY_VERIFY_WITH_TIMEOUT((json.out += p.readAllStandardOutput()).contains("Do not switch it off"), 3000);
            if (signal == SIGINT) {
                // Only Ctrl-C gives a second chance: the wait goes on.
                QVERIFY(!p.waitForFinished(700));
                QVERIFY(json.out.contains("Ctrl-C again stops waiting for it."));
                ::kill(static_cast<pid_t>(p.processId()), SIGINT);
            }
        }
        QVERIFY(p.state() == QProcess::NotRunning || p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 128 + signal);
        json.out += p.readAllStandardOutput();
        QCOMPARE(json.out.count("Do not switch it off"), phase == "download writing" ? 1 : 0);
        const QList<QJsonObject> lines = json.objects();
        QVERIFY(!lines.isEmpty());
        const QJsonObject result = lines.last();
        QCOMPARE(result.value("event").toString(), QStringLiteral("result"));
        QCOMPARE(result.value("outcome").toString(), QStringLiteral("canceled"));
        QCOMPARE(result.value("success").toBool(), false);
        QCOMPARE(std::count_if(lines.begin(), lines.end(),
                               [](const QJsonObject& o) { return o.value("event").toString() == "result"; }),
                 1);
        // While blocks go, CAN CAN lets the STB go at once.
        if (phase == "download data") QVERIFY(!sim.waitEvent("download cancelled", 3000).isEmpty());
        if (phase == "upload data" || phase == "upload waiting")
            QVERIFY2(!sim.waitEvent("upload cancelled", 6000).isEmpty(), qPrintable(sim.events().join('|')));
        if (upload) QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(SignalCliTest)
#include "signal_cli_test.moc"
