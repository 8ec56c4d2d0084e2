#pragma once

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "radio/ComRadioLink.h"
#include "radio/RadioFinder.h"

// Find Radio on a thread of its own, so that the window keeps answering while
// the ports are tried: each try and the end are posted to the window as its
// status message, with the codes given.
class CRadioSearch {
public:
    struct Codes {
        LPARAM attempt; // wParam: the number of the try, from 0
        LPARAM done; // wParam: 1 when the radio was found
    };

    explicit CRadioSearch(IRadioPanel& panel);
    ~CRadioSearch();
    CRadioSearch(const CRadioSearch&) = delete;
    CRadioSearch& operator=(const CRadioSearch&) = delete;

    // False when a search still runs.
    bool Start(HWND window, UINT message, const Codes& codes, const std::vector<int>& ports);
    bool IsRunning() const { return m_running; }
    // Ends a running search after its current try and waits for its thread.
    void Stop();
    // Once the end was posted: waits for the thread, then where the radio is.
    const RadioLocation& Found();

    // The place and share of a try, 0 to 10000, for showing it.
    RadioLocation Place(int attempt) const;
    unsigned Progress(int attempt) const;

private:
    void Run(HWND window, UINT message, Codes codes);
    void Join();

    CComRadioLink m_link;
    std::vector<int> m_ports;
    RadioLocation m_found;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};
