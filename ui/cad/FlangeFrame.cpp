#include "FlangeFrame.h"

#include <array>
#include <cmath>

namespace kest::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double deg) { return deg * kPi / 180.0; }
double Degrees(double rad) { return rad * 180.0 / kPi; }

// A signed file axis: 0 X, 1 Y, 2 Z and the sign.
struct CAxis {
    int index;
    int sign;
};

// Flange Z first (where the tool points), then flange X among the four file
// axes perpendicular to it; flange Y = Z × X. Index 0 is the identity.
struct COrientation {
    CAxis x, z;
};

const std::array<COrientation, kAxisAlignedCount>& Orientations() {
    static const std::array<COrientation, kAxisAlignedCount> kList = [] {
        std::array<COrientation, kAxisAlignedCount> list{};
        const CAxis zs[6] = {{2, 1}, {2, -1}, {0, 1}, {0, -1}, {1, 1}, {1, -1}};
        const CAxis xs[6] = {{0, 1}, {1, 1}, {0, -1}, {1, -1}, {2, 1}, {2, -1}};
        size_t n = 0;
        for (const CAxis& z : zs)
            for (const CAxis& x : xs)
                if (x.index != z.index && n < list.size()) list[n++] = {x, z};
        return list;
    }();
    return kList;
}

CVec3 AxisVector(const CAxis& a) {
    CVec3 v;
    (a.index == 0 ? v.x : a.index == 1 ? v.y : v.z) = a.sign;
    return v;
}

CVec3 Cross(const CVec3& a, const CVec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

QString AxisText(const CVec3& v) {
    if (v.x != 0) return v.x > 0 ? QStringLiteral("+X") : QStringLiteral("−X");
    if (v.y != 0) return v.y > 0 ? QStringLiteral("+Y") : QStringLiteral("−Y");
    return v.z > 0 ? QStringLiteral("+Z") : QStringLiteral("−Z");
}

}  // namespace

CMat3 RotationFromAngles(double rxDeg, double ryDeg, double rzDeg) {
    const double a = Radians(rxDeg), b = Radians(ryDeg), c = Radians(rzDeg);
    const CMat3 rx = {{{1, 0, 0}, {0, std::cos(a), -std::sin(a)}, {0, std::sin(a), std::cos(a)}}};
    const CMat3 ry = {{{std::cos(b), 0, std::sin(b)}, {0, 1, 0}, {-std::sin(b), 0, std::cos(b)}}};
    const CMat3 rz = {{{std::cos(c), -std::sin(c), 0}, {std::sin(c), std::cos(c), 0}, {0, 0, 1}}};
    return Multiply(rz, Multiply(ry, rx));
}

std::array<double, 3> AnglesFromRotation(const CMat3& r) {
    const double sb = std::fmax(-1.0, std::fmin(1.0, -r[2][0]));
    const double b = std::asin(sb);
    double a = 0.0, c = 0.0;
    if (std::fabs(r[2][0]) < 1.0 - 1e-12) {
        a = std::atan2(r[2][1], r[2][2]);
        c = std::atan2(r[1][0], r[0][0]);
    } else {
        // RY at ±90°: only RZ ∓ RX is defined; RX is put at 0.
        c = std::atan2(-r[0][1], r[1][1]);
    }
    return {Degrees(a), Degrees(b), Degrees(c)};
}

CMat3 AxisAlignedRotation(int index) {
    if (index < 0 || index >= kAxisAlignedCount) return Identity3();
    const COrientation& o = Orientations()[index];
    const CVec3 x = AxisVector(o.x), z = AxisVector(o.z), y = Cross(z, x);
    return {{{x.x, y.x, z.x}, {x.y, y.y, z.y}, {x.z, y.z, z.z}}};
}

QString AxisAlignedName(int index) {
    const CMat3 r = AxisAlignedRotation(index);
    const CVec3 x{r[0][0], r[1][0], r[2][0]}, y{r[0][1], r[1][1], r[2][1]}, z{r[0][2], r[1][2], r[2][2]};
    return QStringLiteral("X→%1, Y→%2, Z→%3").arg(AxisText(x), AxisText(y), AxisText(z));
}

CVec3 PointToFlange(const CVec3& pointM, const CFlangeFrame& frame) {
    const CVec3 d{pointM.x - frame.originM.x, pointM.y - frame.originM.y, pointM.z - frame.originM.z};
    return Multiply(Transpose(frame.rotation), d);
}

CMassProps ToFlange(const CMassProps& inFile, const CFlangeFrame& frame) {
    CMassProps r;
    r.massKg = inFile.massKg;
    r.comM = PointToFlange(inFile.comM, frame);
    r.inertia = Multiply(Transpose(frame.rotation), Multiply(inFile.inertia, frame.rotation));
    return r;
}

}  // namespace kest::cad
