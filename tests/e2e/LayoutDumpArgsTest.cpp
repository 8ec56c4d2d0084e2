#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayoutDumpArgs.h"

namespace {

struct Parsed {
    bool ok = false;
    TLayoutDumpArgs args;
    std::string error;
};

Parsed Parse(std::vector<const char*> words)
{
    words.insert(words.begin(), "layoutdump");
    Parsed parsed;
    parsed.ok = CLayoutDumpArgs::Parse(static_cast<int>(words.size()), words.data(), parsed.args, parsed.error);
    return parsed;
}

} // namespace

TEST(LayoutDumpArgsTest, LanguageChoosesTheTextsAndOnlyZhOrEnAreTaken)
{
    EXPECT_TRUE(Parse({}).args.chinese);
    Parsed english = Parse({"--lang", "en"});
    ASSERT_TRUE(english.ok);
    EXPECT_FALSE(english.args.chinese);
    EXPECT_FALSE(english.args.renderStatus);
    EXPECT_FALSE(Parse({"--lang", "fr"}).ok);
    Parsed dangling = Parse({"--lang"});
    EXPECT_FALSE(dangling.ok);
    EXPECT_NE(dangling.error.find("--lang"), std::string::npos);
}

TEST(LayoutDumpArgsTest, StatusRenderingNeedsTextOutcomeAndPictureTogether)
{
    Parsed failure = Parse({"--render-status", "Read Failure", "--failure", "out.png", "--lang", "en"});
    ASSERT_TRUE(failure.ok) << failure.error;
    EXPECT_TRUE(failure.args.renderStatus);
    EXPECT_EQ(failure.args.statusText, "Read Failure");
    EXPECT_FALSE(failure.args.success);
    EXPECT_EQ(failure.args.png, "out.png");
    Parsed anyOrder = Parse({"--success", "--render-status", "@text.txt", "a.png"});
    EXPECT_TRUE(anyOrder.ok) << anyOrder.error;
    EXPECT_EQ(anyOrder.args.statusText, "@text.txt");

    EXPECT_FALSE(Parse({"--render-status", "Read Success", "out.png"}).ok);
    EXPECT_FALSE(Parse({"--render-status", "Read Success", "--success"}).ok);
    EXPECT_FALSE(Parse({"--success", "out.png"}).ok);
    EXPECT_FALSE(Parse({"out.png"}).ok);
    EXPECT_FALSE(Parse({"--render-status"}).ok);

    Parsed window = Parse({"--render-window", "w.png", "--lang", "en"});
    ASSERT_TRUE(window.ok) << window.error;
    EXPECT_TRUE(window.args.renderWindow);
    EXPECT_EQ(window.args.png, "w.png");
    EXPECT_FALSE(Parse({"--render-window"}).ok);
    EXPECT_FALSE(Parse({"--render-window", "w.png", "--success"}).ok);
    EXPECT_FALSE(Parse({"--render-window", "--render-status", "x", "--success", "w.png"}).ok);

    Parsed progress = Parse({"--render-status", "Upgrade Firmware 37%", "--progress", "3750", "p.png"});
    ASSERT_TRUE(progress.ok) << progress.error;
    EXPECT_EQ(progress.args.progress, 3750);
    for (const char* refused : {"-1", "10001", "37%", ""})
        EXPECT_FALSE(Parse({"--render-status", "x", "--progress", refused, "p.png"}).ok) << refused;
}

TEST(LayoutDumpArgsTest, OneLooseWordAtMostAndNoUnknownOptions)
{
    EXPECT_FALSE(Parse({"--render-status", "x", "--success", "a.png", "b.png"}).ok);
    EXPECT_FALSE(Parse({"--verbose"}).ok);
    EXPECT_TRUE(Parse({"--com-ports"}).args.comPorts);
    EXPECT_TRUE(Parse({"--message-boxes"}).args.messageBoxes);
    EXPECT_TRUE(Parse({"--device-change"}).args.deviceChange);
}
