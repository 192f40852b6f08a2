// Mass-property reports of CAD programs and the units of the CAD import: every
// sample report gives the one test body, units convert to SI exactly, a
// missing unit is asked for, the sign of the products is checked by the
// parallel-axis rule, and bad input gives a clear status.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <chrono>
#include <cmath>

#include "CadUnits.h"
#include "MassReport.h"
#include "Strings.h"
#include "StringsCad.h"

using namespace kest;
using namespace kest::cad;

namespace {

QByteArray Sample(const char* name) {
    QFile f(QStringLiteral(KEST_SOURCE_DIR "tests/data/cad/reports/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The test body every sample describes (SI, tensor convention).
struct CTruth {
    double mass = 0.0;
    CVec3 com;
    CMat3 atCom{};
};

CTruth Truth() {
    const QJsonObject o = QJsonDocument::fromJson(Sample("test_body_truth_SI.json")).object();
    CTruth t;
    t.mass = o.value(QLatin1String("mass_kg")).toDouble();
    const QJsonArray c = o.value(QLatin1String("com_m")).toArray();
    t.com = {c.at(0).toDouble(), c.at(1).toDouble(), c.at(2).toDouble()};
    const QJsonArray m = o.value(QLatin1String("inertia_com_tensor_kg_m2")).toArray();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t.atCom[i][j] = m.at(i).toArray().at(j).toDouble();
    return t;
}

// Mass, centre and tensor against the test body, each relative to its
// largest value.
void ExpectBody(const CMassProps& p, double rel, const char* what) {
    const CTruth t = Truth();
    EXPECT_NEAR(p.massKg, t.mass, rel * t.mass) << what;
    EXPECT_NEAR(p.comM.x, t.com.x, rel * 0.045) << what;
    EXPECT_NEAR(p.comM.y, t.com.y, rel * 0.045) << what;
    EXPECT_NEAR(p.comM.z, t.com.z, rel * 0.045) << what;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(p.inertia[i][j], t.atCom[i][j], rel * 5.1e-3) << what << i << j;
}

// Whether a warning made from the text `id` is among `warnings` (the longest
// part of the text between its placeholders is looked for).
bool HasWarning(const QStringList& warnings, int id) {
    QString longest;
    for (const QString& part : LoadKestString(id).split(QRegularExpression(QStringLiteral("%\\d"))))
        if (part.size() > longest.size()) longest = part;
    for (const QString& w : warnings)
        if (w.contains(longest)) return true;
    return false;
}

CReportRead Read(const QByteArray& text, const CReportUnits& units = {}) {
    return ReadMassReport(text, units);
}

}  // namespace

TEST(CadReport, EverySampleGivesTheTestBody) {
    struct {
        const char* file;
        double rel;  // what the printed digits allow
    } const kSamples[] = {
        {"solidworks_metric_2dp.txt", 1e-6},
        {"solidworks_imperial_8dp_older_wording.txt", 1e-6},
        {"inventor_physical_clipboard_GUESS.txt", 1e-6},
        {"fusion360_properties_gmm.txt", 1e-6},
        {"fusion360_kgm_engineering_variant.txt", 1e-6},
        {"creo_m_p_PARTLY_GUESSED.txt", 1e-6},
        {"nx_uf_journal_listing.txt", 1e-6},
        {"onshape_api_massproperties.json", 1e-6},
    };
    for (const auto& s : kSamples) {
        const QByteArray text = Sample(s.file);
        ASSERT_FALSE(text.isEmpty()) << s.file;
        const CReportRead read = Read(text);
        ASSERT_EQ(read.status, ReportStatus::Ok) << s.file << ": " << read.message.toStdString();
        ASSERT_EQ(read.reports.size(), 1u) << s.file;
        const CMassReport& r = read.reports[0];
        ExpectBody(r.props, s.rel, s.file);
        EXPECT_FALSE(r.needsDensity) << s.file;
        EXPECT_TRUE(r.warnings.isEmpty())
            << s.file << ": " << r.warnings.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(r.format.isEmpty());

        // Pasted from an e-mail or a markdown page: indented by a TAB, CRLF.
        QByteArray pasted = text;
        pasted.replace("\n", "\r\n\t");
        pasted.prepend("\t");
        const CReportRead again = Read(pasted);
        ASSERT_EQ(again.status, ReportStatus::Ok) << s.file;
        ExpectBody(again.reports[0].props, s.rel, s.file);
    }

    // Units are read per block: grams for the mass, inches for the lengths.
    QByteArray mixed = Sample("solidworks_imperial_8dp_older_wording.txt");
    mixed.replace("Mass = 5.51155655 pounds", "Mass = 2500.0000 grams");
    const CReportRead mixedRead = Read(mixed);
    ASSERT_EQ(mixedRead.status, ReportStatus::Ok);
    ExpectBody(mixedRead.reports.at(0).props, 1e-6, "mixed units");

    // Names, output frames, density and volume are passed on.
    const CMassReport sw = Read(Sample("solidworks_metric_2dp.txt")).reports.at(0);
    EXPECT_EQ(sw.name, QStringLiteral("payload_bracket"));
    EXPECT_EQ(sw.coordinateSystem, QStringLiteral("CS_FLANGE"));
    ASSERT_TRUE(sw.densityKgM3.has_value());
    EXPECT_NEAR(*sw.densityKgM3, 10000.0, 1e-9);  // printed as 0.01 g/mm³
    ASSERT_TRUE(sw.volumeM3.has_value());
    EXPECT_NEAR(*sw.volumeM3, 3.1847134e-4, 1e-11);
    const CMassReport creo = Read(Sample("creo_m_p_PARTLY_GUESSED.txt")).reports.at(0);
    EXPECT_EQ(creo.coordinateSystem, QStringLiteral("_PAYLOAD_BRACKET"));
    EXPECT_NEAR(creo.densityKgM3.value_or(0.0), 7850.0, 1e-6);
    EXPECT_EQ(Read(Sample("fusion360_properties_gmm.txt")).reports.at(0).name,
              QStringLiteral("payload_bracket v3"));
    EXPECT_EQ(Read(Sample("onshape_api_massproperties.json")).reports.at(0).name, QStringLiteral("JHD"));

    // The console's "mass" is the volume at density 1 in mm: with the steel's
    // density it is the body (the tensor is printed with 6 digits).
    const CReportRead console = Read(Sample("freecad_console_density1.txt"));
    ASSERT_EQ(console.status, ReportStatus::Ok) << console.message.toStdString();
    const CMassReport& fc = console.reports.at(0);
    EXPECT_TRUE(fc.needsDensity);
    EXPECT_TRUE(HasWarning(fc.warnings, IDS_CAD_REPORT_NEEDS_DENSITY));
    EXPECT_NEAR(fc.volumeM3.value_or(0.0), 3.184713375796178e-4, 1e-15);
    ExpectBody(Scaled(fc.props, 7850.0), 1e-5, "console");

    // Several reports in one paste are several bodies.
    const CReportRead two = Read(Sample("solidworks_metric_2dp.txt") + "\n" +
                                 Sample("solidworks_imperial_8dp_older_wording.txt"));
    ASSERT_EQ(two.status, ReportStatus::Ok);
    ASSERT_EQ(two.reports.size(), 2u);
    EXPECT_EQ(two.reports[1].name, QStringLiteral("selected components"));
    ExpectBody(two.reports[1].props, 1e-6, "second report");
}

TEST(CadReport, UnitFactorsMatchHandComputedValues) {
    const double lb = 0.45359237, in = 0.0254, ft = 0.3048, g0 = 9.80665;
    EXPECT_EQ(ToKg(MassUnit::Pound), lb);
    EXPECT_EQ(ToKg(MassUnit::Tonne), 1000.0);
    EXPECT_EQ(ToMetre(LengthUnit::Inch), in);
    EXPECT_EQ(ToMetre(LengthUnit::Foot), ft);
    EXPECT_EQ(ToMetre(LengthUnit::Centimetre), 0.01);
    const struct {
        const char* text;
        double kgm2;
    } kInertia[] = {
        {"g mm^2", 1e-9},
        {"grams *  square millimeters", 1e-9},
        {"kilograms x square meters", 1.0},
        {"Kg.m^2", 1.0},
        {"kg·mm²", 1e-6},
        {"KILOGRAM * MM^2", 1e-6},
        {"GRAM * MM^2", 1e-9},
        {"TONNE * MM^2", 1e-3},
        {"kg cm^2", 1e-4},
        {"g cm^2", 1e-7},
        {"lbm in^2", lb * in * in},
        {"lb·in²", lb * in * in},
        {"pounds * square inches", lb * in * in},
        {"lb·ft²", lb * ft * ft},
        {"kgf·cm·s²", 0.0980665},
        {"kgf*m*s^2", g0},
        {"lbf in s^2", lb * g0 * in},
    };
    for (const auto& k : kInertia) {
        const std::optional<double> f = InertiaUnitFactor(QString::fromUtf8(k.text));
        ASSERT_TRUE(f.has_value()) << k.text;
        EXPECT_NEAR(*f, k.kgm2, 1e-15 * k.kgm2) << k.text;
    }
    EXPECT_NEAR(InertiaUnitFactor(QStringLiteral("lb in^2")).value_or(0), 2.9264e-4, 1e-8);
    EXPECT_NEAR(InertiaUnitFactor(QStringLiteral("lb ft^2")).value_or(0), 4.2140e-2, 1e-6);
    // A force is not a mass, a mass is not an inertia, a length cubed is not squared.
    for (const char* bad : {"lbf in^2", "kgf mm^2", "kg", "kg mm^3", "kg m", "kgf cm", "N m", "", "g / mm^2"})
        EXPECT_FALSE(InertiaUnitFactor(QString::fromUtf8(bad)).has_value()) << bad;

    EXPECT_NEAR(DensityUnitFactor(QStringLiteral("g / mm^3")).value_or(0), 1e6, 1e-6);
    EXPECT_NEAR(DensityUnitFactor(QStringLiteral("grams per cubic millimeter")).value_or(0), 1e6, 1e-6);
    EXPECT_NEAR(DensityUnitFactor(QStringLiteral("KILOGRAM / MM^3")).value_or(0), 1e9, 1e-3);
    EXPECT_NEAR(DensityUnitFactor(QStringLiteral("lb/in^3")).value_or(0), lb / (in * in * in), 1e-9);
    EXPECT_NEAR(DensityUnitFactor(QStringLiteral("pounds per cubic foot")).value_or(0), lb / (ft * ft * ft),
                1e-9);
    EXPECT_NEAR(DensityUnitFactor(QString::fromUtf8("kg/m³")).value_or(0), 1.0, 1e-15);
    EXPECT_FALSE(DensityUnitFactor(QStringLiteral("kg / mm^2")).has_value());

    for (const char* t : {"g", "grams", "GRAM", "Gram"})
        EXPECT_EQ(ParseMassUnit(QString::fromUtf8(t)), MassUnit::Gram);
    for (const char* t : {"kg", "Kg", "KILOGRAM", "kilograms"})
        EXPECT_EQ(ParseMassUnit(QString::fromUtf8(t)), MassUnit::Kilogram) << t;
    for (const char* t : {"lb", "lbm", "pounds"})
        EXPECT_EQ(ParseMassUnit(QString::fromUtf8(t)), MassUnit::Pound);
    EXPECT_EQ(ParseMassUnit(QStringLiteral("TONNE")), MassUnit::Tonne);
    for (const char* t : {"lbf", "kgf", "mm", "kg m", ""})
        EXPECT_FALSE(ParseMassUnit(QString::fromUtf8(t))) << t;
    for (const char* t : {"mm", "millimeters", "MM", "millimetre"})
        EXPECT_EQ(ParseLengthUnit(QString::fromUtf8(t)), LengthUnit::Millimetre) << t;
    EXPECT_EQ(ParseLengthUnit(QStringLiteral("inches")), LengthUnit::Inch);
    EXPECT_EQ(ParseLengthUnit(QStringLiteral("feet")), LengthUnit::Foot);
    EXPECT_EQ(ParseLengthUnit(QStringLiteral("meters")), LengthUnit::Metre);
    EXPECT_FALSE(ParseLengthUnit(QStringLiteral("mm^2")));
    EXPECT_EQ(UnitSymbol(LengthUnit::Inch), QStringLiteral("in"));
    EXPECT_EQ(UnitSymbol(MassUnit::Pound), QStringLiteral("lb"));
}

TEST(CadReport, PlainTableAsksForMissingUnitsAndReadsWithTheGivenOnes) {
    const QByteArray withUnits =
        "name: bracket\n"
        "mass = 2.500 kg\n"
        "centre of mass = 12.00, -8.00, 45.00 mm\n"
        "inertia tensor (kg mm^2):\n"
        "  4200.0  -120.0   210.0\n"
        "  -120.0  5100.0   -80.0\n"
        "   210.0   -80.0  3300.0\n";
    CReportRead read = Read(withUnits);
    ASSERT_EQ(read.status, ReportStatus::Ok) << read.message.toStdString();
    ExpectBody(read.reports.at(0).props, 1e-9, "table");
    EXPECT_EQ(read.reports[0].name, QStringLiteral("bracket"));
    // The tensor is given in the tensor convention unless a line says otherwise.
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_SIGN_UNSTATED));

    // Ixx … Izz lines, a stated sign; two tables are two bodies.
    const QByteArray lines =
        "mass: 2500.0 g\ncog (mm): 12.00, -8.00, 45.00\nproducts: tensor\n"
        "Ixx = 4.2000e-3 kg m^2\nIyy = 5.1000e-3 kg m^2\nIzz = 3.3000e-3 kg m^2\n"
        "Ixy = -1.2000e-4 kg m^2\nIxz = 2.1000e-4 kg m^2\nIyz = -8.0000e-5 kg m^2\n";
    read = Read(lines + "\n" + lines);
    ASSERT_EQ(read.status, ReportStatus::Ok) << read.message.toStdString();
    ASSERT_EQ(read.reports.size(), 2u);
    ExpectBody(read.reports[1].props, 1e-9, "lines");
    EXPECT_TRUE(read.reports[1].warnings.isEmpty())
        << read.reports[1].warnings.join(QLatin1Char('|')).toStdString();

    // Ixx, Iyy and Izz alone state products of 0.
    read = Read(
        "Part: gripper\nMass: 1.250 kg\nCoG [mm]: 0.000, 0.000, 60.00\n"
        "Jxx = 0.003100 kg·m²\nJyy = 0.003100 kg·m²\nJzz = 0.001200 kg·m²\n");
    ASSERT_EQ(read.status, ReportStatus::Ok) << read.message.toStdString();
    EXPECT_EQ(read.reports[0].name, QStringLiteral("gripper"));
    EXPECT_NEAR(read.reports[0].props.comM.z, 0.06, 1e-15);
    EXPECT_EQ(read.reports[0].props.inertia[0][1], 0.0);
    EXPECT_NEAR(read.reports[0].props.inertia[2][2], 0.0012, 1e-15);
    EXPECT_TRUE(read.reports[0].warnings.isEmpty())
        << read.reports[0].warnings.join(QLatin1Char('|')).toStdString();

    // Without units: asked for, never guessed; then read with the given ones.
    const QByteArray bare =
        "mass = 2.500\ncentre of mass = 12.00, -8.00, 45.00\ninertia:\n"
        "4200.0 -120.0 210.0\n-120.0 5100.0 -80.0\n210.0 -80.0 3300.0\n";
    read = Read(bare);
    EXPECT_EQ(read.status, ReportStatus::MissingUnit);
    EXPECT_TRUE(read.needsMassUnit);
    EXPECT_TRUE(read.needsLengthUnit);
    EXPECT_FALSE(read.message.isEmpty());
    EXPECT_TRUE(read.reports.empty());
    read = Read(bare, CReportUnits{MassUnit::Kilogram, LengthUnit::Millimetre, std::nullopt});
    ASSERT_EQ(read.status, ReportStatus::Ok) << read.message.toStdString();
    ExpectBody(read.reports.at(0).props, 1e-9, "given units");

    // Only the mass unit missing asks only for it; a force is not a mass.
    QByteArray massOnly = withUnits;
    massOnly.replace("2.500 kg", "2.500");
    read = Read(massOnly);
    EXPECT_EQ(read.status, ReportStatus::MissingUnit);
    EXPECT_TRUE(read.needsMassUnit);
    EXPECT_FALSE(read.needsLengthUnit);
    massOnly.replace("2.500", "2.500 kgf");
    EXPECT_EQ(Read(massOnly).status, ReportStatus::MissingUnit);
    read = Read(massOnly, CReportUnits{MassUnit::Kilogram, std::nullopt, std::nullopt});
    ASSERT_EQ(read.status, ReportStatus::Ok);
    ExpectBody(read.reports.at(0).props, 1e-9, "given mass unit");
}

TEST(CadReport, ProductSignIsCheckedByTheParallelAxisRule) {
    const CTruth truth = Truth();
    // An origin block that fits the centre block only if the products were
    // −∫xy dm, not the layout's +∫xy dm: a warning names it and the layout's
    // convention stays.
    QByteArray sw = Sample("solidworks_metric_2dp.txt");
    sw.replace("Ixy = -120000.00", "Ixy = 360000.00")
        .replace("Iyx = -120000.00", "Iyx = 360000.00")
        .replace("Ixz = 1140000.00", "Ixz = -1560000.00")
        .replace("Izx = 1140000.00", "Izx = -1560000.00")
        .replace("Iyz = -820000.00", "Iyz = 980000.00")
        .replace("Izy = -820000.00", "Izy = 980000.00");
    CReportRead read = Read(sw);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_SIGN_MISMATCH));
    ExpectBody(read.reports[0].props, 1e-6, "layout sign kept");

    // The user's sign overrides the layout's, and the check still speaks.
    read = Read(Sample("solidworks_metric_2dp.txt"),
                CReportUnits{std::nullopt, std::nullopt, ProductSign::Tensor});
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_NEAR(read.reports[0].props.inertia[0][1], -truth.atCom[0][1], 1e-12);
    EXPECT_NEAR(read.reports[0].props.inertia[1][2], -truth.atCom[1][2], 1e-12);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_SIGN_MISMATCH));

    // A report that does not state its sign: decided by the origin block …
    QByteArray inv = Sample("inventor_physical_clipboard_GUESS.txt");
    inv.replace(" (Calculated using negative integral)", "");
    read = Read(inv);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(read.reports[0].warnings.isEmpty())
        << read.reports[0].warnings.join(QLatin1Char('|')).toStdString();
    ExpectBody(read.reports[0].props, 1e-6, "sign from the origin block");
    // … or, the products flipped to +∫xy dm, found positive by the same rule.
    QByteArray invPositive = inv;
    for (const char* label : {"Ixy\t", "Ixz\t", "Iyz\t"}) {
        for (qsizetype at = invPositive.indexOf(label); at >= 0; at = invPositive.indexOf(label, at + 1)) {
            const qsizetype v = at + 4;
            if (invPositive[v] == '-')
                invPositive.remove(v, 1);
            else
                invPositive.insert(v, '-');
        }
    }
    read = Read(invPositive);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    ExpectBody(read.reports[0].props, 1e-6, "positive found by the rule");
    // Without an origin block it is said, not guessed silently.
    inv.truncate(inv.indexOf("Mass Moments of Inertia with respect to Global"));
    read = Read(inv);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_SIGN_UNSTATED));

    // An origin block of another body; the inertia only about the origin is
    // moved to the centre of mass.
    QByteArray creo = Sample("creo_m_p_PARTLY_GUESSED.txt");
    creo.replace("9.4225000e+03", "8.4225000e+03");
    read = Read(creo);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_ORIGIN_MISMATCH));
    read = Read(
        "mass = 2.5000 kg\ncentre of mass = 12.000, -8.000, 45.000 mm\nproducts: tensor\n"
        "inertia at origin [kg mm^2] = 9422.5, 120, -1140, 120, 10522.5, 820, -1140, 820, 3820\n");
    ASSERT_EQ(read.status, ReportStatus::Ok) << read.message.toStdString();
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_FROM_ORIGIN));
    ExpectBody(read.reports[0].props, 1e-9, "from the origin");
}

