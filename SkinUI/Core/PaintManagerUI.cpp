#include "SkinUI/Core/PaintManagerUI.h"
#include <windowsx.h>
#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/ManagerKeyState.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/ManagerShortcutSearch.h"
#include "SkinUI/Core/TabSearch.h"
#include "SkinUI/Utils/ResourcePath.h"
#include "SkinUI/Utils/GbkText.h"

namespace SkinUI {

HINSTANCE CPaintManagerUI::m_hInstance = nullptr;
HINSTANCE CPaintManagerUI::m_hResourceInstance = nullptr;
CPtrArrayUI CPaintManagerUI::m_aPreMessages;
HPEN CPaintManagerUI::m_hUpdateRectPen = nullptr;

namespace {

const UINT kDelayedCleanupMsg = WM_APP + 1;
const UINT kDpiChangedMsg = 0x02E0;
const UINT kReflectOffset = 0x2000;
const UINT kDefaultHoverTime = 400;

LOGFONTW StockFont()
{
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &lf);
    return lf;
}

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

bool SameFont(const TFontInfo& f, const char* name, int size, bool bold, bool underline, bool italic)
{
    return f.sFontName == name && f.iSize == size && f.bBold == bold && f.bUnderline == underline &&
           f.bItalic == italic;
}

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

CControlUI* CALLBACK FindFromPoint(CControlUI* pThis, LPVOID pData)
{
    const RECT& rc = pThis->GetPos();
    return ::PtInRect(&rc, *static_cast<const POINT*>(pData)) ? pThis : nullptr;
}

CControlUI* CALLBACK FindUpdateNeeded(CControlUI* pThis, LPVOID)
{
    return pThis->IsUpdateNeeded() ? pThis : nullptr;
}

CControlUI* CALLBACK ReapVisit(CControlUI* pThis, LPVOID pData)
{
    static_cast<CPaintManagerUI*>(pData)->ReapObjects(pThis);
    return nullptr;
}

// Copies the list so a listener may remove itself or another one during the walk;
// a removed listener is not called any more.
template <typename TListener, typename TCall>
bool EachListener(const CPtrArrayUI& live, TCall call)
{
    const CPtrArrayUI snapshot(live);
    for (int i = 0; i < snapshot.GetSize(); ++i) {
        if (live.Find(snapshot[i]) < 0) continue;
        if (call(static_cast<TListener*>(snapshot[i]))) return true;
    }
    return false;
}

bool RemoveItem(CPtrArrayUI& list, void* item)
{
    const int index = list.Find(item);
    return index >= 0 && list.Remove(index);
}

} // namespace

// Nests with every message handled, so that controls queued for deletion outlive
// any handler still running for them (a nested message loop may dispatch 0x8001).
class CPaintManagerUI::CDispatchScope {
public:
    explicit CDispatchScope(CPaintManagerUI& manager) : m_manager(manager) { ++m_manager.m_nDispatchDepth; }
    ~CDispatchScope()
    {
        if (--m_manager.m_nDispatchDepth == 0 && m_manager.m_bCleanupPending) m_manager.DeleteDelayedControls();
    }
    CDispatchScope(const CDispatchScope&) = delete;
    CDispatchScope& operator=(const CDispatchScope&) = delete;

private:
    CPaintManagerUI& m_manager;
};

CPaintManagerUI::CPaintManagerUI()
{
    InitSharedState();
    // Until the window is known, the system's DPI, which the stock font is made for.
    m_dpiScale = CDpiScale(SystemDpi());
    const LOGFONTW lf = StockFont();
    m_DefaultFontInfo.hFont = ::CreateFontIndirectW(&lf);
    m_DefaultFontInfo.sFontName = CGbkText::FromWide(lf.lfFaceName).c_str();
    m_DefaultFontInfo.iSize = m_dpiScale.Unscale(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight);
    m_DefaultFontInfo.bBold = lf.lfWeight >= FW_BOLD;
    m_DefaultFontInfo.bUnderline = lf.lfUnderline != 0;
    m_DefaultFontInfo.bItalic = lf.lfItalic != 0;
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

void CPaintManagerUI::ReleaseResources()
{
    if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
    m_DefaultFontInfo.hFont = nullptr;
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) {
        auto* font = static_cast<TFontInfo*>(m_aCustomFonts[i]);
        ::DeleteObject(font->hFont);
        delete font;
    }
    m_aCustomFonts.Empty();
    for (int i = 0; i < m_mImageHash.GetSize(); ++i) {
        CUIRender::FreeImage(static_cast<TImageRec*>(m_mImageHash.Find(m_mImageHash.GetAt(i), false)));
    }
    for (int i = 0; i < m_DefaultAttrHash.GetSize(); ++i) {
        delete static_cast<CUIString*>(m_DefaultAttrHash.Find(m_DefaultAttrHash.GetAt(i), false));
    }
    for (int i = 0; i < m_mOptionGroup.GetSize(); ++i) {
        delete static_cast<CPtrArrayUI*>(m_mOptionGroup.Find(m_mOptionGroup.GetAt(i), false));
    }
}

void CPaintManagerUI::ReleaseTimers()
{
    const bool windowAlive = m_hWndPaint != nullptr && ::IsWindow(m_hWndPaint);
    for (int i = 0; i < m_Timers.GetSize(); ++i) {
        const TTimerInfo* info = m_Timers.GetAt(i);
        if (info->hWnd == m_hWndPaint && !info->bKilled && windowAlive) ::KillTimer(info->hWnd, info->uWinTimer);
    }
    m_Timers.Clear();
}

void CPaintManagerUI::ReleaseOffscreen()
{
    if (m_hDcOffscreen != nullptr) ::DeleteDC(m_hDcOffscreen);
    if (m_hbmpOffscreen != nullptr) ::DeleteObject(m_hbmpOffscreen);
    m_hDcOffscreen = nullptr;
    m_hbmpOffscreen = nullptr;
}

