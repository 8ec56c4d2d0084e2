#include <gtest/gtest.h>
#include "SkinUI/Utils/PtrArrayUI.h"

using SkinUI::CPtrArrayUI;

namespace {
void* P(int n) { return reinterpret_cast<void*>(static_cast<intptr_t>(n)); }
}  // namespace

TEST(PtrArrayUI, GrowthKeepsOneSlotSpare) {
    CPtrArrayUI a;
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(a.Add(P(i)));
    EXPECT_EQ(11, a.GetCapacity());
    EXPECT_TRUE(a.Add(P(11)));
    EXPECT_EQ(22, a.GetCapacity());
    for (int i = 0; i < 11; ++i) EXPECT_EQ(P(i + 1), a[i]);
}

TEST(PtrArrayUI, OutOfRangeIndicesAreRefused) {
    CPtrArrayUI a(4);
    EXPECT_TRUE(a.InsertAt(0, P(2)));
    EXPECT_TRUE(a.InsertAt(0, P(1)));
    EXPECT_TRUE(a.InsertAt(2, P(3)));
    EXPECT_FALSE(a.InsertAt(4, P(9)));
    EXPECT_FALSE(a.InsertAt(-1, P(9)));
    EXPECT_EQ(-1, a.Find(P(9)));
    EXPECT_EQ(nullptr, a.GetAt(3));
    EXPECT_EQ(nullptr, a.GetAt(-1));
    EXPECT_FALSE(a.Remove(3));
    EXPECT_FALSE(a.Remove(-1));
    EXPECT_TRUE(a.Remove(0));
    ASSERT_EQ(2, a.GetSize());
    EXPECT_EQ(P(2), a.GetAt(0));
    EXPECT_EQ(1, a.Find(P(3)));
}

TEST(PtrArrayUI, ResizeFillsWithNullAndCopiesAreIndependent) {
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
