#include "CadMath.h"

#include <algorithm>
#include <cmath>

namespace kest::cad {

CMat3 Identity3() {
    CMat3 m{};
    for (int i = 0; i < 3; ++i) m[i][i] = 1.0;
    return m;
}

CMat3 Multiply(const CMat3& a, const CMat3& b) {
    CMat3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) r[i][j] += a[i][k] * b[k][j];
    return r;
}

CMat3 Transpose(const CMat3& a) {
    CMat3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i][j] = a[j][i];
    return r;
}

CVec3 Multiply(const CMat3& a, const CVec3& v) {
    return {a[0][0] * v.x + a[0][1] * v.y + a[0][2] * v.z, a[1][0] * v.x + a[1][1] * v.y + a[1][2] * v.z,
            a[2][0] * v.x + a[2][1] * v.y + a[2][2] * v.z};
}

CMassProps Combine(const std::vector<CMassProps>& parts) {
    CMassProps sum;
    for (const CMassProps& p : parts) sum.massKg += p.massKg;
    if (sum.massKg == 0.0) return CMassProps{};
    for (const CMassProps& p : parts) {
        sum.comM.x += p.massKg * p.comM.x;
        sum.comM.y += p.massKg * p.comM.y;
        sum.comM.z += p.massKg * p.comM.z;
    }
    sum.comM = {sum.comM.x / sum.massKg, sum.comM.y / sum.massKg, sum.comM.z / sum.massKg};
    for (const CMassProps& p : parts) {
        const double d[3] = {p.comM.x - sum.comM.x, p.comM.y - sum.comM.y, p.comM.z - sum.comM.z};
        const double d2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                sum.inertia[i][j] += p.inertia[i][j] + p.massKg * ((i == j ? d2 : 0.0) - d[i] * d[j]);
    }
    return sum;
}

CMassProps Scaled(const CMassProps& p, double factor) {
    CMassProps r = p;
    r.massKg *= factor;
    for (auto& row : r.inertia)
        for (double& v : row) v *= factor;
    return r;
}

std::array<double, 3> PrincipalMoments(const CMat3& inertia) {
    // Cyclic Jacobi rotations: exact to rounding for a symmetric 3×3 matrix and
    // free of the cancellation of the closed-form cubic when moments are close.
    CMat3 a = inertia;
    for (int sweep = 0; sweep < 64; ++sweep) {
        const double off = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
        const double diag = a[0][0] * a[0][0] + a[1][1] * a[1][1] + a[2][2] * a[2][2];
        if (off <= 1e-32 * diag || off == 0.0) break;
        for (int p = 0; p < 2; ++p) {
            for (int q = p + 1; q < 3; ++q) {
                if (a[p][q] == 0.0) continue;
                const double theta = (a[q][q] - a[p][p]) / (2.0 * a[p][q]);
                const double t =
                    (theta >= 0 ? 1.0 : -1.0) / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
                const double c = 1.0 / std::sqrt(t * t + 1.0);
                const double s = t * c;
                CMat3 j = Identity3();
                j[p][p] = c;
                j[q][q] = c;
                j[p][q] = s;
                j[q][p] = -s;
                a = Multiply(Transpose(j), Multiply(a, j));
                a[p][q] = a[q][p] = 0.0;
            }
        }
    }
    std::array<double, 3> m = {a[0][0], a[1][1], a[2][2]};
    std::sort(m.begin(), m.end());
    return m;
}

double ProductsRatio(const CMat3& inertia) {
    const double largest = std::max({inertia[0][0], inertia[1][1], inertia[2][2]});
    if (!(largest > 0.0)) return 0.0;
    const double product =
        std::max({std::fabs(inertia[0][1]), std::fabs(inertia[0][2]), std::fabs(inertia[1][2])});
    return product / largest;
}

bool IsFinite(const CMassProps& p) {
    if (!std::isfinite(p.massKg) || !std::isfinite(p.comM.x) || !std::isfinite(p.comM.y) ||
        !std::isfinite(p.comM.z))
        return false;
    for (const auto& row : p.inertia)
        for (double v : row)
            if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace kest::cad
