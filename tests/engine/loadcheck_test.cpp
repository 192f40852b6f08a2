// The load check against numbers worked out by hand for the mechanism "HAND"
// (round binary constants, so the single-precision reading changes nothing).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "LoadCheck.h"
#include "TblMech.h"
#include "TestData.h"

using namespace kest;

namespace {

constexpr double kRel = 1e-12;
#define EXPECT_REL(actual, expected) EXPECT_NEAR((actual), (expected), std::fabs(expected) * kRel + 1e-15)

class LoadCheckHand : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string xml = kesttest::HandTableXml();
        ASSERT_EQ(table.LoadXml(xml.data(), xml.size()), 0);
        m = table.FindMech(u"HAND");
        ASSERT_NE(m, nullptr);
    }
    // Tool 5 kg at (100, 0, 200) mm; V 10 kg at (200, -, 100); H 15 kg at
    // (100, -, 300); S 20 kg at (300, 400, -); all in metres here.
    void SetHandLoads() {
        m->loads[SLOT_TOOL] = {5, 0.1, 0, 0.2, 0.1, 0.2, 0.05};
        m->loads[SLOT_V] = {10, 0.2, 99, 0.1, 99, 0.3, 0.4};  // y and Ixx unused
        m->loads[SLOT_H] = {15, 0.1, 99, 0.3, 99, 0.5, 99};   // y, Ixx, Izz unused
        m->loads[SLOT_S] = {20, 0.3, 0.4, 99, 99, 99, 0.6};   // z, Ixx, Iyy unused
    }
    CTblMech table;
    MechRec* m = nullptr;
};

TEST_F(LoadCheckHand, RatedLoadAndAllowableValues) {
    SetHandLoads();
    CalculateLoadCheck(*m);
    const MechResults& r = m->res;
    // Th_Hmax 120 counts as 90; sin(90 * 3.141592 / 180) falls 5.3e-14 short of 1.
    EXPECT_EQ(r.theta, 90.0);
    EXPECT_REL(r.sH, 0.9999999999999466);
    EXPECT_EQ(r.sS, r.sH);
    EXPECT_REL(r.DV, 0.625);  // hyp(0.5, 0.375)
    // r1 = 24.5 / 10 / 9.8 = 0.25; d2 = 49 / 10 / 9.8 = 0.5
    EXPECT_REL(r.r1, 0.25);
    EXPECT_REL(r.d2, 0.5);
    // zr = sqrt(0.25 - 0.0625) - 0.125; dr = hyp(0.25, zr + 0.125) = 0.5
    EXPECT_REL(r.zr, std::sqrt(0.1875) - 0.125);
    EXPECT_REL(r.dr, 0.5);
    // Irxx = 4 - 10 * 0.25; Irzz = 1 - 10 * 0.0625
    EXPECT_REL(r.Irxx, 1.5);
    EXPECT_REL(r.Iryy, 1.5);
    EXPECT_REL(r.Irzz, 0.375);
    // phiA1 = atan(0.25 / 0.5) - atan(0.375 / 0.5), so cos(phiA1) * LA1 = 0.55
    EXPECT_REL(std::cos(r.phiA1) * r.LA1, 0.55);
    // AMV = ((0.625 + 0.5) * 10 * 9.8 + 20 * 0.25 * 9.8) / 50 * 100 = 159.25 * 2
    EXPECT_REL(r.AMV, 318.5);
    // AMH = ((0.75 sH + 0.625 + 0.5) * 98 + (0.75 sH + 0.25) * 196) / 50 * 100 = 759.5
    EXPECT_NEAR(r.AMH, 759.5, 1e-10);
    // AJV = 1.125^2 * 10 + 1.5 + 1 + 0.3125 * 20 = 12.65625 + 2.5 + 6.25
    EXPECT_REL(r.AJV, 21.40625);
    // AJH = 1.875^2 * 10 + 2.5 + (LA1 + 0.75)^2 * 20
    EXPECT_REL(r.AJH, 35.15625 + 2.5 + std::pow(std::sqrt(0.3125) + 0.75, 2) * 20);
    // AJS = (2.125^2 * 10 + max(1.5, 1.5) + 1.5 + (0.55 + 0.75 + 0.25)^2 * 20) * 2
    EXPECT_NEAR(r.AJS, (45.15625 + 3.0 + 48.05) * 2, 1e-10);
}

