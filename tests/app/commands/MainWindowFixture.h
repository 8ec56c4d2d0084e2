#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinUI/Core/INotifyUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "app/MainCommands.h"
#include "app/MainMenus.h"
#include "app/MainRadioPanel.h"
#include "app/MainWindowActions.h"
#include "radio/ConfigFile.h"
#include "radio/RadioOperations.h"
#include "radio/RadioVerifier.h"
#include "tests/SkinUI/support/TestWindow.h"
#include "tests/app/MainWindowParts.h"

// The window's panel with error boxes, reports and file dialogs recorded instead of shown.
struct RecordingPanel : CMainRadioPanel {
    using CMainRadioPanel::CMainRadioPanel;
    // Dispatches what is queued, as the modal box's own loop does.
    void ShowError(const std::string& message, const std::string&) override
    {
        errors.push_back(message);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    void ShowReport(const std::string& message, const std::string&) override { reports.push_back(message); }
    bool ChooseFile(std::string&, const FileDialogRequest& request) override
    {
        dialogs.push_back(request);
        return false;
    }
    std::vector<std::string> errors;
    std::vector<std::string> reports;
    std::vector<FileDialogRequest> dialogs;
};

// A COM port that cannot be opened, so every exchange fails at once.
struct DeadTransport : ISerialTransport {
    bool Open(int, int) override { return ++opens, false; }
    bool StartMonitor() override { return false; }
    bool Send(const void*, std::size_t) override { return false; }
    void Close() override { ++closes; }
    int opens = 0;
    int closes = 0;
};

struct RecordingActions : IMainWindowActions {
    void Quit() override { calls.push_back("Quit"); }
    void Minimize() override { calls.push_back("Minimize"); }
    void RequestUpgrade() override { calls.push_back("Upgrade"); }
    void SwitchLanguage() override { calls.push_back("Language"); }
    void ShowAbout() override { calls.push_back("About"); }
    void FindRadio() override { calls.push_back("FindRadio"); }
    void ComPortListOpened() override { calls.push_back("ComPortListOpened"); }
    // What the window does with the posted request, done at once.
    void DropFocusLater(SkinUI::CControlUI* control) override
    {
        control->SetEnabled(!control->IsEnabled());
        control->SetEnabled(!control->IsEnabled());
    }
    std::vector<std::string> calls;
};

// The main window's controls from the window's builder, in English, in a
// test window whose notifications go to CMainCommands as in the window.
class MainWindowTest : public ::testing::Test, public SkinUI::INotifyUI {
protected:
    MainWindowTest()
    {
        auto* main = new SkinUI::CVerticalLayoutUI;
        BuildMainWindow(main, controls, texts, false);
        window.GetManager().AttachDialog(main);
        window.GetManager().AddNotifier(this);
        panel.SetChinese(false);
        operations.FillValueLists();
        for (RadioField field :
             {RadioField::Firmware, RadioField::SubFirmware, RadioField::Hardware, RadioField::SerialNumber})
            panel.SetFieldEnabled(field, false);
        window.Repaint();
    }
    ~MainWindowTest() override { window.GetManager().RemoveNotifier(this); }

    void Notify(SkinUI::TNotifyMsg& msg) override
    {
        if (!commands.Notify(msg)) notPassedOn.push_back(msg.pSender);
    }
    void Click(SkinUI::CControlUI* control)
    {
        const LPARAM at = Centre(control);
        window.Send(WM_MOUSEMOVE, 0, at);
        window.Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        window.Send(WM_LBUTTONUP, 0, at);
        window.PumpMessages();
    }
    // As the window's mouse handler reports the move to the menus.
    void MoveMouseOver(SkinUI::CControlUI* control)
    {
        const LPARAM at = Centre(control);
        window.Send(WM_MOUSEMOVE, 0, at);
        menus.TrackMenuHover(POINT{LOWORD(at), HIWORD(at)});
    }
    // Clicks into the edit unless its native editor, which takes real clicks, is open; then types.
    void Type(SkinUI::CEditUI* edit, const char* text)
    {
        if (edit->GetNativeWindow() == nullptr) Click(edit);
        ::SendMessageA(edit->GetNativeWindow(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        for (const char* c = text; *c != '\0'; ++c)
            ::SendMessageA(edit->GetNativeWindow(), WM_CHAR, static_cast<unsigned char>(*c), 0);
    }
    SkinUI::CControlUI* Focus() { return window.GetManager().GetFocus(); }
    static LPARAM Centre(const SkinUI::CControlUI* control)
    {
        const RECT& rc = control->GetPos();
        return SkinUI::CTestWindow::Point((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }

    SkinUI::CTestWindow window{588, 489};
    MainControls controls;
    CTextList texts;
    RecordingPanel panel{controls};
    DeadTransport transport;
    CRadioLink link{panel, transport};
    CRadioOperations operations{panel, link};
    CRadioVerifier verifier{panel, link};
    CConfigFile config{panel};
    CMainMenus menus{controls, window.GetManager()};
    RecordingActions actions;
    CMainCommands commands{controls, operations, verifier, config, menus, actions};
    std::vector<SkinUI::CControlUI*> notPassedOn;
};
