// Load values that no real load has: magnitudes refused in files and edits,
// negative masses and inertias that give no verdict, numbers read only by
// their leading part named as warnings, and ratios that are not finite.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "DataExchange.h"
#include "DialogFixture.h"
#include "ProjectCheck.h"
#include "ProjectFile.h"
#include "Strings.h"

using namespace kest;
using kesttest::MainDialog;

namespace {

QByteArray Example(const char* name) {
    QFile f(QStringLiteral(KEST_SOURCE_DIR "examples/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
}

struct CliRun {
    int status = -1;
    QByteArray out, err;
};

CliRun Kestload(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(kesttest::BuildAppFolder() + QStringLiteral("kestload"), QStringList{"--lang", "en"} + args);
    CliRun r;
    if (!p.waitForFinished(60000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

const QByteArray kPalletMass = "Mass=\"118.0000\"";

}  // namespace

// The reader: magnitudes beyond any real load fail the open like a bad number;
// a value that is not a plain number is read by its leading part, and named.
TEST(LoadValues, ReaderRefusesAbsurdMagnitudesAndNamesPrefixNumbers) {
    const QByteArray pallet = Example("palletising.kestload");
    ASSERT_TRUE(pallet.contains(kPalletMass));
    const struct {
        const char* from;
        const char* to;
    } absurd[] = {{"Mass=\"118.0000\"", "Mass=\"-1e308\""}, {"Mass=\"118.0000\"", "Mass=\"100000.5\""},
                  {"Lz=\"310.0000\"", "Lz=\"100001\""},     {"Lx=\"380.0000\"", "Lx=\"-1e308\""},
                  {"Ixx=\"6.2000\"", "Ixx=\"1000001\""},    {"Iyy=\"7.4000\"", "Iyy=\"-2e6\""}};
    for (const auto& c : absurd) {
        QByteArray bytes = pallet;
        bytes.replace(c.from, c.to);
        CProject p;
        QString error;
        EXPECT_EQ(ReadProjectText(bytes, p, &error), -8) << c.to;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.to).section(QLatin1Char('"'), 1, 1)))
            << error.toStdString();
    }
    // The largest real values still open.
    QByteArray edge = pallet;
    edge.replace(kPalletMass, "Mass=\"100000\"").replace("Lz=\"310.0000\"", "Lz=\"-100000\"");
    CProject p;
    QStringList warnings{QStringLiteral("stale")};
    ASSERT_EQ(ReadProjectText(edge, p, nullptr, &warnings), 0);
    EXPECT_EQ(p.Loads.tool.Mass, 100000.0);
    EXPECT_TRUE(warnings.isEmpty());  // plain numbers give no warning

    SetCurrentLanguage(Lang::English);
    QByteArray prefix = pallet;
    prefix.replace(kPalletMass, "Mass=\"12,5\"").replace("Lz=\"310.0000\"", "Lz=\"12 kg\"");
    prefix.replace("Ixx=\"6.2000\"", "Ixx=\".\"").replace("Iyy=\"7.4000\"", "Iyy=\"\xEF\xBC\x93\"");
    ASSERT_EQ(ReadProjectText(prefix, p, nullptr, &warnings), 0);
    EXPECT_EQ(p.Loads.tool.Mass, 12.0);
    EXPECT_EQ(p.Loads.tool.Lz, 0.012);
    EXPECT_EQ(p.Loads.tool.Iyy, 0.0);
    EXPECT_EQ(warnings, (QStringList{QStringLiteral("Tool Mass: '12,5' read as 12"),
                                     QStringLiteral("Tool Lz: '12 kg' read as 12"),
                                     QStringLiteral("Tool Ixx: '.' read as 0"),
                                     QString::fromUtf8("Tool Iyy: '\xEF\xBC\x93' read as 0")}));
    SetCurrentLanguage(Lang::Korean);
    // Every golden file still reads without a warning.
    for (const char* golden : {"golden_one_robot.kestload", "golden_three_robots.kestload"}) {
        ASSERT_EQ(ReadProjectFile(QStringLiteral(KEST_SOURCE_DIR "tests/data/") + QLatin1String(golden), p,
                                  nullptr, &warnings),
                  0);
        EXPECT_TRUE(warnings.isEmpty()) << golden;
    }
}

// Edits: a negative mass or inertia has its own message, a magnitude beyond
// any real load is "Enter a number."; a value that an opened file brought stays.
TEST(LoadValues, EditsRefuseNegativeAndAbsurdValues) {
    SetCurrentLanguage(Lang::English);
    CPrmLoadSub load;
    QWidget parent;
    CPgAddLoad page(nullptr, &parent, &load);
    page.SetName(QStringLiteral("Tool"));
    const QString negative = LoadKestString(IDS_NEGATIVE_ENTRY);
    const struct {
        int id;
        const char* text;
        QString message;
    } bad[] = {{IDC_MASS, "-5", QStringLiteral("Tool Mass: ") + negative},
               {IDC_IYY, "-0.1", QStringLiteral("Tool Iyy: ") + negative},
               {IDC_MASS, "100001", QStringLiteral("Tool Mass: Enter a number.")},
               {IDC_LX, "-100000.5", QStringLiteral("Tool Lx: Enter a number.")},
               {IDC_IZZ, "1e7", QStringLiteral("Tool Izz: Enter a number.")}};
    for (const auto& c : bad) {
        ASSERT_TRUE(page.UpdateData(false));
        kesttest::Messages().Reset();
        SetDlgItemText(&page, c.id, QString::fromLatin1(c.text));
        EXPECT_FALSE(page.UpdateData(true)) << c.text;
        EXPECT_EQ(kesttest::Messages().Texts(), QStringList{c.message}) << c.text;
        EXPECT_EQ(load.Mass, 0.0);
        EXPECT_EQ(load.Iyy, 0.0);
    }
    ASSERT_TRUE(page.UpdateData(false));
    SetDlgItemText(&page, IDC_LX, QStringLiteral("-100000"));
    SetDlgItemText(&page, IDC_MASS, QStringLiteral("100000"));
    EXPECT_TRUE(page.UpdateData(true));
    EXPECT_EQ(load.Lx, -100.0);
    // A negative value that a file brought is shown and kept, for the analysis to refuse.
    load.Ixx = -2;
    ASSERT_TRUE(page.UpdateData(false));
    EXPECT_TRUE(page.UpdateData(true));
    EXPECT_EQ(load.Ixx, -2.0);
    SetCurrentLanguage(Lang::Korean);
}

// A negative mass in a file: every robot shows the grey box with the reason,
// and the command line exits 2 naming the field. An absurd value does not pass.
TEST_F(MainDialog, NegativeLoadsGiveNoVerdictAnywhere) {
    QTemporaryDir dir;
    QByteArray bytes = Example("palletising.kestload");
    bytes.replace(kPalletMass, "Mass=\"-5\"");
    const QString path = WriteFile(dir, "negative.kestload", bytes);
    dlg->SetPathName(path);
    EXPECT_EQ(dlg->DoOpenPrj(), PRJ_OK);
    const QString reason =
        LoadKestString(IDS_LOAD_NEGATIVE).arg(QStringLiteral("Tool"), LoadKestString(IDS_MASS));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dlg->m_nVerdict[i], 0) << i;  // the grey box
        EXPECT_EQ(dlg->m_strVerdict[i], reason) << i;
    }
    EXPECT_TRUE(kesttest::Messages().shown.empty()) << kesttest::Messages().Texts().join('|').toStdString();

