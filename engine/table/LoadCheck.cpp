#include "LoadCheck.h"

#include <cmath>

namespace kest {
namespace {

inline double sq(double a) { return a * a; }
inline double hyp(double a, double b) { return std::sqrt(a * a + b * b); }
// a when a > b, else b (so a NaN in `a` yields b).
inline double max2(double a, double b) { return a > b ? a : b; }

// carried / allowable. An allowable value that is not a finite number (a damaged
// table: a share of 0 % divides by zero) cannot bound anything, so the ratio is
// not a number rather than a reassuring 0.
inline double RatioOf(double carried, double allowable) {
    return std::isfinite(allowable) ? carried / allowable : std::nan("");
}

// Level of one percent value against 100, the middle threshold and the top one.
// A value that is not a finite number (NaN, or an infinity of either sign from
// absurd loads) could be anything: it counts as the top level.
int LevelOf(double pct, double middle, double top) {
    if (!std::isfinite(pct) || pct > top) return 3;
    if (pct > middle) return 2;
    if (pct > 100.00001) return 1;
    return 0;
}

}  // namespace

void CalculateLoadCheck(MechRec& m) {
    MechResults& r = m.res;
    const LoadSI& T = m.loads[SLOT_TOOL];
    const LoadSI& V = m.loads[SLOT_V];
    const LoadSI& H = m.loads[SLOT_H];
    const LoadSI& S = m.loads[SLOT_S];
    const double M = m.M_Tmax;

    // Geometry of the mechanism. The lower arm's horizontal share uses the
    // clamped tilt in radians for the H terms and for the S terms alike.
    r.theta = m.Th_Hmax < 90 ? m.Th_Hmax : 90;
    r.DV = hyp(m.L_VX, m.L_VZ);
    r.sH = std::sin(r.theta * 3.141592 / 180);
    r.sS = r.sH;

    // Rated load: the tool of mass M_Tmax that loads R1 and R2B exactly to their
    // allowable torques.
    r.r1 = m.Tau_uR1 / M / 9.8;
    r.d2 = m.Tau_uR2B / M / 9.8;
    r.zr = std::sqrt(sq(r.d2) - sq(r.r1) - sq(0)) - m.L_B;
    r.dr = hyp(hyp(r.r1, 0), r.zr + m.L_B);
    r.LA1 = hyp(m.L_A1XI, m.L_A1ZI);
    r.phiA1 =
        (m.L_A1XI == 0 || m.L_VX == 0) ? 0.0 : std::atan(m.L_A1ZI / m.L_A1XI) - std::atan(m.L_VZ / m.L_VX);
    r.Irxx = m.I_R2B - M * r.d2 * r.d2;
    r.Iryy = r.Irxx;
    r.Irzz = m.I_R1 - M * r.r1 * r.r1;

    // Allowable values of the main axes.
    r.AMV = ((r.DV + r.dr) * M * 9.8 + m.M_A1I * m.L_A1ZI * 9.8) / m.SLR_V * 100;
    r.AMH = ((r.sH * m.L_HZ + r.DV + r.d2) * M * 9.8 + (r.sH * m.L_HZ + m.L_A1ZI) * m.M_A1I * 9.8) / m.SLR_H *
            100;
    r.AJV = (sq(r.d2 + r.DV) * M + r.Irxx + m.I_A1YYI + sq(r.LA1) * m.M_A1I) * m.KI_V;
    r.AJH = (sq(r.d2 + r.DV + m.L_HZ) * M + r.Irxx + m.I_A1YYI + sq(r.LA1 + m.L_HZ) * m.M_A1I) * m.KI_H;
    r.AJS = (sq(r.sS * m.L_HZ + r.dr + r.DV + m.L_HX) * M + max2(r.Irxx, r.Iryy) + m.I_A1ZZI +
             sq(std::cos(r.phiA1) * r.LA1 + r.sS * m.L_HZ + m.L_HX) * m.M_A1I) *
            m.KI_S;

    // The loads.
    r.rT = hyp(T.x, T.y);
    r.dT = hyp(r.rT, T.z + m.L_B);
    r.LV = hyp(V.x, V.z);
    r.phiV = (V.x == 0 || m.L_VX == 0) ? 0.0 : std::atan(V.z / V.x) - std::atan(m.L_VZ / m.L_VX);
    r.LH = hyp(H.x, H.z);
    r.Pr = r.rT;
    r.Pz = T.z + m.L_B;
    r.Lr = m.Tau_uR1 / T.m / 9.8;  // a zero tool mass gives +inf
    r.Ld = m.Tau_uR2B / T.m / 9.8;

    // Inertias the axes carry.
    r.JR1 = sq(r.rT) * T.m + T.Izz;
    const double Imax = max2(T.Ixx, T.Iyy);
    r.JR2B = sq(r.dT) * T.m + Imax;
    r.JV = sq(r.dT + r.DV) * T.m + Imax + V.Iyy + sq(r.LV) * V.m;
    r.JH = sq(r.dT + r.DV + m.L_HZ) * T.m + Imax + V.Iyy + sq(r.LV + m.L_HZ) * V.m + H.Iyy + sq(r.LH) * H.m;
    r.JS = sq(r.sS * m.L_HZ + r.dT + r.DV + m.L_HX) * T.m + Imax + V.Izz +
           sq(std::cos(r.phiV) * r.LV + r.sS * m.L_HZ + m.L_HX) * V.m + S.Izz + (sq(S.x) + sq(S.y)) * S.m;

    // Inertia ratios; V, H and S are scaled down together when one exceeds 1.
    r.qR1 = RatioOf(r.JR1, m.I_R1);
    r.qR2B = RatioOf(r.JR2B, m.I_R2B);
    r.qV = RatioOf(r.JV, r.AJV);
    r.qH = RatioOf(r.JH, r.AJH);
    r.qS = RatioOf(r.JS, r.AJS);
    NormaliseMainInertia(r.qV, r.qH, r.qS);

    // Moment ratios.
    r.muR1 = RatioOf((std::sqrt(sq(T.x) + sq(T.y)) * T.m) * 9.8, m.Tau_uR1);
    r.muR2B = RatioOf((std::sqrt(sq(T.z + m.L_B) + sq(T.x) + sq(T.y)) * T.m) * 9.8, m.Tau_uR2B);
    r.muV = RatioOf((r.DV + r.dT) * T.m * 9.8 + V.m * V.z * 9.8, r.AMV);
    r.muH = RatioOf((r.sH * m.L_HZ + r.DV + r.dT) * T.m * 9.8 + (r.sH * m.L_HZ + V.z) * V.m * 9.8, r.AMH);

    // Combination and mass.
    r.cR1 = max2(r.qR1, r.muR1);
    r.cR2B = max2(r.qR2B, r.muR2B);
    r.massRatio = T.m / M * 100;
    m.calculated = 1;
}

void NormaliseMainInertia(double& qV, double& qH, double& qS) {
    const double k = max2(max2(qV, qH), qS);
    if (k > 1) {
        qV /= k;
        qH /= k;
        qS /= k;
    }
}

bool ApplyLimitValidity(MechRec& m) {
    if (m.res.Lr * 1000 < -0.00001 || m.res.Ld * 1000 < -0.00001) {
        m.res.Lr = 0;
        m.res.Ld = 0;
        return true;
    }
    return false;
}

int EnvelopeResult(const MechRec& m) {
    if (m.calculated == 0) return -1;
    const MechResults& r = m.res;
    // A point or limit that is not a number fails every comparison below; it
    // places nothing inside the envelope.
    if (std::isnan(r.Pr) || std::isnan(r.Pz) || std::isnan(r.Lr) || std::isnan(r.Ld)) return 0;
    if (r.Lr + 0.00001 < r.Pr) return 0;
    if (r.Ld + 0.00001 < hyp(r.Pz, r.Pr)) return 0;
    return 1;
}

void LoadRatiosPercent(const MechRec& m, double out[6]) {
    const MechResults& r = m.res;
    out[0] = r.qS * 100;
    out[1] = r.qH * 100;
    out[2] = r.qV * 100;
    out[3] = r.cR2B * 100;
    out[4] = r.cR2B * 100;
    out[5] = r.cR1 * 100;
}

void MomentRatiosPercent(const MechRec& m, double out[6]) {
    const MechResults& r = m.res;
    out[0] = 0;
    out[1] = r.muH * 100;
    out[2] = r.muV * 100;
    out[3] = r.muR2B * 100;
    out[4] = r.muR2B * 100;
    out[5] = r.muR1 * 100;
}

void InertiaRatiosPercent(const MechRec& m, double out[6]) {
    const MechResults& r = m.res;
    out[0] = r.qS * 100;
    out[1] = r.qH * 100;
    out[2] = r.qV * 100;
    out[3] = r.qR2B * 100;
    out[4] = r.qR2B * 100;
    out[5] = r.qR1 * 100;
}

int MassLevel(const MechRec& m) {
    const double pct = m.res.massRatio;
    if (!std::isfinite(pct) || pct > 110.00001) return 3;
    if (pct > 100.00001) return 1;
    return 0;
}

int MomentLevel(const MechRec& m) {
    double v[6];
    MomentRatiosPercent(m, v);
    const double top = m.M_Tmax >= 300 ? 150.00001 : 115.00001;
    int level = 0;
    for (double pct : v) {
        const int l = LevelOf(pct, 110.00001, top);
        if (l > level) level = l;
    }
    return level;
}

int InertiaLevel(const MechRec& m) {
    double v[6];
    InertiaRatiosPercent(m, v);
    const double top = m.M_Tmax >= 300 ? 600.00001 : 150.00001;
    int level = 0;
    for (double pct : v) {
        const int l = LevelOf(pct, 130.00001, top);
        if (l > level) level = l;
    }
    return level;
}

bool IsOverloaded(const MechRec& m) {
    double v[6];
    LoadRatiosPercent(m, v);
    for (double pct : v) {
        if (!std::isfinite(pct) || pct > 100.00001) return true;
    }
    // A ratio that is not a finite number counts as above every threshold, also
    // where the combination's max() hides it behind the other value.
    const MechResults& r = m.res;
    for (double q : {r.qR1, r.qR2B, r.muR1, r.muR2B, r.muV, r.muH, r.massRatio}) {
        if (!std::isfinite(q)) return true;
    }
    return false;
}

}  // namespace kest
