#include <gtest/gtest.h>
#include <type_traits>
#include "SkinUI/Utils/UIRect.h"

using SkinUI::CUIRect;

static_assert(sizeof(CUIRect) == sizeof(RECT), "CUIRect keeps the RECT layout");
static_assert(std::is_standard_layout<CUIRect>::value, "CUIRect keeps the RECT layout");

TEST(UIRect, JoinTakesOuterEdgesAndPlatformCallsAcceptIt) {
    CUIRect r(10, 20, 30, 40);
    r.Join(RECT{5, 25, 35, 38});
    const RECT joined{5, 20, 35, 40};
    EXPECT_TRUE(EqualRect(&r, &joined));
    EXPECT_EQ(30, r.GetWidth());
    EXPECT_EQ(20, r.GetHeight());
    const CUIRect empty;
    EXPECT_TRUE(IsRectEmpty(&empty));
}
