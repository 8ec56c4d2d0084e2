#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Utils/UIString.h"

using SkinUI::CUIString;

namespace {

bool IsInline(const CUIString& s) {
    const char* data = s.GetData();
    const char* self = reinterpret_cast<const char*>(&s);
    return data >= self && data < self + sizeof(CUIString);
}

}  // namespace

TEST(UIString, InlineHeapBoundary) {
    const std::string b62(62, 'x'), b63(63, 'y'), b64(64, 'z');
    CUIString s62(b62.c_str()), s63(b63.c_str()), s64(b64.c_str());
    EXPECT_TRUE(IsInline(s62));
    EXPECT_FALSE(IsInline(s63));
    EXPECT_FALSE(IsInline(s64));
    EXPECT_EQ(b62, s62.GetData());
    EXPECT_EQ(b63, s63.GetData());
    EXPECT_EQ(b64, s64.GetData());

    s62 += "!";
    EXPECT_FALSE(IsInline(s62));
    EXPECT_EQ(b62 + "!", s62.GetData());

    s63.Assign("short");
    EXPECT_TRUE(IsInline(s63));
    EXPECT_STREQ("short", s63);
}

TEST(UIString, ConstructAndAssignEdges) {
    EXPECT_STREQ("", CUIString(nullptr));
    EXPECT_STREQ("abc", CUIString("abcdef", 3));
    EXPECT_STREQ("abcdef", CUIString("abcdef", -1));
    CUIString s("text");
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    s.Append(nullptr);
    EXPECT_TRUE(s.IsEmpty());

    const std::string big(100, 'q');
    CUIString heap(big.c_str());
    heap.Assign(heap.GetData() + 10, 70);
    EXPECT_EQ(std::string(70, 'q'), heap.GetData());
    heap.Assign(heap.GetData() + 1, 5);
    EXPECT_STREQ("qqqqq", heap);
    heap = heap;
    EXPECT_STREQ("qqqqq", heap);
    heap += heap;
    EXPECT_STREQ("qqqqqqqqqq", heap);
}

TEST(UIString, CopyIsIndependent) {
    const std::string big(80, 'm');
    CUIString a(big.c_str());
    CUIString b(a);
    b.Empty();
    EXPECT_EQ(big, a.GetData());
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_STREQ("ab", CUIString("a") + "b");
    EXPECT_STREQ("ab", CUIString("a") + CUIString("b"));
}

TEST(UIString, ReplaceDoesNotRescanInsertedText) {
    CUIString s("aaa");
    EXPECT_EQ(3, s.Replace("a", "aa"));
    EXPECT_STREQ("aaaaaa", s);

    CUIString t("abab");
    EXPECT_EQ(2, t.Replace("ab", "b"));
    EXPECT_STREQ("bb", t);
    EXPECT_EQ(0, t.Replace("zz", "y"));
    EXPECT_STREQ("bb", t);
    EXPECT_EQ(0, t.Replace("", "y"));
    EXPECT_STREQ("bb", t);
    EXPECT_EQ(2, t.Replace("b", ""));
    EXPECT_TRUE(t.IsEmpty());
}

TEST(UIString, FindAndSubstrings) {
    CUIString s("hello world");
    EXPECT_EQ(4, s.Find('o'));
    EXPECT_EQ(7, s.Find('o', 5));
    EXPECT_EQ(-1, s.Find('z'));
    EXPECT_EQ(-1, s.Find('\0'));
    EXPECT_EQ(6, s.Find("world"));
    EXPECT_EQ(6, s.Find("world", 6));
    EXPECT_EQ(-1, s.Find("world", 7));
    EXPECT_EQ(-1, s.Find("d", 12));
    EXPECT_EQ(-1, s.Find("h", -1));
    EXPECT_EQ(11, s.Find("", 11));

    EXPECT_STREQ("hel", s.Left(3));
    EXPECT_STREQ("", s.Left(-2));
    EXPECT_STREQ("hello world", s.Left(99));
    EXPECT_STREQ("world", s.Mid(6));
    EXPECT_STREQ("wo", s.Mid(6, 2));
    EXPECT_STREQ("world", s.Mid(6, 100));
    EXPECT_STREQ("", s.Mid(11, 3));
    EXPECT_STREQ("", s.Mid(50));
    EXPECT_STREQ("he", s.Mid(-3, 2));
    EXPECT_STREQ("", s.Mid(2, 0));
    EXPECT_STREQ("rld", s.Right(3));
    EXPECT_STREQ("hello world", s.Right(50));
    EXPECT_STREQ("", s.Right(-1));
    EXPECT_EQ('w', s.GetAt(6));
    EXPECT_EQ('\0', s.GetAt(11));
    EXPECT_EQ('\0', s.GetAt(-1));
}

TEST(UIString, CompareIsByteExact) {
    CUIString gbk("\xB0\xA1");
    EXPECT_TRUE(gbk == "\xB0\xA1");
    EXPECT_FALSE(gbk == "\xB0\xA2");
    EXPECT_TRUE(gbk != "\xB0");
    EXPECT_TRUE(CUIString("a") != "A");
    EXPECT_TRUE(CUIString("z") < "\xB0\xA1");
    EXPECT_TRUE(CUIString("\xB0\xA1") < "\xB0\xA2");
    EXPECT_TRUE(CUIString("") == nullptr);
}

TEST(UIString, FormatAndShortFormat) {
    const std::string hundred(100, 'k');
    CUIString full, small;
    EXPECT_EQ(100, full.Format("%s", hundred.c_str()));
    EXPECT_EQ(hundred, full.GetData());
    EXPECT_EQ(63, small.SmallFormat("%s", hundred.c_str()));
    EXPECT_EQ(hundred.substr(0, 63), small.GetData());
    EXPECT_EQ(9, full.Format("%d-%s", 1234, "abcd"));
    EXPECT_STREQ("1234-abcd", full);
    EXPECT_EQ(3, small.SmallFormat("%03d", 7));
    EXPECT_STREQ("007", small);
}
