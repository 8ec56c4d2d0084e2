#include "tests/radio/RadioFixture.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "radio/ConfigFile.h"

namespace {

std::string TemporaryFolder()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "cfgtest" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

int FilesIn(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    int count = 0;
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

}  // namespace

class ConfigFileTest : public RadioFixture {
protected:
    ~ConfigFileTest() override
    {
        for (const char* name : {"a.cfg", "b.cfg", "ro.cfg", "in.cfg"}) {
            SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((folder + name).c_str());
        }
        RemoveDirectoryA(folder.c_str());
    }

    void FillEverything()
    {
        FillWritableValues();
        panel.SelectListItem(RadioList::HighPower, 1);
        panel.SelectListItem(RadioList::LowPower, 2);
    }

    void Import(const std::string& text)
    {
        WriteFile(folder + "in.cfg", text);
        panel.SetChosenFile(folder + "in.cfg");
        config.ImportConfig();
    }

    std::string folder = TemporaryFolder();
    CConfigFile config{panel};
};

TEST(ExportFileName, AddsTheExtensionUnlessItIsThere)
{
    EXPECT_EQ(CConfigFile::ExportFileName("radio"), "radio.cfg");
    EXPECT_EQ(CConfigFile::ExportFileName("radio.cfg"), "radio.cfg");
    EXPECT_EQ(CConfigFile::ExportFileName("radio.CFG"), "radio.CFG.cfg");
    EXPECT_EQ(CConfigFile::ExportFileName(".cfg"), ".cfg.cfg");
    std::string longName(250, 'x');
    EXPECT_EQ(CConfigFile::ExportFileName(longName), longName);
    EXPECT_EQ(CConfigFile::ExportFileName(longName.substr(1)), longName.substr(1) + ".cfg");
}

TEST_F(ConfigFileTest, ExportWritesSixteenLinesInOrder)
{
    FillEverything();
    panel.SetChosenFile(folder + "a");
    config.ExportConfig();
    std::string expected;
    for (int channel = 0; channel < kChannelCount; ++channel)
        expected += "Channel" + std::to_string(channel) + "," + Frequency(channel) + "\r\n";
    expected += "ProtocolType,1\r\nCurrentChannel,4\r\nPortBaudRate,3\r\nLinkBaudRate,2\r\nHighPower,1\r\nLowPower,2\r\n";
    EXPECT_EQ(ReadFile(folder + "a.cfg"), expected);
    EXPECT_EQ(panel.StatusText(), "Export Config Success");
    EXPECT_TRUE(panel.StatusSuccess());
    EXPECT_FALSE(panel.FileDialogs().back().open);
    EXPECT_EQ(panel.FileDialogs().back().title, "Export Config");
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST_F(ConfigFileTest, UnselectedListsAreWrittenAsMinusOne)
{
    EXPECT_NE(config.FormatConfig().find("\r\nProtocolType,-1\r\nCurrentChannel,-1\r\n"), std::string::npos);
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

TEST_F(ConfigFileTest, FailedExportKeepsTheExistingFileAndSaysSo)
{
    WriteFile(folder + "ro.cfg", "precious");
    // Held open by another program that shares nothing.
    HANDLE held = CreateFileA((folder + "ro.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FillEverything();
    panel.SetChosenFile(folder + "ro.cfg");
    config.ExportConfig();
    CloseHandle(held);
    EXPECT_EQ(panel.StatusText(), "Export Config Failure");
    EXPECT_FALSE(panel.StatusSuccess());
    EXPECT_EQ(ReadFile(folder + "ro.cfg"), "precious");
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST_F(ConfigFileTest, ExportIntoAMissingFolderFails)
{
    panel.SetChosenFile(folder + "missing\\a.cfg");
    config.ExportConfig();
    EXPECT_EQ(panel.StatusText(), "Export Config Failure");
}

TEST_F(ConfigFileTest, ExportedFileRestoresEveryField)
{
    FillEverything();
    panel.SetChosenFile(folder + "b.cfg");
    config.ExportConfig();

    CMemoryRadioPanel fresh;
    fresh.OnProtocolSelected([&](int protocol) {
        CRadioOperations(fresh, link).OfferLinkRates(protocol);
    });
    CRadioOperations(fresh, link).FillValueLists();
    fresh.SetChosenFile(folder + "b.cfg");
    CConfigFile(fresh).ImportConfig();
    EXPECT_EQ(fresh.StatusText(), "Import Config Success");
    EXPECT_TRUE(fresh.FileDialogs().back().open);
    for (int channel = 0; channel < kChannelCount; ++channel)
        EXPECT_EQ(fresh.ChannelText(channel), Frequency(channel));
    for (RadioList list : {RadioList::Protocol, RadioList::CurrentChannel, RadioList::PortBaud, RadioList::LinkBaud,
                           RadioList::HighPower, RadioList::LowPower})
        EXPECT_EQ(fresh.SelectedIndex(list), panel.SelectedIndex(list));
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

TEST_F(ConfigFileTest, KeysMatchAsSubstringsInReaderOrder)
{
    config.ApplyLine("Channel10,420.00000");
    EXPECT_EQ(panel.ChannelText(1), "420.00000");
    EXPECT_EQ(panel.ChannelText(0), "");
    config.ApplyLine("xxLowPowerxx,1");
    EXPECT_EQ(panel.SelectedIndex(RadioList::LowPower), 1);
}

TEST_F(ConfigFileTest, OnlyTheSecondPieceIsTheValue)
{
    config.ApplyLine("Channel4,431.00000,junk,more");
    EXPECT_EQ(panel.ChannelText(4), "431.00000");
    config.ApplyLine("Channel5,");
    config.ApplyLine("Channel5");
    config.ApplyLine("");
    config.ApplyLine("Unknown,3");
    EXPECT_EQ(panel.ChannelText(5), "");
}

TEST_F(ConfigFileTest, ListValuesFollowTheSelectionRule)
{
    config.ApplyLine("ProtocolType,12");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), 8);
    config.ApplyLine("CurrentChannel, 7 channels");
    EXPECT_EQ(panel.SelectedIndex(RadioList::CurrentChannel), 7);
    config.ApplyLine("ProtocolType,-1");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), -1);
    config.ApplyLine("PortBaudRate,x");
    EXPECT_EQ(panel.SelectedIndex(RadioList::PortBaud), 0);
}

TEST_F(ConfigFileTest, LinkRateBeforeTheProtocolIsOverridden)
{
    config.ApplyConfig("LinkBaudRate,0\r\nProtocolType,1\r\n");
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 9600");
    config.ApplyConfig("ProtocolType,2\r\nLinkBaudRate,0\r\n");
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 4800");
}

TEST_F(ConfigFileTest, LaterLineWinsAndMissingKeysLeaveFieldsAlone)
{
    panel.SetChannelText(9, "469.00000");
    Import("Channel3,411.00000\r\nChannel3,412.00000\r\n");
    EXPECT_EQ(panel.ChannelText(3), "412.00000");
    EXPECT_EQ(panel.ChannelText(9), "469.00000");
    EXPECT_EQ(panel.StatusText(), "Import Config Success");
}

TEST_F(ConfigFileTest, LongLinesComeInPieces)
{
    std::string text = "Channel7," + std::string(300, '4');
    config.ApplyConfig(text);
    EXPECT_EQ(panel.ChannelText(7), std::string(CConfigFile::kMaxPieceLength - 9, '4'));
    config.ApplyConfig(std::string(CConfigFile::kMaxPieceLength, 'x') + "Channel8,433.00000");
    EXPECT_EQ(panel.ChannelText(8), "433.00000");
}

TEST_F(ConfigFileTest, MissingFileReportsFailure)
{
    panel.SetChosenFile(folder + "none.cfg");
    config.ImportConfig();
    EXPECT_EQ(panel.StatusText(), "Import Config Failure");
}
