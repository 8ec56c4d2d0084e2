#include "tests/app/commands/MainWindowFixture.h"

using Calls = std::vector<std::string>;

TEST_F(MainWindowTest, BadChannelIsRefusedWhenACheckingControlTakesTheFocus)
{
    Type(controls.channelEdits[3], "500");
    Click(controls.exportButton);
    EXPECT_EQ(panel.errors, Calls{"Channel3: Invalid!"});
    EXPECT_EQ(Focus(), controls.channelEdits[3]);
    EXPECT_EQ(Text(controls.channelEdits[3]), "500");
    EXPECT_TRUE(panel.dialogs.empty());

    // Leaving it again checks again; the second edit left meanwhile is not recorded.
    Click(controls.channelEdits[6]);
    EXPECT_EQ(panel.errors.size(), 2u);
    EXPECT_EQ(notPassedOn, std::vector<SkinUI::CControlUI*>{controls.channelEdits[6]});
    Type(controls.channelEdits[3], "410.5");
    Click(controls.exportButton);
    EXPECT_EQ(panel.errors.size(), 2u);
    EXPECT_EQ(Text(controls.channelEdits[3]), "410.50000");
    EXPECT_EQ(panel.dialogs.size(), 1u);
}

TEST_F(MainWindowTest, RadioButtonsSkipTheCheckAndWriteValidatesByItself)
{
    Click(controls.defaultButton);
    Type(controls.channelEdits[3], "500");
    Click(controls.readButton);
    Click(controls.writeButton);
    EXPECT_EQ(panel.errors, Calls{"Channel3: Invalid!"});
    EXPECT_EQ(Focus(), controls.writeButton);
    EXPECT_EQ(transport.opens, 1);
    EXPECT_EQ(Text(controls.statusLabel), Text(controls.writeButton) + " Failure");
}

TEST_F(MainWindowTest, OpeningAListNormalisesThePendingChannel)
{
    Type(controls.channelEdits[3], "415");
    Click(controls.List(RadioList::Protocol));
    EXPECT_EQ(Text(controls.channelEdits[3]), "415.00000");
    EXPECT_TRUE(panel.errors.empty());
    // Only the COM port list reads the system's ports again as it opens.
    EXPECT_TRUE(actions.calls.empty());
    Click(controls.List(RadioList::ComPort));
    EXPECT_EQ(actions.calls, (Calls{"ComPortListOpened"}));
}

TEST_F(MainWindowTest, ProtocolChoiceOffersItsLinkRates)
{
    controls.List(RadioList::Protocol)->SelectItem(3, false); // " TRIMMK3"
    EXPECT_EQ(Text(controls.List(RadioList::LinkBaud)), " 19200");
}

TEST_F(MainWindowTest, ButtonsRunTheirCommands)
{
    Click(controls.minimizeButton);
    Click(controls.closeButton);
    EXPECT_EQ(actions.calls, (Calls{"Minimize", "Quit"}));

    Click(controls.connectButton);
    Click(controls.disconnectButton);
    EXPECT_EQ(Text(controls.statusLabel), Text(controls.disconnectButton) + " Failure");
    EXPECT_EQ(transport.opens, 2);

    // The file commands report without the port, which an upgrade may be using.
    Click(controls.exportButton);
    Click(controls.importButton);
    ASSERT_EQ(panel.dialogs.size(), 2u);
    EXPECT_TRUE(panel.dialogs[1].open);
    EXPECT_EQ(transport.opens, 2);
    EXPECT_EQ(transport.closes, 2);
}
