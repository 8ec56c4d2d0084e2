#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/AttributeList.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include <climits>
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

RECT ReadRect(const char* value)
{
    int v[4] = {};
    CAttributeValue::ParseList(value, v, 4);
    return RECT{v[0], v[1], v[2], v[3]};
}

SIZE ReadSize(const char* value)
{
    int v[2] = {};
    CAttributeValue::ParseList(value, v, 2);
    return SIZE{v[0], v[1]};
}

RECT Clamped(const RECT& rc)
{
    return RECT{CMarkupBounds::Length(rc.left), CMarkupBounds::Length(rc.top), CMarkupBounds::Length(rc.right),
                CMarkupBounds::Length(rc.bottom)};
}

// right - left without overflow; negative spans stay negative so the setters refuse them.
int Span(int from, int to)
{
    const long long span = static_cast<long long>(to) - from;
    if (span > INT_MAX) return INT_MAX;
    if (span < INT_MIN) return INT_MIN;
    return static_cast<int>(span);
}

const CDpiScale kBaseScale;

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

CControlUI::~CControlUI()
{
    if (!OnDestroy.IsEmpty()) OnDestroy.Invoke(this);
    if (m_pManager != nullptr) m_pManager->ReapObjects(this);
}

CUIString CControlUI::GetName() const
{
    return m_sName;
}

void CControlUI::SetName(const char* pstrName)
{
    m_sName = pstrName;
}

const char* CControlUI::GetClass() const
{
    return "ControlUI";
}

LPVOID CControlUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Control")) return this;
    return nullptr;
}

UINT CControlUI::GetControlFlags() const
{
    return 0;
}

bool CControlUI::Activate()
{
    return IsVisible() && IsEnabled();
}

CPaintManagerUI* CControlUI::GetManager() const
{
    return m_pManager;
}

void CControlUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    // A manager the control leaves must not keep pointing at it; the one it joins finds it by name.
    if (m_pManager != pManager) {
        if (m_pManager != nullptr) m_pManager->ReapObjects(this);
        if (pManager != nullptr) pManager->AddControlName(this);
    }
    m_pManager = pManager;
    m_pParent = pParent;
    if (bInit && m_pParent != nullptr) Init();
}

CControlUI* CControlUI::GetParent() const
{
    return m_pParent;
}

CUIString CControlUI::GetText() const
{
    return m_sText;
}

void CControlUI::SetText(const char* pstrText)
{
    if (m_sText == (pstrText != nullptr ? pstrText : "")) return;
    m_sText = pstrText;
    Invalidate();
}

const CDpiScale& CControlUI::GetDpiScale() const
{
    return m_pManager != nullptr ? m_pManager->GetDpiScale() : kBaseScale;
}

int CControlUI::Scaled(int length) const
{
    return GetDpiScale().Scale(length);
}

SIZE CControlUI::ScaledFixedSize() const
{
    return SIZE{Scaled(m_cxyFixed.cx), Scaled(m_cxyFixed.cy)};
}

const RECT& CControlUI::GetPos() const
{
    return m_rcItem;
}

void CControlUI::SetPos(RECT rc)
{
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    RECT invalidate = ::IsRectEmpty(&m_rcItem) ? rc : m_rcItem;
    m_rcItem = rc;
    if (m_pManager == nullptr) return;
    if (!m_bSetPos) {
        m_bSetPos = true;
        if (!OnSize.IsEmpty()) OnSize.Invoke(this);
        m_bSetPos = false;
    }
    if (m_bFloat && m_pParent != nullptr) {
        // Kept as skin lengths between skin edges, which the next placement scales again.
        const CDpiScale& scale = GetDpiScale();
        const RECT item = scale.UnscaleRect(m_rcItem);
        const RECT parent = scale.UnscaleRect(m_pParent->GetPos());
        m_cXY.cx = m_cXY.cx < 0 ? item.right - parent.right : item.left - parent.left;
        m_cXY.cy = m_cXY.cy < 0 ? item.bottom - parent.bottom : item.top - parent.top;
        m_cxyFixed.cx = item.right - item.left;
        m_cxyFixed.cy = item.bottom - item.top;
    }
    m_bUpdateNeeded = false;
    ::UnionRect(&invalidate, &invalidate, &m_rcItem);
    if (ClipByAncestors(invalidate)) InvalidateInManager(invalidate);
}

