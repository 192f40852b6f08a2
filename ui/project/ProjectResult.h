// The results of a project: the analysis of every compared robot, in the
// list's order, and the mechanism data they were analysed on. The window's
// verdict box, diagram and charts, the report and the command line all show
// this one set.
#pragma once

#include <QString>
#include <QVector>

#include "Analysis.h"
#include "KestLoadLibExport.h"
#include "LoadWarnings.h"
#include "Project.h"

class ITarn;

// The results of one load case: its robots in the list's order and what looks
// wrong in its loads.
struct KESTLOADLIB_API CCaseResult {
    QString name;  // the case's display name
    QVector<CRobotResult> robots;
    QVector<CLoadWarning> warnings;
};

struct KESTLOADLIB_API CProjectResult {
    // Robot i of the project's list in the current load case; a robot without
    // a result has verdict code 0. When the robot fails in another case, its
    // detail says so in a last line ("Fails in another load case: <names>").
    QVector<CRobotResult> robots;
    // The mechanism data the verdicts rest on ("Mechanism data: V40.24.15 and
    // later, version 24 (2026-11-20)"); empty without the engine.
    QString mechData;
    // What looks wrong in the current case's loads (never changes a verdict).
    QVector<CLoadWarning> warnings;
    // Every load case, in the project's order (the current one too); empty
    // when nothing was analysed.
    QVector<CCaseResult> cases;
    int currentCase = 0;

    // Robot i's result, or null when there is none.
    const CRobotResult* Robot(int i) const { return i >= 0 && i < robots.size() ? &robots[i] : nullptr; }
    // Robot i's verdict; without a result, code 0 and no texts.
    const CVerdict& VerdictOf(int i) const;
    // The case whose result for robot i is the worst: a failing one (or one
    // without a verdict) before a passing one, among equals the higher
    // governing percentage, among those the first; -1 without results.
    int WorstCase(int i) const;
    // Whether robot i passes (verdict 1 or 2) in every case.
    bool PassesEveryCase(int i) const;
};

// Every robot of the project's list analysed with the loads of every load
// case (AnalyseRobot), and each case's loads checked for plausibility against
// the loaded table;
// `showInertia` false leaves the inertia out of the verdicts. `oldData` says
// which controller generation's data the engine holds (for `mechData`).
KESTLOADLIB_API CProjectResult AnalyseProject(ITarn& engine, const CProject& project, bool showInertia,
                                              bool oldData);

// The line that names the mechanism data the engine holds.
KESTLOADLIB_API QString MechDataText(ITarn& engine, bool oldData);
