#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include "EditTestHost.h"
#include "PixelCanvas.h"
#include "SkinUI/Control/EditUI.h"

using namespace SkinUI;

namespace {

void Type(HWND hWnd, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p) ::SendMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

std::string NativeText(HWND hWnd)
{
    char buffer[256] = {};
    ::GetWindowTextA(hWnd, buffer, sizeof(buffer));
    return buffer;
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

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.pm.AddNotifier(&log);
        edit = new CEditUI;
        other = new CEditUI;
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
        for (int i = 0; i < 20 && target->GetNativeWindow() != nullptr; ++i) PumpMessages();
    }

    CEditTestHost& host = CEditTestHost::Shared();
    CNotifyLog log;
    CEditUI* edit = nullptr;
    CEditUI* other = nullptr;
};

} // namespace

TEST_F(EditTest, FocusOpensTheNativeEditorOverTheTextArea)
{
    edit->SetText("hello");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    char className[32] = {};
    ::GetClassNameA(hWndNative, className, sizeof(className));
    EXPECT_STREQ(className, "EditWnd");
    EXPECT_EQ(::GetParent(hWndNative), host.hWnd);
    EXPECT_EQ(::GetFocus(), hWndNative);
    EXPECT_EQ(NativeText(hWndNative), "hello");
    EXPECT_NE(::GetWindowLongA(hWndNative, GWL_STYLE) & ES_AUTOHSCROLL, 0);

    RECT rcWindow = {0, 0, 0, 0};
    ::GetWindowRect(hWndNative, &rcWindow);
    ::MapWindowPoints(HWND_DESKTOP, host.hWnd, reinterpret_cast<POINT*>(&rcWindow), 2);
    const RECT rcNative = edit->GetNativeRect();
    EXPECT_EQ(rcWindow.left, rcNative.left);
    EXPECT_EQ(rcWindow.top, rcNative.top);
    EXPECT_EQ(rcWindow.right, rcNative.right);
    EXPECT_EQ(rcWindow.bottom, rcNative.bottom);
    EXPECT_EQ(log.Count("textchanged"), 0);  // filling the editor is no change
}

TEST_F(EditTest, TypingSendsTextChangedWithTheTextAlreadyUpdated)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    Type(hWndNative, "abc");
    ASSERT_EQ(log.Count("textchanged"), 3);
    std::string seen;
    for (const TSeenNotify& s : log.seen) {
        if (s.type == "textchanged") seen += s.senderText + "|";
    }
    EXPECT_EQ(seen, "a|ab|abc|");
    EXPECT_EQ(log.Last("textchanged")->sender, edit);
    EXPECT_STREQ(edit->GetText().GetData(), "abc");
    ::SendMessageA(hWndNative, WM_CHAR, VK_BACK, 1);
    EXPECT_STREQ(edit->GetText().GetData(), "ab");
    EXPECT_EQ(log.Count("textchanged"), 4);
}

TEST_F(EditTest, SetTextWhileEditingReachesTheEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetText("set");
    EXPECT_EQ(NativeText(hWndNative), "set");
    EXPECT_STREQ(edit->GetText().GetData(), "set");
}

TEST_F(EditTest, ReturnIsReportedWithoutClosingTheEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    ::SendMessageA(hWndNative, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_EQ(log.Count("return"), 1);
    EXPECT_EQ(log.Last("return")->sender, edit);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(hWndNative));
    EXPECT_EQ(edit->GetNativeWindow(), hWndNative);
}

TEST_F(EditTest, MaxCharTakesEffectAtOnceWhileEditing)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetAttribute("maxchar", "3");
    Type(hWndNative, "abcde");
    EXPECT_STREQ(edit->GetText().GetData(), "abc");
    LeaveAndClose(edit);
    hWndNative = Focus(edit);  // a new editor gets the limit too
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
    EXPECT_NE(::GetWindowLongA(hWndNative, GWL_STYLE) & ES_NUMBER, 0);
    ::SendMessageA(hWndNative, EM_SETSEL, 2, 2);
    Type(hWndNative, "2b-3");
    EXPECT_STREQ(edit->GetText().GetData(), "1a23");
    ASSERT_TRUE(PutOnClipboard(hWndNative, "4x.5"));
    ::SendMessageA(hWndNative, WM_PASTE, 0, 0);
    EXPECT_STREQ(edit->GetText().GetData(), "1a2345");
}

