#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/IContainerUI.h"
#include "app/DlgAbout.h"
#include "tests/SkinUI/support/TestWindow.h"

using SkinUI::CControlUI;
using Step = std::function<void(HWND hWnd, CControlUI* pMain)>;

// The dialog's title and its OK button are the end-to-end tests' (about_opens_and_closes).
namespace {

const char kWeb[] = "http://www.velmar.test";
const char kMail[] = "mailto:sales@velmar.test";

std::vector<std::string> g_opened;
std::vector<Step> g_steps;
size_t g_nextStep = 0;
int g_overtimeTicks = 0;

HWND OpenDialog()
{
    for (HWND h = ::FindWindowExA(nullptr, nullptr, "^_^", nullptr); h; h = ::FindWindowExA(nullptr, h, "^_^", nullptr))
        if (::GetWindowThreadProcessId(h, nullptr) == ::GetCurrentThreadId()) return h;
    return nullptr;
}

// One step per tick while the modal loop blocks the test; a dialog still open 3 s after the
// last step is destroyed, so the test fails instead of hanging.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND hWnd = OpenDialog();
    if (hWnd == nullptr) return;
    auto* pDialog =
        static_cast<DlgAbout*>(reinterpret_cast<SkinUI::CWindowWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA)));
    if (g_nextStep < g_steps.size())
        g_steps[g_nextStep++](hWnd, pDialog->GetPaintManager().GetRoot());
    else if (++g_overtimeTicks > 30)
        ::DestroyWindow(hWnd);
}

// True when every step ran and the dialog then closed by itself, giving the owner back.
bool RunDialog(bool chinese, std::vector<Step> steps)
{
    g_opened.clear();
    g_steps = std::move(steps);
    g_nextStep = 0;
    g_overtimeTicks = 0;
    DlgAbout::SetLinkOpener([](const char* address) { g_opened.push_back(address); });
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, Tick);
    DlgAbout::Show(SkinUI::CTestWindow::Host(), chinese);
    ::KillTimer(nullptr, timer);
    MSG quit = {};
    EXPECT_TRUE(::IsWindowEnabled(SkinUI::CTestWindow::Host()));
    EXPECT_EQ(SkinUI::CTestWindow::Host(), ::GetFocus());
    EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    return g_nextStep == g_steps.size() && g_overtimeTicks <= 30;
}

CControlUI* At(CControlUI* pControl, std::initializer_list<int> path)
{
    for (int index : path) {
        auto* pContainer =
            pControl ? static_cast<SkinUI::IContainerUI*>(pControl->GetInterface("IContainer")) : nullptr;
        pControl = pContainer ? pContainer->GetItemAt(index) : nullptr;
    }
    return pControl;
}

std::string TextAt(CControlUI* pMain, std::initializer_list<int> path)
{
    const CControlUI* pControl = At(pMain, path);
    return pControl ? pControl->GetText().GetData() : "(missing)";
}

void Click(HWND hWnd, CControlUI* pControl)
{
    ::UpdateWindow(hWnd);
    const RECT rc = pControl ? pControl->GetPos() : RECT{};
    const LPARAM pt = SkinUI::CTestWindow::Point((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, pt);
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, pt);
}

} // namespace

// The product line and the links as shown; the links open without closing the
// dialog, which holds its owner until OK.
TEST(AboutDialog, ChineseLinksOpenWithoutClosingUntilOk)
{
    std::vector<std::string> texts, openedAfterWeb;
    BOOL ownerEnabled = TRUE, openAfterLinks = FALSE;
    EXPECT_TRUE(
        RunDialog(true, {[&](HWND hWnd, CControlUI* pMain) {
                             texts = {TextAt(pMain, {1, 0, 0}), TextAt(pMain, {1, 0, 1}), TextAt(pMain, {1, 0, 2})};
                             ownerEnabled = ::IsWindowEnabled(SkinUI::CTestWindow::Host());
                             Click(hWnd, At(pMain, {1, 0, 1}));
                         },
                         [&](HWND hWnd, CControlUI* pMain) {
                             openedAfterWeb = g_opened;
                             Click(hWnd, At(pMain, {1, 0, 2}));
                         },
                         [&](HWND hWnd, CControlUI* pMain) {
                             openAfterLinks = ::IsWindowVisible(hWnd);
                             Click(hWnd, At(pMain, {1, 1, 1}));
                         }}));
    EXPECT_EQ((std::vector<std::string>{"VM_RAV(V001.01.03)", "{u}{a}http://www.velmar.test{/a}{/u}",
                                        "{u}{a}email:sales@velmar.test{/a}{/u}"}),
              texts);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(std::vector<std::string>{kWeb}, openedAfterWeb);
    EXPECT_EQ((std::vector<std::string>{kWeb, kMail}), g_opened);
    EXPECT_TRUE(openAfterLinks);
}

// Alt+F4 on the dialog closes the dialog only; the program keeps running.
TEST(AboutDialog, CloseButtonAndSystemCloseEachCloseOnlyTheDialog)
{
    const std::vector<std::pair<const char*, Step>> closers{
        {"Close button",
         [](HWND hWnd, CControlUI* pMain) {
             Click(hWnd, At(pMain, {0, 3}));
         }},
        {"system close", [](HWND hWnd, CControlUI*) { ::PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& closer : closers) {
        SCOPED_TRACE(closer.first);
        EXPECT_TRUE(RunDialog(false, {closer.second}));
        EXPECT_TRUE(g_opened.empty());
    }
}
