// The languages: which one a choice or the locale gives, and the core's
// texts translated where they cross into Qt (whole, by pattern, by line
// and by sentence), English staying byte for byte.

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "qtcore/app/core_text.h"
#include "qtcore/app/language.h"

using namespace dorvane;

namespace {

// Marks every core text it translates: "<" + text + ">".
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != kCoreTextContext) return {};
        return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    }
    bool isEmpty() const override { return false; }
};

// A core text with its parts filled in: numbers, paths, names.
QString filled(const QString& pattern, QRandomGenerator& random) {
    static const QStringList parts{QStringLiteral("42"), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("COM3"),
                                   QStringLiteral("x y.irz"), QStringLiteral("0x1234ABCD")};
    QString out = pattern;
    for (int n = 9; n >= 1; --n)
        out.replace(QStringLiteral("%%1").arg(n), parts[static_cast<int>(random.bounded(parts.size()))]);
    return out;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { installLanguage(QStringLiteral("en")); }

    void choicesResolve() {
        QCOMPARE(resolveLanguage(QStringLiteral("de")), QStringLiteral("de"));
        QCOMPARE(resolveLanguage(QStringLiteral("de_AT")), QStringLiteral("de"));
        QCOMPARE(resolveLanguage(QStringLiteral("pt-BR")), QStringLiteral("en"));
        QCOMPARE(resolveLanguage(QStringLiteral("EN")), QStringLiteral("en"));
        QCOMPARE(resolveLanguage(QStringLiteral("auto"), QLocale(QLocale::Turkish, QLocale::Turkey)),
                 QStringLiteral("tr"));
        QCOMPARE(resolveLanguage(QString(), QLocale(QLocale::Persian, QLocale::Iran)), QStringLiteral("fa"));
        QCOMPARE(resolveLanguage(QString(), QLocale(QLocale::Japanese, QLocale::Japan)), QStringLiteral("en"));
        QVERIFY(knownLanguageChoice(QStringLiteral("auto")));
        QVERIFY(knownLanguageChoice(QStringLiteral("ar")));
        QVERIFY(!knownLanguageChoice(QStringLiteral("xx")));
    }

    void everyShippedLanguageInstalls() {
        for (const QString& code : shippedLanguages()) {
            QVERIFY2(installLanguage(code), qPrintable(code));
            QCOMPARE(installedLanguage(), code);
            // The first text of the flow is translated in each.
            QVERIFY(coreText(std::string("Please, Open a File to be downloaded!")) !=
                    QStringLiteral("Please, Open a File to be downloaded!"));
        }
        QVERIFY(installLanguage(QStringLiteral("en")));
        QVERIFY(!installLanguage(QStringLiteral("xx")));
        QCOMPARE(installedLanguage(), QStringLiteral("en"));
    }

    void englishStaysByteForByte() {
        // Every core text, filled in at random, comes back as it went in
        // when no translation is installed.
        QRandomGenerator random(7);
        for (int round = 0; round < 20; ++round)
            for (const char* source : coreTextSources()) {
                const QString text = filled(QString::fromUtf8(source), random);
                QCOMPARE(coreText(text), text);
                QCOMPARE(coreText(QStringLiteral("  ") + text + QStringLiteral(" \n") + text),
                         QStringLiteral("  ") + text + QStringLiteral(" \n") + text);
            }
    }

    void everyCoreTextIsFoundWhole() {
        // With a translator, each text filled in is found as one text (not
        // split into pieces): its translation is marked once around it.
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QRandomGenerator random(11);
        QStringList missed;
        for (const char* source : coreTextSources()) {
            const QString text = filled(QString::fromUtf8(source), random);
            const QString got = coreText(text);
            if (!got.startsWith(QLatin1Char('<')) || !got.endsWith(QLatin1Char('>')))
                missed << text + QStringLiteral(" -> ") + got;
        }
        QCoreApplication::removeTranslator(&marking);
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QLatin1Char('\n'))));
    }

    void putTogetherTextsAreTranslatedByPart() {
        QVERIFY(installLanguage(QStringLiteral("de")));
        QCOMPARE(coreText(std::string("Downloading 42% ...")), QStringLiteral("Download 42% ..."));
        // Two sentences, the second with a device name.
        QCOMPARE(
            coreText(std::string(
                "Port(/dev/x) open failed. /dev/x does not exist: the adapter is unplugged or the name "
                "is wrong. Plug it in, or choose one of the ports that Configure or 'dorvane ports' lists.")),
            QStringLiteral("Port(/dev/x) konnte nicht geöffnet werden. /dev/x existiert nicht: der Adapter ist nicht "
                           "eingesteckt oder der Name ist falsch. Stecken Sie ihn ein oder wählen Sie einen der Ports, "
                           "die Konfigurieren oder 'dorvane ports' auflistet."));
        // Lines of a box, with their spaces.
        QCOMPARE(coreText(std::string("Downloading stopped successfully. \nYour STB will restart now!")),
                 QStringLiteral("Download erfolgreich beendet. \nIhre STB startet jetzt neu!"));
        // Parts that are texts themselves.
        QCOMPARE(coreText(std::string("Delete 2 satellites, their 10 transponders and 1 channel?")),
                 QStringLiteral("2 Satelliten, ihre 10 Transponder und 1 Kanal löschen?"));
        // What is not known stays as it is.
        QCOMPARE(coreText(std::string("CP2102N USB to UART")), QStringLiteral("CP2102N USB to UART"));
        QCOMPARE(coreText(std::string(" /home/op/stbdata.irz")), QStringLiteral(" /home/op/stbdata.irz"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
