// Hostile mechanism tables beyond the reader's own rules: entities, encodings,
// NUL bytes and names far longer than any model's, read through the engine
// object as the program reads them.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "MechLint.h"
#include "TarnKest.h"
#include "Tarn_Kest.h"
#include "TblMech.h"
#include "TestData.h"

using namespace kest;
using kesttest::TempDir;
using kesttest::U;

namespace {

int LoadText(CTblMech& t, const std::string& xml) { return t.LoadXml(xml.data(), xml.size()); }

const char kHeader[] = "<MechTable><FileHeader Version=\"1\" LastModifiedDate=\"d\"/>";

// Internal entities that would grow to gigabytes, and an external one naming
// a local file: the reader expands neither and reads no other file.
TEST(HostileTable, EntitiesAreNeverExpanded) {
    std::string dtd = "<!DOCTYPE MechTable [<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        std::string refs;
        for (int k = 0; k < 10; ++k) refs += "&l" + std::to_string(i - 1) + ";";
        dtd += "<!ENTITY l" + std::to_string(i) + " \"" + refs + "\">";
    }
    dtd += "<!ENTITY ext SYSTEM \"file://" + std::string(KEST_SOURCE_DIR) + "README.md\">]>";
    CTblMech t;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(LoadText(t, dtd + kHeader +
                              "<Mech Name=\"A\"><Img>&l9;</Img><Description>&ext;</Description>"
                              "<M_Tmax>&l1;</M_Tmax></Mech></MechTable>"),
              0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(t.GetCount(), 1);
    EXPECT_EQ(t.GetAt(0)->picture, u"&l9;");  // the reference stays as written
    EXPECT_EQ(t.GetAt(0)->M_Tmax, 0.0);
}

TEST(HostileTable, EncodingsAndBytesThatAreNotText) {
    CTblMech t;
    ASSERT_EQ(LoadText(t, std::string(kHeader) + "<Mech Name=\"Kept\"/></MechTable>"), 0);
    // UTF-16, even with its byte-order mark: the table is an 8-bit text that
    // ends at its first zero byte, so it is refused as not XML and the previous
    // records stay; the lint says the same.
    const std::u16string utf16 =
        u"\uFEFF<MechTable><FileHeader Version=\"4\"/><Mech Name=\"A\"/></MechTable>";
    const char* bytes = reinterpret_cast<const char*>(utf16.data());
    EXPECT_EQ(t.LoadXml(bytes, utf16.size() * 2), TARN_ERR_XML);
    EXPECT_EQ(t.GetNameAt(0), u"Kept");
    const MechLintReport lint = LintMechTable(bytes, utf16.size() * 2);
    ASSERT_EQ(lint.findings.size(), 1u);
    EXPECT_NE(lint.findings[0].problem.find("not well-formed XML"), std::string::npos);
    // Bytes that are not UTF-8 in a name: one replacement character per bad byte.
    ASSERT_EQ(LoadText(t, std::string(kHeader) + "<Mech Name=\"A\xFF\xC3\"/></MechTable>"), 0);
    EXPECT_EQ(t.GetNameAt(0), u"A\uFFFD\uFFFD");
    // A NUL byte ends the text: inside the table it cuts it (not XML, the previous
    // records stay); after the table it changes nothing.
    std::string cut = std::string(kHeader) + "<Mech Name=\"B\"/></MechTable>";
    cut[cut.find("<Mech")] = '\0';
    EXPECT_EQ(LoadText(t, cut), TARN_ERR_XML);
    EXPECT_EQ(t.GetNameAt(0), u"A\uFFFD\uFFFD");
    std::string tail = std::string(kHeader) + "<Mech Name=\"B\"/></MechTable>";
    tail += '\0';
    tail += "<garbage";
    ASSERT_EQ(LoadText(t, tail), 0);
    EXPECT_EQ(t.GetNameAt(0), u"B");
}

// A name of 100,000 characters: the engine keeps it whole, the window's
// 24-character buffer gets the first 23 and its terminator, the cut name
// selects nothing, and the lint reports it.
TEST(HostileTable, HundredThousandCharacterName) {
    TempDir dir;
    const std::string longName(100000, 'N');
    const std::string xml =
        std::string(kHeader) + "<Mech Name=\"" + longName +
        "\"><M_Tmax>6</M_Tmax></Mech><Mech Name=\"Short\"><M_Tmax>5</M_Tmax></Mech></MechTable>";
    kesttest::WriteTables(dir, xml);
    CTarn_Kest engine;
    ASSERT_EQ(engine.Init(U(dir.path()).c_str()), 0);
    char16_t buf[24 + 8];
    std::fill(std::begin(buf), std::end(buf), u'#');
    ASSERT_EQ(engine.GetMechName(0, buf, 24), 0);
    EXPECT_EQ(std::u16string(buf), std::u16string(23, u'N'));
    EXPECT_EQ(buf[24], u'#');  // nothing written past the buffer
    EXPECT_EQ(engine.SelectMech(buf), -1);
    EXPECT_EQ(engine.SelectMech(U(longName).c_str()), 0);
    EXPECT_EQ(engine.GetMaxPayload(), 6.0);
    const MechLintReport lint = LintMechTable(xml.data(), xml.size());
    ASSERT_FALSE(lint.findings.empty());
    EXPECT_NE(lint.findings[0].problem.find("the name has 100000 characters"), std::string::npos);
}

}  // namespace
