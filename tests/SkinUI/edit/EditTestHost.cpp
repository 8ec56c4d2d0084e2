#include "EditTestHost.h"
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

namespace {
const char kHostClass[] = "SkinUIEditTestHost";
}

CEditTestHost::CEditTestHost(RECT rcScreen)
{
    static ATOM atom = 0;
    if (atom == 0) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CEditTestHost::WndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kHostClass;
        atom = ::RegisterClassA(&wc);
    }
    CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    hWnd = ::CreateWindowExA(0, kHostClass, "", WS_POPUP | WS_CLIPCHILDREN, rcScreen.left, rcScreen.top,
                             rcScreen.right - rcScreen.left, rcScreen.bottom - rcScreen.top, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), this);
    pm.Init(hWnd);
    root = new CVerticalLayoutUI;
    root->SetAutoDestroy(false);
    pm.AttachDialog(root);
    ::ShowWindow(hWnd, SW_SHOW);
    ::SetFocus(hWnd);
    PumpMessages();
}

CEditTestHost::~CEditTestHost()
{
    ::DestroyWindow(hWnd);
    PumpMessages();
}

CEditTestHost& CEditTestHost::Shared()
{
    static CEditTestHost host(RECT{40, 40, 340, 340});
    return host;
}

void CEditTestHost::Add(CControlUI* pControl, int cy)
{
    pControl->SetFixedHeight(cy);
    root->Add(pControl);
    Layout();
}

void CEditTestHost::Layout()
{
    RECT rc = {0, 0, 0, 0};
    ::GetClientRect(hWnd, &rc);
    root->SetPos(rc);
}

LRESULT CALLBACK CEditTestHost::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* host = reinterpret_cast<CEditTestHost*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (uMsg == WM_NCDESTROY) ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    LRESULT lRes = 0;
    if (host != nullptr && host->pm.GetPaintWindow() == hWnd && host->pm.MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void CNotifyRecorder::Notify(TNotifyMsg& msg)
{
    TSeenNotify s;
    s.type = msg.sType.GetData();
    s.sender = msg.pSender;
    s.wParam = msg.wParam;
    s.lParam = msg.lParam;
    if (msg.pSender != nullptr) s.senderText = msg.pSender->GetText().GetData();
    seen.push_back(s);
}

int CNotifyRecorder::Count(const char* type) const
{
    int n = 0;
    for (const TSeenNotify& s : seen) n += s.type == type ? 1 : 0;
    return n;
}

const TSeenNotify* CNotifyRecorder::Last(const char* type) const
{
    for (auto it = seen.rbegin(); it != seen.rend(); ++it) {
        if (it->type == type) return &*it;
    }
    return nullptr;
}

void PumpMessages()
{
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
}
