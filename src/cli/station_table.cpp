#include "cli/station_table.h"

#include <cstdio>

namespace dorvane::cli {

namespace {

std::string padded(std::string text, std::size_t width) {
    if (text.size() > width) text = text.substr(0, width);
    text.resize(width, ' ');
    return text;
}

std::string progressCell(const PortStatus& p) {
    if (p.progress < 0) return "";
    const int filled = p.progress / 10;
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d%%", p.progress);
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(10 - filled), '.') + "] " + percent;
}

std::string etaCell(const PortStatus& p) {
    if (p.etaSeconds < 0) return "";
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", p.etaSeconds / 60, p.etaSeconds % 60);
    return text;
}

std::string versionsCell(const PortStatus& p) {
    if (p.bootVersion.empty() && p.appVersion.empty()) return "";
    return p.bootVersion + " / " + p.appVersion;
}

std::string resultCell(const PortStatus& p) {
    if (p.lastResult.empty()) return "";
    return p.lastResult + " (" + std::to_string(p.ok) + "/" + std::to_string(p.boxes) + " ok)";
}

}  // namespace

std::vector<std::string> stationTableLines(const StationBoard& board, Millis elapsed) {
    std::vector<std::string> lines;
    lines.push_back(padded("PORT", 16) + " " + padded("STATE", 12) + " " + padded("BOOT / APP", 17) + " " +
                    padded("PROGRESS", 17) + " " + padded("ETA", 6) + " RESULT");
    for (const PortStatus& p : board.ports())
        lines.push_back(padded(p.port.toStdString(), 16) + " " + padded(portPhaseName(p.phase), 12) + " " +
                        padded(versionsCell(p), 17) + " " + padded(progressCell(p), 17) + " " + padded(etaCell(p), 6) +
                        " " + resultCell(p));
    const StationBoard::Totals t = board.totals(elapsed);
    char totals[160];
    std::snprintf(totals, sizeof totals, "done %d, failed %d, %d busy, %.1f boxes per hour", t.done, t.failed, t.busy,
                  t.boxesPerHour);
    lines.emplace_back(totals);
    return lines;
}

}  // namespace dorvane::cli
