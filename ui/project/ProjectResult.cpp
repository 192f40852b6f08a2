#include "ProjectResult.h"

#include "Strings.h"
#include "Tarn_Kest.h"

const CVerdict& CProjectResult::VerdictOf(int i) const {
    static const CVerdict none;
    const CRobotResult* r = Robot(i);
    return r != nullptr ? r->verdict : none;
}

CProjectResult AnalyseProject(ITarn& engine, const CProject& project, bool showInertia, bool oldData) {
    CProjectResult result;
    result.mechData = MechDataText(engine, oldData);
    // Before the robots: it selects every model of the table in turn.
    result.warnings = CheckLoadPlausibility(project.Loads, LargestRatedPayload(engine));
    for (const QString& name : project.Robots.Names())
        result.robots.append(AnalyseRobot(engine, name, project.Loads, showInertia));
    return result;
}

QString MechDataText(ITarn& engine, bool oldData) {
    char16_t version[64] = {};
    engine.GetMechDataVer(version, 64);
    return kest::LoadKestString(kest::IDS_MECH_DATA_USED)
        .arg(kest::LoadKestString(oldData ? kest::IDS_GEN_OLD : kest::IDS_GEN_CURRENT),
             QString::fromUtf16(version));
}
