// Rigid-body mass properties in SI units: mass (kg), centre of mass (m) and the
// inertia tensor about the centre of mass (kg·m²). The tensor is stored as the
// tensor itself: diagonal Ixx = ∫(y²+z²) dm, products Ixy = −∫x·y dm, so it can
// be rotated and summed as a matrix. Reports that print +∫x·y dm are negated
// on reading.
#pragma once

#include <array>
#include <vector>

#include "KestLoadLibExport.h"

namespace kest::cad {

struct CVec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Row-major 3×3 matrix: m[row][col].
using CMat3 = std::array<std::array<double, 3>, 3>;

struct CMassProps {
    double massKg = 0.0;
    CVec3 comM;       // centre of mass in the frame the properties are given in
    CMat3 inertia{};  // about the centre of mass, axes of that frame (tensor)
};

KESTLOADLIB_API CMat3 Identity3();
KESTLOADLIB_API CMat3 Multiply(const CMat3& a, const CMat3& b);
KESTLOADLIB_API CMat3 Transpose(const CMat3& a);
KESTLOADLIB_API CVec3 Multiply(const CMat3& a, const CVec3& v);

// Sum of rigid bodies: total mass, common centre of mass, and each tensor moved
// to it by the parallel-axis rule (I + m(|d|²E − d·dᵀ)). An empty list or a
// total mass of 0 gives zero mass with the centre at the origin.
KESTLOADLIB_API CMassProps Combine(const std::vector<CMassProps>& parts);

// Uniform scale of a body's density: mass and tensor times `factor`.
KESTLOADLIB_API CMassProps Scaled(const CMassProps& p, double factor);

// The three principal moments (eigenvalues of the symmetric tensor), ascending.
KESTLOADLIB_API std::array<double, 3> PrincipalMoments(const CMat3& inertia);

// The largest product of inertia against the largest diagonal moment
// (0 when the diagonal is 0): max(|Ixy|, |Ixz|, |Iyz|) / max(Ixx, Iyy, Izz).
KESTLOADLIB_API double ProductsRatio(const CMat3& inertia);

// Whether every value is a finite number.
KESTLOADLIB_API bool IsFinite(const CMassProps& p);

}  // namespace kest::cad