TEST_F(LoadCheckHand, CarriedLoadsAndRatios) {
    SetHandLoads();
    CalculateLoadCheck(*m);
    const MechResults& r = m->res;
    // Payload point and limits: Pr = 0.1, Pz = 0.2 + 0.125; Lr = 24.5 / 5 / 9.8, Ld = 49 / 5 / 9.8.
    EXPECT_REL(r.Pr, 0.1);
    EXPECT_REL(r.Pz, 0.325);
    EXPECT_REL(r.Lr, 0.5);
    EXPECT_REL(r.Ld, 1.0);
    const double dT = std::sqrt(0.01 + 0.325 * 0.325);
    EXPECT_REL(r.dT, dT);
    // JR1 = 0.1^2 * 5 + 0.05; JR2B = dT^2 * 5 + max(0.1, 0.2)
    EXPECT_REL(r.JR1, 0.1);
    EXPECT_REL(r.JR2B, 0.115625 * 5 + 0.2);
    // JV = (dT + 0.625)^2 * 5 + 0.2 + 0.3 + (0.04 + 0.01) * 10
    EXPECT_REL(r.JV, std::pow(dT + 0.625, 2) * 5 + 0.2 + 0.3 + 0.5);
    // JH adds the lower arm: + (LV + 0.75)^2 * 10 + 0.5 + (0.01 + 0.09) * 15
    const double LV = std::sqrt(0.05);
    EXPECT_REL(r.JH, std::pow(dT + 1.375, 2) * 5 + 0.5 + std::pow(LV + 0.75, 2) * 10 + 0.5 + 1.5);
    // JS: the upper-arm load at angle phiV projects to cos(phiV) * LV = 0.22;
    // the base load adds 0.6 + (0.09 + 0.16) * 20
    const double sH = r.sH;
    EXPECT_REL(r.JS, std::pow(sH * 0.75 + dT + 0.875, 2) * 5 + 0.2 + 0.4 +
                         std::pow(0.22 + sH * 0.75 + 0.25, 2) * 10 + 0.6 + 5.0);
    // Inertia ratios; none of V, H, S exceeds 1, so no normalisation.
    EXPECT_REL(r.qR1, 0.1);
    EXPECT_REL(r.qR2B, 0.778125 / 4);
    EXPECT_REL(r.qV, r.JV / 21.40625);
    EXPECT_REL(r.qH, 0.37101431395264767);
    EXPECT_REL(r.qS, 0.2099180011390828);
    // Moment ratios: R1 = 0.1 * 5 * 9.8 / 24.5; R2B = dT * 5 * 9.8 / 49 = dT
    EXPECT_REL(r.muR1, 0.2);
    EXPECT_REL(r.muR2B, dT);
    // V = ((0.625 + dT) * 49 + 10 * 0.1 * 9.8) / 318.5
    EXPECT_REL(r.muV, ((0.625 + dT) * 49 + 9.8) / 318.5);
    // H = ((0.75 sH + 0.625 + dT) * 49 + (0.75 sH + 0.1) * 98) / AMH
    EXPECT_REL(r.muH, 0.22032495243344333);
    // Combined: the larger of inertia and moment for the wrist axes.
    EXPECT_REL(r.cR1, 0.2);
    EXPECT_REL(r.cR2B, dT);
    EXPECT_REL(r.massRatio, 50.0);
    EXPECT_EQ(m->calculated, 1);
    EXPECT_EQ(EnvelopeResult(*m), 1);
}

