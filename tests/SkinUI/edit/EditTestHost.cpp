#include "EditTestHost.h"
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

CEditTestHost::CEditTestHost() : pm(window.GetManager()), hWnd(window.GetHWND())
{
    CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    root = new CVerticalLayoutUI;
    root->SetAutoDestroy(false);
    pm.AttachDialog(root);
    ::SetFocus(hWnd);
    window.PumpMessages();
}

CEditTestHost& CEditTestHost::Shared()
{
    static CEditTestHost host;
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
    for (int round = 0; round < 3; ++round) {
        CEditTestHost::Shared().window.PumpMessages();
        ::Sleep(5);
    }
}
