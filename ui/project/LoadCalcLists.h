// The load calculator's lists of part loads: index 0 tool, 1 upper arm (V),
// 2 lower arm (H), 3 swivel base (S). They belong to the project and are saved
// with it; the calculator's window (CDlgLoadCalc) edits them.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

// The rigid-body sum of a list of part loads in display units: total mass
// (kg), common centre of gravity (mm) and the inertias about it (kg·m²).
// Loads lighter than 0.00001 kg count in the mass and the inertias but not in
// the centre of gravity; a total mass of magnitude below 0.00001 kg puts the
// centre of gravity at the origin.
KESTLOADLIB_API void SumLoads(const CLoadArray& list, double out[7]);

class KESTLOADLIB_API CLoadCalcLists {
public:
    // The table shows at most this many loads (its 50 rows include the header).
    enum { MAX_LOADS = 49 };

    CLoadArray m_arrLoad[4];
    // The load kind of the tab the calculator was left on: "Tool", "V", "H" or "S".
    QString m_strMount = QStringLiteral("Tool");

    // The sum of list `kind` (0 to 3): mass, Lx, Ly, Lz (mm), Ixx, Iyy, Izz.
    // -1 for a kind outside 0 to 3 (nothing written).
    int Sum(int kind, double out[7]) const;
    // "Input" writes the load page of a list only when the list holds a load:
    // a page whose list is empty keeps what was typed into it.
    bool WritesPage(int kind) const { return kind >= 0 && kind < 4 && !m_arrLoad[kind].isEmpty(); }
};