    // Prefix numbers: one message after opening lists them.
    bytes = Example("palletising.kestload");
    bytes.replace(kPalletMass, "Mass=\"118,5\"").replace("Lz=\"310.0000\"", "Lz=\"310 mm\"");
    dlg->SetPathName(WriteFile(dir, "prefix.kestload", bytes));
    kesttest::Messages().Reset();
    dlg->DoOpenPrj();
    ASSERT_EQ(kesttest::Messages().shown.size(), 1u);
    EXPECT_TRUE(kesttest::Messages().Texts()[0].contains(QStringLiteral("Tool Mass: '118,5'")));
    EXPECT_TRUE(kesttest::Messages().Texts()[0].contains(QStringLiteral("Tool Lz: '310 mm'")));
    EXPECT_NE(dlg->m_nVerdict[0], 0);

    // A file that cannot be opened is reported to the caller too, and the
    // window keeps its project and the path it showed.
    const QString prefixPath = dlg->GetPathName();
    QByteArray noH = bytes;
    noH.replace("\t<AddLoad-H\r\n", "\t<AddLoad-X\r\n");
    dlg->SetPathName(WriteFile(dir, "noh.kestload", noH));
    kesttest::Messages().Reset();
    EXPECT_EQ(dlg->DoOpenPrj(prefixPath), PRJ_NO_ADDLOAD_H);
    EXPECT_EQ(dlg->GetPathName(), prefixPath);
    EXPECT_EQ(dlg->m_prmTool.Mass, 118.0);
    EXPECT_EQ(kesttest::Messages().shown.size(), 1u);

