// radiocfg as a program against two simulated radios: under Wine the bench's
// on COM ports, natively two on socat cables of the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "tests/integration/RadioOnCable.h"
#endif
#include "tests/integration/SimulatedRadio.h"

namespace {

using Lines = std::vector<std::string>;

std::string WithoutCarriageReturns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

Lines LinesOf(const std::string& text)
{
    std::istringstream stream(WithoutCarriageReturns(text));
    Lines lines;
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string LastLine(const std::string& text)
{
    const Lines lines = LinesOf(text);
    return lines.empty() ? "" : lines.back();
}

#ifdef _WIN32
// As the cable fixture's on other systems; line ends as "\n" on every system.
struct ChildOutcome {
    int exitCode = -1; // -1: ended at the limit
    std::string out;
    std::string err;
};

HANDLE TemporaryFile()
{
    char folder[MAX_PATH], name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "out", 0, name);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                       FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

std::string Contents(HANDLE file)
{
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return WithoutCarriageReturns(text);
}

// Output goes through files, so that a chatty child never blocks on a full
// pipe; the arguments are UTF-8, as radiocfg reads them from the wide command line.
ChildOutcome RunChild(const std::vector<std::string>& arguments, int limitMs)
{
    std::string line;
    for (const std::string& argument : arguments) line += "\"" + argument + "\" ";
    std::wstring command = std::filesystem::u8path(line).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = TemporaryFile();
    startup.hStdError = TemporaryFile();
    PROCESS_INFORMATION process{};
    ChildOutcome outcome;
    if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        const bool ended = WaitForSingleObject(process.hProcess, limitMs) == WAIT_OBJECT_0;
        if (!ended) TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (ended && GetExitCodeProcess(process.hProcess, &code)) outcome.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    outcome.out = Contents(startup.hStdOutput);
    outcome.err = Contents(startup.hStdError);
    return outcome;
}

// The bench's two radios on COM ports.
class CRadios {
public:
    bool IsRunning() const { return m_radios[0].IsAvailable() && m_radios[1].IsAvailable(); }
    CSimulatedRadio& Radio(int index) { return m_radios[index]; }
    std::string Port(int index) const { return std::to_string(m_radios[index].Port()); }
    std::string Name(int index) const { return "COM" + Port(index); }
    std::string Folder() const { return std::filesystem::temp_directory_path().u8string(); }
    bool Hold(int index) { return (m_held = m_radios[index].TakePort()) != INVALID_HANDLE_VALUE; }
    void Release() { CloseHandle(m_held); }

private:
    CSimulatedRadio m_radios[2] = {CSimulatedRadio("RADIOSIM"), CSimulatedRadio("RADIOSIM2")};
    HANDLE m_held = INVALID_HANDLE_VALUE;
};
#else
// Two radios on cables of their own, named by their devices.
class CRadios {
public:
    CRadios()
    {
        if (RadiosimProgram().empty() || m_folder.empty()) return;
        for (const char* name : {"radio", "radio2"})
            m_cables.push_back(std::make_unique<CRadioOnCable>(m_folder, name));
    }
    ~CRadios()
    {
        m_cables.clear();
        if (!m_folder.empty()) std::filesystem::remove_all(m_folder);
    }

    bool IsRunning() const { return m_cables.size() == 2 && m_cables[0]->IsRunning() && m_cables[1]->IsRunning(); }
    CSimulatedRadio& Radio(int index) { return m_cables[index]->Radio(); }
    std::string Port(int index) const { return m_cables[index]->Device(); }
    std::string Name(int index) const { return Port(index); }
    const std::string& Folder() const { return m_folder; }
    bool Hold(int index)
    {
        m_held = open(Port(index).c_str(), O_RDWR | O_NOCTTY);
        return m_held >= 0 && flock(m_held, LOCK_EX | LOCK_NB) == 0;
    }
    void Release() { close(m_held); }

private:
    std::string m_folder = MakeRunFolder("radiocfg-test");
    std::vector<std::unique_ptr<CRadioOnCable>> m_cables;
    int m_held = -1;
};
#endif

const std::string kProgram = WindowsPathOf(RADIOCFG_EXE);

class RadiocfgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { radios = std::make_unique<CRadios>(); }
    static void TearDownTestSuite() { radios.reset(); }
    void SetUp() override
    {
        if (!radios->IsRunning()) GTEST_SKIP() << "no simulated radios (run through tools/test.sh)";
        for (int index : {0, 1}) {
            radios->Radio(index).Start("");
            radios->Radio(index).NewCommands();
        }
    }
    // Other programs of the bench find the radios as they were.
    void TearDown() override
    {
        for (const char* extension : {".cfg", ".dwn", ".trace"}) std::remove((base + extension).c_str());
        for (int index = 0; index < 2 && radios->IsRunning(); ++index) radios->Radio(index).Start("");
    }

    static ChildOutcome Radiocfg(const std::vector<std::string>& arguments, int limitMs = 30000)
    {
        std::vector<std::string> line{kProgram};
        line.insert(line.end(), arguments.begin(), arguments.end());
        return RunChild(line, limitMs);
    }
    CSimulatedRadio& Radio(int index = 0) { return radios->Radio(index); }
    std::string Port(int index = 0) const { return radios->Port(index); }
    std::string Name(int index = 0) const { return radios->Name(index); }
    std::string File() const { return base + ".cfg"; }
    // The radio's own values, in the file.
    void SaveRadiosFile()
    {
        ASSERT_EQ(Radiocfg({"read", "--port", Port(), "--out", base}).exitCode, 0);
        Radio().NewCommands();
    }
    void ChangeChannel3(const char* value)
    {
        std::string text = ReadWhole(File());
        const std::size_t start = text.find("Channel3,");
        ASSERT_NE(start, std::string::npos);
        text.replace(start, text.find('\r', start) - start, std::string("Channel3,") + value);
        std::ofstream(File(), std::ios::binary) << text;
    }

    static std::unique_ptr<CRadios> radios;
    std::string base = (std::filesystem::u8path(radios->Folder()) / "radiocfg-test").u8string();
};

std::unique_ptr<CRadios> RadiocfgTest::radios;

} // namespace

