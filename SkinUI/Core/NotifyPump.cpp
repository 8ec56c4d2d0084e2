#include "SkinUI/Core/NotifyPump.h"
#include "SkinUI/Core/MbcsText.h"
#include <cassert>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

bool CallEntry(const TNotifyMapEntry& entry, CNotifyPump* pump, TNotifyMsg& msg)
{
    switch (entry.nSig) {
    case kNotifySigParams:
        entry.pfnParams(pump, msg.wParam, msg.lParam);
        return true;
    case kNotifySigMsg:
        entry.pfnMsg(pump, msg);
        return true;
    default:
        assert(!"unknown notify map signature");
        return false;
    }
}

} // namespace

const TNotifyMapEntry* FindNotifyEntry(const TNotifyMapEntry* pEntries, const char* pstrType, const char* pstrSender)
{
    const TNotifyMapEntry* anyControl = nullptr;
    for (const TNotifyMapEntry* entry = pEntries; entry->nSig != kNotifySigEnd; ++entry) {
        if (!CUIName::Equals(entry->pstrType, pstrType)) continue;
        if (CUIName::Equals(entry->pstrControl, pstrSender)) return entry;
        if (entry->pstrControl[0] == '\0') anyControl = entry;
    }
    return anyControl;
}

const TNotifyMap* CNotifyPump::GetNotifyMapStatic()
{
    static const TNotifyMapEntry entries[] = {{}};
    static const TNotifyMap map = {nullptr, entries};
    return &map;
}

const TNotifyMap* CNotifyPump::GetNotifyMap() const
{
    return GetNotifyMapStatic();
}

bool CNotifyPump::AddVirtualWnd(const char* pstrName, CNotifyPump* pObject)
{
    if (pstrName == nullptr || pObject == nullptr) return false;
    return m_VirtualWndMap.Insert(pstrName, pObject);
}

bool CNotifyPump::RemoveVirtualWnd(const char* pstrName)
{
    return pstrName != nullptr && m_VirtualWndMap.Remove(pstrName);
}

bool CNotifyPump::LoopDispatch(TNotifyMsg& msg)
{
    const CUIString sender = msg.pSender != nullptr ? msg.pSender->GetName() : CUIString();
    const TNotifyMap* map = GetNotifyMap();
    while (map != nullptr) {
        const TNotifyMapEntry* entry = FindNotifyEntry(map->pEntries, msg.sType, sender);
        if (entry != nullptr) return CallEntry(*entry, this, msg);
        const TNotifyMap* base = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr;
        // A map that names itself as its base would loop for ever.
        assert(base != map && "pMessageMap != (*pMessageMap->pfnGetBaseMap)()");
        if (base == map) return false;
        map = base;
    }
    return false;
}

bool CNotifyPump::DispatchToVirtualWnds(TNotifyMsg& msg)
{
    for (int i = 0; i < m_VirtualWndMap.GetSize(); ++i) {
        const char* name = m_VirtualWndMap.GetAt(i);
        if (name == nullptr || !CMbcsText::EqualNoCase(name, msg.sVirtualWnd)) continue;
        auto* pump = static_cast<CNotifyPump*>(m_VirtualWndMap.Find(name, false));
        if (pump != nullptr && pump->LoopDispatch(msg)) return true;
    }
    return false;
}

void CNotifyPump::NotifyPump(TNotifyMsg& msg)
{
    if (!msg.sVirtualWnd.IsEmpty() && m_VirtualWndMap.GetSize() > 0 && DispatchToVirtualWnds(msg)) {
        return;
    }
    LoopDispatch(msg);
}

} // namespace SkinUI