int CControlUI::GetWidth() const
{
    return m_rcItem.right - m_rcItem.left;
}

int CControlUI::GetHeight() const
{
    return m_rcItem.bottom - m_rcItem.top;
}

int CControlUI::GetX() const
{
    return m_rcItem.left;
}

int CControlUI::GetY() const
{
    return m_rcItem.top;
}

RECT CControlUI::GetPadding() const
{
    return m_rcPadding;
}

void CControlUI::SetPadding(RECT rcPadding)
{
    m_rcPadding = Clamped(rcPadding);
    NeedParentUpdate();
}

SIZE CControlUI::GetFixedXY() const
{
    return m_cXY;
}

void CControlUI::SetFixedXY(SIZE szXY)
{
    m_cXY = SIZE{CMarkupBounds::Length(szXY.cx), CMarkupBounds::Length(szXY.cy)};
    SizeChanged();
}

int CControlUI::GetFixedWidth() const
{
    return m_cxyFixed.cx;
}

void CControlUI::SetFixedWidth(int cx)
{
    if (cx < 0) return;
    m_cxyFixed.cx = CMarkupBounds::Length(cx);
    SizeChanged();
}

int CControlUI::GetFixedHeight() const
{
    return m_cxyFixed.cy;
}

void CControlUI::SetFixedHeight(int cy)
{
    if (cy < 0) return;
    m_cxyFixed.cy = CMarkupBounds::Length(cy);
    SizeChanged();
}

int CControlUI::GetMinWidth() const
{
    return m_cxyMin.cx;
}

void CControlUI::SetMinWidth(int cx)
{
    cx = CMarkupBounds::Length(cx);
    if (cx < 0 || m_cxyMin.cx == cx) return;
    m_cxyMin.cx = cx;
    SizeChanged();
}

int CControlUI::GetMaxWidth() const
{
    return m_cxyMax.cx;
}

void CControlUI::SetMaxWidth(int cx)
{
    cx = CMarkupBounds::Length(cx);
    if (cx < 0 || m_cxyMax.cx == cx) return;
    m_cxyMax.cx = cx;
    SizeChanged();
}

int CControlUI::GetMinHeight() const
{
    return m_cxyMin.cy;
}

void CControlUI::SetMinHeight(int cy)
{
    cy = CMarkupBounds::Length(cy);
    if (cy < 0 || m_cxyMin.cy == cy) return;
    m_cxyMin.cy = cy;
    SizeChanged();
}

int CControlUI::GetMaxHeight() const
{
    return m_cxyMax.cy;
}

void CControlUI::SetMaxHeight(int cy)
{
    cy = CMarkupBounds::Length(cy);
    if (cy < 0 || m_cxyMax.cy == cy) return;
    m_cxyMax.cy = cy;
    SizeChanged();
}

void CControlUI::SetRelativePos(int nMoveX, int nMoveY, int nZoomX, int nZoomY)
{
    m_tRelativePos.bRelative = true;
    m_tRelativePos.nMoveXPercent = nMoveX;
    m_tRelativePos.nMoveYPercent = nMoveY;
    m_tRelativePos.nZoomXPercent = nZoomX;
    m_tRelativePos.nZoomYPercent = nZoomY;
}

void CControlUI::SetRelativeParentSize(SIZE sz)
{
    m_tRelativePos.szParent = sz;
}

TRelativePosUI CControlUI::GetRelativePos() const
{
    return m_tRelativePos;
}

bool CControlUI::IsRelativePos() const
{
    return m_tRelativePos.bRelative;
}

CUIString CControlUI::GetToolTip() const
{
    return m_sToolTip;
}

void CControlUI::SetToolTip(const char* pstrText)
{
    CUIString text(pstrText != nullptr ? pstrText : "");
    text.Replace("<n>", "\r\n");
    m_sToolTip = text;
}

void CControlUI::SetToolTipWidth(int nWidth)
{
    m_nTooltipWidth = nWidth;
}