// The file's name has characters no single code page holds, given on the command line.
TEST_F(RadiocfgTest, ReadPrintsTheParametersAndExportsThemUnderAnyName)
{
    const std::string name = base + u8" \u914d\u7f6e J\u00f6rg \u0141\u00f3d\u017a";
    ChildOutcome read = Radiocfg({"read", "--port", Port(), "--out", name});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_NE(read.out.find("Channel9:         420.12500\nRead Success\n"), std::string::npos) << read.out;
    EXPECT_EQ(LastLine(read.out), "Export Config Success");
    EXPECT_NE(ReadWhole(name + ".cfg").find("\r\nProtocolType,0\r\nCurrentChannel,0\r\n"), std::string::npos);
    EXPECT_EQ(LastLine(Radiocfg({"verify", "--port", Port(), name + ".cfg"}).out), "Verify Success");
    EXPECT_TRUE(std::filesystem::remove(std::filesystem::u8path(name + ".cfg")));
}

TEST_F(RadiocfgTest, WriteSendsTheFileAndTheRadioKeepsIt)
{
    SaveRadiosFile();
    ChangeChannel3("440.00000");
    ChildOutcome write = Radiocfg({"write", "--port", Port(), "--sn", "RS900", "--hw", "H9", File()});
    EXPECT_EQ(LastLine(write.out), "Write Success") << write.err;
    const Lines commands = Radio().NewCommands();
    ASSERT_EQ(commands.size(), 16u);
    EXPECT_EQ(commands[3], "cfg_ch_3 440.00000\\r");
    EXPECT_EQ(commands[14], "cfg_sern RS900\\r");
    EXPECT_EQ(commands[15], "cfg_hard H9\\r");

    ChildOutcome kept = Radiocfg({"read", "--port", Port()});
    EXPECT_NE(kept.out.find("Channel3:         440.00000\n"), std::string::npos) << kept.out;
}

