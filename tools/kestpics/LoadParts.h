// The drawings of the predefined-load kinds, shared by LoadPicture.cpp and the
// three files that draw welding, handling and arm equipment.
#pragma once

#include <QTransform>

#include "PredefLoadList.h"
#include "Sketch.h"

// One load being drawn. World units are millimetres. Tool loads are drawn in
// the flange frame with the flange face at z = 0, x to the right and z (the
// flange axis) downwards; arm loads in side view of their axis, x to the right
// and z upwards (world y = -z).
struct LoadCanvas {
    explicit LoadCanvas(const PredefLoadInfo& l);

    const PredefLoadInfo& load;
    PictureStyle st;
    CSketch back;    // surroundings behind the part: arm, feeder on the arm
    CSketch part;    // the part itself
    CSketch over;    // surroundings in front of the part: the flange on top of it
    double a, b, c;  // edges of the uniform box with the load's mass and inertias, mm (x, y, z)

    // Where the centre of gravity lies in world units for the load's one mount;
    // false when the load names no mount or several.
    bool Cog(QPointF& at) const;
    // The integer in the name right before suffix ("8Cup" -> 8), or fallback.
    double NameNumber(const QString& suffix, double fallback) const;
    // The integer in the name right after prefix ("Stroke30" -> 30), or fallback.
    double NameNumberAfter(const QString& prefix, double fallback) const;
    bool NameHas(const QString& token) const;

    // Robot flange of radius r whose face lies at z = face, with a piece of
    // the wrist behind it.
    void Flange(double r, double face = 0);
    double FlangeRadius() const;
    // The upper arm from the V axis at the origin along +x up to x1; its top
    // surface lies at world y = -ArmHalf().
    void JointMark(double h);
    void UpperArm(double x1);
    // The lower arm from the H axis at the origin upwards to world y = y1 (< 0).
    void LowerArm(double y1);
    // The robot's base and swivel housing around the S axis at x = 0.
    void SwivelBase();
    static double ArmHalf() { return 80.0; }
};

// Draw the part and the surroundings it needs into the canvas.
void DrawSpotGun(LoadCanvas& cv);
void DrawArcTorch(LoadCanvas& cv);
void DrawWireFeeder(LoadCanvas& cv);
void DrawVacuumGripper(LoadCanvas& cv);
void DrawParallelGripper(LoadCanvas& cv);
void DrawToolChanger(LoadCanvas& cv);
void DrawForceSensor(LoadCanvas& cv);
void DrawValvePack(LoadCanvas& cv);
void DrawDressPack(LoadCanvas& cv);
void DrawCableCarrier(LoadCanvas& cv);
void DrawAxisDrive(LoadCanvas& cv);
