#include "SkinUI/Core/PaintManagerUI.h"
#include <cassert>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Utils/ResourcePath.h"

namespace SkinUI {

HINSTANCE CPaintManagerUI::m_hInstance = nullptr;
HINSTANCE CPaintManagerUI::m_hResourceInstance = nullptr;
CPtrArrayUI CPaintManagerUI::m_aPreMessages;
HPEN CPaintManagerUI::m_hUpdateRectPen = nullptr;

namespace {

// The DPI the system's fonts and unaware windows are made for.
int SystemDpi()
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : CDpiScale::kBaseDpi;
    if (screen != nullptr) ::ReleaseDC(nullptr, screen);
    return dpi;
}

// The window's own DPI where the system knows it per window (Windows 10), else the system's.
int WindowDpi(HWND hWnd)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const int dpi = getDpiForWindow != nullptr ? static_cast<int>(getDpiForWindow(hWnd)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

CControlUI* CALLBACK FindFromPoint(CControlUI* pThis, LPVOID pData)
{
    const RECT& rc = pThis->GetPos();
    return ::PtInRect(&rc, *static_cast<const POINT*>(pData)) ? pThis : nullptr;
}

CControlUI* CALLBACK ReapVisit(CControlUI* pThis, LPVOID pData)
{
    static_cast<CPaintManagerUI*>(pData)->ReapObjects(pThis);
    return nullptr;
}

} // namespace

CPaintManagerUI::CPaintManagerUI()
{
    InitSharedState();
    // Until the window is known, the system's DPI, which the stock font is made for.
    m_dpiScale = CDpiScale(SystemDpi());
    InitDefaultFont();
}

CPaintManagerUI::~CPaintManagerUI()
{
    DeleteDelayedControls();
    while (m_mNameHash.GetSize() > 0) m_mNameHash.Remove(m_mNameHash.GetAt(0));
    delete m_pRoot;
    m_pRoot = nullptr;
    ReleaseResources();
    ReleaseTimers();
    if (m_hwndTooltip != nullptr) ::DestroyWindow(m_hwndTooltip);
    ReleaseOffscreen();
    ReleaseBackground();
    if (m_hDcPaint != nullptr) ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    RemoveItem(m_aPreMessages, this);
}

void CPaintManagerUI::InitSharedState()
{
    if (m_hUpdateRectPen != nullptr) return;
    m_hUpdateRectPen = ::CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
    ::InitCommonControls();
    ::LoadLibraryA("msimg32.dll");
}

void CPaintManagerUI::Init(HWND hWnd)
{
    assert(::IsWindow(hWnd));
    if (m_hDcPaint != nullptr) ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    m_hWndPaint = hWnd;
    m_hDcPaint = ::GetDC(hWnd);
    if (m_aPreMessages.Find(this) < 0) m_aPreMessages.Add(this);
    SetDpi(WindowDpi(hWnd));
}

// Fonts are made again at the new size, and the whole tree is laid out again.
void CPaintManagerUI::SetDpi(int dpi)
{
    const CDpiScale scale(dpi);
    if (scale.GetDpi() == m_dpiScale.GetDpi()) return;
    m_dpiScale = scale;
    RescaleFonts();
    ReleaseOffscreen();
    ReleaseBackground();
    if (m_pRoot != nullptr) m_pRoot->NeedUpdate();
    NeedUpdate();
    if (m_hWndPaint != nullptr) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

void CPaintManagerUI::Invalidate(const RECT& rcItem)
{
    if (m_hWndPaint != nullptr) ::InvalidateRect(m_hWndPaint, &rcItem, FALSE);
}

void CPaintManagerUI::SetInitSize(int cx, int cy)
{
    m_szInitWindowSize = SIZE{cx, cy};
    if (m_pRoot == nullptr && m_hWndPaint != nullptr) {
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, GetDpiScale().Scale(cx), GetDpiScale().Scale(cy),
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void CPaintManagerUI::SetMinInfo(int cx, int cy)
{
    assert(cx >= 0 && cy >= 0);
    m_szMinWindow = SIZE{cx, cy};
}

void CPaintManagerUI::SetMaxInfo(int cx, int cy)
{
    assert(cx >= 0 && cy >= 0);
    m_szMaxWindow = SIZE{cx, cy};
}

bool CPaintManagerUI::AttachDialog(CControlUI* pControl)
{
    assert(::IsWindow(m_hWndPaint));
    SetFocus(nullptr);
    m_pEventKey = nullptr;
    m_pEventHover = nullptr;
    m_pEventClick = nullptr;
    if (m_pRoot != nullptr && m_pRoot != pControl) {
        m_aPostPaintControls.Empty();
        AddDelayedCleanup(m_pRoot);
    }
    m_pRoot = pControl;
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
    m_bFocusNeeded = true;
    return InitControls(pControl);
}

CControlUI* CALLBACK CPaintManagerUI::CollectName(CControlUI* pThis, LPVOID pData)
{
    static_cast<CPaintManagerUI*>(pData)->AddControlName(pThis);
    return nullptr;
}

void CPaintManagerUI::AddControlName(CControlUI* pControl)
{
    if (pControl == nullptr) return;
    const CUIString name = pControl->GetName();
    if (!name.IsEmpty()) m_mNameHash.Set(name, pControl);
}

bool CPaintManagerUI::InitControls(CControlUI* pControl, CControlUI* pParent)
{
    assert(pControl);
    if (pControl == nullptr) return false;
    pControl->SetManager(this, pParent != nullptr ? pParent : pControl->GetParent(), true);
    pControl->FindControl(&CPaintManagerUI::CollectName, this, 0);
    return true;
}

void CPaintManagerUI::ReapObjects(CControlUI* pControl)
{
    if (pControl == nullptr) return;
    if (pControl == m_pEventKey) m_pEventKey = nullptr;
    if (pControl == m_pEventHover) m_pEventHover = nullptr;
    if (pControl == m_pEventClick) m_pEventClick = nullptr;
    if (pControl == m_pFocus) m_pFocus = nullptr;
    KillTimer(pControl);
    RemoveItem(m_aPostPaintControls, pControl);
    const CUIString name = pControl->GetName();
    if (!name.IsEmpty() && m_mNameHash.Find(name, false) == pControl) m_mNameHash.Remove(name);
}

void CPaintManagerUI::AddDelayedCleanup(CControlUI* pControl)
{
    if (pControl == nullptr || m_aDelayedCleanup.Find(pControl) >= 0) return;
    pControl->SetManager(this, nullptr, false);
    // No more events, timers or name look-ups may reach a control that is about to go.
    pControl->FindControl(&ReapVisit, this, 0);
    if (pControl == m_pRoot) m_pRoot = nullptr;
    m_aDelayedCleanup.Add(pControl);
    if (m_hWndPaint != nullptr) ::PostMessageA(m_hWndPaint, kDelayedCleanupMsg, 0, 0);
}

void CPaintManagerUI::DeleteDelayedControls()
{
    m_bCleanupPending = false;
    // A destructor may queue more controls: take the batch out before deleting it.
    while (!m_aDelayedCleanup.IsEmpty()) {
        const CPtrArrayUI batch(m_aDelayedCleanup);
        m_aDelayedCleanup.Empty();
        for (int i = 0; i < batch.GetSize(); ++i) delete static_cast<CControlUI*>(batch[i]);
    }
}

CControlUI* CPaintManagerUI::FindControl(POINT pt) const
{
    if (m_pRoot == nullptr) return nullptr;
    return m_pRoot->FindControl(&FindFromPoint, &pt, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindControl(const char* name) const
{
    if (name == nullptr) return nullptr;
    return static_cast<CControlUI*>(m_mNameHash.Find(name));
}

bool CPaintManagerUI::RemoveItem(CPtrArrayUI& list, void* item)
{
    const int index = list.Find(item);
    return index >= 0 && list.Remove(index);
}

CUIString CPaintManagerUI::GetInstancePath()
{
    if (m_hInstance == nullptr) return CUIString();
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    int cut = static_cast<int>(length);
    while (cut > 0 && path[cut - 1] != '\\' && path[cut - 1] != '/') --cut;
    return CUIString(path, cut);
}

const CUIString& CPaintManagerUI::GetResourcePath()
{
    return CResourcePath::Get();
}

void CPaintManagerUI::SetResourcePath(const char* path)
{
    CResourcePath::Set(path);
}

} // namespace SkinUI
