#include <gtest/gtest.h>
#include <windows.h>
#include <cstdint>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

namespace {

const int kSize = 64;
const uint32_t kWhite = 0xFFFFFF;
const RECT kAll = {0, 0, kSize, kSize};

CProbeControl* AddColoured(CContainerUI& c, DWORD argb)
{
    auto* child = new CProbeControl();
    child->SetBkColor(argb);
    c.Add(child);
    return child;
}

} // namespace

TEST(LayoutPaint, ScrollBarWithoutImagesOutlinesItsPartsInsideThePaintArea)
{
    CPixelSurface s(kSize, kSize);
    CScrollBarUI bar;
    bar.SetPos({0, 0, 16, kSize}); // buttons 0-16 and 48-64, thumb 16-32
    bar.DoPaint(s.dc(), RECT{20, 0, kSize, kSize});
    EXPECT_EQ(s.At(0, 0), kWhite);
    bar.DoPaint(s.dc(), kAll);
    EXPECT_EQ(s.At(0, 0), 0x85E4FFu);
    EXPECT_EQ(s.At(8, 8), kWhite);
    EXPECT_EQ(s.At(0, 63), 0x85E4FFu);
    EXPECT_EQ(s.At(0, 20), 0x85E4FFu);
    // The track between thumb and button 2 and everything beside the bar stay untouched.
    EXPECT_EQ(s.At(8, 40), kWhite);
    EXPECT_EQ(s.At(30, 8), kWhite);
}

TEST(LayoutPaint, ChildrenAreClippedToTheInnerAreaButFloatingOnesMayCoverTheInset)
{
    CPixelSurface s(kSize, kSize);
    CContainerUI c;
    CProbeControl* child = AddColoured(c, 0xFFFF0000);
    CProbeControl* badge = AddColoured(c, 0xFF0000FF);
    badge->SetFloat(true);
    CProbeControl* hidden = AddColoured(c, 0xFF00FF00);
    hidden->SetVisible(false);
    c.SetInset({10, 10, 10, 10});
    c.SetPos(kAll);
    child->SetPos(kAll); // as if scrolled over the inset
    badge->SetPos({0, 0, 8, 8});
    hidden->SetPos({20, 20, 40, 40});
    c.DoPaint(s.dc(), kAll);
    EXPECT_EQ(s.At(15, 15), 0xFF0000u);
    EXPECT_EQ(s.At(30, 30), 0xFF0000u);
    EXPECT_EQ(s.At(5, 32), kWhite);
    EXPECT_EQ(s.At(60, 60), kWhite);
    EXPECT_EQ(s.At(2, 2), 0x0000FFu);
}

TEST(LayoutPaint, TrackedSeparatorDrawsATranslucentBarWhileDragging)
{
    CPixelSurface s(kSize, kSize);
    CVerticalLayoutUI pane;
    pane.SetSepSize(4);
    pane.SetPos({0, 0, kSize, 40});
    Send(pane, UIEVENT_BUTTONDOWN, 10, 38);
    Send(pane, UIEVENT_MOUSEMOVE, 10, 48);
    pane.DoPostPaint(s.dc(), kAll);
    EXPECT_TRUE(NearColor(s.At(10, 47), 0x555555)) << std::hex << s.At(10, 47);
    EXPECT_EQ(s.At(10, 38), kWhite);
    Send(pane, UIEVENT_BUTTONUP, 10, 48);
    CPixelSurface after(kSize, kSize);
    pane.DoPostPaint(after.dc(), kAll);
    EXPECT_EQ(after.At(10, 47), kWhite);
}
