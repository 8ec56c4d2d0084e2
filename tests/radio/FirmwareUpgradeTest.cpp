#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "radio/FirmwareUpgrade.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioLink.h"
#include "tests/radio/FakeBootLoader.h"

namespace {

constexpr int kPort = 9;

// Records the calls in order; the port's state is noted when the result comes.
class CRecordingReporter : public IUpgradeReporter {
public:
    explicit CRecordingReporter(const CFakeBootLoader& boot) : m_boot(boot) {}

    bool ChooseFirmwareFile(std::string& path) override
    {
        calls.push_back("choose");
        path = chosenPath;
        return !cancel;
    }
    int BeginUpgrade() override
    {
        calls.push_back("begin");
        return kPort;
    }
    void ShowProgress(int value) override { progress.push_back(value); }
    void EndUpgrade(bool success) override
    {
        calls.push_back(success ? "success" : "failure");
        portOpenAtEnd = m_boot.IsOpen();
    }

    std::string chosenPath;
    bool cancel = false;
    std::vector<std::string> calls;
    std::vector<int> progress;
    bool portOpenAtEnd = true;

private:
    const CFakeBootLoader& m_boot;
};

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

class FirmwareUpgradeTest : public ::testing::Test {
protected:
    FirmwareUpgradeTest()
    {
        boot.SetReceiver(&link);
        reporter.chosenPath = path;
    }
    ~FirmwareUpgradeTest() override { std::remove(path.c_str()); }

