#include "qtcore/app/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace dorvane {

namespace {

struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
    static Installed state;
    return state;
}

void removeTranslators() {
    Installed& s = installed();
    if (s.own) QCoreApplication::removeTranslator(s.own.get());
    if (s.qt) QCoreApplication::removeTranslator(s.qt.get());
    s.own.reset();
    s.qt.reset();
    s.code = QStringLiteral("en");
}

}  // namespace

const QStringList& shippedLanguages() {
    static const QStringList codes{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                   QStringLiteral("tr"), QStringLiteral("ru"), QStringLiteral("ar"),
                                   QStringLiteral("fa")};
    return codes;
}

QString languageName(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("English");
    const QString native = QLocale(code).nativeLanguageName();
    return native.isEmpty() ? code : native.left(1).toUpper() + native.mid(1);
}

QString resolveLanguage(const QString& choice, const QLocale& system) {
    const QString wanted = choice.trimmed();
    if (wanted.isEmpty() || wanted.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        // The first of the system's UI languages that is shipped.
        for (const QString& name : system.uiLanguages()) {
            const QString code = resolveLanguage(name, system);
            if (code != QLatin1String("en") || name.startsWith(QLatin1String("en"))) return code;
        }
        return QStringLiteral("en");
    }
    const QString code = wanted.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return shippedLanguages().contains(code) ? code : QStringLiteral("en");
}

bool knownLanguageChoice(const QString& choice) {
    const QString wanted = choice.trimmed();
    return wanted.isEmpty() || wanted.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0 ||
           wanted.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
           resolveLanguage(wanted) != QLatin1String("en");
}

bool installLanguage(const QString& code) {
    removeTranslators();
    if (code == QLatin1String("en")) {
        return true;
    }
    if (!shippedLanguages().contains(code)) return false;
    auto own = std::make_unique<QTranslator>();
    // The installed files come first (an updated translation is tried
    // without building anew), then the one built into the program.
    const QString file = QStringLiteral("dorvane_%1.qm").arg(code);
    const QString programDir = QCoreApplication::applicationDirPath();
    bool loaded = false;
    for (const QString& dir : {programDir + QStringLiteral("/translations"),
                               programDir + QStringLiteral("/../share/dorvane/translations"), QStringLiteral(":/i18n")})
        if (!loaded && QFileInfo::exists(dir + QLatin1Char('/') + file)) loaded = own->load(file, dir);
    if (!loaded) return false;
    Installed& s = installed();
    // Qt's own texts (the buttons of message boxes, the file dialogs),
    // where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        s.qt = std::move(qt);
    }
    QCoreApplication::installTranslator(own.get());
    s.own = std::move(own);
    s.code = code;
    return true;
}

QString installedLanguage() { return installed().code; }

}  // namespace dorvane
