#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include "SkinUI/Core/AttributeValue.h"

using SkinUI::CAttributeValue;

namespace {

std::vector<int> List(const char* text, int count, int capacity)
{
    std::vector<int> v(capacity, 77);
    CAttributeValue::ParseList(text, v.data(), count);
    return v;
}

} // namespace

TEST(AttributeValue, BooleanIsTrueOnlyForExactText)
{
    EXPECT_TRUE(CAttributeValue::ParseBool("true"));
    for (const char* text : {"TRUE", "True", "1", " true", "true ", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(CAttributeValue::ParseBool(text)) << (text ? text : "(null)");
}

TEST(AttributeValue, IntegerReadsBlanksSignDigitsAndSaturates)
{
    const struct {
        const char* text;
        int want;
    } cases[] = {{"42", 42}, {"  -17px", -17}, {"+8", 8}, {"abc", 0}, {"-", 0}, {"", 0}, {nullptr, 0},
                 {"2147483647", INT_MAX}, {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
                 {"-99999999999999999999", INT_MIN}};
    for (const auto& c : cases) EXPECT_EQ(CAttributeValue::ParseInt(c.text), c.want) << (c.text ? c.text : "(null)");
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

TEST(AttributeValue, ColourWithAndWithoutHashAndBlanks)
{
    const struct {
        const char* text;
        bool skipBlanks;
        unsigned want;
    } cases[] = {{"#FF000000", false, 0xFF000000u}, {"FF112233", false, 0xFF112233u},
                 {"#ff00aaBB", false, 0xFF00AABBu},
                 {"#112233", false, 0x00112233u}, // six digits leave alpha 0: fully transparent
                 {"#12G4", false, 0x12u}, {"#", false, 0u}, {"", false, 0u}, {nullptr, false, 0u},
                 {"##FF", false, 0u}, {"#123456789", false, 0xFFFFFFFFu}, // too many digits saturate
                 {"  #FF0000FF", true, 0xFF0000FFu}, {"\t\r\n#FF0000FF", true, 0xFF0000FFu},
                 {"  #FF0000FF", false, 0u}, {"   ", true, 0u}};
    for (const auto& c : cases)
        EXPECT_EQ(CAttributeValue::ParseColor(c.text, c.skipBlanks), c.want) << (c.text ? c.text : "(null)");
}

TEST(AttributeValue, Lists)
{
    EXPECT_EQ(List("-100, 10,-10,30", 4, 4), (std::vector<int>{-100, 10, -10, 30}));
    // The buffer continues after the terminator: the parser must not step over it.
    const char text[] = "5,6\0" "7,8";
    EXPECT_EQ(List(text, 4, 4), (std::vector<int>{5, 6, 0, 0}));
    EXPECT_EQ(List("", 2, 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(List(nullptr, 2, 2), (std::vector<int>{0, 0}));
    // The second separator of ",," is read as the next number, giving 0; any character separates.
    EXPECT_EQ(List("1,,2,3", 4, 4), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(List("1;2x3 4", 4, 4), (std::vector<int>{1, 2, 3, 4}));
    // An overlong list leaves what lies past the count alone.
    EXPECT_EQ(List("1,2,3,4,5,6", 2, 3), (std::vector<int>{1, 2, 77}));
}
