#pragma once

#include <optional>

class QLineEdit;
class QWidget;

namespace dorvane {

// Reads a signed decimal integer from an edit the way the dialogs exchange
// their numeric fields. Text that is not an integer shows "Please enter an
// integer.", gives the edit the focus with its text selected and yields
// nothing, so the dialog can stay open.
std::optional<int> readIntegerEdit(QWidget* dialog, QLineEdit* edit);

// The list index of a stored byte: the index when the list has that entry,
// otherwise -1 (no selection).
int listIndexOrNone(int index, int count);

}  // namespace dorvane