int CControlUI::GetToolTipWidth() const
{
    return m_nTooltipWidth;
}

char CControlUI::GetShortcut() const
{
    return m_chShortcut;
}

void CControlUI::SetShortcut(char ch)
{
    m_chShortcut = ch;
}

bool CControlUI::IsContextMenuUsed() const
{
    return m_bMenuUsed;
}

void CControlUI::SetContextMenuUsed(bool bMenuUsed)
{
    m_bMenuUsed = bMenuUsed;
}

CUIString CControlUI::GetUserData() const
{
    return m_sUserData;
}

void CControlUI::SetUserData(const char* pstrText)
{
    m_sUserData = pstrText;
}

UINT_PTR CControlUI::GetTag() const
{
    return m_pTag;
}

void CControlUI::SetTag(UINT_PTR pTag)
{
    m_pTag = pTag;
}

bool CControlUI::IsVisible() const
{
    return m_bVisible && m_bInternVisible;
}

void CControlUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible) return;
    const bool wasVisible = IsVisible();
    m_bVisible = bVisible;
    m_bFocused = false;
    if (!bVisible) DropManagerFocus();
    if (IsVisible() != wasVisible) NeedParentUpdate();
}

void CControlUI::SetInternVisible(bool bVisible)
{
    m_bInternVisible = bVisible;
    if (!bVisible) DropManagerFocus();
}

bool CControlUI::IsEnabled() const
{
    return m_bEnabled;
}

void CControlUI::SetEnabled(bool bEnable)
{
    if (m_bEnabled == bEnable) return;
    m_bEnabled = bEnable;
    Invalidate();
}

bool CControlUI::IsMouseEnabled() const
{
    return m_bMouseEnabled;
}

void CControlUI::SetMouseEnabled(bool bEnable)
{
    m_bMouseEnabled = bEnable;
}

bool CControlUI::IsKeyboardEnabled() const
{
    return m_bKeyboardEnabled;
}

void CControlUI::SetKeyboardEnabled(bool bEnable)
{
    m_bKeyboardEnabled = bEnable;
}

bool CControlUI::IsFocused() const
{
    return m_bFocused;
}

void CControlUI::SetFocus()
{
    if (m_pManager != nullptr) m_pManager->SetFocus(this);
}

bool CControlUI::IsFloat() const
{
    return m_bFloat;
}

void CControlUI::SetFloat(bool bFloat)
{
    if (m_bFloat == bFloat) return;
    m_bFloat = bFloat;
    NeedParentUpdate();
}

CControlUI* CControlUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags)
{
    if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
    if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
    if ((uFlags & UIFIND_HITTEST) != 0) {
        if (!m_bMouseEnabled || pData == nullptr) return nullptr;
        if (!::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData))) return nullptr;
    }
    return Proc != nullptr ? Proc(this, pData) : nullptr;
}

void CControlUI::Init()
{
    DoInit();
    if (!OnInit.IsEmpty()) OnInit.Invoke(this);
}

void CControlUI::DoInit() {}

void CControlUI::Event(TEventMsg& event)
{
    if (OnEvent.Invoke(&event)) DoEvent(event);
}

bool CControlUI::IsMouseEvent(int type)
{
    return type > UIEVENT__MOUSEBEGIN && type < UIEVENT__MOUSEEND;
}

bool CControlUI::PassMouseWhenDisabled(TEventMsg& event)
{
    if (IsMouseEnabled() || !IsMouseEvent(event.Type)) return false;
    PassOn(event);
    return true;
}

void CControlUI::PassOn(TEventMsg& event)
{
    if (m_pParent != nullptr)
        m_pParent->DoEvent(event);
    else
        CControlUI::DoEvent(event);
}

