#include "console/number_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace hx {
namespace {

// All expected texts in this file are derived by hand from the picture rules
// (and, for rounding, from the exact binary value of the float), not by
// running the formatter.

struct Case {
    const char* picture;
    std::vector<float> values;
    const char* expected;
};

void checkAll(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(formatUsing(c.picture, c.values), c.expected)
            << "picture \"" << c.picture << "\"";
    }
}

constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(NumberPicture, FieldsAndRestarts) {
    checkAll({
        {"###.##", {3.5f, -3.5f, 1234.5f}, "  3.50 -3.50%1234.5"},
        {"#.###", {0.5f}, "0.500"},
        {".####", {0.5f}, ".5000"},
        {"##.##", {0.5f}, " 0.50"},
        {"###.", {12.4f}, " 12."},
        {"##", {-12.0f}, "%-12"},  // the minus needs a position too
        {".##", {1.5f}, "%1.5"},   // no integer position at all
        {".##", {-0.5f}, "%-0.5"},
        {"#.##", {-0.5f}, "-.50"},  // the sign takes the only position: no zero
        {"##.##", {-0.5f}, "-0.50"},
        {"#.##", {-0.001f}, "0.00"},  // rounds to zero: no minus
        {"A=## B=##;", {1, 2, 3}, "A= 1 B= 2;A= 3 B="},
        {"A=#.##, B=#.##", {1, 2}, "A=1.00, B=2.00"},
        {"N=###, M=###", {1, 2}, "N=  1, M=  2"},
        {"#.##.", {1.5f}, "1.50."},
    });
}

TEST(NumberPicture, RoundsHalfAwayOnExactValue) {
    checkAll({
        {"#.##", {0.125f, -0.125f}, "0.13-.13"},
        {"#.##", {9.996f}, "%9.996"},  // 10.00 needs two integer positions
        {"##.##", {9.996f}, "10.00"},
        {"#.##", {2.675f}, "2.67"},  // 2.67499995...
        {"#.##", {0.005f}, "0.00"},  // 0.00499999988...
        {"#", {0.5f, 2.5f}, "13"},
        {"##", {-2.5f}, "-3"},
        {"(*) ##.#", {1.25f}, "(*)  1.3"},
    });
}

// Fixed fields against the C library on many values of all magnitudes:
// both round the exact value of the float, and they differ only on an
// exact half, where the pictures round away from zero (checked apart).
TEST(NumberPicture, FixedFieldsMatchTheExactValue) {
    std::mt19937 gen(12345);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-8, 9);
    const char* pictures[] = {"##########", "#########.#", "########.###", "######.######"};
    for (int i = 0; i < 20000; ++i) {
        const float v = std::ldexp(mantissa(gen), exponent(gen) * 3);
        for (int places = 0; places < 4; ++places) {
            const int decimals = places == 0 ? 0 : places == 1 ? 1 : places == 2 ? 3 : 6;
            const double scaled = std::fabs(static_cast<double>(v)) * std::pow(10.0, decimals);
            if (scaled - std::floor(scaled) == 0.5) continue;  // exact half: rounded away below
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.*f", decimals, static_cast<double>(v));
            std::string expected = buf;
            if (expected.rfind("-0", 0) == 0 &&
                expected.find_first_not_of("-0.") == std::string::npos)
                expected.erase(0, 1);  // a value that rounds to zero has no sign
            std::string printed = formatUsing(pictures[places], {v});
            printed.erase(0, printed.find_first_not_of(' '));
            if (printed[0] == '%') continue;  // too wide for the field
            ASSERT_EQ(printed, expected) << v << " " << pictures[places];
        }
    }
    EXPECT_EQ(formatUsing("#.##", {0.125f}), "0.13");
    EXPECT_EQ(formatUsing("###", {-2.5f}), " -3");
}

// More decimals than the quick route serves (12) come from the exact value.
TEST(NumberPicture, ManyDecimalsFromTheExactValue) {
    std::mt19937 gen(4242);
    std::uniform_real_distribution<float> value(-3.0f, 3.0f);
    for (int i = 0; i < 2000; ++i) {
        const float v = value(gen);
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.30f", static_cast<double>(std::fabs(v)));
        const std::string rest = std::string(exact).substr(std::string(exact).find('.') + 15);
        if (rest.find_first_not_of('0', 1) == std::string::npos && rest[0] == '5') continue;
        char buf[64];  // the library rounds exact halves to even, the picture away
        std::snprintf(buf, sizeof buf, "%.14f", static_cast<double>(v));
        std::string printed = formatUsing("###.##############", {v});
        printed.erase(0, printed.find_first_not_of(' '));
        ASSERT_EQ(printed, buf) << v;
    }
}

