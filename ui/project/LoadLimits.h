// What a real load can hold. A file or an edit with a larger magnitude is
// refused like any bad number; a negative mass or inertia is no load at all, so
// an edit refuses it and the analysis gives no verdict for a file that holds one.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"

class CPrmLoadSub;

// Largest magnitudes: 100,000 kg, 100 m (in mm, as shown and stored) and
// 1,000,000 kg·m².
constexpr double kMaxLoadMass = 100000.0;
constexpr double kMaxLoadPositionMm = 100000.0;
constexpr double kMaxLoadInertia = 1000000.0;

// Field `field` of a load in display order (0 mass, 1 to 3 positions in mm,
// 4 to 6 inertias): whether its magnitude is one a real load can have.
KESTLOADLIB_API bool LoadValueInRange(int field, double displayValue);
// Whether the field holds a mass or an inertia, which cannot be negative.
inline bool LoadFieldIsNonNegative(int field) { return field == 0 || field >= 4; }

// The first negative mass or inertia of `load` as "<name> Mass is negative",
// with `name` the load's name; empty text when there is none.
KESTLOADLIB_API QString NegativeLoadProblem(const CPrmLoadSub& load, const QString& name);