TEST_F(LoadCheckHand, RatedToolGivesExactlyFullRatios) {
    CalculateLoadCheck(*m);
    const MechResults rated = m->res;
    m->loads[SLOT_TOOL] = {10, rated.r1, 0, rated.zr, rated.Irxx, rated.Iryy, rated.Irzz};
    CalculateLoadCheck(*m);
    EXPECT_REL(m->res.muR1, 1.0);
    EXPECT_REL(m->res.muR2B, 1.0);
    EXPECT_REL(m->res.massRatio, 100.0);
    EXPECT_EQ(MassLevel(*m), 0);  // 100 % is not above 100.00001
    EXPECT_EQ(MomentLevel(*m), 0);
    EXPECT_EQ(EnvelopeResult(*m), 1);
}

TEST_F(LoadCheckHand, ZeroAndNegativeToolMass) {
    m->loads[SLOT_TOOL] = {0, 0.1, 0.1, 0.2, 0, 0, 0};
    CalculateLoadCheck(*m);
    EXPECT_EQ(m->res.Lr, std::numeric_limits<double>::infinity());
    EXPECT_EQ(m->res.Ld, std::numeric_limits<double>::infinity());
    EXPECT_FALSE(ApplyLimitValidity(*m));
    EXPECT_EQ(EnvelopeResult(*m), 1);
    EXPECT_EQ(m->res.muR1, 0.0);
    EXPECT_EQ(m->res.muR2B, 0.0);

    m->loads[SLOT_TOOL].m = -1;
    CalculateLoadCheck(*m);
    EXPECT_TRUE(ApplyLimitValidity(*m));
    EXPECT_EQ(m->res.Lr, 0.0);
    EXPECT_EQ(m->res.Ld, 0.0);
}

TEST_F(LoadCheckHand, EnvelopeBoundaries) {
    EXPECT_EQ(EnvelopeResult(*m), -1);  // never calculated
    // Lr = 0.5 m for 5 kg: within the 0.00001 margin is inside, beyond it outside.
    m->loads[SLOT_TOOL] = {5, 0.500005, 0, -0.125, 0, 0, 0};
    CalculateLoadCheck(*m);
    EXPECT_EQ(EnvelopeResult(*m), 1);
    m->loads[SLOT_TOOL].x = 0.50002;
    CalculateLoadCheck(*m);
    EXPECT_EQ(EnvelopeResult(*m), 0);
    // Ld = 1.0 m: straight along the flange axis at 1.0 m from B is inside, 1.0001 is not.
    m->loads[SLOT_TOOL] = {5, 0, 0, 0.875, 0, 0, 0};
    CalculateLoadCheck(*m);
    EXPECT_EQ(EnvelopeResult(*m), 1);
    m->loads[SLOT_TOOL].z = 0.8751;
    CalculateLoadCheck(*m);
    EXPECT_EQ(EnvelopeResult(*m), 0);
}

TEST_F(LoadCheckHand, NotANumberIsOutsideTheEnvelope) {
    const double nan = std::nan("");
    m->loads[SLOT_TOOL] = {5, 0.1, 0, nan, 0, 0, 0};  // payload z
    CalculateLoadCheck(*m);
    EXPECT_EQ(EnvelopeResult(*m), 0);
    m->loads[SLOT_TOOL] = {5, nan, 0, 0.1, 0, 0, 0};  // payload r
    CalculateLoadCheck(*m);
    EXPECT_EQ(EnvelopeResult(*m), 0);
    // A massless tool on a mechanism without Tau_uR1: Lr = 0 / 0.
    m->Tau_uR1 = 0;
    m->loads[SLOT_TOOL] = {0, 0.1, 0, 0.1, 0, 0, 0};
    CalculateLoadCheck(*m);
    ASSERT_TRUE(std::isnan(m->res.Lr));
    EXPECT_EQ(EnvelopeResult(*m), 0);
}

