#include <gtest/gtest.h>
#include <climits>
#include "SkinUI/Core/AttributeValue.h"

using SkinUI::CAttributeValue;

TEST(AttributeValue, BooleanIsTrueOnlyForExactText)
{
    EXPECT_TRUE(CAttributeValue::ParseBool("true"));
    EXPECT_FALSE(CAttributeValue::ParseBool("TRUE"));
    EXPECT_FALSE(CAttributeValue::ParseBool("True"));
    EXPECT_FALSE(CAttributeValue::ParseBool("1"));
    EXPECT_FALSE(CAttributeValue::ParseBool(" true"));
    EXPECT_FALSE(CAttributeValue::ParseBool("true "));
    EXPECT_FALSE(CAttributeValue::ParseBool(""));
    EXPECT_FALSE(CAttributeValue::ParseBool(nullptr));
}

TEST(AttributeValue, IntegerReadsBlanksSignAndDigits)
{
    EXPECT_EQ(CAttributeValue::ParseInt("42"), 42);
    EXPECT_EQ(CAttributeValue::ParseInt("  -17px"), -17);
    EXPECT_EQ(CAttributeValue::ParseInt("+8"), 8);
    EXPECT_EQ(CAttributeValue::ParseInt("abc"), 0);
    EXPECT_EQ(CAttributeValue::ParseInt("-"), 0);
    EXPECT_EQ(CAttributeValue::ParseInt(""), 0);
    EXPECT_EQ(CAttributeValue::ParseInt(nullptr), 0);
}

TEST(AttributeValue, IntegerSaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(CAttributeValue::ParseInt("2147483647"), INT_MAX);
    EXPECT_EQ(CAttributeValue::ParseInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(CAttributeValue::ParseInt("-2147483648"), INT_MIN);
    EXPECT_EQ(CAttributeValue::ParseInt("-99999999999999999999"), INT_MIN);
}

TEST(AttributeValue, IntegerReportsWhereItStopped)
{
    const char* text = " 12,5";
    const char* end = nullptr;
    EXPECT_EQ(CAttributeValue::ParseInt(text, &end), 12);
    EXPECT_EQ(end, text + 3);
    const char* bad = "x1";
    EXPECT_EQ(CAttributeValue::ParseInt(bad, &end), 0);
    EXPECT_EQ(end, bad);
}

TEST(AttributeValue, ColourWithAndWithoutHash)
{
    EXPECT_EQ(CAttributeValue::ParseColor("#FF000000"), 0xFF000000u);
    EXPECT_EQ(CAttributeValue::ParseColor("FF112233"), 0xFF112233u);
    EXPECT_EQ(CAttributeValue::ParseColor("#ff00aaBB"), 0xFF00AABBu);
    // Six digits leave alpha 0: fully transparent.
    EXPECT_EQ(CAttributeValue::ParseColor("#112233"), 0x00112233u);
    EXPECT_EQ(CAttributeValue::ParseColor("#12G4"), 0x12u);
    EXPECT_EQ(CAttributeValue::ParseColor("#"), 0u);
    EXPECT_EQ(CAttributeValue::ParseColor(""), 0u);
    EXPECT_EQ(CAttributeValue::ParseColor(nullptr), 0u);
    EXPECT_EQ(CAttributeValue::ParseColor("##FF"), 0u);
}

TEST(AttributeValue, ColourBlanksOnlySkippedWhenAsked)
{
    EXPECT_EQ(CAttributeValue::ParseColor("  #FF0000FF", true), 0xFF0000FFu);
    EXPECT_EQ(CAttributeValue::ParseColor("\t\r\n#FF0000FF", true), 0xFF0000FFu);
    EXPECT_EQ(CAttributeValue::ParseColor("  #FF0000FF"), 0u);
    EXPECT_EQ(CAttributeValue::ParseColor("   ", true), 0u);
}

TEST(AttributeValue, ColourWithTooManyDigitsSaturates)
{
    EXPECT_EQ(CAttributeValue::ParseColor("#123456789"), 0xFFFFFFFFu);
}

TEST(AttributeValue, ListOfFourNumbers)
{
    int v[4] = {9, 9, 9, 9};
    CAttributeValue::ParseList("-100, 10,-10,30", v, 4);
    EXPECT_EQ(v[0], -100);
    EXPECT_EQ(v[1], 10);
    EXPECT_EQ(v[2], -10);
    EXPECT_EQ(v[3], 30);
}

TEST(AttributeValue, ListMissingNumbersReadAsZeroWithoutPassingTheEnd)
{
    int v[4] = {9, 9, 9, 9};
    // The buffer continues after the terminator: the parser must not step over it.
    const char text[] = "5,6\0" "7,8";
    CAttributeValue::ParseList(text, v, 4);
    EXPECT_EQ(v[0], 5);
    EXPECT_EQ(v[1], 6);
    EXPECT_EQ(v[2], 0);
    EXPECT_EQ(v[3], 0);

    int w[2] = {9, 9};
    CAttributeValue::ParseList("", w, 2);
    EXPECT_EQ(w[0], 0);
    EXPECT_EQ(w[1], 0);
    CAttributeValue::ParseList(nullptr, w, 2);
    EXPECT_EQ(w[0], 0);
    EXPECT_EQ(w[1], 0);
}

TEST(AttributeValue, ListSkipsExactlyOneSeparator)
{
    int v[4] = {};
    // The second separator of ",," is read as the next number, giving 0.
    CAttributeValue::ParseList("1,,2,3", v, 4);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(v[2], 2);
    EXPECT_EQ(v[3], 3);
    // Any character separates.
    CAttributeValue::ParseList("1;2x3 4", v, 4);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(v[3], 4);
}

TEST(AttributeValue, OverlongListIgnoresTheRest)
{
    int v[3] = {0, 0, 77};
    CAttributeValue::ParseList("1,2,3,4,5,6", v, 2);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 77);
}

TEST(AttributeValue, CommaDetection)
{
    EXPECT_TRUE(CAttributeValue::HasComma("1,2"));
    EXPECT_FALSE(CAttributeValue::HasComma("12"));
    EXPECT_FALSE(CAttributeValue::HasComma(nullptr));
}
