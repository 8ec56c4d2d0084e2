#include "CommandLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

std::string EscapeForLog(const std::string& bytes)
{
    std::string line;
    for (unsigned char c : bytes) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\\')
            line += "\\\\";
        else if (c >= 0x20 && c < 0x7f)
            line += static_cast<char>(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            line += hex;
        }
    }
    return line;
}

CCommandLog::CCommandLog(const std::string& path)
{
    if (!path.empty()) m_fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
}

CCommandLog::~CCommandLog()
{
    if (m_fd >= 0) close(m_fd);
}

void CCommandLog::Write(const std::string& line)
{
    if (m_fd < 0) return;
    std::string text = line + "\n";
    if (write(m_fd, text.data(), text.size()) < 0) std::perror("radiosim: log");
}
