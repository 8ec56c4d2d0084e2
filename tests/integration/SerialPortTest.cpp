#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "serial/SerialPort.h"
#include "tests/integration/SimulatedRadio.h"

using namespace std::chrono;

namespace {

// Collects received bytes until a whole line has come; a discard of unread
// input shows as "|".
class LineCollector : public ISerialReceiver {
public:
    void OnSerialByte(unsigned char byte) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_bytes.push_back(static_cast<char>(byte));
        m_arrived.notify_all();
    }
    void OnInputDiscarded() override { OnSerialByte('|'); }

    bool WaitFor(const std::string& text, milliseconds limit)
    {
        std::unique_lock<std::mutex> guard(m_lock);
        return m_arrived.wait_for(guard, limit, [&] { return m_bytes.find(text) != std::string::npos; });
    }

private:
    std::mutex m_lock;
    std::condition_variable m_arrived;
    std::string m_bytes;
};

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!radio.IsAvailable()) GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.Start("");
    }

    // Whether another program could take the port now.
    bool PortIsFree() const
    {
        HANDLE other = radio.TakePort();
        if (other == INVALID_HANDLE_VALUE) return false;
        CloseHandle(other);
        return true;
    }

    CSimulatedRadio radio;
    LineCollector collector;
};

} // namespace

TEST_F(SerialPortTest, MonitorDiscardsUnreadInputThenDeliversTheRepliesBytes)
{
    CSerialPort port(&collector);
    ASSERT_TRUE(port.Open(radio.Port(), 38400));
    ASSERT_TRUE(port.StartMonitor());
    ASSERT_TRUE(port.Send("cfg_hard\r", 9));
    EXPECT_TRUE(collector.WaitFor("|\r\nH1.2\r\n", milliseconds(2000)));
}

TEST_F(SerialPortTest, CloseEndsTheMonitorAndFreesThePortAtOnce)
{
    CSerialPort port(&collector);
    ASSERT_TRUE(port.Open(radio.Port(), 38400));
    ASSERT_TRUE(port.StartMonitor());
    EXPECT_FALSE(PortIsFree());
    auto start = steady_clock::now();
    port.Close();
    EXPECT_LT(duration_cast<milliseconds>(steady_clock::now() - start).count(), 300);
    EXPECT_FALSE(port.IsMonitoring());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(PortIsFree());
    port.Close(); // a second close is harmless
}

TEST_F(SerialPortTest, NothingWritesIntoAPortObjectAfterItIsGone)
{
    constexpr unsigned char kPattern = 0xA5;
    std::vector<unsigned char> storage(sizeof(CSerialPort));
    for (int round = 0; round < 5; ++round) {
        auto* port = new (storage.data()) CSerialPort(&collector);
        ASSERT_TRUE(port->Open(radio.Port(), 38400));
        ASSERT_TRUE(port->StartMonitor());
        std::this_thread::sleep_for(milliseconds(20)); // the monitor is waiting for events
        port->~CSerialPort();
        std::fill(storage.begin(), storage.end(), kPattern);
        std::this_thread::sleep_for(milliseconds(100));
        ASSERT_EQ(std::count(storage.begin(), storage.end(), kPattern), static_cast<long>(storage.size()))
            << "round " << round;
    }
}

TEST_F(SerialPortTest, CloseFreesAPortWhoseMonitorNeverRan)
{
    CSerialPort port(&collector);
    ASSERT_TRUE(port.Open(radio.Port(), 38400));
    port.Close();
    EXPECT_TRUE(PortIsFree());
}

TEST_F(SerialPortTest, ReopeningWorksAndOversizedSendsAreRefused)
{
    CSerialPort port(&collector);
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(port.Open(radio.Port(), 115200)) << round;
        ASSERT_TRUE(port.StartMonitor());
    }
    std::string tooLong(CSerialPort::kTransmitBufferSize + 1, 'x');
    EXPECT_FALSE(port.Send(tooLong.data(), tooLong.size()));
    EXPECT_TRUE(port.Send("exitcnt\r", 8));
    EXPECT_TRUE(collector.WaitFor("exit config mode", milliseconds(2000)));
}

TEST_F(SerialPortTest, MissingPortDoesNotOpen)
{
    CSerialPort port(&collector);
    EXPECT_FALSE(port.Open(42, 38400));
    EXPECT_FALSE(port.StartMonitor());
    EXPECT_FALSE(port.IsOpen());
}
