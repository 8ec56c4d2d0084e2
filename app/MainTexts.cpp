#include "app/MainTexts.h"

#include <cstdio>

#include "app/MainCommandTable.h"
#include "resources/Version.h"

namespace MainTexts {

const TextPair kUnlock = {"解锁", "Unlock"};
const TextPair kMinimizeTip = {"最小化", "Minimize"};
const TextPair kCloseTip = {"关闭", "Close"};
const TextPair kHardwareTip = {"最长4个字符", "Max Char:4"};
const TextPair kPortGroupTitle = {"端口设置", "Communication Port"};
const TextPair kFrequencyGroupTitle = {"发射频率(MHZ)", "TX Frequency(MHZ)"};
const TextPair kWindowTitle = {"维曼外置电台配置工具-" RADIOCONFIG_VERSION_TEXT,
                               "Velmar Configuration Tool-" RADIOCONFIG_VERSION_TEXT};
const char* const kChannelTip = "410.00000MHZ～470.00000MHZ";
const TextPair kQuitPendingSuffix = {" - 升级结束后关闭", " - closing after the upgrade"};

} // namespace MainTexts

namespace {

void Add(CTextList& list, SkinUI::CControlUI* control, const TextPair& text)
{
    list.Add(control, text.chinese, text.english);
}

void AddCommandTexts(CTextList& list, const MainControls& c)
{
    for (const MainCommand& command : CMainCommandTable())
        if (command.button != nullptr && command.text != nullptr) Add(list, c.*command.button, *command.text);
    list.Add(c.menuTitles[MainControls::FileMenu], "文件", "File");
    list.Add(c.menuTitles[MainControls::LanguageMenu], "语言", "Language");
    list.Add(c.menuTitles[MainControls::HelpMenu], "帮助", "Help");
    list.Add(c.defaultButton, "默认值", "Default");
}

void AddMenuItemTexts(CTextList& list, const MainControls& c)
{
    for (const MainCommand& command : CMainCommandTable())
        if (command.item != nullptr && command.text != nullptr) Add(list, c.*command.item, *command.text);
    Add(list, c.titleLabel, MainTexts::kWindowTitle);
}

void AddLabelTexts(CTextList& list, const MainControls& c)
{
    auto listLabel = [&c](RadioList which) { return c.listLabels[static_cast<int>(which)]; };
    auto fieldLabel = [&c](RadioField which) { return c.fieldLabels[static_cast<int>(which)]; };
    list.Add(listLabel(RadioList::Protocol), "协议类型:", "Protocol Type:");
    list.Add(listLabel(RadioList::CurrentChannel), "当前频道:", "Current Channel:");
    list.Add(listLabel(RadioList::PortBaud), "串口波特率:", "Port BaudRate:");
    list.Add(listLabel(RadioList::LinkBaud), "空中波特率:", "Link BaudRate:");
    list.Add(listLabel(RadioList::HighPower), "高功率:", "High Power:");
    list.Add(listLabel(RadioList::LowPower), "低功率:", "Low Power:");
    list.Add(fieldLabel(RadioField::SerialNumber), "序列号:", "SN:");
    list.Add(fieldLabel(RadioField::Hardware), "硬件版本:", "Hardware:");
    list.Add(fieldLabel(RadioField::Firmware), "固件版本:", "Firmware:");
    list.Add(fieldLabel(RadioField::SubFirmware), "子固件版本:", "Sub Firmware:");
    list.Add(listLabel(RadioList::ComPort), "串口号:", "Port:");
    list.Add(listLabel(RadioList::ConnectionRate), "波特率:", "Rate:");
}

void AddChannelTexts(CTextList& list, const MainControls& c)
{
    for (int i = 0; i < MainControls::kChannelCount; ++i) {
        char chinese[32];
        char english[32];
        std::snprintf(chinese, sizeof chinese, "频道%d:", i);
        std::snprintf(english, sizeof english, "Channel%d:", i);
        list.Add(c.channelLabels[i], chinese, english);
    }
}

} // namespace

void AddTextPairs(CTextList& list, const MainControls& controls)
{
    AddCommandTexts(list, controls);
    AddMenuItemTexts(list, controls);
    AddLabelTexts(list, controls);
    AddChannelTexts(list, controls);
}
