#include "qtcore/station/station_receipt.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/flow/operator_advice.h"
#include "core/image/image_file.h"

namespace dorvane {

namespace {

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

QString q(const std::string& s) { return QString::fromStdString(s); }

QJsonValue optional(const std::optional<std::string>& s) { return s ? QJsonValue(q(*s)) : QJsonValue(); }

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

}  // namespace

void Receipt::takeRecord(std::span<const std::uint8_t> record) {
    if (record.size() != 128) return;
    bootVersion = versionWordText(le32(record, 8));
    appVersion = versionWordText(le32(record, 12));
    buyer = buyerCodeText(le32(record, 20));
}

std::string receiptJson(const Receipt& r) {
    QJsonObject o;
    o.insert(QStringLiteral("port"), q(r.port));
    o.insert(QStringLiteral("serial"), optional(r.serial));
    o.insert(QStringLiteral("start"), q(r.start));
    o.insert(QStringLiteral("end"), q(r.end));
    o.insert(QStringLiteral("file"), q(r.file));
    o.insert(QStringLiteral("sha256"), q(r.sha256));
    o.insert(QStringLiteral("bootVersion"), optional(r.bootVersion));
    o.insert(QStringLiteral("appVersion"), optional(r.appVersion));
    o.insert(QStringLiteral("buyer"), optional(r.buyer));
    o.insert(QStringLiteral("bytes"), static_cast<qint64>(r.bytes));
    o.insert(QStringLiteral("resent"), r.resent);
    o.insert(QStringLiteral("timeouts"), r.timeouts);
    o.insert(QStringLiteral("verify"), optional(r.verify));
    o.insert(QStringLiteral("result"), q(r.result));
    o.insert(QStringLiteral("reason"), q(r.reason));
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

std::string receiptCsvHeader() {
    return "port,serial,start,end,file,sha256,bootVersion,appVersion,buyer,bytes,resent,timeouts,verify,result,reason";
}

std::string receiptCsv(const Receipt& r) {
    const std::string fields[] = {r.port,
                                  r.serial.value_or(""),
                                  r.start,
                                  r.end,
                                  r.file,
                                  r.sha256,
                                  r.bootVersion.value_or(""),
                                  r.appVersion.value_or(""),
                                  r.buyer.value_or(""),
                                  std::to_string(r.bytes),
                                  std::to_string(r.resent),
                                  std::to_string(r.timeouts),
                                  r.verify.value_or(""),
                                  r.result,
                                  r.reason};
    std::string line;
    for (const std::string& f : fields) {
        if (!line.empty() || &f != &fields[0]) line += ',';
        line += csvField(f);
    }
    return line;
}

QString appendReceipt(const QString& path, const Receipt& receipt, bool csv) {
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::WriteOnly))
        return QStringLiteral("Can't write the report to %1: %2").arg(path, file.errorString());
    std::string text;
    if (csv && file.size() == 0) text = receiptCsvHeader() + "\n";
    text += (csv ? receiptCsv(receipt) : receiptJson(receipt)) + "\n";
    // One write per line: lines of several ports never interleave.
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !file.flush())
        return QStringLiteral("Can't write the report to %1: %2").arg(path, file.errorString());
    return {};
}

}  // namespace dorvane
