#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "qtcore/station/station_board.h"
#include "qtcore/station/station_port.h"

namespace dorvane {

// A station as a window runs it: ports added as tiles, each started and
// stopped on its own or all at once, the receipts appended to the report,
// the board and the totals for the view. Widget-free; everything runs on
// the thread of its caller's event loop.
class StationRun : private StationListener {
public:
    // setup.file and the options set; prepareStationFile() done.
    explicit StationRun(StationSetup setup);
    ~StationRun() override;
    StationRun(const StationRun&) = delete;
    StationRun& operator=(const StationRun&) = delete;

    void setReport(const QString& path, bool csv);
    const QString& report() const { return report_; }

    // A tile for the port (not started).
    void addPort(const QString& name);
    // Opens the port and waits for its STB; false when it cannot be opened.
    bool startPort(const QString& name);
    // No new STB on the port; one on the line is served to its end.
    void stopPort(const QString& name);
    void startAll();
    void stopAll();
    bool running(const QString& name) const;
    bool anyWriting() const;

    const StationBoard& board() const { return board_; }
    StationBoard::Totals totals() const;
    // The port's last log line or error.
    QString lastLine(const QString& port) const;
    int receipts() const { return receipts_; }
    const QString& reportError() const { return reportError_; }

    // Something changed (a view repaints on a timer of its own).
    std::function<void()> changed;

private:
    void portLog(const QString& port, const std::string& line) override;
    void portError(const QString& port, const std::string& text) override;
    void portStatus(const PortStatus& status) override;
    void receipt(const Receipt& receipt) override;
    void portFinished(const QString& port) override;
    void notify() {
        if (changed) changed();
    }

    StationSetup setup_;
    StationBoard board_;
    QElapsedTimer running_;
    std::map<QString, std::unique_ptr<StationPort>> ports_;
    std::map<QString, QString> lastLines_;
    std::map<QString, PortStatus> earlier_;  // a restarted port's tile before its restart
    QString report_;
    bool csv_ = false;
    int receipts_ = 0;
    QString reportError_;
};

}  // namespace dorvane
