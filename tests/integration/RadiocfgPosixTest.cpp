// radiocfg built natively, against simulated radios on socat cables of the
// test's own: the same checks as under Wine, with device paths for ports.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/integration/ChildProcess.h"
#include "tests/integration/RadioOnCable.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string LastLine(const std::string& text)
{
    const std::vector<std::string> lines = Lines(text);
    return lines.empty() ? "" : lines.back();
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

// Two radios for the whole suite; each test starts them afresh.
class RadiocfgPosixTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = MakeRunFolder("radiocfg-test");
        if (RadiosimProgram().empty() || folder.empty()) return;
        first = std::make_unique<CRadioOnCable>(folder, "radio");
        second = std::make_unique<CRadioOnCable>(folder, "radio2");
    }
    static void TearDownTestSuite()
    {
        first.reset();
        second.reset();
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }
    void SetUp() override
    {
        if (!first || !first->IsRunning() || !second->IsRunning())
            GTEST_SKIP() << "no simulated radio: RADIOSIM_EXE names none (run through tools/test.sh)";
        Radio().Start("");
        Radio2().Start("");
        Radio().NewCommands();
        Radio2().NewCommands();
        configPath = folder + "/config";
        std::remove((configPath + ".cfg").c_str());
    }

    CSimulatedRadio& Radio() { return first->Radio(); }
    CSimulatedRadio& Radio2() { return second->Radio(); }
    const std::string& Name() const { return first->Device(); }
    const std::string& Name2() const { return second->Device(); }
    std::string File() const { return configPath + ".cfg"; }

    static ChildOutcome Radiocfg(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), RADIOCFG_EXE);
        return RunChild(arguments);
    }
    // The radio's own values, in the file.
    void SaveRadiosFile()
    {
        ASSERT_EQ(Radiocfg({"read", "--port", Name(), "--out", configPath}).exitCode, 0);
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

    static std::string folder;
    static std::unique_ptr<CRadioOnCable> first;
    static std::unique_ptr<CRadioOnCable> second;
    std::string configPath;
};

std::string RadiocfgPosixTest::folder;
std::unique_ptr<CRadioOnCable> RadiocfgPosixTest::first;
std::unique_ptr<CRadioOnCable> RadiocfgPosixTest::second;

} // namespace

TEST_F(RadiocfgPosixTest, ReadPrintsTheParametersAndExportsThem)
{
    ChildOutcome read = Radiocfg({"read", "--port", Name(), "--out", configPath});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_NE(read.out.find("Protocol Type:    TRIMTALK\n"), std::string::npos) << read.out;
    EXPECT_NE(read.out.find("Channel9:         420.12500\nRead Success\n"), std::string::npos);
    EXPECT_EQ(LastLine(read.out), "Export Config Success");
    const std::string saved = ReadWhole(File());
    EXPECT_EQ(saved.compare(0, 20, "Channel0,411.12500\r\n"), 0);
    EXPECT_NE(saved.find("\r\nProtocolType,0\r\nCurrentChannel,0\r\n"), std::string::npos);
    EXPECT_EQ(Radio().NewCommands().size(), 18u);

    ChildOutcome json = Radiocfg({"read", "--json", "--port", Name()});
    EXPECT_EQ(json.exitCode, 0);
    const std::vector<std::string> lines = Lines(json.out);
    ASSERT_EQ(lines.size(), 27u) << json.out;
    EXPECT_EQ(lines[2], "  \"port\": \"" + Name() + "\",");
    EXPECT_EQ(lines[3], "  \"result\": \"Success\",");
    EXPECT_EQ(lines[10], "    \"Channel3\": \"414.12500\",");
    EXPECT_EQ(lines[24], "    \"SerialNumber\": \"SN0012345\"");
}

TEST_F(RadiocfgPosixTest, WriteSendsTheFileAndTheRadioKeepsIt)
{
    SaveRadiosFile();
    ChangeChannel3("440.00000");
    ChildOutcome write = Radiocfg({"write", "--port", Name(), "--sn", "RS900", "--hw", "H9", File()});
    EXPECT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(LastLine(write.out), "Write Success");
    const std::vector<std::string> commands = Radio().NewCommands();
    ASSERT_EQ(commands.size(), 16u);
    EXPECT_EQ(commands[3], "cfg_ch_3 440.00000\\r");
    EXPECT_EQ(commands[14], "cfg_sern RS900\\r");
    EXPECT_EQ(commands[15], "cfg_hard H9\\r");

    ChildOutcome kept = Radiocfg({"read", "--port", Name()});
    EXPECT_NE(kept.out.find("Channel3:         440.00000\n"), std::string::npos) << kept.out;
    EXPECT_NE(kept.out.find("SN:               RS900\n"), std::string::npos);
}

TEST_F(RadiocfgPosixTest, VerifyComparesTheRadioWithAFile)
{
    SaveRadiosFile();
    ChildOutcome same = Radiocfg({"verify", "--port", Name(), File()});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(LastLine(same.out), "Verify Success");
    EXPECT_EQ(same.err, "");

    // The radio acknowledges channel 3 and keeps its own: Write alone would say Success.
    ChangeChannel3("440.00000");
    Radio().Start("--ignore-set cfg_ch_3");
    ChildOutcome written = Radiocfg({"write", "--verify", "--port", Name(), File()});
    EXPECT_EQ(written.exitCode, 1);
    EXPECT_NE(written.out.find("Write Success\n"), std::string::npos);
    EXPECT_EQ(LastLine(written.out), "Verify Failure");
    EXPECT_EQ(LastLine(written.err), "Channel3: file 440.00000, radio 414.12500");

    Radio().Start("--silent");
    ChildOutcome unread = Radiocfg({"verify", "--port", Name(), File()});
    EXPECT_EQ(unread.exitCode, 1);
    EXPECT_EQ(LastLine(unread.out), "Verify Failure");
    EXPECT_EQ(unread.err, "");
}

