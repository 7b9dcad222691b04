#pragma once

#include <QRect>

namespace dorvane {

// The windows are laid out in dialog units of their MS Sans Serif 8
// templates: a horizontal unit is a quarter of the 6-pixel average
// character width, a vertical unit an eighth of the 13-pixel height.
inline int dialogUnitsX(int units) { return (units * 6 + 2) / 4; }
inline int dialogUnitsY(int units) { return (units * 13 + 4) / 8; }

inline QRect dialogUnits(int x, int y, int width, int height) {
    const int left = dialogUnitsX(x);
    const int top = dialogUnitsY(y);
    return QRect(left, top, dialogUnitsX(x + width) - left, dialogUnitsY(y + height) - top);
}

inline QRect dialogUnits(int width, int height) { return dialogUnits(0, 0, width, height); }

}  // namespace dorvane
