// The analysis of one robot of the comparison list: the four loads into the
// engine, the check, and everything the window, the report and the command
// line show of it. The one place where an analysis is done.
#pragma once

#include <QString>

#include "Headroom.h"
#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"
#include "ProjectLoads.h"
#include "Tarn_Kest.h"
#include "Verdict.h"

// The ratio that comes closest to (or goes furthest beyond) its limit.
struct KESTLOADLIB_API CGoverningLimit {
    QString axis;      // "Tool" for the mass, else S, H, V, R2/B or R1
    QString quantity;  // "mass", "moment" or "inertia"
    double percent = 0.0;
    bool valid = false;  // false: nothing was analysed
    // "B moment 112.4 %" (a ratio that is not a number reads "not a number", an
    // infinite one "infinite" or "minus infinite").
    QString Text() const;
};

struct KESTLOADLIB_API CRobotResult {
    QString name;
    bool found = false;     // the mechanism is in the loaded data
    bool analysed = false;  // found, and the engine took all four loads
    QString refusal;        // why loads were not analysed ("Tool Mass is negative"), else empty
    // Payload diagram, mm: the tool's point and its two limits.
    double payloadR = 0.0, payloadZ = 0.0, limitR = 0.0, limitDist = 0.0;
    double massPercent = 0.0;                // tool mass of the rated payload
    AxisRatios load{}, moment{}, inertia{};  // percent, axis order S, H, V, R2, B, R1
    int massLevel = 0, momentLevel = 0, inertiaLevel = 0;
    int inEnvelope = 0, overload = 0;
    bool inertiaChecked = true;
    CVerdict verdict;  // code 0 with the "no data" texts when not analysed
    CGoverningLimit governing;
    CHeadroom headroom;  // empty when not analysed
    int caseIndex = 0;   // the load case analysed (0-based) and its name as stored (may be empty)
    QString caseName;
};

// Passing: verdict code 1 or 2 (a robot not in the data does not pass).
inline bool Passes(const CRobotResult& r) {
    return r.analysed && (r.verdict.code == 1 || r.verdict.code == 2);
}

// Whether `a` is a worse result than `b`: failing (or without a verdict)
// against passing, else a higher governing percentage (one that is not a
// finite number counts as the highest).
KESTLOADLIB_API bool WorseThan(const CRobotResult& a, const CRobotResult& b);

// The first negative mass or inertia of the four loads as "Tool Mass is
// negative"; empty text when every one is 0 or more.
KESTLOADLIB_API QString NegativeLoadsProblem(const CProjectLoads& loads);

// Analyses the robot `name` with the loads, and searches its headroom. Negative
// masses or inertias give no verdict (code 0) with the reason as its text.
// `showInertia` false leaves the inertia out of the verdict, the governing
// limit and the headroom, and says so. The detail's last two lines name the
// governing limit and the headroom.
KESTLOADLIB_API CRobotResult AnalyseRobot(ITarn& engine, const QString& name, const CProjectLoads& loads,
                                          bool showInertia);

// The highest of the mass, moment and (when checked) inertia ratios; the first
// in that order wins a tie, and a ratio that is not a finite number (NaN, +inf
// or -inf) wins over all.
KESTLOADLIB_API CGoverningLimit GoverningLimit(double massPercent, const AxisRatios& moment,
                                               const AxisRatios& inertia, bool inertiaChecked);
