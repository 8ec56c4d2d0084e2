#pragma once
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/WindowWnd.h"

namespace SkinUI {

class CComboUI;
class CControlUI;
class CVerticalLayoutUI;

// The popup of an open combo: its own paint manager shows the combo's items in a scrolling list.
class CComboWnd : public CWindowWnd {
public:
    explicit CComboWnd(CComboUI* pOwner);

    // Creates and shows the popup below (or above) the combo; false when no window could be made.
    bool Open();
    // Scrolls the item at iIndex into the list's view.
    void EnsureVisible(int iIndex);
    // Takes an item out of the list because the combo is removing it.
    void ForgetItem(CControlUI* pControl);
    // Whether the combo's items are in the popup's layout now.
    bool HoldsItems() const;
    // The combo is being destroyed: give its items back and go now.
    void DetachOwner();

    const char* GetWindowClassName() const override;
    UINT GetClassStyle() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    RECT PopupRect() const;
    void OnCreate();
    void ReturnItems();
    bool OnKeyDown(WPARAM wParam);
    void OnMouseWheel(WPARAM wParam);
    void PassToOwner(int type, WPARAM wParam, char chKey);

    CPaintManagerUI m_pm;
    CComboUI* m_pOwner = nullptr;
    CVerticalLayoutUI* m_pLayout = nullptr;
    int m_iOldSel = -1;
    bool m_bHoldsItems = false;
};

} // namespace SkinUI
