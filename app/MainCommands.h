#pragma once

#include "SkinUI/Core/NotifyMsg.h"
#include "app/ChannelEditGuard.h"
#include "app/MainCommandTable.h"
#include "app/MainControls.h"

class CConfigFile;
class CMainMenus;
class CRadioOperations;
class CRadioVerifier;
class IMainWindowActions;

// What the main window does with its controls' notifications.
class CMainCommands {
public:
    explicit CMainCommands(MainControls& controls, CRadioOperations& operations, CRadioVerifier& verifier,
                           CConfigFile& config, CMainMenus& menus, IMainWindowActions& actions);

    // False only when the notification is not to be passed on to the base window.
    bool Notify(SkinUI::TNotifyMsg& msg);

private:
    void OnClick(SkinUI::CControlUI* sender);
    bool OnKillFocus(SkinUI::CControlUI* sender);
    void OnDropDown(SkinUI::CControlUI* list);
    void OnSetFocus(SkinUI::CControlUI* sender);
    bool CheckPendingChannel(SkinUI::CControlUI* cause);
    bool SkipsCheck(SkinUI::CControlUI* control) const;
    bool RunMenuItem(SkinUI::CControlUI* item);
    void Run(MainAction action);
    bool IsList(SkinUI::CControlUI* control) const;
    int ChannelOf(SkinUI::CControlUI* control) const;

    MainControls& m_controls;
    CRadioOperations& m_operations;
    CRadioVerifier& m_verifier;
    CConfigFile& m_config;
    CMainMenus& m_menus;
    IMainWindowActions& m_actions;
    CChannelEditGuard m_guard;
    // The control whose press the channel check refused: its click does not act.
    SkinUI::CControlUI* m_refusedPress = nullptr;
};
