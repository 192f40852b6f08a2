#include "Headroom.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "NumText.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Verdict.h"

namespace {

// The verdict code of the selected robot with `tool` at the flange.
class CProbe {
public:
    CProbe(ITarn& engine, bool showInertia) : m_engine(engine), m_showInertia(showInertia) {}

    int Code(const LoadRec& tool) {
        if (m_engine.SetLoad(LOAD_TOOL, &tool) < 0) return 0;
        m_engine.Calculate();
        return VerdictCode(m_engine.IsInEnvelope(), m_engine.GetMassLevel(), m_engine.GetMomentLevel(),
                           m_engine.GetInertiaLevel(), m_showInertia);
    }

private:
    ITarn& m_engine;
    bool m_showInertia;
};

bool Passing(int code, bool normal) { return normal ? code == 1 : code == 1 || code == 2; }

// The limit between `lo`, which passes, and `hi`, which does not, narrowed to
// `step`: the last value that passed and the first that did not.
template <class Ok>
std::pair<double, double> Bisect(double lo, double hi, double step, Ok ok) {
    while (hi - lo > step) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi) break;  // no double between them
        (ok(mid) ? lo : hi) = mid;
    }
    return {lo, hi};
}

// The limit on a grid of 1/`perUnit` (0.001 kg, 0.01 mm), so that it reads as
// the decimal it is: the largest grid value between `lo`, which passes, and
// `hi`, which does not, that passes; else `lo` rounded down to the grid, when
// that passes and is not below `start`, the value the search started from;
// else `lo` itself.
template <class Ok>
double OnGrid(double lo, double hi, double perUnit, double start, Ok ok) {
    double best = -1.0;
    // Whole numbers divided by a whole number: the double nearest each decimal.
    for (double k = std::ceil(lo * perUnit); k / perUnit < hi && k / perUnit > lo; ++k) {
        if (!ok(k / perUnit)) break;
        best = k / perUnit;
        if (k - std::ceil(lo * perUnit) > 8) break;  // never more than a few steps apart
    }
    if (best >= 0) return best;
    const double down = std::floor(lo * perUnit) / perUnit;
    if (down >= lo || down < start) return lo;
    return ok(down) ? down : lo;
}

// The tool scaled to `mass`: same centre of gravity, inertias in proportion.
LoadRec ToolOfMass(const double d[7], double mass) {
    const double k = d[0] > 0 ? mass / d[0] : 1.0;
    return LoadRec{mass, d[1], d[2], d[3], d[4] * k, d[5] * k, d[6] * k};
}

struct Limit {
    std::optional<double> value;
    double failing = 0.0;  // a value known not to pass
};

Limit MassLimit(CProbe& probe, const double d[7], double maxPayload, bool normal, double below) {
    auto ok = [&](double m) { return Passing(probe.Code(ToolOfMass(d, m)), normal); };
    // Above 110 % of the rated payload the mass alone fails.
    const double hi = std::min(below, 1.1 * maxPayload * (1 + 1e-9) + 1.0);
    double lo = d[0];
    if (lo >= hi || !ok(lo)) {
        // Every ratio grows with the mass: when no tool passes, nothing does.
        if (!ok(0.0)) return {};
        lo = 0.0;
    }
    if (ok(hi)) return {};  // a table whose rated payload is not a number bounds nothing
    const auto [pass, fail] = Bisect(lo, hi, kHeadroomMassStepKg, ok);
    return {OnGrid(pass, fail, 1000, lo, ok), fail};
}

Limit CogLimit(CProbe& probe, const double d[7], double lenB, bool normal, double below) {
    const double dist = std::sqrt(d[1] * d[1] + d[2] * d[2] + d[3] * d[3]);
    const double u[3] = {dist > 0 ? d[1] / dist : 0.0, dist > 0 ? d[2] / dist : 0.0,
                         dist > 0 ? d[3] / dist : 1.0};
    auto at = [&](double t) { return LoadRec{d[0], t * u[0], t * u[1], t * u[2], d[4], d[5], d[6]}; };
    auto ok = [&](double t) { return Passing(probe.Code(at(t)), normal); };
    const double top = std::min(below, kHeadroomCogMaxMm);
    double lo = -1.0;
    if (dist <= top && ok(dist)) {
        lo = dist;
    } else if (ok(0.0)) {
        lo = 0.0;
    } else if (u[2] < 0) {
        // Pointing back towards the wrist, the distance from the B axis first
        // shrinks: the passing interval may lie off the flange. Look for it
        // between the flange and twice the point nearest the B axis.
        const double nearest = -lenB * u[2];
        for (int k = 1; k <= 64 && lo < 0; ++k) {
            const double t = std::min(top, 2 * nearest * k / 64);
            if (ok(t)) lo = t;
        }
    }
    if (lo < 0) return {};
    const double start = lo;
    // Out from the passing point, double the distance until it fails.
    double hi = std::max(2 * lo, 100.0);
    while (hi < top && ok(hi)) {
        lo = hi;
        hi = 2 * hi;
    }
    if (hi >= top) {
        hi = top;
        if (ok(hi)) return {hi, hi};
    }
    const auto [pass, fail] = Bisect(lo, hi, kHeadroomCogStepMm, ok);
    return {OnGrid(pass, fail, 100, start, ok), fail};
}

}  // namespace

CHeadroom FindHeadroom(ITarn& engine, const CPrmLoadSub& tool, bool showInertia) {
    CHeadroom h;
    double d[7];
    tool.ToDisplay(d);
    h.toolMassKg = d[0];
    const double maxPayload = engine.GetMaxPayload();
    double lenB = 0.0;
    engine.GetLenB(&lenB);
    CProbe probe(engine, showInertia);
    const double inf = INFINITY;
    const Limit mass = MassLimit(probe, d, maxPayload, false, inf);
    h.massKg = mass.value;
    // A tool that passes without high load also passes: that limit lies below.
    if (mass.value) h.massNormalKg = MassLimit(probe, d, maxPayload, true, mass.failing).value;
    if (d[0] > 0) {
        const Limit cog = CogLimit(probe, d, lenB, false, inf);
        h.cogMm = cog.value;
        if (cog.value) h.cogNormalMm = CogLimit(probe, d, lenB, true, cog.failing).value;
    }
    // The engine holds the project's tool again.
    probe.Code(LoadRec{d[0], d[1], d[2], d[3], d[4], d[5], d[6]});
    return h;
}

QString HeadroomText(const CHeadroom& h) {
    const double toolMassKg = h.toolMassKg;
    using kest::LoadKestString;
    if (!h.massKg) return LoadKestString(kest::IDS_HEADROOM_NONE);
    // Down to the tenth below: never more than the limit allows, and a
    // reduction never smaller than needed. The difference is first taken to
    // the milligram, so that 6.6 - 4.9 reads 1.7, not 1.6999….
    const double change = std::floor(std::round((*h.massKg - toolMassKg) * 1e6) / 1e5) / 10;
    QString text = (change < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
                   QString::fromStdString(kest::FormatC("%.1f", std::fabs(change))) + QStringLiteral(" kg");
    if (toolMassKg <= 0) return text;
    text += QStringLiteral(" \u00B7 ");
    if (!h.cogMm) return text + LoadKestString(kest::IDS_HEADROOM_NO_COG);
    return text + LoadKestString(kest::IDS_HEADROOM_COG)
                      .arg(QString::fromStdString(
                          kest::FormatC("%.0f", std::floor(std::round(*h.cogMm * 100) / 100))));
}
