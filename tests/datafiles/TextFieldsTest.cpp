#include "datafiles/TextFields.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(ColumnField, TakesTheWidthFromStart)
{
    EXPECT_EQ(ColumnField("01234567890123456789", 14, 13), "456789");
}

TEST(ColumnField, IsEmptyWhenStartLiesPastTheLine)
{
    EXPECT_EQ(ColumnField("0123456789", 14, 13), "");
    EXPECT_EQ(ColumnField("0123456789", 10, 2), "");
}

TEST(ColumnField, CountsNegativeStartAndWidthAsZero)
{
    EXPECT_EQ(ColumnField("abcdef", -3, 2), "ab");
    EXPECT_EQ(ColumnField("abcdef", 2, -1), "");
}

TEST(HeadAndTailFields, AreEmptyForZeroOrNegativeCounts)
{
    EXPECT_EQ(HeadField("abc", 0), "");
    EXPECT_EQ(TailField("abc", 0), "");
    EXPECT_EQ(HeadField("abc", -2), "");
    EXPECT_EQ(TailField("abc", -2), "");
}

TEST(HeadAndTailFields, TakeTheWholeLineWhenLonger)
{
    EXPECT_EQ(HeadField("abc", 2), "ab");
    EXPECT_EQ(HeadField("abc", 9), "abc");
    EXPECT_EQ(TailField("abc", 2), "bc");
    EXPECT_EQ(TailField("abc", 9), "abc");
}

TEST(FindText, GivesTheFirstPositionOrMinusOne)
{
    EXPECT_EQ(FindText(" VARIABLE 1 *T**0", "VARIABLE "), 1);
    EXPECT_EQ(FindText("abcabc", "c"), 2);
    EXPECT_EQ(FindText("abc", "x"), -1);
}

TEST(ParseInteger, ReadsTheLeadingNumberAfterBlanks)
{
    EXPECT_EQ(ParseInteger("  12abc"), 12);
    EXPECT_EQ(ParseInteger(" -2"), -2);
    EXPECT_EQ(ParseInteger("-2 "), -2);
    EXPECT_EQ(ParseInteger("+7"), 7);
}

TEST(ParseInteger, GivesZeroWithoutDigits)
{
    EXPECT_EQ(ParseInteger(""), 0);
    EXPECT_EQ(ParseInteger("   "), 0);
    EXPECT_EQ(ParseInteger("x12"), 0);
    EXPECT_EQ(ParseInteger("-"), 0);
}

TEST(ParseInt8, KeepsTheLowEightBits)
{
    EXPECT_EQ(ParseInt8(" -2"), -2);
    EXPECT_EQ(ParseInt8("130"), -126);
    EXPECT_EQ(ParseInt8("256"), 0);
    EXPECT_EQ(ParseInt8("99999999999999999999999999"), static_cast<std::int8_t>(ParseInteger("99999999999999999999999999") & 0xFF));
}

TEST(ParseReal, ReadsSignFractionAndExponent)
{
    EXPECT_DOUBLE_EQ(ParseReal("-0.5e2x"), -50.0);
    EXPECT_DOUBLE_EQ(ParseReal("  1.25"), 1.25);
    EXPECT_DOUBLE_EQ(ParseReal("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseReal("3e"), 3.0);
    EXPECT_DOUBLE_EQ(ParseReal("12.5E-1"), 1.25);
}

TEST(ParseReal, StopsAtACommaAndGivesZeroForText)
{
    EXPECT_DOUBLE_EQ(ParseReal("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(ParseReal("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseReal(""), 0.0);
    EXPECT_DOUBLE_EQ(ParseReal("--1"), 0.0);
}

TEST(ParseReal, KeepsHugeValuesAsInfinityAndTinyOnesAsZero)
{
    EXPECT_EQ(ParseReal("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseReal("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseReal("1e-999"), 0.0);
}

TEST(ParseReal, IgnoresTheProcessLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr && std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_DOUBLE_EQ(ParseReal("1.5"), 1.5);
    std::setlocale(LC_ALL, saved.c_str());
}