void CPaintManagerUI::ReleaseBackground()
{
    if (m_hDcBackground != nullptr) ::DeleteDC(m_hDcBackground);
    if (m_hbmpBackground != nullptr) ::DeleteObject(m_hbmpBackground);
    m_hDcBackground = nullptr;
    m_hbmpBackground = nullptr;
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

const CDpiScale& CPaintManagerUI::GetDpiScale() const
{
    return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetDpiScale() : m_dpiScale;
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

void CPaintManagerUI::RescaleFonts()
{
    const auto remake = [this](TFontInfo& font) {
        HFONT made = CreateSkinFont(font.sFontName, GetDpiScale().Scale(font.iSize), font.bBold, font.bUnderline,
                                    font.bItalic);
        if (made == nullptr) return;
        if (font.hFont != nullptr) ::DeleteObject(font.hFont);
        font.hFont = made;
        font.tm = TEXTMETRICA();
    };
    remake(m_DefaultFontInfo);
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) remake(*static_cast<TFontInfo*>(m_aCustomFonts[i]));
}

HWND CPaintManagerUI::GetPaintWindow() const
{
    return m_hWndPaint;
}

HDC CPaintManagerUI::GetPaintDC() const
{
    return m_hDcPaint;
}

POINT CPaintManagerUI::GetMousePos() const
{
    return m_ptLastMousePos;
}

void CPaintManagerUI::SetMousePos(POINT pt)
{
    m_ptLastMousePos = pt;
}

void CPaintManagerUI::Invalidate(const RECT& rcItem)
{
    if (m_hWndPaint != nullptr) ::InvalidateRect(m_hWndPaint, &rcItem, FALSE);
}

void CPaintManagerUI::NeedUpdate()
{
    m_bUpdateNeeded = true;
}

bool CPaintManagerUI::IsLayoutUpdateNeeded() const
{
    return m_bUpdateNeeded;
}

void CPaintManagerUI::SetUsedVirtualWnd(bool used)
{
    m_bUsedVirtualWnd = used;
}

bool CPaintManagerUI::IsUsedVirtualWnd() const
{
    return m_bUsedVirtualWnd;
}

SIZE CPaintManagerUI::GetInitSize() const
{
    return m_szInitWindowSize;
}

void CPaintManagerUI::SetInitSize(int cx, int cy)
{
    m_szInitWindowSize = SIZE{cx, cy};
    if (m_pRoot == nullptr && m_hWndPaint != nullptr) {
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, GetDpiScale().Scale(cx), GetDpiScale().Scale(cy),
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

RECT CPaintManagerUI::GetSizeBox() const
{
    return m_rcSizeBox;
}

void CPaintManagerUI::SetSizeBox(const RECT& rcSizeBox)
{
    m_rcSizeBox = rcSizeBox;
}

RECT CPaintManagerUI::GetCaptionRect() const
{
    return m_rcCaption;
}

void CPaintManagerUI::SetCaptionRect(const RECT& rcCaption)
{
    m_rcCaption = rcCaption;
}

SIZE CPaintManagerUI::GetRoundCorner() const
{
    return m_szRoundCorner;
}

void CPaintManagerUI::SetRoundCorner(int cx, int cy)
{
    m_szRoundCorner = SIZE{cx, cy};
}

SIZE CPaintManagerUI::GetMinInfo() const
{
    return m_szMinWindow;
}

void CPaintManagerUI::SetMinInfo(int cx, int cy)
{
    assert(cx >= 0 && cy >= 0);
    m_szMinWindow = SIZE{cx, cy};
}

SIZE CPaintManagerUI::GetMaxInfo() const
{
    return m_szMaxWindow;
}

void CPaintManagerUI::SetMaxInfo(int cx, int cy)
{
    assert(cx >= 0 && cy >= 0);
    m_szMaxWindow = SIZE{cx, cy};
}

bool CPaintManagerUI::IsShowUpdateRect() const
{
    return m_bShowUpdateRect;
}

void CPaintManagerUI::SetShowUpdateRect(bool show)
{
    m_bShowUpdateRect = show;
}

bool CPaintManagerUI::IsBackgroundTransparent() const
{
    return m_bAlphaBackground;
}

void CPaintManagerUI::SetBackgroundTransparent(bool transparent)
{
    m_bAlphaBackground = transparent;
}

int CPaintManagerUI::GetTransparent() const
{
    return m_nOpacity;
}

void CPaintManagerUI::SetTransparent(int alpha)
{
    const bool inRange = alpha >= 0 && alpha <= 255;
    m_nOpacity = alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
    if (m_hWndPaint == nullptr) return;
    typedef BOOL(WINAPI * PFNSETLAYERED)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = ::GetModuleHandleA("User32.dll");
    if (user32 == nullptr) return;
    auto setLayered = reinterpret_cast<PFNSETLAYERED>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "SetLayeredWindowAttributes")));
    if (setLayered == nullptr) return;
    const LONG style = ::GetWindowLongA(m_hWndPaint, GWL_EXSTYLE);
    const LONG wanted = inRange ? (style | WS_EX_LAYERED) : (style & ~WS_EX_LAYERED);
    if (wanted != style) ::SetWindowLongA(m_hWndPaint, GWL_EXSTYLE, wanted);
    // The clamped value: an out-of-range alpha must not wrap around in the BYTE.
    if (inRange) setLayered(m_hWndPaint, 0, static_cast<BYTE>(m_nOpacity), LWA_ALPHA);
}

DWORD CPaintManagerUI::GetDefaultDisabledColor() const
{
    return m_dwDefaultDisabledColor;
}

void CPaintManagerUI::SetDefaultDisabledColor(DWORD color)
{
    m_dwDefaultDisabledColor = color;
}

DWORD CPaintManagerUI::GetDefaultFontColor() const
{
    return m_dwDefaultFontColor;
}

void CPaintManagerUI::SetDefaultFontColor(DWORD color)
{
    m_dwDefaultFontColor = color;
}

DWORD CPaintManagerUI::GetDefaultLinkFontColor() const
{
    return m_dwDefaultLinkFontColor;
}

void CPaintManagerUI::SetDefaultLinkFontColor(DWORD color)
{
    m_dwDefaultLinkFontColor = color;
}

