#pragma once

#include <gtest/gtest.h>

#include <string>

#include "radio/MemoryRadioPanel.h"
#include "radio/RadioLink.h"
#include "radio/RadioOperations.h"
#include "tests/radio/ScriptedRadio.h"

// A panel set up as the main window sets up its controls, wired to a
// scripted radio on COM5.
class RadioFixture : public ::testing::Test {
protected:
    RadioFixture()
    {
        radio.SetReceiver(&link);
        panel.OnProtocolSelected([this](int protocol) { operations.OfferLinkRates(protocol); });
        operations.FillValueLists();
        panel.AddListItem(RadioList::ComPort, " COM5");
        panel.SelectListItem(RadioList::ComPort, 0);
    }

    static std::string Line(const std::string& text) { return "\r\n" + text + "\r\n"; }

    // Every reply ends with the given bytes: a line end, or the letters "ACK".
    void AnswerLikeHealthyRadio(const std::string& end = "\r\n")
    {
        auto answer = [&](const std::string& command, const std::string& text) {
            radio.Answer(command, "\r\n" + text + end);
        };
        answer("cfg_ch_n\r", "current channel 3");
        answer("cfg_prtl\r", "protocol TRANSMDS");
        answer("cfg_sbau\r", "serial baud 57600");
        answer("cfg_baud\r", "link baud 19200");
        answer("cfg_firm\r", "V2.31");
        answer("cfg_hard\r", "H2.0");
        answer("cfg_sern\r", "RS2026001");
        answer("SREV\r", "S1.07");
        for (int channel = 0; channel < kChannelCount; ++channel)
            answer("cfg_ch_" + std::to_string(channel) + "\r",
                   "channel " + std::to_string(channel) + " " + Frequency(channel));
    }

    // The fields as a read of that radio leaves them.
    void ExpectHealthyValues() const
    {
        std::string values;
        for (RadioList list :
             {RadioList::CurrentChannel, RadioList::Protocol, RadioList::PortBaud, RadioList::LinkBaud})
            values += panel.ListText(list);
        for (RadioField field :
             {RadioField::Firmware, RadioField::Hardware, RadioField::SerialNumber, RadioField::SubFirmware})
            values += " " + panel.FieldText(field);
        EXPECT_EQ(values, " Channel3 TRANSMDS 57600 19200 V2.31 H2.0 RS2026001 S1.07");
        for (int channel = 0; channel < kChannelCount; ++channel)
            EXPECT_EQ(panel.ChannelText(channel), Frequency(channel)) << channel;
    }

    static std::string Frequency(int channel) { return std::to_string(411 + channel * 5) + ".12500"; }

    // Every field valid and every list selected, nothing unlocked.
    void FillWritableValues()
    {
        for (int channel = 0; channel < kChannelCount; ++channel) panel.SetChannelText(channel, Frequency(channel));
        panel.SelectListItem(RadioList::Protocol, 1); // TRANSMDS, offers 4800 9600 19200
        panel.SelectListItem(RadioList::CurrentChannel, 4);
        panel.SelectListItem(RadioList::PortBaud, 3);
        panel.SelectListItem(RadioList::LinkBaud, 2);
    }

    std::string LastError() const { return panel.Errors().empty() ? "" : panel.Errors().back().message; }

    CMemoryRadioPanel panel;
    CScriptedRadio radio;
    CRadioLink link{panel, radio};
    CRadioOperations operations{panel, link};
};