    const CliRun neg = Kestload({QStringLiteral("--check"), QStringLiteral("--json"), path});
    EXPECT_EQ(neg.status, 2);
    EXPECT_TRUE(neg.err.contains("negative.kestload: Tool Mass is negative")) << neg.err.toStdString();
    const QJsonObject file =
        QJsonDocument::fromJson(neg.out).object().value(QStringLiteral("files")).toArray()[0].toObject();
    for (const QJsonValue r : file.value(QStringLiteral("robots")).toArray()) {
        EXPECT_EQ(r[QStringLiteral("verdict")][QStringLiteral("code")].toInt(), 0);
        EXPECT_EQ(r[QStringLiteral("noVerdict")].toString(), QStringLiteral("Tool Mass is negative"));
    }
    // palletising fails (1); near -1e308 it must not pass either.
    bytes = Example("palletising.kestload");
    bytes.replace(kPalletMass, "Mass=\"-1.7e308\"");
    EXPECT_EQ(Kestload({QStringLiteral("--check"), WriteFile(dir, "huge.kestload", bytes)}).status, 2);
    bytes = Example("palletising.kestload");
    bytes.replace("Lz=\"310.0000\"", "Lz=\"-1.7e308\"");
    EXPECT_EQ(Kestload({QStringLiteral("--check"), WriteFile(dir, "far.kestload", bytes)}).status, 2);

    // Prefix numbers on the command line: standard error and the JSON.
    const CliRun pre = Kestload({QStringLiteral("--check"), QStringLiteral("--json"), dlg->GetPathName()});
    EXPECT_TRUE(pre.err.contains("prefix.kestload: Tool Mass: '118,5' read as 118")) << pre.err.toStdString();
    const QJsonArray warnings = QJsonDocument::fromJson(pre.out)
                                    .object()
                                    .value(QStringLiteral("files"))
                                    .toArray()[0]
                                    .toObject()
                                    .value(QStringLiteral("warnings"))
                                    .toArray();
    // Read in part: code, no load (the text names the element), the text.
    EXPECT_EQ(warnings.size(), 2);
    const QJsonObject first = warnings[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("code")).toString(), QStringLiteral("number-read-in-part"));
    EXPECT_TRUE(first.value(QStringLiteral("load")).isNull());
    EXPECT_EQ(first.value(QStringLiteral("text")).toString(),
              QStringLiteral("Tool Mass: '118,5' read as 118"));
}

// Ratios of either infinite sign or NaN: above every threshold, and the JSON
// says which each null is.
TEST(LoadValues, RatiosThatAreNotFiniteGovernAndAreNamedInJson) {
    AxisRatios moment{}, inertia{};
    moment.v[2] = -INFINITY;  // V moment
    inertia.v[5] = 250.0;
    CGoverningLimit g = GoverningLimit(50.0, moment, inertia, true);
    EXPECT_EQ(g.Text(), QStringLiteral("V moment minus infinite"));
    moment.v[2] = 10.0;
    EXPECT_EQ(GoverningLimit(-INFINITY, moment, inertia, true).Text(),
              QStringLiteral("Tool mass minus infinite"));

    CRobotResult r;
    r.name = QStringLiteral("TK6-1400");
    r.found = r.analysed = true;
    r.moment.v[1] = -INFINITY;
    r.moment.v[2] = NAN;
    r.moment.v[3] = INFINITY;
    r.governing = GoverningLimit(1.0, r.moment, r.inertia, true);
    const QJsonObject o = RobotToJson(r);
    const QJsonObject m = o[QStringLiteral("ratios")][QStringLiteral("moment")].toObject();
    EXPECT_TRUE(m[QStringLiteral("H")].isNull());
    EXPECT_EQ(m[QStringLiteral("HText")].toString(), QStringLiteral("-inf"));
    EXPECT_EQ(m[QStringLiteral("VText")].toString(), QStringLiteral("nan"));
    EXPECT_EQ(m[QStringLiteral("R2Text")].toString(), QStringLiteral("inf"));
    EXPECT_FALSE(m.contains(QStringLiteral("R1Text")));
    EXPECT_EQ(o[QStringLiteral("governing")][QStringLiteral("percentText")].toString(),
              QStringLiteral("-inf"));
}