void CControlUI::DoEvent(TEventMsg& event)
{
    switch (event.Type) {
    case UIEVENT_SETCURSOR:
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        return;
    case UIEVENT_SETFOCUS:
        m_bFocused = true;
        Invalidate();
        return;
    case UIEVENT_KILLFOCUS:
        m_bFocused = false;
        Invalidate();
        return;
    case UIEVENT_TIMER:
        if (m_pManager != nullptr) m_pManager->SendNotify(this, "timer", event.wParam, event.lParam);
        return;
    case UIEVENT_CONTEXTMENU:
        if (IsContextMenuUsed()) {
            if (m_pManager != nullptr) m_pManager->SendNotify(this, "menu", event.wParam, event.lParam);
            return;
        }
        break;
    default:
        break;
    }
    if (m_pParent != nullptr) m_pParent->DoEvent(event);
}

void CControlUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (pstrName == nullptr) return;
    if (pstrValue == nullptr) pstrValue = "";
    if (SetPlacementAttribute(pstrName, pstrValue)) return;
    if (SetLookAttribute(pstrName, pstrValue)) return;
    SetBehaviourAttribute(pstrName, pstrValue);
}

bool CControlUI::SetPlacementAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "pos")) {
        const RECT rc = ReadRect(pstrValue);
        SetFixedXY(SIZE{rc.left >= 0 ? rc.left : rc.right, rc.top >= 0 ? rc.top : rc.bottom});
        SetFixedWidth(Span(rc.left, rc.right));
        SetFixedHeight(Span(rc.top, rc.bottom));
    } else if (CUIName::Equals(pstrName, "relativepos")) {
        const RECT rc = ReadRect(pstrValue);
        SetRelativePos(rc.left, rc.top, rc.right, rc.bottom);
    } else if (CUIName::Equals(pstrName, "padding")) {
        SetPadding(ReadRect(pstrValue));
    } else if (CUIName::Equals(pstrName, "width")) {
        SetFixedWidth(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "height")) {
        SetFixedHeight(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "minwidth")) {
        SetMinWidth(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "minheight")) {
        SetMinHeight(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "maxwidth")) {
        SetMaxWidth(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "maxheight")) {
        SetMaxHeight(CAttributeValue::ParseInt(pstrValue));
    } else {
        return false;
    }
    return true;
}

bool CControlUI::SetLookAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "bkcolor") || CUIName::Equals(pstrName, "bkcolor1")) {
        SetBkColor(CAttributeValue::ParseColor(pstrValue, true));
    } else if (CUIName::Equals(pstrName, "bkcolor2")) {
        SetBkColor2(CAttributeValue::ParseColor(pstrValue, true));
    } else if (CUIName::Equals(pstrName, "bkcolor3")) {
        SetBkColor3(CAttributeValue::ParseColor(pstrValue, true));
    } else if (CUIName::Equals(pstrName, "bordercolor")) {
        SetBorderColor(CAttributeValue::ParseColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "focusbordercolor")) {
        SetFocusBorderColor(CAttributeValue::ParseColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "colorhsl")) {
        SetColorHSL(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "bordersize")) {
        ApplyBorderSize(pstrValue);
    } else if (CUIName::Equals(pstrName, "leftbordersize")) {
        SetLeftBorderSize(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "topbordersize")) {
        SetTopBorderSize(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "rightbordersize")) {
        SetRightBorderSize(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "bottombordersize")) {
        SetBottomBorderSize(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "borderstyle")) {
        SetBorderStyle(CAttributeValue::ParseInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "borderround")) {
        SetBorderRound(ReadSize(pstrValue));
    } else if (CUIName::Equals(pstrName, "bkimage")) {
        SetBkImage(pstrValue);
    } else {
        return false;
    }
    return true;
}

void CControlUI::SetBehaviourAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "name")) {
        SetName(pstrValue);
    } else if (CUIName::Equals(pstrName, "text")) {
        SetText(pstrValue);
    } else if (CUIName::Equals(pstrName, "tooltip")) {
        SetToolTip(pstrValue);
    } else if (CUIName::Equals(pstrName, "userdata")) {
        SetUserData(pstrValue);
    } else if (CUIName::Equals(pstrName, "enabled")) {
        SetEnabled(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "mouse")) {
        SetMouseEnabled(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "keyboard")) {
        SetKeyboardEnabled(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "visible")) {
        SetVisible(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "float")) {
        SetFloat(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "shortcut")) {
        SetShortcut(pstrValue[0]);
    } else if (CUIName::Equals(pstrName, "menu")) {
        SetContextMenuUsed(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "virtualwnd")) {
        SetVirtualWnd(pstrValue);
    }
}

