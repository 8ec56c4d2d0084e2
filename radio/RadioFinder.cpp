#include "radio/RadioFinder.h"

#include "radio/RadioTables.h"

CRadioFinder::CRadioFinder(CRadioLink& link)
    : m_link(link)
{}

int CRadioFinder::AttemptCount(std::size_t portCount)
{
    return static_cast<int>(portCount * SerialBaudTable.size());
}

RadioLocation CRadioFinder::Place(const std::vector<int>& ports, int attempt)
{
    const int rates = static_cast<int>(SerialBaudTable.size());
    if (attempt < 0 || attempt >= AttemptCount(ports.size())) return RadioLocation();
    return RadioLocation{ports[attempt / rates], LeadingInteger(SerialBaudTable[attempt % rates].keyword)};
}

bool CRadioFinder::Find(const std::vector<int>& ports, RadioLocation& found, const Progress& progress)
{
    const int attempts = AttemptCount(ports.size());
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const RadioLocation place = Place(ports, attempt);
        if (progress && !progress(place, attempt, attempts)) return false;
        if (Answers(place)) {
            found = place;
            return true;
        }
    }
    return false;
}

bool CRadioFinder::Answers(const RadioLocation& place)
{
    const bool answered = m_link.OpenPort(place.port, place.baud) && m_link.SendCommand("control\r") &&
                          m_link.ReplyContains("into config");
    if (answered) m_link.SendCommand("exitcnt\r");
    m_link.Close();
    return answered;
}
