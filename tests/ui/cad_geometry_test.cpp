// Geometry import: STEP and STL solids against hand-computed volume, centre
// and inertia tensor; names and placements of an assembly; shapes that
// enclose no volume named and left out; damaged files refused with a message;
// a read cancelled through its progress.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <set>

#include "CadGeometry.h"
#include "Strings.h"
#include "StringsCad.h"

using namespace kest::cad;

namespace {

QString Data(const char* name) {
    return QStringLiteral(KEST_SOURCE_DIR "tests/data/cad/") + QLatin1String(name);
}

// Hand-computed mass properties at density 1 (mass = volume), in metres.
struct Expected {
    double volume;
    CVec3 centre;
    CMat3 tensor;
};

// A box of edges dx, dy, dz (m) centred at c.
Expected Box(double dx, double dy, double dz, CVec3 c) {
    const double v = dx * dy * dz;
    CMat3 t{};
    t[0][0] = v * (dy * dy + dz * dz) / 12;
    t[1][1] = v * (dx * dx + dz * dz) / 12;
    t[2][2] = v * (dx * dx + dy * dy) / 12;
    return {v, c, t};
}

// Two bodies as one: the common centre, each tensor moved there by the
// parallel-axis rule I + m(|d|²E − d·dᵀ).
Expected Sum(const Expected& a, const Expected& b) {
    Expected s{a.volume + b.volume, {}, {}};
    s.centre = {(a.volume * a.centre.x + b.volume * b.centre.x) / s.volume,
                (a.volume * a.centre.y + b.volume * b.centre.y) / s.volume,
                (a.volume * a.centre.z + b.volume * b.centre.z) / s.volume};
    for (const Expected* e : {&a, &b}) {
        const double d[3] = {e->centre.x - s.centre.x, e->centre.y - s.centre.y, e->centre.z - s.centre.z};
        const double d2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                s.tensor[i][j] += e->tensor[i][j] + e->volume * ((i == j ? d2 : 0) - d[i] * d[j]);
    }
    return s;
}

// Each value to 1e-6 relative; the centre against the body's size and the
// products against the largest moment, where the exact value may be 0.
void ExpectProps(const CCadSolid& s, const Expected& e, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(s.measurable) << s.problem.toStdString();
    const double size = std::cbrt(e.volume);
    EXPECT_NEAR(s.volumeM3, e.volume, 1e-6 * e.volume);
    EXPECT_NEAR(s.unitDensity.massKg, e.volume, 1e-6 * e.volume);
    EXPECT_NEAR(s.unitDensity.comM.x, e.centre.x, 1e-6 * size);
    EXPECT_NEAR(s.unitDensity.comM.y, e.centre.y, 1e-6 * size);
    EXPECT_NEAR(s.unitDensity.comM.z, e.centre.z, 1e-6 * size);
    const double largest = std::max({e.tensor[0][0], e.tensor[1][1], e.tensor[2][2]});
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(s.unitDensity.inertia[i][j], e.tensor[i][j], 1e-6 * largest) << "I" << i << j;
}

CCadGeometry Read(const QString& path, std::optional<LengthUnit> unit = LengthUnit::Millimetre) {
    CCadGeometry g;
    QString error;
    EXPECT_EQ(ReadGeometryFile(path, unit, g, error), GEOM_OK) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    return g;
}

// The box and the L of the generator, in metres.
Expected BoxValues() { return Box(0.040, 0.030, 0.020, {0.030, 0.035, 0.040}); }
Expected LValues() {
    return Sum(Box(0.060, 0.020, 0.020, {0.030, 0.010, 0.015}),
               Box(0.020, 0.030, 0.020, {0.010, 0.035, 0.015}));
}

// The start of a message, before its first placeholder.
QString Opening(int id) { return kest::LoadKestString(id).section(QLatin1Char('%'), 0, 0); }

// Turns the corners of binary STL triangle `i` the other way round.
void TurnTriangle(QByteArray& stl, int i) {
    char* corner = stl.data() + 84 + 50 * i + 12;
    char tmp[12];
    std::memcpy(tmp, corner + 12, 12);
    std::memcpy(corner + 12, corner + 24, 12);
    std::memcpy(corner + 24, tmp, 12);
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

int Status(const QString& path, QString& error, std::optional<LengthUnit> unit = LengthUnit::Millimetre) {
    CCadGeometry g;
    const int status = ReadGeometryFile(path, unit, g, error);
    if (status != GEOM_OK && status != GEOM_NO_SOLIDS) {
        EXPECT_TRUE(g.solids.empty());
    }
    EXPECT_EQ(status == GEOM_OK, error.isEmpty()) << error.toStdString();
    return status;
}

}  // namespace

TEST(CadGeometry, StepSolidsMatchHandComputedValues) {
    const CCadGeometry box = Read(Data("box.step"), std::nullopt);
    ASSERT_EQ(box.solids.size(), 1u);
    EXPECT_TRUE(box.unitFromFile);
    EXPECT_EQ(box.solids[0].name, QStringLiteral("Box"));
    ExpectProps(box.solids[0], BoxValues(), "box.step");
    EXPECT_FALSE(box.solids[0].triangles.empty());

    // Written in inches: radius 20 mm, length 50 mm along X from (−10, 10, −5) mm.
    const CCadGeometry cylinder = Read(Data("cylinder.step"), std::nullopt);
    ASSERT_EQ(cylinder.solids.size(), 1u);
    const double r = 0.020, l = 0.050, v = M_PI * r * r * l;
    CMat3 t{};
    t[0][0] = v * r * r / 2;
    t[1][1] = t[2][2] = v * (3 * r * r + l * l) / 12;
    ExpectProps(cylinder.solids[0], {v, {0.015, 0.010, -0.005}, t}, "cylinder.step");

    const CCadGeometry lshape = Read(Data("lshape.step"), std::nullopt);
    ASSERT_EQ(lshape.solids.size(), 1u);
    EXPECT_EQ(lshape.solids[0].name, QStringLiteral("L-shape"));
    ExpectProps(lshape.solids[0], LValues(), "lshape.step");
    // The L has a product of inertia: the sign convention is the tensor's.
    EXPECT_GT(lshape.solids[0].unitDensity.inertia[0][1], 0.0);
}

TEST(CadGeometry, StlSolidsMatchHandComputedValues) {
    const CCadGeometry box = Read(Data("box.stl"));
    ASSERT_EQ(box.solids.size(), 1u);
    EXPECT_FALSE(box.unitFromFile);
    EXPECT_EQ(box.solids[0].triangles.size(), 12u);
    ExpectProps(box.solids[0], BoxValues(), "box.stl");
    ExpectProps(Read(Data("lshape.stl")).solids.at(0), LValues(), "lshape.stl");

    // The same L in centimetres: ten times the size.
    Expected big = LValues();
    big.volume *= 1e3;
    big.centre = {big.centre.x * 10, big.centre.y * 10, big.centre.z * 10};
    for (auto& row : big.tensor)
        for (double& v : row) v *= 1e5;
    ExpectProps(Read(Data("lshape.stl"), LengthUnit::Centimetre).solids.at(0), big, "lshape.stl in cm");

    // ASCII: a wedge over the right triangle (5, −5), (35, −5), (5, 35), from
    // z = 2 to 12 mm. Legs a = 30, b = 40, height h = 10.
    const double a = 0.030, b = 0.040, h = 0.010, area = a * b / 2, v = area * h;
    const double sxx = h * b * a * a * a / 36, syy = h * a * b * b * b / 36, szz = area * h * h * h / 12;
    CMat3 t{};
    t[0][0] = syy + szz;
    t[1][1] = sxx + szz;
    t[2][2] = sxx + syy;
    t[0][1] = t[1][0] = h * a * a * b * b / 72;  // −∫(x−cx)(y−cy) dm
    const Expected wedge{v, {0.015, -0.005 + b / 3, 0.007}, t};
    const CCadGeometry ascii = Read(Data("wedge-ascii.stl"));
    ASSERT_EQ(ascii.solids.size(), 1u);
    EXPECT_EQ(ascii.solids[0].name, QStringLiteral("wedge"));
    ExpectProps(ascii.solids[0], wedge, "wedge-ascii.stl");

    QTemporaryDir dir;
    // Two "solid" blocks of one ASCII file are two solids with their names.
    QByteArray text = Bytes(Data("wedge-ascii.stl"));
    const QString twice = Write(dir, "two.stl", text + QByteArray(text).replace("wedge", "second wedge"));
    const CCadGeometry two = Read(twice);
    ASSERT_EQ(two.solids.size(), 2u);
    EXPECT_EQ(two.solids[1].name, QStringLiteral("second wedge"));
    ExpectProps(two.solids[1], wedge, "second block");

    // A hollow box: the box and, as a second shell of the same solid, the box
    // at half size about its centre with its triangles facing inwards.
    const QByteArray outer = Bytes(Data("box.stl"));
    QByteArray hollow = outer + outer.mid(84);
    hollow[80] = 24;
    const float centre[3] = {30, 35, 40};
    for (int i = 12; i < 24; ++i) {
        for (int k = 0; k < 9; ++k) {
            float v;
            std::memcpy(&v, hollow.constData() + 84 + 50 * i + 12 + 4 * k, 4);
            v = centre[k % 3] + (v - centre[k % 3]) / 2;
            std::memcpy(hollow.data() + 84 + 50 * i + 12 + 4 * k, &v, 4);
        }
        TurnTriangle(hollow, i);
    }
    Expected cavity = BoxValues();
    cavity.volume *= 1 - 1.0 / 8;
    for (auto& row : cavity.tensor)
        for (double& x : row) x *= 1 - 1.0 / 32;
    const CCadGeometry shells = Read(Write(dir, "hollow.stl", hollow));
    EXPECT_TRUE(shells.notes.isEmpty());
    ExpectProps(shells.solids.at(0), cavity, "hollow box");

    // Every triangle turned inwards: the same solid, turned, with a note.
    QByteArray inside = Bytes(Data("box.stl"));
    for (int i = 0; i < 12; ++i) TurnTriangle(inside, i);
    const CCadGeometry turned = Read(Write(dir, "inside-out.stl", inside));
    ASSERT_EQ(turned.notes.size(), 1);
    ExpectProps(turned.solids.at(0), BoxValues(), "inside-out box");
}

TEST(CadGeometry, AssemblyNamesAndPlacements) {
    const CCadGeometry g =
        Read(QStringLiteral(KEST_SOURCE_DIR "examples/cad/sample-gripper.step"), std::nullopt);
    std::set<QString> names;
    for (const CCadSolid& s : g.solids) {
        EXPECT_TRUE(s.measurable) << s.name.toStdString();
        names.insert(s.name);
    }
    EXPECT_EQ(names, (std::set<QString>{QStringLiteral("Flange adapter"), QStringLiteral("Base plate"),
                                        QStringLiteral("Gripper body"), QStringLiteral("Finger left"),
                                        QStringLiteral("Finger right")}));
    // The gripper's own axes X, Y, Z lie along the file's Y, Z, X, with the
    // flange's mounting face centred at (120, −35, 60) mm.
    for (const CCadSolid& s : g.solids) {
        CVec3 local;  // centre in the gripper's own axes, mm
        if (s.name == QStringLiteral("Flange adapter")) local = {0, 0, 6};
        if (s.name == QStringLiteral("Finger left")) local = {-33, 0, 94.5};
        if (s.name == QStringLiteral("Finger right")) local = {33, 0, 94.5};
        if (s.name == QStringLiteral("Gripper body")) local = {0, 0, 44.5};
        if (s.name == QStringLiteral("Base plate")) local = {0, 0, 17};
        EXPECT_NEAR(s.unitDensity.comM.x, (120 + local.z) / 1000, 1e-9) << s.name.toStdString();
        EXPECT_NEAR(s.unitDensity.comM.y, (-35 + local.x) / 1000, 1e-9) << s.name.toStdString();
        EXPECT_NEAR(s.unitDensity.comM.z, (60 + local.y) / 1000, 1e-9) << s.name.toStdString();
    }
}

TEST(CadGeometry, ShapesWithoutVolumeAreNamedAndLeftOut) {
    // A closed box, a box whose top face is missing and a loose face.
    const CCadGeometry parts = Read(Data("open-parts.step"), std::nullopt);
    ASSERT_EQ(parts.solids.size(), 3u);
    EXPECT_EQ(parts.solids[0].name, QStringLiteral("Closed box"));
    EXPECT_TRUE(parts.solids[0].measurable);
    EXPECT_EQ(parts.solids[1].name, QStringLiteral("Open box"));
    EXPECT_FALSE(parts.solids[1].measurable);
    EXPECT_TRUE(parts.solids[1].problem.startsWith(Opening(kest::IDS_GEOM_SHELL_OPEN)))
        << parts.solids[1].problem.toStdString();
    EXPECT_EQ(parts.solids[2].name, QStringLiteral("Loose face"));
    EXPECT_FALSE(parts.solids[2].measurable);
    EXPECT_FALSE(parts.solids[2].problem.isEmpty());

    QTemporaryDir dir;
    const QByteArray box = Bytes(Data("box.stl"));
    // One triangle left out: a hole, named with where it is.
    QByteArray open = box.left(84 + 50 * 11);
    open[80] = 11;
    CCadGeometry g;
    QString error;
    ASSERT_EQ(ReadGeometryFile(Write(dir, "open.stl", open), LengthUnit::Millimetre, g, error),
              GEOM_NO_SOLIDS);
    ASSERT_EQ(g.solids.size(), 1u);
    EXPECT_FALSE(g.solids[0].measurable);
    EXPECT_TRUE(g.solids[0].problem.startsWith(Opening(kest::IDS_GEOM_MESH_OPEN)))
        << g.solids[0].problem.toStdString();
    EXPECT_TRUE(g.solids[0].problem.contains(QStringLiteral("mm")));
    EXPECT_TRUE(error.contains(g.solids[0].problem)) << error.toStdString();
    // One triangle turned against its neighbours.
    QByteArray mixed = box;
    TurnTriangle(mixed, 4);
    ASSERT_EQ(ReadGeometryFile(Write(dir, "mixed.stl", mixed), LengthUnit::Millimetre, g, error),
              GEOM_NO_SOLIDS);
    EXPECT_TRUE(g.solids.at(0).problem.startsWith(Opening(kest::IDS_GEOM_MESH_ORIENTATION)))
        << g.solids[0].problem.toStdString();
    // Two copies of the box in one file share every edge four times.
    QByteArray doubled = box + box.mid(84);
    doubled[80] = 24;
    ASSERT_EQ(ReadGeometryFile(Write(dir, "doubled.stl", doubled), LengthUnit::Millimetre, g, error),
              GEOM_NO_SOLIDS);
    EXPECT_TRUE(g.solids.at(0).problem.startsWith(Opening(kest::IDS_GEOM_MESH_NONMANIFOLD)))
        << g.solids[0].problem.toStdString();
}

TEST(CadGeometry, BadFilesAreRefusedWithAMessage) {
    QTemporaryDir dir;
    QString error;
    const QByteArray step = Bytes(Data("box.step"));
    EXPECT_EQ(Status(Write(dir, "cut.step", step.left(step.size() / 2)), error), GEOM_BAD_FORMAT);
    EXPECT_EQ(error, kest::LoadKestString(kest::IDS_GEOM_STEP_TRUNCATED));
    const QByteArray junkStep =
        "ISO-10303-21;\nHEADER;\n#1 = ((((;\nENDSEC;\nDATA;\n#2 = CARTESIAN_POINT(;\nEND-ISO-10303-21;\n";
    EXPECT_EQ(Status(Write(dir, "junk.step", junkStep), error), GEOM_BAD_FORMAT);
    // A placement whose origin is a direction, and a vertex whose point is
    // missing: Open CASCADE's translation would follow them into a crash.
    const QByteArray cylinder = Bytes(Data("cylinder.step"));
    for (const auto& [from, to] :
         {std::pair{"#26 = AXIS2_PLACEMENT_3D('',#27,", "#26 = AXIS2_PLACEMENT_3D('',#28,"},
          std::pair{"#22 = VERTEX_POINT('',#23);", "#22 = VERTEX_POINT('',#99999);"}}) {
        QByteArray damaged = cylinder;
        ASSERT_TRUE(damaged.contains(from));
        damaged.replace(from, to);
        EXPECT_EQ(Status(Write(dir, "damaged.step", damaged), error), GEOM_BAD_FORMAT) << from;
        EXPECT_TRUE(error.startsWith(Opening(kest::IDS_GEOM_STEP_DAMAGED).left(10))) << error.toStdString();
    }

    QByteArray garbage(1001, '\0');
    for (int i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 7919) % 251);
    EXPECT_EQ(Status(Write(dir, "garbage.bin", garbage), error), GEOM_BAD_FORMAT);
    EXPECT_EQ(error, kest::LoadKestString(kest::IDS_GEOM_NOT_CAD));
    EXPECT_EQ(Status(Write(dir, "empty.stl", {}), error), GEOM_BAD_FORMAT);
    EXPECT_EQ(error, kest::LoadKestString(kest::IDS_GEOM_EMPTY));
    EXPECT_EQ(Status(dir.path(), error), GEOM_UNREADABLE);
    EXPECT_EQ(Status(dir.filePath(QStringLiteral("missing.step")), error), GEOM_UNREADABLE);
    QFile huge(dir.filePath(QStringLiteral("huge.stl")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxGeometryBytes + 50));
    huge.close();
    EXPECT_EQ(Status(huge.fileName(), error), GEOM_TOO_LARGE);

