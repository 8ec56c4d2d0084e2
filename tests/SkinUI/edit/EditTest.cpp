#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include "EditTestHost.h"
#include "SkinUI/Control/EditUI.h"

using namespace SkinUI;

namespace {

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
        for (CEditUI* e : {edit, other}) {
            if (e == nullptr) continue;
            WaitClosed(e);
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
    edit->SetAttribute("maxchar", "9");
    ::SendMessageA(native, EM_SETSEL, 3, 3);
    Type("2b-3");
    EXPECT_EQ(Text(edit), "1ab23");
    ASSERT_TRUE(PutOnClipboard(native, "4x.5"));
    ::SendMessageA(native, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), "1ab2345");
}

TEST_F(EditTest, FocusLossOrHidingClosesTheEditorAndKeepsTheTextUnlessTheFocusComesBackFirst)
{
    Focus(edit);
    Type("kept");
    LeaveAndClose(edit);
    EXPECT_FALSE(::IsWindow(native));
    EXPECT_EQ(Text(edit), "kept");
    // The focus went to the other edit: it comes back to the first before the other's posted close.
    HWND hWndOther = other->GetNativeWindow();
    ASSERT_NE(hWndOther, nullptr);
    host.pm.SetFocus(edit);
    host.pm.SetFocus(other);
    PumpMessages();
    EXPECT_EQ(other->GetNativeWindow(), hWndOther);
    EXPECT_EQ(::GetFocus(), hWndOther);
    other->SetVisible(false);
    WaitClosed(other);
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
