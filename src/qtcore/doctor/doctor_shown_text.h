#pragma once

#include <QString>

#include "qtcore/doctor/doctor_report.h"

namespace dorvane {

// A step of the connection check in the language installed: its name, tag,
// finding and advice translated, laid out as the English report is (the
// lines after the first start under the first's text). The window's check
// and "dorvane doctor" show it alike.
QString shownStepText(const DoctorStep& step);

// The check's last line in the language installed.
QString shownVerdict(const DoctorReport& report);

}  // namespace dorvane