TEST_F(LoadCheckHand, AbsurdLoadGivesNotANumberAndFails) {
    // A massless tool absurdly far away: sq(x) overflows and inf * 0 is NaN in
    // the R1 inertia and moment, which once read as a pass.
    m->loads[SLOT_TOOL] = {0, 1e200, 0, 0, 0, 0, 0};
    CalculateLoadCheck(*m);
    ASSERT_TRUE(std::isnan(m->res.qR1));
    EXPECT_EQ(InertiaLevel(*m), 3);
    EXPECT_EQ(MomentLevel(*m), 3);
    EXPECT_TRUE(IsOverloaded(*m));
}

TEST_F(LoadCheckHand, InfiniteRatiosOfEitherSignFail) {
    // A finite mass near -1e308 far out: the moments and inertias overflow to
    // -inf, which once compared below every threshold and passed.
    m->loads[SLOT_TOOL] = {-1e308, 0.5, 0, 0.1, 0, 0, 0};
    CalculateLoadCheck(*m);
    ASSERT_TRUE(std::isinf(m->res.muR1) && m->res.muR1 < 0);
    EXPECT_EQ(MomentLevel(*m), 3);
    EXPECT_EQ(InertiaLevel(*m), 3);
    EXPECT_TRUE(IsOverloaded(*m));
    // +inf ratios fail as well, each level on its own.
    MechRec r;
    r.M_Tmax = 100;
    r.res.muR1 = r.res.qR1 = r.res.cR1 = INFINITY;
    EXPECT_EQ(MomentLevel(r), 3);
    EXPECT_EQ(InertiaLevel(r), 3);
    EXPECT_TRUE(IsOverloaded(r));
    r = MechRec();
    r.M_Tmax = 100;
    r.res.muH = -INFINITY;  // hidden from the combined ratios
    EXPECT_EQ(MomentLevel(r), 3);
    EXPECT_TRUE(IsOverloaded(r));
}

TEST_F(LoadCheckHand, UpperArmLoadStraightAboveVAxis) {
    m->loads[SLOT_TOOL] = {0, 0, 0, 0, 0, 0, 0};
    m->loads[SLOT_V] = {10, 0, 0, 0.3, 0, 0, 0};
    CalculateLoadCheck(*m);
    EXPECT_EQ(m->res.phiV, 0.0);
    // cos(0) * 0.3 + 0.75 sH + 0.25 is the S-axis lever of the upper-arm load.
    EXPECT_REL(m->res.JS, std::pow(0.3 + m->res.sH * 0.75 + 0.25, 2) * 10);
}

TEST(LoadCheckRules, MainAxisInertiaNormalisation) {
    double qV = 1.5, qH = 0.9, qS = 0.3;
    NormaliseMainInertia(qV, qH, qS);
    EXPECT_DOUBLE_EQ(qV * 100, 100.0);
    EXPECT_DOUBLE_EQ(qH * 100, 60.0);
    EXPECT_DOUBLE_EQ(qS * 100, 20.0);
    qV = 1.0, qH = 0.5, qS = 0.25;  // k = 1 leaves them
    NormaliseMainInertia(qV, qH, qS);
    EXPECT_EQ(qV, 1.0);
    EXPECT_EQ(qH, 0.5);
}

struct LevelCase {
    double mTmax;
    double percent;  // placed on one axis (R1)
    int momentLevel;
    int inertiaLevel;
};

TEST(LoadCheckRules, LevelThresholdsByRatedPayload) {
    const LevelCase cases[] = {
        {100, 100.0, 0, 0},     {100, 100.00002, 1, 1}, {100, 110.00002, 2, 1}, {100, 115.00002, 3, 1},
        {100, 130.00002, 3, 2}, {100, 150.00002, 3, 3}, {300, 140.0, 2, 2},     {299, 140.0, 3, 2},
        {300, 150.00002, 3, 2}, {300, 500.0, 3, 2},     {200, 500.0, 3, 3},     {300, 600.00002, 3, 3},
    };
    for (const LevelCase& c : cases) {
        MechRec m;
        m.M_Tmax = c.mTmax;
        m.res.muR1 = c.percent / 100;
        m.res.qR1 = c.percent / 100;
        EXPECT_EQ(MomentLevel(m), c.momentLevel) << c.mTmax << " kg, " << c.percent << " %";
        EXPECT_EQ(InertiaLevel(m), c.inertiaLevel) << c.mTmax << " kg, " << c.percent << " %";
    }
}

