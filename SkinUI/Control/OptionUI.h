#pragma once
#include "SkinUI/Control/ButtonUI.h"

namespace SkinUI {

// A button with a selected state, exclusive within a named group of its manager.
class COptionUI : public CButtonUI {
public:
    COptionUI() = default;
    ~COptionUI() override;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    bool Activate() override;
    void SetEnabled(bool bEnable = true) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    virtual void Selected(bool bSelected);
    bool IsSelected() const;
    CUIString GetGroup() const;
    void SetGroup(const char* pStrGroupName);

    CUIString GetSelectedImage() const;
    void SetSelectedImage(const char* image);
    CUIString GetSelectedHotImage() const;
    void SetSelectedHotImage(const char* image);
    CUIString GetOptionForeImage() const;
    void SetOptionForeImage(const char* image);
    DWORD GetSelectedBkColor() const;
    void SetSelectedBkColor(DWORD color);
    DWORD GetSelectedTextColor() const;
    void SetSelectedTextColor(DWORD color);

private:
    void UnselectOthers();
    void PaintAsButton(HDC hDC);
    void PaintSelected(HDC hDC);

    bool m_bSelected = false;
    CUIString m_sGroupName;
    DWORD m_dwSelectedBkColor = 0;
    DWORD m_dwSelectedTextColor = 0;
    CUIString m_sSelectedImage;
    CUIString m_sSelectedHotImage;
    CUIString m_sOptionForeImage;
};

} // namespace SkinUI
