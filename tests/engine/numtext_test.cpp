// Number text must not depend on the process locale: a German locale with a
// decimal comma must not change how files are read or written.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "NumText.h"

using namespace kest;

namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        previous = std::setlocale(LC_ALL, nullptr);
        // scripts/install-deps.sh generates this locale.
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the de_DE.UTF-8 locale is missing; run scripts/install-deps.sh";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, previous.c_str()); }
    std::string previous;
};

TEST_F(CommaLocale, ScanFloatReadsLikeScanfInTheCLocale) {
    float f = -1;
    ASSERT_TRUE(ScanFloat("0.1", f));
    EXPECT_EQ(static_cast<double>(f), 0.100000001490116119384765625);
    ASSERT_TRUE(ScanFloat("9.8", f));
    EXPECT_EQ(static_cast<double>(f), 9.80000019073486328125);
    ASSERT_TRUE(ScanFloat("  \n12.5mm", f));
    EXPECT_EQ(f, 12.5f);
    ASSERT_TRUE(ScanFloat("0,5", f));  // a comma ends the number
    EXPECT_EQ(f, 0.0f);
    ASSERT_TRUE(ScanFloat("-3e2", f));
    EXPECT_EQ(f, -300.0f);
    f = 7;
    EXPECT_FALSE(ScanFloat("abc", f));
    EXPECT_FALSE(ScanFloat("", f));
    EXPECT_FALSE(ScanFloat(nullptr, f));
    EXPECT_EQ(f, 7.0f);
}

TEST_F(CommaLocale, ParseDoubleNeedsTheWholeText) {
    double d = -1;
    ASSERT_TRUE(ParseDouble(" 12.25 ", d));
    EXPECT_EQ(d, 12.25);
    d = 3;
    EXPECT_FALSE(ParseDouble("12,25", d));
    EXPECT_FALSE(ParseDouble("12.5x", d));
    EXPECT_FALSE(ParseDouble("", d));
    EXPECT_EQ(d, 3.0);
}

TEST_F(CommaLocale, FormatUsesAPoint) {
    EXPECT_EQ(FormatC("%.4f", 1.5), "1.5000");
    EXPECT_EQ(FormatC("%.15g", 0.1), "0.1");
    EXPECT_EQ(FormatC("%.3f", -1234.5), "-1234.500");
    // The process locale itself is left as it was.
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
}

TEST(NumText, IntegerPrefix) {
    EXPECT_EQ(ParseIntPrefix("24"), 24);
    EXPECT_EQ(ParseIntPrefix("  -7 (draft)"), -7);
    EXPECT_EQ(ParseIntPrefix("12.9"), 12);
    EXPECT_EQ(ParseIntPrefix("v3"), 0);
    EXPECT_EQ(ParseIntPrefix(""), 0);
    EXPECT_EQ(ParseIntPrefix("99999999999"), 2147483647);
    EXPECT_EQ(ParseIntPrefix("-99999999999"), -2147483647 - 1);
}

}  // namespace