void CControlUI::ApplyBorderSize(const char* pstrValue)
{
    if (CAttributeValue::HasComma(pstrValue)) {
        m_rcBorderSize = Clamped(ReadRect(pstrValue));
    } else {
        m_nBorderSize = CMarkupBounds::Length(CAttributeValue::ParseInt(pstrValue));
        m_rcBorderSize = RECT{0, 0, 0, 0};
    }
    Invalidate();
}

SIZE CControlUI::EstimateSize(SIZE /*szAvailable*/)
{
    return ScaledFixedSize();
}

void CControlUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    if (m_cxyBorderRound.cx < 1 && m_cxyBorderRound.cy < 1) {
        PaintLayers(hDC);
        return;
    }
    TClipRec clip;
    CUIRender::GenerateRoundClip(hDC, m_rcPaint, m_rcItem, Scaled(m_cxyBorderRound.cx), Scaled(m_cxyBorderRound.cy),
                                 clip);
    PaintLayers(hDC);
    CUIRender::RestoreClip(clip);
}

void CControlUI::PaintLayers(HDC hDC)
{
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    PaintStatusImage(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
}

void CControlUI::PaintBkColor(HDC hDC)
{
    if (m_dwBackColor == 0) return;
    if (m_dwBackColor2 == 0) {
        const DWORD color = GetAdjustColor(m_dwBackColor);
        CUIRender::DrawColor(hDC, m_dwBackColor >= 0xFF000000 ? m_rcPaint : m_rcItem, color);
        return;
    }
    if (m_dwBackColor3 == 0) {
        CUIRender::DrawGradient(hDC, m_rcItem, GetAdjustColor(m_dwBackColor), GetAdjustColor(m_dwBackColor2), true, 16);
        return;
    }
    RECT rc = m_rcItem;
    rc.bottom = (m_rcItem.top + m_rcItem.bottom) / 2;
    CUIRender::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor), GetAdjustColor(m_dwBackColor2), true, 8);
    rc.top = rc.bottom;
    rc.bottom = m_rcItem.bottom;
    CUIRender::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor2), GetAdjustColor(m_dwBackColor3), true, 8);
}

void CControlUI::PaintBkImage(HDC hDC)
{
    // Without a manager nothing can be drawn; that is no reason to drop the image.
    if (m_sBkImage.IsEmpty() || m_pManager == nullptr) return;
    if (!DrawImage(hDC, m_sBkImage)) m_sBkImage.Empty();
}

void CControlUI::PaintStatusImage(HDC /*hDC*/) {}

void CControlUI::PaintText(HDC /*hDC*/) {}

void CControlUI::PaintBorder(HDC hDC)
{
    if (m_dwBorderColor == 0 && m_dwFocusBorderColor == 0) return;
    const bool useFocusColor = IsFocused() && m_dwFocusBorderColor != 0;
    const int size = Scaled(m_nBorderSize);
    if (m_nBorderSize > 0 && (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy >= 1)) {
        const DWORD color = useFocusColor ? m_dwFocusBorderColor : m_dwBorderColor;
        CUIRender::DrawRoundRect(hDC, m_rcItem, size, Scaled(m_cxyBorderRound.cx), Scaled(m_cxyBorderRound.cy),
                                 GetAdjustColor(color));
        return;
    }
    if (useFocusColor && m_nBorderSize > 0) {
        CUIRender::DrawRect(hDC, m_rcItem, size, GetAdjustColor(m_dwFocusBorderColor));
        return;
    }
    if (m_rcBorderSize.left < 1 && m_rcBorderSize.top < 1 && m_rcBorderSize.right < 1 && m_rcBorderSize.bottom < 1) {
        if (m_nBorderSize >= 1) CUIRender::DrawRect(hDC, m_rcItem, size, GetAdjustColor(m_dwBorderColor));
        return;
    }
    PaintSideBorders(hDC);
}

