#include "cli/TraceLog.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {

// "14:00:27.123", local time.
std::string TimeOfDay(const char* format)
{
    using namespace std::chrono;
    const system_clock::time_point now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const long long millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    char text[64];
    std::strftime(text, sizeof text, format, std::localtime(&seconds));
    char withMillis[80];
    std::snprintf(withMillis, sizeof withMillis, "%s.%03lld", text, millis);
    return withMillis;
}

} // namespace

CTraceLog::~CTraceLog()
{
    if (m_file) std::fclose(m_file);
}

bool CTraceLog::Open(const std::string& path, const std::string& heading)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_file = std::fopen(path.c_str(), "w");
    if (!m_file) return false;
    std::fprintf(m_file, "# %s, %s\n", heading.c_str(), TimeOfDay("%Y-%m-%d %H:%M:%S").c_str());
    std::fflush(m_file);
    return true;
}

void CTraceLog::Event(const std::string& port, const std::string& what)
{
    std::lock_guard<std::mutex> guard(m_lock);
    WriteLine(port, what);
}

void CTraceLog::Bytes(const std::string& port, const char* direction, const unsigned char* bytes, std::size_t count)
{
    std::lock_guard<std::mutex> guard(m_lock);
    for (std::size_t done = 0; done < count; done += kBytesPerLine) {
        const std::size_t part = std::min(kBytesPerLine, count - done);
        WriteLine(port, std::string(direction) + " " + TraceBytes(bytes + done, part));
    }
}

// The time is taken under the lock, so lines are in the order of their times.
void CTraceLog::WriteLine(const std::string& port, const std::string& what)
{
    if (!m_file) return;
    std::fprintf(m_file, "%s %s %s\n", TimeOfDay("%H:%M:%S").c_str(), port.c_str(), what.c_str());
    std::fflush(m_file);
}

std::string TraceBytes(const unsigned char* bytes, std::size_t count)
{
    std::string hex;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x ", bytes[i]);
        hex += pair;
        text += bytes[i] >= 0x20 && bytes[i] < 0x7f ? static_cast<char>(bytes[i]) : '.';
    }
    return hex + "|" + text + "|";
}