DWORD CPaintManagerUI::GetDefaultLinkHoverFontColor() const
{
    return m_dwDefaultLinkHoverFontColor;
}

void CPaintManagerUI::SetDefaultLinkHoverFontColor(DWORD color)
{
    m_dwDefaultLinkHoverFontColor = color;
}

DWORD CPaintManagerUI::GetDefaultSelectedBkColor() const
{
    return m_dwDefaultSelectedBkColor;
}

void CPaintManagerUI::SetDefaultSelectedBkColor(DWORD color)
{
    m_dwDefaultSelectedBkColor = color;
}

HFONT CPaintManagerUI::CreateSkinFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    LOGFONTW lf = StockFont();
    // The face name is GBK ("微软雅黑"); the system looks it up by its UTF-16 name.
    const std::wstring face = CGbkText::ToWide(name);
    lf.lfFaceName[0] = L'\0';
    ::lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -size;
    if (bold) lf.lfWeight += FW_BOLD;
    if (underline) lf.lfUnderline = TRUE;
    if (italic) lf.lfItalic = TRUE;
    return ::CreateFontIndirectW(&lf);
}

void CPaintManagerUI::Measure(TFontInfo& info)
{
    if (info.tm.tmHeight != 0) return;
    HDC dc = m_hDcPaint != nullptr ? m_hDcPaint : ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, info.hFont);
    ::GetTextMetricsA(dc, &info.tm);
    ::SelectObject(dc, old);
    if (dc != m_hDcPaint) ::DeleteDC(dc);
}

HFONT CPaintManagerUI::AddFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    size = CMarkupBounds::FontSize(size);
    HFONT hFont = CreateSkinFont(name, GetDpiScale().Scale(size), bold, underline, italic);
    if (hFont == nullptr) return nullptr;
    auto* info = new TFontInfo;
    info->hFont = hFont;
    info->sFontName = name != nullptr ? name : "";
    info->iSize = size;
    info->bBold = bold;
    info->bUnderline = underline;
    info->bItalic = italic;
    if (!m_aCustomFonts.Add(info)) {
        ::DeleteObject(hFont);
        delete info;
        return nullptr;
    }
    if (m_hDcPaint != nullptr) Measure(*info);
    return hFont;
}

HFONT CPaintManagerUI::GetFont(int index)
{
    return GetFontInfo(index)->hFont;
}

HFONT CPaintManagerUI::GetFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    // Looked up as it would have been added.
    size = CMarkupBounds::FontSize(size);
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) {
        const auto* font = static_cast<TFontInfo*>(m_aCustomFonts[i]);
        if (SameFont(*font, name != nullptr ? name : "", size, bold, underline, italic)) return font->hFont;
    }
    return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetFont(name, size, bold, underline, italic)
                                          : nullptr;
}

TFontInfo* CPaintManagerUI::GetFontInfo(int index)
{
    if (index < 0 || index >= m_aCustomFonts.GetSize()) {
        return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetFontInfo(index) : GetDefaultFontInfo();
    }
    auto* font = static_cast<TFontInfo*>(m_aCustomFonts[index]);
    Measure(*font);
    return font;
}

TFontInfo* CPaintManagerUI::GetFontInfo(HFONT hFont)
{
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) {
        auto* font = static_cast<TFontInfo*>(m_aCustomFonts[i]);
        if (font->hFont == hFont) {
            Measure(*font);
            return font;
        }
    }
    if (m_pParentResourcePM != nullptr && hFont != m_DefaultFontInfo.hFont) {
        return m_pParentResourcePM->GetFontInfo(hFont);
    }
    return GetDefaultFontInfo();
}

TFontInfo* CPaintManagerUI::GetDefaultFontInfo()
{
    if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultFontInfo();
    Measure(m_DefaultFontInfo);
    return &m_DefaultFontInfo;
}

void CPaintManagerUI::SetDefaultFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    size = CMarkupBounds::FontSize(size);
    HFONT hFont = CreateSkinFont(name, GetDpiScale().Scale(size), bold, underline, italic);
    if (hFont == nullptr) return;
    if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
    m_DefaultFontInfo = TFontInfo();
    m_DefaultFontInfo.hFont = hFont;
    m_DefaultFontInfo.sFontName = name != nullptr ? name : "";
    m_DefaultFontInfo.iSize = size;
    m_DefaultFontInfo.bBold = bold;
    m_DefaultFontInfo.bUnderline = underline;
    m_DefaultFontInfo.bItalic = italic;
}

const TImageRec* CPaintManagerUI::GetImage(const char* name) const
{
    if (name == nullptr) return nullptr;
    const auto* image = static_cast<const TImageRec*>(m_mImageHash.Find(name));
    if (image == nullptr && m_pParentResourcePM != nullptr) image = m_pParentResourcePM->GetImage(name);
    return image;
}

const TImageRec* CPaintManagerUI::GetImageEx(const char* name, const char* type, DWORD mask)
{
    const TImageRec* image = GetImage(name);
    if (image == nullptr && AddImage(name, type, mask) != nullptr) image = GetImage(name);
    return image;
}

const TImageRec* CPaintManagerUI::AddImage(const char* name, const char* type, DWORD mask)
{
    if (name == nullptr || *name == '\0') return nullptr;
    TImageRec* image = nullptr;
    if (type != nullptr && *type != '\0') {
        if (*name < '0' || *name > '9') return nullptr;
        const WORD id = static_cast<WORD>(std::strtoul(name, nullptr, 10) & 0xFFFF);
        image = CUIRender::LoadImageRec(MAKEINTRESOURCEA(id), type, mask);
    } else {
        image = CUIRender::LoadImageRec(name, nullptr, mask);
    }
    if (image == nullptr) return nullptr;
    if (type != nullptr) image->sResType = type;
    image->dwMask = mask;
    if (!m_mImageHash.Insert(name, image)) {
        CUIRender::FreeImage(image);
        return nullptr;
    }
    return image;
}

void CPaintManagerUI::AddDefaultAttributeList(const char* className, const char* list)
{
    if (className == nullptr || list == nullptr || m_DefaultAttrHash.Find(className) != nullptr) return;
    auto* copy = new CUIString(list);
    if (!m_DefaultAttrHash.Insert(className, copy)) delete copy;
}

