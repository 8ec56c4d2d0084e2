#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/integration/RecordingUpgradeReporter.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

struct Outcome {
    DWORD exitCode = 999;
    std::string out;
    std::string err;
};

std::string Drain(HANDLE pipe)
{
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0)
        text.append(chunk, got);
    return text;
}

HANDLE TemporaryFile(const char* prefix)
{
    char folder[MAX_PATH], name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, prefix, 0, name);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

std::string Contents(HANDLE file)
{
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    return Drain(file);
}

// Runs radiocfg with the arguments; output goes through files so that a
// chatty child never blocks on a full pipe.
Outcome Radiocfg(const std::string& arguments)
{
    HANDLE out = TemporaryFile("out");
    HANDLE err = TemporaryFile("err");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    // Arguments are UTF-8, as radiocfg reads them from the wide command line.
    std::wstring command = std::filesystem::u8path("\"" + WindowsPathOf(RADIOCFG_EXE) + "\" " + arguments).wstring();
    PROCESS_INFORMATION process{};
    Outcome outcome;
    if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &outcome.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    outcome.out = Contents(out);
    outcome.err = Contents(err);
    CloseHandle(out);
    CloseHandle(err);
    return outcome;
}

std::string LastLine(const std::string& text)
{
    std::istringstream lines(text);
    std::string line, last;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            last = line;
    }
    return last;
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class RadiocfgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!radio.IsAvailable())
            GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.Start("");
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        configPath = std::string(folder) + "radiocfg-test-" + std::to_string(GetCurrentProcessId());
    }
    void TearDown() override
    {
        DeleteFileA((configPath + ".cfg").c_str());
        DeleteFileA((configPath + ".dwn").c_str());
        radio.Start("");
    }

    std::string PortArgument() const { return "--port " + std::to_string(radio.Port()); }

    CSimulatedRadio radio;
    std::string configPath;
};

}  // namespace

TEST_F(RadiocfgTest, ReadPrintsTheParametersAndExportsThem)
{
    Outcome read = Radiocfg("read " + PortArgument() + " --out \"" + configPath + "\"");
    EXPECT_EQ(read.exitCode, 0u) << read.err;
    EXPECT_NE(read.out.find("Read Success"), std::string::npos);
    EXPECT_EQ(LastLine(read.out), "Export Config Success");
    EXPECT_NE(read.out.find("TRIMTALK"), std::string::npos);
    EXPECT_NE(read.out.find("420.12500"), std::string::npos);
    std::string saved = ReadWhole(configPath + ".cfg");
    EXPECT_EQ(saved.compare(0, 20, "Channel0,411.12500\r\n"), 0);
    EXPECT_NE(saved.find("\r\nProtocolType,0\r\nCurrentChannel,0\r\n"), std::string::npos);
}

// A file name with characters no single code page holds, given on the command line.
TEST_F(RadiocfgTest, FilesOfAnyNameAreExportedAndVerified)
{
    const std::string name = configPath + u8" \u914d\u7f6e J\u00f6rg \u0141\u00f3d\u017a";
    ASSERT_EQ(Radiocfg("read " + PortArgument() + " --out \"" + name + "\"").exitCode, 0u);
    std::ifstream saved(std::filesystem::path(std::filesystem::u8path(name).wstring() + L".cfg"), std::ios::binary);
    std::string first;
    EXPECT_TRUE(std::getline(saved, first) && first == "Channel0,411.12500\r");
    saved.close();
    Outcome verify = Radiocfg("verify " + PortArgument() + " \"" + name + ".cfg\"");
    EXPECT_EQ(LastLine(verify.out), "Verify Success") << verify.err;
    std::filesystem::remove(std::filesystem::u8path(name + ".cfg"));
}

TEST_F(RadiocfgTest, WriteSendsTheImportedFileAndTheIdentity)
{
    ASSERT_EQ(Radiocfg("read " + PortArgument() + " --out \"" + configPath + "\"").exitCode, 0u);
    radio.NewCommands();
    Outcome write = Radiocfg("write " + PortArgument() + " --sn RS900 --hw H9 \"" + configPath + ".cfg\"");
    EXPECT_EQ(write.exitCode, 0u) << write.err;
    EXPECT_EQ(LastLine(write.out), "Write Success");
    std::vector<std::string> commands = radio.NewCommands();
    ASSERT_EQ(commands.size(), 16u);
    EXPECT_EQ(commands[0], "cfg_ch_0 411.12500\\r");
    EXPECT_EQ(commands[14], "cfg_sern RS900\\r");
}

