#include <gtest/gtest.h>
#include <type_traits>
#include "SkinUI/Utils/UIRect.h"

using SkinUI::CUIRect;

static_assert(sizeof(CUIRect) == sizeof(RECT), "CUIRect keeps the RECT layout");
static_assert(std::is_standard_layout<CUIRect>::value, "CUIRect keeps the RECT layout");

TEST(UIRect, JoinTakesOuterEdges) {
    CUIRect r(10, 20, 30, 40);
    r.Join(RECT{5, 25, 35, 38});
    EXPECT_EQ(5, r.left);
    EXPECT_EQ(20, r.top);
    EXPECT_EQ(35, r.right);
    EXPECT_EQ(40, r.bottom);
    EXPECT_EQ(30, r.GetWidth());
    EXPECT_EQ(20, r.GetHeight());
}

TEST(UIRect, WorksWithPlatformCalls) {
    const RECT src{1, 2, 3, 4};
    CUIRect r(src);
    EXPECT_TRUE(EqualRect(&r, &src));
    OffsetRect(&r, 10, 10);
    EXPECT_EQ(11, r.left);
    EXPECT_EQ(14, r.bottom);
    const CUIRect empty;
    EXPECT_TRUE(IsRectEmpty(&empty));
}