TEST(CadReport, WarningsNameWhatTheUserShouldCheck) {
    // Principal moments that are not the tensor's eigenvalues.
    QByteArray sw = Sample("solidworks_metric_2dp.txt");
    sw.replace("Px = 3251927.63", "Px = 3351927.63");
    CReportRead read = Read(sw);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_PRINCIPAL_MISMATCH));

    // Too few digits, a density printed as 0, values overridden by the user.
    sw = Sample("solidworks_metric_2dp.txt");
    sw.replace("Mass = 2500.00 grams", "Mass = 2.50 kilograms")
        .replace("Density = 0.01", "Density = 0.00")
        .replace("Center of mass: ( millimeters )", "Center of Mass (user-overridden): ( millimeters )");
    read = Read(sw);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    const QStringList& w = read.reports[0].warnings;
    EXPECT_TRUE(HasWarning(w, IDS_CAD_REPORT_LOW_PRECISION));
    EXPECT_TRUE(HasWarning(w, IDS_CAD_REPORT_DENSITY_ZERO));
    EXPECT_TRUE(HasWarning(w, IDS_CAD_REPORT_OVERRIDDEN));
    ExpectBody(read.reports[0].props, 1e-6, "warnings");

    // A tensor printed with Lxy ≠ Lyx: named, and the mean used.
    sw = Sample("solidworks_metric_2dp.txt");
    sw.replace("Lyx = 120000.00", "Lyx = 100000.00");
    read = Read(sw);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_NOT_SYMMETRIC));
    EXPECT_NEAR(read.reports[0].props.inertia[0][1], -1.1e-4, 1e-12);
    EXPECT_EQ(read.reports[0].props.inertia[1][0], read.reports[0].props.inertia[0][1]);

    // Bodies without material in a JSON answer.
    QByteArray json = Sample("onshape_api_massproperties.json");
    json.replace("\"massMissingCount\": 0", "\"massMissingCount\": 2");
    read = Read(json);
    ASSERT_EQ(read.status, ReportStatus::Ok);
    EXPECT_TRUE(HasWarning(read.reports[0].warnings, IDS_CAD_REPORT_MASS_MISSING_PARTS));
}

