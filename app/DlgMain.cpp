#include "app/DlgMain.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Utils/GbkText.h"
#include "app/DlgAbout.h"
#include "app/LanguageLayout.h"
#include "app/MainCommandTable.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/PortItem.h"
#include "radio/RadioTables.h"
#include "radio/RadioTexts.h"

namespace {

constexpr DWORD kMainStyle = 0x10CF0000; // WS_VISIBLE | WS_OVERLAPPEDWINDOW
constexpr DWORD kMainExStyle = 0x00060000; // WS_EX_APPWINDOW | WS_EX_STATICEDGE
constexpr int kSkinWidth = 588;
constexpr int kSkinHeight = 489;
constexpr int kCreateWidth = 670;
constexpr int kCreateHeight = 444;
constexpr unsigned kFullProgress = 10000;

// The lists FillValueLists refills whose items stand for the same values in
// either language, in the order their selections come back: the protocol
// first, since selecting it offers the link rates.
const RadioList kRefilledLists[] = {RadioList::Protocol, RadioList::CurrentChannel, RadioList::HighPower,
                                    RadioList::LowPower, RadioList::ConnectionRate, RadioList::PortBaud};

} // namespace

DlgMain::DlgMain(UpgradeRun upgrade)
    : WindowImplBase(kSkinWidth, kSkinHeight)
    , m_upgrade(std::move(upgrade))
{
    Create(nullptr, MainTexts::kWindowTitle.chinese, kMainStyle, kMainExStyle, 0, 0, kCreateWidth, kCreateHeight);
    m_panel.SetOwner(m_hWnd);
    CenterWindow();
    ::ShowWindow(m_hWnd, SW_SHOW);
}

DlgMain::~DlgMain()
{
    if (::IsWindow(m_hWnd)) SaveSettings();
    WaitForUpgrade();
    m_worker.Stop();
    m_search.Stop();
    m_link.Close();
    // While every member still exists: the window's last messages reach them.
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

void DlgMain::OnSkinReady()
{
    BuildControls();
    AddTextPairs(m_texts, m_controls);
    RefreshComPorts();
    SetCommandsEnabled(true);
    m_operations.FillValueLists();
    for (RadioField field :
         {RadioField::SerialNumber, RadioField::Hardware, RadioField::Firmware, RadioField::SubFirmware})
        m_panel.SetFieldEnabled(field, false);
    ApplyStoredSettings();
    m_worker.Start();
}

void DlgMain::BuildControls()
{
    auto* main = static_cast<SkinUI::CContainerUI*>(m_PaintManager.FindControl("main"));
    CMainWindowBuilder builder(m_controls);
    main->Add(builder.BuildTitleBar());
    main->Add(builder.BuildMenuBar());
    main->Add(builder.BuildBody());
    builder.BuildMenuPanels(main);
}

// Ports plugged in or out while the program runs; the buttons follow them
// unless an upgrade or a search holds them.
bool DlgMain::RefreshComPorts()
{
    const bool changed = m_comPorts.Refresh();
    if (changed && !m_busy) SetCommandsEnabled(true);
    return changed;
}

void DlgMain::ComPortListOpened()
{
    // The list opened with the old items: open it again with the new ones.
    if (RefreshComPorts()) PostMessage(kUpgradeStatusMessage, 0, kCodeOpenComPortList);
}

void DlgMain::ApplyStoredSettings()
{
    StoredSettings current;
    current.chinese = m_panel.IsChinese();
    const StoredSettings stored = MainSettings::Load(current, m_panel.ListItemCount(RadioList::ComPort),
                                                     m_panel.ListItemCount(RadioList::ConnectionRate));
    if (stored.port >= 0) m_panel.SelectListItem(RadioList::ComPort, stored.port);
    if (stored.baud >= 0) m_panel.SelectListItem(RadioList::ConnectionRate, stored.baud);
    // SwitchLanguage toggles: start from the other language so the stored one holds.
    m_panel.SetChinese(!stored.chinese);
    SwitchLanguage();
}

void DlgMain::SaveSettings()
{
    StoredSettings settings;
    settings.port = m_panel.SelectedIndex(RadioList::ComPort);
    settings.baud = m_panel.SelectedIndex(RadioList::ConnectionRate);
    settings.chinese = m_panel.IsChinese();
    MainSettings::Save(settings);
}

void DlgMain::SwitchLanguage()
{
    const bool chinese = !m_panel.IsChinese();
    m_panel.SetChinese(chinese);
    m_chineseShared = chinese;
    ApplyLanguage(m_controls, m_texts, chinese);
    RefillValueLists();
    m_panel.RefreshStatus();
    ::SetWindowTextW(m_hWnd, SkinUI::CGbkText::ToWide(MainTexts::kWindowTitle.Pick(chinese)).c_str());
    if (m_quitPending) ShowQuitPending();
}

// The refill brings the other language's items; the operator's and the
// radio's values stay selected. The link rate list is the protocol's offer
// again, so its value is looked up there: a rate it lacks ("UNKNOW") and no
// rate at all stay unselected rather than become another rate.
void DlgMain::RefillValueLists()
{
    std::vector<int> selected;
    for (RadioList list : kRefilledLists) selected.push_back(m_panel.SelectedIndex(list));
    const std::string linkRate = m_panel.ListText(RadioList::LinkBaud);
    m_operations.FillValueLists();
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i] >= 0) m_panel.SelectListItem(kRefilledLists[i], selected[i]);
    SelectLinkRate(linkRate);
}

