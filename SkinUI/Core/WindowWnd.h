#pragma once
#include <windows.h>

namespace SkinUI {

// One native window bound to this object: every message of the window reaches HandleMessage.
class CWindowWnd {
public:
    CWindowWnd() = default;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;
    virtual ~CWindowWnd() = default;

    HWND GetHWND() const;
    operator HWND() const;

    bool RegisterWindowClass();
    bool RegisterSuperclass();

    HWND Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT& rc);
    HWND Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT);
    HWND Subclass(HWND hWnd);
    void Unsubclass();
    void ShowWindow();
    UINT ShowModal();
    void Close(UINT nRet = 1);
    void CenterWindow();
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    bool IsInModalLoop() const;

protected:
    virtual const char* GetWindowClassName() const = 0;
    virtual const char* GetSuperClassName() const;
    virtual UINT GetClassStyle() const;
    virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND hWnd);

    static LRESULT CALLBACK ObjectProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    WNDPROC m_OldWndProc = ::DefWindowProcW;
    bool m_bSubclassed = false;

private:
    static LRESULT Route(CWindowWnd* pThis, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT RouteModal(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void EnableModalOwner(bool enable);
    void Unbind(HWND hWnd);

    // The modal loop, when one runs for this window: its result and the owner it disabled.
    bool m_bModal = false;
    UINT m_nModalResult = 0;
    HWND m_hWndModalOwner = nullptr;
};

} // namespace SkinUI
