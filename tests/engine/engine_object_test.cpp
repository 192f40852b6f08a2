// The engine object's operations: selection, loads, texts, guards without a
// current mechanism and the switch between the two tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "TarnKest.h"
#include "TestData.h"

using kest::CTarn_Kest;
using kesttest::TempDir;
using kesttest::U;

namespace {

// Everything a calculation leaves for the getters of the current mechanism.
std::vector<double> Results(CTarn_Kest& e) {
    std::vector<double> v = {e.GetPayloadR(),  e.GetPayloadZ(),          e.GetLimitR(),
                             e.GetLimitDist(), double(e.GetMassLevel()), double(e.IsInEnvelope())};
    AxisRatios r[3];
    e.GetLoadRatios(&r[0]);
    e.GetMomentRatios(&r[1]);
    e.GetInertiaRatios(&r[2]);
    for (const AxisRatios& a : r) v.insert(v.end(), a.v, a.v + 6);
    return v;
}

// The bundled table with one constant element removed from one mechanism.
std::string BundledTableWithout(const std::string& mech, const std::string& constant) {
    std::string xml = kesttest::ReadBytes(std::string(KEST_SOURCE_DIR) + "data/mech/KestMechData.xml");
    const size_t at = xml.find("<Mech Name=\"" + mech + "\">");
    const size_t from = xml.find("<" + constant + ">", at);
    const size_t to = xml.find("</" + constant + ">", from);
    if (at == std::string::npos || from == std::string::npos || to > xml.find("</Mech>", at)) {
        throw std::runtime_error(constant + " not found in " + mech);
    }
    return xml.erase(from, to + constant.size() + 3 - from);
}

class EngineObject : public ::testing::Test {
protected:
    void SetUp() override {
        kesttest::WriteTables(dir, kesttest::HandTableXml(),
                              R"(<MechTable><FileHeader Version="2" LastModifiedDate="old"/>
                                 <Mech Name="Legacy"><M_Tmax>50</M_Tmax></Mech></MechTable>)");
        folder = U(dir.path());
        ASSERT_EQ(engine.Init(folder.c_str()), 0);
    }
    TempDir dir;
    std::u16string folder;
    CTarn_Kest engine;
    char16_t buf[64] = {};
};

TEST_F(EngineObject, ConstantsNamesAndVersion) {
    EXPECT_EQ(engine.GetConstA(), 1);
    EXPECT_EQ(engine.GetConstB(), 2);
    EXPECT_EQ(engine.Reserved(3, 4), 0);
    EXPECT_EQ(engine.GetModuleName(buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"Tarn_Kest");
    EXPECT_EQ(engine.GetMechDataVer(buf, 50), 0);
    EXPECT_EQ(std::u16string(buf), u"7 (2026-01-31)");
    EXPECT_EQ(engine.GetAxisName(1, buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"S");
    EXPECT_EQ(engine.GetAxisName(4, buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"R2");
    EXPECT_EQ(engine.GetAxisName(6, buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"R1");
    EXPECT_EQ(engine.GetAxisName(0, buf, 64), -1);
    EXPECT_EQ(engine.GetAxisName(7, buf, 64), -1);
}

TEST_F(EngineObject, ListingAndPictures) {
    EXPECT_EQ(engine.GetMechName(0, buf, 24), 0);
    EXPECT_EQ(std::u16string(buf), u"HAND");
    EXPECT_EQ(engine.GetMechName(1, buf, 24), 0);
    EXPECT_EQ(engine.GetMechName(2, buf, 24), -1);  // index == count ends the caller's loop
    EXPECT_EQ(engine.GetMechName(-1, buf, 24), -1);
    EXPECT_EQ(engine.GetMechImg(u"Second", buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"Image/Mech/Second.png");
    EXPECT_EQ(engine.GetMechImg(u"second", buf, 64), -1);
    EXPECT_EQ(engine.GetCurMechName(buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"");  // looking up a picture selects nothing
}

TEST_F(EngineObject, TextBuffersAreNeverOverrun) {
    char16_t small[8];
    for (char16_t& c : small) c = u'#';
    EXPECT_EQ(engine.GetMechImg(u"HAND", small, 5), 0);
    EXPECT_EQ(std::u16string(small), u"Imag");  // cut to 4 characters and terminated
    EXPECT_EQ(small[5], u'#');
    EXPECT_EQ(engine.GetModuleName(small, 0), 0);  // nothing written
    EXPECT_EQ(small[0], u'I');
    EXPECT_EQ(engine.GetModuleName(nullptr, 10), 0);
}

TEST_F(EngineObject, SelectionRules) {
    EXPECT_EQ(engine.SelectMech(u"HAND"), 0);
    EXPECT_EQ(engine.GetCurMechName(buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"HAND");
    EXPECT_EQ(engine.SelectMech(u"hand"), -1);
    EXPECT_EQ(engine.GetCurMechName(buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"HAND");  // the stored name stays
    EXPECT_EQ(engine.Calculate(), -1);        // but nothing is current
    EXPECT_EQ(engine.SelectMech(u""), -1);
    EXPECT_EQ(engine.SelectMech(nullptr), -1);
}

TEST_F(EngineObject, OperationsWithoutACurrentMechanism) {
    LoadRec load{1, 2, 3, 4, 5, 6, 7};
    const LoadRec before = load;
    double value = 42;
    AxisRatios ratios{{9, 9, 9, 9, 9, 9}};
    EXPECT_EQ(engine.GetDefaultLoad(0, &load), -1);
    EXPECT_EQ(load.Mass, before.Mass);
    EXPECT_EQ(engine.SetLoad(0, &load), -1);
    EXPECT_EQ(engine.GetAllowMoment(6, &value), -1);
    EXPECT_EQ(engine.GetAllowInertia(6, &value), -1);
    EXPECT_EQ(engine.GetLenB(&value), -1);
    EXPECT_EQ(value, 42.0);
    EXPECT_EQ(engine.Calculate(), -1);
    EXPECT_EQ(engine.GetLoadRatios(&ratios), -1);
    EXPECT_EQ(engine.GetMomentRatios(&ratios), -1);
    EXPECT_EQ(engine.GetInertiaRatios(&ratios), -1);
    EXPECT_EQ(ratios.v[0], 9.0);
    EXPECT_EQ(engine.IsInEnvelope(), -1);
    EXPECT_EQ(engine.IsOverload(), -1);
    EXPECT_EQ(engine.GetMassLevel(), -1);
    EXPECT_EQ(engine.GetMomentLevel(), -1);
    EXPECT_EQ(engine.GetInertiaLevel(), -1);
    EXPECT_EQ(engine.GetPayloadZ(), 0.0);
    EXPECT_EQ(engine.GetPayloadR(), 0.0);
    EXPECT_EQ(engine.GetLimitZ(), 0.0);
    EXPECT_EQ(engine.GetLimitR(), 0.0);
    EXPECT_EQ(engine.GetLimitDist(), 0.0);
    EXPECT_EQ(engine.GetMaxPayload(), 0.0);
    EXPECT_EQ(engine.IsLimitInvalid(), 0);
}

TEST_F(EngineObject, DefaultLoadsAndAllowables) {
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    EXPECT_EQ(engine.IsInEnvelope(), -1);  // never calculated
    LoadRec rec{};
    ASSERT_EQ(engine.GetDefaultLoad(LOAD_TOOL, &rec), 0);
    EXPECT_EQ(rec.Mass, 10.0);
    EXPECT_NEAR(rec.x, 250.0, 1e-9);  // r1 = 0.25 m
    EXPECT_EQ(rec.y, 0.0);
    EXPECT_NEAR(rec.z, (std::sqrt(0.1875) - 0.125) * 1000, 1e-9);
    EXPECT_NEAR(rec.Ixx, 1.5, 1e-12);
    EXPECT_NEAR(rec.Izz, 0.375, 1e-12);
    EXPECT_NE(engine.IsInEnvelope(), -1);  // GetDefaultLoad calculated
    ASSERT_EQ(engine.GetDefaultLoad(LOAD_V, &rec), 0);
    EXPECT_EQ(rec.Mass, 20.0);
    EXPECT_EQ(rec.x, 500.0);
    EXPECT_EQ(rec.y, 62.5);
    EXPECT_EQ(rec.z, 250.0);
    EXPECT_EQ(rec.Ixx, 0.5);
    for (int kind : {LOAD_S, LOAD_H}) {
        rec = LoadRec{1, 1, 1, 1, 1, 1, 1};
        ASSERT_EQ(engine.GetDefaultLoad(kind, &rec), 0);
        EXPECT_EQ(rec.Mass + rec.x + rec.y + rec.z + rec.Ixx + rec.Iyy + rec.Izz, 0.0);
    }
    rec.Mass = 77;
    EXPECT_EQ(engine.GetDefaultLoad(4, &rec), -1);
    EXPECT_EQ(rec.Mass, 77.0);

    double v = 0;
    EXPECT_EQ(engine.GetAllowMoment(4, &v), 0);
    EXPECT_DOUBLE_EQ(v, 49 / 9.8);
    EXPECT_EQ(engine.GetAllowMoment(6, &v), 0);
    EXPECT_DOUBLE_EQ(v, 24.5 / 9.8);
    EXPECT_EQ(engine.GetAllowMoment(3, &v), -1);
    EXPECT_EQ(engine.GetAllowInertia(5, &v), 0);
    EXPECT_EQ(v, 4.0);
    EXPECT_EQ(engine.GetAllowInertia(1, &v), -1);
    EXPECT_EQ(engine.GetLenB(&v), 0);
    EXPECT_EQ(v, 125.0);
    EXPECT_EQ(engine.GetMaxPayload(), 10.0);
}

TEST_F(EngineObject, LoadsInMillimetresAndResultsBack) {
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    const LoadRec tool{100, 0, 0, 250, 1, 1, 1};
    EXPECT_EQ(engine.SetLoad(LOAD_TOOL, &tool), 0);
    EXPECT_EQ(engine.SetLoad(4, &tool), -1);
    EXPECT_EQ(engine.SetLoad(-1, &tool), -1);
    ASSERT_EQ(engine.Calculate(), 0);
    EXPECT_NEAR(engine.GetPayloadZ(), 250 + 125, 1e-9);
    EXPECT_EQ(engine.GetPayloadR(), 0.0);
    // 100 kg: Lr = 24.5 / 100 / 9.8 = 0.025 m, Ld = 0.05 m
    EXPECT_NEAR(engine.GetLimitR(), 25.0, 1e-9);
    EXPECT_NEAR(engine.GetLimitDist(), 50.0, 1e-9);
    EXPECT_NEAR(engine.GetLimitZ(), std::sqrt(50.0 * 50 - 25.0 * 25), 1e-9);
    EXPECT_EQ(engine.IsInEnvelope(), 0);
    EXPECT_EQ(engine.GetMassLevel(), 3);  // 1000 %
    EXPECT_EQ(engine.IsOverload(), 1);

    // Loads stay with their mechanism across selections.
    ASSERT_EQ(engine.SelectMech(u"Second"), 0);
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    ASSERT_EQ(engine.Calculate(), 0);
    EXPECT_NEAR(engine.GetPayloadZ(), 375.0, 1e-9);
}

TEST_F(EngineObject, SetLoadRefusesValuesThatAreNotFinite) {
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    const LoadRec loads[4] = {{5, 100, 0, 200, 0.1, 0.2, 0.05},  // tool
                              {20, 300, 400, 0, 0, 0, 0.6},      // S
                              {15, 100, 0, 300, 0, 0.5, 0},      // H
                              {10, 200, 0, 100, 0, 0.3, 0.4}};   // V
    for (int kind = 0; kind < 4; ++kind) ASSERT_EQ(engine.SetLoad(kind, &loads[kind]), 0);
    ASSERT_EQ(engine.Calculate(), 0);
    const std::vector<double> before = Results(engine);

    double LoadRec::*const fields[] = {&LoadRec::Mass, &LoadRec::x,   &LoadRec::y,  &LoadRec::z,
                                       &LoadRec::Ixx,  &LoadRec::Iyy, &LoadRec::Izz};
    const double inf = std::numeric_limits<double>::infinity();
    for (int kind = 0; kind < 4; ++kind) {
        for (double LoadRec::*field : fields) {
            for (double bad : {std::nan(""), inf, -inf}) {
                LoadRec rec = loads[kind];
                rec.Mass *= 2;  // a changed load, so that a partial store would show
                rec.*field = bad;
                EXPECT_EQ(engine.SetLoad(kind, &rec), -2) << kind << " " << bad;
            }
        }
    }
    LoadRec nanTool = loads[0];
    nanTool.Mass = std::nan("");
    EXPECT_EQ(engine.SetLoad(4, &nanTool), -1);  // an unknown kind stays -1
    ASSERT_EQ(engine.Calculate(), 0);
    EXPECT_EQ(Results(engine), before);  // every old load stayed
}

TEST(DamagedMechTable, MissingConstantGivesNotANumberAndFails) {
    // 500 kg close to the flange of a 700 kg robot passes with the intact table.
    const LoadRec tool{500, 0, 0, 100, 5, 5, 5}, none{};
    const struct {
        const char* constant;
        bool moment;  // the moment level goes to 3, else the inertia level
    } cases[] = {{"", false},     {"KI_V", false}, {"KI_H", false},
                 {"KI_S", false}, {"SLR_V", true}, {"SLR_H", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("without ") + c.constant);
        TempDir dir;
        kesttest::WriteTables(dir, *c.constant ? BundledTableWithout("TK700-3000", c.constant)
                                               : kesttest::ReadBytes(std::string(KEST_SOURCE_DIR) +
                                                                     "data/mech/KestMechData.xml"));
        CTarn_Kest engine;
        ASSERT_EQ(engine.Init(U(dir.path()).c_str()), 0);
        ASSERT_EQ(engine.SelectMech(u"TK700-3000"), 0);
        ASSERT_EQ(engine.SetLoad(LOAD_TOOL, &tool), 0);
        for (int kind : {LOAD_S, LOAD_H, LOAD_V}) ASSERT_EQ(engine.SetLoad(kind, &none), 0);
        ASSERT_EQ(engine.Calculate(), 0);
        EXPECT_EQ(engine.GetMassLevel(), 0);
        EXPECT_EQ(engine.IsInEnvelope(), 1);
        if (*c.constant == '\0') {
            EXPECT_EQ(engine.GetMomentLevel(), 0);
            EXPECT_EQ(engine.GetInertiaLevel(), 0);
            EXPECT_EQ(engine.IsOverload(), 0);
            continue;
        }
        EXPECT_EQ(engine.GetMomentLevel(), c.moment ? 3 : 0);
        EXPECT_EQ(engine.GetInertiaLevel(), c.moment ? 0 : 3);
        EXPECT_EQ(engine.IsOverload(), 1);
    }
}

TEST_F(EngineObject, LimitValidityFlag) {
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    LoadRec tool{0, 10, 0, 10, 0, 0, 0};
    engine.SetLoad(LOAD_TOOL, &tool);
    engine.Calculate();
    EXPECT_EQ(engine.GetLimitR(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(engine.IsLimitInvalid(), 0);
    EXPECT_EQ(engine.IsInEnvelope(), 1);
    tool.Mass = -1;
    engine.SetLoad(LOAD_TOOL, &tool);
    engine.Calculate();
    EXPECT_EQ(engine.IsLimitInvalid(), 1);
    EXPECT_EQ(engine.GetLimitR(), 0.0);
    EXPECT_EQ(engine.GetLimitDist(), 0.0);
    EXPECT_EQ(engine.GetLimitZ(), 0.0);
}

TEST_F(EngineObject, SwitchingTablesDropsTheSelection) {
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    ASSERT_EQ(engine.LoadMechData(folder.c_str(), 0), 0);
    EXPECT_EQ(engine.Calculate(), -1);
    EXPECT_EQ(engine.GetCurMechName(buf, 64), 0);
    EXPECT_EQ(std::u16string(buf), u"");
    EXPECT_EQ(engine.GetMechName(0, buf, 24), 0);
    EXPECT_EQ(std::u16string(buf), u"Legacy");
    EXPECT_EQ(engine.GetMechDataVer(buf, 50), 0);
    EXPECT_EQ(std::u16string(buf), u"2 (old)");
    ASSERT_EQ(engine.LoadMechData(folder.c_str(), 1), 0);
    EXPECT_EQ(engine.GetMechName(0, buf, 24), 0);
    EXPECT_EQ(std::u16string(buf), u"HAND");
    // A folder given without its trailing separator finds the same file.
    std::u16string bare = folder.substr(0, folder.size() - 1);
    EXPECT_EQ(engine.Init(bare.c_str()), 0);
    // A missing table keeps the records but leaves nothing selected.
    ASSERT_EQ(engine.SelectMech(u"HAND"), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(engine.Init(u"/nonexistent-kest-folder/"), TARN_ERR_OPEN);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(engine.Calculate(), -1);
    EXPECT_EQ(engine.GetMechName(0, buf, 24), 0);
}

}  // namespace
