// What looks wrong in the loads of a project: values no real load has, most
// often a slip of unit or digit. Warnings only; they never change a verdict.
#pragma once

#include <QString>
#include <QVector>

#include "KestLoadLibExport.h"
#include "ProjectLoads.h"

class ITarn;

// One thing that looks wrong in a load: stable code, which load, and a text in the current language.
struct KESTLOADLIB_API CLoadWarning {
    QString code;  // "inertia-not-physical", "inertia-missing", ... (stable, never translated)
    QString load;  // "tool", "upperArmV", "lowerArmH" or "swivelBaseS" (the JSON names of the four loads)
    QString text;  // in the current language: the load, the numbers involved and what to do
};

// The loads' plausibility problems, tool first then V, H, S; never changes a verdict.
// `largestPayloadKg`: the largest rated payload of the mechanism table in use (0 or less: unknown,
// and the checks that need it are left out). The codes, per load:
//   inertia-not-physical  any load: one inertia above the sum of the other two
//   inertia-missing       tool of 0.1 kg or more with all three inertias 0
//   inertia-too-small     tool: inertias smaller than any body of its mass can have
//   inertia-too-large     any load: a radius of gyration above 1.5 m (kg·cm² typed as kg·m²)
//   inertia-without-mass  any load: an inertia above 0 with a mass of 0
//   mass-above-table      tool: more than twice the largest rated payload (grams typed as kilograms)
//   cog-far               tool beyond 2,000 mm of the flange centre, an additional load beyond
//                         5,000 mm of its axis (a digit too many, or the wrong frame)
//   cog-near-flange       tool of 1 kg or more with its centre of gravity within 2 mm of the
//                         flange centre but not at it (metres typed into the millimetre fields)
// A load with a negative or non-finite value gets none: the analysis refuses it with its reason.
KESTLOADLIB_API QVector<CLoadWarning> CheckLoadPlausibility(const CProjectLoads& loads,
                                                            double largestPayloadKg);

// The largest rated payload (ITarn::GetMaxPayload) over every model of the loaded table; 0 when the
// table is empty. It selects each model in turn and leaves the last one selected: a caller that
// works on a selected model selects it again afterwards.
KESTLOADLIB_API double LargestRatedPayload(ITarn& engine);
