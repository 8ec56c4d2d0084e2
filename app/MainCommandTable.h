#pragma once

#include <optional>

#include "app/MainControls.h"
#include "app/MainTexts.h"
#include "radio/RadioPanel.h"

// What a button or a menu item of the main window does.
enum class MainAction {
    Connect,
    Disconnect,
    Read,
    Write,
    Verify,
    FindRadio,
    Upgrade,
    Import,
    Export,
    Quit,
    SwitchLanguage,
    About,
    Minimize,
    FillDefaults,
    UnlockSerialNumber,
    UnlockHardware
};

// One command of the main window: the button and the menu item that run it
// (either may be absent), and what the window does with them.
struct MainCommand {
    MainAction action;
    SkinUI::CButtonUI* MainControls::*button;
    SkinUI::CButtonUI* MainControls::*item;
    // The text the button and the item share; null where they have their own.
    const TextPair* text;
    // The command whose result the status label shows, if any.
    std::optional<RadioCommand> status;
    // Disabled while a command runs; its button also needs a COM port.
    bool heldWhileBusy;
    // Pressing the button runs no pending channel check: radio commands check for themselves.
    bool buttonSkipsChannelCheck;
};

class CMainCommandTable {
public:
    // In the order of the window's text records.
    static const MainCommand* begin();
    static const MainCommand* end();

    // The command run by the control as a button or as a menu item, or null.
    static const MainCommand* ByButton(const MainControls& controls, const SkinUI::CControlUI* control);
    static const MainCommand* ByItem(const MainControls& controls, const SkinUI::CControlUI* control);
    // The control whose text names the command's result: its button, or its menu item.
    static SkinUI::CButtonUI* StatusControl(const MainControls& controls, RadioCommand command);
    static SkinUI::CButtonUI* ControlOf(const MainControls& controls, const MainCommand& command);
};
