// The load check: for one mechanism and the four loads stored in it, the payload
// point and its limits, the moment and inertia ratios of the six axes, the
// combined ratios, the mass ratio, the envelope test and the levels.
//
// Every formula, constant and order of operations here is fixed: results must
// reproduce to the last bit what earlier releases computed.
#pragma once

#include "MechRec.h"

namespace kest {

// Constants of the check: g = 9.8 (not 9.80665), pi written as 3.141592 in the
// degree-to-radian factor, and a margin of 0.00001 on every threshold.

// Runs the check on `rec` with its stored loads and keeps the results in it.
void CalculateLoadCheck(MechRec& rec);

// When the largest of the main-axis inertia ratios exceeds 1, divides all three
// by it so that the largest becomes exactly 1 and the others keep their share.
void NormaliseMainInertia(double& qV, double& qH, double& qS);

// Forces non-negative limits: when a limit in mm is below -0.00001 (a negative
// tool mass or allowable torque) both limits become 0 and true is returned.
bool ApplyLimitValidity(MechRec& rec);

// 1 inside the payload envelope, 0 outside (also when the point or a limit is
// not a number), -1 when never calculated.
int EnvelopeResult(const MechRec& rec);

// Percent arrays in axis order S, H, V, R2, B, R1.
void LoadRatiosPercent(const MechRec& rec, double out[6]);
void MomentRatiosPercent(const MechRec& rec, double out[6]);
void InertiaRatiosPercent(const MechRec& rec, double out[6]);

// Levels 0 to 3. A ratio that is not a finite number (NaN from a damaged table,
// +inf or -inf from absurd loads) counts as above every threshold: level 3, and
// overloaded.
int MassLevel(const MechRec& rec);
int MomentLevel(const MechRec& rec);
int InertiaLevel(const MechRec& rec);
bool IsOverloaded(const MechRec& rec);

}  // namespace kest
