// Loads from CAD: the sum of bodies, the move into the flange frame and the
// import pipeline's masses, densities and choices, against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "CadImport.h"
#include "CadMath.h"
#include "FlangeFrame.h"

using namespace kest::cad;

namespace {

// A solid box a × b × c (m) of mass m centred at c: Ixx = m(b² + c²)/12 …
CMassProps Box(double m, double a, double b, double c, CVec3 centre) {
    CMassProps p;
    p.massKg = m;
    p.comM = centre;
    p.inertia[0][0] = m * (b * b + c * c) / 12.0;
    p.inertia[1][1] = m * (a * a + c * c) / 12.0;
    p.inertia[2][2] = m * (a * a + b * b) / 12.0;
    return p;
}

// The made-up test body of the CAD notes: 2.5 kg at (12, −8, 45) mm.
CMassProps NotesBody() {
    CMassProps p;
    p.massKg = 2.5;
    p.comM = {0.012, -0.008, 0.045};
    p.inertia = {{{4.2e-3, -1.2e-4, 2.1e-4}, {-1.2e-4, 5.1e-3, -8e-5}, {2.1e-4, -8e-5, 3.3e-3}}};
    return p;
}

void ExpectNear(const CMat3& a, const CMat3& b, double tol, const char* what) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(a[i][j], b[i][j], tol) << what << " [" << i << "][" << j << "]";
}

}  // namespace

TEST(CadFrame, SumOfBodiesFollowsTheParallelAxisRuleAndPrincipalMomentsAreExact) {
    // An L of two steel bars: 2 kg bar 0.2 × 0.04 × 0.04 along X from the
    // origin, 1 kg bar 0.04 × 0.04 × 0.1 standing on its end.
    const CMassProps a = Box(2.0, 0.2, 0.04, 0.04, {0.1, 0.0, 0.0});
    const CMassProps b = Box(1.0, 0.04, 0.04, 0.1, {0.18, 0.0, 0.07});
    const CMassProps sum = Combine({a, b});
    EXPECT_DOUBLE_EQ(sum.massKg, 3.0);
    const double cx = (2.0 * 0.1 + 1.0 * 0.18) / 3.0, cz = 0.07 / 3.0;
    EXPECT_NEAR(sum.comM.x, cx, 1e-15);
    EXPECT_NEAR(sum.comM.z, cz, 1e-15);
    // Hand-worked: each bar's own tensor plus m(d²E − ddᵀ) with d from the common centre.
    const double ax = 0.1 - cx, az = -cz, bx = 0.18 - cx, bz = 0.07 - cz;
    EXPECT_NEAR(sum.inertia[0][0], a.inertia[0][0] + 2.0 * az * az + b.inertia[0][0] + 1.0 * bz * bz, 1e-15);
    EXPECT_NEAR(sum.inertia[1][1],
                a.inertia[1][1] + 2.0 * (ax * ax + az * az) + b.inertia[1][1] + 1.0 * (bx * bx + bz * bz),
                1e-15);
    EXPECT_NEAR(sum.inertia[0][2], -(2.0 * ax * az + 1.0 * bx * bz), 1e-15);
    EXPECT_EQ(sum.inertia[0][1], 0.0);
    EXPECT_EQ(Combine({}).massKg, 0.0);

    // Principal moments of the notes' test body, and of a diagonal tensor.
    const auto p = PrincipalMoments(NotesBody().inertia);
    EXPECT_NEAR(p[0], 3.251927634396097e-3, 1e-15);
    EXPECT_NEAR(p[1], 4.225963541164838e-3, 1e-15);
    EXPECT_NEAR(p[2], 5.12210882443907e-3, 1e-15);
    const auto d = PrincipalMoments(Box(1.0, 0.3, 0.1, 0.2, {}).inertia);
    EXPECT_NEAR(d[0], 1.0 * (0.01 + 0.04) / 12.0, 1e-16);
    EXPECT_NEAR(d[1], 1.0 * (0.09 + 0.01) / 12.0, 1e-16);
    EXPECT_NEAR(d[2], 1.0 * (0.09 + 0.04) / 12.0, 1e-16);
    EXPECT_NEAR(ProductsRatio(NotesBody().inertia), 2.1e-4 / 5.1e-3, 1e-15);
}

