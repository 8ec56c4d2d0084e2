#include "app/ChannelEditGuard.h"

bool CChannelEditGuard::OnKillFocus(int channel)
{
    for (bool edited : m_edited)
        if (edited) return false;
    if (IsChannel(channel)) m_edited[channel] = true;
    return true;
}

int CChannelEditGuard::PendingChannel(int excludedChannel) const
{
    for (int channel = 0; channel < kChannelCount; ++channel)
        if (m_edited[channel] && channel != excludedChannel) return channel;
    return -1;
}

void CChannelEditGuard::Clear(int channel)
{
    if (IsChannel(channel)) m_edited[channel] = false;
}
