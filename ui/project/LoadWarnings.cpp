#include "LoadWarnings.h"

#include <cmath>

#include "NumText.h"
#include "Strings.h"
#include "Tarn_Kest.h"

namespace {

// Typed inertias carry three or four significant digits and project files keep
// four decimals, so each value may be off by 0.5 % and by 0.00005 kg·m². A
// thin rod or a flat plate sits exactly on the triangle rule, so the rule
// allows 2 % of the other two plus 0.0002 kg·m² (twice the worst rounding of
// three values); a slip of unit or digit is off by a factor of ten or more.
constexpr double kTriangleRelTol = 0.02;
constexpr double kInertiaRoundingKgM2 = 0.0002;
// Below 0.1 kg a tool's inertia hardly loads the wrist, so a point mass is
// close enough and the inertias are not asked for.
constexpr double kInertiaFromMassKg = 0.1;
// No metal is denser than osmium (22,590 kg/m³). Of all bodies of a mass m no
// more dense than that, a solid ball of it has the least sum of the three
// inertias about its centre of gravity: 1.2·m·R², R its radius.
constexpr double kDensestKgM3 = 22600.0;
constexpr double kPi = 3.14159265358979323846;
// A radius of gyration of 1.5 m is a uniform bar 5.2 m long; even a gripper
// frame 3 m by 2.5 m (larger than layer or body-framing grippers) has 1.13 m
// about its normal. Inertias typed in kg·cm² as kg·m² are 10,000 times too
// large and give a hundred times the radius.
constexpr double kMaxGyrationM = 1.5;
// A tool above 110 % of its robot's rated payload fails the mass check; one of
// twice the largest rated payload of the table fits no robot of it by far, while
// grams typed as kilograms give a thousand times the mass.
constexpr double kPayloadFactor = 2.0;
// The longest real tools (layer grippers, spot guns with long arms, laser
// lances) keep their centre of gravity within about 1 m of the flange; at 2 m
// the wrist of the largest robot of the table carries a third of its rated
// payload.
constexpr double kToolCogFarMm = 2000.0;
// An additional load sits on an arm or the swivel base: nothing of it lies
// 5 m from its axis when the longest robot reaches 3.1 m.
constexpr double kAddLoadCogFarMm = 5000.0;
// A body of a kilogram or more on the flange reaches out farther than 2 mm
// (a 1 kg steel disc 4 mm thick is 200 mm across, with its centre of gravity
// 2 mm out); a tool 0.1 to 2 m long typed in metres lands within 2 mm.
constexpr double kNearFlangeFromMassKg = 1.0;
constexpr double kNearFlangeMm = 2.0;

const char* const kInertiaNames[3] = {"Ixx", "Iyy", "Izz"};

QString Num(double v) {
    return QString::fromStdString(kest::FormatC(std::fabs(v) >= 10000.0 ? "%.0f" : "%.4g", v));
}

// Whether every value can be checked: a negative mass or inertia is refused by
// the analysis with its own reason, and a value that is not finite is no load.
bool Checkable(const CPrmLoadSub& l) {
    for (double v : {l.Mass, l.Lx, l.Ly, l.Lz, l.Ixx, l.Iyy, l.Izz})
        if (!std::isfinite(v)) return false;
    return l.Mass >= 0 && l.Ixx >= 0 && l.Iyy >= 0 && l.Izz >= 0;
}

// The inertia (0 to 2) above the sum of the other two beyond rounding, or -1.
int BrokenTriangle(const double I[3]) {
    for (int i = 0; i < 3; ++i) {
        const double others = I[(i + 1) % 3] + I[(i + 2) % 3];
        if (I[i] > others * (1.0 + kTriangleRelTol) + kInertiaRoundingKgM2) return i;
    }
    return -1;
}

// The least sum Ixx + Iyy + Izz a body of `massKg` can have (a ball of osmium).
double LeastInertiaSum(double massKg) {
    const double radius = std::cbrt(3.0 * massKg / (4.0 * kPi * kDensestKgM3));
    return 1.2 * massKg * radius * radius;
}

class CChecker {
public:
    CChecker(QVector<CLoadWarning>& out, const char* load, const QString& name)
        : m_out(out), m_load(load), m_name(name) {}
    // The text of string `id` with the load's name as %1 and `args` as %2 on,
    // filled in one pass.
    template <typename... Args>
    void Add(const char* code, int id, const Args&... args) {
        const QString text = kest::LoadKestString(id).arg(m_name, args...);
        m_out.append(CLoadWarning{QString::fromLatin1(code), QString::fromLatin1(m_load), text});
    }

private:
    QVector<CLoadWarning>& m_out;
    const char* m_load;
    QString m_name;
};

void CheckLoad(const CPrmLoadSub& l, bool tool, double largestPayloadKg, CChecker& c) {
    const double I[3] = {l.Ixx, l.Iyy, l.Izz};
    const bool anyInertia = l.Ixx > 0 || l.Iyy > 0 || l.Izz > 0;
    const double largest = std::fmax(l.Ixx, std::fmax(l.Iyy, l.Izz));
    const int largestAxis = largest == l.Ixx ? 0 : largest == l.Iyy ? 1 : 2;
    // The engine reads only some inertias of an additional load (V: Iyy and
    // Izz, H: Iyy, S: Izz), and a 0 beside them means "not given"; with one of
    // three unknown no value breaks the rule, so only three given ones are checked.
    const bool triangleApplies = tool ? anyInertia : l.Ixx > 0 && l.Iyy > 0 && l.Izz > 0;
    const int broken = triangleApplies ? BrokenTriangle(I) : -1;
    if (broken >= 0)
        c.Add("inertia-not-physical", kest::IDS_LW_INERTIA_NOT_PHYSICAL, Num(l.Ixx), Num(l.Iyy), Num(l.Izz),
              QString::fromLatin1(kInertiaNames[broken]));
    if (tool && l.Mass >= kInertiaFromMassKg && !anyInertia)
        c.Add("inertia-missing", kest::IDS_LW_INERTIA_MISSING, Num(l.Mass));
    // Only the tool: an additional load may leave the inertias the engine does
    // not read at 0, which lowers their sum.
    if (tool && l.Mass >= kInertiaFromMassKg && anyInertia) {
        const double sum = l.Ixx + l.Iyy + l.Izz, least = LeastInertiaSum(l.Mass);
        if (sum + kInertiaRoundingKgM2 < least)
            c.Add("inertia-too-small", kest::IDS_LW_INERTIA_TOO_SMALL, Num(l.Ixx), Num(l.Iyy), Num(l.Izz),
                  Num(l.Mass), Num(least), Num(sum));
    }
    if (l.Mass > 0 && largest > l.Mass * kMaxGyrationM * kMaxGyrationM)
        c.Add("inertia-too-large", kest::IDS_LW_INERTIA_TOO_LARGE,
              QString::fromLatin1(kInertiaNames[largestAxis]), Num(largest), Num(l.Mass),
              Num(std::sqrt(largest / l.Mass)), Num(kMaxGyrationM));
    if (l.Mass == 0 && anyInertia)
        c.Add("inertia-without-mass", kest::IDS_LW_INERTIA_WITHOUT_MASS, Num(largest));
    if (tool && largestPayloadKg > 0 && l.Mass > kPayloadFactor * largestPayloadKg)
        c.Add("mass-above-table", kest::IDS_LW_MASS_ABOVE_TABLE, Num(l.Mass), Num(largestPayloadKg));
    const double cogMm = std::sqrt(l.Lx * l.Lx + l.Ly * l.Ly + l.Lz * l.Lz) * 1000.0;
    const double farMm = tool ? kToolCogFarMm : kAddLoadCogFarMm;
    if (l.Mass > 0 && cogMm > farMm)
        c.Add("cog-far", tool ? kest::IDS_LW_COG_FAR_TOOL : kest::IDS_LW_COG_FAR_ADDLOAD, Num(cogMm),
              Num(farMm));
    if (tool && l.Mass >= kNearFlangeFromMassKg && cogMm > 0 && cogMm < kNearFlangeMm)
        c.Add("cog-near-flange", kest::IDS_LW_COG_NEAR_FLANGE, Num(l.Mass), Num(cogMm));
}

}  // namespace

