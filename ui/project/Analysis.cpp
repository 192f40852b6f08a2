#include "Analysis.h"

#include <cmath>

#include "LoadLimits.h"
#include "NumText.h"
#include "Strings.h"

namespace {

// R2 and B share one allowable moment and inertia, so one ratio: "R2/B".
const char* const kAxes[6] = {"S", "H", "V", "R2/B", "R2/B", "R1"};

}  // namespace

QString CGoverningLimit::Text() const {
    if (!valid) return QString();
    const QString value = std::isnan(percent) ? QStringLiteral("not a number")
                          : std::isinf(percent)
                              ? (percent > 0 ? QStringLiteral("infinite") : QStringLiteral("minus infinite"))
                              : QString::fromStdString(kest::FormatC("%.1f", percent)) + QStringLiteral(" %");
    return axis + QLatin1Char(' ') + quantity + QLatin1Char(' ') + value;
}

CGoverningLimit GoverningLimit(double massPercent, const AxisRatios& moment, const AxisRatios& inertia,
                               bool inertiaChecked) {
    CGoverningLimit g;
    g.valid = true;
    g.axis = QStringLiteral("Tool");
    g.quantity = QStringLiteral("mass");
    g.percent = massPercent;
    auto consider = [&g](const char* axis, const char* quantity, double v) {
        // Nothing governs more than a ratio that is not a finite number.
        if (!std::isfinite(g.percent)) return;
        if (!std::isfinite(v) || v > g.percent) {
            g.axis = QString::fromLatin1(axis);
            g.quantity = QString::fromLatin1(quantity);
            g.percent = v;
        }
    };
    // S carries no moment; B repeats R2.
    for (int k = 1; k < 6; ++k) {
        if (k != 4) consider(kAxes[k], "moment", moment.v[k]);
    }
    if (inertiaChecked) {
        for (int k = 0; k < 6; ++k) {
            if (k != 4) consider(kAxes[k], "inertia", inertia.v[k]);
        }
    }
    return g;
}

bool WorseThan(const CRobotResult& a, const CRobotResult& b) {
    if (Passes(a) != Passes(b)) return !Passes(a);
    // A governing ratio that is not a number counts as the highest.
    auto severity = [](const CRobotResult& r) {
        return r.analysed && std::isfinite(r.governing.percent) ? r.governing.percent : INFINITY;
    };
    return severity(a) > severity(b);
}

QString NegativeLoadsProblem(const CProjectLoads& loads) {
    const CPrmLoadSub* pages[4] = {&loads.tool, &loads.v, &loads.h, &loads.s};
    const char* const axes[4] = {nullptr, " V", " H", " S"};
    for (int i = 0; i < 4; ++i) {
        const QString name = i == 0 ? QStringLiteral("Tool")
                                    : kest::LoadKestString(kest::IDS_ADDLOAD) + QString::fromLatin1(axes[i]);
        const QString problem = NegativeLoadProblem(*pages[i], name);
        if (!problem.isEmpty()) return problem;
    }
    return QString();
}

CRobotResult AnalyseRobot(ITarn& engine, const QString& name, const CProjectLoads& loads, bool showInertia) {
    CRobotResult r;
    r.name = name;
    r.inertiaChecked = showInertia;
    const std::u16string mech = name.toStdU16String();
    r.found = engine.SelectMech(mech.c_str()) >= 0;
    if (!r.found) {
        // Not in the mechanism data of the selected controller generation.
        r.verdict.text = kest::LoadKestString(kest::IDS_NO_MECH_DATA);
        r.verdict.detail = QStringLiteral("   ") + kest::LoadKestString(kest::IDS_NOT_IN_MECH_DATA);
        return r;
    }
    // A negative mass or inertia is no load: no verdict, the reason instead.
    r.refusal = NegativeLoadsProblem(loads);
    if (!r.refusal.isEmpty()) {
        r.verdict.text = r.refusal;
        r.verdict.detail = QStringLiteral("   ") + r.refusal;
        return r;
    }
    // The engine numbers the additional loads in the reverse order of the pages.
    const CPrmLoadSub* byKind[4] = {&loads.tool, &loads.s, &loads.h, &loads.v};
    for (int kind = 0; kind < 4; ++kind) {
        double d[7];
        byKind[kind]->ToDisplay(d);
        const LoadRec rec{d[0], d[1], d[2], d[3], d[4], d[5], d[6]};
        // A load the engine refuses gives no result rather than one for another load.
        if (engine.SetLoad(kind, &rec) < 0) return r;
    }
    engine.Calculate();
    r.analysed = true;
    r.payloadR = engine.GetPayloadR();
    r.payloadZ = engine.GetPayloadZ();
    r.limitR = engine.GetLimitR();
    r.limitDist = engine.GetLimitDist();
    engine.GetLoadRatios(&r.load);
    engine.GetMomentRatios(&r.moment);
    engine.GetInertiaRatios(&r.inertia);
    r.massPercent = loads.tool.Mass / engine.GetMaxPayload() * 100;
    r.massLevel = engine.GetMassLevel();
    r.momentLevel = engine.GetMomentLevel();
    r.inertiaLevel = engine.GetInertiaLevel();
    r.inEnvelope = engine.IsInEnvelope();
    r.overload = engine.IsOverload();
    r.verdict = BuildVerdict(r.inEnvelope, r.massLevel, r.momentLevel, r.inertiaLevel, showInertia);
    r.governing = GoverningLimit(r.massPercent, r.moment, r.inertia, showInertia);
    // The last detail line names the governing limit; with inertia hidden it
    // says that inertia was not checked, so hiding it never reads as a pass.
    r.verdict.detail += QStringLiteral("\r\n   ") + kest::LoadKestString(kest::IDS_GOVERNING) +
                        QStringLiteral("\t  :  ") + r.governing.Text();
    if (!showInertia)
        r.verdict.detail +=
            QStringLiteral(" (") + kest::LoadKestString(kest::IDS_INERTIA_NOT_CHECKED) + QLatin1Char(')');
    r.headroom = FindHeadroom(engine, loads.tool, showInertia);
    r.verdict.detail += QStringLiteral("\r\n   ") + kest::LoadKestString(kest::IDS_HEADROOM) +
                        QStringLiteral("\t  :  ") + HeadroomText(r.headroom);
    return r;
}
