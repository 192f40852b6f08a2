// Where the robot's flange sits in a CAD file's coordinates, and the move of
// mass properties from the file's frame into the flange frame.
//
// The orientation is three angles in degrees: the flange axes are the file's
// axes rotated about the fixed X axis by RX, then about the fixed Y axis by
// RY, then about the fixed Z axis by RZ, so R = Rz·Ry·Rx and the columns of R
// are the flange's X, Y and Z axes written in file coordinates. A point p of
// the file is p_F = Rᵀ·(p − origin) in the flange frame; a tensor about the
// centre of mass is I_F = Rᵀ·I·R.
#pragma once

#include <QString>
#include <QStringList>

#include "CadMath.h"
#include "KestLoadLibExport.h"

namespace kest::cad {

struct CFlangeFrame {
    CVec3 originM;                 // flange centre in file coordinates, m
    CMat3 rotation = Identity3();  // columns: flange X, Y, Z in file coordinates
};

// R = Rz(rz)·Ry(ry)·Rx(rx), angles in degrees.
KESTLOADLIB_API CMat3 RotationFromAngles(double rxDeg, double ryDeg, double rzDeg);
// Angles (rx, ry, rz) in degrees that give `r` back through RotationFromAngles;
// ry in [−90, 90].
KESTLOADLIB_API std::array<double, 3> AnglesFromRotation(const CMat3& r);

// The 24 right-handed orientations whose flange axes lie along the file's
// axes. Index 0 is the identity. Each has a name such as "X→+X, Y→+Y, Z→+Z"
// meaning flange X along file +X and so on.
constexpr int kAxisAlignedCount = 24;
KESTLOADLIB_API CMat3 AxisAlignedRotation(int index);
KESTLOADLIB_API QString AxisAlignedName(int index);

// Mass properties given in file coordinates, moved into the flange frame.
KESTLOADLIB_API CMassProps ToFlange(const CMassProps& inFile, const CFlangeFrame& frame);
// A point of the file in the flange frame.
KESTLOADLIB_API CVec3 PointToFlange(const CVec3& pointM, const CFlangeFrame& frame);

}  // namespace kest::cad
