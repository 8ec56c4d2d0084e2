#pragma once

namespace SkinUI {
class CControlUI;
}

// What the main window's commands ask of the window itself.
class IMainWindowActions {
public:
    virtual ~IMainWindowActions() = default;

    // Ends the program as the Close button does (settings saved).
    virtual void Quit() = 0;
    virtual void Minimize() = 0;
    virtual void RequestUpgrade() = 0;
    virtual void SwitchLanguage() = 0;
    virtual void ShowAbout() = 0;
    // Makes the control give up the focus once the current notification is done.
    virtual void DropFocusLater(SkinUI::CControlUI* control) = 0;
    // Searches every port at every rate for the radio, without holding up the window.
    virtual void FindRadio() = 0;
    // The COM port list dropped down: its ports are read again.
    virtual void ComPortListOpened() = 0;
};