TEST(CadReport, BadInputGivesAClearStatusNeverACrash) {
    const auto refused = [](const QByteArray& text, ReportStatus status, const char* what) {
        const CReportRead read = ReadMassReport(text);
        EXPECT_EQ(read.status, status) << what;
        EXPECT_FALSE(read.message.isEmpty()) << what;
        EXPECT_TRUE(read.reports.empty()) << what;
        return read.message;
    };
    refused(QByteArray(), ReportStatus::NotRecognised, "empty");
    refused("hello\nworld 42\n", ReportStatus::NotRecognised, "words");
    QByteArray noise;
    for (int i = 0; i < 4096; ++i) noise.append(static_cast<char>((i * 7919 + 13) % 256));
    refused(noise, ReportStatus::NotRecognised, "noise");
    refused("{\"bodies\": 3}", ReportStatus::NotRecognised, "JSON without bodies");
    refused("{\"bodies\": {\"a\": {\"mass\": [\"x\"]}}}", ReportStatus::Invalid, "JSON body without values");

    const QByteArray sw = Sample("solidworks_metric_2dp.txt");
    const QString truncated =
        refused(sw.left(sw.indexOf("Moments of inertia")), ReportStatus::Invalid, "truncated");
    EXPECT_TRUE(truncated.contains(LoadKestString(IDS_CAD_REPORT_WORD_INERTIA))) << truncated.toStdString();
    QByteArray bad = sw;
    refused(bad.replace("Mass = 2500.00", "Mass = nan"), ReportStatus::Invalid, "NaN mass");
    bad = sw;
    refused(bad.replace("Lyy = 5100000.00", "Lyy = inf"), ReportStatus::Invalid, "infinite moment");
    bad = sw;
    refused(bad.replace("Y = -8.00", "Y = 1e999"), ReportStatus::Invalid, "overflowing centre");
    bad = sw;
    refused(bad.replace("Lxx = 4200000.00", "Lxx = 4200000,00"), ReportStatus::Invalid, "decimal comma");
    bad = sw;
    refused(bad.replace("Mass = 2500.00", "Mass = 2,500.00"), ReportStatus::Invalid, "thousands separator");
    bad = sw;
    refused(bad.replace("Mass = 2500.00", "Mass = -2500.00"), ReportStatus::Invalid, "negative mass");
    bad = sw;
    refused(bad.replace("Mass = 2500.00", "Mass = 0.00"), ReportStatus::Invalid, "zero mass");
    bad = Sample("fusion360_kgm_engineering_variant.txt");
    refused(bad.replace("\t\tIzz\t3300.000E-06\n", ""), ReportStatus::Invalid, "a missing moment");

    // Too large is refused before reading; just under the limit is read fast.
    refused(QByteArray(kMaxReportBytes + 1, 'x'), ReportStatus::Invalid, "huge");
    QByteArray big;
    while (big.size() < kMaxReportBytes - 2000) big.append("\tLxx = Lxy = Lxz = 1 Ixx = ( (");
    const auto start = std::chrono::steady_clock::now();
    const CReportRead read = ReadMassReport(
        "Mass properties of x\nMoments of inertia: ( g mm^2 )\n"
        "Taken at the center of mass.\n" +
        big);
    EXPECT_NE(read.status, ReportStatus::Ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}
