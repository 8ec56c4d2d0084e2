#pragma once

#include <array>

// The "edited" marks of the ten channel frequency edits: at most one is
// pending at a time, and it is validated before another control acts.
class CChannelEditGuard {
public:
    static constexpr int kChannelCount = 10;

    // The edit of channel i lost the focus; false when the notification is
    // not to be passed on because another mark is already pending.
    bool OnKillFocus(int channel);
    // The lowest marked channel other than excludedChannel, -1 for none.
    int PendingChannel(int excludedChannel) const;
    void Clear(int channel);

private:
    static bool IsChannel(int channel) { return channel >= 0 && channel < kChannelCount; }

    std::array<bool, kChannelCount> m_edited = {};
};
