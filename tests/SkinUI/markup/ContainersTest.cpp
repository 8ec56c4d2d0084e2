#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Utils/UIString.h"

using namespace SkinUI;

TEST(UIString, TextSurvivesTheInlineBufferNullAndSelfOverlappingSources)
{
    const std::string b62(62, 'x');
    CUIString s62(b62.c_str());
    s62 += "!";
    EXPECT_EQ(b62 + "!", s62.GetData());
    s62 = static_cast<const char*>(nullptr);
    s62.Append(nullptr);
    EXPECT_TRUE(s62.IsEmpty());
    CUIString heap(std::string(100, 'q').c_str());
    heap.Assign(heap.GetData() + 10, 70);
    EXPECT_EQ(std::string(70, 'q'), heap.GetData());
    heap.Assign(heap.GetData() + 1, 5);
    heap = heap;
    heap += heap;
    EXPECT_STREQ("qqqqqqqqqq", heap);
}

TEST(UIString, ReplaceSubstringsAndShortFormatStayInRange)
{
    CUIString s("aaa");
    EXPECT_EQ(3, s.Replace("a", "aa")); // the inserted text is not scanned again
    EXPECT_STREQ("aaaaaa", s);
    const CUIString h("hello world");
    EXPECT_EQ(-1, h.Find("d", 12));
    EXPECT_STREQ("he", h.Mid(-3, 2));
    EXPECT_STREQ("hello world", h.Right(50));
    EXPECT_EQ('\0', h.GetAt(-1));
    const std::string hundred(100, 'k');
    EXPECT_EQ(63, s.SmallFormat("%s", hundred.c_str()));
    EXPECT_EQ(hundred.substr(0, 63), s.GetData());
    // Bytes compare unsigned, so GBK text sorts after ASCII.
    EXPECT_TRUE(CUIString("z") < "\xB0\xA1");
}
