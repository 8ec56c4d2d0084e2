#pragma once
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Control/IListItemUI.h"
#include "SkinUI/Control/IListOwnerUI.h"

namespace SkinUI {

// A row of a list owner: index, owner, selection, and the shared item background.
class CListElementUI : public CControlUI, public IListItemUI {
public:
    CListElementUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    UINT GetControlFlags() const override;
    bool Activate() override;
    void SetVisible(bool bVisible = true) override;
    void SetEnabled(bool bEnable = true) override;
    void DoEvent(TEventMsg& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    int GetIndex() const override;
    void SetIndex(int iIndex) override;
    IListOwnerUI* GetOwner() override;
    void SetOwner(CControlUI* pOwner) override;
    bool IsSelected() const override;
    bool Select(bool bSelect = true) override;
    bool IsExpanded() const override;
    bool Expand(bool bExpand = true) override;
    void DrawItemText(HDC hDC, const RECT& rcItem) override;

    // Invalidates only the part inside the parent container's client area.
    void Invalidate();
    void DrawItemBk(HDC hDC, const RECT& rcItem);

protected:
    void PassOn(TEventMsg& event) override;
    bool IsAltRow(const TListItemStyle& style) const;

    int m_iIndex = -1;
    bool m_bSelected = false;
    UINT m_uButtonState = 0;
    IListOwnerUI* m_pOwner = nullptr;

private:
    bool ClipToParents(RECT& rc) const;
    DWORD ItemBkColor(const TListItemStyle& style) const;
};

} // namespace SkinUI
