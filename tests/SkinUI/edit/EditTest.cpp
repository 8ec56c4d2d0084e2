#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include "EditTestHost.h"
#include "SkinUI/Control/EditUI.h"
#include "SkinUI/Utils/GbkText.h"
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

namespace {

void Type(HWND hWnd, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p) ::SendMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

std::string NativeText(HWND hWnd)
{
    wchar_t buffer[256] = {};
    ::GetWindowTextW(hWnd, buffer, 256);
    return CGbkText::FromWide(buffer);
}

bool PutOnClipboard(HWND hWnd, const char* text)
{
    if (!::OpenClipboard(hWnd)) return false;
    ::EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(hMem), text, size);
    ::GlobalUnlock(hMem);
    const bool ok = ::SetClipboardData(CF_TEXT, hMem) != nullptr;
    ::CloseClipboard();
    return ok;
}

// The editor's rectangle in the host's client coordinates.
RECT ClientRectOf(HWND hWnd, HWND hWndParent)
{
    RECT rc = {0, 0, 0, 0};
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(HWND_DESKTOP, hWndParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.pm.AddNotifier(&log);
        host.Add(edit, 24);
        host.Add(other, 24);
    }
    void TearDown() override
    {
        host.pm.SetFocus(nullptr);
        PumpMessages();
        for (CEditUI* e : {edit, other}) {
            if (e == nullptr) continue;
            host.root->Remove(e);
            delete e;
        }
        host.pm.RemoveNotifier(&log);
        host.Layout();
    }
    HWND Focus(CEditUI* target)
    {
        host.pm.SetFocus(target);
        return target->GetNativeWindow();
    }
    // The focus moves on; the closed editor goes once its posted close has run.
    void LeaveAndClose(CEditUI* target)
    {
        host.pm.SetFocus(other == target ? edit : other);
        WaitClosed(target);
    }
    static void WaitClosed(CEditUI* target)
    {
        for (int i = 0; i < 20 && target->GetNativeWindow() != nullptr; ++i) PumpMessages();
    }

    CEditTestHost& host = CEditTestHost::Shared();
    CNotifyLog log;
    CEditUI* edit = new CEditUI;
    CEditUI* other = new CEditUI;
};

} // namespace

TEST_F(EditTest, FocusOpensTheNativeEditorOverTheTextAreaAndItFollowsMoves)
{
    edit->SetText("hello");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    EXPECT_EQ(::GetParent(hWndNative), host.hWnd);
    EXPECT_EQ(::GetFocus(), hWndNative);
    EXPECT_EQ(NativeText(hWndNative), "hello");
    EXPECT_EQ(log.Count("textchanged"), 0); // filling the editor is no change
    const auto expectOver = [&] {
        const RECT rcWindow = ClientRectOf(hWndNative, host.hWnd);
        const RECT rcNative = edit->GetNativeRect();
        EXPECT_TRUE(::EqualRect(&rcWindow, &rcNative));
        return rcNative;
    };
    expectOver();
    edit->SetPos(RECT{20, 100, 180, 130});
    EXPECT_EQ(expectOver().left, 24);
}

TEST_F(EditTest, EveryChangeSendsTextChangedWithTheTextAlreadyUpdated)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    Type(hWndNative, "abc");
    ::SendMessageA(hWndNative, WM_CHAR, VK_BACK, 1);
    std::string seen;
    for (const TSeenNotify& s : log.seen) {
        if (s.type == "textchanged") seen += s.senderText + "|";
    }
    EXPECT_EQ(seen, "a|ab|abc|ab|");
    EXPECT_EQ(log.Last("textchanged")->sender, edit);
    edit->SetText("set");
    EXPECT_EQ(NativeText(hWndNative), "set");
}

// The editor is wide whatever the code page: GBK goes in as its characters, and
// typed characters come back as GBK ("?" for one GBK lacks).
TEST_F(EditTest, ChineseTextGoesInAndComesBackAsGbk)
{
    edit->SetText("频道1");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    wchar_t shown[16] = {};
    ::GetWindowTextW(hWndNative, shown, 16);
    EXPECT_STREQ(shown, L"频道1");
    ::SendMessageW(hWndNative, EM_SETSEL, 3, 3);
    for (const wchar_t* c = L"中\x00F6"; *c != L'\0'; ++c) ::SendMessageW(hWndNative, WM_CHAR, *c, 1);
    EXPECT_EQ(std::string(edit->GetText().GetData()), "频道1中?");
    EXPECT_EQ(log.Last("textchanged")->senderText, "频道1中?");
}

TEST_F(EditTest, ReturnIsReportedWithoutClosingTheEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    ::SendMessageA(hWndNative, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(log.Count("return", edit), 1);
    PumpMessages();
    EXPECT_EQ(edit->GetNativeWindow(), hWndNative);
    EXPECT_TRUE(::IsWindow(hWndNative));
}

TEST_F(EditTest, MaxCharTakesEffectAtOnceWhileEditing)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetAttribute("maxchar", "3");
    Type(hWndNative, "abcde");
    EXPECT_STREQ(edit->GetText().GetData(), "abc");
    LeaveAndClose(edit);
    hWndNative = Focus(edit); // a new editor gets the limit too
    ::SendMessageA(hWndNative, EM_SETSEL, 3, 3);
    Type(hWndNative, "z");
    EXPECT_STREQ(edit->GetText().GetData(), "abc");
}

