#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "serial/PosixSerialPort.h"
#include "tests/serial/ByteCollector.h"

using namespace std::chrono;

namespace {

// A pseudo-terminal: the port opens its device end, the test plays the radio
// on the other.
class PosixSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        radio = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(radio, 0);
        ASSERT_EQ(grantpt(radio), 0);
        ASSERT_EQ(unlockpt(radio), 0);
        device = ptsname(radio);
        termios raw{};
        tcgetattr(radio, &raw);
        cfmakeraw(&raw);
        tcsetattr(radio, TCSANOW, &raw);
    }
    void TearDown() override
    {
        if (radio >= 0) close(radio);
    }

    std::unique_ptr<CPosixSerialPort> OpenedPort(CByteCollector& receiver, int baud = 38400)
    {
        auto port = std::make_unique<CPosixSerialPort>(&receiver, std::vector<std::string>{device});
        EXPECT_TRUE(port->Open(1, baud));
        EXPECT_TRUE(port->StartMonitor());
        return port;
    }
    void RadioSays(const std::string& text) { ASSERT_EQ(write(radio, text.data(), text.size()), (ssize_t)text.size()); }
    // What reaches the radio within the limit, up to length bytes.
    std::string RadioHears(std::size_t length, milliseconds limit = milliseconds(2000))
    {
        std::string heard;
        const auto end = steady_clock::now() + limit;
        while (heard.size() < length && steady_clock::now() < end) {
            pollfd wait{radio, POLLIN, 0};
            if (poll(&wait, 1, 50) <= 0) continue;
            char chunk[512];
            const ssize_t got = read(radio, chunk, std::min(sizeof chunk, length - heard.size()));
            if (got > 0) heard.append(chunk, static_cast<std::size_t>(got));
        }
        return heard;
    }

    int radio = -1;
    std::string device;
    CByteCollector collector;
};

} // namespace

// Input that came before a command was queued is delivered before its
// notice or discarded; after the notice comes only the reply. The monitor is
// held in the first notice while a line arrives and the next command is queued.
TEST_F(PosixSerialPortTest, NothingReceivedBeforeASendComesAfterItsNotice)
{
    collector.HoldFirstDelivery();
    auto port = OpenedPort(collector);
    ASSERT_TRUE(port->Send("cfg_ch_n\r", 9));
    ASSERT_TRUE(collector.WaitFor("|"));
    RadioSays("late line\r\n");
    std::this_thread::sleep_for(milliseconds(50)); // in the device, unread
    ASSERT_TRUE(port->Send("cfg_prtl\r", 9));
    collector.Release();
    EXPECT_EQ(RadioHears(18), "cfg_ch_n\rcfg_prtl\r");
    RadioSays("\r\nprotocol TRIMTALK\r\n");
    ASSERT_TRUE(collector.WaitFor("TRIMTALK\r\n"));
    const std::string bytes = collector.Bytes();
    EXPECT_EQ(bytes.substr(bytes.rfind('|')), "|\r\nprotocol TRIMTALK\r\n") << bytes;
}

// A send goes out after its notice, and what the radio says then follows it.
TEST_F(PosixSerialPortTest, BytesArriveInOrderAndWholeSendsGoOut)
{
    auto port = OpenedPort(collector);
    ASSERT_TRUE(port->Send("cfg_hard\r", 9));
    ASSERT_TRUE(collector.WaitFor("|"));
    EXPECT_EQ(RadioHears(9), "cfg_hard\r");
    std::string stream = "|";
    for (int i = 0; stream.size() < 6000; ++i) stream += std::to_string(i) + ",";
    std::thread radioSide([&] {
        for (std::size_t done = 1; done < stream.size(); done += 700) RadioSays(stream.substr(done, 700));
    });
    radioSide.join();
    EXPECT_TRUE(collector.WaitFor(stream));
    EXPECT_TRUE(collector.Bytes() == stream) << collector.Bytes().size() << " bytes";

    const std::string full(CPosixSerialPort::kTransmitBufferSize, 'x');
    EXPECT_FALSE(port->Send(full.data(), full.size() + 1));
    EXPECT_TRUE(port->Send(full.data(), full.size()));
    EXPECT_EQ(RadioHears(full.size() + 1, milliseconds(1000)), full);
}

TEST_F(PosixSerialPortTest, LineIsRaw8N1AtTheRate)
{
    auto port = OpenedPort(collector, 57600);
    termios line{};
    ASSERT_EQ(tcgetattr(radio, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B57600));
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL), 0u);

    ASSERT_TRUE(port->Open(1, 9600)); // opening again stops the old monitor first
    ASSERT_TRUE(port->StartMonitor());
    ASSERT_EQ(tcgetattr(radio, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
}

// A port in use, a missing device and a file are refused; sends to a port
// that is not open go nowhere, as on Windows.
TEST_F(PosixSerialPortTest, WhatIsNoFreeSerialPortDoesNotOpen)
{
    auto first = OpenedPort(collector);
    CPosixSerialPort port(&collector, {"/nonexistent/ttyUSB0", "/dev/null", device});
    for (int number : {0, 1, 2, 3, 4}) EXPECT_FALSE(port.Open(number, 38400)) << number;
    EXPECT_FALSE(port.StartMonitor());
    EXPECT_TRUE(port.Send("x", 1));
    first->Close();
    EXPECT_FALSE(first->IsMonitoring());
    first->Close(); // a second close is harmless
    EXPECT_TRUE(port.Open(3, 38400));
}

// The thread is done with the object before it goes, however busy the line;
// under the address sanitizer a late touch would end the test.
TEST_F(PosixSerialPortTest, APortGoesAwayWhileBytesPourIn)
{
    std::atomic<bool> pouring{true};
    // Without a reader between rounds the terminal's buffer fills; a blocking
    // write would then never see the end of the pouring.
    ASSERT_EQ(fcntl(radio, F_SETFL, fcntl(radio, F_GETFL) | O_NONBLOCK), 0);
    std::thread radioSide([&] {
        const std::string chunk(64, 'z');
        while (pouring)
            if (write(radio, chunk.data(), chunk.size()) < 0) std::this_thread::yield();
    });
    for (int round = 0; round < 20; ++round) {
        CByteCollector receiver;
        auto port = OpenedPort(receiver);
        ASSERT_TRUE(receiver.WaitFor("z"));
        port.reset();
    }
    pouring = false;
    radioSide.join();
}
