#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Json.h"
#include "cli/TraceLog.h"

namespace {

std::vector<std::string> LinesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back(); // a text file on Windows
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(Json, EveryByteComesOutAsValidJson)
{
    const struct {
        std::string text;
        const char* quoted;
    } cases[] = {
        {"say \"OK\" \\ done", "\"say \\\"OK\\\" \\\\ done\""},
        {"\r\nOK\r\n", "\"\\u000d\\u000aOK\\u000d\\u000a\""},
        {std::string("a\0b", 3), "\"a\\u0000b\""},
        {"\x86\xfe\x7f", "\"\\u0086\\u00fe\\u007f\""},
    };
    for (const auto& c : cases) EXPECT_EQ(JsonQuoted(c.text), c.quoted);
}

// Each line is in the file as soon as it is recorded: a run that hangs
// afterwards still leaves it.
TEST(Trace, LinesReachTheFileAsTheyAreRecorded)
{
    const std::string path = ::testing::TempDir() + "radiocfg-trace-test.txt";
    std::vector<unsigned char> reply(CTraceLog::kBytesPerLine + 8, 'x');
    {
        CTraceLog trace;
        ASSERT_TRUE(trace.Open(path, "radiocfg read --port 7"));
        trace.Event("COM7", "open 38400");
        const unsigned char command[] = "cfg_hard\r";
        trace.Bytes("COM7", "send", command, sizeof command - 1);
        trace.Bytes("COM7", "recv", reply.data(), reply.size());
        const std::vector<std::string> lines = LinesOf(path);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0].rfind("# radiocfg read --port 7, ", 0), 0u) << lines[0];
        for (std::size_t i = 1; i < lines.size(); ++i) // "14:00:27.123 "
            EXPECT_TRUE(lines[i].size() > 13 && lines[i].find_first_not_of("0123456789:.") == 12 &&
                        lines[i][2] == ':' && lines[i][5] == ':' && lines[i][8] == '.')
                << lines[i];
        EXPECT_EQ(lines[1].substr(13), "COM7 open 38400");
        EXPECT_EQ(lines[2].substr(13), "COM7 send 63 66 67 5f 68 61 72 64 0d |cfg_hard.|");
        EXPECT_EQ(lines[3].substr(13), "COM7 recv " + TraceBytes(reply.data(), CTraceLog::kBytesPerLine));
        EXPECT_EQ(lines[4].substr(13), "COM7 recv 78 78 78 78 78 78 78 78 |xxxxxxxx|");
    }
    std::remove(path.c_str());
    CTraceLog unwritable;
    EXPECT_FALSE(unwritable.Open(::testing::TempDir() + "no-such-folder/trace.txt", "radiocfg ports"));
}
