#include <gtest/gtest.h>
#include <set>
#include <string>
#include "SkinUI/Utils/PtrArrayUI.h"
#include "SkinUI/Utils/StringMapUI.h"
#include "SkinUI/Utils/UIRect.h"

using namespace SkinUI;

namespace {
void* P(int n)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(n));
}
} // namespace

TEST(PtrArrayUI, GrowthKeepsTheItemsAndOutOfRangeIsRefused)
{
    CPtrArrayUI a;
    for (int i = 1; i <= 11; ++i) EXPECT_TRUE(a.Add(P(i)));
    EXPECT_EQ(P(11), a[10]);
    EXPECT_FALSE(a.InsertAt(12, P(99)));
    EXPECT_FALSE(a.InsertAt(-1, P(99)));
    EXPECT_TRUE(a.InsertAt(11, P(12)));
    EXPECT_EQ(-1, a.Find(P(99)));
    EXPECT_EQ(nullptr, a.GetAt(12));
    EXPECT_EQ(nullptr, a.GetAt(-1));
    EXPECT_FALSE(a.Remove(12));
    EXPECT_FALSE(a.Remove(-1));
    EXPECT_TRUE(a.Remove(0));
    EXPECT_EQ(P(2), a.GetAt(0));
    EXPECT_EQ(10, a.Find(P(12)));
}

TEST(PtrArrayUI, ResizeFillsWithNullAndCopiesAreIndependent)
{
    CPtrArrayUI a;
    a.Add(P(7));
    a.Resize(3);
    EXPECT_EQ(nullptr, a.GetAt(0));
    EXPECT_TRUE(a.Add(P(8)));
    CPtrArrayUI b(a);
    a.Empty();
    ASSERT_EQ(4, b.GetSize());
    EXPECT_EQ(P(8), b.GetAt(3));
    EXPECT_EQ(nullptr, a.GetData());
}

TEST(StringMapUI, InsertKeepsOldData)
{
    CStringMapUI map;
    EXPECT_TRUE(map.Insert("x", P(1)));
    EXPECT_FALSE(map.Insert("x", P(2)));
    EXPECT_EQ(P(1), map.Find("x"));
    EXPECT_EQ(P(1), map.Set("x", P(3)));
    EXPECT_EQ(P(3), map.Find("x"));
    EXPECT_TRUE(map.Remove("x"));
    EXPECT_FALSE(map.Remove("x"));
}

TEST(StringMapUI, NoBucketsRefusesEverythingSafely)
{
    CStringMapUI map;
    map.Insert("a", P(1));
    map.Resize(0);
    EXPECT_EQ(0, map.GetSize());
    EXPECT_FALSE(map.Insert("a", P(1)));
    EXPECT_EQ(P(5), map.Set("a", P(5)));
    EXPECT_EQ(nullptr, map.Find("a"));
    EXPECT_FALSE(map.Remove("a"));
    EXPECT_EQ(nullptr, map.GetAt(0));
}

TEST(StringMapUI, EnumerationReachesEveryItemOnce)
{
    CStringMapUI map;
    std::set<std::string> keys, seen;
    for (int i = 0; i < 300; ++i) {
        keys.insert("k" + std::to_string(i) + "\xC4\xE3");
        ASSERT_TRUE(map.Insert(("k" + std::to_string(i) + "\xC4\xE3").c_str(), P(i)));
    }
    for (int i = 0; i < map.GetSize(); ++i) seen.insert(map.GetAt(i));
    EXPECT_EQ(keys, seen);
    EXPECT_EQ(nullptr, map.GetAt(300));
    EXPECT_EQ(nullptr, map.GetAt(-1));
}

TEST(UIRect, JoinMeetsAndContainsUseTheOpenRightAndBottom)
{
    CUIRect a(0, 0, 10, 5);
    a.Join(CUIRect(-2, 3, 4, 9));
    EXPECT_TRUE(a.left == -2 && a.top == 0 && a.right == 10 && a.bottom == 9);
    EXPECT_EQ(12, a.GetWidth());
    EXPECT_TRUE(a.Meets(CUIRect(9, 8, 20, 20)));
    EXPECT_FALSE(a.Meets(CUIRect(10, 0, 20, 9)));
    EXPECT_FALSE(a.Meets(CUIRect(0, 0, 5, 0)));
    EXPECT_TRUE(CUIRect(5, 5, 5, 9).IsEmpty());
    EXPECT_TRUE(a.Contains(CUIPoint(-2, 0)));
    EXPECT_FALSE(a.Contains(CUIPoint(10, 4)));
    EXPECT_FALSE(a.Contains(CUIPoint(0, 9)));
}
