#include "ProjectCheck.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

#include "Tarn_Kest.h"

namespace {

const char* const kAxes[6] = {"S", "H", "V", "R2", "B", "R1"};

QJsonValue Number(double v) { return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null); }

QJsonObject Ratios(const AxisRatios& r) {
    QJsonObject o;
    for (int k = 0; k < 6; ++k) o.insert(QLatin1String(kAxes[k]), Number(r.v[k]));
    return o;
}

QJsonObject Load(const CPrmLoadSub& p) {
    double d[7];
    p.ToDisplay(d);
    const char* const names[7] = {"mass", "x", "y", "z", "ixx", "iyy", "izz"};
    QJsonObject o;
    for (int i = 0; i < 7; ++i) o.insert(QLatin1String(names[i]), Number(d[i]));
    return o;
}

// The governing ratio as a sort key: a ratio that is not a number sorts last.
double SortKey(const CRobotResult& r) {
    if (!r.analysed || std::isnan(r.governing.percent)) return INFINITY;
    return r.governing.percent;
}

}  // namespace

CProjectLoads LoadsOf(const CProjectData& p) {
    return CProjectLoads{p.Tool, p.AddLoadV, p.AddLoadH, p.AddLoadS};
}

QVector<CRobotResult> CheckProject(ITarn& engine, const CProjectData& project) {
    QVector<CRobotResult> results;
    const CProjectLoads loads = LoadsOf(project);
    for (const QString& name : project.MechNames) results.append(AnalyseRobot(engine, name, loads, true));
    return results;
}

QVector<CRobotResult> FitProject(ITarn& engine, const CProjectData& project) {
    QVector<CRobotResult> results;
    const CProjectLoads loads = LoadsOf(project);
    char16_t name[260];
    for (int i = 0; engine.GetMechName(i, name, 260) >= 0; ++i)
        results.append(AnalyseRobot(engine, QString::fromUtf16(name), loads, true));
    std::stable_sort(results.begin(), results.end(),
                     [](const CRobotResult& a, const CRobotResult& b) { return SortKey(a) < SortKey(b); });
    return results;
}

QJsonObject RobotToJson(const CRobotResult& r) {
    QJsonObject o;
    o.insert(QStringLiteral("name"), r.name);
    o.insert(QStringLiteral("inMechanismData"), r.found);
    o.insert(QStringLiteral("analysed"), r.analysed);
    QJsonObject verdict;
    verdict.insert(QStringLiteral("code"), r.verdict.code);
    verdict.insert(QStringLiteral("passes"), Passes(r));
    verdict.insert(QStringLiteral("text"), r.verdict.text);
    verdict.insert(QStringLiteral("detail"), r.verdict.detail);
    o.insert(QStringLiteral("verdict"), verdict);
    if (!r.analysed) return o;
    QJsonObject governing;
    governing.insert(QStringLiteral("axis"), r.governing.axis);
    governing.insert(QStringLiteral("quantity"), r.governing.quantity);
    governing.insert(QStringLiteral("percent"), Number(r.governing.percent));
    governing.insert(QStringLiteral("text"), r.governing.Text());
    o.insert(QStringLiteral("governing"), governing);
    QJsonObject ratios;
    ratios.insert(QStringLiteral("massPercent"), Number(r.massPercent));
    ratios.insert(QStringLiteral("load"), Ratios(r.load));
    ratios.insert(QStringLiteral("moment"), Ratios(r.moment));
    ratios.insert(QStringLiteral("inertia"), Ratios(r.inertia));
    o.insert(QStringLiteral("ratios"), ratios);
    QJsonObject levels;
    levels.insert(QStringLiteral("mass"), r.massLevel);
    levels.insert(QStringLiteral("moment"), r.momentLevel);
    levels.insert(QStringLiteral("inertia"), r.inertiaLevel);
    o.insert(QStringLiteral("levels"), levels);
    QJsonObject envelope;
    envelope.insert(QStringLiteral("inside"), r.inEnvelope == 1);
    envelope.insert(QStringLiteral("payloadR"), Number(r.payloadR));
    envelope.insert(QStringLiteral("payloadZ"), Number(r.payloadZ));
    envelope.insert(QStringLiteral("limitR"), Number(r.limitR));
    envelope.insert(QStringLiteral("limitDist"), Number(r.limitDist));
    o.insert(QStringLiteral("envelope"), envelope);
    o.insert(QStringLiteral("overload"), r.overload == 1);
    return o;
}

QJsonObject LoadsToJson(const CProjectLoads& loads) {
    QJsonObject o;
    o.insert(QStringLiteral("tool"), Load(loads.tool));
    o.insert(QStringLiteral("upperArmV"), Load(loads.v));
    o.insert(QStringLiteral("lowerArmH"), Load(loads.h));
    o.insert(QStringLiteral("swivelBaseS"), Load(loads.s));
    return o;
}
