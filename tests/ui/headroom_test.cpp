// Headroom: the search against limits worked out by hand, a check again just
// inside and just outside each reported limit, the cases without a value, and
// the line the verdict box shows.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "CliRun.h"
#include "EngineBinding.h"
#include "Lang.h"
#include "PathHelpers.h"
#include "ProjectFile.h"
#include "ProjectResult.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "UiTestEnv.h"

using namespace kest;

namespace {

CProjectLoads ToolLoad(double m, double x, double y, double z, double ixx, double iyy, double izz) {
    CProjectLoads loads;
    const double d[7] = {m, x, y, z, ixx, iyy, izz};
    loads.tool.FromDisplay(d);
    return loads;
}

double Largest(const AxisRatios& a, int from = 0) { return *std::max_element(a.v + from, a.v + 6); }

class Headroom : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(binding.Load(AppFolder(), true), CEngineBinding::LOAD_OK); }
    CRobotResult Analyse(const QString& robot, const CProjectLoads& loads) {
        return AnalyseRobot(*binding.Engine(), robot, loads, true);
    }
    CEngineBinding binding;
};

// Without arm loads, and with the inertias in proportion to the mass, every
// ratio the verdict reads is proportional to the mass: the limit is the mass
// times the smallest quotient of threshold and ratio (110 % for the mass and
// the moments, 130 % for the wrist inertias, 100 % for all of them without
// high load). One case each where the mass, a moment and an inertia governs.
TEST_F(Headroom, MassLimitsMatchTheProportionalRatios) {
    struct Case {
        CProjectLoads loads;
        const char* governs;
    } cases[] = {{ToolLoad(10, 0, 0, 0, 0, 0, 0), "mass"},
                 {ToolLoad(12, 50, 0, 250, 0.01, 0.01, 0.01), "moment"},
                 {ToolLoad(5, 0, 0, 60, 0.9, 0.9, 0.5), "inertia"}};
    for (const Case& c : cases) {
        const CRobotResult r = Analyse(QStringLiteral("TK20-1700"), c.loads);
        ASSERT_TRUE(r.analysed);
        EXPECT_EQ(r.governing.quantity, QLatin1String(c.governs));
        const double m = c.loads.tool.Mass;
        const double pass = m * std::min({110.00001 / r.massPercent, 110.00001 / Largest(r.moment),
                                          130.00001 / Largest(r.inertia, 3)});
        const double normal = m * std::min({100.00001 / r.massPercent, 100.00001 / Largest(r.moment),
                                            100.00001 / Largest(r.inertia)});
        ASSERT_TRUE(r.headroom.massKg && r.headroom.massNormalKg) << c.governs;
        EXPECT_NEAR(*r.headroom.massKg, pass - 0.005, 0.0055) << c.governs;
        EXPECT_NEAR(*r.headroom.massNormalKg, normal - 0.005, 0.0055) << c.governs;
    }
    // Along +Z the R2/B moment and inertia grow with the distance from the B
    // axis: m·g·D ≤ 110 % of the allowable torque, m·D² ≤ 130 % of the
    // allowable inertia.
    ITarn& e = *binding.Engine();
    ASSERT_GE(e.SelectMech(u"TK20-1700"), 0);
    double torqueKgM = 0, inertia = 0, lenB = 0;
    e.GetAllowMoment(AXIS_R2, &torqueKgM);
    e.GetAllowInertia(AXIS_R2, &inertia);
    e.GetLenB(&lenB);
    const double m = 12;
    const double byMoment = 1.1000001 * torqueKgM / m * 1000 - lenB;
    const double byInertia = std::sqrt(1.3000001 * inertia / m) * 1000 - lenB;
    const CRobotResult r = Analyse(QStringLiteral("TK20-1700"), ToolLoad(m, 0, 0, 150, 0, 0, 0));
    ASSERT_TRUE(r.headroom.cogMm);
    EXPECT_NEAR(*r.headroom.cogMm, std::min(byMoment, byInertia) - 0.05, 0.055);
}

