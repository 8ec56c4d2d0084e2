#include "app/DlgAbout.h"
#include <shellapi.h>
#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "SkinUI/Utils/GbkText.h"
#include "resources/Version.h"

using namespace SkinUI;

namespace {

constexpr int kSkinWidth = 275;
constexpr int kSkinHeight = 184;
constexpr DWORD kStyle = 0x10CF0000;
constexpr DWORD kExStyle = 0x00060000;
constexpr UINT kVCentre = DT_VCENTER;

const char kProductLine[] = "VM_RAV(" RADIOCONFIG_VERSION_TEXT ")";
const char kWebAddress[] = "http://www.velmar.test";
const char kMailAddress[] = "mailto:sales@velmar.test";
const char kWebText[] = "{u}{a}http://www.velmar.test{/a}{/u}";
const char kMailText[] = "{u}{a}email:sales@velmar.test{/a}{/u}";

void OpenWithShell(const char* address)
{
    ::ShellExecuteW(nullptr, L"open", SkinUI::CGbkText::ToWide(address).c_str(), nullptr, nullptr, 0);
}

DlgAbout::LinkOpener g_pfnOpenLink = OpenWithShell;

const char* TitleText(bool chinese)
{
    return chinese ? "关于..." : "About...";
}

void ApplyLinkLook(CButtonUI& link)
{
    link.SetFixedHeight(18);
    link.SetFont(2);
    link.SetTextStyle(kVCentre);
    link.SetShowHtml(true);
}

void ApplyCommandButtonLook(CButtonUI& button)
{
    button.SetNormalImage("res='160' restype='png' corner='2,2,2,2'");
    button.SetHotImage("res='161' restype='png' corner='2,2,2,2'");
    button.SetPushedImage("res='162' restype='png' corner='2,2,2,2'");
}

} // namespace

DlgAbout::DlgAbout(HWND owner, bool chinese)
    : WindowImplBase(kSkinWidth, kSkinHeight)
    , m_bChinese(chinese)
{
    if (Create(owner, TitleText(chinese), kStyle, kExStyle, 0, 0, 0, 0) == nullptr) return;
    CenterWindow();
    ShowWindow();
    ShowModal();
}

void DlgAbout::Show(HWND owner, bool chinese)
{
    DlgAbout dialog(owner, chinese);
}

DlgAbout::LinkOpener DlgAbout::SetLinkOpener(LinkOpener opener)
{
    const LinkOpener previous = g_pfnOpenLink;
    g_pfnOpenLink = opener != nullptr ? opener : OpenWithShell;
    return previous;
}

void DlgAbout::OnSkinReady()
{
    auto* pMain = static_cast<CContainerUI*>(m_PaintManager.FindControl("main"));
    if (pMain == nullptr) return;
    pMain->Add(BuildTitleBar());
    pMain->Add(BuildBody());
}

CControlUI* DlgAbout::BuildTitleBar()
{
    auto* pBar = new CHorizontalLayoutUI;
    pBar->SetFixedHeight(33);
    pBar->SetInset({3, 2, 3, 2});
    pBar->SetBkColor(0xFFD1E8F5);
    pBar->SetBkColor2(0xFFC9E3F4);

    auto* pIconHolder = new CVerticalLayoutUI;
    pIconHolder->SetFixedWidth(26);
    pIconHolder->SetInset({0, 5, 5, 0});
    auto* pIcon = new CControlUI;
    pIcon->SetBkImage("res='174' restype='png'");
    pIconHolder->Add(pIcon);
    pBar->Add(pIconHolder);

    auto* pTitle = new CLabelUI;
    pTitle->SetFixedWidth(88);
    pTitle->SetTextStyle(kVCentre);
    pTitle->SetFont(1);
    pTitle->SetTextColor(0xFF447AA1);
    pTitle->SetText(TitleText(m_bChinese));
    pBar->Add(pTitle);

    pBar->Add(new CControlUI);

    m_pCloseButton = new CButtonUI;
    m_pCloseButton->SetFixedWidth(45);
    m_pCloseButton->SetFixedHeight(17);
    m_pCloseButton->SetNormalImage("res='185' restype='png'");
    m_pCloseButton->SetHotImage("res='186' restype='png'");
    m_pCloseButton->SetPushedImage("res='187' restype='png'");
    pBar->Add(m_pCloseButton);
    return pBar;
}

CControlUI* DlgAbout::BuildBody()
{
    auto* pBody = new CHorizontalLayoutUI;
    pBody->SetChildPadding(10);
    pBody->SetPadding({10, 10, 10, 4});
    pBody->SetInset({10, 10, 10, 10});
    pBody->SetBorderColor(0xFF666666);
    pBody->SetBorderSize(1);
    pBody->Add(BuildTextColumn());
    pBody->Add(BuildButtonColumn());
    return pBody;
}

CControlUI* DlgAbout::BuildTextColumn()
{
    auto* pColumn = new CVerticalLayoutUI;
    pColumn->SetFixedWidth(150);
    pColumn->SetChildPadding(10);

    auto* pProduct = new CLabelUI;
    pProduct->SetFixedHeight(18);
    pProduct->SetFont(2);
    pProduct->SetTextStyle(kVCentre);
    pProduct->SetText(kProductLine);
    pColumn->Add(pProduct);

    m_pWebLink = new CButtonUI;
    ApplyLinkLook(*m_pWebLink);
    m_pWebLink->SetText(kWebText);
    pColumn->Add(m_pWebLink);

    m_pMailLink = new CButtonUI;
    ApplyLinkLook(*m_pMailLink);
    m_pMailLink->SetText(kMailText);
    pColumn->Add(m_pMailLink);
    return pColumn;
}

CControlUI* DlgAbout::BuildButtonColumn()
{
    auto* pColumn = new CVerticalLayoutUI;
    pColumn->SetFixedWidth(70);
    pColumn->Add(new CControlUI);
    m_pOkButton = new CButtonUI;
    m_pOkButton->SetFixedHeight(22);
    m_pOkButton->SetText(m_bChinese ? "确定" : "OK");
    ApplyCommandButtonLook(*m_pOkButton);
    pColumn->Add(m_pOkButton);
    pColumn->Add(new CControlUI);
    return pColumn;
}

void DlgAbout::Notify(TNotifyMsg& msg)
{
    if (msg.sType == "click") OnClick(msg.pSender);
    WindowImplBase::Notify(msg);
}

void DlgAbout::OnClick(const CControlUI* pSender)
{
    if (pSender == nullptr) return;
    if (pSender == m_pCloseButton || pSender == m_pOkButton) {
        SendMessage(WM_CLOSE);
    } else if (pSender == m_pWebLink) {
        g_pfnOpenLink(kWebAddress);
    } else if (pSender == m_pMailLink) {
        g_pfnOpenLink(kMailAddress);
    }
}

LRESULT DlgAbout::OnCloseMsg(UINT, WPARAM, LPARAM, bool&)
{
    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return 0;
}

// The system close of this dialog closes the dialog only, as Escape does, instead of
// quitting the whole program with the owner's unsaved edits.
LRESULT DlgAbout::OnSysCommandMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    if ((wParam & 0xFFF0) != SC_CLOSE) return WindowImplBase::OnSysCommandMsg(uMsg, wParam, lParam, bHandled);
    Close(1);
    return 0;
}
