#include "MechRec.h"

#include <cstring>

namespace kest {

const MechConstant kMechConstants[kMechConstantCount] = {
    {"L_HX", &MechRec::L_HX},         {"L_HZ", &MechRec::L_HZ},       {"L_VX", &MechRec::L_VX},
    {"L_VZ", &MechRec::L_VZ},         {"L_B", &MechRec::L_B},         {"Th_Hmax", &MechRec::Th_Hmax},
    {"M_A1I", &MechRec::M_A1I},       {"L_A1XI", &MechRec::L_A1XI},   {"L_A1YI", &MechRec::L_A1YI},
    {"L_A1ZI", &MechRec::L_A1ZI},     {"I_A1XXI", &MechRec::I_A1XXI}, {"I_A1YYI", &MechRec::I_A1YYI},
    {"I_A1ZZI", &MechRec::I_A1ZZI},   {"M_Tmax", &MechRec::M_Tmax},   {"Tau_uR1", &MechRec::Tau_uR1},
    {"Tau_uR2B", &MechRec::Tau_uR2B}, {"I_R1", &MechRec::I_R1},       {"I_R2B", &MechRec::I_R2B},
    {"KI_V", &MechRec::KI_V},         {"KI_H", &MechRec::KI_H},       {"KI_S", &MechRec::KI_S},
    {"SLR_V", &MechRec::SLR_V},       {"SLR_H", &MechRec::SLR_H},
};

int MechConstantIndex(const char* n) {
    for (int i = 0; i < kMechConstantCount; ++i) {
        if (std::strcmp(kMechConstants[i].name, n) == 0) return i;
    }
    return -1;
}

double* MechRec::ConstantField(const char* n) {
    const int i = MechConstantIndex(n);
    return i < 0 ? nullptr : &(this->*kMechConstants[i].field);
}

}  // namespace kest
