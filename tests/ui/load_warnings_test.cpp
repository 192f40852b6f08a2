// Plausibility warnings of the loads: each slip of unit or digit is named, a
// value just inside its threshold is not, and no real load (the examples, the
// predefined loads) draws any warning.
#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>

#include "EngineBinding.h"
#include "LoadWarnings.h"
#include "PathHelpers.h"
#include "PredefLoads.h"
#include "ProjectFile.h"
#include "Strings.h"
#include "UiTestEnv.h"

using namespace kest;

namespace {

// A load from the values as shown: kg, mm, kg·m².
CPrmLoadSub Load(double m, double x, double y, double z, double ixx, double iyy, double izz) {
    const double d[7] = {m, x, y, z, ixx, iyy, izz};
    CPrmLoadSub l;
    l.FromDisplay(d);
    return l;
}

// "load:code" of each warning, in order.
QStringList Codes(const CProjectLoads& loads, double largestPayloadKg = 700.0) {
    QStringList out;
    for (const CLoadWarning& w : CheckLoadPlausibility(loads, largestPayloadKg)) out << w.load + ':' + w.code;
    return out;
}

QStringList ToolCodes(const CPrmLoadSub& tool, double largestPayloadKg = 700.0) {
    CProjectLoads loads;
    loads.tool = tool;
    return Codes(loads, largestPayloadKg);
}

}  // namespace

TEST(LoadWarnings, EachSlipIsNamedAndAValueJustInsideItsLimitIsNot) {
    const QStringList none;
    // One inertia above the sum of the other two, beyond 2 % + 0.0002 kg·m² of rounding (0.2042 here).
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 0.1, 0.1, 0.2045)), QStringList{"tool:inertia-not-physical"});
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 0.1, 0.2040, 0.1)), none);
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 0, 0.1, 0)), QStringList{"tool:inertia-not-physical"});
    // An additional load may give only the inertias the engine reads; three given ones are checked.
    CProjectLoads arm;
    arm.v = Load(5, 300, 0, 200, 0, 1.2, 0);
    EXPECT_EQ(Codes(arm), none);
    arm.v.Ixx = 0.1;
    arm.v.Izz = 0.5;
    EXPECT_EQ(Codes(arm), QStringList{"upperArmV:inertia-not-physical"});
    // No inertia at all on a tool of 0.1 kg or more.
    EXPECT_EQ(ToolCodes(Load(0.1, 0, 0, 50, 0, 0, 0)), QStringList{"tool:inertia-missing"});
    EXPECT_EQ(ToolCodes(Load(0.099, 0, 0, 50, 0, 0, 0)), none);
    // 10 kg: a ball of osmium has 0.0268 kg·m² in all three inertias; 0.0002 is allowed for rounding.
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 0.009, 0.009, 0.008)), QStringList{"tool:inertia-too-small"});
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 0.0092, 0.0092, 0.0086)), none);
    // 10 kg: a radius of gyration of 1.5 m is 22.5 kg·m²; on an arm load as well.
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 12, 12, 22.6)), QStringList{"tool:inertia-too-large"});
    EXPECT_EQ(ToolCodes(Load(10, 0, 0, 100, 12, 12, 22.4)), none);
    arm = CProjectLoads();
    arm.h = Load(10, 0, 0, 400, 0, 22.6, 0);
    EXPECT_EQ(Codes(arm), QStringList{"lowerArmH:inertia-too-large"});
    // Inertia without mass, on any load.
    arm.h = Load(0, 0, 0, 400, 0, 0.5, 0);
    EXPECT_EQ(Codes(arm), QStringList{"lowerArmH:inertia-without-mass"});
    // Twice the largest rated payload; unknown payload: no check.
    EXPECT_EQ(ToolCodes(Load(1401, 0, 0, 300, 100, 100, 100)), QStringList{"tool:mass-above-table"});
    EXPECT_EQ(ToolCodes(Load(1399, 0, 0, 300, 100, 100, 100)), none);
    EXPECT_EQ(ToolCodes(Load(1401, 0, 0, 300, 100, 100, 100), 0.0), none);
    // Centre of gravity 2,000 mm from the flange (a tool), 5,000 mm from the axis (an additional load).
    EXPECT_EQ(ToolCodes(Load(5, 1200, 0, 1601, 0.1, 0.1, 0.1)), QStringList{"tool:cog-far"});
    EXPECT_EQ(ToolCodes(Load(5, 1200, 0, 1599, 0.1, 0.1, 0.1)), none);
    arm = CProjectLoads();
    arm.s = Load(40, -3000, 4001, 0, 1, 1, 1);
    EXPECT_EQ(Codes(arm), QStringList{"swivelBaseS:cog-far"});
    arm.s = Load(40, -3000, 3999, 0, 1, 1, 1);
    EXPECT_EQ(Codes(arm), none);
    // A tool of 1 kg or more within 2 mm of the flange centre but not at it.
    EXPECT_EQ(ToolCodes(Load(1, 0.2, 0, 1.98, 0.002, 0.002, 0.001)), QStringList{"tool:cog-near-flange"});
    EXPECT_EQ(ToolCodes(Load(1, 0, 0, 2.01, 0.002, 0.002, 0.001)), none);
    EXPECT_EQ(ToolCodes(Load(1, 0, 0, 0, 0.002, 0.002, 0.001)), none);
    EXPECT_EQ(ToolCodes(Load(0.99, 0, 0, 0.3, 0.002, 0.002, 0.001)), none);
    // A negative value is the analysis' refusal, not a warning.
    EXPECT_EQ(ToolCodes(Load(-1, 0, 0, 5000, 0, 1, 0)), none);

    // Tool first, then V, H, S, each in the order of its checks; the texts in
    // both languages name the load and the numbers.
    CProjectLoads all;
    all.tool = Load(2500, 0, 0, 0.25, 0, 0, 0);
    all.v = Load(0, 0, 0, 0, 0, 0.3, 0);
    all.h = Load(3, 0, 0, 100, 0.1, 0.1, 0.5);
    all.s = Load(20, 9000, 0, 0, 0, 0, 1);
    const QStringList expected = {"tool:inertia-missing",           "tool:mass-above-table",
                                  "tool:cog-near-flange",           "upperArmV:inertia-without-mass",
                                  "lowerArmH:inertia-not-physical", "swivelBaseS:cog-far"};
    EXPECT_EQ(Codes(all), expected);
    kesttest::SettingsGuard guard;  // puts the process' language back
    QStringList texts[2];
    for (const Lang lang : {Lang::Korean, Lang::English}) {
        SetCurrentLanguage(lang);
        for (const CLoadWarning& w : CheckLoadPlausibility(all, 700.0)) texts[int(lang)] << w.text;
    }
    const char* const numbers[6] = {"2500", "700", "0.25", "0.3", "0.5", "9000"};
    const QString names[2][6] = {{"툴", "툴", "툴", "부가중량 V", "부가중량 H", "부가중량 S"},
                                 {"Tool", "Tool", "Tool", "Add. load V", "Add. load H", "Add. load S"}};
    for (int l = 0; l < 2; ++l) {
        ASSERT_EQ(texts[l].size(), 6);
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(texts[l][i].startsWith(names[l][i] + ": ")) << texts[l][i].toStdString();
            EXPECT_TRUE(texts[l][i].contains(QLatin1String(numbers[i]))) << texts[l][i].toStdString();
            EXPECT_FALSE(texts[l][i].contains(QRegularExpression(QStringLiteral("%[0-9]"))));
            EXPECT_NE(texts[0][i], texts[1][i]);
        }
    }
    for (int id = IDS_LW_TOOL; id <= IDS_LW_COG_NEAR_FLANGE; ++id) {
        EXPECT_FALSE(LoadKestString(id, Lang::Korean).isEmpty()) << id;
        EXPECT_NE(LoadKestString(id, Lang::Korean), LoadKestString(id, Lang::English)) << id;
    }
}