// Each reported limit passes when checked again, and the tool just beyond it
// (0.01 kg heavier, or 0.1 mm farther out) does not: on every robot of the
// examples, with and without the inertia counted.
TEST_F(Headroom, ReportedLimitsPassAndJustBeyondFails) {
    int checked = 0;
    for (const char* name : {"light-gripper-small-robot", "palletising", "spot-gun-large-robot"}) {
        CProject project;
        ASSERT_EQ(ReadProjectFile(QStringLiteral(KEST_SOURCE_DIR "examples/%1.kestload").arg(name), project),
                  PRJ_OK);
        for (const bool inertia : {true, false}) {
            const CProjectResult result = AnalyseProject(*binding.Engine(), project, inertia, false);
            for (const CRobotResult& r : result.robots) {
                const CHeadroom& h = r.headroom;
                double d[7];
                project.Loads.tool.ToDisplay(d);
                auto codeWith = [&](double mass, double dist) {
                    const double k = mass / d[0];
                    const double len = std::sqrt(d[1] * d[1] + d[2] * d[2] + d[3] * d[3]);
                    const double s = dist / len;
                    CProjectLoads loads = project.Loads;
                    const double moved[7] = {mass,     d[1] * s, d[2] * s, d[3] * s,
                                             d[4] * k, d[5] * k, d[6] * k};
                    loads.tool.FromDisplay(moved);
                    return AnalyseRobot(*binding.Engine(), r.name, loads, inertia).verdict.code;
                };
                const double len = std::sqrt(d[1] * d[1] + d[2] * d[2] + d[3] * d[3]);
                ASSERT_TRUE(h.massKg && h.massNormalKg) << r.name.toStdString();
                EXPECT_LE(codeWith(*h.massKg, len), 2);
                EXPECT_GE(codeWith(*h.massKg + 0.01, len), 3);
                EXPECT_EQ(codeWith(*h.massNormalKg, len), 1);
                EXPECT_NE(codeWith(*h.massNormalKg + 0.01, len), 1);
                // Failing robots need less, passing ones carry at least the tool.
                EXPECT_EQ(*h.massKg >= d[0], r.verdict.code <= 2) << r.name.toStdString();
                if (h.cogMm) {
                    EXPECT_LE(codeWith(d[0], *h.cogMm), 2);
                    EXPECT_GE(codeWith(d[0], *h.cogMm + 0.1), 3);
                }
                if (h.cogNormalMm) {
                    EXPECT_EQ(codeWith(d[0], *h.cogNormalMm), 1);
                    EXPECT_NE(codeWith(d[0], *h.cogNormalMm + 0.1), 1);
                }
                EXPECT_TRUE(r.verdict.detail.endsWith(HeadroomText(h)));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 18);
}

// No value where nothing passes or where it does not apply, and the line says
// which: arm loads that fail alone, a tool without mass, a tool too heavy for
// any centre of gravity, a robot not in the data and a negative mass.
TEST_F(Headroom, NoValueWhereNothingPassesOrItDoesNotApply) {
    const kesttest::SettingsGuard guard;
    SetCurrentLanguage(Lang::English);
    CProjectLoads armFails = ToolLoad(5, 0, 0, 100, 0.02, 0.02, 0.01);
    const double heavy[7] = {400, 300, 0, 200, 0, 0, 0};
    armFails.v.FromDisplay(heavy);
    CRobotResult r = Analyse(QStringLiteral("TK20-1700"), armFails);
    ASSERT_TRUE(r.analysed);
    EXPECT_FALSE(r.headroom.massKg || r.headroom.massNormalKg || r.headroom.cogMm || r.headroom.cogNormalMm);
    EXPECT_TRUE(r.verdict.detail.endsWith(QStringLiteral("Headroom\t  :  none (fails without the tool)")));

    r = Analyse(QStringLiteral("TK20-1700"), ToolLoad(0, 0, 0, 100, 0, 0, 0));
    ASSERT_TRUE(r.headroom.massKg);
    EXPECT_NEAR(*r.headroom.massKg, 22, 0.01);
    EXPECT_FALSE(r.headroom.cogMm || r.headroom.cogNormalMm);
    EXPECT_EQ(HeadroomText(r.headroom), QStringLiteral("+22.0 kg"));

    // 30 kg on a 20 kg robot: the mass alone fails wherever it sits.
    r = Analyse(QStringLiteral("TK20-1700"), ToolLoad(30, 0, 0, 100, 0.3, 0.3, 0.2));
    ASSERT_TRUE(r.headroom.massKg);
    EXPECT_LT(*r.headroom.massKg, 22.001);
    EXPECT_FALSE(r.headroom.cogMm);
    EXPECT_EQ(HeadroomText(r.headroom), QStringLiteral("\u2212%1 kg \u00B7 CoG: none at this mass")
                                            .arg(std::ceil((30 - *r.headroom.massKg) * 10) / 10, 0, 'f', 1));

    for (const CProjectLoads& loads : {ToolLoad(5, 0, 0, 100, 0, 0, 0), ToolLoad(-1, 0, 0, 100, 0, 0, 0)}) {
        r = Analyse(loads.tool.Mass < 0 ? QStringLiteral("TK20-1700") : QStringLiteral("NOT-A-ROBOT"), loads);
        EXPECT_FALSE(r.analysed);
        EXPECT_FALSE(r.headroom.massKg || r.headroom.cogMm);
        EXPECT_FALSE(r.verdict.detail.contains(QStringLiteral("Headroom")));
    }
}

// The line rounds to the safe side (a smaller gain, a larger reduction, a
// nearer centre of gravity) in both languages.
TEST(HeadroomLine, RoundsToTheSafeSideInBothLanguages) {
    const kesttest::SettingsGuard guard;
    CHeadroom pass;
    pass.toolMassKg = 10;
    pass.massKg = 13.29;
    pass.cogMm = 245.99;
    CHeadroom fail = pass;
    fail.massKg = 5.86;
    fail.cogMm = 180.2;
    SetCurrentLanguage(Lang::English);
    EXPECT_EQ(HeadroomText(pass), QStringLiteral("+3.2 kg \u00B7 CoG \u2264 245 mm"));
    EXPECT_EQ(HeadroomText(fail), QStringLiteral("\u22124.2 kg \u00B7 CoG \u2264 180 mm"));
    SetCurrentLanguage(Lang::Korean);
    EXPECT_EQ(HeadroomText(pass), QStringLiteral("+3.2 kg \u00B7 무게중심 \u2264 245 mm"));
    EXPECT_EQ(LoadKestString(IDS_HEADROOM_NONE), QStringLiteral("없음 (툴이 없어도 불합격)"));
}

}  // namespace

namespace {

// The command line: under each governing limit the headroom line; in the JSON
// every robot of --check and every model of --fit has the four headroom
// numbers (or null), and each file its warnings as objects. A warning never
// changes the exit status.
TEST(HeadroomOnTheCommandLine, TextJsonAndWarningsLeaveTheStatus) {
    QTemporaryDir dir;
    QByteArray bytes = kesttest::ReadAll(kesttest::Example("light-gripper-small-robot.kestload"));
    ASSERT_FALSE(bytes.isEmpty());
    // The same gripper without its inertias: a point mass.
    const QString plain = kesttest::Example("light-gripper-small-robot.kestload");
    const kesttest::CliRun before = kesttest::Kestload({QStringLiteral("--check"), plain});
    const qsizetype tool = bytes.indexOf("<Tool");
    for (const char* attr : {"Ixx", "Iyy", "Izz"}) {
        const qsizetype at = bytes.indexOf(QByteArray(attr) + "=\"", tool) + 5;
        bytes.replace(at, bytes.indexOf('"', at) - at, "0");
    }
    const QString point = dir.filePath(QStringLiteral("point.kestload"));
    QFile f(point);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    f.close();

    const kesttest::CliRun text = kesttest::Kestload(
        {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--check"), point});
    EXPECT_EQ(text.status, before.status);
    const QString out = QString::fromUtf8(text.out);
    EXPECT_TRUE(out.contains(QStringLiteral("  warning: Tool: ")));
    EXPECT_TRUE(out.contains(QStringLiteral("[inertia-missing]\n")));
    const QRegularExpression underGoverning(QStringLiteral(
        "    governing limit: [^\\n]+\\n    Headroom: \\+[0-9.]+ kg \u00B7 CoG \u2264 [0-9]+ mm\\n"));
    EXPECT_EQ(out.count(underGoverning), 3) << text.out.toStdString();

    for (const QString& command : {QStringLiteral("--check"), QStringLiteral("--fit")}) {
        const kesttest::CliRun json = kesttest::Kestload({command, QStringLiteral("--json"), point});
        EXPECT_EQ(json.status, command == QLatin1String("--check") ? before.status : 0);
        const QJsonObject file =
            QJsonDocument::fromJson(json.out).object().value(QStringLiteral("files")).toArray()[0].toObject();
        const QJsonArray warnings = file.value(QStringLiteral("warnings")).toArray();
        ASSERT_EQ(warnings.size(), 1);
        const QJsonObject w = warnings[0].toObject();
        EXPECT_EQ(w.value(QStringLiteral("code")).toString(), QStringLiteral("inertia-missing"));
        EXPECT_EQ(w.value(QStringLiteral("load")).toString(), QStringLiteral("tool"));
        EXPECT_FALSE(w.value(QStringLiteral("text")).toString().isEmpty());
        const QJsonArray robots = file.value(command == QLatin1String("--check") ? QStringLiteral("robots")
                                                                                 : QStringLiteral("models"))
                                      .toArray();
        ASSERT_GE(robots.size(), 3);
        int nulls = 0;
        for (const QJsonValue& r : robots) {
            const QJsonObject h = r.toObject().value(QStringLiteral("headroom")).toObject();
            EXPECT_EQ(h.keys(), (QStringList{QStringLiteral("cogMm"), QStringLiteral("cogNormalMm"),
                                             QStringLiteral("massKg"), QStringLiteral("massNormalKg")}));
            for (const QJsonValue& v : h) {
                EXPECT_TRUE(v.isDouble() || v.isNull());
                nulls += v.isNull();
            }
        }
        // The gripper is light: every model carries it somewhere.
        EXPECT_EQ(nulls, 0) << command.toStdString();
    }
}

}  // namespace