// A compiled picture is parsed once for the program and shared by text, not
// by address: a buffer holding another picture is parsed anew.
TEST(NumberPicture, PicturesAreSharedByTheirText) {
    std::string picture = "A=##.#";
    picture.reserve(32);
    const CompiledPicture first(picture);
    picture = "B=#.##";
    EXPECT_EQ(CompiledPicture(picture).format(std::vector<float>{1.5f}), "B=1.50");
    EXPECT_EQ(first.format(std::vector<float>{1.5f}), "A= 1.5");
    EXPECT_EQ(formatUsing(picture, {2.0f}), "B=2.00");
    EXPECT_EQ(first.fieldCount(), 1u);
    EXPECT_EQ(first.leading(), "A=");
    std::string field;
    first.appendField(field, 0, -2.25f);
    EXPECT_EQ(field, "-2.3");
}

// The free number form reads back within its 7 digits at every magnitude,
// subnormals included, and the exponent form agrees with the C library.
TEST(NumberPicture, ExactDigitsAtEveryMagnitude) {
    std::mt19937 gen(777);
    std::uniform_real_distribution<float> mantissa(0.5f, 1.0f);
    std::uniform_int_distribution<int> exponent(-148, 127);
    for (int i = 0; i < 20000; ++i) {
        const float v = std::ldexp(mantissa(gen), exponent(gen));
        if (!std::isfinite(v) || v == 0.0f) continue;
        const std::string text = freeNumber(v);
        // At most 7 significant digits: within half a unit of the 7th, or
        // the same float where fewer digits already read back as it.
        if (std::strtof(text.c_str(), nullptr) != v) {
            ASSERT_NEAR(std::strtod(text.c_str(), nullptr) / static_cast<double>(v), 1.0, 5.01e-7)
                << text;
        }
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.4E", static_cast<double>(v));
        std::string expected = buf;  // d.dddE±XX
        const std::size_t ePos = expected.find('E');
        std::string exp = expected.substr(ePos + 2);
        if (exp.size() < 2) exp.insert(0, "0");
        expected = expected.substr(0, ePos + 2) + exp;
        std::string printed = formatUsing("#.####^^^^", {v});
        if (printed[0] == '%') continue;
        // Exact halves round away from zero here and to even in the library.
        if (printed != expected) {
            char wide[80];
            std::snprintf(wide, sizeof wide, "%.30E", static_cast<double>(v));
            ASSERT_TRUE(std::string(wide).substr(6, 3) == "500") << printed << " " << expected;
        }
    }
}

TEST(NumberPicture, SignModes) {
    checkAll({
        {"+##.#", {3.5f, -3.5f}, " +3.5 -3.5"},
        {"+#.#", {0.0f}, "+0.0"},
        {"+#", {12.0f}, "%12"},
        {"##.#+", {3.5f, -3.5f}, " 3.5+ 3.5-"},
        {"##.#-", {3.5f, -3.5f}, " 3.5  3.5-"},
        {"##-", {-12.0f}, "12-"},
        {"+ ##", {5.0f}, "+  5"},  // '+' not followed by a field is text
    });
}

TEST(NumberPicture, FillCurrencyAndSeparators) {
    checkAll({
        {"**#.##", {3.5f, -3.5f}, "**3.50*-3.50"},
        {"\\###.##", {12.5f}, " \\12.50"},
        {"\\###", {-5.0f}, " -\\5"},
        {"**\\##", {5.0f}, "***\\5"},
        {"#,###,###", {1234567.0f}, "1,234,567"},
        {"###,###.#", {123456.0f}, "123,456.0"},
        {"###,###.#", {1234567.0f}, "%1234567"},
        {"##,###", {999.0f, -1000.0f}, "   999-1,000"},
    });
}

TEST(NumberPicture, ExponentForm) {
    checkAll({
        {"#.###^^^^", {1234.5f}, "1.235E+03"},
        {"#.###^^^^", {-1234.5f}, "-.123E+04"},
        {"##.##^^^^", {1234.5f, -1234.5f}, "12.35E+02-1.23E+03"},
        {"#.##^^^^^", {0.00015f}, "1.50E-004"},  // 1.49999996e-4 rounds up
        {"#.#^^^^", {9.96f}, "1.0E+01"},
        {"#.#^^^^", {0.0f}, "0.0E+00"},
        {"+#.#^^^^", {250.0f}, "+2.5E+02"},
        {"#.#^^^^-", {-250.0f}, "2.5E+02-"},
    });
}

