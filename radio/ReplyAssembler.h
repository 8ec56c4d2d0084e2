#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

// Assembles the radio's one-line replies from received bytes. A reply opens
// with a carriage return and ends at the next carriage return after some
// text, or at the letters "ACK", which are not part of it. Bytes arrive on the
// port's monitoring thread; the operation's thread begins, waits and inspects.
class CReplyAssembler {
public:
    // Clears the reply and ignores bytes until Open: whatever arrives before
    // the port has discarded unread input belongs to no command.
    void Begin();
    void Open();
    void OnByte(unsigned char byte);
    // True when a complete reply arrived within the limit.
    bool WaitComplete(std::chrono::milliseconds limit);

    bool IsComplete() const;
    // The buffer as it stands: the opening carriage return, then the text.
    std::string Snapshot() const;

private:
    mutable std::mutex m_lock;
    std::condition_variable m_completed;
    std::string m_buffer;
    bool m_open = false;
    bool m_complete = false;
};