void CControlUI::PaintSideBorders(HDC hDC)
{
    const DWORD color = GetAdjustColor(m_dwBorderColor);
    const RECT& r = m_rcItem;
    const RECT sizes = GetDpiScale().ScaleRect(m_rcBorderSize);
    if (m_rcBorderSize.left >= 1)
        CUIRender::DrawLine(hDC, RECT{r.left, r.top, r.left, r.bottom}, sizes.left, color, m_nBorderStyle);
    if (m_rcBorderSize.top >= 1)
        CUIRender::DrawLine(hDC, RECT{r.left, r.top, r.right, r.top}, sizes.top, color, m_nBorderStyle);
    if (m_rcBorderSize.right >= 1)
        CUIRender::DrawLine(hDC, RECT{r.right, r.top, r.right, r.bottom}, sizes.right, color, m_nBorderStyle);
    if (m_rcBorderSize.bottom >= 1)
        CUIRender::DrawLine(hDC, RECT{r.left, r.bottom, r.right, r.bottom}, sizes.bottom, color, m_nBorderStyle);
}

void CControlUI::DoPostPaint(HDC /*hDC*/, const RECT& /*rcPaint*/) {}

void CControlUI::Invalidate()
{
    if (!IsVisible()) return;
    RECT rc = m_rcItem;
    if (ClipByAncestors(rc)) InvalidateInManager(rc);
}

bool CControlUI::IsUpdateNeeded() const
{
    return m_bUpdateNeeded;
}

void CControlUI::NeedUpdate()
{
    if (!IsVisible()) return;
    m_bUpdateNeeded = true;
    Invalidate();
    if (m_pManager != nullptr) m_pManager->NeedUpdate();
}

void CControlUI::NeedParentUpdate()
{
    if (m_pParent != nullptr) {
        m_pParent->NeedUpdate();
        m_pParent->Invalidate();
    } else {
        NeedUpdate();
    }
    if (m_pManager != nullptr) m_pManager->NeedUpdate();
}

void CControlUI::ApplyAttributeList(const char* pstrList)
{
    CAttributeList list(pstrList);
    CUIString name;
    CUIString value;
    while (list.Next(name, value)) SetAttribute(name, value);
}

CUIString CControlUI::GetVirtualWnd() const
{
    if (!m_sVirtualWnd.IsEmpty()) return m_sVirtualWnd;
    if (m_pParent != nullptr) return m_pParent->GetVirtualWnd();
    return CUIString();
}

void CControlUI::SetVirtualWnd(const char* pstrValue)
{
    m_sVirtualWnd = pstrValue;
    if (m_pManager != nullptr) m_pManager->SetUsedVirtualWnd(true);
}

bool CControlUI::DrawImage(HDC hDC, const char* pStrImage, const char* pStrModify)
{
    return CUIRender::DrawImageString(hDC, m_pManager, m_rcItem, m_rcPaint, pStrImage, pStrModify);
}

bool CControlUI::DrawStateImage(HDC hDC, CUIString& sImage)
{
    if (sImage.IsEmpty()) return false;
    if (DrawImage(hDC, sImage)) return true;
    sImage.Empty();
    return false;
}

DWORD CControlUI::GetBkColor() const
{
    return m_dwBackColor;
}

void CControlUI::SetBkColor(DWORD dwColor)
{
    if (m_dwBackColor == dwColor) return;
    m_dwBackColor = dwColor;
    Invalidate();
}

DWORD CControlUI::GetBkColor2() const
{
    return m_dwBackColor2;
}

void CControlUI::SetBkColor2(DWORD dwColor)
{
    if (m_dwBackColor2 == dwColor) return;
    m_dwBackColor2 = dwColor;
    Invalidate();
}

DWORD CControlUI::GetBkColor3() const
{
    return m_dwBackColor3;
}

void CControlUI::SetBkColor3(DWORD dwColor)
{
    if (m_dwBackColor3 == dwColor) return;
    m_dwBackColor3 = dwColor;
    Invalidate();
}

CUIString CControlUI::GetBkImage() const
{
    return m_sBkImage;
}

void CControlUI::SetBkImage(const char* pStrImage)
{
    if (m_sBkImage == (pStrImage != nullptr ? pStrImage : "")) return;
    m_sBkImage = pStrImage;
    Invalidate();
}