// With no position before the point, a negative mantissa gives its first
// position after the point to the sign: the field keeps its width, as
// "#.##" prints -0.5 as "-.50". With no digit left it overflows.
TEST(NumberPicture, ExponentFormWithoutIntegerPositionKeepsWidth) {
    checkAll({
        {".##^^^^", {0.5f}, ".50E+00"},
        {".##^^^^", {-0.5f}, "-.5E+00"},
        {".###^^^^", {-1234.5f}, "-.12E+04"},
        {".##^^^^", {-0.0f}, ".00E+00"},
        {"\\.##^^^^", {-0.5f}, "-\\.5E+00"},
        {"\\.#^^^^", {0.5f}, "\\.5E+00"},
        {"\\.#^^^^", {-0.5f}, "%-0.5"},
        {".##^^^^-", {-0.5f}, ".50E+00-"},
        {"+.##^^^^", {-0.5f}, "-.50E+00"},
    });
    for (const float v : {0.25f, -0.25f, 7.5e12f, -7.5e12f, -3e-20f}) {
        EXPECT_EQ(formatUsing(".###^^^^", {v}).size(), 8u) << v;
    }
    // 3e-38 has its first digit at 10^-38; with 70 mantissa digits before the
    // point the exponent is -38 - 69 = -107, too long for two digits (marked
    // with '%') but not for three.
    const std::string wide(70, '#');
    const std::string two = formatUsing(wide + "^^^^", {3e-38f});
    EXPECT_EQ(two.front(), '%');
    EXPECT_EQ(two.substr(two.size() - 5), "E-107");
    const std::string three = formatUsing(wide + "^^^^^", {3e-38f});
    EXPECT_NE(three.front(), '%');
    EXPECT_EQ(three.substr(three.size() - 5), "E-107");
}

TEST(NumberPicture, LiteralText) {
    checkAll({
        {"伝熱量 ###.#", {12.34f}, "伝熱量  12.3"},
        {"Calc. Limit ##", {5.0f}, "Calc. Limit  5"},
        {"***** ##", {5.0f}, "*****  5"},
        {"_#=##", {5.0f}, "#= 5"},
        {"_+##", {5.0f}, "+ 5"},
        {"a\t##", {5.0f}, "a\t 5"},
        // No number: the overflow mark and a star for each column of the field.
        {"A=##.# B", {kNan}, "A=%**** B"},
        {"##", {kInf, -kInf}, "%**%**"},
        {"#.##^^^^", {kInf}, "%********"},
        {"##-", {-kInf}, "%***"},
    });
}

TEST(NumberPicture, PictureWithoutFieldIsAnError) {
    try {
        formatUsing("abc", {1.0f});
        FAIL() << "no PictureError";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find("abc"), std::string::npos);
    }
    for (const char* picture : {"", "*****", "Calc. Limit", "+-", "_#"}) {
        EXPECT_THROW(formatUsing(picture, {1.0f}), PictureError) << picture;
    }
}

TEST(NumberPicture, FreeNumber) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {0.03f, "0.03"},
        {79.02f, "79.02"},
        {1234.5f, "1234.5"},
        {-3.5f, "-3.5"},
        {100000.0f, "100000"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.1f, "0.1"},
        {0.0001f, "0.0001"},
        {1.5e-5f, "1.5E-05"},
        {1e7f, "1E+07"},
        {9999999.0f, "9999999"},
        {12345678.0f, "1.234568E+07"},  // needs 8 digits: fall back to 7
        {1.0f / 3.0f, "0.3333333"},
        {kNan, "*"},
        {kInf, "*"},
        {-kInf, "*"},
    };
    for (const auto& c : cases) EXPECT_EQ(freeNumber(c.value), c.expected) << c.expected;
}

TEST(NumberPicture, ExpandTabs) {
    EXPECT_EQ(expandTabs("a\tb"), "a       b");
    EXPECT_EQ(expandTabs("\t", 3), "     ");
    EXPECT_EQ(expandTabs("伝\tx"), "伝      x");  // the kanji is two columns
    EXPECT_EQ(expandTabs("12345678\tx"), "12345678        x");
    EXPECT_EQ(expandTabs("ab\n\tc"), "ab\n        c");
}

}  // namespace
}  // namespace hx