const char* CPaintManagerUI::GetDefaultAttributeList(const char* className) const
{
    if (className == nullptr) return nullptr;
    const auto* list = static_cast<const CUIString*>(m_DefaultAttrHash.Find(className));
    if (list != nullptr) return list->GetData();
    return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetDefaultAttributeList(className) : nullptr;
}

bool CPaintManagerUI::SetResourceParent(CPaintManagerUI* pParent)
{
    for (CPaintManagerUI* walk = pParent; walk != nullptr; walk = walk->m_pParentResourcePM) {
        if (walk == this) return false;
    }
    m_pParentResourcePM = pParent;
    return true;
}

CPaintManagerUI* CPaintManagerUI::GetResourceParent() const
{
    return m_pParentResourcePM;
}

bool CPaintManagerUI::AddOptionGroup(const char* group, CControlUI* pControl)
{
    if (group == nullptr) return false;
    auto* list = static_cast<CPtrArrayUI*>(m_mOptionGroup.Find(group));
    if (list != nullptr) {
        if (list->Find(pControl) >= 0) return false;
        return list->Add(pControl);
    }
    list = new CPtrArrayUI(6);
    list->Add(pControl);
    if (!m_mOptionGroup.Insert(group, list)) {
        delete list;
        return false;
    }
    return true;
}

CPtrArrayUI* CPaintManagerUI::GetOptionGroup(const char* group) const
{
    if (group == nullptr) return nullptr;
    return static_cast<CPtrArrayUI*>(m_mOptionGroup.Find(group));
}

void CPaintManagerUI::RemoveOptionGroup(const char* group, CControlUI* pControl)
{
    CPtrArrayUI* list = GetOptionGroup(group);
    if (list == nullptr) return;
    RemoveItem(*list, pControl);
    if (list->IsEmpty()) {
        delete list;
        m_mOptionGroup.Remove(group);
    }
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

CControlUI* CPaintManagerUI::GetRoot() const
{
    return m_pRoot;
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

CControlUI* CPaintManagerUI::GetFocus() const
{
    return m_pFocus;
}

void CPaintManagerUI::DropFocus(CControlUI* pNewFocus)
{
    CControlUI* old = m_pFocus;
    if (old == nullptr) return;
    TEventMsg event;
    event.Type = UIEVENT_KILLFOCUS;
    event.pSender = pNewFocus;
    event.dwTimestamp = ::GetTickCount();
    old->Event(event);
    if (m_pFocus == old) SendNotify(old, "killfocus");
    if (m_pFocus == old) m_pFocus = nullptr;
}

void CPaintManagerUI::SetFocus(CControlUI* pControl)
{
    if (pControl == m_pFocus) return;
    if (::GetFocus() != m_hWndPaint) ::SetFocus(m_hWndPaint);
    DropFocus(pControl);
    if (pControl != nullptr && pControl->GetManager() == this && pControl->IsVisible() && pControl->IsEnabled()) {
        m_pFocus = pControl;
        DeliverEvent(pControl, UIEVENT_SETFOCUS, POINT{0, 0});
        if (m_pFocus == pControl) SendNotify(pControl, "setfocus");
    }
}

void CPaintManagerUI::SetFocusNeeded(CControlUI* pControl)
{
    ::SetFocus(m_hWndPaint);
    if (pControl == nullptr) return;
    DropFocus(pControl);
    CTabSearch search(pControl, false);
    m_pFocus = search.Run(m_pRoot);
    m_bFocusNeeded = true;
    if (m_pRoot != nullptr) m_pRoot->NeedUpdate();
}

bool CPaintManagerUI::SetNextTabControl(bool forward)
{
    if (m_bUpdateNeeded && forward) {
        m_bFocusNeeded = true;
        ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
        return true;
    }
    CTabSearch search(m_pFocus, forward);
    CControlUI* found = search.Run(m_pRoot);
    if (found == nullptr) {
        if (forward) {
            CTabSearch wrap(nullptr, true);
            found = wrap.Run(m_pRoot);
        } else {
            found = search.GetLastTabStop();
        }
    }
    m_bFocusNeeded = false;
    if (found == nullptr) return false;
    SetFocus(found);
    return true;
}

void CPaintManagerUI::SetCapture()
{
    ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseCapture()
{
    ::ReleaseCapture();
    m_bMouseCapture = false;
}

bool CPaintManagerUI::IsCaptured() const
{
    return m_bMouseCapture;
}

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse)
{
    assert(pControl != nullptr);
    assert(uElapse > 0);
    if (pControl == nullptr || uElapse == 0 || m_hWndPaint == nullptr) return false;
    TTimerInfo* info = m_Timers.Find(pControl, m_hWndPaint, nTimerID);
    if (info != nullptr) {
        if (!info->bKilled || ::SetTimer(m_hWndPaint, info->uWinTimer, uElapse, nullptr) == 0) return false;
        info->bKilled = false;
        return true;
    }
    const UINT winTimer = m_Timers.NextWinTimerId(m_hWndPaint);
    if (winTimer == 0 || ::SetTimer(m_hWndPaint, winTimer, uElapse, nullptr) == 0) return false;
    if (m_Timers.Add(pControl, nTimerID, m_hWndPaint, winTimer) == nullptr) {
        ::KillTimer(m_hWndPaint, winTimer);
        return false;
    }
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID)
{
    assert(pControl != nullptr);
    TTimerInfo* info = m_Timers.Find(pControl, m_hWndPaint, nTimerID);
    if (info == nullptr || info->bKilled) return false;
    if (::IsWindow(m_hWndPaint)) ::KillTimer(info->hWnd, info->uWinTimer);
    info->bKilled = true;
    return true;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl)
{
    for (int i = m_Timers.GetSize() - 1; i >= 0; --i) {
        const TTimerInfo* info = m_Timers.GetAt(i);
        if (info->pSender != pControl || info->hWnd != m_hWndPaint) continue;
        if (!info->bKilled && ::IsWindow(m_hWndPaint)) ::KillTimer(info->hWnd, info->uWinTimer);
        m_Timers.RemoveAt(i);
    }
}

bool CPaintManagerUI::AddNotifier(INotifyUI* pNotifier)
{
    assert(m_aNotifiers.Find(pNotifier) < 0);
    return pNotifier != nullptr && m_aNotifiers.Find(pNotifier) < 0 && m_aNotifiers.Add(pNotifier);
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* pNotifier)
{
    return RemoveItem(m_aNotifiers, pNotifier);
}

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter)
{
    assert(m_aPreMessageFilters.Find(pFilter) < 0);
    return pFilter != nullptr && m_aPreMessageFilters.Find(pFilter) < 0 && m_aPreMessageFilters.Add(pFilter);
}

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter)
{
    return RemoveItem(m_aPreMessageFilters, pFilter);
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* pFilter)
{
    assert(m_aMessageFilters.Find(pFilter) < 0);
    return pFilter != nullptr && m_aMessageFilters.Find(pFilter) < 0 && m_aMessageFilters.Add(pFilter);
}

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter)
{
    return RemoveItem(m_aMessageFilters, pFilter);
}

