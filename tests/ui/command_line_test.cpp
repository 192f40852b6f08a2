// kestload's command line against the window: the same reader, analysis and
// verdicts give the same results; exit codes, --fit order, JSON and the report.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "Analysis.h"
#include "CliRun.h"
#include "DialogFixture.h"
#include "Language.h"
#include "PgBarChart.h"
#include "PgPayload.h"

using kest::ContainsHangul;
using kest::Lang;
using kest::SavedLanguageSetting;
using kest::SaveLanguageSetting;
using kesttest::CliRun;
using kesttest::Example;
using kesttest::Kestload;
using kesttest::MainDialog;

namespace {

// Every number in the document is finite (JSON itself cannot hold others, so
// the check is on what was written: no "nan" or "inf" text anywhere).
void ExpectFiniteNumbers(const QJsonValue& v, const QString& where) {
    if (v.isDouble()) {
        EXPECT_TRUE(std::isfinite(v.toDouble())) << where.toStdString();
    }
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            ExpectFiniteNumbers(it.value(), where + '.' + it.key());
    }
    if (v.isArray()) {
        const QJsonArray a = v.toArray();
        for (int i = 0; i < a.size(); ++i) ExpectFiniteNumbers(a[i], where + '[' + QString::number(i) + ']');
    }
}

// The document's shape: every field the README names, with its type.
void ExpectSchema(const QJsonObject& root) {
    for (const char* k : {"program", "version", "command"})
        EXPECT_TRUE(root.value(QLatin1String(k)).isString()) << k;
    const QJsonObject data = root.value(QStringLiteral("mechanismData")).toObject();
    EXPECT_TRUE(data.value(QStringLiteral("controllerSoftware")).isString());
    EXPECT_TRUE(data.value(QStringLiteral("version")).isString());
    for (const QJsonValue& f : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject file = f.toObject();
        EXPECT_TRUE(file.value(QStringLiteral("file")).isString());
        EXPECT_TRUE(file.value(QStringLiteral("passes")).isBool());
        for (const char* load : {"tool", "upperArmV", "lowerArmH", "swivelBaseS"}) {
            const QJsonObject l =
                file.value(QStringLiteral("loads")).toObject().value(QLatin1String(load)).toObject();
            for (const char* k : {"mass", "x", "y", "z", "ixx", "iyy", "izz"})
                EXPECT_TRUE(l.value(QLatin1String(k)).isDouble()) << load << k;
        }
        for (const QJsonValue& rv : file.value(QStringLiteral("robots")).toArray()) {
            const QJsonObject r = rv.toObject();
            EXPECT_TRUE(r.value(QStringLiteral("name")).isString());
            EXPECT_TRUE(r.value(QStringLiteral("analysed")).isBool());
            const QJsonObject v = r.value(QStringLiteral("verdict")).toObject();
            EXPECT_TRUE(v.value(QStringLiteral("code")).isDouble());
            EXPECT_TRUE(v.value(QStringLiteral("text")).isString());
            EXPECT_TRUE(v.value(QStringLiteral("detail")).isString());
            if (!r.value(QStringLiteral("analysed")).toBool()) continue;
            const QJsonObject g = r.value(QStringLiteral("governing")).toObject();
            for (const char* k : {"axis", "quantity", "text"})
                EXPECT_TRUE(g.value(QLatin1String(k)).isString()) << k;
            EXPECT_TRUE(g.value(QStringLiteral("percent")).isDouble());
            const QJsonObject ratios = r.value(QStringLiteral("ratios")).toObject();
            EXPECT_TRUE(ratios.value(QStringLiteral("massPercent")).isDouble());
            for (const char* kind : {"load", "moment", "inertia"}) {
                for (const char* axis : {"S", "H", "V", "R2", "B", "R1"})
                    EXPECT_TRUE(
                        ratios.value(QLatin1String(kind)).toObject().value(QLatin1String(axis)).isDouble())
                        << kind << axis;
            }
            for (const char* k : {"mass", "moment", "inertia"})
                EXPECT_TRUE(r.value(QStringLiteral("levels")).toObject().value(QLatin1String(k)).isDouble())
                    << k;
            const QJsonObject e = r.value(QStringLiteral("envelope")).toObject();
            EXPECT_TRUE(e.value(QStringLiteral("inside")).isBool());
            for (const char* k : {"payloadR", "payloadZ", "limitR", "limitDist"})
                EXPECT_TRUE(e.value(QLatin1String(k)).isDouble()) << k;
            EXPECT_TRUE(r.value(QStringLiteral("overload")).isBool());
        }
    }
}

