#include <gtest/gtest.h>
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

namespace {

CControlUI* CALLBACK ReturnSelf(CControlUI* pControl, LPVOID)
{
    return pControl;
}

CControlUI* CALLBACK ReturnNone(CControlUI*, LPVOID)
{
    return nullptr;
}

class FindControlTest : public ::testing::Test {
protected:
    void SetUp() override { c.SetPos(RECT{10, 10, 50, 30}); }

    CControlUI* Find(UINT flags, POINT* pt = nullptr) { return c.FindControl(ReturnSelf, pt, flags); }

    CControlUI c;
};

} // namespace

TEST_F(FindControlTest, NoFlagsAnswersThePredicate)
{
    c.SetVisible(false);
    c.SetEnabled(false);
    EXPECT_EQ(Find(0), &c);
    EXPECT_EQ(c.FindControl(ReturnNone, nullptr, 0), nullptr);
}

TEST_F(FindControlTest, VisibleAndEnabledFlagsSkipHiddenAndDisabledControls)
{
    EXPECT_EQ(Find(UIFIND_ENABLED), &c);
    c.SetEnabled(false);
    EXPECT_EQ(Find(UIFIND_ENABLED), nullptr);
    EXPECT_EQ(Find(UIFIND_VISIBLE), &c);
    c.SetEnabled(true);
    EXPECT_EQ(Find(UIFIND_VISIBLE), &c);
    c.SetVisible(false);
    EXPECT_EQ(Find(UIFIND_VISIBLE), nullptr);
    c.SetVisible(true);
    c.SetInternVisible(false);
    EXPECT_EQ(Find(UIFIND_VISIBLE), nullptr);
}

TEST_F(FindControlTest, HitTestNeedsThePointInsideAndMouseEnabled)
{
    POINT inside = {10, 29};
    POINT rightEdge = {50, 20};
    POINT above = {20, 9};
    EXPECT_EQ(Find(UIFIND_HITTEST, &inside), &c);
    EXPECT_EQ(Find(UIFIND_HITTEST, &rightEdge), nullptr);
    EXPECT_EQ(Find(UIFIND_HITTEST, &above), nullptr);
    EXPECT_EQ(Find(UIFIND_HITTEST, nullptr), nullptr);
    c.SetMouseEnabled(false);
    EXPECT_EQ(Find(UIFIND_HITTEST, &inside), nullptr);
    EXPECT_EQ(Find(0, &inside), &c);
}

TEST_F(FindControlTest, CombinedFlagsRequireEveryTest)
{
    POINT inside = {20, 20};
    const UINT all = UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_HITTEST | UIFIND_TOP_FIRST | UIFIND_ME_FIRST;
    EXPECT_EQ(Find(all, &inside), &c);
    c.SetEnabled(false);
    EXPECT_EQ(Find(all, &inside), nullptr);
}
