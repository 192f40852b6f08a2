#include "PrmLoadSub.h"

void CPrmLoadSub::Set(double mass, double lx, double ly, double lz, double ixx, double iyy, double izz) {
    Mass = mass;
    Lx = lx;
    Ly = ly;
    Lz = lz;
    Ixx = ixx;
    Iyy = iyy;
    Izz = izz;
}

void CPrmLoadSub::FromDisplay(const double d[7]) {
    Set(d[0], d[1] / 1000.0, d[2] / 1000.0, d[3] / 1000.0, d[4], d[5], d[6]);
}

void CPrmLoadSub::ToDisplay(double d[7]) const {
    d[0] = Mass;
    d[1] = Lx * 1000.0;
    d[2] = Ly * 1000.0;
    d[3] = Lz * 1000.0;
    d[4] = Ixx;
    d[5] = Iyy;
    d[6] = Izz;
}

bool CPrmLoadSub::operator==(const CPrmLoadSub& o) const {
    return Mass == o.Mass && Lx == o.Lx && Ly == o.Ly && Lz == o.Lz && Ixx == o.Ixx && Iyy == o.Iyy &&
           Izz == o.Izz;
}