TEST_F(RadiocfgTest, VerifyComparesTheRadioWithAFile)
{
    ASSERT_EQ(Radiocfg("read " + PortArgument() + " --out \"" + configPath + "\"").exitCode, 0u);
    const std::string file = " \"" + configPath + ".cfg\"";
    Outcome same = Radiocfg("verify " + PortArgument() + file);
    EXPECT_EQ(same.exitCode, 0u) << same.err;
    EXPECT_EQ(LastLine(same.out), "Verify Success");
    EXPECT_EQ(same.err, "");

    // The radio acknowledges channel 3 and keeps its own: Write alone would say Success.
    std::string text = ReadWhole(configPath + ".cfg");
    text.replace(text.find("Channel3,414.12500"), 18, "Channel3,440.00000");
    std::ofstream(configPath + ".cfg", std::ios::binary) << text;
    radio.Start("--ignore-set cfg_ch_3");
    Outcome written = Radiocfg("write --verify " + PortArgument() + file);
    EXPECT_EQ(written.exitCode, 1u);
    EXPECT_NE(written.out.find("Write Success"), std::string::npos);
    EXPECT_EQ(LastLine(written.out), "Verify Failure");
    EXPECT_EQ(LastLine(written.err), "Channel3: file 440.00000, radio 414.12500");

    radio.Start("--silent");
    Outcome unread = Radiocfg("verify " + PortArgument() + file);
    EXPECT_EQ(unread.exitCode, 1u);
    EXPECT_EQ(LastLine(unread.out), "Verify Failure");
    EXPECT_EQ(unread.err, "");
}

TEST_F(RadiocfgTest, InvalidFileIsRefusedOnStandardError)
{
    std::ofstream file(configPath + ".cfg", std::ios::binary);
    for (int channel = 0; channel < 10; ++channel)
        file << "Channel" << channel << "," << (channel == 3 ? "480.0" : "433.00000") << "\r\n";
    file << "ProtocolType,0\r\nCurrentChannel,0\r\nPortBaudRate,0\r\nLinkBaudRate,0\r\n";
    file.close();
    Outcome write = Radiocfg("write " + PortArgument() + " \"" + configPath + ".cfg\"");
    EXPECT_EQ(write.exitCode, 1u);
    EXPECT_EQ(LastLine(write.out), "Write Failure");
    EXPECT_NE(write.err.find("Channel3: Invalid!"), std::string::npos) << write.err;
    EXPECT_TRUE(radio.NewCommands().empty());
}

TEST_F(RadiocfgTest, FailuresAndWrongUsageHaveTheirExitStatus)
{
    radio.Start("--silent");
    Outcome silent = Radiocfg("connect " + PortArgument());
    EXPECT_EQ(silent.exitCode, 1u);
    EXPECT_EQ(LastLine(silent.out), "Connect Failure");
    Outcome usage = Radiocfg("read --port 7 --baud 1200");
    EXPECT_EQ(usage.exitCode, 2u);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
    Outcome absent = Radiocfg("read --port 42");
    EXPECT_EQ(absent.exitCode, 2u);
    EXPECT_FALSE(absent.err.empty());
}

TEST_F(RadiocfgTest, PortsListsTheRegisteredPorts)
{
    Outcome ports = Radiocfg("ports");
    EXPECT_EQ(ports.exitCode, 0u);
    EXPECT_NE(ports.out.find("COM" + std::to_string(radio.Port())), std::string::npos) << ports.out;
}

// The radio at a rate the tool does not default to is found there and left
// out of configuration mode; with nothing answering, the search fails.
TEST_F(RadiocfgTest, DetectFindsTheRadiosPortAndRate)
{
    radio.Start("--baud 57600");
    radio.NewCommands();
    Outcome found = Radiocfg("detect");
    EXPECT_EQ(found.exitCode, 0u) << found.err;
    EXPECT_NE(found.out.find("COM" + std::to_string(radio.Port()) + " 57600\r\n"), std::string::npos) << found.out;
    EXPECT_EQ(LastLine(found.out), "Find Radio Success");
    const std::vector<std::string> tried = {"<at 9600 baud> control\\r", "<at 19200 baud> control\\r",
                                            "<at 38400 baud> control\\r", "control\\r", "exitcnt\\r"};
    EXPECT_EQ(radio.NewCommands(), tried);

    radio.Start("--silent");
    Outcome absent = Radiocfg("detect");
    EXPECT_EQ(absent.exitCode, 1u);
    EXPECT_EQ(absent.out, "Find Radio Failure\r\n");
    EXPECT_EQ(radio.NewCommands(), std::vector<std::string>(5, "control\\r"));
}

TEST_F(RadiocfgTest, UpgradePrintsEveryProgressStepAndTheResult)
{
    WriteFirmwareFile(configPath + ".dwn", FirmwareImage(4096 + 256 * 4));
    std::string call = "upgrade " + PortArgument() + " \"" + configPath + ".dwn\"";
    Outcome upgrade = Radiocfg(call);
    EXPECT_EQ(upgrade.exitCode, 0u) << upgrade.err;
    std::string lines = upgrade.out;
    lines.erase(std::remove(lines.begin(), lines.end(), '\r'), lines.end());
    EXPECT_NE(lines.find("Progress 40.00%\nProgress 60.00%\nProgress 80.00%\nProgress 100.00%\n"), std::string::npos)
        << lines;
    EXPECT_EQ(LastLine(upgrade.out), "Upgrade Firmware Success");
    EXPECT_EQ(radio.NewCommands().back(), "ISP finish");

    radio.Start("--boot-fail 2");
    Outcome refused = Radiocfg(call);
    EXPECT_EQ(refused.exitCode, 1u);
    EXPECT_EQ(LastLine(refused.out), "Upgrade Firmware Failure");

    Outcome usage = Radiocfg("upgrade " + PortArgument());
    EXPECT_EQ(usage.exitCode, 2u);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
}
