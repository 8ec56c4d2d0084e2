#include <gtest/gtest.h>
#include <windows.h>
#include <vector>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

namespace {

// Removes itself from its parent when clicked, as a "close" button would.
class CSelfRemover : public CProbeControl {
public:
    explicit CSelfRemover(int* pDestroyed)
        : CProbeControl(pDestroyed)
    {}
    void DoEvent(TEventMsg& event) override
    {
        if (event.Type == UIEVENT_BUTTONDOWN) {
            static_cast<CContainerUI*>(GetParent()->GetInterface("Container"))->Remove(this);
            // Still alive here: the handler may go on using its object.
            removedAlive = GetName().IsEmpty();
        }
    }
    bool removedAlive = false;
};

class ManagedLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        pm.AddNotifier(&log);
        pm.AttachDialog(root);
        root->SetPos({0, 0, 200, 200});
    }
    void TearDown() override { pm.RemoveNotifier(&log); }

    CTestWindow window{200, 200};
    CPaintManagerUI& pm = window.GetManager();
    CNotifyLog log;
    CVerticalLayoutUI* root = new CVerticalLayoutUI();
};

} // namespace

TEST_F(ManagedLayout, RemovedChildrenAreDeletedLaterUnlessDelayIsOff)
{
    int destroyed = 0;
    auto* child = new CSelfRemover(&destroyed);
    root->Add(child);
    root->Add(new CProbeControl(&destroyed));
    root->Add(new CProbeControl(&destroyed));
    Send(*child, UIEVENT_BUTTONDOWN, 5, 5);
    EXPECT_TRUE(child->removedAlive);
    EXPECT_EQ(destroyed, 0);
    window.PumpMessages();
    EXPECT_EQ(destroyed, 1);
    root->SetDelayedDestroy(false);
    EXPECT_TRUE(root->RemoveAt(0));
    EXPECT_EQ(destroyed, 2);
}

TEST_F(ManagedLayout, AStandaloneBarNotifiesScrollAndItsReleaseStopsTheTimer)
{
    auto* bar = new CScrollBarUI();
    bar->SetFloat(true);
    root->Add(bar);
    bar->SetPos({0, 0, 16, 200});
    Send(*bar, UIEVENT_BUTTONDOWN, 8, 195);
    EXPECT_EQ(bar->GetScrollPos(), 8);
    EXPECT_EQ(log.Count("scroll"), 1);
    Send(*bar, UIEVENT_BUTTONUP, 8, 195);
    EXPECT_FALSE(pm.KillTimer(bar, CScrollBarUI::kTimerId));
}

TEST_F(ManagedLayout, TrackedSeparatorRegistersForPostPaintOnce)
{
    auto* pane = new CVerticalLayoutUI();
    pane->SetFixedHeight(100);
    pane->SetSepSize(4);
    root->Add(pane);
    root->SetPos({0, 0, 200, 200});
    Send(*pane, UIEVENT_BUTTONDOWN, 50, 98);
    Send(*pane, UIEVENT_BUTTONDOWN, 50, 98);
    Send(*pane, UIEVENT_MOUSEMOVE, 50, 120);
    EXPECT_EQ(RectText(pane->GetPos()), "0,0,200,100");
    Send(*pane, UIEVENT_BUTTONUP, 50, 120);
    EXPECT_FALSE(pm.RemovePostPaint(pane));
    root->SetPos({0, 0, 200, 200});
    EXPECT_EQ(RectText(pane->GetPos()), "0,0,200,122");
}

// Lengths set on controls are pixels at 96 DPI. At another DPI the flow runs in those
// lengths and only its edges are scaled: children without slack still end at the end of
// their container, and a floating child keeps its place through every layout.
TEST(ManagedLayoutDpi, EveryEdgeFallsWhereItFallsAt96DpiScaled)
{
    for (int dpi : {96, 120, 144, 192}) {
        const CDpiScale scale(dpi);
        CTestWindow window{scale.Scale(161), scale.Scale(161)};
        CPaintManagerUI& pm = window.GetManager();
        pm.SetDpi(dpi);
        auto* root = new CVerticalLayoutUI();
        root->ApplyAttributeList("inset=\"3,3,3,3\" childpadding=\"5\"");
        std::vector<CControlUI*> rows;
        for (int i = 0; i < 6; ++i) {
            rows.push_back(new CControlUI());
            rows.back()->ApplyAttributeList(i < 5 ? "height=\"27\"" : "float=\"true\" pos=\"10,7,43,20\"");
            root->Add(rows.back());
        }
        pm.AttachDialog(root);
        for (int pass = 0; pass < 2; ++pass) {
            root->SetPos({0, 0, scale.Scale(161), scale.Scale(161)});
            for (int i = 0; i < 5; ++i) {
                const RECT want = scale.ScaleRect(RECT{3, 3 + i * 32, 158, 30 + i * 32});
                EXPECT_TRUE(::EqualRect(&rows[i]->GetPos(), &want)) << "row " << i << " at " << dpi;
            }
            const RECT want = scale.ScaleRect(RECT{10, 7, 43, 20});
            EXPECT_TRUE(::EqualRect(&rows[5]->GetPos(), &want)) << "floating, pass " << pass << " at " << dpi;
        }
    }
}
