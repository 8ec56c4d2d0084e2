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

// Two edits in the shared window; focusing one opens its native editor.
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
        native = target->GetNativeWindow();
        EXPECT_NE(native, nullptr);
        return native;
    }
    void Type(const char* text)
    {
        for (const char* p = text; *p != '\0'; ++p) ::SendMessageA(native, WM_CHAR, static_cast<unsigned char>(*p), 1);
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
    static std::string Text(CEditUI* e) { return e->GetText().GetData(); }

    TEditTestHost& host = TEditTestHost::Shared();
    CNotifyLog log;
    CEditUI* edit = new CEditUI;
    CEditUI* other = new CEditUI;
    HWND native = nullptr;
};

} // namespace

TEST_F(EditTest, FocusOpensTheNativeEditorOverTheTextAreaItFollowsMovesAndShowsTheColours)
{
    edit->SetText("hello");
    Focus(edit);
    EXPECT_EQ(::GetParent(native), host.hWnd);
    EXPECT_EQ(::GetFocus(), native);
    EXPECT_EQ(NativeText(native), "hello");
    EXPECT_EQ(log.Count("textchanged"), 0); // filling the editor is no change
    for (const RECT& pos : {edit->GetPos(), RECT{20, 100, 180, 130}}) {
        edit->SetPos(pos);
        RECT rcWindow = {0, 0, 0, 0};
        ::GetWindowRect(native, &rcWindow);
        ::MapWindowPoints(HWND_DESKTOP, host.hWnd, reinterpret_cast<POINT*>(&rcWindow), 2);
        const RECT rcNative = edit->GetNativeRect();
        EXPECT_TRUE(::EqualRect(&rcWindow, &rcNative));
    }
    // A press on the open editor selects the whole text.
    ::SendMessageA(native, EM_SETSEL, 2, 2);
    TEventMsg down;
    down.Type = UIEVENT_BUTTONDOWN;
    down.ptMouse = POINT{25, 105};
    edit->Event(down);
    DWORD start = 7;
    DWORD end = 0;
    ::SendMessageA(native, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
    edit->SetAttribute("nativebkcolor", "#FF102030");
    edit->SetAttribute("textcolor", "#FF405060");
    HDC hDC = ::GetDC(native);
    const auto brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(host.hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(native)));
    LOGBRUSH lb = {};
    ASSERT_NE(::GetObjectA(brush, sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(::GetTextColor(hDC), RGB(0x40, 0x50, 0x60));
    EXPECT_EQ(::GetBkMode(hDC), TRANSPARENT);
    ::ReleaseDC(native, hDC);
}

TEST_F(EditTest, EveryChangeSendsTextChangedWithTheTextAlreadyUpdatedAndReturnIsReported)
{
    Focus(edit);
    Type("abc\b");
    std::string seen;
    for (const TSeenNotify& s : log.seen) seen += s.type == "textchanged" ? s.senderText + "|" : "";
    EXPECT_EQ(seen, "a|ab|abc|ab|");
    EXPECT_EQ(log.Last("textchanged")->sender, edit);
    // Return is reported without closing the editor.
    ::SendMessageA(native, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(log.Count("return", edit), 1);
    PumpMessages();
    EXPECT_EQ(edit->GetNativeWindow(), native);
    EXPECT_TRUE(::IsWindow(native));
    edit->SetText("set");
    EXPECT_EQ(NativeText(native), "set");
}

// The editor is wide whatever the code page: GBK goes in as its characters, and
// typed characters come back as GBK ("?" for one GBK lacks).
TEST_F(EditTest, ChineseTextGoesInAndComesBackAsGbk)
{
    edit->SetText("频道1");
    Focus(edit);
    wchar_t shown[16] = {};
    ::GetWindowTextW(native, shown, 16);
    EXPECT_STREQ(shown, L"频道1");
    ::SendMessageW(native, EM_SETSEL, 3, 3);
    for (const wchar_t* c = L"中\x00F6"; *c != L'\0'; ++c) ::SendMessageW(native, WM_CHAR, *c, 1);
    EXPECT_EQ(Text(edit), "频道1中?");
    EXPECT_EQ(log.Last("textchanged")->senderText, "频道1中?");
}

TEST_F(EditTest, MaxCharTakesEffectAtOnceNumberOnlyFromTheNextEditorAndFiltersPasting)
{
    Focus(edit);
    edit->SetAttribute("maxchar", "3");
    edit->SetAttribute("numberonly", "true");
    Type("1abcde");
    EXPECT_EQ(Text(edit), "1ab");
    LeaveAndClose(edit);
    Focus(edit); // a new editor gets the limit too
    ::SendMessageA(native, EM_SETSEL, 3, 3);
    Type("7");
    EXPECT_EQ(Text(edit), "1ab");
    edit->SetAttribute("maxchar", "9");
    ::SendMessageA(native, EM_SETSEL, 3, 3);
    Type("2b-3");
    EXPECT_EQ(Text(edit), "1ab23");
    ASSERT_TRUE(PutOnClipboard(native, "4x.5"));
    ::SendMessageA(native, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), "1ab2345");
}

TEST_F(EditTest, ReadOnlyRefusesTypingAndPasswordMasksTheEditorAndThePaint)
{
    edit->SetText("fixed");
    other->SetAttribute("password", "true");
    Focus(edit);
    edit->SetAttribute("readonly", "true");
    Type("x");
    EXPECT_EQ(Text(edit), "fixed");
    EXPECT_EQ(log.Count("textchanged"), 0);
    Focus(other);
    EXPECT_EQ(::SendMessageA(native, EM_GETPASSWORDCHAR, 0, 0), '*');
    Type("pw");
    EXPECT_EQ(Text(other), "pw");
    // Painted, a password shows one mask per character.
    host.pm.SetFocus(nullptr);
    WaitClosed(other);
    CPixelSurface masked(200, 100, 0);
    CPixelSurface plain(200, 100, 0);
    const auto paint = [](CEditUI& e, CPixelSurface& canvas) {
        canvas.Fill(0);
        e.SetPos(RECT{0, 0, 200, 24});
        e.DoPaint(canvas.dc(), canvas.Rect());
    };
    edit->SetText("**");
    paint(*other, masked);
    paint(*edit, plain);
    EXPECT_GT(plain.CountNot(0xFFFFFF), 0); // the text was drawn at all
    EXPECT_TRUE(masked.SameAs(plain));
}

TEST_F(EditTest, FocusLossOrHidingClosesTheEditorAndKeepsTheTextUnlessTheFocusComesBackFirst)
{
    Focus(edit);
    Type("kept");
    LeaveAndClose(edit);
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(native));
    EXPECT_EQ(Text(edit), "kept");
    // The focus went to the other edit: it comes back to the first before the other's posted close.
    HWND hWndOther = other->GetNativeWindow();
    ASSERT_NE(hWndOther, nullptr);
    host.pm.SetFocus(edit);
    host.pm.SetFocus(other);
    PumpMessages();
    EXPECT_EQ(other->GetNativeWindow(), hWndOther);
    EXPECT_TRUE(::IsWindow(hWndOther));
    EXPECT_EQ(::GetFocus(), hWndOther);
    EXPECT_EQ(host.pm.GetFocus(), other);
    WaitClosed(edit);
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    other->SetVisible(false);
    WaitClosed(other);
    EXPECT_EQ(other->GetNativeWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(hWndOther));
    EXPECT_EQ(host.pm.GetFocus(), nullptr);
}

TEST_F(EditTest, DestroyingAnEditWhileEditingClosesTheEditorFirst)
{
    Focus(edit);
    Type("gone");
    host.root->Remove(edit);
    delete edit;
    edit = nullptr;
    EXPECT_FALSE(::IsWindow(native));
    PumpMessages();
    EXPECT_EQ(log.Count("textchanged"), 4);
}
