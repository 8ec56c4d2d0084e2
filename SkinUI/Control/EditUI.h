#pragma once
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Control/StateImages.h"

namespace SkinUI {

class CEditWnd;

// A single-line text field: painted like a label, edited in a native editor while focused.
class CEditUI : public CLabelUI {
public:
    CEditUI();
    ~CEditUI() override;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    UINT GetControlFlags() const override;
    void SetEnabled(bool bEnable = true) override;
    void SetText(const char* pstrText) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool bVisible = true) override;
    void SetInternVisible(bool bVisible = true) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoEvent(TEventMsg& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    UINT GetMaxChar() const;
    void SetMaxChar(UINT uMax);
    bool IsReadOnly() const;
    void SetReadOnly(bool bReadOnly);
    bool IsPasswordMode() const;
    void SetPasswordMode(bool bPasswordMode);
    char GetPasswordChar() const;
    void SetPasswordChar(char cPasswordChar);
    bool IsNumberOnly() const;
    void SetNumberOnly(bool bNumberOnly);
    UINT GetWindowStyles() const;
    DWORD GetNativeEditBkColor() const;
    void SetNativeEditBkColor(DWORD dwBkColor);
    // The text colour in use: the own one, or the manager's default.
    DWORD GetShownTextColor() const;
    HWND GetNativeWindow() const;
    // The native editor's rectangle in the window.
    RECT GetNativeRect() const;

    // Called by the native editor.
    void SetTextFromNative(const char* pstrText);
    void OnNativeDestroyed();

private:
    void OpenNative();
    void SelectAllNative();
    void CloseNativeIfHidden();
    bool OnMouseEvent(TEventMsg& event);
    void RefreshStateBits();

    CEditWnd* m_pWindow = nullptr;
    UINT m_uMaxChar = 255;
    bool m_bReadOnly = false;
    bool m_bPasswordMode = false;
    char m_cPasswordChar = '*';
    UINT m_uButtonState = 0;
    CStateImages m_images;
    DWORD m_dwEditbkColor = 0xFFFFFFFF;
    UINT m_uEditStyle = 0;
};

} // namespace SkinUI
