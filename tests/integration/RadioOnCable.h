#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "tests/integration/SimulatedRadio.h"

// What a program run came to: its exit status (-1 when it was ended at the
// limit or did not start) and what it wrote.
struct ChildOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments (no shell). Output goes through files,
// so that a chatty child never blocks on a full pipe; a run still going after
// the limit is killed.
ChildOutcome RunChild(const std::vector<std::string>& arguments, int limitMs = 30000);

// A simulated radio of the program's own: socat joins two pseudo-terminals in
// the folder, radiosim plays the radio on one end, and the other, Device(),
// is the port the tool opens. Both processes end with the object.
class CRadioOnCable {
public:
    CRadioOnCable(const std::string& folder, const std::string& name);
    ~CRadioOnCable();
    CRadioOnCable(const CRadioOnCable&) = delete;
    CRadioOnCable& operator=(const CRadioOnCable&) = delete;

    // Whether socat and radiosim started and the cable is there.
    bool IsRunning() const { return m_running; }
    const std::string& Device() const { return m_device; }
    CSimulatedRadio& Radio() { return m_radio; }

private:
    std::string m_device;
    CSimulatedRadio m_radio;
    pid_t m_socat = -1;
    pid_t m_radiosim = -1;
    bool m_running = false;
};

// The radiosim program the bench built (RADIOSIM_EXE); empty when it names none.
std::string RadiosimProgram();
// A folder of its own under the temporary folder; empty when none could be made.
std::string MakeRunFolder(const std::string& prefix);
