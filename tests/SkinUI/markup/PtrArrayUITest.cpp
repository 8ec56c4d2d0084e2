#include <gtest/gtest.h>
#include "SkinUI/Utils/PtrArrayUI.h"

using SkinUI::CPtrArrayUI;

namespace {
void* P(int n) { return reinterpret_cast<void*>(static_cast<intptr_t>(n)); }
}  // namespace

TEST(PtrArrayUI, GrowthKeepsOneSlotSpare) {
    CPtrArrayUI a;
    EXPECT_EQ(0, a.GetCapacity());
    EXPECT_TRUE(a.Add(P(1)));
    EXPECT_EQ(11, a.GetCapacity());
    for (int i = 2; i <= 10; ++i) EXPECT_TRUE(a.Add(P(i)));
    EXPECT_EQ(11, a.GetCapacity());
    EXPECT_TRUE(a.Add(P(11)));
    EXPECT_EQ(22, a.GetCapacity());
    for (int i = 0; i < 11; ++i) EXPECT_EQ(P(i + 1), a[i]);
}

TEST(PtrArrayUI, InsertRemoveAndRanges) {
    CPtrArrayUI a(4);
    EXPECT_EQ(4, a.GetCapacity());
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_TRUE(a.InsertAt(0, P(2)));
    EXPECT_TRUE(a.InsertAt(0, P(1)));
    EXPECT_TRUE(a.InsertAt(2, P(4)));
    EXPECT_TRUE(a.InsertAt(2, P(3)));
    EXPECT_FALSE(a.InsertAt(5, P(9)));
    EXPECT_FALSE(a.InsertAt(-1, P(9)));
    ASSERT_EQ(4, a.GetSize());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(P(i + 1), a.GetAt(i));
    EXPECT_EQ(2, a.Find(P(3)));
    EXPECT_EQ(-1, a.Find(P(9)));
    EXPECT_EQ(nullptr, a.GetAt(4));
    EXPECT_EQ(nullptr, a.GetAt(-1));
    EXPECT_FALSE(a.Remove(4));
    EXPECT_FALSE(a.Remove(-1));
    EXPECT_TRUE(a.Remove(1));
    EXPECT_EQ(3, a.GetSize());
    EXPECT_EQ(P(3), a.GetAt(1));
    EXPECT_EQ(P(4), a.GetAt(2));
    a.Empty();
    EXPECT_EQ(0, a.GetSize());
    EXPECT_EQ(0, a.GetCapacity());
    EXPECT_EQ(nullptr, a.GetData());
}

TEST(PtrArrayUI, ResizeAndCopy) {
    CPtrArrayUI a;
    a.Add(P(7));
    a.Resize(3);
    EXPECT_EQ(3, a.GetSize());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(nullptr, a.GetAt(i));
    EXPECT_TRUE(a.Add(P(8)));
    EXPECT_EQ(P(8), a.GetAt(3));
    CPtrArrayUI b(a);
    ASSERT_EQ(4, b.GetSize());
    EXPECT_EQ(P(8), b.GetAt(3));
    EXPECT_NE(a.GetData(), b.GetData());
    a.Resize(0);
    EXPECT_TRUE(a.IsEmpty());
}