bool CPaintManagerUI::AddPostPaint(CControlUI* pControl)
{
    assert(m_aPostPaintControls.Find(pControl) < 0);
    return pControl != nullptr && m_aPostPaintControls.Find(pControl) < 0 && m_aPostPaintControls.Add(pControl);
}

bool CPaintManagerUI::RemovePostPaint(CControlUI* pControl)
{
    return RemoveItem(m_aPostPaintControls, pControl);
}

void CPaintManagerUI::SendNotify(CControlUI* pControl, const char* type, WPARAM wParam, LPARAM lParam)
{
    TNotifyMsg msg;
    msg.pSender = pControl;
    msg.sType = type != nullptr ? type : "";
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg);
}

void CPaintManagerUI::SendNotify(TNotifyMsg& msg)
{
    msg.ptMouse = m_ptLastMousePos;
    msg.dwTimestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && msg.pSender != nullptr) msg.sVirtualWnd = msg.pSender->GetVirtualWnd();
    if (msg.pSender != nullptr && !msg.pSender->OnNotify.IsEmpty()) msg.pSender->OnNotify.Invoke(&msg);
    EachListener<INotifyUI>(m_aNotifiers, [&msg](INotifyUI* notifier) {
        notifier->Notify(msg);
        return false;
    });
}

void CPaintManagerUI::DeliverEvent(CControlUI* pControl, int type, POINT pt, WPARAM wParam, LPARAM lParam,
                                   WORD keyState, char key)
{
    TEventMsg event;
    event.Type = type;
    event.pSender = pControl;
    event.dwTimestamp = ::GetTickCount();
    event.ptMouse = pt;
    event.chKey = key;
    event.wKeyState = keyState;
    event.wParam = wParam;
    event.lParam = lParam;
    pControl->Event(event);
}

bool CPaintManagerUI::RunMessageFilters(const CPtrArrayUI& filters, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& lRes)
{
    return EachListener<IMessageFilterUI>(filters, [&](IMessageFilterUI* filter) {
        bool handled = false;
        const LRESULT result = filter->MessageHandler(uMsg, wParam, lParam, handled);
        if (handled) lRes = result;
        return handled;
    });
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    if (m_hWndPaint == nullptr) return false;
    CDispatchScope scope(*this);
    if (RunMessageFilters(m_aMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    switch (uMsg) {
    case WM_CLOSE:
        OnClose();
        return false;
    case WM_ERASEBKGND:
        lRes = 1;
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam), lParam);
        return false;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return false;
    case WM_SIZE:
        OnSize();
        return true;
    case WM_TIMER:
        OnTimer(wParam);
        return false;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return false;
    case WM_MOUSEHOVER:
        return OnMouseHover(PointOf(lParam));
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return false;
    case WM_LBUTTONDOWN:
        OnButtonDown(UIEVENT_BUTTONDOWN, PointOf(lParam), wParam, lParam);
        return false;
    case WM_LBUTTONDBLCLK:
        OnButtonDown(UIEVENT_DBLCLICK, PointOf(lParam), wParam, lParam);
        return false;
    case WM_RBUTTONDOWN:
        OnButtonDown(UIEVENT_RBUTTONDOWN, PointOf(lParam), wParam, lParam);
        return false;
    case WM_LBUTTONUP:
        OnButtonUp(PointOf(lParam), wParam, lParam);
        return false;
    case WM_CONTEXTMENU:
        OnContextMenu(wParam, lParam);
        return false;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam, lParam);
        return false;
    case WM_SETCURSOR:
        return OnSetCursor(wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return false;
    case WM_KEYUP:
        OnKeyUp(wParam);
        return false;
    case WM_CHAR:
        OnChar(wParam);
        return false;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (lParam == 0) return false;
        lRes = ::SendMessageW(reinterpret_cast<HWND>(lParam), uMsg + kReflectOffset, wParam, lParam);
        return true;
    case WM_NOTIFY:
        if (lParam != 0) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            lRes = ::SendMessageW(header->hwndFrom, uMsg + kReflectOffset, wParam, lParam);
        }
        return true;
    case kDpiChangedMsg:
        OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        lRes = 0;
        return true;
    case kDelayedCleanupMsg:
        // Deferred to the end of the outermost message when a handler is still running.
        m_bCleanupPending = true;
        return false;
    default:
        return false;
    }
}

void CPaintManagerUI::OnClose()
{
    if (m_pEventHover != nullptr) {
        CControlUI* hover = m_pEventHover;
        m_pEventHover = nullptr;
        DeliverEvent(hover, UIEVENT_MOUSELEAVE, m_ptLastMousePos);
    }
    if (m_pEventClick != nullptr) {
        CControlUI* click = m_pEventClick;
        m_pEventClick = nullptr;
        DeliverEvent(click, UIEVENT_BUTTONUP, m_ptLastMousePos);
    }
    SetFocus(nullptr);
    HWND owner = ::GetWindow(m_hWndPaint, GW_OWNER);
    if (owner != nullptr) ::SetFocus(owner);
}

