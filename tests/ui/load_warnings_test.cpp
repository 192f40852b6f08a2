// Plausibility warnings of the loads: each slip of unit or digit is named, a
// value just inside its threshold is not, and no real load (the examples, the
// predefined loads) draws any warning.
#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>
#include <array>
#include <utility>

#include "EngineBinding.h"
#include "LoadWarnings.h"
#include "PathHelpers.h"
#include "PredefLoads.h"
#include "ProjectFile.h"
#include "Strings.h"
#include "UiTestEnv.h"

using namespace kest;

namespace {

// "load:code" of each warning, in order.
QStringList Codes(const CProjectLoads& loads, double largestPayloadKg) {
    QStringList out;
    for (const CLoadWarning& w : CheckLoadPlausibility(loads, largestPayloadKg)) out << w.load + ':' + w.code;
    return out;
}

// Loads from the values as shown (kg, mm, kg·m²), page 0 the tool, 1 to 3 V, H, S.
CProjectLoads Loads(std::initializer_list<std::pair<int, std::array<double, 7>>> pages) {
    CProjectLoads loads;
    CPrmLoadSub* byPage[4] = {&loads.tool, &loads.v, &loads.h, &loads.s};
    for (const auto& p : pages) byPage[p.first]->FromDisplay(p.second.data());
    return loads;
}

}  // namespace

