// The command line's languages: English unless --lang asks for another,
// the human messages translated, --json output never.

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "cli_run.h"

class LanguageCliTest : public QObject {
    Q_OBJECT
private slots:
    void englishByDefaultWhateverTheLocale() {
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("x.img"))).open(QIODevice::WriteOnly);
        QProcessEnvironment german;
        german.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        german.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        const CliRun r = runCli({QStringLiteral("download"), QStringLiteral("--port"),
                                 QStringLiteral("/dev/dorvane-none"), dir.filePath(QStringLiteral("x.img"))},
                                german);
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("The file is empty! There is nothing to download.")), qPrintable(r.err));
    }

    void langTranslatesTheHumanMessages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("said");
        QTest::newRow("de") << "de"
                            << "Die Datei ist leer! Es gibt nichts zu laden.";
        QTest::newRow("tr") << "tr"
                            << "Dosya boş! İndirilecek bir şey yok.";
        QTest::newRow("ar") << "ar"
                            << "الملف فارغ! لا يوجد ما يُنزَّل.";
        QTest::newRow("en") << "en"
                            << "The file is empty! There is nothing to download.";
    }

    void langTranslatesTheHumanMessages() {
        QFETCH(QString, language);
        QFETCH(QString, said);
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("x.img"))).open(QIODevice::WriteOnly);
        const CliRun r =
            runCli({QStringLiteral("--lang"), language, QStringLiteral("download"), QStringLiteral("--port"),
                    QStringLiteral("/dev/dorvane-none"), dir.filePath(QStringLiteral("x.img"))});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
    }

    void jsonStaysEnglish() {
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("x.img"))).open(QIODevice::WriteOnly);
        const QStringList args{QStringLiteral("download"), QStringLiteral("--json"), QStringLiteral("--port"),
                               QStringLiteral("/dev/dorvane-none"), dir.filePath(QStringLiteral("x.img"))};
        const CliRun english = runCli(args);
        const CliRun german = runCli(QStringList{QStringLiteral("--lang"), QStringLiteral("de")} + args);
        QCOMPARE(german.status, english.status);
        QVERIFY(!(english.out + english.err).isEmpty());
        // The same events, word for word (times aside).
        const auto withoutTimes = [](QString text) {
            return text.remove(QRegularExpression(QStringLiteral("\"(at|elapsed|elapsedMs|time)\":[^,}]*")));
        };
        QCOMPARE(withoutTimes(german.out), withoutTimes(english.out));
        QCOMPARE(german.err, english.err);
        QVERIFY(!(german.out + german.err).contains(QStringLiteral("Datei")));
    }

    void doctorFollowsTheLanguage() {
        // Its steps, findings and verdict in the language chosen; in English
        // and with --json as before, word for word.
        const QStringList args{QStringLiteral("doctor"), QStringLiteral("--port"),
                               QStringLiteral("/dev/dorvane-no-such-port")};
        const CliRun english = runCli(args);
        QCOMPARE(english.status, 1);
        QVERIFY2(english.out.startsWith(QStringLiteral("[problem]  port: /dev/dorvane-no-such-port does not exist.\n")),
                 qPrintable(english.out));
        QVERIFY(english.out.endsWith(QStringLiteral("No transfer can start yet: see the problems above.\n")));
        const CliRun german = runCli(QStringList{QStringLiteral("--lang"), QStringLiteral("de")} + args);
        QCOMPARE(german.status, 1);
        QVERIFY2(
            german.out.startsWith(QStringLiteral("[Problem]      Port: /dev/dorvane-no-such-port existiert nicht.\n")),
            qPrintable(german.out));
        QVERIFY(german.out.contains(QStringLiteral("nicht versucht: der Port existiert nicht.")));
        QVERIFY(
            german.out.endsWith(QStringLiteral("Noch kann keine Übertragung beginnen: siehe die Probleme oben.\n")));
        for (const QString& line : german.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QLatin1Char('[')) || line.startsWith(QStringLiteral("               ")) ||
                         line.startsWith(QStringLiteral("Noch")),
                     qPrintable(german.out));
        const CliRun arabic = runCli(QStringList{QStringLiteral("--lang"), QStringLiteral("ar")} + args);
        QVERIFY2(arabic.out.contains(QStringLiteral("غير موجود")), qPrintable(arabic.out));
        QVERIFY(!arabic.out.contains(QStringLiteral("does not exist")));

        const QStringList json = args + QStringList{QStringLiteral("--json")};
        const CliRun plain = runCli(json);
        const CliRun germanJson = runCli(QStringList{QStringLiteral("--lang"), QStringLiteral("de")} + json);
        QCOMPARE(germanJson.out, plain.out);
        QVERIFY(plain.out.contains(QStringLiteral("does not exist")));
    }

    void anUnknownLanguageIsBadUsage() {
        const CliRun r = runCli({QStringLiteral("--lang"), QStringLiteral("xx"), QStringLiteral("ports")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith(QStringLiteral("dorvane: unknown language 'xx'")));
    }
};

QTEST_GUILESS_MAIN(LanguageCliTest)
#include "language_cli_test.moc"
