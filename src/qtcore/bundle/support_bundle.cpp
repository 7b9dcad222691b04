#include "qtcore/bundle/support_bundle.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>
#include <QSysInfo>

#include "core/app/version.h"
#include "qtcore/app/settings.h"
#include "qtcore/bundle/transfer_history.h"
#include "qtcore/bundle/zip_writer.h"
#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/serial/port_diagnosis.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane {

namespace {

QByteArray lines(const QStringList& list) {
    return list.isEmpty() ? QByteArray("(none)\n") : (list.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QByteArray versionText(const BundleInputs& in) {
    return lines(
        {QString::fromStdString(versionAnswer(in.program.toStdString())),
         QStringLiteral("Qt %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)),
         QStringLiteral("Build: %1").arg(QSysInfo::buildAbi())});
}

QByteArray systemText() {
    return lines({QStringLiteral("System: %1").arg(QSysInfo::prettyProductName()),
                  QStringLiteral("Kernel: %1 %2").arg(QSysInfo::kernelType(), QSysInfo::kernelVersion()),
                  QStringLiteral("Processor: %1").arg(QSysInfo::currentCpuArchitecture())});
}

QByteArray portsJson() {
    QJsonArray array;
    for (const SerialPortEntry& p : CSerialPort::availablePorts()) {
        array.append(QJsonObject{{QStringLiteral("name"), p.name},
                                 {QStringLiteral("description"), p.description},
                                 {QStringLiteral("manufacturer"), p.manufacturer},
                                 {QStringLiteral("usbId"), usbIdText(p)},
                                 {QStringLiteral("serialNumber"), p.serialNumber},
                                 {QStringLiteral("busy"), p.busy},
                                 {QStringLiteral("holder"), p.holder}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray settingsText(const QString& application) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, Settings::organization(), application);
    QStringList list;
    for (const QString& key : s.allKeys()) list << QStringLiteral("%1=%2").arg(key, s.value(key).toString());
    return lines(list);
}

QByteArray filesText(const QStringList& files) {
    QStringList list;
    for (const QString& f : files) {
        const QFileInfo info(f);
        list << (info.exists() ? QStringLiteral("%1\t%2 bytes").arg(info.fileName()).arg(info.size())
                               : QStringLiteral("%1\tmissing").arg(info.fileName()));
    }
    return lines(list);
}

// The transfers' files, newest first, each transfer whole or not at all.
QList<QList<BundleEntry>> transferEntries(const QString& folder) {
    QList<QList<BundleEntry>> transfers;
    for (const QString& name : TransferHistory(folder).entries()) {
        QList<BundleEntry> files;
        const QDir dir(QDir(folder).filePath(name));
        for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(file));
            if (f.open(QIODevice::ReadOnly))
                files.append({QStringLiteral("transfers/%1/%2").arg(name, file), f.readAll()});
        }
        transfers.append(files);
    }
    return transfers;
}

qint64 sizeOf(const QList<BundleEntry>& entries) {
    qint64 total = 0;
    for (const BundleEntry& e : entries) total += e.data.size();
    return total;
}

}  // namespace

QList<BundleEntry> supportBundleEntries(const BundleInputs& in) {
    QList<BundleEntry> entries{{QStringLiteral("version.txt"), versionText(in)},
                               {QStringLiteral("system.txt"), systemText()},
                               {QStringLiteral("ports.json"), portsJson()},
                               {QStringLiteral("settings.txt"), settingsText(in.settingsApplication)},
                               {QStringLiteral("files.txt"), filesText(in.userFiles)}};
    if (!in.port.isEmpty()) {
        const DoctorReport report = ConnectionDoctor::portStepsOnly(in.port);
        entries.append({QStringLiteral("doctor.txt"), doctorText(report).toUtf8()});
        entries.append({QStringLiteral("doctor.json"), QJsonDocument(doctorJson(report)).toJson()});
    }
    if (!in.windowLog.isEmpty()) entries.append({QStringLiteral("window-log.txt"), lines(in.windowLog)});
    if (!in.lastTrace.isEmpty()) entries.append({QStringLiteral("window-trace.txt"), in.lastTrace});

    QStringList left;
    qint64 used = sizeOf(entries);
    for (const QList<BundleEntry>& transfer : transferEntries(in.transfersFolder)) {
        const qint64 size = sizeOf(transfer);
        if (used + size > in.limitBytes) {
            if (!transfer.isEmpty()) left << transfer.first().name.section(QLatin1Char('/'), 1, 1);
            continue;
        }
        used += size;
        entries += transfer;
    }
    QStringList contents;
    for (const BundleEntry& e : entries) contents << QStringLiteral("%1\t%2 bytes").arg(e.name).arg(e.data.size());
    for (const QString& l : left)
        contents << QStringLiteral("transfers/%1\tleft out: over the bound of %2 bytes").arg(l).arg(in.limitBytes);
    entries.prepend({QStringLiteral("contents.txt"), lines(contents)});
    return entries;
}

Status writeSupportBundle(const QString& path, const BundleInputs& inputs) {
    ZipWriter zip;
    for (const BundleEntry& e : supportBundleEntries(inputs)) zip.add(e.name, e.data);
    const QByteArray archive = zip.finish();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size() || !file.commit())
        return {Error::Io, QStringLiteral("Can't save %1: %2").arg(path, file.errorString()).toStdString()};
    return {};
}

}  // namespace dorvane
