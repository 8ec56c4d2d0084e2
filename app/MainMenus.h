#pragma once

#include <windows.h>

#include "app/MainControls.h"

namespace SkinUI {
class CControlUI;
class CPaintManagerUI;
} // namespace SkinUI

// The three menus of the main window: open while a title has the focus,
// the shown panel following the hovered title.
class CMainMenus {
public:
    explicit CMainMenus(MainControls& controls, SkinUI::CPaintManagerUI& manager);

    bool IsMenuOpen() const { return m_menuOpen; }
    int HotMenu() const { return m_hotMenu; }
    void UpdateMenuState();
    void TrackMenuHover(POINT point);
    void OnFocusLost();
    // Closes the menus when they are open; false when none was.
    bool Close();

private:
    // Index of the menu title, -1 for any other control.
    int TitleIndex(const SkinUI::CControlUI* control) const;
    void CloseMenus();
    void ShowPanel(int menu);
    void MarkHot(int menu);

    MainControls& m_controls;
    SkinUI::CPaintManagerUI& m_manager;
    bool m_menuOpen = false;
    int m_hotMenu = -1;
};
