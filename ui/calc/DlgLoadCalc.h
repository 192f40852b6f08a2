// The load calculator's lists of part loads: index 0 tool, 1 upper arm (V),
// 2 lower arm (H), 3 swivel base (S). They belong to the window and are saved
// with the project; the calculator's dialog edits them.
#pragma once

#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

class KESTLOADLIB_API CDlgLoadCalc {
public:
    CLoadArray m_arrLoad[4];
};