TEST(LoadCheckRules, MassLevelAndOverload) {
    MechRec m;
    m.M_Tmax = 100;
    const struct {
        double pct;
        int level;
    } cases[] = {{100, 0}, {105, 1}, {110, 1}, {120, 3}};
    for (const auto& c : cases) {
        m.res.massRatio = c.pct;
        EXPECT_EQ(MassLevel(m), c.level) << c.pct;
    }
    EXPECT_FALSE(IsOverloaded(m));
    m.res.qS = 1.0000002;  // 100.00002 % on S
    EXPECT_TRUE(IsOverloaded(m));
}

TEST(LoadCheckRules, NotANumberCountsAsAboveEveryThreshold) {
    const double nan = std::nan("");
    const struct {
        double MechResults::*ratio;
        int mass, moment, inertia;
    } cases[] = {
        {&MechResults::massRatio, 3, 0, 0}, {&MechResults::muH, 0, 3, 0},  {&MechResults::muR1, 0, 3, 0},
        {&MechResults::qS, 0, 0, 3},        {&MechResults::qR2B, 0, 0, 3}, {&MechResults::cR1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        MechRec m;
        m.M_Tmax = 300;  // the highest thresholds
        m.res.*c.ratio = nan;
        EXPECT_EQ(MassLevel(m), c.mass);
        EXPECT_EQ(MomentLevel(m), c.moment);
        EXPECT_EQ(InertiaLevel(m), c.inertia);
        EXPECT_TRUE(IsOverloaded(m));
    }
    // The combined ratio is max(inertia, moment), which returns the moment ratio
    // when the inertia ratio is NaN: the NaN still counts.
    MechRec m;
    m.M_Tmax = 300;
    m.res.qR1 = nan;
    m.res.muR1 = m.res.cR1 = 0.5;
    EXPECT_TRUE(IsOverloaded(m));
}

TEST(LoadCheckRules, PercentArraysInAxisOrder) {
    MechRec m;
    m.res = MechResults{};
    m.res.qS = 0.01, m.res.qH = 0.02, m.res.qV = 0.03, m.res.qR2B = 0.04, m.res.qR1 = 0.06;
    m.res.muH = 0.12, m.res.muV = 0.13, m.res.muR2B = 0.14, m.res.muR1 = 0.16;
    m.res.cR2B = 0.24, m.res.cR1 = 0.26;
    double v[6];
    InertiaRatiosPercent(m, v);
    EXPECT_DOUBLE_EQ(v[0], 1);
    EXPECT_DOUBLE_EQ(v[3], 4);
    EXPECT_DOUBLE_EQ(v[4], 4);
    EXPECT_DOUBLE_EQ(v[5], 6);
    MomentRatiosPercent(m, v);
    EXPECT_EQ(v[0], 0.0);  // S has no moment ratio
    EXPECT_DOUBLE_EQ(v[1], 12);
    EXPECT_DOUBLE_EQ(v[2], 13);
    EXPECT_DOUBLE_EQ(v[5], 16);
    LoadRatiosPercent(m, v);
    EXPECT_DOUBLE_EQ(v[0], 1);  // S, H, V combined = normalised inertia ratios
    EXPECT_DOUBLE_EQ(v[2], 3);
    EXPECT_DOUBLE_EQ(v[3], 24);
    EXPECT_DOUBLE_EQ(v[5], 26);
}

}  // namespace
