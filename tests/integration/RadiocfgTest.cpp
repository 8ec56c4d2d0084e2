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
    while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    return text;
}

HANDLE TemporaryFile(const char* prefix)
{
    char folder[MAX_PATH], name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, prefix, 0, name);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                       FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

std::string Contents(HANDLE file)
{
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    return Drain(file);
}

// Runs radiocfg with the arguments; output goes through files so that a
// chatty child never blocks on a full pipe. A run still going after the
// limit is ended there.
Outcome Radiocfg(const std::string& arguments, DWORD limitMs = 30000)
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
        if (WaitForSingleObject(process.hProcess, limitMs) == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 999);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
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
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) last = line;
    }
    return last;
}

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
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
        if (!radio.IsAvailable()) GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.Start("");
        if (radio2.IsAvailable()) radio2.Start("");
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        configPath = std::string(folder) + "radiocfg-test-" + std::to_string(GetCurrentProcessId());
    }
    void TearDown() override
    {
        DeleteFileA((configPath + ".cfg").c_str());
        DeleteFileA((configPath + ".dwn").c_str());
        DeleteFileA((configPath + ".trace").c_str());
        radio.Start("");
        if (radio2.IsAvailable()) radio2.Start("");
    }

    bool HasSecondRadio() const { return radio2.IsAvailable(); }
    std::string BothPorts() const { return PortArgument() + " --port " + std::to_string(radio2.Port()); }
    std::string Name() const { return "COM" + std::to_string(radio.Port()); }
    std::string Name2() const { return "COM" + std::to_string(radio2.Port()); }

    std::string PortArgument() const { return "--port " + std::to_string(radio.Port()); }
    std::string FileArgument() const { return " \"" + configPath + ".cfg\""; }
    // The radio's own values, in a file.
    void SaveRadiosFile()
    {
        ASSERT_EQ(Radiocfg("read " + PortArgument() + " --out \"" + configPath + "\"").exitCode, 0u);
    }
    // The file with channel 3 changed.
    void ChangeChannel3(const char* value)
    {
        std::string text = ReadWhole(configPath + ".cfg");
        const std::size_t start = text.find("Channel3,");
        ASSERT_NE(start, std::string::npos);
        text.replace(start, text.find('\r', start) - start, std::string("Channel3,") + value);
        std::ofstream(configPath + ".cfg", std::ios::binary) << text;
    }

    CSimulatedRadio radio;
    CSimulatedRadio radio2{"RADIOSIM2"};
    std::string configPath;
};

} // namespace

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
    if (HasSecondRadio()) radio2.Start("--silent");
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

    Outcome json = Radiocfg("detect --json");
    EXPECT_EQ(json.exitCode, 1u);
    EXPECT_EQ(Lines(json.out),
              (std::vector<std::string>{"{", "  \"command\": \"detect\",", "  \"result\": \"Failure\",",
                                        "  \"status\": \"Find Radio Failure\",", "  \"port\": null,",
                                        "  \"baud\": null", "}"}));
    radio.Start("--baud 57600");
    json = Radiocfg("detect --json");
    EXPECT_EQ(json.exitCode, 0u);
    EXPECT_NE(json.out.find("\"result\": \"Success\",\r\n  \"status\": \"Find Radio Success\",\r\n  \"port\": \"" +
                            Name() + "\",\r\n  \"baud\": 57600\r\n}"),
              std::string::npos)
        << json.out;
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

TEST_F(RadiocfgTest, JsonCarriesTheParametersUnderTheFilesKeysAndTheDifferences)
{
    Outcome read = Radiocfg("read --json " + PortArgument());
    EXPECT_EQ(read.exitCode, 0u);
    EXPECT_EQ(read.err, "");
    const std::vector<std::string> lines = Lines(read.out);
    ASSERT_EQ(lines.size(), 27u) << read.out;
    EXPECT_EQ(lines[1], "  \"command\": \"read\",");
    EXPECT_EQ(lines[2], "  \"port\": \"" + Name() + "\",");
    EXPECT_EQ(lines[3], "  \"result\": \"Success\",");
    EXPECT_EQ(lines[6], "  \"parameters\": {");
    EXPECT_EQ(lines[10], "    \"Channel3\": \"414.12500\",");
    EXPECT_EQ(lines[17], "    \"ProtocolType\": \"TRIMTALK\",");
    EXPECT_EQ(lines[18], "    \"CurrentChannel\": \"Channel1\",");
    EXPECT_EQ(lines[19], "    \"PortBaudRate\": \"9600\",");
    EXPECT_EQ(lines[24], "    \"SerialNumber\": \"SN0012345\"");

    SaveRadiosFile();
    ChangeChannel3("440.00000");
    Outcome verify = Radiocfg("verify --json " + PortArgument() + FileArgument());
    EXPECT_EQ(verify.exitCode, 1u);
    EXPECT_EQ(verify.err, "");
    EXPECT_EQ(Lines(verify.out),
              (std::vector<std::string>{"{", "  \"command\": \"verify\",", "  \"port\": \"" + Name() + "\",",
                                        "  \"result\": \"Failure\",", "  \"status\": \"Verify Failure\",",
                                        "  \"messages\": [],", "  \"parameters\": null,", "  \"differences\": [",
                                        "    {", "      \"key\": \"Channel3\",", "      \"file\": \"440.00000\",",
                                        "      \"radio\": \"414.12500\"", "    }", "  ]", "}"}));

    ChangeChannel3("480.0");
    Outcome refused = Radiocfg("write --json " + PortArgument() + FileArgument());
    EXPECT_EQ(refused.exitCode, 1u);
    EXPECT_NE(refused.out.find("\"messages\": [\r\n    \"Channel3: Invalid!\"\r\n  ],"), std::string::npos)
        << refused.out;

    Outcome ports = Radiocfg("ports --json");
    EXPECT_EQ(ports.exitCode, 0u);
    EXPECT_NE(ports.out.find("  \"ports\": [\r\n    \"" + Name() + "\""), std::string::npos) << ports.out;
}

