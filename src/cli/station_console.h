#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <string>

#include "qtcore/station/station_board.h"
#include "qtcore/station/station_port.h"

namespace dorvane::cli {

// How a station shows itself on the command line: log lines as
// "PORT: line" on standard output and errors as "dorvane: PORT: ..." on
// standard error; on a terminal with a table of the ports under them,
// redrawn in place; or (--json) one JSON object a line, each with its port.
// It appends every receipt to the report.
class StationConsole : public StationListener {
public:
    struct Options {
        QString report;  // empty: none
        bool csv = false;
        bool json = false;
        bool table = false;  // standard output is a terminal
    };
    explicit StationConsole(Options options);
    ~StationConsole() override;

    void portLog(const QString& port, const std::string& line) override;
    void portError(const QString& port, const std::string& text) override;
    void portStatus(const PortStatus& status) override;
    void receipt(const Receipt& receipt) override;
    void portFinished(const QString& port) override;

    // A line of the station itself on standard error (above the table).
    void stationError(const std::string& text);
    bool reportFailed() const { return reportFailed_; }
    const StationBoard& board() const { return board_; }
    // Called when a port has finished (after its own listener call).
    std::function<void(const QString&)> onPortFinished;

private:
    void clearTable();
    void drawTable();
    void json(const char* event, const QString& port, const QJsonObject& fields);

    Options options_;
    StationBoard board_;
    QElapsedTimer running_;
    QTimer redraw_;
    int tableLines_ = 0;  // lines of the table on the terminal now
    bool dirty_ = false;
    bool reportFailed_ = false;
};

}  // namespace dorvane::cli
