// Small helpers of the drawings: truncation to pixels that survives infinite
// and undefined values, and the exclusive right and bottom edges of a rectangle.
#pragma once

#include <QRect>
#include <cmath>

namespace kest {

// Truncation toward zero; values beyond the pixel range are clamped, NaN is 0.
inline int Trunc(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 1e8) return 100000000;
    if (v <= -1e8) return -100000000;
    return static_cast<int>(v);
}

inline int Right(const QRect& r) { return r.left() + r.width(); }
inline int Bottom(const QRect& r) { return r.top() + r.height(); }
// A rectangle from GDI-style edges (right and bottom exclusive).
inline QRect LTRB(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }
// The rectangle shrunk by the given amounts on each side.
inline QRect Shrink(const QRect& r, int l, int t, int rr, int b) {
    return LTRB(r.left() + l, r.top() + t, Right(r) - rr, Bottom(r) - b);
}

}  // namespace kest