QVector<CLoadWarning> CheckLoadPlausibility(const CProjectLoads& loads, double largestPayloadKg) {
    QVector<CLoadWarning> out;
    const CPrmLoadSub* pages[4] = {&loads.tool, &loads.v, &loads.h, &loads.s};
    const char* const keys[4] = {"tool", "upperArmV", "lowerArmH", "swivelBaseS"};
    const char* const axes[4] = {nullptr, " V", " H", " S"};
    for (int i = 0; i < 4; ++i) {
        if (!Checkable(*pages[i])) continue;
        const QString name = i == 0 ? kest::LoadKestString(kest::IDS_LW_TOOL)
                                    : kest::LoadKestString(kest::IDS_ADDLOAD) + QString::fromLatin1(axes[i]);
        CChecker checker(out, keys[i], name);
        CheckLoad(*pages[i], i == 0, largestPayloadKg, checker);
    }
    return out;
}

double LargestRatedPayload(ITarn& engine) {
    double largest = 0.0;
    char16_t name[260];
    for (int i = 0; engine.GetMechName(i, name, 260) >= 0; ++i) {
        if (engine.SelectMech(name) < 0) continue;
        const double payload = engine.GetMaxPayload();
        if (std::isfinite(payload) && payload > largest) largest = payload;
    }
    return largest;
}
