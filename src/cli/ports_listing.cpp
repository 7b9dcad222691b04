#include "cli/ports_listing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "qtcore/serial/port_diagnosis.h"

namespace dorvane::cli {

namespace {

QString orDash(const QString& s) {
    QString t = s.trimmed();
    t.replace('\t', ' ');
    return t.isEmpty() ? QStringLiteral("-") : t;
}

}  // namespace

QString portsText(const QList<SerialPortEntry>& ports) {
    QString text;
    for (const SerialPortEntry& p : ports) {
        const QString state =
            p.busy ? (p.holder.isEmpty() ? QStringLiteral("busy") : QStringLiteral("busy: %1").arg(p.holder))
                   : QStringLiteral("free");
        text += QStringList{orDash(p.name),       orDash(p.description),  orDash(p.manufacturer),
                            orDash(usbIdText(p)), orDash(p.serialNumber), state}
                    .join('\t');
        text += '\n';
    }
    return text;
}

QByteArray portsJson(const QList<SerialPortEntry>& ports) {
    QJsonArray array;
    for (const SerialPortEntry& p : ports) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), p.name);
        o.insert(QStringLiteral("description"), p.description);
        o.insert(QStringLiteral("manufacturer"), p.manufacturer);
        o.insert(QStringLiteral("vendorId"), p.vendorId ? QJsonValue(int(*p.vendorId)) : QJsonValue());
        o.insert(QStringLiteral("productId"), p.productId ? QJsonValue(int(*p.productId)) : QJsonValue());
        o.insert(QStringLiteral("usbId"), usbIdText(p));
        o.insert(QStringLiteral("serialNumber"), p.serialNumber);
        o.insert(QStringLiteral("busy"), p.busy);
        o.insert(QStringLiteral("holder"), p.holder);
        array.append(o);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

}  // namespace dorvane::cli
