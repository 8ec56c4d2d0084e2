#pragma once
#include "SkinUI/Core/EventMsg.h"
#include "SkinUI/Control/ListItemStyle.h"

namespace SkinUI {

// The list side seen by its items, reachable through GetInterface("IListOwner").
class IListOwnerUI {
public:
    virtual TListItemStyle* GetItemStyle() = 0;
    virtual int GetCurSel() const = 0;
    virtual bool SelectItem(int iIndex, bool bTakeFocus = false) = 0;
    virtual void DoEvent(TEventMsg& event) = 0;

protected:
    virtual ~IListOwnerUI() = default;
};

} // namespace SkinUI
