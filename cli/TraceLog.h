#pragma once

#include <cstddef>
#include <cstdio>
#include <mutex>
#include <string>

// The --trace file: every opening, closing and byte of every port, one line
// each with the time to the millisecond, written out as it happens so that a
// run that hangs still leaves its trace. Safe to use from several threads.
class CTraceLog {
public:
    // Longest run of bytes on one line; longer ones continue on the next.
    static constexpr std::size_t kBytesPerLine = 32;

    CTraceLog() = default;
    ~CTraceLog();
    CTraceLog(const CTraceLog&) = delete;
    CTraceLog& operator=(const CTraceLog&) = delete;

    // Creates (or empties) the file and writes its first line; false when it
    // cannot be created.
    bool Open(const std::string& path, const std::string& heading);
    void Event(const std::string& port, const std::string& what);
    // direction is "send" or "recv".
    void Bytes(const std::string& port, const char* direction, const unsigned char* bytes, std::size_t count);

private:
    void WriteLine(const std::string& port, const std::string& what);

    std::mutex m_lock;
    std::FILE* m_file = nullptr;
};

// "63 6f 0d |co.|": the bytes in hex, then as text with a dot for every byte
// that is not printable ASCII.
std::string TraceBytes(const unsigned char* bytes, std::size_t count);
