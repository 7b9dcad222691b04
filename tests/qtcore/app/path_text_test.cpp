#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "core/database/channel_data_buffer.h"
#include "core/database/channel_data_document.h"
#include "core/database/channel_data_file.h"
#include "qtcore/app/path_text.h"

using namespace dorvane;

// File names that leave the local 8-bit code page behind: Qt and the file
// layer must mean the same file.
class PathTextTest : public QObject {
    Q_OBJECT
private:
    const QStringList names_{
        QStringLiteral("stbdata ÄÖÜ ß é.irz"),
        QStringLiteral("Ωmega – канал 日本.irz"),
        QStringLiteral("emoji \U0001F4E1 beyond the basic plane.irz"),
    };

private slots:
    void roundTripKeepsEveryCharacter() {
        for (const QString& name : names_) QCOMPARE(textFromPath(pathFromText(name)), name);
        QCOMPARE(textFromPath(pathFromText(QString())), QString());
    }

#ifndef _WIN32
    // Any byte string is a name on a POSIX system: every one comes back as
    // the same bytes, and valid UTF-8 reads as the characters it spells.
    void namesThatAreNoUtf8KeepTheirBytes() {
        std::mt19937 rng(11);
        for (int i = 0; i < 5000; ++i) {
            std::string bytes(1 + rng() % 12, '\0');
            for (char& c : bytes) c = static_cast<char>(1 + rng() % 255);
            const QString text = textFromPath(std::filesystem::path(bytes));
            QCOMPARE(pathFromText(text).native(), bytes);
            QCOMPARE(textFromNativeBytes(bytes.c_str()), text);
            if (QString::fromUtf8(bytes).toUtf8() == QByteArray::fromStdString(bytes))
                QCOMPARE(text, QString::fromUtf8(bytes));
        }
        // A Latin-1 name from an old stick: "café.img" with é as 0xE9.
        const std::string latin1 = "caf\xe9.img";
        const QString shown = textFromNativeBytes(latin1.c_str());
        QCOMPARE(shown.size(), 8);
        QVERIFY(shown.startsWith("caf") && shown.endsWith(".img"));
        QCOMPARE(pathFromText(shown).native(), latin1);
        // Surrogates spelt in UTF-8 and overlong forms are no UTF-8 either.
        for (const std::string& odd :
             {std::string("\xed\xa0\x80"), std::string("\xc0\xaf"), std::string("\xe0\x80\xaf"),
              std::string("\xf4\x90\x80\x80"), std::string("\xe2\x82")})
            QCOMPARE(pathFromText(textFromNativeBytes(odd.c_str())).native(), odd);
    }

    void aLatin1NamedFileIsFoundByItsOwnBytes() {
        QTemporaryDir dir;
        const std::filesystem::path folder = pathFromText(dir.path());
        const std::filesystem::path file = folder / std::filesystem::path(std::string("caf\xe9.irz"));
        { std::ofstream(file, std::ios::binary) << "IRZ"; }
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const QString name = textFromPath(entry.path());
            QCOMPARE(pathFromText(name), file);
            QVERIFY(std::filesystem::exists(pathFromText(name)));
        }
    }
#endif

    void bothSidesMeanTheSameFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString& name : names_) {
            const QString qtPath = dir.filePath(name);
            // Written through the file layer's path, found by Qt...
            { std::ofstream(pathFromText(qtPath), std::ios::binary) << "IRZ"; }
            QVERIFY2(QFileInfo::exists(qtPath), qPrintable(name));
            QCOMPARE(QFileInfo(qtPath).size(), 3);
            // ...and the name the file layer lists is the one Qt shows.
            const auto listed = std::filesystem::directory_iterator(pathFromText(dir.path()));
            bool seen = false;
            for (const auto& entry : listed) seen = seen || textFromPath(entry.path().filename()) == name;
            QVERIFY2(seen, qPrintable(name));
            QVERIFY(QFile::remove(qtPath));
        }
    }

    void channelDataFileUnderANonAsciiName() {
        QTemporaryDir dir;
        const QString target = dir.filePath(names_[1]);
        auto buffer = std::make_unique<ChannelDataBuffer>();
        const std::uint8_t bytes[] = {'D', 'A', 'T', 0, 1, 2, 3};
        std::memcpy(buffer->data(), bytes, sizeof bytes);
        buffer->setLength(sizeof bytes);
        QVERIFY(writeChannelDataFile(*buffer, pathFromText(target)).ok());
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes));
        // Nothing else (a working file) is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{names_[1]});

        // Opened again by the name Qt shows, and the document keeps it.
        auto again = std::make_unique<ChannelDataDocument>();
        QVERIFY(again->read(pathFromText(target)).ok());
        QCOMPARE(again->buffer().length(), static_cast<std::uint32_t>(sizeof bytes));
        QCOMPARE(textFromPath(again->path()), target);
    }
};

QTEST_GUILESS_MAIN(PathTextTest)
#include "path_text_test.moc"
