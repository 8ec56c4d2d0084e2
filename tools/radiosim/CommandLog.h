#pragma once

#include <string>

// The log line of a received command: CR as \r, LF as \n, backslash as \\,
// other unprintable bytes as \xHH.
std::string EscapeForLog(const std::string& bytes);

// Appends lines to the log file, each written through before the reply.
class CommandLog {
public:
    explicit CommandLog(const std::string& path);
    ~CommandLog();
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

    void Write(const std::string& line);

private:
    int m_fd = -1;
};
