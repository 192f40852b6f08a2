// Load cases: the project document's case list, the file's Load-Cases
// element (byte-exact, all or nothing), the analysis of every case and the
// command line's output over the cases.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "CliRun.h"
#include "EngineBinding.h"
#include "PathHelpers.h"
#include "ProjectFile.h"
#include "ProjectResult.h"
#include "Strings.h"

using namespace kest;

namespace {

const QString kExample = kesttest::Example("gripper-load-cases.kestload");

CProject ReadExample() {
    CProject p;
    EXPECT_EQ(ReadProjectFile(kExample, p), PRJ_OK);
    return p;
}

// The case list: a copy made current, removal that keeps a current case and
// never the last one, moves that carry the current case, and the limit.
TEST(LoadCases, AddRemoveMoveKeepTheCurrentCasesLoads) {
    CProject p;
    EXPECT_EQ(p.CaseCount(), 1);
    EXPECT_FALSE(p.HasNamedOrSeveralCases());
    EXPECT_FALSE(p.RemoveCase(0));
    p.Loads.tool.Mass = 5;
    ASSERT_TRUE(p.AddCase(QStringLiteral("with part")));
    EXPECT_EQ(p.CurrentCase, 1);
    EXPECT_EQ(p.Loads.tool.Mass, 5);  // a copy of the current case
    p.Loads.tool.Mass = 8;
    EXPECT_EQ(p.CaseLoads(0).tool.Mass, 5);
    ASSERT_TRUE(p.SelectCase(0));
    EXPECT_EQ(p.Loads.tool.Mass, 5);
    EXPECT_EQ(p.CaseLoads(1).tool.Mass, 8);
    EXPECT_EQ(p.CaseDisplayName(0), LoadKestString(IDS_LOAD_CASE_N).arg(1));
    EXPECT_EQ(p.CaseDisplayName(1), QStringLiteral("with part"));
    // Moving case 0 behind case 1 takes the current case along.
    ASSERT_TRUE(p.MoveCase(0, 1));
    EXPECT_EQ(p.CurrentCase, 1);
    EXPECT_EQ(p.Loads.tool.Mass, 5);
    EXPECT_EQ(p.CaseLoads(0).tool.Mass, 8);
    // Removing the current case makes its neighbour current, with its loads.
    ASSERT_TRUE(p.RemoveCase(1));
    EXPECT_EQ(p.CaseCount(), 1);
    EXPECT_EQ(p.CurrentCase, 0);
    EXPECT_EQ(p.Loads.tool.Mass, 8);
    while (p.CaseCount() < kMaxLoadCases) ASSERT_TRUE(p.AddCase(QString()));
    EXPECT_FALSE(p.AddCase(QStringLiteral("33rd")));
    EXPECT_FALSE(p.SelectCase(kMaxLoadCases));
}

// The example opens with its three cases and saves back byte for byte; the
// root's loads are the current case's, so a reader that knows only them opens
// that case; a named single case is written, an unnamed one is not.
TEST(LoadCasesFile, RoundTripsByteForByteAndTheRootHoldsTheCurrentCase) {
    const QByteArray bytes = kesttest::ReadAll(kExample);
    CProject p;
    ASSERT_EQ(ReadProjectText(bytes, p), PRJ_OK);
    ASSERT_EQ(p.CaseCount(), 3);
    EXPECT_EQ(p.CurrentCase, 1);
    EXPECT_EQ(p.Cases[2].Name, QStringLiteral("가공품 B 파지"));
    EXPECT_EQ(p.Loads.tool.Mass, 4.9);
    EXPECT_EQ(p.CaseLoads(2).tool.Mass, 7.0);
    EXPECT_EQ(WriteProjectText(p), bytes);

    // The root's Tool is case 2's, whatever the current case's own element says.
    QByteArray other = bytes;
    const qsizetype firstMass = other.indexOf("Mass=\"4.9000\"");
    other.replace(firstMass, 13, "Mass=\"4.8000\"");
    ASSERT_EQ(ReadProjectText(other, p), PRJ_OK);
    EXPECT_EQ(p.CaseLoads(1).tool.Mass, 4.8);

    // After another case is made current the root holds it, and it reads back.
    p.SelectCase(2);
    CProject back;
    ASSERT_EQ(ReadProjectText(WriteProjectText(p), back), PRJ_OK);
    EXPECT_EQ(back.CurrentCase, 2);
    EXPECT_EQ(back.Loads.tool.Mass, 7.0);
    EXPECT_EQ(back.CaseLoads(0).tool.Mass, 4.3);

    // One unnamed case: no Load-Cases, as before there were cases; named: written.
    CProject one;
    EXPECT_FALSE(WriteProjectText(one).contains("Load-Cases"));
    one.RenameCase(0, QStringLiteral("empty gripper"));
    const QByteArray named = WriteProjectText(one);
    EXPECT_TRUE(
        named.contains("\t<Load-Cases\r\n\t\tCurrent=\"0\"\r\n\t\t>\r\n\r\n\t\t<Case\r\n"
                       "\t\t\tName=\"empty gripper\"\r\n\t\t\t>\r\n\t\t\t<Tool\r\n\t\t\t\tMass=\"0.0000\""));
    EXPECT_TRUE(named.endsWith("\t\t</Case>\r\n\r\n\t</Load-Cases>\r\n\r\n</KestLoadProject>\r\n"));
    // A file without cases gives one unnamed case, whatever the project held.
    ASSERT_EQ(ReadProjectFile(kesttest::Example("palletising.kestload"), back), PRJ_OK);
    EXPECT_EQ(back.CaseCount(), 1);
    EXPECT_TRUE(back.Cases[0].Name.isEmpty());
}

// A damaged Load-Cases element fails the whole open with a message that
// names the case, and the project stays as it was.
TEST(LoadCasesFile, DamagedCasesFailTheOpenAndNameTheCase) {
    const QByteArray bytes = kesttest::ReadAll(kExample);
    const CProject before = ReadExample();
    struct Case {
        QByteArray from, to;
        int status;
        const char* named;
    } cases[] = {
        {"Current=\"1\"", "Current=\"3\"", PRJ_BAD_CASES, "\"3\""},
        {"Current=\"1\"", "Current=\"one\"", PRJ_BAD_CASES, "\"one\""},
        {"\t\t\t<AddLoad-H\r\n", "\t\t\t<AddLoad-X\r\n", PRJ_BAD_CASES, "1 (\"그리퍼만 (빈 상태)\")"},
        {"Mass=\"7.0000\"", "Mass=\"nan\"", PRJ_BAD_NUMBER, "3 (\"가공품 B 파지\")"},
        {"Mass=\"7.0000\"", "Mass=\"1e9\"", PRJ_BAD_NUMBER, "3 (\"가공품 B 파지\")"},
    };
    for (const Case& c : cases) {
        QByteArray damaged = bytes;
        damaged.replace(damaged.indexOf(c.from), c.from.size(), c.to);
        CProject p = before;
        QString error;
        EXPECT_EQ(ReadProjectText(damaged, p, &error), c.status) << c.to.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.named))) << error.toStdString();
        EXPECT_EQ(WriteProjectText(p), WriteProjectText(before));
    }
    // 33 cases are more than a project holds.
    QByteArray many = bytes;
    const qsizetype start = many.indexOf("\t\t<Case\r\n");
    const QByteArray one = many.mid(start, many.indexOf("\t\t</Case>\r\n\r\n", start) + 13 - start);
    for (int i = 0; i < 30; ++i) many.insert(start, one);
    CProject p = before;
    QString error;
    EXPECT_EQ(ReadProjectText(many, p, &error), PRJ_BAD_CASES);
    EXPECT_TRUE(error.contains(QStringLiteral("33"))) << error.toStdString();
}