CUIString CControlUI::GetForeImage() const
{
    return m_sForeImage;
}

void CControlUI::SetForeImage(const char* pStrImage)
{
    if (m_sForeImage == (pStrImage != nullptr ? pStrImage : "")) return;
    m_sForeImage = pStrImage;
    Invalidate();
}

DWORD CControlUI::GetBorderColor() const
{
    return m_dwBorderColor;
}

void CControlUI::SetBorderColor(DWORD dwColor)
{
    if (m_dwBorderColor == dwColor) return;
    m_dwBorderColor = dwColor;
    Invalidate();
}

DWORD CControlUI::GetFocusBorderColor() const
{
    return m_dwFocusBorderColor;
}

void CControlUI::SetFocusBorderColor(DWORD dwColor)
{
    if (m_dwFocusBorderColor == dwColor) return;
    m_dwFocusBorderColor = dwColor;
    Invalidate();
}

bool CControlUI::IsColorHSL() const
{
    return m_bColorHSL;
}

void CControlUI::SetColorHSL(bool bColorHSL)
{
    if (m_bColorHSL == bColorHSL) return;
    m_bColorHSL = bColorHSL;
    Invalidate();
}

int CControlUI::GetBorderSize() const
{
    return m_nBorderSize;
}

void CControlUI::SetBorderSize(int nSize)
{
    nSize = CMarkupBounds::Length(nSize);
    if (m_nBorderSize == nSize) return;
    m_nBorderSize = nSize;
    Invalidate();
}

RECT CControlUI::GetSideBorderSize() const
{
    return m_rcBorderSize;
}

void CControlUI::SetSideBorderSize(RECT rc)
{
    rc = Clamped(rc);
    if (SameRect(m_rcBorderSize, rc)) return;
    m_rcBorderSize = rc;
    Invalidate();
}

void CControlUI::SetLeftBorderSize(int nSize)
{
    m_rcBorderSize.left = CMarkupBounds::Length(nSize);
    Invalidate();
}

void CControlUI::SetTopBorderSize(int nSize)
{
    m_rcBorderSize.top = CMarkupBounds::Length(nSize);
    Invalidate();
}

void CControlUI::SetRightBorderSize(int nSize)
{
    m_rcBorderSize.right = CMarkupBounds::Length(nSize);
    Invalidate();
}

void CControlUI::SetBottomBorderSize(int nSize)
{
    m_rcBorderSize.bottom = CMarkupBounds::Length(nSize);
    Invalidate();
}

int CControlUI::GetBorderStyle() const
{
    return m_nBorderStyle;
}

void CControlUI::SetBorderStyle(int nStyle)
{
    m_nBorderStyle = nStyle;
    Invalidate();
}

SIZE CControlUI::GetBorderRound() const
{
    return m_cxyBorderRound;
}

void CControlUI::SetBorderRound(SIZE cxyRound)
{
    m_cxyBorderRound = SIZE{CMarkupBounds::Length(cxyRound.cx), CMarkupBounds::Length(cxyRound.cy)};
    Invalidate();
}

const RECT& CControlUI::GetPaintRect() const
{
    return m_rcPaint;
}

DWORD CControlUI::GetAdjustColor(DWORD dwColor) const
{
    if (!m_bColorHSL) return dwColor;
    return CUIRender::AdjustColor(dwColor, 180, 100, 100);
}

bool CControlUI::ClipByAncestors(RECT& rc) const
{
    for (const CControlUI* p = m_pParent; p != nullptr; p = p->GetParent()) {
        if (!::IntersectRect(&rc, &rc, &p->GetPos())) return false;
    }
    return true;
}

void CControlUI::InvalidateInManager(const RECT& rc)
{
    if (m_pManager != nullptr) m_pManager->Invalidate(rc);
}

void CControlUI::SizeChanged()
{
    if (m_bFloat)
        NeedUpdate();
    else
        NeedParentUpdate();
}

void CControlUI::DropManagerFocus()
{
    if (m_pManager != nullptr && m_pManager->GetFocus() == this) m_pManager->SetFocus(nullptr);
}

} // namespace SkinUI
