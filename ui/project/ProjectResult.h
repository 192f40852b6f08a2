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

struct KESTLOADLIB_API CProjectResult {
    // Robot i of the project's list; a robot without a result has verdict code 0.
    QVector<CRobotResult> robots;
    // The mechanism data the verdicts rest on ("Mechanism data: V40.24.15 and
    // later, version 24 (2026-11-20)"); empty without the engine.
    QString mechData;
    // What looks wrong in the project's loads (never changes a verdict).
    QVector<CLoadWarning> warnings;

    // Robot i's result, or null when there is none.
    const CRobotResult* Robot(int i) const { return i >= 0 && i < robots.size() ? &robots[i] : nullptr; }
    // Robot i's verdict; without a result, code 0 and no texts.
    const CVerdict& VerdictOf(int i) const;
};

// Every robot of the project's list analysed with its loads (AnalyseRobot),
// and the loads' plausibility checked against the loaded table;
// `showInertia` false leaves the inertia out of the verdicts. `oldData` says
// which controller generation's data the engine holds (for `mechData`).
KESTLOADLIB_API CProjectResult AnalyseProject(ITarn& engine, const CProject& project, bool showInertia,
                                              bool oldData);

// The line that names the mechanism data the engine holds.
KESTLOADLIB_API QString MechDataText(ITarn& engine, bool oldData);
