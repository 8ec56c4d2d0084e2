#include "app/RadioSearch.h"

CRadioSearch::CRadioSearch(IRadioPanel& panel)
    : m_link(panel)
{}

CRadioSearch::~CRadioSearch()
{
    Stop();
}

bool CRadioSearch::Start(HWND window, UINT message, const Codes& codes, const std::vector<int>& ports)
{
    if (m_running) return false;
    Join();
    m_ports = ports;
    m_found = RadioLocation();
    m_stopping = false;
    m_running = true;
    m_thread = std::thread([this, window, message, codes] { Run(window, message, codes); });
    return true;
}

void CRadioSearch::Stop()
{
    m_stopping = true;
    Join();
}

void CRadioSearch::Join()
{
    if (m_thread.joinable()) m_thread.join();
}

const RadioLocation& CRadioSearch::Found()
{
    Join();
    return m_found;
}

RadioLocation CRadioSearch::Place(int attempt) const
{
    return CRadioFinder::Place(m_ports, attempt);
}

unsigned CRadioSearch::Progress(int attempt) const
{
    const int attempts = CRadioFinder::AttemptCount(m_ports.size());
    return attempts > 0 && attempt >= 0 ? static_cast<unsigned>(attempt * 10000 / attempts) : 0;
}

void CRadioSearch::Run(HWND window, UINT message, Codes codes)
{
    CRadioFinder finder(m_link);
    RadioLocation found;
    const bool success = finder.Find(m_ports, found, [&](const RadioLocation&, int attempt, int) {
        if (m_stopping) return false;
        ::PostMessageA(window, message, static_cast<WPARAM>(attempt), codes.attempt);
        return true;
    });
    m_found = found;
    m_running = false;
    ::PostMessageA(window, message, success ? 1 : 0, codes.done);
}
