// One text cell of the editable table (CGrid): text, colours, alignment, merge
// span and an optional font of its own.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>

#include "KestDC.h"

// A colour as the system's 32-bit colour value: red in the low byte, then
// green, then blue.
using GrColor = std::uint32_t;

// "Use the grid's colour". It is also the value of RGB(255, 255, 0), so a cell
// cannot be given pure yellow of its own.
constexpr GrColor GR_CLR_DEFAULT = 65535;

inline GrColor GrColorOf(const QColor& c) {
    return static_cast<GrColor>(c.red()) | (static_cast<GrColor>(c.green()) << 8) |
           (static_cast<GrColor>(c.blue()) << 16);
}
inline QColor QColorOfGr(GrColor c) {
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                  static_cast<int>((c >> 16) & 0xFFu));
}

class CGrCell {
public:
    QString strText;
    GrColor clrText = GR_CLR_DEFAULT;
    GrColor clrBk = GR_CLR_DEFAULT;
    unsigned nFormat = kest::DT_CENTER | kest::DT_VCENTER;  // 5: centred both ways
    // Columns the cell covers to the right; 0 marks a cell covered by a merged
    // cell to its left.
    int nSpan = 1;
    std::optional<QFont> font;  // empty: the grid's font
};
