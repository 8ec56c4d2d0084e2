#pragma once

#include <string>

// The log line of a received command: CR as \r, LF as \n, backslash as \\,
// other unprintable bytes as \xHH.
std::string EscapeForLog(const std::string& bytes);

// Appends lines to the log file, each written through before the reply.
class CCommandLog {
public:
    explicit CCommandLog(const std::string& path);
    ~CCommandLog();
    CCommandLog(const CCommandLog&) = delete;
    CCommandLog& operator=(const CCommandLog&) = delete;

    void Write(const std::string& line);

private:
    int m_fd = -1;
};
