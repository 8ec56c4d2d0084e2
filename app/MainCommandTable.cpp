#include "app/MainCommandTable.h"

#include <iterator>

namespace {

using C = MainControls;

const TextPair kConnect = {"连接", "Connect"};
const TextPair kDisconnect = {"断开", "Disconnect"};
const TextPair kRead = {"读取", "Read"};
const TextPair kWrite = {"写入", "Write"};
const TextPair kVerify = {"校验", "Verify"};
const TextPair kFindRadio = {"查找电台", "Find Radio"};
const TextPair kUpgrade = {"升级程序", "Upgrade Firmware"};
const TextPair kImport = {"导入配置", "Import Config"};
const TextPair kExport = {"导出配置", "Export Config"};
const TextPair kExit = {"退出", "Exit"};
const TextPair kLanguage = {"英语", "Chinese"};
const TextPair kAbout = {"关于...", "About..."};

using R = RadioCommand;

// A button and its menu item share one entry; the order is that of the window's text records.
const MainCommand kCommands[] = {
    {MainAction::Connect, &C::connectButton, &C::connectItem, &kConnect, R::Connect, true, true},
    {MainAction::Disconnect, &C::disconnectButton, &C::disconnectItem, &kDisconnect, R::Disconnect, true, true},
    {MainAction::Read, &C::readButton, &C::readItem, &kRead, R::Read, true, true},
    {MainAction::Write, &C::writeButton, &C::writeItem, &kWrite, R::Write, true, true},
    {MainAction::Verify, nullptr, &C::verifyItem, &kVerify, R::Verify, true, false},
    {MainAction::FindRadio, nullptr, &C::findRadioItem, &kFindRadio, R::FindRadio, true, false},
    {MainAction::Upgrade, nullptr, &C::upgradeItem, &kUpgrade, R::UpgradeFirmware, false, false},
    {MainAction::Import, &C::importButton, &C::importItem, &kImport, R::ImportConfig, false, false},
    {MainAction::Export, &C::exportButton, &C::exportItem, &kExport, R::ExportConfig, false, false},
    {MainAction::Quit, nullptr, &C::exitItem, &kExit, std::nullopt, false, false},
    {MainAction::SwitchLanguage, nullptr, &C::languageItem, &kLanguage, std::nullopt, false, false},
    {MainAction::About, nullptr, &C::aboutItem, &kAbout, std::nullopt, false, false},
    // The close button has a tip, not the Exit item's text.
    {MainAction::Quit, &C::closeButton, nullptr, nullptr, std::nullopt, false, true},
    {MainAction::Minimize, &C::minimizeButton, nullptr, nullptr, std::nullopt, false, true},
    {MainAction::FillDefaults, &C::defaultButton, nullptr, nullptr, std::nullopt, false, true},
    {MainAction::UnlockSerialNumber, &C::serialUnlockButton, nullptr, nullptr, std::nullopt, false, false},
    {MainAction::UnlockHardware, &C::hardwareUnlockButton, nullptr, nullptr, std::nullopt, false, false},
};

SkinUI::CButtonUI* Member(const MainControls& controls, SkinUI::CButtonUI* MainControls::*member)
{
    return member != nullptr ? controls.*member : nullptr;
}

} // namespace

const MainCommand* CMainCommandTable::begin()
{
    return std::begin(kCommands);
}

const MainCommand* CMainCommandTable::end()
{
    return std::end(kCommands);
}

const MainCommand* CMainCommandTable::ByButton(const MainControls& controls, const SkinUI::CControlUI* control)
{
    for (const MainCommand& command : kCommands)
        if (control != nullptr && Member(controls, command.button) == control) return &command;
    return nullptr;
}

const MainCommand* CMainCommandTable::ByItem(const MainControls& controls, const SkinUI::CControlUI* control)
{
    for (const MainCommand& command : kCommands)
        if (control != nullptr && Member(controls, command.item) == control) return &command;
    return nullptr;
}

SkinUI::CButtonUI* CMainCommandTable::StatusControl(const MainControls& controls, RadioCommand status)
{
    for (const MainCommand& command : kCommands)
        if (command.status == status) return ControlOf(controls, command);
    return nullptr;
}

SkinUI::CButtonUI* CMainCommandTable::ControlOf(const MainControls& controls, const MainCommand& command)
{
    SkinUI::CButtonUI* button = Member(controls, command.button);
    return button != nullptr ? button : Member(controls, command.item);
}
