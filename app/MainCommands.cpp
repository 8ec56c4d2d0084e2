#include "app/MainCommands.h"

#include "SkinUI/Utils/UIName.h"
#include "app/MainCommandTable.h"
#include "app/MainMenus.h"
#include "app/MainWindowActions.h"
#include "radio/ConfigFile.h"
#include "radio/RadioOperations.h"
#include "radio/RadioVerifier.h"

CMainCommands::CMainCommands(MainControls& controls, CRadioOperations& operations, CRadioVerifier& verifier,
                             CConfigFile& config, CMainMenus& menus, IMainWindowActions& actions)
    : m_controls(controls)
    , m_operations(operations)
    , m_verifier(verifier)
    , m_config(config)
    , m_menus(menus)
    , m_actions(actions)
{}

bool CMainCommands::Notify(SkinUI::TNotifyMsg& msg)
{
    SkinUI::CControlUI* sender = msg.pSender;
    const char* type = msg.sType.GetData();
    if (sender == nullptr) return true;
    if (SkinUI::CUIName::Equals(type, "click"))
        OnClick(sender);
    else if (SkinUI::CUIName::Equals(type, "itemselect") && sender == m_controls.List(RadioList::Protocol))
        m_operations.OfferLinkRates(m_controls.List(RadioList::Protocol)->GetCurSel());
    else if (SkinUI::CUIName::Equals(type, "killfocus"))
        return OnKillFocus(sender);
    else if (SkinUI::CUIName::Equals(type, "setfocus"))
        OnSetFocus(sender);
    else if (SkinUI::CUIName::Equals(type, "dropdown") && IsList(sender))
        OnDropDown(sender);
    return true;
}

void CMainCommands::OnClick(SkinUI::CControlUI* sender)
{
    if (sender == m_refusedPress) {
        m_refusedPress = nullptr;
        return;
    }
    if (const MainCommand* command = CMainCommandTable::ByButton(m_controls, sender)) Run(command->action);
}

void CMainCommands::OnDropDown(SkinUI::CControlUI* list)
{
    CheckPendingChannel(list);
    if (list == m_controls.List(RadioList::ComPort)) m_actions.ComPortListOpened();
}

bool CMainCommands::OnKillFocus(SkinUI::CControlUI* sender)
{
    const int channel = ChannelOf(sender);
    return channel < 0 || m_guard.OnKillFocus(channel);
}

void CMainCommands::OnSetFocus(SkinUI::CControlUI* sender)
{
    if (!SkipsCheck(sender)) {
        // Set before the check: the press's click may arrive while its error box is shown.
        m_refusedPress = sender;
        const bool accepted = CheckPendingChannel(sender);
        m_refusedPress = accepted ? nullptr : sender;
        if (!accepted) return;
    }
    m_menus.UpdateMenuState();
    if (RunMenuItem(sender)) m_actions.DropFocusLater(sender);
}

bool CMainCommands::CheckPendingChannel(SkinUI::CControlUI* cause)
{
    const int channel = m_guard.PendingChannel(ChannelOf(cause));
    if (channel < 0) return true;
    const bool ok = m_operations.CheckChannelField(channel);
    m_guard.Clear(channel);
    return ok;
}

bool CMainCommands::SkipsCheck(SkinUI::CControlUI* control) const
{
    const MainCommand* command = CMainCommandTable::ByButton(m_controls, control);
    return (command != nullptr && command->buttonSkipsChannelCheck) || IsList(control);
}

bool CMainCommands::RunMenuItem(SkinUI::CControlUI* item)
{
    const MainCommand* command = CMainCommandTable::ByItem(m_controls, item);
    if (command == nullptr) return false;
    Run(command->action);
    return true;
}

void CMainCommands::Run(MainAction action)
{
    switch (action) {
    case MainAction::Connect:
        m_operations.EnterConfigMode();
        break;
    case MainAction::Disconnect:
        m_operations.LeaveConfigMode();
        break;
    case MainAction::Read:
        m_operations.ReadAllParameters();
        break;
    case MainAction::Write:
        m_operations.WriteParameters();
        break;
    case MainAction::Verify:
        m_verifier.Verify();
        break;
    case MainAction::FindRadio:
        m_actions.FindRadio();
        break;
    case MainAction::Upgrade:
        m_actions.RequestUpgrade();
        break;
    case MainAction::Import:
        m_config.ImportConfig();
        break;
    case MainAction::Export:
        m_config.ExportConfig();
        break;
    case MainAction::Quit:
        m_actions.Quit();
        break;
    case MainAction::SwitchLanguage:
        m_actions.SwitchLanguage();
        break;
    case MainAction::About:
        m_actions.ShowAbout();
        break;
    case MainAction::Minimize:
        m_actions.Minimize();
        break;
    case MainAction::FillDefaults:
        m_operations.FillDefaultFrequencies();
        break;
    case MainAction::UnlockSerialNumber:
        m_operations.UnlockField(RadioField::SerialNumber);
        break;
    case MainAction::UnlockHardware:
        m_operations.UnlockField(RadioField::Hardware);
        break;
    }
}

bool CMainCommands::IsList(SkinUI::CControlUI* control) const
{
    for (const SkinUI::CComboBoxUI* list : m_controls.lists)
        if (list != nullptr && list == control) return true;
    return false;
}

int CMainCommands::ChannelOf(SkinUI::CControlUI* control) const
{
    for (int channel = 0; channel < MainControls::kChannelCount; ++channel)
        if (m_controls.channelEdits[channel] != nullptr && m_controls.channelEdits[channel] == control) return channel;
    return -1;
}
