#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace dorvane {

// What a screen reader says about the skinned window's own controls: a
// widget marked with markAccessible() is announced with the given role,
// its accessible name, and as its value its state ("on", a lamp) or its
// text (a field, the progress bar, which also reports its position).
void markAccessible(QWidget* widget, QAccessible::Role role);

// The value a marked widget is announced with (a lamp's state); a label or
// the progress bar says its own text when none is set.
void setAccessibleValue(QWidget* widget, const QString& value);

// Installs the accessibility factory for marked widgets (once; later calls
// do nothing).
void installAccessibleValues();

}  // namespace dorvane