TEST_F(EditTest, NumberOnlyAppliesFromTheNextEditorAndFiltersPasting)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetAttribute("numberonly", "true");
    Type(hWndNative, "1a");
    EXPECT_STREQ(edit->GetText().GetData(), "1a");
    LeaveAndClose(edit);

    hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    ::SendMessageA(hWndNative, EM_SETSEL, 2, 2);
    Type(hWndNative, "2b-3");
    EXPECT_STREQ(edit->GetText().GetData(), "1a23");
    ASSERT_TRUE(PutOnClipboard(hWndNative, "4x.5"));
    ::SendMessageA(hWndNative, WM_PASTE, 0, 0);
    EXPECT_STREQ(edit->GetText().GetData(), "1a2345");
}

TEST_F(EditTest, ReadOnlyRefusesTypingAndPasswordMasks)
{
    edit->SetText("fixed");
    other->SetAttribute("password", "true");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetAttribute("readonly", "true");
    Type(hWndNative, "x");
    EXPECT_STREQ(edit->GetText().GetData(), "fixed");
    EXPECT_EQ(log.Count("textchanged"), 0);
    hWndNative = Focus(other);
    ASSERT_NE(hWndNative, nullptr);
    EXPECT_EQ(::SendMessageA(hWndNative, EM_GETPASSWORDCHAR, 0, 0), '*');
    Type(hWndNative, "pw");
    EXPECT_STREQ(other->GetText().GetData(), "pw");
}

TEST_F(EditTest, FocusLossOrHidingClosesTheEditorAndKeepsTheText)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    Type(hWndNative, "kept");
    LeaveAndClose(edit);
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(hWndNative));
    EXPECT_STREQ(edit->GetText().GetData(), "kept");

    hWndNative = other->GetNativeWindow();
    ASSERT_NE(hWndNative, nullptr);
    other->SetVisible(false);
    WaitClosed(other);
    EXPECT_EQ(other->GetNativeWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(hWndNative));
    EXPECT_EQ(host.pm.GetFocus(), nullptr);
}

TEST_F(EditTest, FocusComingBackBeforeThePendingCloseKeepsTheEditor)
{
    ASSERT_NE(Focus(edit), nullptr);
    host.pm.SetFocus(other);
    host.pm.SetFocus(edit);
    PumpMessages();
    const HWND hWndNative = edit->GetNativeWindow();
    ASSERT_NE(hWndNative, nullptr);
    EXPECT_TRUE(::IsWindow(hWndNative));
    EXPECT_EQ(::GetFocus(), hWndNative);
    EXPECT_EQ(host.pm.GetFocus(), edit);
    WaitClosed(other);
    EXPECT_EQ(other->GetNativeWindow(), nullptr);
}

TEST_F(EditTest, DestroyingAnEditWhileEditingClosesTheEditorFirst)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    Type(hWndNative, "gone");
    host.root->Remove(edit);
    delete edit;
    edit = nullptr;
    EXPECT_FALSE(::IsWindow(hWndNative));
    PumpMessages();
    EXPECT_EQ(log.Count("textchanged"), 4);
}

TEST_F(EditTest, PasswordPaintsOneMaskPerCharacter)
{
    CPixelSurface masked(200, 100, 0);
    CPixelSurface plain(200, 100, 0);
    const auto paint = [](CEditUI& e, CPixelSurface& canvas) {
        canvas.Fill(0);
        e.SetPos(RECT{0, 0, 200, 24});
        e.DoPaint(canvas.dc(), canvas.Rect());
    };
    edit->SetAttribute("password", "true");
    edit->SetText("abc");
    other->SetText("***");
    paint(*edit, masked);
    paint(*other, plain);
    EXPECT_GT(plain.CountNot(0xFFFFFF), 0); // the text was drawn at all
    EXPECT_TRUE(masked.SameAs(plain));
    other->SetText("****");
    paint(*other, plain);
    EXPECT_FALSE(masked.SameAs(plain));
}

TEST_F(EditTest, PressingAnOpenEditorSelectsTheWholeText)
{
    edit->SetText("hello");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    ::SendMessageA(hWndNative, EM_SETSEL, 2, 2);
    TEventMsg down;
    down.Type = UIEVENT_BUTTONDOWN;
    down.ptMouse = POINT{5, 5};
    edit->Event(down);
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(hWndNative, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST_F(EditTest, NativeBackgroundColourPaintsTheEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    HDC hDC = ::GetDC(hWndNative);
    const auto ask = [&] {
        return ::SendMessageA(host.hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                              reinterpret_cast<LPARAM>(hWndNative));
    };
    LOGBRUSH lb = {};
    edit->SetAttribute("nativebkcolor", "#FF102030");
    edit->SetAttribute("textcolor", "#FF405060");
    const LRESULT brush = ask();
    ASSERT_NE(brush, 0);
    ASSERT_NE(::GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(::GetTextColor(hDC), RGB(0x40, 0x50, 0x60));
    EXPECT_EQ(::GetBkMode(hDC), TRANSPARENT);
    ::ReleaseDC(hWndNative, hDC);
}
