#include "tests/radio/RadioFixture.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "radio/ConfigFile.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

int FilesIn(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) count += entry.is_regular_file();
    return count;
}

class ConfigFileTest : public RadioFixture {
protected:
    ConfigFileTest() { std::filesystem::create_directory(folder); }
    ~ConfigFileTest() override
    {
        for (const char* name : {"a.cfg", "ro.cfg"}) std::filesystem::remove(folder + name);
        std::filesystem::remove(folder);
    }

    void FillEverything()
    {
        FillWritableValues();
        panel.SelectListItem(RadioList::HighPower, 1);
        panel.SelectListItem(RadioList::LowPower, 2);
    }

    std::string folder = ::testing::TempDir() + "cfgtest" + std::to_string(std::random_device{}()) + "/";
    CConfigFile config{panel};
};

TEST(ExportFileName, AddsTheExtensionUnlessItIsThere)
{
    EXPECT_EQ(CConfigFile::ExportFileName("radio"), "radio.cfg");
    EXPECT_EQ(CConfigFile::ExportFileName("radio.cfg"), "radio.cfg");
    EXPECT_EQ(CConfigFile::ExportFileName("radio.CFG"), "radio.CFG.cfg");
    std::string longName(250, 'x');
    EXPECT_EQ(CConfigFile::ExportFileName(longName), longName);
    EXPECT_EQ(CConfigFile::ExportFileName(longName.substr(1)), longName.substr(1) + ".cfg");
    // The limit counts what the file dialog counts, not the bytes of a UTF-8 name.
    std::string chinese;
    for (int i = 0; i < 249; ++i) chinese += u8"\u9891";
    EXPECT_EQ(CConfigFile::ExportFileName(chinese), chinese + ".cfg");
    EXPECT_EQ(CConfigFile::ExportFileName(chinese + u8"\u9891"), chinese + u8"\u9891");
}

