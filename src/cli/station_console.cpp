#include "cli/station_console.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "cli/station_table.h"

namespace dorvane::cli {

namespace {

constexpr int kRedrawMs = 250;

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

StationConsole::StationConsole(Options options) : options_(std::move(options)) {
    running_.start();
    QObject::connect(&redraw_, &QTimer::timeout, [this] {
        if (dirty_) drawTable();
    });
    if (options_.table) redraw_.start(kRedrawMs);
}

StationConsole::~StationConsole() {
    redraw_.stop();
    if (options_.table) drawTable();  // the last state stays on the screen
}

void StationConsole::json(const char* event, const QString& port, const QJsonObject& fields) {
    QJsonObject o = fields;
    o.insert(QStringLiteral("event"), QLatin1String(event));
    o.insert(QStringLiteral("port"), port);
    std::printf("%s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

void StationConsole::portLog(const QString& port, const std::string& line) {
    if (options_.json) return json("log", port, {{QStringLiteral("line"), q(line)}});
    clearTable();
    std::printf("%s: %s\n", port.toLocal8Bit().constData(), line.c_str());
    std::fflush(stdout);
    dirty_ = true;
}

void StationConsole::portError(const QString& port, const std::string& text) {
    if (options_.json) return json("error", port, {{QStringLiteral("text"), q(text)}});
    clearTable();
    std::fflush(stdout);
    std::fprintf(stderr, "dorvane: %s: %s\n", port.toLocal8Bit().constData(), text.c_str());
    std::fflush(stderr);
    dirty_ = true;
}

void StationConsole::stationError(const std::string& text) {
    clearTable();
    std::fflush(stdout);
    std::fprintf(stderr, "dorvane: %s\n", text.c_str());
    std::fflush(stderr);
    dirty_ = true;
}

void StationConsole::portStatus(const PortStatus& status) {
    const PortStatus* before = board_.find(status.port);
    const bool phaseChanged = !before || before->phase != status.phase;
    board_.update(status);
    dirty_ = true;
    if (!options_.json || !phaseChanged) return;
    QJsonObject o{{QStringLiteral("state"), QLatin1String(portPhaseName(status.phase))}};
    if (!status.bootVersion.empty()) o.insert(QStringLiteral("bootVersion"), q(status.bootVersion));
    if (!status.appVersion.empty()) o.insert(QStringLiteral("appVersion"), q(status.appVersion));
    json("state", status.port, o);
}

void StationConsole::receipt(const Receipt& receipt) {
    if (options_.json)
        json("receipt", QString::fromStdString(receipt.port),
             QJsonDocument::fromJson(QByteArray::fromStdString(receiptJson(receipt))).object());
    if (options_.report.isEmpty()) return;
    if (const QString error = appendReceipt(options_.report, receipt, options_.csv); !error.isEmpty()) {
        stationError(error.toStdString());
        reportFailed_ = true;
    }
}

void StationConsole::portFinished(const QString& port) {
    if (options_.json) json("finished", port, {});
    if (onPortFinished) onPortFinished(port);
}

void StationConsole::clearTable() {
    if (tableLines_ == 0) return;
    std::printf("\033[%dA\033[J", tableLines_);
    tableLines_ = 0;
}

void StationConsole::drawTable() {
    if (!options_.table || options_.json) return;
    clearTable();
    const auto lines = stationTableLines(board_, running_.elapsed());
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    tableLines_ = static_cast<int>(lines.size());
    dirty_ = false;
}

}  // namespace dorvane::cli
