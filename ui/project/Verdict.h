// The verdict of one robot from the engine's levels: code, verdict text and the
// detail lines for mass, moment and (when shown) inertia.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"

struct KESTLOADLIB_API CVerdict {
    int code = 0;  // 1 pass, 2 pass with high load, 3 fail (analyse further), 4 fail (not supported)
    QString text;
    QString detail;
    bool massOverload = false;  // mass level 3: the payload diagram marks the robot
};

// The verdict code alone (1 to 4, as CVerdict::code), with no texts: what a
// search over many loads asks of each. `inEnvelope` is the engine's
// IsInEnvelope (1 inside); levels 0 to 3.
KESTLOADLIB_API int VerdictCode(int inEnvelope, int massLevel, int momentLevel, int inertiaLevel,
                                bool showInertia);

// The verdict with its texts; the code is VerdictCode's.
KESTLOADLIB_API CVerdict BuildVerdict(int inEnvelope, int massLevel, int momentLevel, int inertiaLevel,
                                      bool showInertia);

// The word of a detail line, as the detail shows it: quantity 0 mass, 1 moment,
// 2 inertia; levels 0 to 3.
KESTLOADLIB_API QString DetailWord(int quantity, int level);
