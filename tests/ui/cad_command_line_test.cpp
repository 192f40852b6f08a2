// kestload --mass-props: a report and a mesh to the flange frame, and the
// refusals, through the real program.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstring>

#include "CliRun.h"

using namespace kesttest;

namespace {

// A closed binary STL of the cube [0, a]³, 12 triangles facing out (or in).
QByteArray CubeStl(float a, bool inward = false) {
    const float v[8][3] = {{0, 0, 0}, {a, 0, 0}, {a, a, 0}, {0, a, 0},
                           {0, 0, a}, {a, 0, a}, {a, a, a}, {0, a, a}};
    const int faces[12][3] = {{0, 2, 1}, {0, 3, 2}, {4, 5, 6}, {4, 6, 7}, {0, 1, 5}, {0, 5, 4},
                              {1, 2, 6}, {1, 6, 5}, {2, 3, 7}, {2, 7, 6}, {3, 0, 4}, {3, 4, 7}};
    QByteArray bytes(80, ' ');
    const quint32 count = 12;
    bytes.append(reinterpret_cast<const char*>(&count), 4);
    for (const auto& f : faces) {
        const float normal[3] = {0, 0, 0};
        bytes.append(reinterpret_cast<const char*>(normal), 12);
        for (int k = 0; k < 3; ++k) bytes.append(reinterpret_cast<const char*>(v[f[inward ? 2 - k : k]]), 12);
        bytes.append(2, '\0');
    }
    return bytes;
}

QJsonObject Json(const CliRun& r) { return QJsonDocument::fromJson(r.out).object(); }

}  // namespace

TEST(CadCommandLine, ReportsAndMeshesInTheFlangeFrameAndEveryRefusal) {
    // A report with positive products, its flange 10 mm below the output
    // coordinate system: the centre moves, the tensor's products change sign.
    const QString report = QStringLiteral(KEST_SOURCE_DIR "tests/data/cad/reports/solidworks_metric_2dp.txt");
    CliRun r = Kestload({QStringLiteral("--mass-props"), report, QStringLiteral("--frame"),
                         QStringLiteral("0 0 -10 0 0 0"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject o = Json(r);
    EXPECT_NEAR(o[QStringLiteral("mass")].toDouble(), 2.5, 1e-12);
    EXPECT_NEAR(o[QStringLiteral("cog")][QStringLiteral("z")].toDouble(), 55.0, 1e-9);
    EXPECT_NEAR(o[QStringLiteral("cog")][QStringLiteral("x")].toDouble(), 12.0, 1e-9);
    const QJsonObject inertia = o[QStringLiteral("inertia")].toObject();
    EXPECT_NEAR(inertia[QStringLiteral("ixx")].toDouble(), 4.2e-3, 1e-12);
    EXPECT_NEAR(inertia[QStringLiteral("ixy")].toDouble(), -1.2e-4, 1e-12);
    EXPECT_NEAR(inertia[QStringLiteral("ixz")].toDouble(), 2.1e-4, 1e-12);
    EXPECT_NEAR(o[QStringLiteral("principal")].toArray()[2].toDouble(), 5.1221088e-3, 1e-9);
    EXPECT_EQ(o[QStringLiteral("solids")].toArray().size(), 1);

    // A 100 mm cube of water-like density, the flange under its bottom centre
    // and turned over (RX 180°): flange Z along the file's −Z.
    QTemporaryDir dir;
    const QString stl = dir.filePath(QStringLiteral("cube.stl"));
    QFile f(stl);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(CubeStl(100.0f));
    f.close();
    r = Kestload({QStringLiteral("--mass-props"), stl, QStringLiteral("--unit"), QStringLiteral("mm"),
                  QStringLiteral("--density"), QStringLiteral("1000"),
                  QStringLiteral("--frame=50,50,0,180,0,0"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    o = Json(r);
    EXPECT_NEAR(o[QStringLiteral("mass")].toDouble(), 1.0, 1e-9);
    EXPECT_NEAR(o[QStringLiteral("cog")][QStringLiteral("z")].toDouble(), -50.0, 1e-6);
    EXPECT_NEAR(o[QStringLiteral("inertia")][QStringLiteral("izz")].toDouble(), 0.02 / 12.0, 1e-9);
    EXPECT_NEAR(o[QStringLiteral("solids")].toArray()[0][QStringLiteral("volume")].toDouble(), 1e6, 1e-3);
    // The text form with a weighed mass instead of a density.
    r = Kestload({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--mass-props"), stl,
                  QStringLiteral("--unit"), QStringLiteral("cm"), QStringLiteral("--mass"),
                  QStringLiteral("3")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("mass: 3.0000 kg")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Y 500.000 mm")) << r.out.toStdString();

    // A mesh turned inside out is measured turned back, and the output says so.
    const QString inward = dir.filePath(QStringLiteral("inward.stl"));
    QFile g(inward);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(CubeStl(100.0f, true));
    g.close();
    r = Kestload({QStringLiteral("--mass-props"), inward, QStringLiteral("--unit"), QStringLiteral("mm"),
                  QStringLiteral("--density"), QStringLiteral("1000"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_NEAR(Json(r)[QStringLiteral("mass")].toDouble(), 1.0, 1e-9);
    EXPECT_EQ(Json(r)[QStringLiteral("warnings")].toArray().size(), 1);

    // A STEP file is told by its content, also under a name that says nothing.
    QFile step(QStringLiteral(KEST_SOURCE_DIR "tests/data/cad/box.step"));
    ASSERT_TRUE(step.open(QIODevice::ReadOnly));
    const QString unnamed = dir.filePath(QStringLiteral("box.dat"));
    QFile copy(unnamed);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(step.readAll());
    copy.close();
    r = Kestload({QStringLiteral("--mass-props"), unnamed, QStringLiteral("--density"),
                  QStringLiteral("1000"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(Json(r)[QStringLiteral("format")].toString(), QStringLiteral("STEP"));

    // Refusals: exit 2, a message, nothing on standard output.
    const QStringList bad[] = {
        {QStringLiteral("--mass-props"), stl},  // an STL states no unit
        {QStringLiteral("--mass-props"), dir.filePath(QStringLiteral("missing.step"))},
        {QStringLiteral("--mass-props"), stl, QStringLiteral("--unit"), QStringLiteral("mm")},  // no mass
        {QStringLiteral("--mass-props"), stl, QStringLiteral("--unit"), QStringLiteral("yd")},
        {QStringLiteral("--mass-props"), stl, QStringLiteral("--mass"), QStringLiteral("1"),
         QStringLiteral("--density"), QStringLiteral("1000")},
        {QStringLiteral("--mass-props"), report, QStringLiteral("--frame"), QStringLiteral("0 0 nan 0 0 0")},
        {QStringLiteral("--mass-props"), report, QStringLiteral("--mass"), QStringLiteral("-2")},
        {QStringLiteral("--mass-props"), dir.path()},
    };
    for (const QStringList& args : bad) {
        r = Kestload(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(QLatin1Char(' ')).toStdString();
    }
    r = Kestload({QStringLiteral("--mass-props"), stl});
    EXPECT_TRUE(r.err.contains("--unit")) << r.err.toStdString();
}
