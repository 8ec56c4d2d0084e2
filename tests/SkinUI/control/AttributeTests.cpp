#include <gtest/gtest.h>
#include <windows.h>
#include <climits>
#include <string>
#include <utility>
#include <vector>
#include "SkinUI/Core/AttributeList.h"
#include "SkinUI/Core/AttributeValue.h"

using SkinUI::CAttributeList;
using SkinUI::CAttributeValue;
using SkinUI::CUIString;

namespace {

typedef std::vector<std::pair<std::string, std::string>> Pairs;

Pairs ReadAll(const char* text)
{
    Pairs pairs;
    CAttributeList list(text);
    CUIString name;
    CUIString value;
    while (list.Next(name, value)) pairs.emplace_back(name.GetData(), value.GetData());
    return pairs;
}

std::vector<int> List(const char* text, int count, int capacity)
{
    std::vector<int> v(capacity, 77);
    CAttributeValue::ParseList(text, v.data(), count);
    return v;
}

} // namespace

TEST(AttributeList, ReadsQuotedPairsAndStopsAtTheFirstFault)
{
    EXPECT_EQ(ReadAll("width=\"10\" bkimage=\"file='a.png' corner='1,1,1,1'\" name=\"\""),
              (Pairs{{"width", "10"}, {"bkimage", "file='a.png' corner='1,1,1,1'"}, {"name", ""}}));
    // A second space becomes part of the next name.
    EXPECT_EQ(ReadAll("a=\"1\"  b=\"2\""), (Pairs{{"a", "1"}, {" b", "2"}}));
    for (const char* faulty : {"a=\"1\" b", "a=\"1\" b=2", "a=\"1\" b=\"unterminated", "a=\"1\"b=\"2\"", "a=\"1\" "})
        EXPECT_EQ(ReadAll(faulty), (Pairs{{"a", "1"}})) << faulty;
    EXPECT_TRUE(ReadAll("=").empty());
    EXPECT_TRUE(ReadAll(nullptr).empty());
}

TEST(AttributeList, DoubleByteCharactersAreSteppedWhole)
{
    // "\x81\x22" is one GBK character whose trail byte is a quote.
    EXPECT_EQ(ReadAll("text=\"\x81\x22x\" b=\"2\""), (Pairs{{"text", "\x81\x22x"}, {"b", "2"}}));
}

TEST(AttributeValue, BooleanIsTrueOnlyForExactText)
{
    EXPECT_TRUE(CAttributeValue::ParseBool("true"));
    for (const char* text : {"TRUE", "1", " true", "true ", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(CAttributeValue::ParseBool(text)) << (text ? text : "(null)");
}

TEST(AttributeValue, IntegerReadsBlanksSignDigitsSaturatesAndReportsWhereItStopped)
{
    const struct {
        const char* text;
        int want;
    } cases[] = {{"  -17px", -17},
                 {"+8", 8},
                 {"abc", 0},
                 {"-", 0},
                 {nullptr, 0},
                 {"99999999999999999999", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"-99999999999999999999", INT_MIN}};
    for (const auto& c : cases) EXPECT_EQ(CAttributeValue::ParseInt(c.text), c.want) << (c.text ? c.text : "(null)");
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
    } cases[] = {{"FF112233", false, 0xFF112233u},
                 {"#ff00aaBB", false, 0xFF00AABBu},
                 {"#112233", false, 0x00112233u}, // six digits leave alpha 0: fully transparent
                 {"#12G4", false, 0x12u},
                 {"#", false, 0u},
                 {nullptr, false, 0u},
                 {"##FF", false, 0u},
                 {"#123456789", false, 0xFFFFFFFFu}, // too many digits saturate
                 {"\t\r\n#FF0000FF", true, 0xFF0000FFu},
                 {"  #FF0000FF", false, 0u}};
    for (const auto& c : cases)
        EXPECT_EQ(CAttributeValue::ParseColor(c.text, c.skipBlanks), c.want) << (c.text ? c.text : "(null)");
}

TEST(AttributeValue, Lists)
{
    EXPECT_EQ(List("-100, 10,-10,30", 4, 4), (std::vector<int>{-100, 10, -10, 30}));
    // The buffer continues after the terminator: the parser must not step over it.
    const char text[] = "5,6\0"
                        "7,8";
    EXPECT_EQ(List(text, 4, 4), (std::vector<int>{5, 6, 0, 0}));
    EXPECT_EQ(List(nullptr, 2, 2), (std::vector<int>{0, 0}));
    // The second separator of ",," is read as the next number, giving 0; any character separates.
    EXPECT_EQ(List("1,,2,3", 4, 4), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(List("1;2x3 4", 4, 4), (std::vector<int>{1, 2, 3, 4}));
    // An overlong list leaves what lies past the count alone.
    EXPECT_EQ(List("1,2,3,4,5,6", 2, 3), (std::vector<int>{1, 2, 77}));
}
