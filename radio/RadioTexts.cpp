#include "radio/RadioTexts.h"

#include <cstdio>

namespace RadioTexts {

namespace {

const char* Pick(bool chinese, const char* chineseText, const char* englishText)
{
    return chinese ? chineseText : englishText;
}

std::string WithNumber(const char* format, int number)
{
    char text[64];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

const char* const kConfigFilter = "Config File(*.cfg)";
const char* const kConfigPattern = "*.cfg";

} // namespace

std::string ResultSuffix(bool chinese, bool success)
{
    return success ? Pick(chinese, "成功", " Success") : Pick(chinese, "失败", " Failure");
}

std::string ErrorCaption(bool chinese)
{
    return Pick(chinese, "错误", "Error");
}

std::string ChannelInvalid(bool chinese, int channel)
{
    return WithNumber(Pick(chinese, "频道%d: 无效！", "Channel%d: Invalid!"), channel);
}

std::string InvalidSuffix(bool chinese)
{
    return Pick(chinese, "无效！", "Invalid!");
}

std::string CurrentChannelItem(bool chinese, int number)
{
    return WithNumber(Pick(chinese, " 频道%d", " Channel%d"), number);
}

std::string ChannelName(bool chinese, int channel)
{
    return WithNumber(Pick(chinese, "频道%d:", "Channel%d:"), channel);
}

std::string Difference(bool chinese, bool fromFile, const std::string& name, const std::string& held,
                       const std::string& radio)
{
    const char* none = Pick(chinese, "无", "none");
    const char* holder = fromFile ? Pick(chinese, "文件", "file") : Pick(chinese, "窗口", "window");
    return name + " " + holder + " " + (held.empty() ? none : held) + Pick(chinese, "，电台 ", ", radio ") +
           (radio.empty() ? none : radio);
}

std::string Percent(unsigned progress)
{
    return WithNumber("%d%%", static_cast<int>(progress / 100));
}

std::string PortAndRate(int port, int baud)
{
    return "COM" + std::to_string(port) + " " + std::to_string(baud);
}

std::string OperationStatus(const IRadioPanel& panel, RadioCommand command, bool success)
{
    return panel.CommandText(command) + ResultSuffix(panel.IsChinese(), success);
}

FileDialogRequest ExportConfigDialog(bool chinese)
{
    return {Pick(chinese, "导出配置", "Export Config"), kConfigFilter, kConfigPattern, false};
}

FileDialogRequest ImportConfigDialog(bool chinese)
{
    return {Pick(chinese, "导入配置", "Import Config"), kConfigFilter, kConfigPattern, true};
}

FileDialogRequest FirmwareDialog(bool chinese)
{
    return {Pick(chinese, "选择文件", "Select File"), Pick(chinese, "程序文件(*.dwn)", "Firmware File(*.dwn)"), "*.dwn",
            true};
}

} // namespace RadioTexts