// Each fault ends the read with its status and the commands the radio got;
// a failed read exports nothing.
TEST_F(RadiocfgPosixTest, FaultScenariosEndTheReadAsTheyShould)
{
    const struct {
        const char* scenario;
        int exitCode;
        const char* status;
        std::size_t commandsLogged;
    } faults[] = {
        {"--silent", 1, "Read Failure", 1},
        {"--no-reply cfg_sbau", 1, "Read Failure", 3},
        {"--wrong-reply cfg_ch_n", 1, "Read Failure", 1},
        {"--wrong-reply cfg_ch_5", 1, "Read Failure", 14},
        {"--slow 600", 1, "Read Failure", 1},
        {"--garbage", 1, "Read Failure", 1},
        {"--echo", 0, "Read Success", 18},
        {"--no-reply cfg_baud", 0, "Read Success", 18},
        {"--stray-line", 0, "Read Success", 18},
        {"--ack", 0, "Read Success", 18},
    };
    for (const auto& fault : faults) {
        std::remove(File().c_str());
        Radio().Start(fault.scenario);
        ChildOutcome read = Radiocfg({"read", "--port", Name(), "--out", configPath});
        EXPECT_EQ(read.exitCode, fault.exitCode) << fault.scenario << "\n" << read.err;
        EXPECT_NE(read.out.find(std::string(fault.status) + "\n"), std::string::npos) << fault.scenario << read.out;
        EXPECT_EQ(Radio().NewCommands().size(), fault.commandsLogged) << fault.scenario;
        EXPECT_EQ(Exists(File()), fault.exitCode == 0) << fault.scenario;
        if (fault.exitCode == 0) {
            EXPECT_NE(read.out.find("Channel3:         414.12500\n"), std::string::npos) << fault.scenario;
        }
        // Late replies of a slow radio drain before the next run.
        usleep(700 * 1000);
    }
}

TEST_F(RadiocfgPosixTest, WrongUsageAndAbsentDevicesHaveTheirExitStatus)
{
    ChildOutcome usage = Radiocfg({"read", "--port", Name(), "--baud", "1200"});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
    ChildOutcome absent = Radiocfg({"read", "--port", folder + "/none"});
    EXPECT_EQ(absent.exitCode, 2);
    EXPECT_NE(absent.err.find("is not a serial device"), std::string::npos) << absent.err;
    ChildOutcome file = Radiocfg({"read", "--port", "/dev/null"});
    EXPECT_EQ(file.exitCode, 1);
    EXPECT_EQ(LastLine(file.out), "Read Failure");
}

TEST_F(RadiocfgPosixTest, SeveralRadiosAtOnceGiveOneResultLineEach)
{
    SaveRadiosFile();
    ChildOutcome written = Radiocfg({"write", "--port", Name(), "--port", Name2(), File()});
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(Lines(written.out), (std::vector<std::string>{Name() + " Write Success", Name2() + " Write Success"}));
    EXPECT_EQ(Radio().NewCommands().size(), 14u);
    EXPECT_EQ(Radio2().NewCommands().size(), 14u);

    Radio2().Start("--ignore-set cfg_ch_3");
    ChangeChannel3("440.00000");
    ChildOutcome verified = Radiocfg({"write", "--verify", "--port", Name(), "--port", Name2(), File()});
    EXPECT_EQ(verified.exitCode, 1);
    EXPECT_EQ(Lines(verified.out), (std::vector<std::string>{Name() + " Verify Success", Name2() + " Verify Failure"}));
    EXPECT_EQ(Lines(verified.err), (std::vector<std::string>{Name2() + ": Channel3: file 440.00000, radio 414.12500"}));
}

// A port another program holds is refused without a byte sent, and the
// other ports still run.
TEST_F(RadiocfgPosixTest, PortInUseFailsItsRadioOnly)
{
    const int taken = open(Name().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(taken, 0);
    ASSERT_EQ(flock(taken, LOCK_EX | LOCK_NB), 0);
    ChildOutcome read = Radiocfg({"read", "--port", Name()});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_EQ(read.out, "Read Failure\n");
    ChildOutcome both = Radiocfg({"read", "--port", Name(), "--port", Name2()});
    EXPECT_EQ(both.exitCode, 1);
    const std::vector<std::string> lines = Lines(both.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), Name() + " Read Failure");
    EXPECT_EQ(lines.back(), Name2() + " Read Success");
    close(taken);
    EXPECT_TRUE(Radio().NewCommands().empty());

    ChildOutcome freed = Radiocfg({"connect", "--port", Name()});
    EXPECT_EQ(freed.exitCode, 0);
    EXPECT_EQ(LastLine(freed.out), "Connect Success");
}

TEST_F(RadiocfgPosixTest, TraceRecordsTheExchange)
{
    const std::string trace = folder + "/connect.trace";
    ChildOutcome connect = Radiocfg({"connect", "--port", Name(), "--trace", trace});
    EXPECT_EQ(connect.exitCode, 0);
    const std::vector<std::string> lines = Lines(ReadWhole(trace));
    ASSERT_EQ(lines.size(), 5u) << ReadWhole(trace);
    const std::string port = " " + Name() + " ";
    EXPECT_EQ(lines[1].substr(12), port + "open 38400");
    EXPECT_EQ(lines[2].substr(12), port + "send 63 6f 6e 74 72 6f 6c 0d |control.|");
    EXPECT_NE(lines[3].find("|..into config mode..|"), std::string::npos) << lines[3];
    EXPECT_EQ(lines[4].substr(12), port + "close");
}