    void WriteFile(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    // The bytes a file's upgrade sends: the first page and the whole pages from 4096 on.
    static std::string SentPart(const std::string& file)
    {
        std::size_t whole = (file.size() - 4096) / 256 * 256;
        return file.substr(0, 256) + file.substr(4096, whole);
    }

    std::vector<std::string> SentWords() const
    {
        std::vector<std::string> words;
        for (const std::string& sent : boot.Sent())
            words.push_back(sent.size() == 258 ? "page" : sent);
        return words;
    }

    std::string path = ::testing::TempDir() + "upgrade-test.dwn";
    CMemoryRadioPanel panel;
    CFakeBootLoader boot;
    CRadioLink link{panel, boot};
    CRecordingReporter reporter{boot};
    CFirmwareUpgrade upgrade{link, reporter};
};

using Words = std::vector<std::string>;

TEST_F(FirmwareUpgradeTest, SendsTheFirstPageAndTheWholePagesFromTheBody)
{
    std::string file = Pattern(4096 + 256 * 3);
    WriteFile(file);

    upgrade.UpgradeFirmware();

    EXPECT_EQ(SentWords(), (Words{"boot_start", "write page", "page", "write page", "page", "write page", "page",
                              "write page", "page", "ISP finish"}));
    EXPECT_EQ(boot.Firmware(), SentPart(file));
    EXPECT_EQ(boot.OpenedPort(), kPort);
    EXPECT_EQ(boot.OpenedBaud(), 115200);
    EXPECT_EQ(reporter.progress, (std::vector<int>{5000, 7500, 10000}));
    EXPECT_EQ(reporter.calls, (Words{"choose", "begin", "success"}));
    EXPECT_FALSE(reporter.portOpenAtEnd);
}

TEST_F(FirmwareUpgradeTest, ShortTailIsLeftOutAndProgressStopsShortOfFull)
{
    std::string file = Pattern(4096 + 256 * 2 + 100);
    WriteFile(file);

    upgrade.UpgradeFirmware();

    EXPECT_EQ(boot.Pages(), 3);
    EXPECT_EQ(boot.Firmware(), SentPart(file));
    // 3 × 2560000 / (256 + 512 + 100)
    EXPECT_EQ(reporter.progress, (std::vector<int>{5898, 8847}));
    EXPECT_EQ(reporter.calls.back(), "success");
}

TEST_F(FirmwareUpgradeTest, FileOfOneByteOverTheHeaderSendsOnlyTheFirstPage)
{
    std::string file = Pattern(4097);
    WriteFile(file);

    upgrade.UpgradeFirmware();

    EXPECT_EQ(SentWords(), (Words{"boot_start", "write page", "page", "ISP finish"}));
    EXPECT_EQ(boot.Firmware(), file.substr(0, 256));
    EXPECT_TRUE(reporter.progress.empty());
    EXPECT_EQ(reporter.calls.back(), "success");
}

TEST_F(FirmwareUpgradeTest, PageOfAllOnesCarriesItsChecksumHighByteFirst)
{
    WriteFile(std::string(4097, '\xFF'));

    upgrade.UpgradeFirmware();

    ASSERT_GE(boot.Sent().size(), 3u);
    const std::string& packet = boot.Sent()[2];
    ASSERT_EQ(packet.size(), 258u);
    EXPECT_EQ(static_cast<unsigned char>(packet[256]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(packet[257]), 0x00);
    EXPECT_EQ(reporter.calls.back(), "success");
}

TEST_F(FirmwareUpgradeTest, FilesThatHoldNoFirmwareFailWithoutTouchingThePort)
{
    for (bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "missing file" : "4096 bytes");
        reporter.calls.clear();
        if (missing)
            std::remove(path.c_str());
        else
            WriteFile(Pattern(4096));

        upgrade.UpgradeFirmware();

        EXPECT_EQ(reporter.calls, (Words{"choose", "begin", "failure"}));
        EXPECT_EQ(boot.OpenedBaud(), 0);
        EXPECT_TRUE(boot.Sent().empty());
    }
}

TEST_F(FirmwareUpgradeTest, CancelledChoiceDoesNothing)
{
    WriteFile(Pattern(8192));
    reporter.cancel = true;

    upgrade.UpgradeFirmware();

    EXPECT_EQ(reporter.calls, Words{"choose"});
    EXPECT_EQ(boot.OpenedBaud(), 0);
    EXPECT_TRUE(boot.Sent().empty());
}

TEST_F(FirmwareUpgradeTest, PortThatDoesNotOpenFails)
{
    WriteFile(Pattern(8192));
    boot.SetOpenSucceeds(false);

    upgrade.UpgradeFirmware();

    EXPECT_EQ(reporter.calls, (Words{"choose", "begin", "failure"}));
    EXPECT_TRUE(boot.Sent().empty());
}

TEST_F(FirmwareUpgradeTest, RefusedFirstWritePageSendsNoPacket)
{
    WriteFile(Pattern(8192));
    boot.RefuseWritePage(1);

    upgrade.UpgradeFirmware();

    EXPECT_EQ(SentWords(), (Words{"boot_start", "write page"}));
    EXPECT_EQ(reporter.calls.back(), "failure");
    EXPECT_FALSE(reporter.portOpenAtEnd);
}

TEST_F(FirmwareUpgradeTest, FailedPageEndsTheUpgradeWithNothingAfterIt)
{
    WriteFile(Pattern(4096 + 256 * 5));
    boot.FailPage(3);

    upgrade.UpgradeFirmware();

    EXPECT_EQ(SentWords(), (Words{"boot_start", "write page", "page", "write page", "page", "write page", "page"}));
    EXPECT_EQ(reporter.progress.size(), 1u);
    EXPECT_EQ(reporter.calls.back(), "failure");
}

TEST_F(FirmwareUpgradeTest, FileThatShrinksDuringTheUpgradeFails)
{
    std::string file = Pattern(4096 + 256 * 4);
    WriteFile(file);
    boot.OnPage([&](int page) {
        if (page == 2)
            WriteFile(file.substr(0, 4096 + 256));
    });

    upgrade.UpgradeFirmware();

    EXPECT_EQ(boot.Pages(), 2);
    EXPECT_NE(SentWords().back(), "ISP finish");
    EXPECT_EQ(reporter.calls.back(), "failure");
}

}  // namespace
