#include "ProjectResult.h"

#include <algorithm>
#include <cmath>

#include "Strings.h"
#include "Tarn_Kest.h"

const CVerdict& CProjectResult::VerdictOf(int i) const {
    static const CVerdict none;
    const CRobotResult* r = Robot(i);
    return r != nullptr ? r->verdict : none;
}

int CProjectResult::WorstCase(int i) const {
    int worst = -1;
    for (int c = 0; c < cases.size(); ++c) {
        if (i < 0 || i >= cases[c].robots.size()) return -1;
        const CRobotResult& r = cases[c].robots[i];
        if (worst < 0) {
            worst = c;
            continue;
        }
        if (WorseThan(r, cases[worst].robots[i])) worst = c;
    }
    return worst;
}

bool CProjectResult::PassesEveryCase(int i) const {
    if (cases.isEmpty()) return false;
    for (const CCaseResult& c : cases) {
        if (i < 0 || i >= c.robots.size() || !Passes(c.robots[i])) return false;
    }
    return true;
}

CProjectResult AnalyseProject(ITarn& engine, const CProject& project, bool showInertia, bool oldData) {
    CProjectResult result;
    result.mechData = MechDataText(engine, oldData);
    // Before the robots: it selects every model of the table in turn.
    const double largestPayload = LargestRatedPayload(engine);
    const QStringList robots = project.Robots.Names();
    for (int c = 0; c < project.CaseCount(); ++c) {
        CCaseResult cr;
        cr.name = project.CaseDisplayName(c);
        const CProjectLoads& loads = project.CaseLoads(c);
        cr.warnings = CheckLoadPlausibility(loads, largestPayload);
        for (const QString& name : robots) {
            cr.robots.append(AnalyseRobot(engine, name, loads, showInertia));
            cr.robots.back().caseIndex = c;
            cr.robots.back().caseName = project.Cases[c].Name;
        }
        result.cases.append(cr);
    }
    if (result.cases.isEmpty()) return result;
    result.currentCase = std::clamp(project.CurrentCase, 0, static_cast<int>(result.cases.size()) - 1);
    result.robots = result.cases[result.currentCase].robots;
    result.warnings = result.cases[result.currentCase].warnings;
    // A green box never hides a failing case: the current case's detail names
    // the other cases in which the robot fails.
    for (int i = 0; i < result.robots.size(); ++i) {
        QStringList failing;
        for (int c = 0; c < result.cases.size(); ++c) {
            if (c != result.currentCase && !Passes(result.cases[c].robots[i]))
                failing << result.cases[c].name;
        }
        if (!failing.isEmpty()) {
            result.robots[i].verdict.detail +=
                QStringLiteral("\r\n   ") +
                kest::LoadKestString(kest::IDS_FAILS_IN_OTHER_CASE).arg(failing.join(QStringLiteral(", ")));
        }
    }
    return result;
}

QString MechDataText(ITarn& engine, bool oldData) {
    char16_t version[64] = {};
    engine.GetMechDataVer(version, 64);
    return kest::LoadKestString(kest::IDS_MECH_DATA_USED)
        .arg(kest::LoadKestString(oldData ? kest::IDS_GEN_OLD : kest::IDS_GEN_CURRENT),
             QString::fromUtf16(version));
}