// The examples and every predefined load (as the tool and as each additional
// load) draw no warning, against the largest payload of either table.
TEST(LoadWarnings, NoneOnTheExamplesNorOnAnyPredefinedLoad) {
    CPredefLoads predef;
    ASSERT_EQ(ReadPredefFile(QStringLiteral(KEST_SOURCE_DIR "data/PredefLoad.xml"), predef), 0);
    ASSERT_GE(predef.loads.size(), 30u);
    const QStringList examples = QDir(QStringLiteral(KEST_SOURCE_DIR "examples"))
                                     .entryList({QStringLiteral("*.kestload")}, QDir::Files);
    ASSERT_EQ(examples.size(), 3);
    for (const bool current : {true, false}) {
        CEngineBinding engine;
        ASSERT_EQ(engine.Load(AppFolder(), current), CEngineBinding::LOAD_OK);
        const double payload = LargestRatedPayload(*engine.Engine());
        EXPECT_EQ(payload, current ? 700.0 : 300.0);  // TK700-3000 and TK300-2600 of the two tables
        for (const QString& name : examples) {
            CProject project;
            ASSERT_EQ(ReadProjectFile(QStringLiteral(KEST_SOURCE_DIR "examples/") + name, project), PRJ_OK);
            EXPECT_EQ(Codes(project.Loads, payload), QStringList()) << name.toStdString();
        }
        for (const CLoad& load : predef.loads) {
            CProjectLoads loads;
            loads.tool = loads.v = loads.h = loads.s = load.prm;
            EXPECT_EQ(Codes(loads, payload), QStringList()) << load.Name.toStdString();
        }
    }
}
