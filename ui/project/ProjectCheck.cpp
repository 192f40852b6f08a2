#include "ProjectCheck.h"

#include <QJsonArray>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "Tarn_Kest.h"
#include "Verdict.h"

namespace {

const char* const kAxes[6] = {"S", "H", "V", "R2", "B", "R1"};

QJsonValue Number(double v) { return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null); }

// A number the engine computed in single precision: the shortest text that
// reads back to the same float (510, not 510.0000029802323). A value beyond
// the float range keeps its double.
QJsonValue EngineNumber(double v) {
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) return Number(v);
    // to_chars and from_chars never look at the process locale (a decimal comma).
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<float>(v));
    double shortest = v;
    std::from_chars(text, end.ptr, shortest);
    return QJsonValue(shortest);
}

// An engine number under `key`; one that is not finite is null, and
// `<key>Text` says which it is: "nan", "inf" or "-inf".
void PutNumber(QJsonObject& o, const QString& key, double v) {
    o.insert(key, EngineNumber(v));
    if (std::isfinite(v)) return;
    const QString text = std::isnan(v) ? QStringLiteral("nan")
                         : v > 0       ? QStringLiteral("inf")
                                       : QStringLiteral("-inf");
    o.insert(key + QStringLiteral("Text"), text);
}

QJsonObject Ratios(const AxisRatios& r) {
    QJsonObject o;
    for (int k = 0; k < 6; ++k) PutNumber(o, QLatin1String(kAxes[k]), r.v[k]);
    return o;
}

// The detail lines as data: quantity, level and the word the detail shows.
QJsonArray Details(const CRobotResult& r) {
    QJsonArray details;
    if (!r.analysed) return details;
    const char* const quantities[3] = {"mass", "moment", "inertia"};
    const int levels[3] = {r.massLevel, r.momentLevel, r.inertiaLevel};
    for (int q = 0; q < (r.inertiaChecked ? 3 : 2); ++q) {
        QJsonObject line;
        line.insert(QStringLiteral("quantity"), QLatin1String(quantities[q]));
        line.insert(QStringLiteral("level"), levels[q]);
        line.insert(QStringLiteral("word"), DetailWord(q, levels[q]));
        details.append(line);
    }
    return details;
}

QJsonObject Load(const CPrmLoadSub& p) {
    double d[7];
    p.ToDisplay(d);
    const char* const names[7] = {"mass", "x", "y", "z", "ixx", "iyy", "izz"};
    QJsonObject o;
    for (int i = 0; i < 7; ++i) PutNumber(o, QLatin1String(names[i]), d[i]);
    return o;
}

QJsonValue Optional(const std::optional<double>& v) { return v ? Number(*v) : QJsonValue(QJsonValue::Null); }

QJsonObject Headroom(const CHeadroom& h) {
    QJsonObject o;
    o.insert(QStringLiteral("massKg"), Optional(h.massKg));
    o.insert(QStringLiteral("massNormalKg"), Optional(h.massNormalKg));
    o.insert(QStringLiteral("cogMm"), Optional(h.cogMm));
    o.insert(QStringLiteral("cogNormalMm"), Optional(h.cogNormalMm));
    return o;
}

// The governing ratio as a sort key: a ratio that is not a number sorts last.
double SortKey(const CRobotResult& r) {
    if (!r.analysed || !std::isfinite(r.governing.percent)) return INFINITY;
    return r.governing.percent;
}

// The smaller of two limits; none when either case has none.
std::optional<double> Smaller(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b) return std::nullopt;
    return std::min(*a, *b);
}

}  // namespace

QVector<CRobotResult> FitProject(ITarn& engine, const CProject& project) {
    QVector<CRobotResult> results;
    char16_t name[260];
    for (int i = 0; engine.GetMechName(i, name, 260) >= 0; ++i) {
        // The model's worst case stands for it; its headroom is the smallest
        // over the cases, so that it holds in every one.
        CRobotResult worst;
        CHeadroom least;
        for (int c = 0; c < project.CaseCount(); ++c) {
            CRobotResult r = AnalyseRobot(engine, QString::fromUtf16(name), project.CaseLoads(c), true);
            r.caseIndex = c;
            r.caseName = project.Cases[c].Name;
            if (c == 0) {
                least = r.headroom;
            } else {
                least.massKg = Smaller(least.massKg, r.headroom.massKg);
                least.massNormalKg = Smaller(least.massNormalKg, r.headroom.massNormalKg);
                least.cogMm = Smaller(least.cogMm, r.headroom.cogMm);
                least.cogNormalMm = Smaller(least.cogNormalMm, r.headroom.cogNormalMm);
            }
            if (c == 0 || WorseThan(r, worst)) worst = r;
        }
        if (project.CaseCount() > 1) worst.headroom = least;
        results.append(worst);
    }
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
    verdict.insert(QStringLiteral("details"), Details(r));
    o.insert(QStringLiteral("verdict"), verdict);
    if (!r.refusal.isEmpty()) o.insert(QStringLiteral("noVerdict"), r.refusal);
    o.insert(QStringLiteral("headroom"), Headroom(r.headroom));
    o.insert(QStringLiteral("case"), r.caseName);
    o.insert(QStringLiteral("caseIndex"), r.caseIndex);
    if (!r.analysed) return o;
    QJsonObject governing;
    governing.insert(QStringLiteral("axis"), r.governing.axis);
    governing.insert(QStringLiteral("quantity"), r.governing.quantity);
    PutNumber(governing, QStringLiteral("percent"), r.governing.percent);
    governing.insert(QStringLiteral("text"), r.governing.Text());
    o.insert(QStringLiteral("governing"), governing);
    QJsonObject ratios;
    PutNumber(ratios, QStringLiteral("massPercent"), r.massPercent);
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
    PutNumber(envelope, QStringLiteral("payloadR"), r.payloadR);
    PutNumber(envelope, QStringLiteral("payloadZ"), r.payloadZ);
    PutNumber(envelope, QStringLiteral("limitR"), r.limitR);
    PutNumber(envelope, QStringLiteral("limitDist"), r.limitDist);
    o.insert(QStringLiteral("envelope"), envelope);
    o.insert(QStringLiteral("overload"), r.overload == 1);
    return o;
}

QJsonArray WarningsToJson(const QStringList& readWarnings, const QVector<CLoadWarning>& loadWarnings) {
    QJsonArray list;
    auto add = [&list](const QString& code, const QJsonValue& load, const QString& text) {
        QJsonObject o;
        o.insert(QStringLiteral("code"), code);
        o.insert(QStringLiteral("load"), load);
        o.insert(QStringLiteral("text"), text);
        list.append(o);
    };
    for (const QString& w : readWarnings)
        add(QStringLiteral("number-read-in-part"), QJsonValue(QJsonValue::Null), w);
    for (const CLoadWarning& w : loadWarnings) add(w.code, w.load, w.text);
    return list;
}

QJsonObject LoadsToJson(const CProjectLoads& loads) {
    QJsonObject o;
    o.insert(QStringLiteral("tool"), Load(loads.tool));
    o.insert(QStringLiteral("upperArmV"), Load(loads.v));
    o.insert(QStringLiteral("lowerArmH"), Load(loads.h));
    o.insert(QStringLiteral("swivelBaseS"), Load(loads.s));
    return o;
}