// Each slip is named just beyond its limit and not just inside it (payload 700 kg).
TEST(LoadWarnings, EachSlipIsNamedAndAValueJustInsideItsLimitIsNot) {
    using Values = std::array<double, 7>;  // kg, mm, kg·m² as shown
    const struct {
        const char* code;  // "load:code"; the load names the page
        Values beyond, inside;
    } cases[] = {
        // One inertia above the other two plus 2 % and 0.0002 kg·m² (0.2042); an additional
        // load is checked with all three given only (the engine reads some of them).
        {"tool:inertia-not-physical", {10, 0, 0, 100, 0.1, 0.1, 0.2045}, {10, 0, 0, 100, 0.1, 0.204, 0.1}},
        {"tool:inertia-not-physical", {10, 0, 0, 100, 0, 0.1, 0}, {10, 0, 0, 100, 0.1, 0.1, 0}},
        {"upperArmV:inertia-not-physical", {5, 300, 0, 200, 0.1, 1.2, 0.5}, {5, 300, 0, 200, 0, 1.2, 0}},
        {"tool:inertia-missing", {0.1, 0, 0, 50, 0, 0, 0}, {0.099, 0, 0, 50, 0, 0, 0}},
        // 10 kg: an osmium ball has 0.0268 kg·m² in all three, less 0.0002 for rounding.
        {"tool:inertia-too-small", {10, 0, 0, 100, 0.009, 0.009, 0.008}, {10, 0, 0, 100, 0.01, 0.01, 0.008}},
        // 10 kg: a radius of gyration of 1.5 m is 22.5 kg·m².
        {"tool:inertia-too-large", {10, 0, 0, 100, 12, 12, 22.6}, {10, 0, 0, 100, 12, 12, 22.4}},
        {"lowerArmH:inertia-too-large", {10, 0, 0, 400, 0, 22.6, 0}, {10, 0, 0, 400, 0, 22.4, 0}},
        {"lowerArmH:inertia-without-mass", {0, 0, 0, 400, 0, 0.5, 0}, {1, 0, 0, 400, 0, 0.5, 0}},
        {"tool:mass-above-table", {1401, 0, 0, 300, 100, 100, 100}, {1399, 0, 0, 300, 100, 100, 100}},
        {"tool:cog-far", {5, 1200, 0, 1601, 0.1, 0.1, 0.1}, {5, 1200, 0, 1599, 0.1, 0.1, 0.1}},
        {"swivelBaseS:cog-far", {40, -3000, 4001, 0, 1, 1, 1}, {40, -3000, 3999, 0, 1, 1, 1}},
        {"tool:cog-near-flange", {1, 0.2, 0, 1.98, 0.01, 0.01, 0.01}, {1, 0, 0, 2.01, 0.01, 0.01, 0.01}},
        {"tool:cog-near-flange", {1, 0, 0, 0.3, 0.01, 0.01, 0.01}, {1, 0, 0, 0, 0.01, 0.01, 0.01}},
        {"tool:cog-near-flange", {1, 0, 0, 0.3, 0.01, 0.01, 0.01}, {0.99, 0, 0, 0.3, 0.01, 0.01, 0.01}},
    };
    const QStringList pages = {"tool", "upperArmV", "lowerArmH", "swivelBaseS"};
    for (const auto& c : cases) {
        const int page = pages.indexOf(QString::fromLatin1(c.code).section(':', 0, 0));
        EXPECT_EQ(Codes(Loads({{page, c.beyond}}), 700.0), QStringList{c.code});
        EXPECT_EQ(Codes(Loads({{page, c.inside}}), 700.0), QStringList()) << c.code;
    }
    // No mass check without a known payload; a negative value is the analysis' refusal.
    EXPECT_EQ(Codes(Loads({{0, {1401, 0, 0, 300, 100, 100, 100}}}), 0.0), QStringList());
    EXPECT_EQ(Codes(Loads({{0, {-1, 0, 0, 5000, 0, 1, 0}}}), 700.0), QStringList());

    // Tool first, then V, H, S; the texts in both languages name the load and the numbers.
    const CProjectLoads all = Loads({{0, {2500, 0, 0, 0.25, 0, 0, 0}},
                                     {1, {0, 0, 0, 0, 0, 0.3, 0}},
                                     {2, {3, 0, 0, 100, 0.1, 0.1, 0.5}},
                                     {3, {20, 9000, 0, 0, 0, 0, 1}}});
    EXPECT_EQ(Codes(all, 700.0), QStringList({"tool:inertia-missing", "tool:mass-above-table",
                                              "tool:cog-near-flange", "upperArmV:inertia-without-mass",
                                              "lowerArmH:inertia-not-physical", "swivelBaseS:cog-far"}));
    kesttest::SettingsGuard guard;  // puts the process' language back
    const char* const numbers[6] = {"2500", "700", "0.25", "0.3", "0.5", "9000"};
    QStringList texts[2];
    for (const Lang lang : {Lang::Korean, Lang::English}) {
        SetCurrentLanguage(lang);
        const QString tool = lang == Lang::Korean ? "툴" : "Tool", add = LoadKestString(IDS_ADDLOAD) + ' ';
        const QString names[6] = {tool, tool, tool, add + 'V', add + 'H', add + 'S'};
        for (const CLoadWarning& w : CheckLoadPlausibility(all, 700.0)) {
            const int i = texts[int(lang)].size();
            ASSERT_LT(i, 6);
            EXPECT_TRUE(w.text.startsWith(names[i] + ": ") && w.text.contains(QLatin1String(numbers[i])) &&
                        !w.text.contains(QRegularExpression(QStringLiteral("%[0-9]"))))
                << w.text.toStdString();
            texts[int(lang)] << w.text;
        }
    }
    ASSERT_EQ(texts[0].size(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_NE(texts[0][i], texts[1][i]);
    for (int id = IDS_LW_TOOL; id <= IDS_LW_COG_NEAR_FLANGE; ++id)
        EXPECT_NE(LoadKestString(id, Lang::Korean), LoadKestString(id, Lang::English)) << id;
}

// The examples and every predefined load (as the tool and as each additional
// load) draw no warning, against the largest payload of either table.
TEST(LoadWarnings, NoneOnTheExamplesNorOnAnyPredefinedLoad) {
    CPredefLoads predef;
    ASSERT_EQ(ReadPredefFile(QStringLiteral(KEST_SOURCE_DIR "data/PredefLoad.xml"), predef), 0);
    ASSERT_GE(predef.loads.size(), 30u);
    const QStringList examples = QDir(QStringLiteral(KEST_SOURCE_DIR "examples"))
                                     .entryList({QStringLiteral("*.kestload")}, QDir::Files);
    ASSERT_EQ(examples.size(), 4);
    for (const bool current : {true, false}) {
        CEngineBinding engine;
        ASSERT_EQ(engine.Load(AppFolder(), current), CEngineBinding::LOAD_OK);
        const double payload = LargestRatedPayload(*engine.Engine());
        EXPECT_EQ(payload, current ? 700.0 : 300.0);  // TK700-3000 and TK300-2600 of the two tables
        for (const QString& name : examples) {
            CProject project;
            ASSERT_EQ(ReadProjectFile(QStringLiteral(KEST_SOURCE_DIR "examples/") + name, project), PRJ_OK);
            for (int c = 0; c < project.CaseCount(); ++c)
                EXPECT_EQ(Codes(project.CaseLoads(c), payload), QStringList()) << name.toStdString() << c;
        }
        for (const CLoad& load : predef.loads) {
            CProjectLoads loads;
            loads.tool = loads.v = loads.h = loads.s = load.prm;
            EXPECT_EQ(Codes(loads, payload), QStringList()) << load.Name.toStdString();
        }
    }
}
