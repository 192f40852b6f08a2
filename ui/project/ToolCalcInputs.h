// The tool calculator's data: a hand (gripper or tool body) and the workpiece
// it carries, each with mass (kg), centre of mass (mm), box size (mm) and
// moments of inertia (kg·m²), checked against the current robot's allowable
// wrist moments and inertias and combined into one tool load.
//
// The inputs belong to the project: they start empty with "New", are saved
// and opened with it, and stay a plain copyable value. The calculator's
// window (CDlgToolCalc) edits them.
#pragma once

#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

class KESTLOADLIB_API CToolCalcInputs {
public:
    // Inputs, saved with the project.
    double MassHnd = 0.0, MassWk = 0.0;
    double MassAll = 0.0;  // hand + workpiece, shown but not saved
    double ComHndX = 0.0, ComHndY = 0.0, ComHndZ = 0.0;
    double ComWkX = 0.0, ComWkY = 0.0, ComWkZ = 0.0;
    double SizeHndX = 0.0, SizeHndY = 0.0, SizeHndZ = 0.0;
    double SizeWkX = 0.0, SizeWkY = 0.0, SizeWkZ = 0.0;
    double MiHndX = 0.0, MiHndY = 0.0, MiHndZ = 0.0;
    double MiWkX = 0.0, MiWkY = 0.0, MiWkZ = 0.0;

    // The current robot's wrist, asked of the engine at every opening (not saved):
    // allowable moments about R1 and R2/B (kgf·m), allowable inertias (kg·m²)
    // and the length e (mm) added to every Z when the R2/B axis is concerned.
    double T1a = 0.0, T2a = 0.0, J1a = 0.0, J2a = 0.0, e = 0.0;

    // Derived values (not saved). Index 1 is about R1, 2 about R2/B; the
    // ratios are fractions (shown as percent).
    double T1 = 0.0, T2 = 0.0, rT1 = 0.0, rT2 = 0.0;    // moments, kgf·m
    double O1h = 0.0, O2h = 0.0, O1w = 0.0, O2w = 0.0;  // offset inertias of hand and workpiece
    double C1h = 0.0, C2h = 0.0, C1w = 0.0, C2w = 0.0;  // own inertias counted
    double J1 = 0.0, J2 = 0.0, rJ1 = 0.0, rJ2 = 0.0;    // total inertias
    // The candidate tool loads; unlike the project's loads their centre of
    // gravity is in millimetres.
    CPrmLoadSub m_prmHnd, m_prmWk, m_prmAll;

    // The result chosen when the calculator was last accepted: 0 the hand
    // alone, 1 hand and workpiece. One choice for the whole program; a new
    // main window starts with the hand.
    static int s_bHandWork;

    // Recomputes every derived value from the inputs and the wrist values.
    // 0, or it stops early and keeps the previous values of everything after
    // the stop: -1 T1a is 0, -2 T2a is 0, -3 J1a is 0, -4 J2a is 0 (the hand
    // and combined loads are then not updated), -5 the total mass is 0 (the
    // combined load keeps its centre of gravity and inertias).
    int Recalc();
    // The load that accepting writes into the tool page.
    const CPrmLoadSub* GetResult() const { return s_bHandWork ? &m_prmAll : &m_prmHnd; }

    // The twenty saved inputs in file order, with their attribute names.
    struct Field {
        const char* name;
        double CToolCalcInputs::*member;
    };
    static const Field* SavedFields(int* count);
};