// The window moved to a monitor of another DPI: the skin is scaled again, and the window
// takes the place the system suggests for it.
void CPaintManagerUI::OnDpiChanged(int dpi, const RECT* suggested)
{
    SetDpi(dpi);
    if (suggested == nullptr) return;
    ::SetWindowPos(m_hWndPaint, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPaintManagerUI::OnPrintClient(HDC hDC, LPARAM lParam)
{
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    const int saved = ::SaveDC(hDC);
    if (m_pRoot != nullptr) m_pRoot->DoPaint(hDC, rcClient);
    if ((lParam & PRF_CHILDREN) != 0) {
        for (HWND child = ::GetWindow(m_hWndPaint, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT rcPos = {};
            ::GetWindowRect(child, &rcPos);
            ::MapWindowPoints(HWND_DESKTOP, m_hWndPaint, reinterpret_cast<POINT*>(&rcPos), 2);
            ::SetWindowOrgEx(hDC, -rcPos.left, -rcPos.top, nullptr);
            ::SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(hDC), lParam | PRF_NONCLIENT);
        }
    }
    ::RestoreDC(hDC, saved);
}

void CPaintManagerUI::OnGetMinMaxInfo(MINMAXINFO* pInfo) const
{
    const CDpiScale& scale = GetDpiScale();
    if (m_szMinWindow.cx > 0) pInfo->ptMinTrackSize.x = scale.Scale(m_szMinWindow.cx);
    if (m_szMinWindow.cy > 0) pInfo->ptMinTrackSize.y = scale.Scale(m_szMinWindow.cy);
    if (m_szMaxWindow.cx > 0) pInfo->ptMaxTrackSize.x = scale.Scale(m_szMaxWindow.cx);
    if (m_szMaxWindow.cy > 0) pInfo->ptMaxTrackSize.y = scale.Scale(m_szMaxWindow.cy);
}

void CPaintManagerUI::OnSize()
{
    if (m_pFocus != nullptr) DeliverEvent(m_pFocus, UIEVENT_WINDOWSIZE, m_ptLastMousePos);
    if (m_pRoot != nullptr) m_pRoot->NeedUpdate();
}

void CPaintManagerUI::OnTimer(WPARAM wParam)
{
    const TTimerInfo* info = m_Timers.FindLive(m_hWndPaint, LOWORD(wParam));
    if (info == nullptr) return;
    DeliverEvent(info->pSender, UIEVENT_TIMER, POINT{0, 0}, info->nLocalID);
}

void CPaintManagerUI::OnMouseMove(POINT pt)
{
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWndPaint;
        tme.dwHoverTime = m_hwndTooltip == nullptr
                              ? kDefaultHoverTime
                              : static_cast<DWORD>(::SendMessageA(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
        ::_TrackMouseEvent(&tme);
        m_bMouseTracking = true;
    }
    m_ptLastMousePos = pt;
    CControlUI* pNew = FindControl(pt);
    if (pNew != nullptr && pNew->GetManager() != this) return;
    if (pNew != m_pEventHover && m_pEventHover != nullptr) {
        CControlUI* old = m_pEventHover;
        m_pEventHover = nullptr;
        DeliverEvent(old, UIEVENT_MOUSELEAVE, pt);
        HideToolTip();
    }
    if (pNew != m_pEventHover && pNew != nullptr) {
        m_pEventHover = pNew;
        DeliverEvent(pNew, UIEVENT_MOUSEENTER, pt);
    }
    if (m_pEventClick != nullptr) {
        DeliverEvent(m_pEventClick, UIEVENT_MOUSEMOVE, pt);
    } else if (pNew != nullptr && pNew == m_pEventHover) {
        DeliverEvent(pNew, UIEVENT_MOUSEMOVE, pt);
    }
}

bool CPaintManagerUI::OnMouseHover(POINT pt)
{
    m_bMouseTracking = false;
    CControlUI* pHover = FindControl(pt);
    if (pHover == nullptr) return false;
    if (m_pEventHover != nullptr) DeliverEvent(m_pEventHover, UIEVENT_MOUSEHOVER, pt);
    ShowToolTip(pHover);
    return true;
}

void CPaintManagerUI::OnMouseLeave()
{
    HideToolTip();
    if (m_bMouseTracking) ::SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
    m_bMouseTracking = false;
}

void CPaintManagerUI::OnButtonDown(int type, POINT pt, WPARAM wParam, LPARAM lParam)
{
    ::SetFocus(m_hWndPaint);
    m_ptLastMousePos = pt;
    CControlUI* pControl = FindControl(pt);
    if (pControl == nullptr || pControl->GetManager() != this) return;
    m_pEventClick = pControl;
    if (type != UIEVENT_DBLCLICK) {
        pControl->SetFocus();
        // The focus change may have removed the control (its click pointer is then cleared).
        if (m_pEventClick != pControl) return;
    }
    SetCapture();
    DeliverEvent(pControl, type, pt, wParam, lParam, LOWORD(wParam));
}

void CPaintManagerUI::OnButtonUp(POINT pt, WPARAM wParam, LPARAM lParam)
{
    m_ptLastMousePos = pt;
    CControlUI* pClick = m_pEventClick;
    if (pClick == nullptr) return;
    m_pEventClick = nullptr;
    ReleaseCapture();
    DeliverEvent(pClick, UIEVENT_BUTTONUP, pt, wParam, lParam, LOWORD(wParam));
}

void CPaintManagerUI::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    POINT pt = PointOf(lParam);
    ::ScreenToClient(m_hWndPaint, &pt);
    m_ptLastMousePos = pt;
    CControlUI* pClick = m_pEventClick;
    if (pClick == nullptr) return;
    m_pEventClick = nullptr;
    ReleaseCapture();
    DeliverEvent(pClick, UIEVENT_CONTEXTMENU, pt, wParam, reinterpret_cast<LPARAM>(pClick), LOWORD(wParam));
}

void CPaintManagerUI::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    POINT pt = PointOf(lParam);
    ::ScreenToClient(m_hWndPaint, &pt);
    m_ptLastMousePos = pt;
    CControlUI* pControl = FindControl(pt);
    if (pControl != nullptr && pControl->GetManager() == this) {
        const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
        DeliverEvent(pControl, UIEVENT_SCROLLWHEEL, pt, delta < 0 ? 1 : 0, lParam, CManagerKeyState::Current());
    }
    ::SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(m_ptLastMousePos.x, m_ptLastMousePos.y));
}

