// One robot mechanism: the constants read from the mechanism-data file, the four
// loads last set on it and the results of its last load check.
#pragma once

#include <string>

namespace kest {

// One load held in SI units: mass in kg, position in m, inertias in kg·m².
struct LoadSI {
    double m = 0.0, x = 0.0, y = 0.0, z = 0.0, Ixx = 0.0, Iyy = 0.0, Izz = 0.0;
};

// Load slots of a record, in record order (not the engine's load kinds).
enum LoadSlot { SLOT_TOOL = 0, SLOT_V = 1, SLOT_H = 2, SLOT_S = 3, SLOT_COUNT = 4 };

// Results of the last load check. Lengths in m, ratios as fractions.
struct MechResults {
    // geometry
    double theta = 0.0, DV = 0.0, sH = 0.0, sS = 0.0;
    // rated tool load of the mechanism
    double r1 = 0.0, d2 = 0.0, zr = 0.0, dr = 0.0, LA1 = 0.0, phiA1 = 0.0;
    double Irxx = 0.0, Iryy = 0.0, Irzz = 0.0;
    // allowable moments (N·m) and inertias (kg·m²) of the main axes
    double AMV = 0.0, AMH = 0.0, AJV = 0.0, AJH = 0.0, AJS = 0.0;
    // the loads
    double rT = 0.0, dT = 0.0, LV = 0.0, phiV = 0.0, LH = 0.0;
    double Pr = 0.0, Pz = 0.0, Lr = 0.0, Ld = 0.0;
    // inertias the axes carry
    double JR1 = 0.0, JR2B = 0.0, JV = 0.0, JH = 0.0, JS = 0.0;
    // inertia ratios (V, H, S normalised), moment ratios, combined ratios
    double qR1 = 0.0, qR2B = 0.0, qV = 0.0, qH = 0.0, qS = 0.0;
    double muR1 = 0.0, muR2B = 0.0, muV = 0.0, muH = 0.0;
    double cR1 = 0.0, cR2B = 0.0;
    double massRatio = 0.0;  // percent
};

struct MechRec {
    std::u16string name;
    std::u16string picture;  // Img: file name of the mechanism picture

    // Arm geometry (m) and lower-arm tilt (degrees).
    double L_HX = 0.0, L_HZ = 0.0, L_VX = 0.0, L_VZ = 0.0, L_B = 0.0, Th_Hmax = 0.0;
    // Reference load on the upper arm: mass (kg), position (m), inertias (kg·m²).
    double M_A1I = 0.0, L_A1XI = 0.0, L_A1YI = 0.0, L_A1ZI = 0.0;
    double I_A1XXI = 0.0, I_A1YYI = 0.0, I_A1ZZI = 0.0;
    // Rated payload (kg), allowable wrist torques (N·m) and inertias (kg·m²).
    double M_Tmax = 0.0, Tau_uR1 = 0.0, Tau_uR2B = 0.0, I_R1 = 0.0, I_R2B = 0.0;
    // Main-axis factors: inertia factors and reference-moment shares (percent).
    double KI_V = 0.0, KI_H = 0.0, KI_S = 0.0, SLR_V = 0.0, SLR_H = 0.0;

    LoadSI loads[SLOT_COUNT];
    MechResults res;
    int calculated = 0;  // set to 1 by every load check, never reset

    MechRec() { loads[SLOT_TOOL].m = 120.0; }

    // The field for a constant element name, or null for any other name.
    double* ConstantField(const char* elementName);
};

// The constants of a record, in the order a table lists them.
constexpr int kMechConstantCount = 23;
struct MechConstant {
    const char* name;  // element name
    double MechRec::*field;
};
extern const MechConstant kMechConstants[kMechConstantCount];
// Index into kMechConstants of an element name, or -1.
int MechConstantIndex(const char* elementName);

}  // namespace kest
