#include "settings/TextForms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TextForms, FormatIntIsPlainSignedDecimal) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {{0, "0"},
                 {-1, "-1"},
                 {42, "42"},
                 {1093813840, "1093813840"},
                 {kMin, "-2147483648"},
                 {kMax, "2147483647"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatInt(c.value), c.text);
}

TEST(TextForms, FormatFixed2RoundsTheExactValueHalfwayAwayFromZero) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1.125, "1.13"}, // exactly halfway: away from zero
        {-1.125, "-1.13"},
        {0.125, "0.13"},
        {0.375, "0.38"},
        {2.5, "2.50"},
        {1.1f, "1.10"},  // the float nearest 1.1, widened
        {1.15f, "1.15"}, // 1.14999997615814208984375
        {2.675, "2.67"}, // just below halfway as a double
        {2.675f, "2.67"},
        {0.015, "0.01"}, // 0.01499999999999999944...
        {0.005, "0.01"}, // 0.00500000000000000010...
        {999.999, "1000.00"},
        {9.995, "9.99"},
        {0.0, "0.00"},
        {-0.004, "-0.00"},
        {3.0, "3.00"},
        {0.5, "0.50"},
        {1e20, "100000000000000000000.00"},
        {4.9e-324, "0.00"},
        {kInf, "inf"},
        {-kInf, "-inf"},
        {std::nan(""), "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed2(c.value), c.text) << c.value;
    EXPECT_EQ(FormatFixed2(1.7976931348623157e308).size(), 309u + 3u);
}

TEST(TextForms, FormatGeneralActsAsPercentDotStarG) {
    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {0.1, 6, "0.1"},
        {1.1f, 6, "1.1"},
        {1.1f, 9, "1.10000002"},
        {1e20, 6, "1e+20"},
        {123456789, 6, "1.23457e+08"},
        {0.0001, 6, "0.0001"},
        {0.00001, 6, "1e-05"},
        {-1.5, 6, "-1.5"},
        {100, 2, "1e+02"},
        {0.0, 6, "0"},
        {2.25, 0, "2"},
        {7.0, -1, "7"},
        {1234567.0, -5, "1.23457e+06"},
        {2.5, 3, "2.5"},
        {kInf, 6, "inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.value, c.precision), c.text) << c.value << " " << c.precision;
    EXPECT_EQ(FormatGeneral(0.1, 100000),
              "0.1000000000000000055511151231257827021181583404541015625");
}

TEST(TextForms, IntegerTextWrapsModulo2To32) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"5", 5},
        {"  -12x", -12},
        {"+7", 7},
        {"\t\r\n\v\f 42", 42},
        {"4294967295", -1},
        {"4294967296", 0},
        {"2147483648", kMin},
        {"-2147483649", kMax},
        {"99999999999999999999", 1661992959},
        {"1.9", 1},
        {"3e1", 3},
        {"-0", 0},
        {"0x10", 0},
        {"007", 7},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"1 2", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseIntText(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextForms, FloatTextReadsSignDigitsFractionAndFourExponentLetters) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"5.9", 5.9},
        {"-1.5", -1.5},
        {"3e1", 30.0},
        {"3d1", 30.0},
        {"3D-1", 0.3},
        {"1E2", 100.0},
        {"2e+2", 200.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"  +2.5x", 2.5},
        {"1.10", 1.1},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1ex", 1.0},
        {"7d", 7.0},
        {"1.5.5", 1.5},
        {"1,5", 1.0},
        {".", 0.0},
        {"e5", 0.0},
        {"-.e1", 0.0},
        {"abc", 0.0},
        {"", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"0x1p3", 0.0},
        {"1e400", kInf},
        {"-1e400", -kInf},
        {"1e-400", 0.0},
        {"0e99999999999999", 0.0},
        {"1.5e99999999999999999999", kInf},
        {"000000000000000000000000000001e-5", 1e-5},
        {"0.000000000000000000000000000001e30", 1.0},
        {"4.9e-324", 4.9e-324},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFloatText(c.text), c.value) << '"' << c.text << '"';
    // Exactly halfway between the largest double and the next power of two
    // rounds to even, which is infinity; one less stays finite.
    const std::string head =
        "1797693134862315807937289714053034150799341327100378269361737789804449"
        "6829276475094664901797758720709633028641669288791094655554785194040263"
        "0657488671505820681908902000708383676273854845817711531764475730270069"
        "8555713669596228429148198608349364752927190741684443655107043427115596"
        "9950809304288017790417449779";
    EXPECT_EQ(ParseFloatText(head + "2"), kInf);
    EXPECT_EQ(ParseFloatText(head + "1"), std::numeric_limits<double>::max());
    EXPECT_TRUE(std::signbit(ParseFloatText("-0.0")));
    EXPECT_TRUE(std::signbit(ParseFloatText("-1e-400")));
}

