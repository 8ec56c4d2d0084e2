#include <gtest/gtest.h>
#include <set>
#include <string>
#include "SkinUI/Utils/PtrArrayUI.h"
#include "SkinUI/Utils/StringMapUI.h"
#include "SkinUI/Utils/UIString.h"

using namespace SkinUI;

namespace {
void* P(int n)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(n));
}
} // namespace

TEST(UIString, TextSurvivesTheInlineBufferNullAndSelfOverlappingSources)
{
    const std::string b62(62, 'x'), b63(63, 'y');
    CUIString s62(b62.c_str()), s63(b63.c_str());
    EXPECT_EQ(b63, s63.GetData());
    s62 += "!";
    EXPECT_EQ(b62 + "!", s62.GetData());
    s63.Assign("short");
    EXPECT_STREQ("short", s63);
    EXPECT_STREQ("", CUIString(nullptr));
    EXPECT_STREQ("abc", CUIString("abcdef", 3));
    s63 = static_cast<const char*>(nullptr);
    s63.Append(nullptr);
    EXPECT_TRUE(s63.IsEmpty());
    CUIString heap(std::string(100, 'q').c_str());
    heap.Assign(heap.GetData() + 10, 70);
    EXPECT_EQ(std::string(70, 'q'), heap.GetData());
    heap.Assign(heap.GetData() + 1, 5);
    heap = heap;
    heap += heap;
    CUIString copy(heap);
    copy.Empty();
    EXPECT_STREQ("qqqqqqqqqq", heap);
}

TEST(UIString, ReplaceFindSubstringsFormatAndCompare)
{
    CUIString s("aaa");
    EXPECT_EQ(3, s.Replace("a", "aa")); // the inserted text is not scanned again
    EXPECT_STREQ("aaaaaa", s);
    EXPECT_EQ(0, s.Replace("", "y"));
    EXPECT_EQ(6, s.Replace("a", ""));
    EXPECT_TRUE(s == nullptr);
    const CUIString h("hello world");
    for (const int found : {h.Find('\0'), h.Find("world", 7), h.Find("d", 12), h.Find("h", -1)}) EXPECT_EQ(-1, found);
    const struct {
        CUIString got;
        const char* want;
    } cases[] = {{h.Left(-2), ""},     {h.Left(99), "hello world"},  {h.Mid(6, 100), "world"}, {h.Mid(50), ""},
                 {h.Mid(-3, 2), "he"}, {h.Right(50), "hello world"}, {h.Right(-1), ""}};
    for (const auto& c : cases) EXPECT_STREQ(c.want, c.got);
    EXPECT_EQ('\0', h.GetAt(11));
    EXPECT_EQ('\0', h.GetAt(-1));
    const std::string hundred(100, 'k');
    EXPECT_EQ(100, s.Format("%s", hundred.c_str()));
    EXPECT_EQ(hundred, s.GetData());
    EXPECT_EQ(63, s.SmallFormat("%s", hundred.c_str()));
    EXPECT_EQ(hundred.substr(0, 63), s.GetData());
    // Bytes compare unsigned, so GBK text sorts after ASCII.
    EXPECT_TRUE(CUIString("z") < "\xB0\xA1");
    EXPECT_TRUE(CUIString("\xB0\xA1") < "\xB0\xA2");
}

TEST(PtrArrayUI, GrowthResizeCopiesAndOutOfRangeIsRefused)
{
    CPtrArrayUI a;
    for (int i = 1; i <= 11; ++i) EXPECT_TRUE(a.Add(P(i)));
    EXPECT_FALSE(a.InsertAt(12, P(99)));
    EXPECT_FALSE(a.InsertAt(-1, P(99)));
    EXPECT_TRUE(a.InsertAt(11, P(12)));
    for (void* none : {a.GetAt(12), a.GetAt(-1)}) EXPECT_EQ(nullptr, none);
    EXPECT_FALSE(a.Remove(12));
    EXPECT_FALSE(a.Remove(-1));
    EXPECT_TRUE(a.Remove(0));
    EXPECT_EQ(P(2), a.GetAt(0));
    EXPECT_EQ(10, a.Find(P(12)));
    EXPECT_EQ(-1, a.Find(P(99)));
    a.Resize(3);
    EXPECT_EQ(nullptr, a.GetAt(0));
    EXPECT_TRUE(a.Add(P(8)));
    CPtrArrayUI b(a);
    a.Empty();
    ASSERT_EQ(4, b.GetSize());
    EXPECT_EQ(P(8), b.GetAt(3));
    EXPECT_EQ(nullptr, a.GetData());
}

TEST(StringMapUI, InsertKeepsOldDataEnumerationReachesEveryItemAndNoBucketsRefuseSafely)
{
    CStringMapUI map;
    EXPECT_TRUE(map.Insert("x", P(1)));
    EXPECT_FALSE(map.Insert("x", P(2)));
    EXPECT_EQ(P(1), map.Set("x", P(3)));
    EXPECT_EQ(P(3), map.Find("x"));
    EXPECT_TRUE(map.Remove("x"));
    EXPECT_FALSE(map.Remove("x"));
    std::set<std::string> keys, seen;
    for (int i = 0; i < 300; ++i) {
        keys.insert("k" + std::to_string(i) + "\xC4\xE3");
        ASSERT_TRUE(map.Insert(("k" + std::to_string(i) + "\xC4\xE3").c_str(), P(i)));
    }
    for (int i = 0; i < map.GetSize(); ++i) seen.insert(map.GetAt(i));
    EXPECT_EQ(keys, seen);
    EXPECT_EQ(nullptr, map.GetAt(300));
    EXPECT_EQ(nullptr, map.GetAt(-1));
    map.Resize(0);
    EXPECT_EQ(0, map.GetSize());
    EXPECT_FALSE(map.Insert("a", P(1)));
    EXPECT_EQ(P(5), map.Set("a", P(5)));
    EXPECT_EQ(nullptr, map.Find("a"));
    EXPECT_FALSE(map.Remove("a"));
    EXPECT_EQ(nullptr, map.GetAt(0));
}
