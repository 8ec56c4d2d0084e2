#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio/MemoryRadioPanel.h"
#include "radio/RadioFinder.h"
#include "tests/radio/ScriptedRadio.h"

namespace {

class RadioFinderTest : public ::testing::Test {
protected:
    RadioFinderTest()
    {
        radio.SetReceiver(&link);
        radio.Answer("control\r", "\r\ninto config mode\r\n");
        radio.Answer("exitcnt\r", "\r\nexit config mode\r\n");
    }

    // Runs the search over the ports, recording each try as "port baud attempt/attempts".
    bool Find(const std::vector<int>& ports, int stopAt = -1)
    {
        return finder.Find(ports, found, [this, stopAt](const RadioLocation& place, int attempt, int attempts) {
            tries.push_back(std::to_string(place.port) + " " + std::to_string(place.baud) + " " +
                            std::to_string(attempt) + "/" + std::to_string(attempts));
            return attempt != stopAt;
        });
    }

    static std::vector<std::string> Openings(int port, std::vector<int> bauds)
    {
        std::vector<std::string> openings;
        for (int baud : bauds) openings.push_back(std::to_string(port) + " " + std::to_string(baud));
        return openings;
    }

    CMemoryRadioPanel panel;
    CScriptedRadio radio;
    CRadioLink link{panel, radio};
    CRadioFinder finder{link};
    RadioLocation found{-1, -1};
    std::vector<std::string> tries;
};

TEST_F(RadioFinderTest, TriesEachPortAtEachRateUntilTheRadioAnswersThenTakesItOutOfConfigMode)
{
    radio.ListenOnlyAt(5, 57600);
    ASSERT_TRUE(Find({3, 5, 9}));
    EXPECT_EQ(found.port, 5);
    EXPECT_EQ(found.baud, 57600);
    std::vector<std::string> openings = Openings(3, {9600, 19200, 38400, 57600, 115200});
    for (const std::string& opening : Openings(5, {9600, 19200, 38400, 57600})) openings.push_back(opening);
    EXPECT_EQ(radio.Openings(), openings);
    std::vector<std::string> sent(9, "control\r");
    sent.push_back("exitcnt\r");
    EXPECT_EQ(radio.Sent(), sent);
    EXPECT_EQ(tries.back(), "5 57600 8/15");
    EXPECT_FALSE(radio.IsOpen());
}

// A radio that answers something else, ports that do not open: every place
// is tried once and nothing is found or sent beyond "control".
TEST_F(RadioFinderTest, WithoutARadioEveryPlaceIsTriedOnceAndNothingIsFound)
{
    radio.Answer("control\r", "\r\nERROR\r\n");
    EXPECT_FALSE(Find({2, 4}));
    EXPECT_EQ(radio.Openings().size(), 10u);
    EXPECT_EQ(radio.Sent(), std::vector<std::string>(10, "control\r"));
    EXPECT_EQ(found.port, -1);

    radio.SetOpenSucceeds(false);
    EXPECT_FALSE(Find({6}));
    EXPECT_EQ(std::vector<std::string>(radio.Openings().begin() + 10, radio.Openings().end()),
              Openings(6, {9600, 19200, 38400, 57600, 115200}));
    EXPECT_EQ(radio.Sent().size(), 10u);
}

TEST_F(RadioFinderTest, AStopFromTheProgressEndsTheSearchBeforeItsTry)
{
    radio.ListenOnlyAt(8, 115200);
    EXPECT_FALSE(Find({8}, 2));
    EXPECT_EQ(radio.Openings(), Openings(8, {9600, 19200}));
    EXPECT_EQ(tries.back(), "8 38400 2/5");
    EXPECT_FALSE(radio.IsOpen());
}

} // namespace