// Each case's results equal those of a one-case project with its loads; a
// robot stands for its worst case; the current case's detail names the other
// failing cases.
TEST(LoadCasesAnalysis, EveryCaseAsItsOwnProjectAndTheWorstCase) {
    CEngineBinding binding;
    ASSERT_EQ(binding.Load(AppFolder(), true), CEngineBinding::LOAD_OK);
    const CProject p = ReadExample();
    const CProjectResult all = AnalyseProject(*binding.Engine(), p, true, false);
    ASSERT_EQ(all.cases.size(), 3);
    EXPECT_EQ(all.currentCase, 1);
    for (int c = 0; c < 3; ++c) {
        CProject single = p;
        single.Cases = {CLoadCase()};
        single.CurrentCase = 0;
        single.Loads = p.CaseLoads(c);
        const CProjectResult alone = AnalyseProject(*binding.Engine(), single, true, false);
        for (int i = 0; i < 3; ++i) {
            const CRobotResult& a = all.cases[c].robots[i];
            const CRobotResult& b = alone.robots[i];
            EXPECT_EQ(a.verdict.code, b.verdict.code) << c << i;
            EXPECT_EQ(a.governing.percent, b.governing.percent) << c << i;
            EXPECT_EQ(a.headroom.massKg, b.headroom.massKg) << c << i;
            EXPECT_EQ(a.caseIndex, c);
        }
    }
    // TK6-1400 passes cases 1 and 2 but not 3 (7 kg on a 6 kg robot).
    EXPECT_EQ(all.robots[0].verdict.code, 1);
    EXPECT_EQ(all.WorstCase(0), 2);
    EXPECT_FALSE(all.PassesEveryCase(0));
    EXPECT_TRUE(all.PassesEveryCase(1) && all.PassesEveryCase(2));
    EXPECT_EQ(all.WorstCase(2), 2);  // passing everywhere: the highest governing ratio
    EXPECT_TRUE(all.robots[0].verdict.detail.endsWith(
        LoadKestString(IDS_FAILS_IN_OTHER_CASE).arg(QStringLiteral("가공품 B 파지"))));
    EXPECT_FALSE(all.robots[1].verdict.detail.contains(LoadKestString(IDS_FAILS_IN_OTHER_CASE).left(6)));
}

