#include "ToolCalcInputs.h"

#include <algorithm>
#include <cmath>

int CToolCalcInputs::s_bHandWork = 0;

int CToolCalcInputs::Recalc() {
    const double mh = MassHnd, mw = MassWk;
    const double xh = ComHndX, yh = ComHndY, zh = ComHndZ;
    const double xw = ComWkX, yw = ComWkY, zw = ComWkZ;

    MassAll = mh + mw;
    // Moments in kgf·m from kg and mm; about R2/B every Z is measured from the B axis.
    T1 = mw * std::sqrt(xw * xw + yw * yw) * 0.001 + mh * std::sqrt(xh * xh + yh * yh) * 0.001;
    T2 = mw * std::sqrt(xw * xw + yw * yw + (zw + e) * (zw + e)) * 0.001 +
         mh * std::sqrt(xh * xh + yh * yh + (zh + e) * (zh + e)) * 0.001;
    if (T1a == 0.0) return -1;
    if (T2a == 0.0) return -2;
    rT1 = T1 / T1a;
    rT2 = T2 / T2a;

    // Inertias in kg·m² from kg and mm².
    O1h = (xh * xh + yh * yh) * mh * 0.000001;
    O2h = (xh * xh + yh * yh + (zh + e) * (zh + e)) * mh * 0.000001;
    O1w = (xw * xw + yw * yw) * mw * 0.000001;
    O2w = (xw * xw + yw * yw + (zw + e) * (zw + e)) * mw * 0.000001;
    C1h = MiHndZ;
    C2h = std::max(MiHndX, MiHndY);
    C1w = MiWkZ;
    C2w = std::max(MiWkX, MiWkY);
    J1 = O1h + O1w + C1h + C1w;
    J2 = O2h + O2w + C2h + C2w;
    if (J1a == 0.0) return -3;
    if (J2a == 0.0) return -4;
    rJ1 = J1 / J1a;
    rJ2 = J2 / J2a;

    m_prmWk.Set(mw, xw, yw, zw, MiWkX, MiWkY, MiWkZ);
    m_prmHnd.Set(mh, xh, yh, zh, MiHndX, MiHndY, MiHndZ);
    m_prmAll.Mass = MassAll;
    if (MassAll == 0.0) return -5;

    // One rigid body: the common centre of gravity, and each part's own
    // inertia moved to it (parallel axes, offsets in metres).
    const double M = MassAll;
    m_prmAll.Lx = (mw * xw + mh * xh) / M;
    m_prmAll.Ly = (mw * yw + mh * yh) / M;
    m_prmAll.Lz = (mw * zw + mh * zh) / M;
    struct Parallel {
        double x, y, z;
    };
    auto parallel = [this](const CPrmLoadSub& part) {
        const double dx = (part.Lx - m_prmAll.Lx) / 1000.0;
        const double dy = (part.Ly - m_prmAll.Ly) / 1000.0;
        const double dz = (part.Lz - m_prmAll.Lz) / 1000.0;
        return Parallel{part.Mass * (dy * dy + dz * dz), part.Mass * (dz * dz + dx * dx),
                        part.Mass * (dx * dx + dy * dy)};
    };
    const Parallel ph = parallel(m_prmHnd), pw = parallel(m_prmWk);
    m_prmAll.Ixx = (MiHndX + ph.x) + (MiWkX + pw.x);
    m_prmAll.Iyy = (MiHndY + ph.y) + (MiWkY + pw.y);
    m_prmAll.Izz = (MiHndZ + ph.z) + (MiWkZ + pw.z);
    return 0;
}

const CToolCalcInputs::Field* CToolCalcInputs::SavedFields(int* count) {
    static const Field kFields[] = {
        {"MassHnd", &CToolCalcInputs::MassHnd},   {"MassWk", &CToolCalcInputs::MassWk},
        {"ComHndX", &CToolCalcInputs::ComHndX},   {"ComHndY", &CToolCalcInputs::ComHndY},
        {"ComHndZ", &CToolCalcInputs::ComHndZ},   {"ComWkX", &CToolCalcInputs::ComWkX},
        {"ComWkY", &CToolCalcInputs::ComWkY},     {"ComWkZ", &CToolCalcInputs::ComWkZ},
        {"SizeHndX", &CToolCalcInputs::SizeHndX}, {"SizeHndY", &CToolCalcInputs::SizeHndY},
        {"SizeHndZ", &CToolCalcInputs::SizeHndZ}, {"SizeWkX", &CToolCalcInputs::SizeWkX},
        {"SizeWkY", &CToolCalcInputs::SizeWkY},   {"SizeWkZ", &CToolCalcInputs::SizeWkZ},
        {"MiHndX", &CToolCalcInputs::MiHndX},     {"MiHndY", &CToolCalcInputs::MiHndY},
        {"MiHndZ", &CToolCalcInputs::MiHndZ},     {"MiWkX", &CToolCalcInputs::MiWkX},
        {"MiWkY", &CToolCalcInputs::MiWkY},       {"MiWkZ", &CToolCalcInputs::MiWkZ},
    };
    if (count) *count = static_cast<int>(sizeof kFields / sizeof kFields[0]);
    return kFields;
}
