#pragma once

#include <optional>

#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace dorvane {

class Prompts;

// Reads a signed decimal integer from an edit the way the dialogs exchange
// their numeric fields. Text that is not an integer shows "Please enter an
// integer." (through `prompts`), gives the edit the focus with its text
// selected and yields nothing, so the dialog can stay open.
std::optional<int> readIntegerEdit(Prompts& prompts, QWidget* dialog, QLineEdit* edit);

// The list index of a stored byte: the index when the list has that entry,
// otherwise -1 (no selection).
int listIndexOrNone(int index, int count);

// A drop-down list of the entries showing the entry of a stored byte (none
// when the byte has no entry).
QComboBox* makeChoiceList(const QStringList& entries, int index);

}  // namespace dorvane