// --check covers every case (exit 1 though the current case passes), the JSON
// names each robot's worst case and lists every case; --fit wants every case
// to pass and gives the smallest headroom over them.
TEST(LoadCasesCommandLine, EveryCaseCountsAndTheJsonListsThem) {
    const kesttest::CliRun check =
        kesttest::Kestload({QStringLiteral("--check"), QStringLiteral("--json"), kExample});
    EXPECT_EQ(check.status, 1);
    const QJsonObject file =
        QJsonDocument::fromJson(check.out).object().value(QStringLiteral("files")).toArray()[0].toObject();
    const QJsonArray robots = file.value(QStringLiteral("robots")).toArray();
    ASSERT_EQ(robots.size(), 3);
    const QJsonObject tk6 = robots[0].toObject();
    EXPECT_EQ(tk6.value(QStringLiteral("case")).toString(), QStringLiteral("가공품 B 파지"));
    EXPECT_EQ(tk6.value(QStringLiteral("caseIndex")).toInt(), 2);
    EXPECT_FALSE(tk6.value(QStringLiteral("verdict")).toObject().value(QStringLiteral("passes")).toBool());
    EXPECT_DOUBLE_EQ(file.value(QStringLiteral("loads"))
                         .toObject()
                         .value(QStringLiteral("tool"))
                         .toObject()
                         .value(QStringLiteral("mass"))
                         .toDouble(),
                     4.9);
    const QJsonArray cases = file.value(QStringLiteral("cases")).toArray();
    ASSERT_EQ(cases.size(), 3);
    double least = 1e9;
    for (int c = 0; c < 3; ++c) {
        const QJsonObject o = cases[c].toObject();
        EXPECT_EQ(o.value(QStringLiteral("index")).toInt(), c);
        EXPECT_EQ(o.value(QStringLiteral("robots")).toArray().size(), 3);
        EXPECT_TRUE(o.value(QStringLiteral("warnings")).isArray());
        least = std::min(least, o.value(QStringLiteral("robots"))
                                    .toArray()[2]
                                    .toObject()
                                    .value(QStringLiteral("headroom"))
                                    .toObject()
                                    .value(QStringLiteral("massKg"))
                                    .toDouble());
    }
    EXPECT_EQ(cases[1].toObject().value(QStringLiteral("current")).toBool(), true);
    // A one-case project has one entry.
    const kesttest::CliRun plain = kesttest::Kestload(
        {QStringLiteral("--check"), QStringLiteral("--json"), kesttest::Example("palletising.kestload")});
    EXPECT_EQ(QJsonDocument::fromJson(plain.out)
                  .object()
                  .value(QStringLiteral("files"))
                  .toArray()[0]
                  .toObject()
                  .value(QStringLiteral("cases"))
                  .toArray()
                  .size(),
              1);

    const kesttest::CliRun fit =
        kesttest::Kestload({QStringLiteral("--fit"), QStringLiteral("--json"), kExample});
    EXPECT_EQ(fit.status, 0);
    const QJsonArray models = QJsonDocument::fromJson(fit.out)
                                  .object()
                                  .value(QStringLiteral("files"))
                                  .toArray()[0]
                                  .toObject()
                                  .value(QStringLiteral("models"))
                                  .toArray();
    bool sawTk6 = false, sawTk20 = false;
    for (const QJsonValue& v : models) {
        const QJsonObject m = v.toObject();
        const QString name = m.value(QStringLiteral("name")).toString();
        if (name == QLatin1String("TK6-1400")) {
            sawTk6 = true;
            EXPECT_FALSE(
                m.value(QStringLiteral("verdict")).toObject().value(QStringLiteral("passes")).toBool());
            EXPECT_EQ(m.value(QStringLiteral("caseIndex")).toInt(), 2);
        }
        if (name == QLatin1String("TK20-1700")) {
            sawTk20 = true;
            EXPECT_DOUBLE_EQ(
                m.value(QStringLiteral("headroom")).toObject().value(QStringLiteral("massKg")).toDouble(),
                least);
        }
    }
    EXPECT_TRUE(sawTk6 && sawTk20);
}

}  // namespace
