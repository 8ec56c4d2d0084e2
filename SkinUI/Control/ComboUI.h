#pragma once
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Control/IListOwnerUI.h"
#include "SkinUI/Control/StateImages.h"

namespace SkinUI {

class CComboWnd;

// A drop-down list: shows the selected item in its box and its items in a popup window.
class CComboUI : public CContainerUI, public IListOwnerUI {
public:
    CComboUI() = default;
    ~CComboUI() override;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    UINT GetControlFlags() const override;
    bool Activate() override;
    CUIString GetText() const override;
    void SetPos(RECT rc) override;
    void SetEnabled(bool bEnable = true) override;
    void DoEvent(TEventMsg& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    TListItemStyle* GetItemStyle() override;
    int GetCurSel() const override;
    bool SelectItem(int iIndex, bool bTakeFocus = false) override;

    CUIString GetDropBoxAttributeList() const;
    void SetDropBoxAttributeList(const char* pstrList);
    SIZE GetDropBoxSize() const;
    void SetDropBoxSize(SIZE szDropBox);
    RECT GetTextPadding() const;
    void SetTextPadding(RECT rc);
    bool IsOpen() const;
    UINT GetButtonState() const;

    // Called by the popup window when it is gone.
    void OnPopupDestroyed();

protected:
    void RefreshStateBits();
    void PaintSelected(HDC hDC, const RECT& rcText);

    CComboWnd* m_pWindow = nullptr;
    int m_iCurSel = -1;
    RECT m_rcTextPadding = {0, 0, 0, 0};
    CUIString m_sDropBoxAttributes;
    SIZE m_szDropBox = {0, 150};
    UINT m_uButtonState = 0;
    CStateImages m_images;
    TListItemStyle m_ListInfo;

private:
    void Reindex(int iFrom, int iTo);
    void TakeBackFromPopup(CControlUI* pControl);
    bool OnKeyDown(TEventMsg& event);
    void SelectForward(int iIndex);
    bool SetItemAttribute(const char* pstrName, const char* pstrValue);
    bool SetItemColorAttribute(const char* pstrName, const char* pstrValue);
    bool SetItemImageAttribute(const char* pstrName, const char* pstrValue);
    void SetItemAlign(const char* pstrValue);
};

} // namespace SkinUI
