#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "serial/SerialPort.h"
#include "tests/integration/SimulatedRadio.h"
#include "tests/serial/ByteCollector.h"

using Lines = std::vector<std::string>;

namespace {

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!radio.IsAvailable()) GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.Start("");
    }
    void TearDown() override { radio.Start(""); }

    // Whether another program could take the port now.
    bool PortIsFree() const
    {
        HANDLE other = radio.TakePort();
        if (other == INVALID_HANDLE_VALUE) return false;
        CloseHandle(other);
        return true;
    }

    CSimulatedRadio radio;
    CByteCollector collector;
};

} // namespace

TEST_F(SerialPortTest, MonitorDiscardsUnreadInputThenDeliversTheRepliesBytes)
{
    CSerialPort port(&collector);
    for (int round = 0; round < 3; ++round) { // opening again replaces the old monitor
        ASSERT_TRUE(port.Open(radio.Port(), 38400)) << round;
        ASSERT_TRUE(port.StartMonitor());
    }
    ASSERT_TRUE(port.Send("cfg_hard\r", 9));
    EXPECT_TRUE(collector.WaitFor("|\r\nH1.2\r\n"));
    std::string tooLong(CSerialPort::kTransmitBufferSize + 1, 'x');
    EXPECT_FALSE(port.Send(tooLong.data(), tooLong.size()));
    EXPECT_TRUE(port.Send("exitcnt\r", 8));
    EXPECT_TRUE(collector.WaitFor("exit config mode"));
}

TEST_F(SerialPortTest, CloseEndsTheMonitorAndFreesThePort)
{
    CSerialPort port(&collector);
    EXPECT_FALSE(port.Open(42, 38400));
    EXPECT_FALSE(port.StartMonitor());
    ASSERT_TRUE(port.Open(radio.Port(), 38400));
    port.Close(); // its monitor never ran
    EXPECT_TRUE(PortIsFree());
    ASSERT_TRUE(port.Open(radio.Port(), 38400));
    ASSERT_TRUE(port.StartMonitor());
    EXPECT_FALSE(PortIsFree());
    port.Close();
    EXPECT_FALSE(port.IsMonitoring());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(PortIsFree());
    port.Close(); // a second close is harmless
}

// The radio replies late, after the port object is gone; its log says when
// the reply went out, and the object's memory must still hold the pattern.
TEST_F(SerialPortTest, NothingWritesIntoAPortObjectAfterItIsGone)
{
    constexpr unsigned char kPattern = 0xA5;
    std::vector<unsigned char> storage(sizeof(CSerialPort));
    radio.Start("--slow 300");
    radio.NewCommands();
    for (int round = 0; round < 5; ++round) {
        auto* port = new (storage.data()) CSerialPort(&collector);
        ASSERT_TRUE(port->Open(radio.Port(), 38400));
        ASSERT_TRUE(port->StartMonitor());
        ASSERT_TRUE(port->Send("cfg_hard\r", 9));
        Lines logged = radio.NewCommands(1); // the monitor runs and has sent it
        port->~CSerialPort();
        std::fill(storage.begin(), storage.end(), kPattern);
        for (const std::string& line : radio.NewCommands(2 - std::min<std::size_t>(logged.size(), 2)))
            logged.push_back(line);
        ASSERT_EQ(logged, (Lines{"cfg_hard\\r", "<reply sent after 300 ms>"})) << "round " << round;
        ASSERT_EQ(std::count(storage.begin(), storage.end(), kPattern), static_cast<long>(storage.size()))
            << "round " << round;
    }
}