// Each exchange is in the file while the run goes on: a run that never ends
// still leaves what it sent.
TEST_F(RadiocfgTest, TraceRecordsEveryByteAsTheExchangeGoes)
{
    const std::string trace = configPath + ".trace";
    Outcome connect = Radiocfg("connect " + PortArgument() + " --trace \"" + trace + "\"");
    EXPECT_EQ(connect.exitCode, 0u);
    std::vector<std::string> lines = Lines(ReadWhole(trace));
    ASSERT_EQ(lines.size(), 5u) << ReadWhole(trace);
    EXPECT_EQ(lines[0].rfind("# radiocfg connect --port ", 0), 0u);
    const std::string port = " " + Name() + " ";
    EXPECT_EQ(lines[1].substr(12), port + "open 38400");
    EXPECT_EQ(lines[2].substr(12), port + "send 63 6f 6e 74 72 6f 6c 0d |control.|");
    EXPECT_EQ(lines[3].substr(12, port.size() + 5), port + "recv ");
    EXPECT_NE(lines[3].find("|..into config mode..|"), std::string::npos) << lines[3];
    EXPECT_EQ(lines[4].substr(12), port + "close");

    // A search among silent radios takes seconds; it is ended during the first ones.
    radio.Start("--silent");
    if (HasSecondRadio()) radio2.Start("--silent");
    DeleteFileA(trace.c_str());
    Outcome hung = Radiocfg("detect --trace \"" + trace + "\"", 2000);
    EXPECT_EQ(hung.exitCode, 999u);
    lines = Lines(ReadWhole(trace));
    auto traced = [&lines](const std::string& what) {
        return std::any_of(lines.begin(), lines.end(),
                           [&what](const std::string& line) { return line.size() > 12 && line.substr(12) == what; });
    };
    EXPECT_TRUE(traced(port + "open 9600")) << ReadWhole(trace);
    EXPECT_TRUE(traced(port + "send 63 6f 6e 74 72 6f 6c 0d |control.|"));
}

TEST_F(RadiocfgTest, SeveralRadiosAtOnceGiveOneResultLineEach)
{
    if (!HasSecondRadio()) GTEST_SKIP() << "no second simulated radio";
    SaveRadiosFile();
    radio.NewCommands();
    radio2.NewCommands();
    Outcome written = Radiocfg("write " + BothPorts() + FileArgument());
    EXPECT_EQ(written.exitCode, 0u) << written.err;
    EXPECT_EQ(Lines(written.out), (std::vector<std::string>{Name() + " Write Success", Name2() + " Write Success"}));
    EXPECT_EQ(radio.NewCommands().size(), 14u);
    EXPECT_EQ(radio2.NewCommands().size(), 14u);

    radio2.Start("--ignore-set cfg_ch_3");
    ChangeChannel3("440.00000");
    Outcome verified = Radiocfg("write --verify " + BothPorts() + FileArgument());
    EXPECT_EQ(verified.exitCode, 1u);
    EXPECT_EQ(Lines(verified.out), (std::vector<std::string>{Name() + " Verify Success", Name2() + " Verify Failure"}));
    EXPECT_EQ(Lines(verified.err), (std::vector<std::string>{Name2() + ": Channel3: file 440.00000, radio 414.12500"}));

    radio2.Start("--silent");
    Outcome read = Radiocfg("read " + BothPorts());
    EXPECT_EQ(read.exitCode, 1u);
    const std::vector<std::string> lines = Lines(read.out);
    ASSERT_EQ(lines.size(), 20u) << read.out;
    EXPECT_EQ(lines[0], Name() + ": Protocol Type:    TRIMTALK");
    EXPECT_EQ(lines[11], Name() + ": Channel3:         440.00000");
    EXPECT_EQ(lines[18], Name() + " Read Success");
    EXPECT_EQ(lines[19], Name2() + " Read Failure");

    Outcome json = Radiocfg("verify --json " + BothPorts() + FileArgument());
    EXPECT_EQ(json.exitCode, 1u);
    EXPECT_NE(json.out.find("  \"command\": \"verify\",\r\n  \"result\": \"Failure\",\r\n  \"results\": [\r\n    {\r\n"
                            "      \"port\": \"" +
                            Name() + "\",\r\n      \"result\": \"Success\","),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("      \"port\": \"" + Name2() + "\",\r\n      \"result\": \"Failure\","),
              std::string::npos);
}

// As on Windows, a port another program holds is refused, and the others still run.
TEST_F(RadiocfgTest, PortInUseFailsItsRadioOnly)
{
    HANDLE taken = radio.TakePort();
    ASSERT_NE(taken, INVALID_HANDLE_VALUE);
    Outcome read = Radiocfg("read " + PortArgument());
    EXPECT_EQ(read.exitCode, 1u);
    EXPECT_EQ(read.out, "Read Failure\r\n");
    if (HasSecondRadio()) {
        Outcome both = Radiocfg("connect --port " + std::to_string(radio2.Port()));
        EXPECT_EQ(both.exitCode, 0u);
        both = Radiocfg("read " + BothPorts());
        EXPECT_EQ(both.exitCode, 1u);
        const std::vector<std::string> lines = Lines(both.out);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), Name() + " Read Failure");
        EXPECT_EQ(lines.back(), Name2() + " Read Success");
    }
    CloseHandle(taken);
    EXPECT_TRUE(radio.NewCommands().empty());
}