TEST(TextForms, FloatTextForTheMultiplierRoundsOnceToTheNearestFloat) {
    EXPECT_EQ(ParseFloatTextAsFloat("1.1"), 1.1f);
    EXPECT_EQ(ParseFloatTextAsFloat("2.5d0"), 2.5f);
    EXPECT_EQ(ParseFloatTextAsFloat("garbage"), 0.0f);
    EXPECT_EQ(ParseFloatTextAsFloat("1e39"), std::numeric_limits<float>::max());
    EXPECT_EQ(ParseFloatTextAsFloat("-1e39"), -std::numeric_limits<float>::max());
    // That value writes back as a number that reads as itself.
    EXPECT_EQ(ParseFloatTextAsFloat(FormatFixed2(ParseFloatTextAsFloat("1e39"))),
              std::numeric_limits<float>::max());
    EXPECT_EQ(ParseFloatTextAsFloat("1e-50"), 0.0f);
    // Just above the point halfway between 1 and the next float: through a
    // double it would land on that point and then round down to 1.
    EXPECT_EQ(ParseFloatTextAsFloat("1.0000000596046448"), 1.00000012f);
    EXPECT_EQ(static_cast<float>(ParseFloatText("1.0000000596046448")), 1.0f);
}

TEST(TextForms, TruncatedFloatTextSaturatesOutsideThe32BitRange) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"5.9", 5},
        {"-1.5", -1},
        {"2.9", 2},
        {"-0.5", 0},
        {"1e2", 100},
        {"3d1", 30},
        {"abc", 0},
        {"", 0},
        {"2147483647.9", kMax},
        {"2147483648", kMax},
        {"4294967295", kMax},
        {"1e10", kMax},
        {"1e400", kMax},
        {"-2147483648.9", kMin},
        {"-2147483649", kMin},
        {"-1e10", kMin},
        {"-1e400", kMin},
        {"-2147483647.5", -2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTruncatedText(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextForms, FloatPrefixCountsWhatStrtodWouldConsume) {
    const struct {
        const char* text;
        double value;
        size_t length;
    } cases[] = {
        {"1.5", 1.5, 3},    {"  2.5abc", 2.5, 5},  {"abc", 0.0, 0},  {"", 0.0, 0},
        {"-", 0.0, 0},      {"  ", 0.0, 0},        {"1e", 1.0, 1},   {"1e+5", 1e5, 4},
        {"1E-2x", 0.01, 4}, {"1d5", 1.0, 1},       {".5", 0.5, 2},   {"5.", 5.0, 2},
        {".", 0.0, 0},      {"-.5e-1x", -0.05, 6}, {"+3", 3.0, 2},   {"0x1A", 0.0, 1},
        {"inf", 0.0, 0},    {"1e400", kInf, 5},    {"\t7 ", 7.0, 2}, {"0", 0.0, 1},
    };
    for (const auto& c : cases) {
        const FloatPrefix number = ParseFloatPrefix(c.text);
        EXPECT_EQ(number.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(number.length, c.length) << '"' << c.text << '"';
    }
}

TEST(TextForms, ParsersStopAtTheEndOfTheViewNotAtATerminator) {
    const char text[] = "12345";
    EXPECT_EQ(ParseIntText(std::string_view(text, 2)), 12);
    EXPECT_EQ(ParseFloatText(std::string_view(text, 3)), 123.0);
    EXPECT_EQ(ParseFloatPrefix(std::string_view(text, 1)).length, 1u);
    const std::string embedded("7\0"
                               "8",
                               3);
    EXPECT_EQ(ParseIntText(embedded), 7);
}

TEST(TextForms, OddsPackLeastSignificantByteFirst) {
    const int8_t defaults[12] = {80, 70, 50, 65, 60, 45, 55, 20, 30, 10, 10, 0};
    EXPECT_EQ(PackOdds(defaults, 0), 1093813840);
    EXPECT_EQ(PackOdds(defaults, 1), 339160380);
    EXPECT_EQ(PackOdds(defaults, 2), 657950);
    const int8_t monsterOnly[12] = {0, 0, 0, -56, 1, 2, 3, 4, 0, 0, 10, 0};
    EXPECT_EQ(PackOdds(monsterOnly, 0), -939524096);
    EXPECT_EQ(PackOdds(monsterOnly, 1), 0x04030201);
    EXPECT_EQ(PackOdds(monsterOnly, 2), 10 << 16);
    EXPECT_EQ(PackOdds(defaults, -1), 0);
    EXPECT_EQ(PackOdds(defaults, 3), 0);
}

TEST(TextForms, OddsUnpackIntoTheirOwnFourBytesWithSign) {
    const struct {
        int32_t packed;
        int group;
        int8_t bytes[4];
    } cases[] = {
        {-1, 0, {-1, -1, -1, -1}},
        {1093813840, 0, {80, 70, 50, 65}},
        {-939524096, 1, {0, 0, 0, -56}},
        {0x7F80FF01, 2, {1, -1, -128, 127}},
        {static_cast<int32_t>(0x80000000u), 2, {0, 0, 0, -128}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.packed);
        int8_t odds[12];
        std::memset(odds, 33, sizeof odds);
        UnpackOdds(c.packed, c.group, odds);
        for (int i = 0; i < 12; ++i) {
            const int in = i - c.group * 4;
            EXPECT_EQ(odds[i], in >= 0 && in < 4 ? c.bytes[in] : 33) << i;
        }
        EXPECT_EQ(PackOdds(odds, c.group), c.packed);
    }
    int8_t odds[12] = {};
    UnpackOdds(-1, 3, odds);
    UnpackOdds(-1, -1, odds);
    for (int8_t b : odds)
        EXPECT_EQ(b, 0);
}

} // namespace
