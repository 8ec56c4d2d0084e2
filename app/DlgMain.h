#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "SkinUI/Utils/WindowImplBase.h"
#include "app/ComPortList.h"
#include "app/MainCommands.h"
#include "app/MainControls.h"
#include "app/MainMenus.h"
#include "app/MainRadioPanel.h"
#include "app/MainSettings.h"
#include "app/MainWindowActions.h"
#include "app/RadioSearch.h"
#include "app/TextList.h"
#include "radio/ComRadioLink.h"
#include "radio/ConfigFile.h"
#include "radio/RadioOperations.h"
#include "radio/RadioVerifier.h"
#include "radio/UpgradeReporter.h"
#include "radio/UpgradeWorker.h"

// The main window: the radio's parameters, the commands, the menus, the two
// languages, the saved settings and the firmware upgrade thread.
class DlgMain : public SkinUI::WindowImplBase, public IMainWindowActions, public IUpgradeReporter {
public:
    static constexpr UINT kUpgradeStatusMessage = 4025;
    enum StatusCode : LPARAM {
        kCodeBusy = 1,
        kCodeSuccess = 2,
        kCodeFailure = 3,
        kCodeDropFocus = 5,
        kCodeProgress = 6,
        kCodeUpgradeThreadIdle = 7, // posted when an upgrade run has returned
        kCodeOpenComPortList = 8, // opens the refreshed list again
        kCodeFindAttempt = 9, // Find Radio tries a place: the try's number
        kCodeFindDone = 10, // Find Radio has ended: 1 when the radio was found
    };
    // What one upgrade run does; it reports through the reporter it is given.
    using UpgradeRun = std::function<void(IUpgradeReporter&)>;

    // Creates and shows the window; an empty run is the firmware upgrade.
    explicit DlgMain(UpgradeRun upgrade = UpgradeRun());
    ~DlgMain() override;

    const MainControls& Controls() const { return m_controls; }
    CMainRadioPanel& Panel() { return m_panel; }
    bool IsChinese() const { return m_panel.IsChinese(); }
    bool IsQuitPending() const { return m_quitPending; }
    int PortNumber() const { return m_portNumber; }
    int BaudRate() const { return m_baudRate; }

    void Notify(SkinUI::TNotifyMsg& msg) override;

    void Quit() override;
    void Minimize() override;
    void RequestUpgrade() override;
    void SwitchLanguage() override;
    void ShowAbout() override;
    void DropFocusLater(SkinUI::CControlUI* control) override;
    void FindRadio() override;
    void ComPortListOpened() override;

    bool ChooseFirmwareFile(std::string& path) override;
    int BeginUpgrade() override;
    void ShowProgress(int progress) override;
    void EndUpgrade(bool success) override;

protected:
    void OnSkinReady() override;
    LRESULT OnFocusLost(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnMouseMoved(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnCloseMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnSysCommandMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    bool OnDefaultKey(WPARAM key) override;

private:
    void BuildControls();
    bool RefreshComPorts();
    void RefillValueLists();
    void SelectLinkRate(const std::string& rate);
    void ApplyStoredSettings();
    void SaveSettings();
    void HandleStatus(WPARAM argument, LPARAM code);
    void SetBusy(bool busy);
    void ShowProgressBar(unsigned progress);
    void ShowUpgradeResult(WPARAM control, bool success);
    void DropFocus(WPARAM control);
    void RunUpgrade();
    void UpgradeOnce();
    void WaitForUpgrade();
    void ShowQuitPending();
    void SetCommandsEnabled(bool enabled);
    void ShowFindAttempt(int attempt);
    void EndFindRadio(bool found);
    bool CloseOpenList();

    MainControls m_controls;
    CMainRadioPanel m_panel{m_controls};
    CComRadioLink m_link{m_panel};
    CRadioOperations m_operations{m_panel, m_link};
    CRadioVerifier m_verifier{m_panel, m_link};
    CConfigFile m_config{m_panel};
    CTextList m_texts;
    CMainMenus m_menus{m_controls, m_PaintManager};
    CMainCommands m_commands{m_controls, m_operations, m_verifier, m_config, m_menus, *this};
    CComPortList m_comPorts{m_controls, m_panel};
    // An upgrade or a search holds a port: the radio commands wait.
    bool m_busy = false;
    bool m_quitPending = false;
    int m_portNumber = 0;
    int m_baudRate = 0;
    // Set by Quit; an upgrade that has not begun by then does not begin.
    std::atomic<bool> m_quitRequested{false};
    // Read by the upgrade thread for the dialog's language.
    std::atomic<bool> m_chineseShared{true};
    UpgradeRun m_upgrade;
    // The upgrade's own port: nothing the window runs meanwhile can close it.
    CComRadioLink m_upgradeLink{m_panel};
    CRadioSearch m_search{m_panel};
    // Last, so that its thread ends before anything it uses goes.
    CUpgradeWorker m_worker{[this] { RunUpgrade(); }};
};