TEST_F(ConfigFileTest, ExportWritesSixteenLinesInOrderWithMinusOneForNoSelection)
{
    EXPECT_NE(config.FormatConfig().find("\r\nProtocolType,-1\r\nCurrentChannel,-1\r\n"), std::string::npos);
    FillEverything();
    panel.SetChosenFile(folder + "a");
    config.ExportConfig();
    std::string expected;
    for (int channel = 0; channel < kChannelCount; ++channel)
        expected += "Channel" + std::to_string(channel) + "," + Frequency(channel) + "\r\n";
    expected +=
        "ProtocolType,1\r\nCurrentChannel,4\r\nPortBaudRate,3\r\nLinkBaudRate,2\r\nHighPower,1\r\nLowPower,2\r\n";
    EXPECT_EQ(ReadFile(folder + "a.cfg"), expected);
    EXPECT_EQ(panel.StatusText(), "Export Config Success");
    EXPECT_FALSE(panel.FileDialogs().back().open);
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST_F(ConfigFileTest, CancelledDialogsChangeNothing)
{
    panel.SetChosenFile("");
    config.ExportConfig();
    config.ImportConfig();
    EXPECT_EQ(panel.StatusText(), "");
    EXPECT_EQ(panel.FileDialogs().size(), 2u);
    EXPECT_EQ(FilesIn(folder), 0);
}

TEST_F(ConfigFileTest, FailedExportKeepsTheExistingFileAndFailuresAreShown)
{
#ifdef _WIN32
    std::ofstream(folder + "ro.cfg", std::ios::binary) << "precious";
    // Held open by another program that shares nothing.
    HANDLE held = CreateFileA((folder + "ro.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FillEverything();
    panel.SetChosenFile(folder + "ro.cfg");
    config.ExportConfig();
    CloseHandle(held);
    EXPECT_EQ(panel.StatusText(), "Export Config Failure");
    EXPECT_EQ(ReadFile(folder + "ro.cfg"), "precious");
    EXPECT_EQ(FilesIn(folder), 1);
#endif

    panel.SetChosenFile(folder + "missing/a.cfg");
    config.ExportConfig();
    EXPECT_EQ(panel.StatusText(), "Export Config Failure");
    // Bytes that are no UTF-8 name no file.
    for (const char* name : {"none.cfg", "\xFF.cfg"}) {
        panel.SetChosenFile(folder + name);
        config.ImportConfig();
        EXPECT_EQ(panel.StatusText(), "Import Config Failure");
    }
}

// A file name in UTF-8 with characters no single code page holds is written,
// and read back under that very name into a window that restores every field.
TEST_F(ConfigFileTest, ExportedFileOfAnyNameRestoresEveryField)
{
    FillEverything();
    const std::string name = folder + u8"\u914d\u7f6e J\u00f6rg \u0141\u00f3d\u017a.cfg";
    panel.SetChosenFile(name);
    config.ExportConfig();
    EXPECT_EQ(panel.StatusText(), "Export Config Success");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::u8path(name)));

    CMemoryRadioPanel fresh;
    fresh.OnProtocolSelected([&](int protocol) { CRadioOperations(fresh, link).OfferLinkRates(protocol); });
    CRadioOperations(fresh, link).FillValueLists();
    fresh.SetChosenFile(name);
    CConfigFile(fresh).ImportConfig();
    EXPECT_EQ(fresh.StatusText(), "Import Config Success");
    for (int channel = 0; channel < kChannelCount; ++channel) EXPECT_EQ(fresh.ChannelText(channel), Frequency(channel));
    for (RadioList list : {RadioList::Protocol, RadioList::CurrentChannel, RadioList::PortBaud, RadioList::LinkBaud,
                           RadioList::HighPower, RadioList::LowPower})
        EXPECT_EQ(fresh.SelectedIndex(list), panel.SelectedIndex(list));
    EXPECT_TRUE(std::filesystem::remove(std::filesystem::u8path(name)));
}

TEST_F(ConfigFileTest, EveryLineEndingImportsTheSameValues)
{
    for (const char* ending : {"\r", "\n", "\r\n", "\r\r\n"}) {
        CMemoryRadioPanel fresh;
        CRadioOperations(fresh, link).FillValueLists();
        std::string text = std::string("Channel2,433.00000") + ending + "PortBaudRate,4" + ending + "HighPower,2";
        CConfigFile(fresh).ApplyConfig(text);
        EXPECT_EQ(fresh.ChannelText(2), "433.00000");
        EXPECT_EQ(fresh.SelectedIndex(RadioList::PortBaud), 4);
        EXPECT_EQ(fresh.SelectedIndex(RadioList::HighPower), 2);
    }
}

// Only the second piece of a line is its value.
TEST_F(ConfigFileTest, KeysMatchAsSubstringsAndLongLinesComeInPieces)
{
    config.ApplyLine("Channel10,420.00000");
    EXPECT_EQ(panel.ChannelText(1), "420.00000");
    EXPECT_EQ(panel.ChannelText(0), "");
    config.ApplyLine("Channel4,431.00000,junk,more");
    EXPECT_EQ(panel.ChannelText(4), "431.00000");
    for (const char* line : {"Channel5,", "Channel5", "", "Unknown,3"}) config.ApplyLine(line);
    EXPECT_EQ(panel.ChannelText(5), "");
    config.ApplyConfig("Channel7," + std::string(300, '4'));
    EXPECT_EQ(panel.ChannelText(7), std::string(CConfigFile::kMaxPieceLength - 9, '4'));
    config.ApplyConfig(std::string(CConfigFile::kMaxPieceLength, 'x') + "Channel8,433.00000");
    EXPECT_EQ(panel.ChannelText(8), "433.00000");
}

TEST_F(ConfigFileTest, ListValuesFollowTheSelectionRule)
{
    config.ApplyLine("ProtocolType,12");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), 8);
    config.ApplyLine("ProtocolType,-1");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), -1);
    config.ApplyLine("PortBaudRate,x");
    EXPECT_EQ(panel.SelectedIndex(RadioList::PortBaud), 0);
    config.ApplyConfig("LinkBaudRate,0\r\nProtocolType,1\r\n"); // the protocol's offer replaces the rate
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 9600");
    panel.SetChannelText(4, "469.00000");
    config.ApplyConfig("ProtocolType,2\r\nLinkBaudRate,0\r\nChannel3,411.00000\r\nChannel3,412.00000\r\n");
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 4800");
    EXPECT_EQ(panel.ChannelText(3), "412.00000");
    EXPECT_EQ(panel.ChannelText(4), "469.00000");
    // Importing the protocol already selected offers its rates again, as after a read without a link rate.
    panel.ClearList(RadioList::LinkBaud);
    panel.AddListItem(RadioList::LinkBaud, "UNKNOW");
    panel.SelectListItem(RadioList::LinkBaud, 0);
    config.ApplyConfig("ProtocolType,2\r\nLinkBaudRate,2\r\n");
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 3);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
}

} // namespace
