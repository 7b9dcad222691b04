#include "qtcore/station/station_run.h"

#include <QTimer>

namespace dorvane {

StationRun::StationRun(StationSetup setup) : setup_(std::move(setup)) { running_.start(); }

StationRun::~StationRun() {
    for (auto& [name, port] : ports_)
        if (port) port->stopNow();
    ports_.clear();
}

void StationRun::setReport(const QString& path, bool csv) {
    report_ = path;
    csv_ = csv;
}

void StationRun::addPort(const QString& name) {
    if (board_.find(name)) return;
    PortStatus status;
    status.port = name;
    status.phase = PortPhase::Stopped;
    status.active = false;
    board_.update(status);
    ports_[name];
    notify();
}

bool StationRun::startPort(const QString& name) {
    addPort(name);
    auto& port = ports_[name];
    if (port && !port->finished()) return true;
    // A port that ended is opened afresh; its tile counts on.
    earlier_[name] = *board_.find(name);
    StationListener& listener = *this;
    port = std::make_unique<StationPort>(name, setup_, listener);
    const bool started = port->begin();
    notify();
    return started;
}

void StationRun::stopPort(const QString& name) {
    const auto it = ports_.find(name);
    if (it != ports_.end() && it->second) it->second->stop();
}

void StationRun::startAll() {
    for (const PortStatus& p : std::vector<PortStatus>(board_.ports()))
        if (!running(p.port)) startPort(p.port);
}

void StationRun::stopAll() {
    for (auto& [name, port] : ports_)
        if (port) port->stop();
}

bool StationRun::running(const QString& name) const {
    const auto it = ports_.find(name);
    return it != ports_.end() && it->second && !it->second->finished();
}

bool StationRun::anyWriting() const {
    for (const auto& [name, port] : ports_)
        if (port && !port->finished() && port->writing()) return true;
    return false;
}

StationBoard::Totals StationRun::totals() const { return board_.totals(running_.elapsed()); }

QString StationRun::lastLine(const QString& port) const {
    const auto it = lastLines_.find(port);
    return it == lastLines_.end() ? QString() : it->second;
}

void StationRun::portLog(const QString& port, const std::string& line) {
    lastLines_[port] = QString::fromStdString(line);
    notify();
}

void StationRun::portError(const QString& port, const std::string& text) {
    lastLines_[port] = QString::fromStdString(text);
    notify();
}

void StationRun::portStatus(const PortStatus& status) {
    // A restarted port's counts go on from its earlier runs.
    PortStatus merged = status;
    if (const auto it = earlier_.find(status.port); it != earlier_.end()) {
        const PortStatus& before = it->second;
        merged.boxes += before.boxes;
        merged.ok += before.ok;
        if (merged.lastResult.empty()) {
            merged.lastResult = before.lastResult;
            merged.lastReason = before.lastReason;
        }
        if (merged.bootVersion.empty()) merged.bootVersion = before.bootVersion;
        if (merged.appVersion.empty()) merged.appVersion = before.appVersion;
    }
    board_.update(merged);
    notify();
}

void StationRun::receipt(const Receipt& receipt) {
    ++receipts_;
    if (!report_.isEmpty())
        if (const QString error = appendReceipt(report_, receipt, csv_); !error.isEmpty()) reportError_ = error;
    notify();
}

void StationRun::portFinished(const QString&) { notify(); }

}  // namespace dorvane
