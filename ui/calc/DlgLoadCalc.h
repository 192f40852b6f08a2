// The load calculator's lists of part loads: index 0 tool, 1 upper arm (V),
// 2 lower arm (H), 3 swivel base (S). They belong to the window and are saved
// with the project; the calculator's window (CDlgLoadCalcWnd) edits them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "KestLoadLibExport.h"
#include "PredefLoads.h"
#include "PrmLoadSub.h"

class QWidget;

// The rigid-body sum of a list of part loads in display units: total mass
// (kg), common centre of gravity (mm) and the inertias about it (kg·m²).
// Loads lighter than 0.00001 kg count in the mass and the inertias but not in
// the centre of gravity; a total mass of magnitude below 0.00001 kg puts the
// centre of gravity at the origin.
KESTLOADLIB_API void SumLoads(const CLoadArray& list, double out[7]);

// The filters of the name box: a load's Mount accepts the load kind ("Tool",
// "V", "H", "S") when it is empty or names it; its Appl accepts the checked
// applications ("Spot,Arc,Handling" or part of it) when it is empty or names
// one of them. Tokens are separated by commas and/or blanks, letter case aside.
KESTLOADLIB_API bool MountAccepts(const QString& strMount, const QString& strKind);
KESTLOADLIB_API bool ApplAccepts(const QString& strAppl, const QString& strChecked);

class CDlgLoadCalc;
// The line of the calculator's window that names the load pages "Input" writes.
KESTLOADLIB_API QString InputPagesText(const CDlgLoadCalc& calc);

class KESTLOADLIB_API CDlgLoadCalc {
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
    // Runs the calculator's window over the lists, modally: IDOK (1) when it
    // ends with "Input", IDCANCEL (2) with "Cancel" (or closing): the lists
    // are then as they were before.
    int DoModal(QWidget* parent);
};
