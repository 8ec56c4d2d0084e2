#include "serial/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A write that makes no progress for this long is given up, as on Windows.
constexpr int kWriteTimeoutMs = 1000;

} // namespace

bool PosixLineSpeed(int baudRate, unsigned& speed)
{
    switch (baudRate) {
    case 9600:
        speed = B9600;
        return true;
    case 19200:
        speed = B19200;
        return true;
    case 38400:
        speed = B38400;
        return true;
    case 57600:
        speed = B57600;
        return true;
    case 115200:
        speed = B115200;
        return true;
    default:
        return false;
    }
}

CPosixSerialPort::CPosixSerialPort(ISerialReceiver* receiver, std::vector<std::string> devices)
    : m_receiver(receiver)
    , m_devices(std::move(devices))
{
    int wake[2];
    if (pipe(wake) == 0) {
        for (int end : wake) {
            fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
            fcntl(end, F_SETFD, FD_CLOEXEC);
        }
        m_wakeRead = wake[0];
        m_wakeWrite = wake[1];
    }
}

CPosixSerialPort::~CPosixSerialPort()
{
    Close();
    for (int end : {m_wakeRead, m_wakeWrite}) {
        if (end >= 0) close(end);
    }
}

bool CPosixSerialPort::Open(int portNumber, int baudRate)
{
    Close();
    m_bytesToTransmit = 0;
    m_transmitPending = false;
    if (portNumber < 1 || portNumber > static_cast<int>(m_devices.size()) || m_wakeRead < 0) return false;
    const std::string& device = m_devices[portNumber - 1];
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // Every program that opens the port this way, and Wine with the bench's
    // pty shim, takes the same lock; the exclusive mode refuses other openers.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    m_fd = fd;
    ioctl(m_fd, TIOCEXCL);
    if (!Configure(baudRate)) {
        ReleaseDevice();
        return false;
    }
    tcflush(m_fd, TCIOFLUSH);
    return true;
}

// 8N1 without flow control, raw bytes. A device without line settings is no
// serial port; a rate the system lacks leaves the device's own, as a driver
// that refuses settings does on Windows.
bool CPosixSerialPort::Configure(int baudRate)
{
    termios settings{};
    if (tcgetattr(m_fd, &settings) != 0) return false;
    cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    unsigned speed = 0;
    if (PosixLineSpeed(baudRate, speed)) {
        cfsetispeed(&settings, speed);
        cfsetospeed(&settings, speed);
    }
    tcsetattr(m_fd, TCSANOW, &settings);
    int lines = TIOCM_RTS | TIOCM_DTR;
    ioctl(m_fd, TIOCMBIS, &lines); // ptys have no modem lines
    return true;
}

bool CPosixSerialPort::StartMonitor()
{
    if (!IsOpen() || m_monitor.joinable()) return false;
    m_shutdown = false;
    DrainWakes();
    m_monitor = std::thread([this] { Monitor(); });
    return true;
}

// The only thread that reads and writes the device while it is monitored.
void CPosixSerialPort::Monitor()
{
    tcflush(m_fd, TCIOFLUSH);
    pollfd waits[2] = {{m_wakeRead, POLLIN, 0}, {m_fd, POLLIN, 0}};
    while (!m_shutdown) {
        if (poll(waits, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (waits[0].revents) DrainWakes();
        if (m_shutdown) break;
        if (waits[1].revents & POLLIN) {
            if (!ReadAvailable()) break;
        } else if (waits[1].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            break; // the device went away
        }
        TransmitPending();
    }
}

// False when the device can no longer be read.
bool CPosixSerialPort::ReadAvailable()
{
    const ssize_t got = read(m_fd, m_readBuffer.data(), m_readBuffer.size());
    if (got > 0) m_receiver->OnSerialBytes(m_readBuffer.data(), static_cast<std::size_t>(got));
    return got > 0 || (got < 0 && (errno == EAGAIN || errno == EINTR));
}

// Input still unread from an earlier reply must not be taken for the answer:
// it is discarded, the receiver hears of it, and only then the bytes go out.
void CPosixSerialPort::TransmitPending()
{
    std::array<unsigned char, kTransmitBufferSize> bytes;
    std::size_t length = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_transmitPending) return;
        m_transmitPending = false;
        length = m_bytesToTransmit;
        std::memcpy(bytes.data(), m_transmitBuffer.data(), length);
    }
    tcflush(m_fd, TCIFLUSH);
    m_receiver->OnInputDiscarded();
    WriteAll(bytes.data(), length);
}

bool CPosixSerialPort::WriteAll(const unsigned char* bytes, std::size_t length)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t wrote = write(m_fd, bytes + done, length - done);
        if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
        else if (wrote < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        else if (!WaitWritable())
            return false;
    }
    return true;
}

// False when the device stays full for the write timeout or the port closes.
bool CPosixSerialPort::WaitWritable()
{
    pollfd waits[2] = {{m_wakeRead, POLLIN, 0}, {m_fd, POLLOUT, 0}};
    const int ready = poll(waits, 2, kWriteTimeoutMs);
    return ready > 0 && !m_shutdown && (waits[1].revents & POLLOUT);
}

bool CPosixSerialPort::Send(const void* bytes, std::size_t length)
{
    if (length > m_transmitBuffer.size()) return false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        std::memcpy(m_transmitBuffer.data(), bytes, length);
        m_bytesToTransmit = length;
        m_transmitPending = true;
    }
    Wake();
    return true;
}

// The thread is joined before the device is released, so it never touches a
// closed descriptor or, after the destructor, a freed object.
void CPosixSerialPort::Close()
{
    if (m_monitor.joinable()) {
        m_shutdown = true;
        Wake();
        m_monitor.join();
    }
    if (!IsOpen()) return;
    int dtr = TIOCM_DTR;
    ioctl(m_fd, TIOCMBIC, &dtr);
    tcflush(m_fd, TCIFLUSH);
    ReleaseDevice();
}

void CPosixSerialPort::ReleaseDevice()
{
    // The exclusive mode outlives this descriptor while another end holds the
    // terminal open (a pty's other side): it is lifted first.
    ioctl(m_fd, TIOCNXCL);
    close(m_fd);
    m_fd = -1;
}

void CPosixSerialPort::Wake()
{
    const char byte = 1;
    if (m_wakeWrite >= 0) (void)!write(m_wakeWrite, &byte, 1);
}

void CPosixSerialPort::DrainWakes()
{
    char bytes[64];
    while (m_wakeRead >= 0 && read(m_wakeRead, bytes, sizeof bytes) > 0) {
    }
}
