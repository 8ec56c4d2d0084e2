#include "tests/SkinUI/manager/ManagerFixture.h"
#include <commctrl.h>
#include <vector>
#include "SkinUI/Core/Delegate.h"
#include "tests/SkinUI/support/GdiObjects.h"

using namespace SkinUI;

namespace {
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Recolours another control whenever the one it listens to is placed.
struct TRecolour {
    bool OnSize(void*)
    {
        target->SetBkColor(colour);
        return true;
    }
    CControlUI* target = nullptr;
    DWORD colour = 0;
};
} // namespace

// A red root with one blue 20-pixel row.
class ManagerPaint : public ManagerTest {
protected:
    void SetUp() override
    {
        m_pRoot->SetBkColor(0xFFFF0000);
        m_pRow = AddRow();
        m_pRow->SetBkColor(0xFF0000FF);
    }

    CProbeUI* m_pRow = nullptr;
};

TEST_F(ManagerPaint, WhatTheLayoutInvalidatesIsPaintedInTheSamePaint)
{
    CProbeUI* below = AddRow();
    below->SetBkColor(0xFFFF0000);
    Attach();
    ASSERT_EQ(m_window.GetPixel(5, 25), kRed);
    TRecolour recolour;
    recolour.target = below;
    recolour.colour = 0xFF0000FF;
    m_pRow->OnSize += MakeDelegate(&recolour, &TRecolour::OnSize);
    m_pRow->NeedUpdate();
    ::UpdateWindow(m_window.GetHWND());
    EXPECT_EQ(m_window.GetPixel(5, 25), kBlue);
    RECT rcLeft = {0, 0, 0, 0};
    EXPECT_FALSE(::GetUpdateRect(m_window.GetHWND(), &rcLeft, FALSE));
}

TEST_F(ManagerPaint, ABackgroundThatCannotBeMadeLeaksNoDeviceContext)
{
    Attach();
    const int before = CountGdiObjects();
    ASSERT_GT(before, 0);
    // With every GDI handle taken, one more is given back before each paint: at some paint the
    // background's context can be made but not its bitmap, and paints go on after that.
    std::vector<HRGN> taken;
    for (HRGN hRgn; (hRgn = ::CreateRectRgn(0, 0, 1, 1)) != nullptr;) taken.push_back(hRgn);
    ASSERT_GT(taken.size(), 8u);
    m_manager.SetBackgroundTransparent(true);
    for (int i = 0; i < 8; ++i) {
        ::DeleteObject(taken.back());
        taken.pop_back();
        m_window.Repaint();
    }
    for (HRGN hRgn : taken) ::DeleteObject(hRgn);
    m_window.Repaint();
    EXPECT_EQ(m_window.GetPixel(100, 80), kRed);
    // A new layout drops the background; without one nothing of it may be left.
    m_manager.SetBackgroundTransparent(false);
    m_pRoot->NeedUpdate();
    m_window.Repaint();
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST_F(ManagerPaint, HoverShowsTheToolTipWindowOfTheControl)
{
    m_pRow->SetToolTip("最小化");
    Attach();
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 5));
    m_window.Send(WM_MOUSEHOVER, 0, CTestWindow::Point(5, 5));
    EXPECT_EQ(m_pRow->Count(UIEVENT_MOUSEHOVER), 1);
    HWND tip = nullptr;
    for (HWND w = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w != nullptr;
         w = ::FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr)) {
        // The system makes the top-level ancestor the owner of a popup.
        if (::GetWindow(w, GW_OWNER) == ::GetAncestor(m_window.GetHWND(), GA_ROOT)) tip = w;
    }
    ASSERT_NE(tip, nullptr);
    // The GBK text reaches the tooltip as the same characters whatever the code page.
    wchar_t text[16] = {};
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.hwnd = m_window.GetHWND();
    info.uId = reinterpret_cast<UINT_PTR>(m_window.GetHWND());
    info.lpszText = text;
    ::SendMessageW(tip, TTM_GETTEXTW, 16, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"最小化");
}
