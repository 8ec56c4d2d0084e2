#include "EditTestHost.h"
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

CEditTestHost::CEditTestHost()
    : pm(window.GetManager())
    , hWnd(window.GetHWND())
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

void PumpMessages()
{
    for (int round = 0; round < 3; ++round) {
        CEditTestHost::Shared().window.PumpMessages();
        ::Sleep(5);
    }
}

void CComboTestBase::SetUp()
{
    host.pm.AddNotifier(&log);
    host.Add(combo, 24);
    for (int i = 0; i < m_count; ++i) AddItem("item" + std::to_string(i));
}

void CComboTestBase::TearDown()
{
    if (combo != nullptr) {
        host.root->Remove(combo);
        delete combo;
    }
    host.pm.RemoveNotifier(&log);
}

CListLabelElementUI* CComboTestBase::AddItem(const std::string& text)
{
    auto* item = new CListLabelElementUI;
    item->SetText(text.c_str());
    combo->Add(item);
    return item;
}
