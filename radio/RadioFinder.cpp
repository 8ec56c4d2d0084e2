#include "radio/RadioFinder.h"

#include "radio/RadioTables.h"

CRadioFinder::CRadioFinder(CRadioLink& link) : m_link(link) {}

int CRadioFinder::AttemptCount(std::size_t portCount)
{
    return static_cast<int>(portCount * SerialBaudTable.size());
}

bool CRadioFinder::Find(const std::vector<int>& ports, RadioLocation& found, const Progress& progress)
{
    const int attempts = AttemptCount(ports.size());
    int attempt = 0;
    for (int port : ports) {
        for (const ValueEntry& rate : SerialBaudTable) {
            const RadioLocation place{port, LeadingInteger(rate.keyword)};
            if (progress && !progress(place, attempt++, attempts))
                return false;
            if (Answers(place)) {
                found = place;
                return true;
            }
        }
    }
    return false;
}

bool CRadioFinder::Answers(const RadioLocation& place)
{
    const bool answered = m_link.OpenPort(place.port, place.baud) && m_link.SendCommand("control\r") &&
                          m_link.ReplyContains("into config");
    if (answered)
        m_link.SendCommand("exitcnt\r");
    m_link.Close();
    return answered;
}
