// The load calculator: its window over the project's lists (LoadCalcLists.h),
// the predefined part loads it offers and the filters of its name box.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "KestLoadLibExport.h"
#include "LoadCalcLists.h"
#include "PredefLoads.h"
#include "PrmLoadSub.h"

class QWidget;

// The filters of the name box: a load's Mount accepts the load kind ("Tool",
// "V", "H", "S") when it is empty or names it; its Appl accepts the checked
// applications ("Spot,Arc,Handling" or part of it) when it is empty or names
// one of them. Tokens are separated by commas and/or blanks, letter case aside.
KESTLOADLIB_API bool MountAccepts(const QString& strMount, const QString& strKind);
KESTLOADLIB_API bool ApplAccepts(const QString& strAppl, const QString& strChecked);

// The line of the calculator's window that names the load pages "Input" writes.
KESTLOADLIB_API QString InputPagesText(const CLoadCalcLists& calc);

class KESTLOADLIB_API CDlgLoadCalc : public CLoadCalcLists {
public:
    CDlgLoadCalc() = default;
    explicit CDlgLoadCalc(const CLoadCalcLists& lists) : CLoadCalcLists(lists) {}

    // Runs the calculator's window over the lists, modally: IDOK (1) when it
    // ends with "Input", IDCANCEL (2) with "Cancel" (or closing): the lists
    // are then as they were before.
    int DoModal(QWidget* parent);
};
