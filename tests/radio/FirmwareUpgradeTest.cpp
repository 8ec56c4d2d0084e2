#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "radio/FirmwareUpgrade.h"
#include "radio/MemoryRadioPanel.h"
#include "tests/radio/FakeBootLoader.h"

namespace {

using Texts = std::vector<std::string>;

// Records the calls in order and whether the port was open at the result.
class CRecordingReporter : public IUpgradeReporter {
public:
    explicit CRecordingReporter(const CFakeBootLoader& boot) : m_boot(boot) {}

    bool ChooseFirmwareFile(std::string& chosen) override
    {
        calls.push_back("choose");
        chosen = path;
        return !cancel;
    }
    int BeginUpgrade() override
    {
        calls.push_back("begin");
        return 9;
    }
    void ShowProgress(int value) override { progress.push_back(value); }
    void EndUpgrade(bool success) override
    {
        calls.push_back(success ? "success" : "failure");
        portOpenAtEnd = m_boot.open;
    }

    std::string path;
    bool cancel = false;
    Texts calls;
    std::vector<int> progress;
    bool portOpenAtEnd = true;

private:
    const CFakeBootLoader& m_boot;
};

std::string Pattern(std::size_t size, int seed = 7)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * seed + i / 256) & 0xFF);
    return bytes;
}

class FirmwareUpgradeTest : public ::testing::Test {
protected:
    FirmwareUpgradeTest()
    {
        boot.receiver = &link;
        reporter.path = ::testing::TempDir() + "upgrade-test.dwn";
    }
    ~FirmwareUpgradeTest() override { std::remove(reporter.path.c_str()); }

    void Run(const std::string& file)
    {
        std::ofstream(reporter.path, std::ios::binary | std::ios::trunc) << file;
        upgrade.UpgradeFirmware();
    }

    static Texts Exchange(int pages)
    {
        Texts words{"boot_start"};
        for (int page = 0; page < pages; ++page)
            words.insert(words.end(), {"write page", "page"});
        return words;
    }

    CMemoryRadioPanel panel;
    CFakeBootLoader boot;
    CRadioLink link{panel, boot};
    CRecordingReporter reporter{boot};
    CFirmwareUpgrade upgrade{link, reporter};
};

TEST_F(FirmwareUpgradeTest, SendsTheFirstPageAndTheWholePagesOfTheBody)
{
    std::string file = Pattern(4096 + 256 * 3);
    Run(file);

    Texts expected = Exchange(4);
    expected.push_back("ISP finish");
    EXPECT_EQ(boot.sent, expected);
    EXPECT_EQ(boot.firmware, file.substr(0, 256) + file.substr(4096));
    EXPECT_EQ(boot.port, 9);
    EXPECT_EQ(boot.baud, 115200);
    EXPECT_EQ(reporter.progress, (std::vector<int>{5000, 7500, 10000}));
    EXPECT_EQ(reporter.calls, (Texts{"choose", "begin", "success"}));
    EXPECT_FALSE(reporter.portOpenAtEnd);
}

TEST_F(FirmwareUpgradeTest, ShortTailIsLeftOutAndProgressEndsBelowFull)
{
    std::string file = Pattern(4096 + 256 * 2 + 100);
    Run(file);

    EXPECT_EQ(boot.firmware, file.substr(0, 256) + file.substr(4096, 512));
    EXPECT_EQ(reporter.progress, (std::vector<int>{5898, 8847}));  // n × 2560000 / 868
    EXPECT_EQ(reporter.calls.back(), "success");
}

TEST_F(FirmwareUpgradeTest, OneByteOverTheHeaderSendsOnlyTheFirstPageWithItsChecksum)
{
    Run(std::string(4097, '\xFF'));

    EXPECT_EQ(boot.sent, (Texts{"boot_start", "write page", "page", "ISP finish"}));
    EXPECT_EQ(boot.firmware, std::string(256, '\xFF'));  // the fake checks the checksum bytes FF 00
    EXPECT_TRUE(reporter.progress.empty());
    EXPECT_EQ(reporter.calls.back(), "success");
}

TEST_F(FirmwareUpgradeTest, NothingIsSentWithoutFirmwareOrPort)
{
    struct Case {
        const char* name;
        std::size_t size;
        bool cancel, missing, portOpens;
        Texts calls;
    };
    const Case cases[] = {
        {"4096 bytes", 4096, false, false, true, {"choose", "begin", "failure"}},
        {"missing file", 8192, false, true, true, {"choose", "begin", "failure"}},
        {"port refused", 8192, false, false, false, {"choose", "begin", "failure"}},
        {"cancelled", 8192, true, false, true, {"choose"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFakeBootLoader idle;
        idle.openSucceeds = c.portOpens;
        CRadioLink idleLink{panel, idle};
        idle.receiver = &idleLink;
        CRecordingReporter calls{idle};
        calls.path = c.missing ? reporter.path + ".none" : reporter.path;
        calls.cancel = c.cancel;
        std::ofstream(reporter.path, std::ios::binary | std::ios::trunc) << Pattern(c.size);

        CFirmwareUpgrade(idleLink, calls).UpgradeFirmware();

        EXPECT_EQ(calls.calls, c.calls);
        EXPECT_TRUE(idle.sent.empty());
        EXPECT_FALSE(idle.open);
    }
}

TEST_F(FirmwareUpgradeTest, RefusedWritePageSendsNoPacket)
{
    boot.refusedWritePage = 1;
    Run(Pattern(8192));
    EXPECT_EQ(boot.sent, (Texts{"boot_start", "write page"}));
    EXPECT_EQ(reporter.calls.back(), "failure");
    EXPECT_FALSE(reporter.portOpenAtEnd);
}

TEST_F(FirmwareUpgradeTest, FailedPageEndsTheUpgradeWithNothingAfterIt)
{
    boot.failedPage = 3;
    Run(Pattern(4096 + 256 * 5));
    EXPECT_EQ(boot.sent, Exchange(3));
    EXPECT_EQ(reporter.progress.size(), 1u);
    EXPECT_EQ(reporter.calls.back(), "failure");
}

TEST_F(FirmwareUpgradeTest, FileThatShrinksDuringTheUpgradeFails)
{
    std::string file = Pattern(4096 + 256 * 4);
    boot.onPage = [&](int page) {
        if (page == 2)
            std::ofstream(reporter.path, std::ios::binary | std::ios::trunc) << file.substr(0, 4096 + 256);
    };
    Run(file);

    EXPECT_EQ(boot.sent, Exchange(2));
    EXPECT_EQ(reporter.calls.back(), "failure");
}

}  // namespace