TEST_F(MainDialog, CommandLineGivesTheWindowsResults) {
    for (const char* name :
         {"spot-gun-large-robot.kestload", "light-gripper-small-robot.kestload", "palletising.kestload"}) {
        const CliRun run = Kestload({QStringLiteral("--check"), QStringLiteral("--json"), Example(name)});
        ASSERT_NE(run.status, -1) << name;
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        ASSERT_EQ(root.value(QStringLiteral("command")).toString(), QStringLiteral("check"))
            << run.out.toStdString();
        ExpectFiniteNumbers(root, QString::fromLatin1(name));
        ExpectSchema(root);
        const QJsonObject file = root.value(QStringLiteral("files")).toArray().at(0).toObject();
        const QJsonArray robots = file.value(QStringLiteral("robots")).toArray();

        ASSERT_EQ(dlg->OpenPrj(Example(name)), 0);
        ASSERT_EQ(dlg->DoAnalyse(), 0);
        ASSERT_EQ(robots.size(), dlg->m_pMngLegend->Count()) << name;
        bool allPass = true;
        for (int i = 0; i < robots.size(); ++i) {
            const QJsonObject r = robots[i].toObject();
            const QJsonObject verdict = r.value(QStringLiteral("verdict")).toObject();
            EXPECT_EQ(r.value(QStringLiteral("name")).toString(), dlg->m_pMngLegend->Name(i));
            EXPECT_EQ(verdict.value(QStringLiteral("code")).toInt(), dlg->m_nVerdict[i]) << name << i;
            EXPECT_EQ(verdict.value(QStringLiteral("text")).toString(), dlg->m_strVerdict[i]);
            EXPECT_EQ(verdict.value(QStringLiteral("detail")).toString(), dlg->m_strDetail[i]);
            // The ratios the charts show, axis by axis (R1, R2/B, V, H, S in the chart).
            const QJsonObject ratios = r.value(QStringLiteral("ratios")).toObject();
            const char* axes[6] = {"S", "H", "V", "R2", "B", "R1"};
            // The engine's single-precision values, written as the shortest text
            // that reads back to the same float.
            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(static_cast<float>(ratios.value(QStringLiteral("moment"))
                                                 .toObject()
                                                 .value(QLatin1String(axes[k]))
                                                 .toDouble()),
                          static_cast<float>(dlg->m_pPgMomentChart->Chart().dRatio[i][k]));
                EXPECT_EQ(static_cast<float>(ratios.value(QStringLiteral("inertia"))
                                                 .toObject()
                                                 .value(QLatin1String(axes[k]))
                                                 .toDouble()),
                          static_cast<float>(dlg->m_pPgInertiaChart->Chart().dRatio[i][k]));
            }
            allPass = allPass && (dlg->m_nVerdict[i] == 1 || dlg->m_nVerdict[i] == 2);
        }
        EXPECT_EQ(run.status, allPass ? 0 : 1) << name;
        EXPECT_EQ(file.value(QStringLiteral("passes")).toBool(), allPass);
    }
}

