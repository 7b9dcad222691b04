#include "qtcore/doctor/udev_rule.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace dorvane {

QList<UsbId> udevRuleAdapters(const QByteArray& ruleText) {
    static const QRegularExpression line(
        QStringLiteral(R"re(ATTRS\{idVendor\}=="([0-9A-Fa-f]{4})",\s*ATTRS\{idProduct\}=="([0-9A-Fa-f|]+)")re"));
    QList<UsbId> ids;
    for (const QString& text : QString::fromUtf8(ruleText).split(QLatin1Char('\n'))) {
        if (text.trimmed().startsWith(QLatin1Char('#'))) continue;
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch()) continue;
        const auto vendor = static_cast<quint16>(m.captured(1).toUInt(nullptr, 16));
        for (const QString& product : m.captured(2).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            bool ok = false;
            const uint id = product.toUInt(&ok, 16);
            if (ok && id <= 0xFFFF) ids.append({vendor, static_cast<quint16>(id)});
        }
    }
    return ids;
}

bool udevRuleCovers(quint16 vendorId, quint16 productId) {
    static const QList<UsbId> ids = udevRuleAdapters(builtInUdevRule());
    return ids.contains(UsbId{vendorId, productId});
}

QStringList udevRuleFolders() {
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
            QStringLiteral("/lib/udev/rules.d")};
}

QString installedUdevRule(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo rule(QDir(folder).filePath(QLatin1String(kUdevRuleName)));
        if (!rule.exists() && !rule.isSymLink()) continue;
        // The first one of the name decides; an empty one or a link to
        // /dev/null masks the packaged rule.
        if (rule.symLinkTarget() == QLatin1String("/dev/null") || !rule.exists() || rule.size() == 0) return {};
        return rule.filePath();
    }
    return {};
}

}  // namespace dorvane
