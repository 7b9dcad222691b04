#include "qtcore/doctor/driver_info.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace dorvane {

quint16 hardwareIdNumber(const QString& hardwareId, const QString& key) {
    const QRegularExpression pattern(QRegularExpression::escape(key) + QStringLiteral("_([0-9A-Fa-f]{4})"),
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(hardwareId);
    return m.hasMatch() ? static_cast<quint16>(m.captured(1).toUInt(nullptr, 16)) : 0;
}

namespace {

bool versionMatches(const QString& version, const QJsonArray& patterns) {
    for (const QJsonValue& p : patterns) {
        const QString pattern = p.toString();
        if (pattern.endsWith(QLatin1Char('*'))) {
            if (version.startsWith(pattern.chopped(1))) return true;
        } else if (version == pattern) {
            return true;
        }
    }
    return false;
}

bool idMatches(const QJsonObject& entry, const char* key, quint16 id) {
    if (!entry.contains(QLatin1String(key))) return true;
    bool ok = false;
    const uint wanted = entry.value(QLatin1String(key)).toString().toUInt(&ok, 16);
    return ok && wanted == id;
}

}  // namespace

QList<KnownDriverProblem> knownDriverProblems(quint16 vendorId, quint16 productId, const QString& version,
                                              const QByteArray& listJson) {
    QList<KnownDriverProblem> found;
    if (version.isEmpty() || vendorId == 0) return found;
    for (const QJsonValue& v : QJsonDocument::fromJson(listJson).array()) {
        const QJsonObject entry = v.toObject();
        if (!entry.contains(QStringLiteral("vendorId")) || !idMatches(entry, "vendorId", vendorId) ||
            !idMatches(entry, "productId", productId))
            continue;
        if (!versionMatches(version, entry.value(QStringLiteral("versions")).toArray())) continue;
        found.append({entry.value(QStringLiteral("problem")).toString(), entry.value(QStringLiteral("fix")).toString(),
                      entry.value(QStringLiteral("source")).toString()});
    }
    return found;
}

QList<KnownDriverProblem> knownDriverProblems(quint16 vendorId, quint16 productId, const QString& version) {
    return knownDriverProblems(vendorId, productId, version, builtInDriverList());
}

#ifndef Q_OS_WIN
std::optional<DriverInfo> driverInfoFor(const QString&) { return std::nullopt; }
#endif

}  // namespace dorvane
