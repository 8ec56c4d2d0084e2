#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "radio/FirmwarePacket.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/MemoryRadioPanel.h"
#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

namespace {

using Texts = std::vector<std::string>;

// The radio's boot loader, answering at once, and the one who asked for the
// upgrade, recording its calls and whether the port was still open at the result.
class CFakeBootLoader : public ISerialTransport, public IUpgradeReporter {
public:
    CMemoryRadioPanel panel;
    CRadioLink link{panel, *this};
    std::string path = ::testing::TempDir() + "upgrade-test.dwn";
    bool cancel = false;
    bool openSucceeds = true;
    int refusedWritePage = 0; // this "write page" (from 1) lacks "get page"
    int failedPage = 0; // this page (from 1) is answered "write failed"
    std::function<void(int)> onPage;
    Texts sent; // packets as "page"
    std::string firmware; // the pages taken, checksums stripped
    std::string calls;
    std::vector<int> progress;
    bool portOpenAtEnd = false;
    int port = 0, baud = 0;
    bool open = false;

    bool Open(int portNumber, int baudRate) override
    {
        port = portNumber;
        baud = baudRate;
        return open = openSucceeds;
    }
    bool StartMonitor() override { return open; }
    bool Send(const void* bytes, std::size_t length) override
    {
        const std::string text(static_cast<const char*>(bytes), length);
        sent.push_back(length == 258 ? "page" : text);
        link.OnInputDiscarded();
        const std::string reply = text == "boot_start"   ? "boot start"
                                  : text == "write page" ? (++m_writePages == refusedWritePage ? "busy" : "get page")
                                  : length == 258        ? TakePage(text)
                                                         : "";
        for (char byte : reply.empty() ? reply : "\r\n" + reply + "\r\n")
            link.OnSerialByte(static_cast<unsigned char>(byte));
        return true;
    }
    void Close() override { open = false; }

    bool ChooseFirmwareFile(std::string& chosen) override
    {
        calls += "choose";
        chosen = path;
        return !cancel;
    }
    int BeginUpgrade() override { return calls += " begin", 9; }
    void ShowProgress(int value) override { progress.push_back(value); }
    void EndUpgrade(bool success) override
    {
        calls += success ? " success" : " failure";
        portOpenAtEnd = open;
    }

private:
    std::string TakePage(const std::string& packet)
    {
        if (onPage) onPage(m_pages + 1);
        unsigned sum = 0;
        for (std::size_t i = 0; i < 256; ++i) sum += static_cast<unsigned char>(packet[i]);
        if (++m_pages == failedPage) return "write failed";
        if (static_cast<unsigned char>(packet[256]) != sum >> 8 ||
            static_cast<unsigned char>(packet[257]) != (sum & 0xFF))
            return "checksum error";
        firmware += packet.substr(0, 256);
        return "write OK";
    }

    int m_writePages = 0;
    int m_pages = 0;
};

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

Texts Exchange(int pages)
{
    Texts words{"boot_start"};
    for (int page = 0; page < pages; ++page) words.insert(words.end(), {"write page", "page"});
    return words;
}

// An upgrade of the file through a fresh boot loader, arranged first; the port is closed before the result.
std::unique_ptr<CFakeBootLoader> Upgrade(
    const std::string& file, const std::function<void(CFakeBootLoader&)>& arrange = [](CFakeBootLoader&) {})
{
    auto boot = std::make_unique<CFakeBootLoader>();
    std::ofstream(boot->path, std::ios::binary | std::ios::trunc) << file;
    arrange(*boot);
    CFirmwareUpgrade(boot->link, *boot).UpgradeFirmware();
    EXPECT_FALSE(boot->portOpenAtEnd);
    EXPECT_FALSE(boot->open);
    std::remove((::testing::TempDir() + "upgrade-test.dwn").c_str());
    return boot;
}

TEST(FirmwareUpgradeTest, SendsTheFirstPageAndTheWholePagesOfTheBody)
{
    const struct {
        std::string file;
        int pages;
        std::vector<int> progress;
    } cases[] = {
        {Pattern(4096 + 256 * 3), 4, {5000, 7500, 10000}},
        {Pattern(4096 + 256 * 2 + 100), 3, {5898, 8847}}, // the short tail is left out
        {std::string(4097, '\xFF'), 1, {}}, // the fake checks the checksum bytes FF 00
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.size());
        const auto boot = Upgrade(c.file);
        Texts expected = Exchange(c.pages);
        expected.push_back("ISP finish");
        EXPECT_EQ(boot->sent, expected);
        EXPECT_EQ(boot->firmware, c.file.substr(0, 256) + c.file.substr(4096, 256 * (c.pages - 1)));
        EXPECT_EQ(boot->port, 9);
        EXPECT_EQ(boot->baud, 115200);
        EXPECT_EQ(boot->progress, c.progress);
        EXPECT_EQ(boot->calls, "choose begin success");
    }
}

TEST(FirmwareUpgradeTest, FailuresStopTheExchangeWhereTheyHappen)
{
    const std::string file = Pattern(4096 + 256 * 5);
    const struct {
        const char* name;
        std::string file;
        std::function<void(CFakeBootLoader&)> arrange;
        Texts sent;
    } cases[] = {
        {"4096 bytes", Pattern(4096), [](CFakeBootLoader&) {}, {}},
        {"missing file", file, [](CFakeBootLoader& boot) { boot.path += ".none"; }, {}},
        {"port refused", file, [](CFakeBootLoader& boot) { boot.openSucceeds = false; }, {}},
        {"refused write page",
         file,
         [](CFakeBootLoader& boot) { boot.refusedWritePage = 1; },
         {"boot_start", "write page"}},
        {"failed page", file, [](CFakeBootLoader& boot) { boot.failedPage = 3; }, Exchange(3)},
        {"file shrinks", file,
         [&file](CFakeBootLoader& boot) {
             boot.onPage = [&file, &boot](int page) {
                 if (page == 2)
                     std::ofstream(boot.path, std::ios::binary | std::ios::trunc) << file.substr(0, 4096 + 256);
             };
         },
         Exchange(2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto boot = Upgrade(c.file, c.arrange);
        EXPECT_EQ(boot->sent, c.sent);
        EXPECT_EQ(boot->calls, "choose begin failure");
    }
    const auto cancelled = Upgrade(file, [](CFakeBootLoader& boot) { boot.cancel = true; });
    EXPECT_EQ(cancelled->calls, "choose");
    EXPECT_TRUE(cancelled->sent.empty());
}

TEST(FirmwarePacketTest, ProgressOfLargeFilesStaysInRangeAndEndsFull)
{
    for (std::uint64_t pages : {1u, 240u, 20000u}) {
        SCOPED_TRACE(pages);
        std::uint64_t size = 4096 + 256 * pages;
        int previous = 0;
        for (std::uint64_t index = 1; index <= pages; ++index) {
            int progress = FirmwarePacket::ProgressAfterPage(index, size);
            ASSERT_GE(progress, previous) << "page " << index;
            ASSERT_LE(progress, 10000) << "page " << index;
            previous = progress;
        }
        EXPECT_EQ(previous, 10000);
        EXPECT_EQ(FirmwarePacket::PageCount(size + 255), pages + 1);
    }
}

} // namespace