TEST_F(RadiocfgTest, VerifyComparesTheRadioWithAFile)
{
    SaveRadiosFile();
    // The radio acknowledges channel 3 and keeps its own: Write alone would say Success.
    ChangeChannel3("440.00000");
    Radio().Start("--ignore-set cfg_ch_3");
    ChildOutcome written = Radiocfg({"write", "--verify", "--port", Port(), File()});
    EXPECT_EQ(written.exitCode, 1);
    EXPECT_NE(written.out.find("Write Success\n"), std::string::npos);
    EXPECT_EQ(LastLine(written.out), "Verify Failure");
    EXPECT_EQ(LastLine(written.err), "Channel3: file 440.00000, radio 414.12500");
    ChildOutcome json = Radiocfg({"verify", "--json", "--port", Port(), File()});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_NE(json.out.find("\"key\": \"Channel3\",\n      \"file\": \"440.00000\",\n      \"radio\": \"414.12500\""),
              std::string::npos)
        << json.out;
}

// The faults whose outcome depends on a real port (which step each other
// fault stops at is ReadTest's); a failed read exports nothing. A slow radio
// logs its late reply once it has gone out, and the wait for that line keeps
// it out of the next run.
TEST_F(RadiocfgTest, FaultScenariosEndTheReadAsTheyShould)
{
    const struct {
        const char* scenario;
        int exitCode;
        std::size_t linesLogged;
        const char* lastLine;
    } faults[] = {
        {"--silent", 1, 1, "cfg_ch_n\\r"},
        {"--slow 600", 1, 2, "<reply sent after 600 ms>"},
        {"--echo", 0, 18, "cfg_ch_9\\r"},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.scenario);
        std::remove(File().c_str());
        Radio().Start(fault.scenario);
        ChildOutcome read = Radiocfg({"read", "--port", Port(), "--out", base});
        EXPECT_EQ(read.exitCode, fault.exitCode) << read.err;
        EXPECT_NE(read.out.find(fault.exitCode == 0 ? "Channel9:         420.12500\nRead Success\n" : "Read Failure\n"),
                  std::string::npos)
            << read.out;
        const Lines logged = Radio().NewCommands(fault.linesLogged);
        EXPECT_EQ(logged.size(), fault.linesLogged);
        EXPECT_EQ(logged.empty() ? "" : logged.back(), fault.lastLine);
        EXPECT_EQ(std::ifstream(File()).good(), fault.exitCode == 0);
    }
}

TEST_F(RadiocfgTest, WrongUsageAndAbsentPortsHaveTheirExitStatus)
{
    ChildOutcome usage = Radiocfg({"read", "--port", Port(), "--baud", "1200"});
    EXPECT_EQ(usage.exitCode, 2);
#ifdef _WIN32
    ChildOutcome absent = Radiocfg({"read", "--port", "42"});
    EXPECT_NE(absent.err.find("COM42 is not a serial port of this machine"), std::string::npos) << absent.err;
#else
    ChildOutcome absent = Radiocfg({"read", "--port", radios->Folder() + "/none"});
    EXPECT_NE(absent.err.find("is not a serial device"), std::string::npos) << absent.err;
#endif
    EXPECT_EQ(absent.exitCode, 2);
}

TEST_F(RadiocfgTest, SeveralRadiosAtOnceGiveOneResultLineEach)
{
    SaveRadiosFile();
    ChildOutcome written = Radiocfg({"write", "--port", Port(), "--port", Port(1), File()});
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(LinesOf(written.out), (Lines{Name() + " Write Success", Name(1) + " Write Success"}));
    EXPECT_EQ(Radio(1).NewCommands().size(), 14u);

    Radio(1).Start("--ignore-set cfg_ch_3");
    ChangeChannel3("440.00000");
    ChildOutcome verified = Radiocfg({"write", "--verify", "--port", Port(), "--port", Port(1), File()});
    EXPECT_EQ(verified.exitCode, 1);
    EXPECT_EQ(LinesOf(verified.out), (Lines{Name() + " Verify Success", Name(1) + " Verify Failure"}));
    EXPECT_EQ(LinesOf(verified.err), (Lines{Name(1) + ": Channel3: file 440.00000, radio 414.12500"}));
}

