// The mechanism-table lint: one table with every kind of problem, each found
// on its own model, and nothing reported for sound models.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "LoadCheck.h"
#include "MechLint.h"
#include "TestData.h"

using namespace kest;

namespace {

// The hand-check model's constants, as element name and text.
const std::vector<std::pair<std::string, std::string>> kHand = {
    {"L_HX", "0.25"},   {"L_HZ", "0.75"}, {"L_VX", "0.5"},    {"L_VZ", "0.375"},    {"L_B", "0.125"},
    {"Th_Hmax", "120"}, {"M_A1I", "20"},  {"L_A1XI", "0.5"},  {"L_A1YI", "0.0625"}, {"L_A1ZI", "0.25"},
    {"I_A1XXI", "0.5"}, {"I_A1YYI", "1"}, {"I_A1ZZI", "1.5"}, {"M_Tmax", "10"},     {"Tau_uR1", "24.5"},
    {"Tau_uR2B", "49"}, {"I_R1", "1"},    {"I_R2B", "4"},     {"KI_V", "1"},        {"KI_H", "1"},
    {"KI_S", "2"},      {"SLR_V", "50"},  {"SLR_H", "50"},
};

// One Mech element: the hand model with some constants replaced (a value of
// "-" leaves the element out) and `extra` elements added.
std::string Mech(const std::string& nameAttr, const std::map<std::string, std::string>& replace = {},
                 const std::string& extra = "") {
    std::string out = "<Mech" + nameAttr + ">\n";
    for (const auto& c : kHand) {
        const auto r = replace.find(c.first);
        const std::string value = r == replace.end() ? c.second : r->second;
        if (value != "-") out += "<" + c.first + ">" + value + "</" + c.first + ">";
    }
    return out + extra + "\n</Mech>\n";
}

std::string Named(const std::string& name) { return " Name=\"" + name + "\""; }

std::string Table(const std::string& mechs) {
    return "<MechTable>\n<FileHeader Version=\"3\" LastModifiedDate=\"2026-01-01\"/>\n" + mechs +
           "</MechTable>\n";
}

std::vector<std::string> Texts(const MechLintReport& r) {
    std::vector<std::string> out;
    for (const MechLintFinding& f : r.findings) out.push_back(f.Text());
    return out;
}

MechLintReport Lint(const std::string& text) { return LintMechTable(text.data(), text.size()); }

TEST(MechLint, SoundTablesHaveNoFindings) {
    const MechLintReport hand = Lint(kesttest::HandTableXml());
    // The engine tests' second model is deliberately sparse: it lacks constants.
    EXPECT_EQ(hand.mechanisms, 2);
    for (const MechLintFinding& f : hand.findings) EXPECT_EQ(f.mech, "Second") << f.Text();
    EXPECT_FALSE(hand.findings.empty());

    const MechLintReport ok = Lint(Table(Mech(Named("A")) + Mech(Named("B"), {{"L_A1YI", "0"}})));
    EXPECT_TRUE(ok.Clean()) << testing::PrintToString(Texts(ok));
    EXPECT_EQ(ok.mechanisms, 2);
    for (const char* table : {"data/mech/KestMechData.xml", "data/mech/KestMechData_old.xml"}) {
        const MechLintReport bundled = LintMechTableFile(std::string(KEST_SOURCE_DIR) + table);
        EXPECT_TRUE(bundled.Clean()) << table << testing::PrintToString(Texts(bundled));
        EXPECT_GE(bundled.mechanisms, 10);
    }
}

TEST(MechLint, EachKindOfProblemIsFoundOnItsModel) {
    const std::string name23(23, 'N');
    // Ten Hangul syllables: 30 bytes, but ten characters.
    const std::string hangul =
        "\xEB\xA1\x9C\xEB\xB4\x87\xEB\xA1\x9C\xEB\xB4\x87\xEB\xA1\x9C\xEB\xB4\x87\xEB\xA1"
        "\x9C\xEB\xB4\x87\xEB\xA1\x9C\xEB\xB4\x87";
    const std::string text =
        Table(Mech(Named("Sound")) +                                                            // line 3
              Mech(Named("NoPayload"), {{"M_Tmax", "-"}}) +                                     // 6
              Mech(Named("Huge"), {{"Tau_uR1", "1e39"}, {"I_R1", "nan"}, {"KI_H", "inf"}}) +    // 9
              Mech(Named("Zeros"), {{"KI_V", "0"}, {"SLR_H", "-50"}, {"L_HX", "0"}}) +          // 12
              Mech(Named("Text"), {{"I_R2B", "n/a"}, {"SLR_V", "50,5"}}) +                      // 15
              Mech(Named("Twice"), {}, "<KI_S>3</KI_S>") +                                      // 18
              Mech(Named("WeakWrist"), {{"Tau_uR2B", "20"}}) +                                  // 21
              Mech(Named("ShortLever"), {{"Tau_uR2B", "25"}}) +                                 // 24
              Mech(Named("LowInertia"), {{"I_R1", "0.06"}, {"I_R2B", "0.2"}}) +                 // 27
              Mech("") +                                                                        // 30
              Mech(Named("")) +                                                                 // 33
              Mech(Named(" ")) +                                                                // 36
              Mech(Named(name23)) +                                                             // 39
              Mech(Named(name23 + "X")) +                                                       // 42
              Mech(Named(hangul)) +                                                             // 45
              Mech(Named("Sound")) +                                                            // 48
              Mech(Named("LowRef"), {{"L_A1ZI", "-100"}}) +                                     // 51
              Mech(Named(" Lead")) + Mech(Named("Trail\xC2\xA0")) + Mech(Named("Tab&#9;In")));  // 54, 57, 60
    const MechLintReport r = Lint(text);
    EXPECT_EQ(r.mechanisms, 20);
    const std::vector<std::string> expected = {
        "line 6, NoPayload: M_Tmax is missing.",
        "line 9, Huge: Tau_uR1 \"1e39\" is not a finite single-precision number.",
        "line 9, Huge: I_R1 \"nan\" is not a finite single-precision number.",
        "line 9, Huge: KI_H \"inf\" is not a finite single-precision number.",
        "line 12, Zeros: L_HX is 0; it must be positive.",
        "line 12, Zeros: KI_V is 0; it must be positive.",
        "line 12, Zeros: SLR_H is -50; it must be positive.",
        "line 15, Text: I_R2B \"n/a\" is not a number.",
        "line 15, Text: SLR_V \"50,5\" is not a plain number; the program reads 50.",
        "line 18, Twice: KI_S is given 2 times; the program uses the last.",
        "line 21, WeakWrist: the rated load is not real: Tau_uR2B (20) must be larger than Tau_uR1 (24.5).",
        "line 24, ShortLever: the rated load is not real: Tau_uR2B / Tau_uR1 puts its centre of gravity "
        "74.2353 mm short of the flange.",
        "line 27, LowInertia: the rated load is not real: I_R2B (0.2) must be larger than M_Tmax times the "
        "squared R2/B lever (2.5).",
        "line 27, LowInertia: the rated load is not real: I_R1 (0.06) must be larger than M_Tmax times the "
        "squared R1 lever (0.625).",
        "line 30: the Mech element has no Name attribute, so the program skips it.",
        "line 33: the name is empty.",
        "line 36,  : the name is empty.",
        "line 42, " + name23 + "X: the name has 24 characters; at most 23 fit.",
        "line 48, Sound: the name is already used on line 3; the program only finds the first.",
        // ((0.625 + 0.5) * 10 * 9.8 + 20 * -100 * 9.8) / 50 * 100
        "line 51, LowRef: the allowable V-axis moment comes out as -38979.5; it must be a positive number.",
        // ((0.75 + 0.625 + 0.5) * 10 * 9.8 + (0.75 - 100) * 20 * 9.8) / 50 * 100
        "line 51, LowRef: the allowable H-axis moment comes out as -38538.5; it must be a positive number.",
        // A project keeps names trimmed and without control characters.
        "line 54,  Lead: the name begins or ends with a blank; a project cannot refer to it.",
        "line 57, Trail\xC2\xA0: the name begins or ends with a blank; a project cannot refer to it.",
        "line 60, Tab\tIn: the name holds a control character; a project cannot refer to it.",
    };
    EXPECT_EQ(Texts(r), expected);
}

TEST(MechLint, TablesThatCannotBeReadAreOneFinding) {
    const struct {
        std::string text;
        std::string finding;
    } cases[] = {
        {"", "line 1: the text is not well-formed XML: No document element found."},
        {"<MechTable><FileHeader/>\n<Mech Name=\"A\">",
         "line 2: the text is not well-formed XML: Start-end tags mismatch."},
        {"<MechTable><FileHeader Version=1/></MechTable>",
         "line 1: the text is not well-formed XML: Error parsing element attribute."},
        {Table(""), "the table holds no Mech element."},
        {"<a>" +
             [] {
                 std::string s;
                 for (int i = 0; i < 300; ++i) s += "<b>";
                 for (int i = 0; i < 300; ++i) s += "</b>";
                 return s;
             }() +
             "</a>",
         "elements nest deeper than 256 levels."},
        {"<Other><FileHeader Version=\"1\"/></Other>",
         "there is no FileHeader element inside a MechTable element."},
    };
    for (const auto& c : cases) {
        const MechLintReport r = Lint(c.text);
        EXPECT_TRUE(r.readable);
        ASSERT_FALSE(r.findings.empty()) << c.text.substr(0, 80);
        EXPECT_EQ(r.findings.back().Text(), c.finding);
    }
    // A header without its two attributes, and a NUL byte ending the text early.
    const std::string header = "<MechTable><FileHeader/>" + Mech(Named("A")) + "</MechTable>";
    EXPECT_EQ(Texts(Lint(header)),
              (std::vector<std::string>{"the FileHeader has no Version attribute.",
                                        "the FileHeader has no LastModifiedDate attribute."}));
    std::string withNul = Table(Mech(Named("A")));
    withNul[withNul.find("<Mech") + 1] = '\0';
    EXPECT_EQ(Lint(withNul).findings.size(), 1u);

    // Files: missing, a folder, a device.
    kesttest::TempDir dir;
    for (const std::string& path : {dir.file("missing.xml"), dir.path(), std::string("/dev/zero")}) {
        const MechLintReport r = LintMechTableFile(path);
        EXPECT_FALSE(r.readable) << path;
        EXPECT_FALSE(r.Clean());
        EXPECT_NE(r.problem.find("cannot be read"), std::string::npos) << r.problem;
    }
}

}  // namespace
