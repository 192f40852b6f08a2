// The tool calculator's inputs: hand (gripper or tool body) and workpiece, each
// with mass (kg), centre of mass (mm), box size (mm) and moments of inertia
// (kg·m²). They belong to the window and are saved with the project; the
// calculator's dialog edits them.
#pragma once

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CDlgToolCalc {
public:
    double MassHnd = 0.0, MassWk = 0.0;
    double MassAll = 0.0;  // hand + workpiece, shown but not saved
    double ComHndX = 0.0, ComHndY = 0.0, ComHndZ = 0.0;
    double ComWkX = 0.0, ComWkY = 0.0, ComWkZ = 0.0;
    double SizeHndX = 0.0, SizeHndY = 0.0, SizeHndZ = 0.0;
    double SizeWkX = 0.0, SizeWkY = 0.0, SizeWkZ = 0.0;
    double MiHndX = 0.0, MiHndY = 0.0, MiHndZ = 0.0;
    double MiWkX = 0.0, MiWkY = 0.0, MiWkZ = 0.0;

    // The twenty saved inputs in file order, with their attribute names.
    struct Field {
        const char* name;
        double CDlgToolCalc::*member;
    };
    static const Field* SavedFields(int* count);
};
