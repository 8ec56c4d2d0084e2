// radiosim: a simulated radio on a serial device, for trying and testing
// the configuration tool without hardware.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "CommandLog.h"
#include "RadioSimulator.h"

namespace {

const char* const kUsage =
    "usage: radiosim --device PATH [--pc-device PATH] [--log FILE] [--control FILE] [--state-out FILE]\n"
    "                [--firmware-out FILE] [--channel I=FREQ] [--current N] [--protocol NAME]\n"
    "                [--port-baud N] [--link-baud N] [--firmware T] [--subfirmware T]\n"
    "                [--hardware T] [--serial T] [--silent] [--no-reply CMD] [--wrong-reply CMD]\n"
    "                [--ignore-set CMD] [--echo] [--slow MS] [--garbage] [--ack] [--unknown-protocol]\n"
    "                [--stray-line] [--boot-fail K] [--baud N]\n";

volatile std::sig_atomic_t g_stop = 0;

struct Options {
    std::string device, pcDevice, log, control, stateOut, firmwareOut;
    RadioState state;
    Scenario scenario;
};

bool ParseStateOption(const std::vector<std::string>& args, std::size_t& i, RadioState& state)
{
    const std::string& name = args[i];
    if (i + 1 >= args.size()) return false;
    const std::string& value = args[++i];
    if (name == "--channel") {
        std::size_t equals = value.find('=');
        int channel = std::atoi(value.c_str());
        if (equals == std::string::npos || channel < 0 || channel > 9) return false;
        state.channels[channel] = value.substr(equals + 1);
    } else if (name == "--current") {
        state.currentChannel = std::atoi(value.c_str());
    } else if (name == "--protocol") {
        state.protocol = value;
    } else if (name == "--port-baud") {
        state.portBaud = std::atoi(value.c_str());
    } else if (name == "--link-baud") {
        state.linkBaud = std::atoi(value.c_str());
    } else if (name == "--firmware") {
        state.firmware = value;
    } else if (name == "--subfirmware") {
        state.subFirmware = value;
    } else if (name == "--hardware") {
        state.hardware = value;
    } else if (name == "--serial") {
        state.serialNumber = value;
    } else {
        --i;
        return false;
    }
    return true;
}

bool ParsePath(const std::vector<std::string>& args, std::size_t& i, Options& options)
{
    const std::string& name = args[i];
    std::string* target = name == "--device"         ? &options.device
                          : name == "--pc-device"    ? &options.pcDevice
                          : name == "--log"          ? &options.log
                          : name == "--control"      ? &options.control
                          : name == "--state-out"    ? &options.stateOut
                          : name == "--firmware-out" ? &options.firmwareOut
                                                     : nullptr;
    if (!target || i + 1 >= args.size()) return false;
    *target = args[++i];
    return true;
}

bool ParseOptions(const std::vector<std::string>& args, Options& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::size_t start = i;
        if (ParsePath(args, i, options) || ParseScenarioOption(args, i, options.scenario)) continue;
        i = start;
        if (!ParseStateOption(args, i, options.state)) return false;
    }
    return !options.device.empty();
}

void WriteWhole(const std::string& path, const std::string& text)
{
    if (!path.empty()) std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int OpenDevice(const std::string& path)
{
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return -1;
    termios settings{};
    if (tcgetattr(fd, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd, TCSANOW, &settings);
    }
    return fd;
}

// The rate the pc end of the cable was last set to: a pty carries no signal
// rate, but it keeps the line settings its opener chose. 0 when unknown.
int LineBaud(int pcFd)
{
    static const struct {
        speed_t speed;
        int baud;
    } kRates[] = {{B1200, 1200},   {B2400, 2400},   {B4800, 4800},     {B9600, 9600},    {B19200, 19200},
                  {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};
    termios settings{};
    if (pcFd < 0 || tcgetattr(pcFd, &settings) != 0) return 0;
    const speed_t speed = cfgetospeed(&settings);
    for (const auto& rate : kRates)
        if (rate.speed == speed) return rate.baud;
    return 0;
}

// Re-applies the control file whenever its text changes.
class ControlWatcher {
public:
    explicit ControlWatcher(const std::string& path)
        : m_path(path)
    {}

    void Refresh(CRadioSimulator& simulator)
    {
        if (m_path.empty()) return;
        std::string text = ReadWhole(m_path);
        if (m_applied && text == m_text) return;
        m_text = text;
        m_applied = true;
        if (!simulator.ApplyControl(text))
            std::fprintf(stderr, "radiosim: control file has words it does not understand\n");
    }

private:
    std::string m_path;
    std::string m_text;
    bool m_applied = false;
};

void Serve(const Options& options, int fd, int pcFd)
{
    CRadioSimulator simulator(options.state, options.scenario);
    CCommandFramer framer;
    CCommandLog log(options.log);
    ControlWatcher control(options.control);
    control.Refresh(simulator);
    while (!g_stop) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 200) <= 0) continue;
        const int lineBaud = LineBaud(pcFd);
        unsigned char bytes[512];
        ssize_t got = read(fd, bytes, sizeof bytes);
        if (got <= 0) {
            // The pc end closed the port; wait for it to come back.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        for (ssize_t i = 0; i < got; ++i) {
            CCommandFramer::Item item;
            if (!framer.Feed(bytes[i], item)) continue;
            control.Refresh(simulator);
            CRadioSimulator::Response response = simulator.Respond(item, lineBaud);
            if (simulator.ExpectsPacket()) framer.ExpectPacket();
            log.Write(response.logLine);
            if (response.stateChanged) WriteWhole(options.stateOut, simulator.State().ToText());
            if (response.firmwareFinished) WriteWhole(options.firmwareOut, simulator.Boot().Firmware());
            if (response.bytes.empty()) continue;
            std::this_thread::sleep_for(std::chrono::milliseconds(response.delayMs));
            if (write(fd, response.bytes.data(), response.bytes.size()) < 0) std::perror("radiosim: write");
            if (!response.sentLogLine.empty()) log.Write(response.sentLogLine);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::signal(SIGTERM, [](int) { g_stop = 1; });
    std::signal(SIGINT, [](int) { g_stop = 1; });
    int fd = OpenDevice(options.device);
    if (fd < 0) {
        std::perror(("radiosim: " + options.device).c_str());
        return 1;
    }
    // Held open for reading its line settings only; no byte is read through it.
    int pcFd = options.pcDevice.empty() ? -1 : open(options.pcDevice.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (!options.pcDevice.empty() && pcFd < 0) std::perror(("radiosim: " + options.pcDevice).c_str());
    std::printf("radiosim: radio on %s\n", options.device.c_str());
    std::fflush(stdout);
    Serve(options, fd, pcFd);
    if (pcFd >= 0) close(pcFd);
    close(fd);
    return 0;
}