TEST(CadFrame, TranslationsTheTwentyFourOrientationsAndAGeneralRotation) {
    const CMassProps body = NotesBody();
    // A translation moves the centre and leaves the tensor about it alone.
    CFlangeFrame shifted;
    shifted.originM = {0.1, -0.2, 0.3};
    const CMassProps moved = ToFlange(body, shifted);
    EXPECT_NEAR(moved.comM.x, 0.012 - 0.1, 1e-15);
    EXPECT_NEAR(moved.comM.y, -0.008 + 0.2, 1e-15);
    EXPECT_NEAR(moved.comM.z, 0.045 - 0.3, 1e-15);
    ExpectNear(moved.inertia, body.inertia, 0.0, "translation");

    // Each axis-aligned orientation: flange axis j lies along s_j times file
    // axis p(j), so by hand I_F[j][k] = s_j s_k I[p(j)][p(k)] and
    // c_F[j] = s_j (c − o)[p(j)].
    EXPECT_EQ(AxisAlignedName(0), QStringLiteral("X→+X, Y→+Y, Z→+Z"));
    QStringList names;
    for (int n = 0; n < kAxisAlignedCount; ++n) {
        const CMat3 r = AxisAlignedRotation(n);
        names << AxisAlignedName(n);
        int axis[3], sign[3];
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 3; ++i)
                if (r[i][j] != 0.0) axis[j] = i, sign[j] = r[i][j] > 0 ? 1 : -1;
        const double det = r[0][0] * (r[1][1] * r[2][2] - r[1][2] * r[2][1]) -
                           r[0][1] * (r[1][0] * r[2][2] - r[1][2] * r[2][0]) +
                           r[0][2] * (r[1][0] * r[2][1] - r[1][1] * r[2][0]);
        EXPECT_EQ(det, 1.0) << names.last().toStdString();
        CFlangeFrame frame;
        frame.originM = {0.01, 0.02, 0.03};
        frame.rotation = r;
        const CMassProps f = ToFlange(body, frame);
        const double c[3] = {body.comM.x - 0.01, body.comM.y - 0.02, body.comM.z - 0.03};
        const double cf[3] = {f.comM.x, f.comM.y, f.comM.z};
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(cf[j], sign[j] * c[axis[j]], 1e-16);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(f.inertia[j][k], sign[j] * sign[k] * body.inertia[axis[j]][axis[k]], 1e-18);
        }
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), kAxisAlignedCount);

    // RX = 90°: the flange Y is the file's +Z and the flange Z the file's −Y.
    const CMat3 rx90 = RotationFromAngles(90, 0, 0);
    CFlangeFrame turned;
    turned.rotation = rx90;
    const CVec3 p = PointToFlange({0.0, -1.0, 2.0}, turned);
    EXPECT_NEAR(p.x, 0.0, 1e-15);
    EXPECT_NEAR(p.y, 2.0, 1e-15);
    EXPECT_NEAR(p.z, 1.0, 1e-15);

    // A general rotation: R = Rz(60°)·Ry(45°)·Rx(30°) written out by hand.
    const double s30 = 0.5, c30 = std::sqrt(3.0) / 2, s45 = std::sqrt(0.5), c45 = s45, s60 = c30, c60 = 0.5;
    const CMat3 hand = {{{c60 * c45, c60 * s45 * s30 - s60 * c30, c60 * s45 * c30 + s60 * s30},
                         {s60 * c45, s60 * s45 * s30 + c60 * c30, s60 * s45 * c30 - c60 * s30},
                         {-s45, c45 * s30, c45 * c30}}};
    ExpectNear(RotationFromAngles(30, 45, 60), hand, 1e-15, "Rz·Ry·Rx");
    const auto angles = AnglesFromRotation(hand);
    EXPECT_NEAR(angles[0], 30.0, 1e-12);
    EXPECT_NEAR(angles[1], 45.0, 1e-12);
    EXPECT_NEAR(angles[2], 60.0, 1e-12);
    const auto locked = AnglesFromRotation(RotationFromAngles(10, 90, 40));
    ExpectNear(RotationFromAngles(locked[0], locked[1], locked[2]), RotationFromAngles(10, 90, 40), 1e-12,
               "ry 90");
    CFlangeFrame general;
    general.rotation = hand;
    const CMassProps g = ToFlange(body, general);
    // The tensor rotated by hand, element by element: I_F = Rᵀ I R.
    for (int j = 0; j < 3; ++j)
        for (int k = 0; k < 3; ++k) {
            double v = 0.0;
            for (int a = 0; a < 3; ++a)
                for (int b = 0; b < 3; ++b) v += hand[a][j] * body.inertia[a][b] * hand[b][k];
            EXPECT_NEAR(g.inertia[j][k], v, 1e-17);
        }
    const auto before = PrincipalMoments(body.inertia), after = PrincipalMoments(g.inertia);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(before[i], after[i], 1e-16);
}

