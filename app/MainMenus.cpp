#include "app/MainMenus.h"

#include "SkinUI/Core/PaintManagerUI.h"

namespace {

const char* const kTitleHotImage = "res='175' restype='png' corner='3,3,3,3'";
const char* const kOpenTitleImage = "res='184' restype='png' corner='2,2,2,2'";

} // namespace

CMainMenus::CMainMenus(MainControls& controls, SkinUI::CPaintManagerUI& manager)
    : m_controls(controls)
    , m_manager(manager)
{}

int CMainMenus::TitleIndex(const SkinUI::CControlUI* control) const
{
    if (control == nullptr) return -1;
    for (int menu = 0; menu < MainControls::kMenuCount; ++menu)
        if (m_controls.menuTitles[menu] == control) return menu;
    return -1;
}

void CMainMenus::UpdateMenuState()
{
    const bool wasOpen = m_menuOpen;
    m_menuOpen = TitleIndex(m_manager.GetFocus()) >= 0;
    if (!m_menuOpen)
        CloseMenus();
    else if (!wasOpen)
        TrackMenuHover(m_manager.GetMousePos()); // the press that opened it shows its panel at once
}

void CMainMenus::TrackMenuHover(POINT point)
{
    if (!m_menuOpen) return;
    const int menu = TitleIndex(m_manager.FindControl(point));
    if (menu < 0) return;
    ShowPanel(menu);
    if (menu != m_hotMenu) MarkHot(menu);
}

void CMainMenus::OnFocusLost()
{
    if (TitleIndex(m_manager.GetFocus()) < 0) return;
    m_manager.SetFocus(m_controls.minimizeButton);
    UpdateMenuState();
}

bool CMainMenus::Close()
{
    if (!m_menuOpen) return false;
    m_manager.SetFocus(nullptr);
    UpdateMenuState();
    return true;
}

void CMainMenus::CloseMenus()
{
    for (int menu = 0; menu < MainControls::kMenuCount; ++menu) {
        if (m_controls.menuPanels[menu] != nullptr) m_controls.menuPanels[menu]->SetVisible(false);
        if (m_controls.menuTitles[menu] != nullptr) {
            m_controls.menuTitles[menu]->SetHotImage(kTitleHotImage);
            m_controls.menuTitles[menu]->SetNormalImage("");
        }
    }
    m_hotMenu = -1;
}

void CMainMenus::ShowPanel(int shown)
{
    for (int menu = 0; menu < MainControls::kMenuCount; ++menu)
        if (m_controls.menuPanels[menu] != nullptr) m_controls.menuPanels[menu]->SetVisible(menu == shown);
}

void CMainMenus::MarkHot(int hot)
{
    m_hotMenu = hot;
    for (int menu = 0; menu < MainControls::kMenuCount; ++menu) {
        SkinUI::CButtonUI* title = m_controls.menuTitles[menu];
        if (title == nullptr) continue;
        const char* image = menu == hot ? kOpenTitleImage : "";
        title->SetNormalImage(image);
        title->SetHotImage(image);
    }
}
