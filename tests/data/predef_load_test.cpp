// The bundled PredefLoad.xml: read by the load calculator's own reader with
// no load left out, physically possible loads, and a picture for every load.
#include <gtest/gtest.h>

#include <QString>

#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "DlgLoadCalc.h"

namespace {

const std::string kAppDir = KEST_APP_DIR;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += n;
    }
    return true;
}

// Tokens separated by commas and/or blanks, as the calculator's filters split them.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (char ch : text + ",") {
        if (ch == ',' || ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r') {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
        } else {
            cur += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
    }
    return out;
}

// The whole text must be one finite number.
bool ParseNumber(const char* text, double& v) {
    char* end = nullptr;
    errno = 0;
    v = std::strtod(text, &end);
    while (end != nullptr && (*end == ' ' || *end == '\t' || *end == '\n')) ++end;
    return end != text && end != nullptr && *end == '\0' && errno == 0 && std::isfinite(v);
}

// Width and height from a PNG's IHDR chunk; false when it is no PNG.
bool PngSize(const std::string& path, uint32_t& w, uint32_t& h) {
    const std::string bytes = ReadAll(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return false;
    auto be32 = [&](size_t at) {
        uint32_t v = 0;
        for (size_t k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(bytes[at + k]);
        return v;
    };
    w = be32(16);
    h = be32(20);
    return true;
}

class PredefLoadFile : public ::testing::Test {
protected:
    void SetUp() override {
        text = ReadAll(kAppDir + "PredefLoad.xml");
        ASSERT_FALSE(text.empty()) << "no PredefLoad.xml in " << kAppDir;
        const pugi::xml_parse_result r = doc.load_buffer(text.data(), text.size());
        ASSERT_TRUE(r) << r.description() << " at offset " << r.offset;
    }
    std::string text;
    pugi::xml_document doc;
};

TEST_F(PredefLoadFile, IsTheSourceFileInUtf8WithItsHeader) {
    EXPECT_TRUE(text == ReadAll(std::string(KEST_SOURCE_DIR) + "data/PredefLoad.xml"))
        << "the application folder holds a stale copy";
    EXPECT_TRUE(IsUtf8(text));
    EXPECT_NE(text.find("encoding=\"UTF-8\""), std::string::npos);

    const pugi::xml_node header = doc.select_node("//PredefLoad/FileHeader").node();
    ASSERT_TRUE(header);
    double version = 0;
    EXPECT_TRUE(ParseNumber(header.attribute("Version").value(), version));
    EXPECT_EQ(version, std::floor(version));
    EXPECT_GE(version, 1);
    EXPECT_EQ(std::string(header.attribute("LastModifiedDate").value()).size(), 10u) << "YYYY-MM-DD";
}

TEST_F(PredefLoadFile, EveryLoadIsComplete) {
    const pugi::xpath_node_set loads = doc.select_nodes("//Load");
    ASSERT_GE(loads.size(), 30u);
    // The calculator's reader takes every load, in document order.
    CPredefLoads read;
    QString error;
    ASSERT_EQ(ReadPredefFile(QString::fromStdString(kAppDir + "PredefLoad.xml"), read, &error), 0)
        << error.toStdString();
    EXPECT_TRUE(read.skipped.isEmpty()) << read.skipped.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(read.loads.size(), loads.size());
    ASSERT_EQ(read.written.size(), loads.size());
    size_t index = 0;
    const std::set<std::string> mounts = {"tool", "v", "h", "s"}, appls = {"spot", "arc", "handling"};
    std::set<std::string> names;
    std::set<std::string> seenMounts;
    for (const pugi::xpath_node& xn : loads) {
        const pugi::xml_node load = xn.node();
        const std::string name = load.attribute("Name").value();
        SCOPED_TRACE(name);
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second) << "duplicate name";
        EXPECT_STRNE(load.child_value("Description"), "");
        // The English interface shows DescriptionEn: present, and no Hangul
        // left in it (UTF-8 lead bytes 0xE1, 0xE3 and 0xEA to 0xED start jamo
        // and syllables; the descriptions' other characters, such as ° and ×,
        // are two-byte or 0xE2 sequences).
        const std::string english = load.child_value("DescriptionEn");
        EXPECT_FALSE(english.empty());
        for (const unsigned char c : english) EXPECT_TRUE(c != 0xE1 && c != 0xE3 && (c < 0xEA || c > 0xED));
        for (const std::string& t : Tokens(load.child_value("Mount"))) {
            EXPECT_EQ(mounts.count(t), 1u) << "Mount token " << t;
            seenMounts.insert(t);
        }
        for (const std::string& t : Tokens(load.child_value("Appl")))
            EXPECT_EQ(appls.count(t), 1u) << "Appl " << t;

        const char* const fields[7] = {"Mass", "L_X", "L_Y", "L_Z", "I_X", "I_Y", "I_Z"};
        const std::array<double, 7>& written = read.written[index];
        const CLoad& got = read.loads[index++];
        for (int k = 0; k < 7; ++k) {
            // The numbers as written (the build's pictures), and the load's
            // own in single precision.
            double inFile = 0;
            EXPECT_TRUE(ParseNumber(load.child_value(fields[k]), inFile)) << fields[k];
            EXPECT_EQ(written[k], inFile) << fields[k];
        }
        EXPECT_EQ(got.prm.Mass, static_cast<double>(static_cast<float>(written[0])));
        EXPECT_EQ(got.prm.Izz, static_cast<double>(static_cast<float>(written[6])));
        EXPECT_EQ(got.Name.toStdString(), name);
        const CPrmLoadSub& p = got.prm;
        // Millimetres as in the file.
        const double v[7] = {p.Mass, p.Lx * 1000, p.Ly * 1000, p.Lz * 1000, p.Ixx, p.Iyy, p.Izz};
        EXPECT_GT(v[0], 0.0);
        // Any rigid body's principal inertias obey the triangle inequality.
        const double ixx = v[4], iyy = v[5], izz = v[6];
        EXPECT_TRUE(ixx >= 0 && iyy >= 0 && izz >= 0);
        EXPECT_LE(ixx, (iyy + izz) * 1.0001);
        EXPECT_LE(iyy, (izz + ixx) * 1.0001);
        EXPECT_LE(izz, (ixx + iyy) * 1.0001);
        // Centres of gravity are in millimetres: a part whose centre lies
        // within a millimetre of the origin yet is not tiny was written in metres.
        const double reach = std::hypot(v[1], v[2], v[3]);
        EXPECT_TRUE(reach == 0 || reach > 1.0) << "centre of gravity looks like metres";
    }
    EXPECT_EQ(seenMounts, mounts) << "loads for every mount kind";
}

TEST_F(PredefLoadFile, EveryLoadHasItsPicture) {
    uint32_t w = 0, h = 0;
    ASSERT_TRUE(PngSize(kAppDir + "Image/Load/guide.png", w, h));
    for (const pugi::xpath_node& xn : doc.select_nodes("//Load")) {
        const std::string img = xn.node().child_value("Img");
        SCOPED_TRACE(img);
        EXPECT_EQ(img.rfind("Image/Load/", 0), 0u);
        ASSERT_TRUE(PngSize(kAppDir + img, w, h)) << "missing or not a PNG";
        EXPECT_EQ(w, 240u);
        EXPECT_EQ(h, 180u);
    }
}

}  // namespace