TEST(CadImport, MassesDensitiesTheTotalAndWhatIsLeftOut) {
    // Two solids measured at unit density: 1 litre and 0.5 litre boxes.
    CCadGeometry geometry;
    CCadSolid big;
    big.name = QStringLiteral("base");
    big.volumeM3 = 1e-3;
    big.unitDensity = Box(1e-3, 0.1, 0.1, 0.1, {0.0, 0.0, 0.05});
    big.measurable = true;
    CCadSolid small = big;
    small.name = QStringLiteral("finger");
    small.volumeM3 = 5e-4;
    small.unitDensity = Box(5e-4, 0.1, 0.1, 0.05, {0.0, 0.0, 0.125});
    CCadSolid open;
    open.name = QStringLiteral("cover");
    open.problem = QStringLiteral("open shell");
    geometry.solids = {big, small, open};
    const std::vector<CCadBody> bodies = BodiesFromGeometry(geometry);
    ASSERT_EQ(bodies.size(), 3u);
    EXPECT_FALSE(bodies[2].measurable);

    // Aluminium everywhere: 2.7 kg + 1.35 kg, the cover named and left out.
    CMassDefault aluminium;
    aluminium.densityKgM3 = 2700.0;
    CCadResult r = ComputeCadResult(bodies, {}, aluminium, CFlangeFrame{}, false);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_NEAR(r.flange.massKg, 4.05, 1e-12);
    EXPECT_NEAR(r.bodies[0].massKg, 2.7, 1e-12);
    EXPECT_FALSE(r.bodies[2].included);
    ASSERT_FALSE(r.warnings.isEmpty());
    EXPECT_TRUE(r.warnings.first().contains(QStringLiteral("cover")));
    EXPECT_NEAR(r.flange.comM.z, (2.7 * 0.05 + 1.35 * 0.125) / 4.05, 1e-15);

    // A mass for the finger, steel for the rest; then a total spread at one density.
    std::vector<CBodyMass> masses(3);
    masses[1].massKg = 0.2;
    masses[0].densityKgM3 = 7850.0;
    r = ComputeCadResult(bodies, masses, {}, CFlangeFrame{}, false);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_NEAR(r.flange.massKg, 7.85 + 0.2, 1e-12);
    CMassDefault total;
    total.totalMassKg = 3.0;
    r = ComputeCadResult(bodies, {}, total, CFlangeFrame{}, false);
    ASSERT_TRUE(r.ok);
    EXPECT_NEAR(r.bodies[0].massKg, 2.0, 1e-12);
    EXPECT_NEAR(r.bodies[1].massKg, 1.0, 1e-12);
    // The finger left out by the user: the total goes to the base alone.
    masses = std::vector<CBodyMass>(3);
    masses[1].included = false;
    r = ComputeCadResult(bodies, masses, total, CFlangeFrame{}, false);
    ASSERT_TRUE(r.ok);
    EXPECT_NEAR(r.flange.massKg, 3.0, 1e-12);
    EXPECT_NEAR(r.flange.comM.z, 0.05, 1e-15);

    // Refused with a message naming what is wrong; nothing is computed.
    masses = std::vector<CBodyMass>(3);
    masses[0].massKg = -1.0;
    for (const CCadResult& bad :
         {ComputeCadResult(bodies, {}, {}, CFlangeFrame{}, false),             // no mass, no density
          ComputeCadResult(bodies, masses, aluminium, CFlangeFrame{}, false),  // negative mass
          ComputeCadResult(bodies, {}, CMassDefault{std::nullopt, std::nan("")}, CFlangeFrame{}, false),
          ComputeCadResult(bodies, {}, CMassDefault{0.0, std::nullopt}, CFlangeFrame{}, false),
          ComputeCadResult({bodies[2]}, {}, aluminium, CFlangeFrame{}, false)}) {
        EXPECT_FALSE(bad.ok);
        EXPECT_FALSE(bad.error.isEmpty());
    }
    masses = std::vector<CBodyMass>(3);
    masses[0].massKg = 5.0;
    const CCadResult tooSmall = ComputeCadResult(bodies, masses, total, CFlangeFrame{}, false);
    EXPECT_FALSE(tooSmall.ok);
    EXPECT_TRUE(tooSmall.error.contains(QStringLiteral("5")));
}