// The item of that text, or none (an empty text matches no item).
void DlgMain::SelectLinkRate(const std::string& rate)
{
    int position = -1;
    for (int item = 0; item < m_panel.ListItemCount(RadioList::LinkBaud); ++item)
        if (m_panel.ListItemText(RadioList::LinkBaud, item) == rate) position = item;
    m_panel.SelectListItem(RadioList::LinkBaud, position);
}

void DlgMain::Notify(SkinUI::TNotifyMsg& msg)
{
    if (m_commands.Notify(msg)) WindowImplBase::Notify(msg);
}

LRESULT DlgMain::OnFocusLost(UINT, WPARAM, LPARAM, bool& bHandled)
{
    m_menus.OnFocusLost();
    bHandled = false;
    return 0;
}

LRESULT DlgMain::OnMouseMoved(UINT, WPARAM, LPARAM lParam, bool& bHandled)
{
    m_menus.TrackMenuHover(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    bHandled = false;
    return 0;
}

LRESULT DlgMain::OnOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    if (uMsg == WM_ENDSESSION && wParam != 0) SaveSettings(); // the session ends the process without closing the window
    if (uMsg == WM_DEVICECHANGE) RefreshComPorts();
    if (uMsg != kUpgradeStatusMessage) {
        bHandled = false;
        return 0;
    }
    HandleStatus(wParam, lParam);
    return 0;
}

LRESULT DlgMain::OnCloseMsg(UINT, WPARAM, LPARAM, bool&)
{
    Quit();
    return 0;
}

LRESULT DlgMain::OnSysCommandMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        Quit();
        return 0;
    }
    return WindowImplBase::OnSysCommandMsg(uMsg, wParam, lParam, bHandled);
}

// An open list or menu takes the Escape; only one with nothing open closes the window.
bool DlgMain::OnDefaultKey(WPARAM key)
{
    if (key == VK_ESCAPE && (CloseOpenList() || m_menus.Close())) return true;
    return WindowImplBase::OnDefaultKey(key);
}

bool DlgMain::CloseOpenList()
{
    for (SkinUI::CComboBoxUI* list : m_controls.lists) {
        if (list != nullptr && list->IsOpen()) {
            list->SelectItem(list->GetCurSel(), false); // the same item: only closes the list
            return true;
        }
    }
    return false;
}

void DlgMain::HandleStatus(WPARAM argument, LPARAM code)
{
    switch (code) {
    case kCodeBusy:
        SetBusy(argument == 1);
        break;
    case kCodeSuccess:
        ShowUpgradeResult(argument, true);
        break;
    case kCodeFailure:
        ShowUpgradeResult(argument, false);
        break;
    case kCodeDropFocus:
        DropFocus(argument);
        break;
    case kCodeProgress:
        ShowProgressBar(static_cast<unsigned>(argument));
        break;
    case kCodeUpgradeThreadIdle:
        if (m_quitPending) ::PostQuitMessage(0);
        break;
    case kCodeOpenComPortList:
        m_controls.List(RadioList::ComPort)->Activate();
        break;
    case kCodeFindAttempt:
        ShowFindAttempt(static_cast<int>(argument));
        break;
    case kCodeFindDone:
        EndFindRadio(argument == 1);
        break;
    default:
        break;
    }
}

void DlgMain::SetCommandsEnabled(bool enabled)
{
    for (const MainCommand& command : CMainCommandTable()) {
        if (!command.heldWhileBusy) continue;
        if (command.button != nullptr) (m_controls.*command.button)->SetEnabled(enabled && m_comPorts.HasPorts());
        if (command.item != nullptr) (m_controls.*command.item)->SetEnabled(enabled);
    }
}

void DlgMain::SetBusy(bool busy)
{
    m_busy = busy;
    SetCommandsEnabled(!busy);
    if (!busy) return;
    m_portNumber = PortItemNumber(m_panel.ListText(RadioList::ComPort));
    m_baudRate = std::atoi(m_panel.ListText(RadioList::ConnectionRate).c_str());
}

void DlgMain::ShowProgressBar(unsigned progress)
{
    progress = std::min(progress, kFullProgress);
    m_panel.ShowProgress(RadioCommand::UpgradeFirmware, RadioTexts::Percent(progress), progress);
}

