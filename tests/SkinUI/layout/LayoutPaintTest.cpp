#include <gtest/gtest.h>
#include "tests/SkinUI/support/PixelSurface.h"
#include <windows.h>
#include <cstdint>
#include <cstdlib>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

const int kSize = 64;
const uint32_t kWhite = 0xFFFFFF;
const RECT kAll = {0, 0, kSize, kSize};

// A white kSize x kSize surface.
class Surface : public CPixelSurface {
public:
    Surface() : CPixelSurface(kSize, kSize) {}
};

}  // namespace

TEST(LayoutPaint, ScrollBarWithoutImagesOutlinesItsParts) {
    Surface s;
    CScrollBarUI bar;
    bar.SetPos({0, 0, 16, kSize});  // buttons 0-16 and 48-64, thumb 16-32
    bar.DoPaint(s.dc(), kAll);
    EXPECT_EQ(s.At(0, 0), 0x85E4FFu);
    EXPECT_EQ(s.At(8, 8), kWhite);
    EXPECT_EQ(s.At(0, 63), 0x85E4FFu);
    EXPECT_EQ(s.At(0, 20), 0x85E4FFu);
    EXPECT_EQ(s.At(8, 24), kWhite);
    // The track between thumb and button 2 and everything beside the bar stay untouched.
    EXPECT_EQ(s.At(8, 40), kWhite);
    EXPECT_EQ(s.At(30, 8), kWhite);
}

TEST(LayoutPaint, ScrollBarOutsideThePaintAreaPaintsNothing) {
    Surface s;
    CScrollBarUI bar;
    bar.SetPos({0, 0, 16, kSize});
    bar.DoPaint(s.dc(), RECT{20, 0, kSize, kSize});
    EXPECT_EQ(s.At(0, 0), kWhite);
}

TEST(LayoutPaint, ChildrenAreClippedToTheInnerAreaButFloatingOnesMayCoverTheInset) {
    Surface s;
    CContainerUI c;
    auto* child = new CProbeControl();
    child->SetBkColor(0xFFFF0000);
    c.Add(child);
    auto* badge = new CProbeControl();
    badge->SetFloat(true);
    badge->SetBkColor(0xFF0000FF);
    c.Add(badge);
    c.SetInset({10, 10, 10, 10});
    c.SetPos(kAll);
    child->SetPos(kAll);  // as if scrolled over the inset
    badge->SetPos({0, 0, 8, 8});
    c.DoPaint(s.dc(), kAll);
    EXPECT_EQ(s.At(32, 32), 0xFF0000u);
    EXPECT_EQ(s.At(5, 32), kWhite);
    EXPECT_EQ(s.At(60, 60), kWhite);
    EXPECT_EQ(s.At(2, 2), 0x0000FFu);
}

TEST(LayoutPaint, HiddenChildrenAndChildrenOutsideTheContainerAreNotPainted) {
    Surface s;
    CContainerUI c;
    auto* hidden = new CProbeControl();
    hidden->SetBkColor(0xFFFF0000);
    hidden->SetVisible(false);
    c.Add(hidden);
    c.SetPos({0, 0, 32, 32});
    hidden->SetPos({0, 0, 32, 32});
    auto* outside = new CProbeControl();
    outside->SetBkColor(0xFF00FF00);
    c.Add(outside);
    c.SetPos({0, 0, 32, 32});
    outside->SetPos({40, 40, 60, 60});
    c.DoPaint(s.dc(), kAll);
    EXPECT_EQ(s.At(10, 10), kWhite);
    EXPECT_EQ(s.At(50, 50), kWhite);
}

TEST(LayoutPaint, TrackedSeparatorDrawsATranslucentBar) {
    Surface s;
    CVerticalLayoutUI pane;
    pane.SetSepSize(4);
    pane.SetPos({0, 0, kSize, 40});
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 10, 38);
    pane.DoEvent(down);
    TEventMsg move = MakeEvent(UIEVENT_MOUSEMOVE, 10, 48);
    pane.DoEvent(move);
    pane.DoPostPaint(s.dc(), kAll);
    EXPECT_TRUE(NearColor(s.At(10, 47), 0x555555)) << std::hex << s.At(10, 47);
    EXPECT_EQ(s.At(10, 38), kWhite);
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, 10, 48);
    pane.DoEvent(up);
    Surface after;
    pane.DoPostPaint(after.dc(), kAll);
    EXPECT_EQ(after.At(10, 47), kWhite);
}