    const QByteArray box = Bytes(Data("box.stl"));
    EXPECT_EQ(Status(Data("box.stl"), error, std::nullopt), GEOM_NEEDS_UNIT);
    // A count that does not match the size, absurd or not.
    EXPECT_EQ(Status(Write(dir, "short.stl", box.left(674)), error), GEOM_BAD_FORMAT);
    EXPECT_TRUE(error.contains(QStringLiteral("674"))) << error.toStdString();
    QByteArray absurd = box;
    absurd[80] = absurd[81] = absurd[82] = absurd[83] = char(0xff);
    EXPECT_EQ(Status(Write(dir, "absurd.stl", absurd), error), GEOM_BAD_FORMAT);
    EXPECT_TRUE(error.contains(QStringLiteral("4294967295"))) << error.toStdString();
    QByteArray nan = box;
    const float notANumber = std::nanf("");
    std::memcpy(nan.data() + 84 + 50 * 3 + 16, &notANumber, 4);
    EXPECT_EQ(Status(Write(dir, "nan.stl", nan), error), GEOM_BAD_FORMAT);
    QByteArray none = box.left(84);
    none[80] = 0;
    EXPECT_EQ(Status(Write(dir, "none.stl", none), error), GEOM_NO_SOLIDS);

    const QByteArray text = Bytes(Data("wedge-ascii.stl"));
    EXPECT_EQ(Status(Write(dir, "cut-ascii.stl", text.left(text.size() / 2)), error), GEOM_BAD_FORMAT);
    EXPECT_TRUE(error.contains(QStringLiteral("endsolid"))) << error.toStdString();
    const int vertex = text.indexOf("vertex") + 7;
    for (const char* bad : {"nan", "1e999", "inf", "12abc"}) {
        QByteArray t = text;
        t.insert(vertex, QByteArray(bad) + " ");
        t.remove(vertex + int(std::strlen(bad)) + 1,
                 t.indexOf(' ', vertex + int(std::strlen(bad)) + 1) - vertex - int(std::strlen(bad)) - 1);
        EXPECT_EQ(Status(Write(dir, "bad-number.stl", t), error), GEOM_BAD_FORMAT) << bad;
        EXPECT_TRUE(error.contains(QLatin1String(bad))) << error.toStdString();
    }
    QByteArray wrongWord = text;
    wrongWord.replace("endloop", "endloops");
    EXPECT_EQ(Status(Write(dir, "word.stl", wrongWord), error), GEOM_BAD_FORMAT);
    EXPECT_TRUE(error.contains(QStringLiteral("endloops"))) << error.toStdString();
}

TEST(CadGeometry, ProgressReportsAndCancels) {
    for (const char* name : {"lshape.step", "lshape.stl"}) {
        SCOPED_TRACE(name);
        std::vector<double> seen;
        CCadGeometry g;
        QString error;
        ASSERT_EQ(ReadGeometryFile(Data(name), LengthUnit::Millimetre, g, error,
                                   [&](double f) {
                                       seen.push_back(f);
                                       return true;
                                   }),
                  GEOM_OK);
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen.front(), 0.0);
        EXPECT_EQ(seen.back(), 1.0);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

        // Cancelled at the start, and part way.
        EXPECT_EQ(
            ReadGeometryFile(Data(name), LengthUnit::Millimetre, g, error, [](double) { return false; }),
            GEOM_CANCELLED);
        EXPECT_TRUE(g.solids.empty());
        EXPECT_EQ(error, kest::LoadKestString(kest::IDS_GEOM_CANCELLED));
        const double stop = seen[seen.size() / 2];
        EXPECT_EQ(ReadGeometryFile(Data(name), LengthUnit::Millimetre, g, error,
                                   [&](double f) { return f < stop; }),
                  GEOM_CANCELLED);
        EXPECT_TRUE(g.solids.empty());
    }
}