// Only the status: the upgrade has closed its own port, and the window's
// port belongs to whatever the window runs.
void DlgMain::ShowUpgradeResult(WPARAM control, bool success)
{
    const auto* sender = reinterpret_cast<const SkinUI::CControlUI*>(control);
    for (const MainCommand& command : CMainCommandTable())
        if (command.status && sender != nullptr && CMainCommandTable::ControlOf(m_controls, command) == sender)
            m_panel.ShowResult(*command.status, success);
}

void DlgMain::DropFocus(WPARAM control)
{
    auto* item = reinterpret_cast<SkinUI::CControlUI*>(control);
    if (item == nullptr) return;
    item->SetEnabled(!item->IsEnabled());
    item->SetEnabled(!item->IsEnabled());
}

void DlgMain::Quit()
{
    SaveSettings();
    m_quitRequested = true;
    m_search.Stop();
    if (m_worker.IsRunning()) {
        // The upgrade owns a port and a half-written radio: end after it.
        m_quitPending = true;
        ShowQuitPending();
        return;
    }
    ::PostQuitMessage(0);
}

void DlgMain::ShowQuitPending()
{
    const bool chinese = m_panel.IsChinese();
    const std::string title =
        std::string(MainTexts::kWindowTitle.Pick(chinese)) + MainTexts::kQuitPendingSuffix.Pick(chinese);
    m_controls.titleLabel->SetText(title.c_str());
    FitTitleWidth(m_controls.titleLabel);
    ::SetWindowTextW(m_hWnd, SkinUI::CGbkText::ToWide(title.c_str()).c_str());
}

void DlgMain::Minimize()
{
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void DlgMain::RequestUpgrade()
{
    m_worker.Request();
}

void DlgMain::ShowAbout()
{
    DlgAbout::Show(m_hWnd, m_panel.IsChinese());
}

void DlgMain::DropFocusLater(SkinUI::CControlUI* control)
{
    PostMessage(kUpgradeStatusMessage, reinterpret_cast<WPARAM>(control), kCodeDropFocus);
}

// ---- Find Radio ----

void DlgMain::FindRadio()
{
    if (m_busy || m_search.IsRunning()) return;
    RefreshComPorts();
    SetBusy(true);
    m_controls.upgradeItem->SetEnabled(false);
    m_search.Start(m_hWnd, kUpgradeStatusMessage, {kCodeFindAttempt, kCodeFindDone}, m_comPorts.Ports());
}

void DlgMain::ShowFindAttempt(int attempt)
{
    const RadioLocation place = m_search.Place(attempt);
    m_panel.ShowProgress(RadioCommand::FindRadio, RadioTexts::PortAndRate(place.port, place.baud),
                         m_search.Progress(attempt));
}

// The radio's port and rate become the window's; a failed search changes neither.
void DlgMain::EndFindRadio(bool found)
{
    const RadioLocation place = m_search.Found();
    m_controls.upgradeItem->SetEnabled(true);
    SetBusy(false);
    if (found) {
        const std::vector<int> ports = m_comPorts.Ports();
        const auto port = std::find(ports.begin(), ports.end(), place.port);
        found = port != ports.end();
        if (found) m_panel.SelectListItem(RadioList::ComPort, static_cast<int>(port - ports.begin()));
        for (int i = 0; found && i < m_panel.ListItemCount(RadioList::ConnectionRate); ++i)
            if (LeadingInteger(m_panel.ListItemText(RadioList::ConnectionRate, i)) == place.baud)
                m_panel.SelectListItem(RadioList::ConnectionRate, i);
    }
    m_panel.ShowResult(RadioCommand::FindRadio, found);
}

// ---- the upgrade thread's side ----

void DlgMain::RunUpgrade()
{
    // Once Quit has seen no upgrade running, the program is ending: start none.
    if (!m_quitRequested) UpgradeOnce();
    PostMessage(kUpgradeStatusMessage, 0, kCodeUpgradeThreadIdle);
}

void DlgMain::UpgradeOnce()
{
    if (m_upgrade) {
        m_upgrade(*this);
        return;
    }
    CFirmwareUpgrade upgrade(m_upgradeLink, *this);
    upgrade.UpgradeFirmware();
}

bool DlgMain::ChooseFirmwareFile(std::string& path)
{
    return m_panel.ChooseFile(path, RadioTexts::FirmwareDialog(m_chineseShared));
}

int DlgMain::BeginUpgrade()
{
    SendMessage(kUpgradeStatusMessage, 1, kCodeBusy);
    return m_portNumber;
}

void DlgMain::ShowProgress(int progress)
{
    SendMessage(kUpgradeStatusMessage, static_cast<WPARAM>(progress), kCodeProgress);
}

void DlgMain::EndUpgrade(bool success)
{
    SendMessage(kUpgradeStatusMessage, reinterpret_cast<WPARAM>(m_controls.upgradeItem),
                success ? kCodeSuccess : kCodeFailure);
    SendMessage(kUpgradeStatusMessage, 0, kCodeBusy);
}

// A running upgrade still sends to the window: keep answering until it ends.
void DlgMain::WaitForUpgrade()
{
    while (m_worker.IsRunning()) {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        ::Sleep(10);
    }
}
