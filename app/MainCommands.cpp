#include "app/MainCommands.h"

#include <cstring>

#include "app/MainMenus.h"
#include "app/MainWindowActions.h"
#include "radio/ConfigFile.h"
#include "radio/RadioOperations.h"
#include "radio/RadioVerifier.h"

CMainCommands::CMainCommands(MainControls& controls, CRadioOperations& operations, CRadioVerifier& verifier,
                             CConfigFile& config, CMainMenus& menus, IMainWindowActions& actions)
    : m_controls(controls),
      m_operations(operations),
      m_verifier(verifier),
      m_config(config),
      m_menus(menus),
      m_actions(actions)
{
}

bool CMainCommands::Notify(SkinUI::TNotifyMsg& msg)
{
    SkinUI::CControlUI* sender = msg.pSender;
    const char* type = msg.sType.GetData();
    if (sender == nullptr)
        return true;
    if (std::strcmp(type, "click") == 0)
        OnClick(sender);
    else if (std::strcmp(type, "itemselect") == 0 && sender == m_controls.List(RadioList::Protocol))
        m_operations.OfferLinkRates(m_controls.List(RadioList::Protocol)->GetCurSel());
    else if (std::strcmp(type, "killfocus") == 0)
        return OnKillFocus(sender);
    else if (std::strcmp(type, "setfocus") == 0)
        OnSetFocus(sender);
    else if (std::strcmp(type, "dropdown") == 0 && IsList(sender))
        OnDropDown(sender);
    return true;
}

void CMainCommands::OnClick(SkinUI::CControlUI* sender)
{
    if (sender == m_refusedPress) {
        m_refusedPress = nullptr;
        return;
    }
    const MainControls& c = m_controls;
    if (sender == c.closeButton)
        m_actions.Quit();
    else if (sender == c.minimizeButton)
        m_actions.Minimize();
    else if (sender == c.defaultButton)
        m_operations.FillDefaultFrequencies();
    else if (sender == c.exportButton)
        m_config.ExportConfig();
    else if (sender == c.importButton)
        m_config.ImportConfig();
    else if (sender == c.connectButton)
        m_operations.EnterConfigMode();
    else if (sender == c.disconnectButton)
        m_operations.LeaveConfigMode();
    else if (sender == c.readButton)
        m_operations.ReadAllParameters();
    else if (sender == c.writeButton)
        m_operations.WriteParameters();
    else if (sender == c.serialUnlockButton)
        m_operations.UnlockField(RadioField::SerialNumber);
    else if (sender == c.hardwareUnlockButton)
        m_operations.UnlockField(RadioField::Hardware);
}

void CMainCommands::OnDropDown(SkinUI::CControlUI* list)
{
    CheckPendingChannel(list);
    if (list == m_controls.List(RadioList::ComPort))
        m_actions.ComPortListOpened();
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
        if (!accepted)
            return;
    }
    m_menus.UpdateMenuState();
    if (RunMenuItem(sender))
        m_actions.DropFocusLater(sender);
}

bool CMainCommands::CheckPendingChannel(SkinUI::CControlUI* cause)
{
    const int channel = m_guard.PendingChannel(ChannelOf(cause));
    if (channel < 0)
        return true;
    const bool ok = m_operations.CheckChannelField(channel);
    m_guard.Clear(channel);
    return ok;
}

bool CMainCommands::SkipsCheck(SkinUI::CControlUI* control) const
{
    const MainControls& c = m_controls;
    const SkinUI::CControlUI* const buttons[] = {
        c.closeButton, c.minimizeButton, c.defaultButton, c.connectButton,
        c.disconnectButton, c.readButton, c.writeButton,
    };
    for (const SkinUI::CControlUI* button : buttons)
        if (button == control)
            return true;
    return IsList(control);
}

bool CMainCommands::RunMenuItem(SkinUI::CControlUI* item)
{
    const MainControls& c = m_controls;
    if (item == c.connectItem)
        m_operations.EnterConfigMode();
    else if (item == c.readItem)
        m_operations.ReadAllParameters();
    else if (item == c.writeItem)
        m_operations.WriteParameters();
    else if (item == c.verifyItem)
        m_verifier.Verify();
    else if (item == c.disconnectItem)
        m_operations.LeaveConfigMode();
    else if (item == c.findRadioItem)
        m_actions.FindRadio();
    else if (item == c.upgradeItem)
        m_actions.RequestUpgrade();
    else if (item == c.importItem)
        m_config.ImportConfig();
    else if (item == c.exportItem)
        m_config.ExportConfig();
    else if (item == c.exitItem)
        m_actions.Quit();
    else if (item == c.languageItem)
        m_actions.SwitchLanguage();
    else if (item == c.aboutItem)
        m_actions.ShowAbout();
    else
        return false;
    return true;
}

bool CMainCommands::IsList(SkinUI::CControlUI* control) const
{
    for (const SkinUI::CComboBoxUI* list : m_controls.lists)
        if (list != nullptr && list == control)
            return true;
    return false;
}

int CMainCommands::ChannelOf(SkinUI::CControlUI* control) const
{
    for (int channel = 0; channel < MainControls::kChannelCount; ++channel)
        if (m_controls.channelEdits[channel] != nullptr && m_controls.channelEdits[channel] == control)
            return channel;
    return -1;
}
