// How much more a robot carries: the largest tool mass at the tool's centre of
// gravity, and the farthest centre of gravity at the tool's mass, for which
// the robot still passes, and the same for a pass without high load. Found on
// the engine by bisection: every ratio the verdict rests on grows with the
// tool's mass, and along a ray from the flange a ratio is convex, so the
// passing loads form one interval.
#pragma once

#include <QString>
#include <optional>

#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

class ITarn;

struct KESTLOADLIB_API CHeadroom {
    double toolMassKg = 0.0;  // the tool's mass the limits were searched at
    // Largest tool mass, kg, that passes (verdict 1 or 2) and that passes
    // without high load (verdict 1); the centre of gravity and the arm loads
    // stay, the inertias grow in proportion to the mass (the same tool,
    // heavier; a tool of 0 kg keeps its inertias). Empty when no mass passes.
    std::optional<double> massKg, massNormalKg;
    // Largest distance, mm, of the tool's centre of gravity from the flange
    // centre along its present direction (+Z when it sits at the centre) at the
    // tool's mass and inertias. Empty when no distance passes or the tool has
    // no mass.
    std::optional<double> cogMm, cogNormalMm;
};

// Accuracy of the search: every reported value passes when checked again,
// and the true limit lies less than this above it.
constexpr double kHeadroomMassStepKg = 0.002;
constexpr double kHeadroomCogStepMm = 0.02;
// The farthest centre of gravity searched, mm: the largest position a project
// file holds.
constexpr double kHeadroomCogMaxMm = 100000.0;

// Searches the headroom of the robot the engine has selected, whose four loads
// (the tool being `tool`) the engine holds. `showInertia` false leaves the
// inertia out of the verdict, as the analysis does. The engine holds `tool`
// again, calculated, when this returns.
KESTLOADLIB_API CHeadroom FindHeadroom(ITarn& engine, const CPrmLoadSub& tool, bool showInertia);

// The headroom as the verdict box shows it, in the current language: "+3.2 kg · CoG ≤ 245 mm", or for a
// failing robot the reduction needed, "−4.1 kg · CoG ≤ 180 mm". Rounded to the safe side: the mass and the
// distance shown never exceed the limits.
KESTLOADLIB_API QString HeadroomText(const CHeadroom& h);