bool CPaintManagerUI::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return false;
    if (m_bMouseCapture) return true;
    POINT pt = {};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWndPaint, &pt);
    CControlUI* pControl = FindControl(pt);
    if (pControl == nullptr || (pControl->GetControlFlags() & UIFLAG_SETCURSOR) == 0) return false;
    DeliverEvent(pControl, UIEVENT_SETCURSOR, pt, wParam, lParam, CManagerKeyState::Current());
    return true;
}

void CPaintManagerUI::OnKeyDown(WPARAM wParam)
{
    if (m_pFocus == nullptr) return;
    m_pEventKey = m_pFocus;
    DeliverEvent(m_pFocus, UIEVENT_KEYDOWN, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(),
                 static_cast<char>(wParam));
}

void CPaintManagerUI::OnKeyUp(WPARAM wParam)
{
    CControlUI* pKey = m_pEventKey;
    if (pKey == nullptr) return;
    m_pEventKey = nullptr;
    DeliverEvent(pKey, UIEVENT_KEYUP, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(), static_cast<char>(wParam));
}

// The window is wide: a character past ASCII is no key the controls know, and cut to
// eight bits it would pass for another one.
void CPaintManagerUI::OnChar(WPARAM wParam)
{
    if (m_pFocus == nullptr) return;
    const char key = wParam < 0x80 ? static_cast<char>(wParam) : 0;
    DeliverEvent(m_pFocus, UIEVENT_CHAR, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(), key);
}

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    CDispatchScope scope(*this);
    if (RunMessageFilters(m_aPreMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    switch (uMsg) {
    case WM_KEYDOWN:
        if (wParam != VK_TAB || FocusWantsTab()) return false;
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        return true;
    case WM_SYSKEYDOWN:
        if (m_pFocus != nullptr) {
            DeliverEvent(m_pFocus, UIEVENT_SYSKEY, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(),
                         static_cast<char>(wParam));
        }
        return false;
    case WM_SYSCHAR:
        return OnSysChar(wParam);
    default:
        return false;
    }
}

bool CPaintManagerUI::FocusWantsTab() const
{
    if (m_pFocus == nullptr || !m_pFocus->IsVisible() || !m_pFocus->IsEnabled()) return false;
    const char* pstrClass = m_pFocus->GetClass();
    if (pstrClass == nullptr || std::strstr(pstrClass, "RichEditUI") == nullptr) return false;
    const auto* pRichEdit = static_cast<const CRichEditUI*>(m_pFocus->GetInterface("RichEdit"));
    return pRichEdit != nullptr && pRichEdit->IsWantTab();
}

bool CPaintManagerUI::OnSysChar(WPARAM wParam)
{
    CManagerShortcutSearch search(static_cast<char>(wParam));
    CControlUI* found = search.Run(m_pRoot);
    if (found == nullptr) return false;
    found->SetFocus();
    found->Activate();
    return true;
}

void CPaintManagerUI::LayoutIfNeeded()
{
    if (!m_bUpdateNeeded) return;
    m_bUpdateNeeded = false;
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (::IsRectEmpty(&rcClient)) return;
    if (m_pRoot->IsUpdateNeeded()) {
        m_pRoot->SetPos(rcClient);
        ReleaseOffscreen();
        ReleaseBackground();
    } else {
        // A control whose SetPos leaves its flag set would be found again for ever.
        CPtrArrayUI placed;
        CControlUI* pControl = nullptr;
        while ((pControl = m_pRoot->FindControl(&FindUpdateNeeded, nullptr, UIFIND_VISIBLE | UIFIND_ME_FIRST)) !=
                   nullptr &&
               placed.Find(pControl) < 0) {
            placed.Add(pControl);
            pControl->SetPos(pControl->GetPos());
        }
    }
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        SendNotify(m_pRoot, "windowinit");
    }
}