TEST(CadImport, LargeProductsOfferTheConservativeChoiceAndTheLoadCarriesIt) {
    CReportRead read;
    read.status = ReportStatus::Ok;
    CMassReport report;
    report.name = QStringLiteral("bracket");
    report.props = NotesBody();
    // A tilted body: products beyond a tenth of the largest moment.
    report.props.inertia[0][1] = report.props.inertia[1][0] = -1.0e-3;
    read.reports = {report};
    const std::vector<CCadBody> bodies = BodiesFromReport(read);
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_FALSE(bodies[0].perUnitDensity);

    CFlangeFrame frame;
    frame.originM = {0.0, 0.0, -0.01};  // the flange 10 mm below the file origin
    const CCadResult plain = ComputeCadResult(bodies, {}, {}, frame, false);
    ASSERT_TRUE(plain.ok);
    EXPECT_TRUE(plain.productsLarge);
    EXPECT_NEAR(plain.productsRatio, 1.0e-3 / 5.1e-3, 1e-12);
    const CPrmLoadSub load = plain.ToLoad();
    EXPECT_DOUBLE_EQ(load.Mass, 2.5);
    EXPECT_NEAR(load.Lz, 0.055, 1e-15);
    EXPECT_DOUBLE_EQ(load.Ixx, 4.2e-3);
    EXPECT_DOUBLE_EQ(load.Izz, 3.3e-3);

    const CCadResult safe = ComputeCadResult(bodies, {}, {}, frame, true);
    ASSERT_TRUE(safe.ok);
    EXPECT_TRUE(safe.conservative);
    const CPrmLoadSub safeLoad = safe.ToLoad();
    EXPECT_DOUBLE_EQ(safeLoad.Ixx, safe.principal[2]);
    EXPECT_DOUBLE_EQ(safeLoad.Iyy, safe.principal[2]);
    EXPECT_DOUBLE_EQ(safeLoad.Izz, safe.principal[2]);
    EXPECT_GT(safe.principal[2], 5.1e-3);
    // The suggestion gives way to the statement of what was done.
    EXPECT_EQ(safe.warnings.size(), plain.warnings.size());
    EXPECT_NE(safe.warnings.last(), plain.warnings.last());

    // Refused, nothing computed: a moment that no rigid body has (negative, or
    // one above the sum of the other two) and a flange placed absurdly far.
    CReportRead impossible = read;
    impossible.reports[0].props.inertia[0][0] = -4.2e-3;
    CReportRead lopsided = read;
    lopsided.reports[0].props.inertia = {{{1e-3, 0, 0}, {0, 1e-3, 0}, {0, 0, 3e-3}}};
    CFlangeFrame far;
    far.originM = {1e306, 0.0, 0.0};
    for (const CCadResult& bad : {ComputeCadResult(BodiesFromReport(impossible), {}, {}, frame, false),
                                  ComputeCadResult(BodiesFromReport(lopsided), {}, {}, frame, false),
                                  ComputeCadResult(bodies, {}, {}, far, false)}) {
        EXPECT_FALSE(bad.ok);
        EXPECT_FALSE(bad.error.isEmpty());
    }

    // A report's mass scaled to a weighed total keeps its centre and scales the tensor.
    const CCadResult weighed = ComputeCadResult(bodies, {}, CMassDefault{5.0, std::nullopt}, frame, false);
    ASSERT_TRUE(weighed.ok);
    EXPECT_DOUBLE_EQ(weighed.ToLoad().Ixx, 2.0 * 4.2e-3);
    EXPECT_NEAR(weighed.ToLoad().Lx, 0.012, 1e-15);
}
