#include <QTest>

#include "cli_run.h"
#include "core/app/version.h"

// --version and --help of the three programs, as a user (and help2man,
// which makes the man pages from them) runs them.
class VersionCliTest : public QObject {
    Q_OBJECT

    static CliRun runProgram(const QString& program, const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No display is needed for either answer.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DORVANE_BIN_DIR "/") + program, args);
        CliRun r;
        if (p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit)
            r.status = p.exitCode();
        else
            p.kill();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

private slots:
    void everyProgramAnswersWithTheProductVersionAndBuild_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("window") << QStringLiteral("Dorvane_QX");
        QTest::newRow("command line") << QStringLiteral("dorvane");
#ifndef _WIN32
        QTest::newRow("simulated STB") << QStringLiteral("dorvane-sim");
#endif
    }

    void everyProgramAnswersWithTheProductVersionAndBuild() {
        QFETCH(QString, program);
        const CliRun r = runProgram(program, {QStringLiteral("--version")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, program + QStringLiteral(" ") + QString::fromStdString(dorvane::aboutVersionLine()) + "\n");
        QVERIFY(r.err.isEmpty());
        QCOMPARE(r.out.trimmed().toStdString(), dorvane::versionAnswer(program.toStdString()));

        const CliRun help = runProgram(program, {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QStringLiteral("--version")));
    }

    void theWindowRefusesBadUsageBeforeAnyWindowSystem() {
        const CliRun r = runProgram(QStringLiteral("Dorvane_QX"), {QStringLiteral("a.img"), QStringLiteral("b.img")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith(QStringLiteral("Dorvane_QX: only one file can be opened: b.img\n")));
        QVERIFY(r.out.isEmpty());
        const CliRun noPort = runProgram(QStringLiteral("Dorvane_QX"), {QStringLiteral("--port")});
        QCOMPARE(noPort.status, 2);
        QVERIFY2(noPort.err.startsWith(QStringLiteral("Dorvane_QX: --port needs a port name\n"
                                                      "usage: Dorvane_QX [--port NAME] [--edit] ")),
                 qPrintable(noPort.err));
        // Each option with what it does.
        const CliRun help = runProgram(QStringLiteral("Dorvane_QX"), {QStringLiteral("-h")});
        QCOMPARE(help.status, 0);
        for (const char* line : {"\n  --port NAME  open this serial port",
                                 "\n  --edit       open the channel-data FILE", "\n  --version    show the version"})
            QVERIFY2(help.out.contains(QLatin1String(line)), line);
    }
};

QTEST_GUILESS_MAIN(VersionCliTest)
#include "version_cli_test.moc"