TEST_F(EditTest, ReadOnlyEditorRefusesTyping)
{
    edit->SetText("fixed");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetAttribute("readonly", "true");
    EXPECT_NE(::GetWindowLongA(hWndNative, GWL_STYLE) & ES_READONLY, 0);
    Type(hWndNative, "x");
    EXPECT_STREQ(edit->GetText().GetData(), "fixed");
    EXPECT_EQ(log.Count("textchanged"), 0);
}

TEST_F(EditTest, PasswordEditorMasksWithThePasswordCharacter)
{
    edit->SetAttribute("password", "true");
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    EXPECT_EQ(::SendMessageA(hWndNative, EM_GETPASSWORDCHAR, 0, 0), '*');
    Type(hWndNative, "pw");
    EXPECT_STREQ(edit->GetText().GetData(), "pw");
}

TEST_F(EditTest, FocusLossClosesTheEditorAndKeepsTheText)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    Type(hWndNative, "kept");
    LeaveAndClose(edit);
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(hWndNative));
    EXPECT_STREQ(edit->GetText().GetData(), "kept");
    EXPECT_NE(other->GetNativeWindow(), nullptr);
}

TEST_F(EditTest, HidingTheEditClosesItsEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetVisible(false);
    for (int i = 0; i < 20 && edit->GetNativeWindow() != nullptr; ++i) PumpMessages();
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(hWndNative));
    EXPECT_EQ(host.pm.GetFocus(), nullptr);
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

namespace {

void PaintEdit(CEditUI& e, CPixelCanvas& canvas)
{
    canvas.Clear();
    e.SetPos(RECT{0, 0, 200, 24});
    e.DoPaint(canvas.dc(), RECT{0, 0, 200, 100});
}

} // namespace

TEST_F(EditTest, PasswordPaintsOneMaskPerCharacter)
{
    CPixelCanvas masked;
    CPixelCanvas plain;
    edit->SetAttribute("password", "true");
    edit->SetText("abc");
    other->SetText("***");
    PaintEdit(*edit, masked);
    PaintEdit(*other, plain);
    EXPECT_GT(plain.CountNot(0xFFFFFF), 0);  // the text was drawn at all
    EXPECT_TRUE(masked.SameAs(plain));
    other->SetText("****");
    PaintEdit(*other, plain);
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

TEST_F(EditTest, MovingTheEditMovesItsEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    edit->SetPos(RECT{20, 100, 180, 130});
    RECT rcWindow = {0, 0, 0, 0};
    ::GetWindowRect(hWndNative, &rcWindow);
    ::MapWindowPoints(HWND_DESKTOP, host.hWnd, reinterpret_cast<POINT*>(&rcWindow), 2);
    const RECT rcNative = edit->GetNativeRect();
    EXPECT_EQ(rcNative.left, 24);
    EXPECT_TRUE(::EqualRect(&rcWindow, &rcNative));
    host.Layout();
}

TEST_F(EditTest, NativeBackgroundColourPaintsTheEditor)
{
    HWND hWndNative = Focus(edit);
    ASSERT_NE(hWndNative, nullptr);
    HDC hDC = ::GetDC(hWndNative);
    // The platform's own colours while no native colour is set.
    const LRESULT plain = ::SendMessageA(host.hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                                         reinterpret_cast<LPARAM>(hWndNative));
    LOGBRUSH lb = {};
    if (plain != 0) ::GetObjectA(reinterpret_cast<HBRUSH>(plain), sizeof(lb), &lb);
    EXPECT_NE(lb.lbColor, RGB(0x10, 0x20, 0x30));

    edit->SetAttribute("nativebkcolor", "#FF102030");
    edit->SetAttribute("textcolor", "#FF405060");
    const LRESULT brush = ::SendMessageA(host.hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                                         reinterpret_cast<LPARAM>(hWndNative));
    ASSERT_NE(brush, 0);
    ASSERT_NE(::GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(::GetTextColor(hDC), RGB(0x40, 0x50, 0x60));
    EXPECT_EQ(::GetBkMode(hDC), TRANSPARENT);
    ::ReleaseDC(hWndNative, hDC);
}