void CPaintManagerUI::OnPaint()
{
    if (!::GetUpdateRect(m_hWndPaint, nullptr, FALSE)) return;
    PAINTSTRUCT ps = {};
    if (m_pRoot == nullptr) {
        ::BeginPaint(m_hWndPaint, &ps);
        ::EndPaint(m_hWndPaint, &ps);
        return;
    }
    LayoutIfNeeded();
    if (m_bFocusNeeded) SetNextTabControl();
    if (m_pRoot == nullptr) {
        ::ValidateRect(m_hWndPaint, nullptr);
        return;
    }
    CreateOffscreen();
    ::BeginPaint(m_hWndPaint, &ps);
    // What the layout, "windowinit" and the focus step invalidated is validated here too: paint it.
    const RECT rcPaint = ps.rcPaint;
    if (m_bOffscreenPaint && m_hbmpOffscreen != nullptr) {
        PaintOffscreen(ps.hdc, rcPaint);
    } else {
        PaintDirect(ps.hdc, rcPaint);
    }
    ::EndPaint(m_hWndPaint, &ps);
    if (m_bUpdateNeeded) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

// The context is made once and kept; the bitmap, of the client size, whenever it is missing.
bool CPaintManagerUI::MakeSurface(HDC& hDC, HBITMAP& hBitmap) const
{
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (::IsRectEmpty(&rcClient)) return false;
    if (hDC == nullptr) hDC = ::CreateCompatibleDC(m_hDcPaint);
    if (hBitmap == nullptr) {
        hBitmap = ::CreateCompatibleBitmap(m_hDcPaint, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
    }
    return hDC != nullptr && hBitmap != nullptr;
}

void CPaintManagerUI::CreateOffscreen()
{
    if (!m_bOffscreenPaint || m_hbmpOffscreen != nullptr) return;
    if (!MakeSurface(m_hDcOffscreen, m_hbmpOffscreen)) return;
    assert(m_hDcOffscreen);
    assert(m_hbmpOffscreen);
}

void CPaintManagerUI::CopyBackground(HDC hDcPaint, const RECT& rcPaint)
{
    const bool firstUse = m_hbmpBackground == nullptr;
    if (firstUse) {
        const bool made = MakeSurface(m_hDcBackground, m_hbmpBackground);
        assert(m_hDcBackground);
        assert(m_hbmpBackground);
        if (!made) return;
    }
    const int width = rcPaint.right - rcPaint.left;
    const int height = rcPaint.bottom - rcPaint.top;
    HGDIOBJ old = ::SelectObject(m_hDcBackground, m_hbmpBackground);
    // On first use the background is what the window shows.
    if (firstUse) {
        ::BitBlt(m_hDcBackground, rcPaint.left, rcPaint.top, width, height, hDcPaint, rcPaint.left, rcPaint.top,
                 SRCCOPY);
    }
    ::BitBlt(m_hDcOffscreen, rcPaint.left, rcPaint.top, width, height, m_hDcBackground, rcPaint.left, rcPaint.top,
             SRCCOPY);
    ::SelectObject(m_hDcBackground, old);
}

void CPaintManagerUI::PaintOffscreen(HDC hDcPaint, const RECT& rcPaint)
{
    HGDIOBJ oldBitmap = ::SelectObject(m_hDcOffscreen, m_hbmpOffscreen);
    const int saved = ::SaveDC(m_hDcOffscreen);
    if (m_bAlphaBackground) CopyBackground(hDcPaint, rcPaint);
    m_pRoot->DoPaint(m_hDcOffscreen, rcPaint);
    const CPtrArrayUI postPaint(m_aPostPaintControls);
    for (int i = 0; i < postPaint.GetSize(); ++i) {
        if (m_aPostPaintControls.Find(postPaint[i]) < 0) continue;
        static_cast<CControlUI*>(postPaint[i])->DoPostPaint(m_hDcOffscreen, rcPaint);
    }
    ::RestoreDC(m_hDcOffscreen, saved);
    ::BitBlt(hDcPaint, rcPaint.left, rcPaint.top, rcPaint.right - rcPaint.left, rcPaint.bottom - rcPaint.top,
             m_hDcOffscreen, rcPaint.left, rcPaint.top, SRCCOPY);
    ::SelectObject(m_hDcOffscreen, oldBitmap);
    if (!m_bShowUpdateRect) return;
    HGDIOBJ oldPen = ::SelectObject(hDcPaint, m_hUpdateRectPen);
    HGDIOBJ oldBrush = ::SelectObject(hDcPaint, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(hDcPaint, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    ::SelectObject(hDcPaint, oldBrush);
    ::SelectObject(hDcPaint, oldPen);
}

void CPaintManagerUI::PaintDirect(HDC hDcPaint, const RECT& rcPaint)
{
    const int saved = ::SaveDC(hDcPaint);
    m_pRoot->DoPaint(hDcPaint, rcPaint);
    ::RestoreDC(hDcPaint, saved);
}

void CPaintManagerUI::ShowToolTip(CControlUI* pControl)
{
    m_sToolTipText = CGbkText::ToWide(pControl->GetToolTip());
    if (m_sToolTipText.empty()) return;
    m_ToolTip = TOOLINFOW();
    m_ToolTip.cbSize = TTTOOLINFOW_V1_SIZE;
    m_ToolTip.uFlags = TTF_IDISHWND;
    m_ToolTip.hwnd = m_hWndPaint;
    m_ToolTip.uId = reinterpret_cast<UINT_PTR>(m_hWndPaint);
    m_ToolTip.hinst = m_hInstance;
    m_ToolTip.lpszText = &m_sToolTipText[0];
    m_ToolTip.rect = pControl->GetPos();
    if (m_hwndTooltip == nullptr) {
        m_hwndTooltip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWndPaint,
                                          nullptr, m_hInstance, nullptr);
        if (m_hwndTooltip == nullptr) return;
        ::SendMessageW(m_hwndTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
    }
    ::SendMessageW(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, GetDpiScale().Scale(pControl->GetToolTipWidth()));
    ::SendMessageW(m_hwndTooltip, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
    ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CPaintManagerUI::HideToolTip()
{
    if (m_hwndTooltip != nullptr) {
        ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_ToolTip));
    }
}

HINSTANCE CPaintManagerUI::GetInstance()
{
    return m_hInstance;
}

void CPaintManagerUI::SetInstance(HINSTANCE hInst)
{
    m_hInstance = hInst;
}

HINSTANCE CPaintManagerUI::GetResourceInstance()
{
    return m_hResourceInstance != nullptr ? m_hResourceInstance : m_hInstance;
}

void CPaintManagerUI::SetResourceInstance(HINSTANCE hInst)
{
    m_hResourceInstance = hInst;
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

CPaintManagerUI* CPaintManagerUI::FindManagerOf(HWND hWnd)
{
    const bool child = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0;
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i) {
        auto* manager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
        if (!child) {
            if (manager->m_hWndPaint == hWnd) return manager;
            continue;
        }
        for (HWND walk = hWnd; walk != nullptr; walk = ::GetParent(walk)) {
            if (walk == manager->m_hWndPaint) return manager;
        }
    }
    return nullptr;
}

bool CPaintManagerUI::TranslateMessage(const MSG* pMsg)
{
    CPaintManagerUI* manager = FindManagerOf(pMsg->hwnd);
    if (manager == nullptr) return false;
    LRESULT lRes = 0;
    return manager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
}

void CPaintManagerUI::MessageLoop()
{
    MSG msg = {};
    // GetMessage returns -1 on failure; looping on that would never end.
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        try {
            ::DispatchMessageW(&msg);
        } catch (...) {
            char trace[MAX_PATH + 32] = {};
            std::snprintf(trace, sizeof(trace), "EXCEPTION: %s(%d)\n", __FILE__, __LINE__);
            ::OutputDebugStringA(trace);
            throw "CPaintManagerUI::MessageLoop";
        }
    }
}

} // namespace SkinUI
