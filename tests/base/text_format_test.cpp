#include "base/text_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

namespace {

// Restores the '.' separator after tests that change it.
struct SeparatorGuard {
    explicit SeparatorGuard(char sep) { SetDecimalSeparator(sep); }
    ~SeparatorGuard() { SetDecimalSeparator('.'); }
};

}  // namespace

TEST(ParseDecimalText, ReadsStakeTextsLeniently) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"1", 1},
        {"0,1", 0.1},
        {"2.50", 2.5},
        {"1.05", 1.05},
        {"-1,5", -1.5},
        {"3 Kč", 3},
        {"Kč", 0},
        {"", 0},
        {"-0,5", -0.5},
        {"2,5x", 2},
        {"  7", 7},
        {"+4", 4},
        {"-", 0},
        {"2.", 2},
        {",25", 0.25},
        {"-,5", -0.5},
        {"12;5", 12.5},
        {"0.005", 0.005},
        {"3,-5", 3},
        {"1 000", 1},
        {"1.12345678901", 1},  // a fraction beyond 32 bits is dropped
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(ParseDecimalText(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(ParseDecimalText, GivesTheDoubleNearestTheDecimalText) {
    // A stake of 0,3 must be 0.3, not 0.30000000000000004, or balances drift in the last digits.
    EXPECT_EQ(ParseDecimalText("0,3"), 0.3);
    EXPECT_EQ(ParseDecimalText("0.1"), 0.1);
    EXPECT_EQ(ParseDecimalText("1.05"), 1.05);
    EXPECT_EQ(ParseDecimalText("-2,7"), -2.7);
    EXPECT_EQ(ParseDecimalText("0,123456789"), 0.123456789);
}

TEST(ParseDecimalText, ReadsAtMostTwentyPlaces) {
    EXPECT_NEAR(ParseDecimalText("0.00000000000000000001"), 1e-20, 1e-30);
    EXPECT_NEAR(ParseDecimalText("0.000000000000000000015"), 1e-20, 1e-30);
}

TEST(ParseDecimalText, TakesALetterOfSeveralBytesAsOneSeparator) {
    EXPECT_DOUBLE_EQ(ParseDecimalText("3č5"), 3.5);
    EXPECT_DOUBLE_EQ(ParseDecimalText("10€25"), 10.25);
}

TEST(ParseDecimalText, NeverGivesNegativeZeroOrAnInfiniteAmount) {
    for (const char* text : {"-0", "-0,0", "-abc", "-"}) {
        const double v = ParseDecimalText(text);
        EXPECT_EQ(v, 0) << text;
        EXPECT_FALSE(std::signbit(v)) << text;
    }
    const std::string huge(400, '9');
    EXPECT_TRUE(std::isfinite(ParseDecimalText(huge)));
    EXPECT_TRUE(std::isfinite(ParseDecimalText("-" + huge + ",5")));
}

TEST(ReadLocaleDecimal, AcceptsOnlyWholeNumbersWithTheGivenSeparator) {
    double v = -1;
    EXPECT_TRUE(ReadLocaleDecimal("0,5", ',', v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    EXPECT_TRUE(ReadLocaleDecimal(" -1,25 ", ',', v));
    EXPECT_DOUBLE_EQ(v, -1.25);
    EXPECT_TRUE(ReadLocaleDecimal("1e+20", ',', v));
    EXPECT_DOUBLE_EQ(v, 1e20);
    EXPECT_TRUE(ReadLocaleDecimal("2,5E-3", ',', v));
    EXPECT_DOUBLE_EQ(v, 0.0025);
    EXPECT_TRUE(ReadLocaleDecimal("+7", '.', v));
    EXPECT_DOUBLE_EQ(v, 7);

    v = 42;
    for (const char* bad : {"0.5", "2,5x", "", " ", "-", ",", "e5", "1e", "1e999", "1e-999", "nan",
                            "inf", "0x10", "1,5,5", "1 5", "abc"}) {
        EXPECT_FALSE(ReadLocaleDecimal(bad, ',', v)) << '"' << bad << '"';
    }
    EXPECT_EQ(v, 42);  // untouched on failure
}

TEST(ShortestDecimalText, WritesTheShortestFormWithUpToFifteenDigits) {
    EXPECT_EQ(ShortestDecimalText(0.1, ','), "0,1");
    EXPECT_EQ(ShortestDecimalText(2, ','), "2");
    EXPECT_EQ(ShortestDecimalText(-0.5, ','), "-0,5");
    EXPECT_EQ(ShortestDecimalText(1000, '.'), "1000");
    EXPECT_EQ(ShortestDecimalText(1234.56, '.'), "1234.56");
    EXPECT_EQ(ShortestDecimalText(0.1 + 0.2, '.'), "0.3");
    EXPECT_EQ(ShortestDecimalText(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(ShortestDecimalText(10, '.'), "10");
    EXPECT_EQ(ShortestDecimalText(0, '.'), "0");
    EXPECT_EQ(ShortestDecimalText(-1500, ','), "-1500");
    EXPECT_EQ(ShortestDecimalText(0.00001, '.'), "0.00001");
    EXPECT_EQ(ShortestDecimalText(123456789012345.0, '.'), "123456789012345");
    // Never an exponent: "1e-06" would read back as 1 where stakes are read leniently.
    EXPECT_EQ(ShortestDecimalText(1e20, '.'), "100000000000000000000");
    EXPECT_EQ(ShortestDecimalText(1e15, '.'), "1000000000000000");
    EXPECT_EQ(ShortestDecimalText(2.5e-6, ','), "0,0000025");
    EXPECT_EQ(ShortestDecimalText(1.2345e17, '.'), "123450000000000000");
    EXPECT_EQ(ShortestDecimalText(0.1 + 0.7, '.'), "0.8");  // 15 digits would end in zeros
    // Every stake the program holds reads back leniently as its value.
    for (double v : {0.000001, 1e-8, -0.5, 1000000000.0, 0.33333333, -999999999.0})
        EXPECT_EQ(ParseDecimalText(ShortestDecimalText(v, ',')), v) << v;
}

TEST(ShortestDecimalText, ReadsBackAsTheSameNumber) {
    for (char sep : {'.', ','}) {
        for (double v : {0.0, 1000.0, -0.01, 999.99, 12345678.9, 1e-7, 2.5e-300, 4.9e-324,
                         1.7976931348623e308, -123456789012345.0}) {
            double back = 0;
            const std::string text = ShortestDecimalText(v, sep);
            ASSERT_TRUE(ReadLocaleDecimal(text, sep, back)) << text;
            EXPECT_EQ(back, v) << text;
        }
    }
    // A value needing more than 15 digits comes back as its 15-digit rounding, and that
    // rounding is stable from then on.
    // Next to the largest double, 15 digits would round beyond it: every digit is written.
    for (double v :
         {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), -std::nextafter(DBL_MAX, 0.0)}) {
        double back = 0;
        const std::string text = ShortestDecimalText(v, ',');
        ASSERT_TRUE(ReadLocaleDecimal(text, ',', back)) << text;
        EXPECT_EQ(back, v) << text;
    }
    const double drifted = 1000.1 + 0.2;
    double once = 0, twice = 0;
    ASSERT_TRUE(ReadLocaleDecimal(ShortestDecimalText(drifted, '.'), '.', once));
    EXPECT_EQ(once, 1000.3);
    ASSERT_TRUE(ReadLocaleDecimal(ShortestDecimalText(once, '.'), '.', twice));
    EXPECT_EQ(twice, once);
}

TEST(FormatAmount, RightAlignsTwoDecimalsWithTheLocaleSeparator) {
    EXPECT_EQ(FormatAmount(1000), " 1000.00");
    EXPECT_EQ(FormatAmount(-12.5), "  -12.50");
    EXPECT_EQ(FormatAmount(0.125), "    0.12");
    EXPECT_EQ(FormatAmount(123456789), "123456789.00");
    const SeparatorGuard comma(',');
    EXPECT_EQ(FormatAmount(1000), " 1000,00");
    EXPECT_EQ(FormatAmount(1e300).size(), 20u);
    EXPECT_EQ(FormatAmount(1e300), "10000000000000000525");
}

TEST(FormatAmount, IgnoresTheCLibraryLocale) {
    // The window toolkit puts the C library into the user's locale; numbers must not change.
    const char* found = nullptr;
    for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    }
    if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(FormatAmount(1000), " 1000.00");
    EXPECT_EQ(ShortestDecimalText(0.5, '.'), "0.5");
    double v = 0;
    EXPECT_TRUE(ReadLocaleDecimal("0.25", '.', v));
    EXPECT_DOUBLE_EQ(v, 0.25);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(FormatResultAmountLine, EndsTheAbsoluteAmountInColumn35) {
    const std::string line = FormatResultAmountLine("Hra v srdcích", -1.5, ',');
    EXPECT_EQ(Utf8Length(line), 35u);
    EXPECT_EQ(line.substr(line.size() - 4), "1,50");
    EXPECT_EQ(line.rfind("Hra v srdcích", 0), 0u);
}

TEST(Utf8Text, CountsAndCutsCharactersNotBytes) {
    const std::string name = "Řehoř Žďárský";  // 13 characters, 19 bytes
    EXPECT_EQ(Utf8Length(name), 13u);
    EXPECT_EQ(Utf8Left(name, 12), "Řehoř Žďársk");
    EXPECT_EQ(Utf8Left(name, 10), "Řehoř Žďár");
    EXPECT_EQ(Utf8Left(name, 40), name);
    EXPECT_EQ(Utf8Left("", 5), "");
    EXPECT_EQ(PadRight("Šé", 4), "Šé  ");
    EXPECT_EQ(PadRight("abcdef", 4), "abcdef");
    // A broken sequence never makes the cut run past the text.
    EXPECT_EQ(Utf8Left("a\xC5", 5), "a\xC5");
    EXPECT_EQ(Utf8Left("\x80\x80x", 1), "\x80\x80");
}
