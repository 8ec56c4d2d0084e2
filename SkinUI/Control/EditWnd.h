#pragma once
#include "SkinUI/Core/WindowWnd.h"

namespace SkinUI {

class CEditUI;

// The native single-line editor laid over a focused edit.
class CEditWnd : public CWindowWnd {
public:
    explicit CEditWnd(CEditUI* pOwner);

    // Creates the editor over the owner's text area and gives it the keyboard focus.
    bool Open();
    // The owner is being destroyed: go now without calling back.
    void DetachOwner();

    const char* GetWindowClassName() const override;
    const char* GetSuperClassName() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    void OnTextChanged();
    LRESULT OnCtlColor(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void PasteDigits();
    bool IsNumberOnlyWindow() const;

    CEditUI* m_pOwner = nullptr;
    HBRUSH m_hBkBrush = nullptr;
    bool m_bInit = false;
};

} // namespace SkinUI
