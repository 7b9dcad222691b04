#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/cli_run.h"
#include "sim/sim_process.h"
#include "support/trace_scan.h"

// "dorvane doctor" against what can be made here: names that are no port,
// pseudo-terminals held, shut or looped, and the simulated STB.
class DoctorCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QProcessEnvironment env_;

    struct Doctor {
        CliRun run;
        QJsonObject report;
        QJsonObject step(const QString& name) const {
            for (const QJsonValue& v : report.value("steps").toArray())
                if (v.toObject().value("name").toString() == name) return v.toObject();
            return {};
        }
        QString status(const QString& name) const { return step(name).value("status").toString(); }
        QString said(const QString& name) const {
            return step(name).value("detail").toString() + " | " + step(name).value("advice").toString();
        }
    };

    Doctor doctor(const QStringList& args, const QStringList& wrapper = {}) {
        Doctor d;
        d.run = runCliAs(wrapper, QStringList{"doctor", "--json"} + args, env_, 60000);
        d.report = QJsonDocument::fromJson(d.run.out.toUtf8()).object();
        return d;
    }

    // A process that loops a pseudo-terminal back to itself, dropping every
    // dropEvery-th byte (0: none): the far end of a loop-back plug.
    QString relayScript(int dropEvery) {
        const QString path = dir_.filePath(QStringLiteral("relay%1.py").arg(dropEvery));
        writeBytes(path, QStringLiteral("import os, sys, tty\n"
                                        "fd = os.open(sys.argv[1], os.O_RDWR | os.O_NOCTTY)\n"
                                        "tty.setraw(fd)\n"
                                        "print('ready', flush=True)\n"
                                        "n = 0\n"
                                        "while True:\n"
                                        "    data = os.read(fd, 4096)\n"
                                        "    if not data: break\n"
                                        "    out = bytearray()\n"
                                        "    for b in data:\n"
                                        "        n += 1\n"
                                        "        if %1 and n % %1 == 0: continue\n"
                                        "        out.append(b)\n"
                                        "    os.write(fd, bytes(out))\n")
                             .arg(dropEvery)
                             .toUtf8());
        return path;
    }

    // A pseudo-terminal pair made by socat (its ends as links in the test's
    // folder) with the relay on the far end; returns the near end.
    QString loopedPty(QProcess& socat, QProcess& relay, int dropEvery, const QString& tag) {
        const QString near = dir_.filePath(tag + "-near");
        const QString far = dir_.filePath(tag + "-far");
        socat.start("socat", {QStringLiteral("pty,raw,echo=0,link=%1").arg(near),
                              QStringLiteral("pty,raw,echo=0,link=%1").arg(far)});
        for (int i = 0; i < 100 && !(QFile::exists(near) && QFile::exists(far)); ++i) QTest::qWait(20);
        relay.start("python3", {relayScript(dropEvery), far});
        // The far end is looped once the relay says so.
        for (int i = 0; i < 100 && !relay.canReadLine(); ++i) relay.waitForReadyRead(100);
        return near;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        env_.insert("XDG_CONFIG_HOME", dir_.path());
        env_.insert("XDG_DATA_HOME", dir_.filePath("data"));
        env_.insert("DORVANE_TRANSFERS_DIR", dir_.filePath("data/Dorvane_QX/transfers"));
    }

    void aMissingPortStopsAtTheFirstStep() {
        const Doctor d = doctor({"--port", "/dev/ttyNOWHERE7"});
        QCOMPARE(d.run.status, 1);
        QCOMPARE(d.status("port"), QString("problem"));
        QVERIFY2(d.said("port").contains("/dev/ttyNOWHERE7 does not exist"), qPrintable(d.said("port")));
        for (const char* later : {"permission", "holder", "line settings", "link", "boot loader"})
            QCOMPARE(d.status(later), QString("skipped"));
        QCOMPARE(d.report.value("transferCouldStart").toBool(), false);
    }

    void aPlainFileIsNoSerialPort() {
        const QString file = dir_.filePath("firmware.bin");
        QVERIFY(writeBytes(file, "not a terminal"));
        const Doctor d = doctor({"--port", file});
        QCOMPARE(d.run.status, 1);
        QCOMPARE(d.status("port"), QString("problem"));
        QVERIFY2(d.said("port").contains("is not a serial port: it is a plain file"), qPrintable(d.said("port")));
        QCOMPARE(d.status("line settings"), QString("skipped"));
    }

    // The test holds the pseudo-terminal's master (the line's other end);
    // a second process has its device open: that one is named, not the test.
    void aPseudoTerminalHeldByAnotherProgramIsNamed() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        ::fcntl(master, F_SETFD, FD_CLOEXEC);  // the holder must not share the master
        const QString slave = QString::fromLocal8Bit(ptsname(master));
        QProcess holder;
        holder.start("sh", {"-c", QStringLiteral("exec 3<>%1; exec sleep 30").arg(slave)});
        QVERIFY(holder.waitForStarted());
        // Held once the shell has the device as its descriptor 3.
        const QString fd3 = QStringLiteral("/proc/%1/fd/3").arg(holder.processId());
        for (int i = 0; i < 100 && QFile::symLinkTarget(fd3) != slave; ++i) QTest::qWait(50);
        QCOMPARE(QFile::symLinkTarget(fd3), slave);
        const Doctor d = doctor({"--port", slave});
        const qint64 holderPid = holder.processId();
        holder.kill();
        holder.waitForFinished();
        ::close(master);
        QCOMPARE(d.run.status, 1);
        QCOMPARE(d.status("holder"), QString("problem"));
        QVERIFY2(d.said("holder").contains(QStringLiteral("in use by sleep (pid %1)").arg(holderPid)),
                 qPrintable(d.said("holder")));
        QVERIFY(d.said("holder").contains("kill "));
        QCOMPARE(d.status("line settings"), QString("skipped"));
    }

    // As root the check runs as nobody on a device only root may use; as
    // a normal user on a pseudo-terminal of its own shut with mode 000.
    void aPortWithoutPermissionSaysHowToGetIt() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        const QString slave = QString::fromLocal8Bit(ptsname(master));
        QStringList wrapper;
        if (::geteuid() == 0) {
            QVERIFY(::chmod(slave.toLocal8Bit().constData(), 0600) == 0);
            wrapper = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        } else {
            QVERIFY(::chmod(slave.toLocal8Bit().constData(), 0000) == 0);
        }
        const Doctor d = doctor({"--port", slave}, wrapper);
        ::close(master);
        QCOMPARE(d.run.status, 1);
        QCOMPARE(d.status("port"), QString("ok"));
        QCOMPARE(d.status("permission"), QString("problem"));
        QVERIFY2(d.said("permission").contains("may not read and write it"), qPrintable(d.said("permission")));
        if (::geteuid() == 0)
            QVERIFY2(d.said("permission").contains("usermod -aG"), qPrintable(d.said("permission")));
        else
            QVERIFY2(d.said("permission").contains("chmod"), qPrintable(d.said("permission")));
        QCOMPARE(d.status("line settings"), QString("skipped"));
    }

    void aLoopBackPlugPassesEveryByte() {
        QProcess socat, relay;
        const QString near = loopedPty(socat, relay, 0, "clean");
        const Doctor d = doctor({"--port", near, "--loopback"});
        relay.kill();
        socat.kill();
        relay.waitForFinished();
        socat.waitForFinished();
        QCOMPARE(d.status("loopback"), QString("ok"));
        QVERIFY2(d.said("loopback").startsWith("4,096 bytes sent, 4,096 back: 0 lost, 0 garbled, 0 extra"),
                 qPrintable(d.said("loopback")));
        QCOMPARE(d.status("link"), QString("skipped"));
        QCOMPARE(d.run.status, 1);  // a plug is no STB
        QCOMPARE(d.report.value("loopbackTested").toBool(), true);
    }

    void aLoopThatDropsBytesIsCaught() {
        QProcess socat, relay;
        const QString near = loopedPty(socat, relay, 100, "drops");
        const Doctor d = doctor({"--port", near, "--loopback"});
        relay.kill();
        socat.kill();
        relay.waitForFinished();
        socat.waitForFinished();
        QCOMPARE(d.status("loopback"), QString("problem"));
        // 4,096 bytes, every hundredth dropped.
        QVERIFY2(d.said("loopback").startsWith("4,096 bytes sent, 4,056 back: 40 lost, 0 garbled"),
                 qPrintable(d.said("loopback")));
        QVERIFY(d.said("loopback").contains("loses or garbles bytes"));
    }

    void theStbsApplicationAnswersTheLinkTest() {
        SimProcess sim({"--start", "app"});
        QVERIFY(!sim.path().isEmpty());
        const Doctor d = doctor({"--port", sim.path()});
        QCOMPARE(d.run.status, 0);
        QCOMPARE(d.status("link"), QString("ok"));
        QVERIFY(d.report.value("applicationAnswered").toBool());
        QVERIFY2(d.said("holder").contains("other end of this pseudo-terminal is dorvane-sim"),
                 qPrintable(d.said("holder")));
    }

    void theBootLoaderAsksForAFile() {
        SimProcess sim({"--start", "on"});
        const Doctor d = doctor({"--port", sim.path()});
        QCOMPARE(d.run.status, 0);
        QVERIFY(d.report.value("bootLoaderAsked").toBool());
        QVERIFY(!d.report.value("applicationAnswered").toBool());
        QVERIFY2(d.said("link").contains("boot loader asks for a file"), qPrintable(d.said("link")));
    }

    void aSilentStbGetsEachLikelyCause() {
        SimProcess sim({"--start", "off"});
        const Doctor d = doctor({"--port", sim.path()});
        QCOMPARE(d.run.status, 1);
        QCOMPARE(d.status("link"), QString("problem"));
        for (const char* cause : {"the STB is off", "\"PC COM\" off", "null-modem cable", "--power-cycle-wait"})
            QVERIFY2(d.said("link").contains(cause), cause);
        QCOMPARE(d.status("boot loader"), QString("skipped"));
    }

    void theBootLoaderAnswersAfterAPowerCycle() {
        SimProcess sim({"--start", "off", "--at", "2500:on"});
        const Doctor d = doctor({"--port", sim.path(), "--power-cycle-wait", "8"});
        QCOMPARE(d.run.status, 0);
        QCOMPARE(d.status("link"), QString("problem"));
        QCOMPARE(d.status("boot loader"), QString("ok"));
        QVERIFY2(d.said("boot loader").contains("\"PC COM\" off"), qPrintable(d.said("boot loader")));
        QVERIFY2(d.run.err.contains("Switch the STB off"), qPrintable(d.run.err));
        QVERIFY(d.run.elapsedMs < 8000);  // it ends with the 'C', not at the bound
    }

    void aBootLoaderThatNeverComesIsExplained() {
        SimProcess sim({"--start", "off"});
        const Doctor d = doctor({"--port", sim.path(), "--power-cycle-wait", "1"});
        QCOMPARE(d.run.status, 1);
        QCOMPARE(d.status("boot loader"), QString("problem"));
        QVERIFY2(d.said("boot loader").contains("no 'C' within 1.0 s"), qPrintable(d.said("boot loader")));
    }

    void theTextSaysTheSameInLines() {
        SimProcess sim({"--start", "app"});
        const CliRun r = runCli({"doctor", "--port", sim.path()}, env_);
        QCOMPARE(r.status, 0);
        const QStringList lines = r.outLines();
        QVERIFY2(lines.first().startsWith("[ok]       port: " + sim.path()), qPrintable(r.out));
        QVERIFY(r.out.contains("[ok]       link: the STB's application answered the link test"));
        QVERIFY(lines.last().startsWith("A transfer can start"));
        for (const QString& line : lines) QVERIFY2(line.size() <= 100, qPrintable(line));
    }

    // "dorvane bundle" takes in the window's last transfers.
    void theBundleFromTheCommandLine() {
        const QString kept = dir_.filePath("data/Dorvane_QX/transfers/20261201-100000-download");
        QVERIFY(QDir().mkpath(kept));
        QVERIFY(writeBytes(kept + "/receipt.txt", "Transfer: download\n"));
        QVERIFY(writeBytes(kept + "/trace.txt", "0 > 07 ; BEL\n"));
        const QString zip = dir_.filePath("support.zip");
        const CliRun r = runCli({"bundle", "--port", "/dev/ttyNOWHERE9", zip}, env_);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.outLines(), QStringList{zip});
        QProcess list;
        list.start("python3", {"-c",
                               "import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); assert z.testzip() is None; "
                               "print(' '.join(z.namelist()))",
                               zip});
        QVERIFY(list.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(list.readAllStandardOutput()).trimmed(),
                 QStringLiteral("contents.txt version.txt system.txt ports.json settings.txt files.txt doctor.txt "
                                "doctor.json transfers/20261201-100000-download/receipt.txt "
                                "transfers/20261201-100000-download/trace.txt"));
        QCOMPARE(runCli({"bundle"}, env_).status, 2);
        QCOMPARE(runCli({"bundle", dir_.filePath("no/folder/b.zip")}, env_).status, 1);
    }

    // A transfer from the command line is kept where the window keeps its
    // own, in the same bounded ring, and "dorvane bundle" takes it in: a
    // failed download's log says what went wrong and its trace shows the
    // line. Set empty, the variable keeps nothing.
    void commandLineTransfersGoIntoTheBundle() {
        QVERIFY(makeSamples(dir_.filePath("samples")));
        const QString ring = dir_.filePath("cli-transfers");
        QProcessEnvironment env = env_;
        env.insert("DORVANE_TRANSFERS_DIR", ring);
        const QString image = dir_.filePath("samples/app.img");
        const QString fullTrace = dir_.filePath("cli-full.trace");  // asked for: every byte
        // Ten downloads on a port that is not there: kept (the port was
        // tried), and they fill the ring.
        for (int n = 0; n < 10; ++n) QCOMPARE(runCli({"download", "--port", "/dev/ttyNOWHERE9", image}, env).status, 1);
        QCOMPARE(QDir(ring).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 10);
        // A file refused before the port is no transfer.
        QCOMPARE(runCli({"download", "--port", "/dev/ttyNOWHERE9", dir_.filePath("none.img")}, env).status, 1);
        for (const QString& entry : QDir(ring).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY(fileBytes(ring + "/" + entry + "/receipt.txt").contains("File: app.img\n"));
        {
            SimProcess sim({"--rate", "0", "--at", "300:on", "--fault", "close@block:3"});
            const CliRun r = runCli({"download", "--port", sim.path(), "--trace", fullTrace, image}, env);
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains("Serial Port Error!"), qPrintable(r.err));
        }
        const QStringList kept = QDir(ring).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QCOMPARE(kept.size(), 10);  // the oldest went

        const QString zip = dir_.filePath("cli-support.zip");
        QCOMPARE(runCli({"bundle", "--port", "/dev/ttyNOWHERE9", zip}, env).status, 0);
        QProcess read;
        read.start("python3", {"-c",
                               "import sys, zipfile\n"
                               "z = zipfile.ZipFile(sys.argv[1])\n"
                               "names = [n for n in z.namelist() if n.startswith('transfers/')]\n"
                               "print(len({n.split('/')[1] for n in names}))\n"
                               "new = max(n.split('/')[1] for n in names if 'NOWHERE' not in "
                               "z.read(n.rsplit('/', 1)[0] + '/receipt.txt').decode())\n"
                               "for f in ('receipt.txt', 'log.txt', 'trace.txt'):\n"
                               "    print('== ' + f)\n"
                               "    print(z.read('transfers/%s/%s' % (new, f)).decode())\n",
                               zip});
        QVERIFY(read.waitForFinished(10000));
        const QString listed = QString::fromUtf8(read.readAllStandardOutput());
        QVERIFY2(listed.startsWith("10\n== receipt.txt\nTransfer: download\nOutcome: port error\n"),
                 qPrintable(listed));
        QVERIFY(listed.contains("File: app.img\nFile size: 150048\n"));
        QVERIFY(listed.contains("== log.txt\n"));
        QVERIFY(listed.contains("\nTransferring started.\n"));
        QVERIFY(listed.contains("\ndorvane: Serial Port Error! Please, Check your Serial port and STB, And retry!"));
        QVERIFY(listed.contains("\nTransfer port-error: 2048 bytes in "));
        QVERIFY(listed.contains("== trace.txt\n# line trace:"));
        QVERIFY(listed.contains("; STX block 2, CRC ok\n"));
        QVERIFY(listed.contains(" [1024 data bytes] "));
        // The image's bytes that went over the line (its first two blocks)
        // are in the trace asked for, but in no trace of the bundle.
        const QStringList counts = dorvane::test::scanTracesForFile(zip, image, 2048, fullTrace, 30000);
        QCOMPARE(counts.size(), 4);
        QVERIFY2(counts[0].toInt() > 1000 && counts[1].toInt() >= 10, qPrintable(counts.join(' ')));
        QCOMPARE(counts[2].toInt(), 0);
        QVERIFY2(counts[3].toInt() >= 2, qPrintable(counts.join(' ')));  // blocks 1 and 2

        // Switched off: nothing more is kept, here or in the data folder.
        const QDir data(dir_.filePath("data/Dorvane_QX/transfers"));
        const QStringList inData = data.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        env.insert("DORVANE_TRANSFERS_DIR", "");
        QCOMPARE(runCli({"download", "--port", "/dev/ttyNOWHERE9", image}, env).status, 1);
        QCOMPARE(QDir(ring).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), kept);
        QCOMPARE(data.entryList(QDir::Dirs | QDir::NoDotAndDotDot), inData);
    }

    void badUsage() {
        QCOMPARE(runCli({"doctor", "--power-cycle-wait", "x"}, env_).status, 2);
        QCOMPARE(runCli({"doctor", "--power-cycle-wait", "601"}, env_).status, 2);
        QCOMPARE(runCli({"doctor", "extra"}, env_).status, 2);
    }
};

QTEST_GUILESS_MAIN(DoctorCliTest)
#include "doctor_cli_test.moc"
