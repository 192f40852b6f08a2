// The bundled mechanism tables: every model physically plausible, and the rated
// load of every model loads it to exactly 100 %.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "EngineLibrary.h"
#include "LoadCheck.h"
#include "TblMech.h"
#include "TestData.h"
#include "Utf16.h"

using namespace kest;

namespace {

struct TableCase {
    const char* file;
    int minModels;
};

const TableCase kTables[] = {{"KestMechData", 12}, {"KestMechData_old", 8}};

void LoadPlain(CTblMech& t, const char* file) {
    const std::string path = std::string(KEST_SOURCE_DIR) + "data/mech/" + file + ".xml";
    ASSERT_EQ(t.Load(kesttest::U(path), false), 0) << path;
}

TEST(BundledMechData, EncryptedFilesMatchTheirSources) {
    for (const TableCase& c : kTables) {
        const std::string plain =
            kesttest::ReadBytes(std::string(KEST_SOURCE_DIR) + "data/mech/" + c.file + ".xml");
        const std::string enc = kesttest::ReadBytes(std::string(KEST_APP_DIR) + c.file + ".bin");
        EXPECT_EQ(enc, kesttest::EncryptTable(plain)) << c.file;
    }
}

TEST(BundledMechData, ModelsArePlausible) {
    std::set<std::u16string> current;
    for (const TableCase& c : kTables) {
        CTblMech t;
        LoadPlain(t, c.file);
        EXPECT_GE(t.GetCount(), c.minModels) << c.file;
        EXPECT_GT(t.GetVersion(), 0) << c.file;
        EXPECT_FALSE(t.GetLastModifiedDate().empty()) << c.file;
        double lightest = 1e9, heaviest = 0;
        for (int i = 0; i < t.GetCount(); ++i) {
            MechRec& m = *t.GetAt(i);
            const std::string name = Utf16ToUtf8(m.name);
            SCOPED_TRACE(std::string(c.file) + " " + name);
            EXPECT_LE(m.name.size(), 23u);
            EXPECT_EQ(t.FindMech(m.name), &m) << "names are unique";
            EXPECT_EQ(m.picture, m.name.empty() ? u"" : u"Image/Mech/" + m.name + u".png");
            EXPECT_GE(m.Th_Hmax, 45.0);
            EXPECT_LE(m.Th_Hmax, 120.0);
            for (double len : {m.L_HX, m.L_HZ, m.L_VX, m.L_VZ, m.L_B}) {
                EXPECT_GT(len, 0.0);
                EXPECT_LT(len, 2.0);
            }
            EXPECT_GT(m.L_HZ + m.L_VX, 0.9);  // reach in metres
            CalculateLoadCheck(m);
            const MechResults& r = m.res;
            EXPECT_GT(r.zr, 0.0);
            EXPECT_GT(r.Irxx, 0.0);
            EXPECT_GT(r.Irzz, 0.0);
            for (double allowable : {r.AMV, r.AMH, r.AJV, r.AJH, r.AJS}) EXPECT_GT(allowable, 0.0);
            lightest = std::min(lightest, m.M_Tmax);
            heaviest = std::max(heaviest, m.M_Tmax);
            if (c.minModels == 12)
                current.insert(m.name);
            else
                EXPECT_TRUE(current.count(m.name)) << "older models keep their names";
        }
        if (c.minModels == 12) {
            EXPECT_LE(lightest, 6.0);
            EXPECT_GE(heaviest, 700.0);
        }
    }
}

TEST(BundledMechData, OlderGenerationDiffers) {
    CTblMech now, old;
    LoadPlain(now, "KestMechData");
    LoadPlain(old, "KestMechData_old");
    EXPECT_LT(old.GetCount(), now.GetCount());  // some models are absent
    int lower = 0;
    for (int i = 0; i < old.GetCount(); ++i) {
        const MechRec* o = old.GetAt(i);
        const MechRec* n = now.FindMech(o->name);
        if (n != nullptr && (o->Tau_uR1 < n->Tau_uR1 || o->I_R2B < n->I_R2B)) ++lower;
    }
    EXPECT_GE(lower, 2);
}

TEST(BundledMechData, RatedLoadIsExactlyFull) {
    kesttest::EngineLibrary lib;
    for (int current : {1, 0}) {
        ITarn* t = lib.CreateInstance();
        ASSERT_NE(t, nullptr);
        ASSERT_EQ(t->LoadMechData(kesttest::U(KEST_APP_DIR).c_str(), current), 0);
        char16_t name[24];
        int count = 0;
        for (int i = 0; t->GetMechName(i, name, 24) == 0; ++i, ++count) {
            SCOPED_TRACE(Utf16ToUtf8(name));
            ASSERT_EQ(t->SelectMech(name), 0);
            LoadRec rated{}, zero{};
            ASSERT_EQ(t->GetDefaultLoad(LOAD_TOOL, &rated), 0);
            t->SetLoad(LOAD_TOOL, &rated);
            t->SetLoad(LOAD_S, &zero);
            t->SetLoad(LOAD_H, &zero);
            t->SetLoad(LOAD_V, &zero);
            ASSERT_EQ(t->Calculate(), 0);
            AxisRatios mom{}, load{};
            t->GetMomentRatios(&mom);
            t->GetLoadRatios(&load);
            EXPECT_NEAR(mom.v[5], 100.0, 1e-9);  // R1
            EXPECT_NEAR(mom.v[3], 100.0, 1e-9);  // R2
            EXPECT_NEAR(mom.v[4], 100.0, 1e-9);  // B
            EXPECT_EQ(t->GetMassLevel(), 0);
            EXPECT_EQ(t->GetMomentLevel(), 0);
            EXPECT_EQ(t->IsInEnvelope(), 1);
            EXPECT_EQ(t->IsLimitInvalid(), 0);
            // The rated tool's own inertias are what remains at 100 % inertia.
            AxisRatios inertia{};
            t->GetInertiaRatios(&inertia);
            EXPECT_NEAR(inertia.v[5], 100.0, 1e-9);
            EXPECT_NEAR(inertia.v[3], 100.0, 1e-9);
        }
        EXPECT_GE(count, current ? 12 : 8);
        lib.DeleteInstance(t);
    }
}

}  // namespace
