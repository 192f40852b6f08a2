#include "LoadCalcLists.h"

#include <cmath>

namespace {

// Loads at least this heavy place the common centre of gravity; a total mass
// of smaller magnitude has none.
const double kMinMass = 0.00001;

}  // namespace

void SumLoads(const CLoadArray& list, double out[7]) {
    double mass = 0.0;
    for (const CLoad& load : list) mass += load.prm.Mass;
    double c[3] = {0.0, 0.0, 0.0};
    if (std::fabs(mass) >= kMinMass) {
        for (const CLoad& load : list) {
            const CPrmLoadSub& p = load.prm;
            if (p.Mass < kMinMass) continue;
            const double share = p.Mass / mass;
            c[0] += share * p.Lx;
            c[1] += share * p.Ly;
            c[2] += share * p.Lz;
        }
    }
    double iner[3] = {0.0, 0.0, 0.0};
    for (const CLoad& load : list) {
        const CPrmLoadSub& p = load.prm;
        const double dx = p.Lx - c[0];
        const double dy = p.Ly - c[1];
        const double dz = p.Lz - c[2];
        // Parallel-axis terms about the common centre of gravity.
        iner[0] += p.Ixx + p.Mass * (dy * dy + dz * dz);
        iner[1] += p.Iyy + p.Mass * (dz * dz + dx * dx);
        iner[2] += p.Izz + p.Mass * (dx * dx + dy * dy);
    }
    out[0] = mass;
    for (int k = 0; k < 3; ++k) {
        out[1 + k] = c[k] * 1000.0;
        out[4 + k] = iner[k];
    }
}

int CLoadCalcLists::Sum(int kind, double out[7]) const {
    if (kind < 0 || kind > 3) return -1;
    SumLoads(m_arrLoad[kind], out);
    return 0;
}
