#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <utility>
#include <vector>
#include "SkinUI/Core/AttributeList.h"

using SkinUI::CAttributeList;
using SkinUI::CUIString;

namespace {

std::vector<std::pair<std::string, std::string>> ReadAll(const char* text)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    CAttributeList list(text);
    CUIString name;
    CUIString value;
    while (list.Next(name, value)) pairs.emplace_back(name.GetData(), value.GetData());
    return pairs;
}

typedef std::vector<std::pair<std::string, std::string>> Pairs;

} // namespace

TEST(AttributeList, ReadsQuotedPairsSeparatedBySingleSpaces)
{
    EXPECT_EQ(ReadAll("width=\"10\" bkimage=\"file='a.png' corner='1,1,1,1'\" name=\"\""),
              (Pairs{{"width", "10"}, {"bkimage", "file='a.png' corner='1,1,1,1'"}, {"name", ""}}));
}

TEST(AttributeList, FaultsStopButKeepEarlierPairs)
{
    EXPECT_EQ(ReadAll("a=\"1\" b"), (Pairs{{"a", "1"}}));
    EXPECT_EQ(ReadAll("a=\"1\" b=2"), (Pairs{{"a", "1"}}));
    EXPECT_EQ(ReadAll("a=\"1\" b=\"unterminated"), (Pairs{{"a", "1"}}));
    EXPECT_EQ(ReadAll("a=\"1\"b=\"2\""), (Pairs{{"a", "1"}}));
    EXPECT_TRUE(ReadAll("=").empty());
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_TRUE(ReadAll(nullptr).empty());
    EXPECT_EQ(ReadAll("a=\"1\" "), (Pairs{{"a", "1"}})); // a trailing space ends the list
}

TEST(AttributeList, SecondSpaceBecomesPartOfTheNextName)
{
    EXPECT_EQ(ReadAll("a=\"1\"  b=\"2\""), (Pairs{{"a", "1"}, {" b", "2"}}));
}

TEST(AttributeList, DoubleByteCharactersAreSteppedWhole)
{
    // Under code page 936 "\x81\x22" is one character whose trail byte is a quote.
    if (::GetACP() != 936) GTEST_SKIP() << "needs code page 936";
    EXPECT_EQ(ReadAll("text=\"\x81\x22x\" b=\"2\""), (Pairs{{"text", "\x81\x22x"}, {"b", "2"}}));
}
