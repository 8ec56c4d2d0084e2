#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Utils/UIString.h"

using SkinUI::CUIString;

TEST(UIString, TextSurvivesGrowingAndShrinkingAcrossTheInlineBuffer)
{
    const std::string b62(62, 'x'), b63(63, 'y');
    CUIString s62(b62.c_str()), s63(b63.c_str());
    EXPECT_EQ(b63, s63.GetData());
    s62 += "!";
    EXPECT_EQ(b62 + "!", s62.GetData());
    s63.Assign("short");
    EXPECT_STREQ("short", s63);
}

TEST(UIString, NullAndSelfOverlappingSources)
{
    EXPECT_STREQ("", CUIString(nullptr));
    EXPECT_STREQ("abc", CUIString("abcdef", 3));
    CUIString s("text");
    s = static_cast<const char*>(nullptr);
    s.Append(nullptr);
    EXPECT_TRUE(s.IsEmpty());

    CUIString heap(std::string(100, 'q').c_str());
    heap.Assign(heap.GetData() + 10, 70);
    EXPECT_EQ(std::string(70, 'q'), heap.GetData());
    heap.Assign(heap.GetData() + 1, 5);
    heap = heap;
    heap += heap;
    EXPECT_STREQ("qqqqqqqqqq", heap);
    CUIString copy(heap);
    copy.Empty();
    EXPECT_STREQ("qqqqqqqqqq", heap);
}

TEST(UIString, ReplaceDoesNotRescanInsertedText)
{
    CUIString s("aaa");
    EXPECT_EQ(3, s.Replace("a", "aa"));
    EXPECT_STREQ("aaaaaa", s);
    CUIString t("abab");
    EXPECT_EQ(0, t.Replace("", "y"));
    EXPECT_EQ(2, t.Replace("a", ""));
    EXPECT_STREQ("bb", t);
}

TEST(UIString, FindAndSubstringsClampTheirRanges)
{
    const CUIString s("hello world");
    EXPECT_EQ(-1, s.Find('\0'));
    EXPECT_EQ(-1, s.Find("world", 7));
    EXPECT_EQ(-1, s.Find("d", 12));
    EXPECT_EQ(-1, s.Find("h", -1));
    const struct {
        CUIString got;
        const char* want;
    } cases[] = {{s.Left(-2), ""},     {s.Left(99), "hello world"},  {s.Mid(6, 100), "world"}, {s.Mid(50), ""},
                 {s.Mid(-3, 2), "he"}, {s.Right(50), "hello world"}, {s.Right(-1), ""}};
    for (const auto& c : cases) EXPECT_STREQ(c.want, c.got);
    EXPECT_EQ('\0', s.GetAt(11));
    EXPECT_EQ('\0', s.GetAt(-1));
}

TEST(UIString, FormatKeepsAllShortFormatKeeps63)
{
    const std::string hundred(100, 'k');
    CUIString full, small;
    EXPECT_EQ(100, full.Format("%s", hundred.c_str()));
    EXPECT_EQ(hundred, full.GetData());
    EXPECT_EQ(63, small.SmallFormat("%s", hundred.c_str()));
    EXPECT_EQ(hundred.substr(0, 63), small.GetData());
}

TEST(UIString, CompareTakesBytesAsUnsigned)
{
    EXPECT_TRUE(CUIString("z") < "\xB0\xA1");
    EXPECT_TRUE(CUIString("\xB0\xA1") < "\xB0\xA2");
    EXPECT_TRUE(CUIString("") == nullptr);
}
