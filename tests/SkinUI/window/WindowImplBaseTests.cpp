#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "WindowTestKit.h"

using namespace SkinUI;
using namespace WindowTest;

namespace {

// A dialog built from a skin file under a resource path of its own, restored afterwards.
class CFileSkinDialog : public CTestDialog {
public:
    explicit CFileSkinDialog(const char* markup)
        : m_previous(CPaintManagerUI::GetResourcePath())
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, dir);
        CPaintManagerUI::SetResourcePath(dir);
        m_path = std::string(dir) + "skinui_window_test_skin.xml";
        skinSource = 0;
        skinFile = "skinui_window_test_skin.xml";
        if (markup == nullptr) return;
        FILE* file = std::fopen(m_path.c_str(), "wb");
        std::fputs(markup, file);
        std::fclose(file);
    }
    ~CFileSkinDialog() override
    {
        std::remove(m_path.c_str());
        CPaintManagerUI::SetResourcePath(m_previous);
    }

private:
    CUIString m_previous;
    std::string m_path;
};

int g_failures = 0;
std::string g_reason;

RECT Client(HWND hWnd)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    return rc;
}

} // namespace

TEST(WindowImplBase, BuiltInSkinShapesTheWindowAndClicksReachTheClickHandler)
{
    CTestDialog dialog(320, 210);
    const HWND hWnd = dialog.CreateTopLevel(nullptr, 50, 60);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(1, dialog.skinReadyCount);
    CControlUI* root = dialog.GetPaintManager().GetRoot();
    EXPECT_STREQ("main", root->GetName());
    EXPECT_EQ(210, Client(hWnd).bottom);
    dialog.GetPaintManager().SendNotify(root, "click");
    dialog.GetPaintManager().SendNotify(root, "selectchanged");
    EXPECT_EQ(root, dialog.lastClickSender);
    EXPECT_EQ(1, dialog.clickCount);
}

TEST(WindowImplBase, EscapeEndsAModalDialogWithOneOrTheMainLoopAndEnterDoesNothing)
{
    const HWND owner = CreateOwner();
    CTestDialog escaped;
    CTestDialog main;
    ASSERT_NE(nullptr, escaped.CreateTopLevel(owner));
    ASSERT_NE(nullptr, main.CreateTopLevel());
    CWatchdog dog;
    escaped.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    escaped.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1u, escaped.ShowModal());
    EXPECT_FALSE(TakeQuit());
    main.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CPaintManagerUI::MessageLoop();
    EXPECT_FALSE(dog.Fired());
    EXPECT_EQ(nullptr, main.GetHWND());
    ::DestroyWindow(owner);
}

TEST(WindowImplBase, SkinThatDoesNotBuildOrLeavesControlsOutReportsWhyAndCreatesNoWindow)
{
    const char* const skins[][2] = {
        {nullptr, "Error opening file"},
        {"<Window><VerticalLayout/><Label/></Window>", "LabelUI"},
    };
    for (const auto& s : skins) {
        CFileSkinDialog dialog(s[0]);
        g_failures = 0;
        WindowImplBase::SetSkinFailureHandler([](const char* reason) {
            ++g_failures;
            g_reason = reason;
        });
        EXPECT_EQ(nullptr, dialog.CreateTopLevel());
        WindowImplBase::SetSkinFailureHandler(nullptr);
        EXPECT_EQ(1, g_failures);
        EXPECT_NE(g_reason.find(s[1]), std::string::npos) << g_reason;
        EXPECT_EQ(0, dialog.skinReadyCount);
        EXPECT_FALSE(TakeQuit());
    }
}

TEST(WindowImplBase, CaptionDragsOnRealLabelsButNotOnRealButtonsOptionsOrText)
{
    CFileSkinDialog dialog("<Window size=\"300,200\" caption=\"0,0,0,60\"><VerticalLayout>"
                           "<Label height=\"10\"/><Button height=\"10\"/><Option height=\"10\"/><Text height=\"10\"/>"
                           "<Label height=\"10\"/></VerticalLayout></Window>");
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    dialog.GetPaintManager().GetRoot()->SetPos(Client(dialog.GetHWND()));
    // Rows of 10 px; at 55 the layout below its children, at 65 below the caption.
    const LRESULT expected[] = {HTCAPTION, HTCLIENT, HTCLIENT, HTCLIENT, HTCAPTION, HTCAPTION, HTCLIENT};
    for (int row = 0; row < 7; ++row) {
        POINT pt = {20, 5 + row * 10};
        ::ClientToScreen(dialog.GetHWND(), &pt);
        EXPECT_EQ(expected[row], dialog.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y))) << pt.y;
    }
}
