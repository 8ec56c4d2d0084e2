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

    void AnswerLikeHealthyRadio()
    {
        radio.Answer("cfg_ch_n\r", Line("current channel 3"));
        radio.Answer("cfg_prtl\r", Line("protocol TRANSMDS"));
        radio.Answer("cfg_sbau\r", Line("serial baud 57600"));
        radio.Answer("cfg_baud\r", Line("link baud 19200"));
        radio.Answer("cfg_firm\r", Line("V2.31"));
        radio.Answer("cfg_hard\r", Line("H2.0"));
        radio.Answer("cfg_sern\r", Line("RS2026001"));
        radio.Answer("SREV\r", Line("S1.07"));
        for (int channel = 0; channel < kChannelCount; ++channel)
            radio.Answer("cfg_ch_" + std::to_string(channel) + "\r", Line("channel " + std::to_string(channel) + " " + Frequency(channel)));
    }

    static std::string Frequency(int channel) { return std::to_string(411 + channel * 5) + ".12500"; }

    // Every field valid and every list selected, nothing unlocked.
    void FillWritableValues()
    {
        for (int channel = 0; channel < kChannelCount; ++channel)
            panel.SetChannelText(channel, Frequency(channel));
        panel.SelectListItem(RadioList::Protocol, 1);  // TRANSMDS, offers 4800 9600 19200
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