// A port another program holds is refused without a byte sent, and the
// other ports still run.
TEST_F(RadiocfgTest, PortInUseFailsItsRadioOnly)
{
    ASSERT_TRUE(radios->Hold(0));
    ChildOutcome both = Radiocfg({"read", "--port", Port(), "--port", Port(1)});
    EXPECT_EQ(both.exitCode, 1);
    const Lines lines = LinesOf(both.out);
    ASSERT_EQ(lines.size(), 20u) << both.out;
    EXPECT_EQ(lines[0], Name() + " Read Failure");
    EXPECT_EQ(lines[1], Name(1) + ": Protocol Type:    TRIMTALK");
    EXPECT_EQ(lines[19], Name(1) + " Read Success");
    radios->Release();
    EXPECT_TRUE(Radio().NewCommands().empty());
    EXPECT_EQ(LastLine(Radiocfg({"connect", "--port", Port()}).out), "Connect Success");
}

TEST_F(RadiocfgTest, TraceRecordsTheExchange)
{
    const std::string trace = base + ".trace";
    ChildOutcome connect = Radiocfg({"connect", "--port", Port(), "--trace", trace});
    EXPECT_EQ(connect.exitCode, 0);
    const Lines lines = LinesOf(ReadWhole(trace));
    ASSERT_EQ(lines.size(), 5u) << ReadWhole(trace);
    const std::string port = " " + Name() + " ";
    EXPECT_EQ(lines[2].substr(12), port + "send 63 6f 6e 74 72 6f 6c 0d |control.|");
    EXPECT_NE(lines[3].find("|..into config mode..|"), std::string::npos) << lines[3];
}

// The boot loader takes every whole page; a page it refuses ends the upgrade there.
TEST_F(RadiocfgTest, UpgradePrintsEveryProgressStepAndTheResult)
{
    const auto exchange = [](int pages) {
        Lines lines{"boot_start"};
        for (int page = 1; page <= pages; ++page)
            lines.insert(lines.end(), {"write page", "<page " + std::to_string(page) + " 258 bytes checksum ok>"});
        return lines;
    };
    WriteFirmwareFile(base + ".dwn", 4096 + 256 * 4);
    ChildOutcome upgrade = Radiocfg({"upgrade", "--port", Port(), base + ".dwn"});
    EXPECT_EQ(upgrade.exitCode, 0) << upgrade.err;
    EXPECT_NE(upgrade.out.find("Progress 40.00%\nProgress 60.00%\nProgress 80.00%\nProgress 100.00%\n"),
              std::string::npos)
        << upgrade.out;
    EXPECT_EQ(LastLine(upgrade.out), "Upgrade Firmware Success");
    Lines expected = exchange(5);
    expected.push_back("ISP finish");
    EXPECT_EQ(Radio().NewCommands(), expected);

    Radio().Start("--boot-fail 2");
    ChildOutcome refused = Radiocfg({"upgrade", "--port", Port(), base + ".dwn"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(LastLine(refused.out), "Upgrade Firmware Failure");
    EXPECT_EQ(Radio().NewCommands(5), exchange(2));
}

#ifdef _WIN32
// The radio at a rate the tool does not default to is found there and left
// out of configuration mode; with nothing answering, the search fails.
TEST_F(RadiocfgTest, PortsAndDetectFindTheRadio)
{
    EXPECT_NE(Radiocfg({"ports"}).out.find(Name() + "\n"), std::string::npos);

    Radio().Start("--baud 57600");
    Radio(1).Start("--silent");
    ChildOutcome found = Radiocfg({"detect", "--json"});
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_NE(found.out.find("\"result\": \"Success\",\n  \"status\": \"Find Radio Success\",\n  \"port\": \"" +
                             Name() + "\",\n  \"baud\": 57600\n}"),
              std::string::npos)
        << found.out;
    EXPECT_EQ(Radio().NewCommands().back(), "exitcnt\\r");

    Radio().Start("--silent");
    ChildOutcome absent = Radiocfg({"detect"});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_EQ(absent.out, "Find Radio Failure\n");
}

#endif
