#pragma once
#include <windows.h>
#include "SkinUI/Core/NotifyMsg.h"
#include "SkinUI/Utils/StringMapUI.h"

namespace SkinUI {

class CNotifyPump;

// Handler signatures of a notify map entry; 0 ends the entry array.
constexpr UINT kNotifySigEnd = 0;
constexpr UINT kNotifySigParams = 1;
constexpr UINT kNotifySigMsg = 2;

using NotifyParamsThunk = void (*)(CNotifyPump* pump, WPARAM wParam, LPARAM lParam);
using NotifyMsgThunk = void (*)(CNotifyPump* pump, TNotifyMsg& msg);

// One entry: notification type, control name (empty: any control), signature, handler.
struct TNotifyMapEntry {
    const char* pstrType = nullptr;
    const char* pstrControl = nullptr;
    UINT nSig = kNotifySigEnd;
    NotifyParamsThunk pfnParams = nullptr;
    NotifyMsgThunk pfnMsg = nullptr;
};

struct TNotifyMap {
    const TNotifyMap* (*pfnGetBaseMap)() = nullptr;
    const TNotifyMapEntry* pEntries = nullptr;
};

// The entry of one map for a notification of this type from this sender name: the entry
// naming the sender, else the last-found entry for any control, else null.
const TNotifyMapEntry* FindNotifyEntry(const TNotifyMapEntry* pEntries, const char* pstrType, const char* pstrSender);

// Dispatches notifications through static maps of (type, control name, handler), walking
// base-class maps, and through named sub-pumps for virtual windows first.
class CNotifyPump {
public:
    CNotifyPump() = default;
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;
    virtual ~CNotifyPump() = default;

    bool AddVirtualWnd(const char* pstrName, CNotifyPump* pObject);
    bool RemoveVirtualWnd(const char* pstrName);
    void NotifyPump(TNotifyMsg& msg);
    bool LoopDispatch(TNotifyMsg& msg);

    static const TNotifyMap* GetNotifyMapStatic();
    virtual const TNotifyMap* GetNotifyMap() const;

private:
    bool DispatchToVirtualWnds(TNotifyMsg& msg);

    CStringMapUI m_VirtualWndMap;
};

template <class T, void (T::*Handler)(WPARAM, LPARAM)>
void NotifyParamsCall(CNotifyPump* pump, WPARAM wParam, LPARAM lParam)
{
    (static_cast<T*>(pump)->*Handler)(wParam, lParam);
}

template <class T, void (T::*Handler)(TNotifyMsg&)> void NotifyMsgCall(CNotifyPump* pump, TNotifyMsg& msg)
{
    (static_cast<T*>(pump)->*Handler)(msg);
}

} // namespace SkinUI

// In the class body of a CNotifyPump-derived class.
#define SKINUI_DECLARE_NOTIFY_MAP()                                                                                    \
public:                                                                                                                \
    static const SkinUI::TNotifyMap* GetNotifyMapStatic();                                                             \
    const SkinUI::TNotifyMap* GetNotifyMap() const override;

// In a source file: the map of theClass, continuing with baseClass's map.
#define SKINUI_BEGIN_NOTIFY_MAP(theClass, baseClass)                                                                   \
    const SkinUI::TNotifyMap* theClass::GetNotifyMap() const                                                           \
    {                                                                                                                  \
        return GetNotifyMapStatic();                                                                                   \
    }                                                                                                                  \
    const SkinUI::TNotifyMap* theClass::GetNotifyMapStatic()                                                           \
    {                                                                                                                  \
        using ThisClass = theClass;                                                                                    \
        using BaseClass = baseClass;                                                                                   \
        static const SkinUI::TNotifyMapEntry entries[] = {
// handler(TNotifyMsg&) for notifications of this type from the control with this name.
#define SKINUI_NOTIFY_NAME(type, name, handler)                                                                        \
    {type, name, SkinUI::kNotifySigMsg, nullptr, &SkinUI::NotifyMsgCall<ThisClass, &ThisClass::handler>},

// handler(TNotifyMsg&) for notifications of this type from any control.
#define SKINUI_NOTIFY_TYPE(type, handler) SKINUI_NOTIFY_NAME(type, "", handler)

// handler(WPARAM, LPARAM) for notifications of this type from the control with this name.
#define SKINUI_NOTIFY_NAME_PARAMS(type, name, handler)                                                                 \
    {type, name, SkinUI::kNotifySigParams, &SkinUI::NotifyParamsCall<ThisClass, &ThisClass::handler>, nullptr},

#define SKINUI_END_NOTIFY_MAP()                                                                                        \
    {}                                                                                                                 \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const SkinUI::TNotifyMap map = {&BaseClass::GetNotifyMapStatic, entries};                                   \
    return &map;                                                                                                       \
    }