TEST(CommandLine, ExitCodesAndBadFiles) {
    QTemporaryDir dir;
    EXPECT_EQ(Kestload({QStringLiteral("--check"), Example("light-gripper-small-robot.kestload")}).status, 0);
    EXPECT_EQ(Kestload({QStringLiteral("--check"), Example("palletising.kestload")}).status, 1);
    // A robot that the data does not have does not pass.
    QFile in(Example("light-gripper-small-robot.kestload"));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray text = in.readAll();
    text.replace("MechName1=\"TK12-1450\"", "MechName1=\"TX99-OLD\"");
    const QString unknown = dir.filePath(QStringLiteral("unknown.kestload"));
    QFile out(unknown);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    const CliRun u = Kestload({QStringLiteral("--check"), unknown});
    EXPECT_EQ(u.status, 1);
    EXPECT_TRUE(u.out.contains("TX99-OLD: 데이터 없음 (code 0)")) << u.out.toStdString();
    EXPECT_TRUE(u.out.contains("governing limit: none (not in the mechanism data)"));
    // Missing, damaged and folder: status 2 with the file named on standard error.
    const QString damaged = dir.filePath(QStringLiteral("damaged.kestload"));
    QFile d(damaged);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write("<KestLoadProject><Tool Mass=\"1\"");
    d.close();
    for (const QString& bad : {dir.filePath(QStringLiteral("missing.kestload")), damaged, dir.path()}) {
        const CliRun r =
            Kestload({QStringLiteral("--check"), Example("light-gripper-small-robot.kestload"), bad});
        EXPECT_EQ(r.status, 2) << bad.toStdString();
        EXPECT_TRUE(r.err.contains(bad.toUtf8())) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("TK6-1400: "));  // the good file was still checked
    }
    // Usage errors, help and version.
    EXPECT_EQ(Kestload({QStringLiteral("--check")}).status, 2);
    EXPECT_EQ(Kestload({QStringLiteral("--check"), QStringLiteral("--bogus"), unknown}).status, 2);
    const CliRun help = Kestload({QStringLiteral("--help"), QStringLiteral("--lang"), QStringLiteral("en")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: kestload"));
    const CliRun version = Kestload({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("kestload 1.0.0.1"));
    EXPECT_TRUE(version.err.isEmpty());
}

TEST(CommandLine, FitListsEveryModelFromTheMostHeadroom) {
    const CliRun run =
        Kestload({QStringLiteral("--fit"), QStringLiteral("--json"), Example("palletising.kestload")});
    ASSERT_EQ(run.status, 0);  // some models carry it
    const QJsonArray models = QJsonDocument::fromJson(run.out)
                                  .object()
                                  .value(QStringLiteral("files"))
                                  .toArray()
                                  .at(0)
                                  .toObject()
                                  .value(QStringLiteral("models"))
                                  .toArray();
    ASSERT_EQ(models.size(), 14);  // the whole current table
    double previous = -1.0;
    for (const QJsonValue& m : models) {
        const double p = m.toObject()
                             .value(QStringLiteral("governing"))
                             .toObject()
                             .value(QStringLiteral("percent"))
                             .toDouble();
        EXPECT_GE(p, previous);
        previous = p;
    }
    EXPECT_EQ(models.first().toObject().value(QStringLiteral("name")).toString(),
              QStringLiteral("TK700-3000"));
    // The older data has other models.
    const CliRun old =
        Kestload({QStringLiteral("--fit"), QStringLiteral("--old-data"), Example("palletising.kestload")});
    EXPECT_NE(old.out, run.out);
}

TEST(CommandLine, ReportIsATwoPagePdf) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("spot.pdf"));
    const CliRun run = Kestload({QStringLiteral("--check"), Example("spot-gun-large-robot.kestload"),
                                 QStringLiteral("--report"), pdf, QStringLiteral("--grey")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("report: " + pdf.toUtf8()));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           2"));
}

// The verdicts in English, the same results in both languages.
TEST(CommandLine, VerdictTextsFollowTheLanguage) {
    const QString palletising = Example("palletising.kestload");
    const CliRun en =
        Kestload({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--check"), palletising});
    EXPECT_EQ(en.status, 1);
    EXPECT_TRUE(en.out.contains("TK120-2500: Fail (further analysis needed) (code 3)"))
        << en.out.toStdString();
    EXPECT_TRUE(en.out.contains("Moment   \t  :  Statically overloaded (exception allowed)"));
    EXPECT_TRUE(en.out.contains("Inertia load\t  :  Dynamically high load"));
    EXPECT_TRUE(en.out.contains("TK165-2700: Pass (code 1)"));
    EXPECT_FALSE(ContainsHangul(QString::fromUtf8(en.out)));
    const CliRun ko = Kestload({QStringLiteral("--lang=ko"), QStringLiteral("--check"), palletising});
    EXPECT_EQ(ko.status, 1);
    EXPECT_TRUE(ko.out.contains("TK120-2500: 불합격 (추가 분석이 필요합니다.) (code 3)"))
        << ko.out.toStdString();
    const CliRun fit =
        Kestload({QStringLiteral("--fit"), palletising, QStringLiteral("--lang"), QStringLiteral("en")});
    EXPECT_TRUE(fit.out.contains("Fail (not supported)")) << fit.out.toStdString();

    // Apart from the texts the documents are the same, number for number.
    // Every verdict without its words (text, detail, details), in the robots
    // and in each load case's robots.
    auto withoutTexts = [](const QByteArray& json) {
        auto strip = [](QJsonArray robots) {
            for (qsizetype r = 0; r < robots.size(); ++r) {
                QJsonObject robot = robots[r].toObject();
                QJsonObject verdict = robot.value(QStringLiteral("verdict")).toObject();
                verdict.remove(QStringLiteral("text"));
                verdict.remove(QStringLiteral("detail"));
                verdict.remove(QStringLiteral("details"));  // their words
                robot.insert(QStringLiteral("verdict"), verdict);
                robots[r] = robot;
            }
            return robots;
        };
        QJsonObject root = QJsonDocument::fromJson(json).object();
        QJsonArray files = root.value(QStringLiteral("files")).toArray();
        for (qsizetype f = 0; f < files.size(); ++f) {
            QJsonObject file = files[f].toObject();
            file.insert(QStringLiteral("robots"), strip(file.value(QStringLiteral("robots")).toArray()));
            QJsonArray cases = file.value(QStringLiteral("cases")).toArray();
            for (qsizetype c = 0; c < cases.size(); ++c) {
                QJsonObject one = cases[c].toObject();
                one.insert(QStringLiteral("robots"), strip(one.value(QStringLiteral("robots")).toArray()));
                cases[c] = one;
            }
            file.insert(QStringLiteral("cases"), cases);
            files[f] = file;
        }
        root.insert(QStringLiteral("files"), files);
        return root;
    };
    const QStringList json = {QStringLiteral("--check"), QStringLiteral("--json"), palletising,
                              Example("spot-gun-large-robot.kestload")};
    const CliRun enJson = Kestload(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + json);
    const CliRun koJson = Kestload(QStringList{QStringLiteral("--lang"), QStringLiteral("ko")} + json);
    ASSERT_FALSE(enJson.out.isEmpty());
    EXPECT_NE(enJson.out, koJson.out);
    EXPECT_EQ(withoutTexts(enJson.out), withoutTexts(koJson.out));

    const CliRun bad =
        Kestload({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("--check"), palletising});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains("unknown language")) << bad.err.toStdString();
    EXPECT_TRUE(bad.out.isEmpty());
}

// Without --lang the locale decides, never the window's setting (View >
// Language), so that what scripts parse does not change behind them; the
// help follows too. The child shares the tests' temporary configuration folder.
TEST(CommandLine, OptionThenLocaleNeverTheWindowsSetting) {
    const QStringList check = {QStringLiteral("--check"), Example("light-gripper-small-robot.kestload")};
    auto english = [](const CliRun& r) { return r.out.contains("TK6-1400: Pass (code 1)"); };
    auto korean = [](const CliRun& r) { return r.out.contains("TK6-1400: 합격 (code 1)"); };
    const kesttest::SettingsGuard keep;
    ASSERT_TRUE(SavedLanguageSetting().isEmpty());
    EXPECT_TRUE(english(Kestload(check, QStringLiteral("en_US.UTF-8"))));
    EXPECT_TRUE(korean(Kestload(check, QStringLiteral("C.UTF-8"))));
    EXPECT_TRUE(korean(Kestload(check, QStringLiteral("ko_KR.UTF-8"))));
    SaveLanguageSetting(Lang::Korean);
    EXPECT_TRUE(english(Kestload(check, QStringLiteral("en_US.UTF-8"))));
    const CliRun helpEn = Kestload({QStringLiteral("--help")}, QStringLiteral("en_US.UTF-8"));
    EXPECT_TRUE(helpEn.out.startsWith("Usage: kestload")) << helpEn.out.toStdString();
    SaveLanguageSetting(Lang::English);
    EXPECT_TRUE(korean(Kestload(check, QStringLiteral("C.UTF-8"))));
    EXPECT_TRUE(english(Kestload(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + check,
                                 QStringLiteral("C.UTF-8"))));
    const CliRun helpKo = Kestload({QStringLiteral("--help")}, QStringLiteral("ko_KR.UTF-8"));
    EXPECT_EQ(helpKo.status, 0);
    EXPECT_TRUE(helpKo.out.startsWith("사용법: kestload")) << helpKo.out.toStdString();
    EXPECT_TRUE(helpKo.out.contains("--report F"));
}

// The report's fixed texts follow the language; its numbers do not.
TEST(CommandLine, ReportTextsFollowTheLanguageNumbersDoNot) {
    QTemporaryDir dir;
    QString text[2];
    const char* langs[2] = {"ko", "en"};
    for (int i = 0; i < 2; ++i) {
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(langs[i])));
        const CliRun run = Kestload(
            {QStringLiteral("--lang"), QLatin1String(langs[i]), QStringLiteral("--check"),
             QStringLiteral(KEST_SOURCE_DIR "docs/report-sample.kestload"), QStringLiteral("--report"), pdf});
        ASSERT_EQ(run.status, 1) << run.err.toStdString();
        QProcess toText;
        toText.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(toText.waitForFinished(30000));
        text[i] = QString::fromUtf8(toText.readAllStandardOutput());
    }
    for (const char* ko :
         {"분석보고서", "일반정보", "툴 파라미터", "상세 부하 테이블", "불합격 (지원되지 않음)"})
        EXPECT_TRUE(text[0].contains(QString::fromUtf8(ko))) << ko;
    for (const char* en : {"Analysis report", "General information", "Tool parameters", "Detailed load table",
                           "Fail (not supported)", "Coordinate system", "Company :"})
        EXPECT_TRUE(text[1].contains(QLatin1String(en))) << en;
    // The project's own texts are Korean; the report's words around them are not.
    for (const char* ko : {"분석보고서", "일반정보", "회사명", "합격"})
        EXPECT_FALSE(text[1].contains(QString::fromUtf8(ko))) << ko;
    const QRegularExpression number(QStringLiteral("-?\\d+\\.\\d+"));
    QStringList numbers[2];
    for (int i = 0; i < 2; ++i) {
        for (auto it = number.globalMatch(text[i]); it.hasNext();) numbers[i] << it.next().captured();
        numbers[i].sort();
    }
    EXPECT_GT(numbers[0].size(), 100);
    EXPECT_EQ(numbers[0], numbers[1]);
}

// The governing limit: the highest ratio, the first in the order mass,
// moments, inertias on a tie; hidden inertia is left out; NaN governs.
TEST(GoverningLimit, TiesOrderAndNotANumber) {
    AxisRatios moment{{0, 40, 50, 80, 80, 60}}, inertia{{10, 20, 30, 80, 80, 20}};
    CGoverningLimit g = GoverningLimit(80.0, moment, inertia, true);
    EXPECT_EQ(g.Text(), QStringLiteral("Tool mass 80.0 %"));
    g = GoverningLimit(79.9, moment, inertia, true);
    EXPECT_EQ(g.Text(), QStringLiteral("R2/B moment 80.0 %"));
    inertia.v[5] = 112.44;
    EXPECT_EQ(GoverningLimit(10, moment, inertia, true).Text(), QStringLiteral("R1 inertia 112.4 %"));
    EXPECT_EQ(GoverningLimit(10, moment, inertia, false).Text(), QStringLiteral("R2/B moment 80.0 %"));
    moment.v[2] = NAN;
    EXPECT_EQ(GoverningLimit(10, moment, inertia, true).Text(), QStringLiteral("V moment not a number"));
}

}  // namespace
