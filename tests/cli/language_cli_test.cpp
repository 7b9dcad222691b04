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

    void anUnknownLanguageIsBadUsage() {
        const CliRun r = runCli({QStringLiteral("--lang"), QStringLiteral("xx"), QStringLiteral("ports")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith(QStringLiteral("dorvane: unknown language 'xx'")));
    }
};

QTEST_GUILESS_MAIN(LanguageCliTest)
#include "language_cli_test.moc"
