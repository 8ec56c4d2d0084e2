#include "tests/app/commands/MainWindowFixture.h"

class MainMenusTest : public MainWindowTest {
protected:
    SkinUI::CButtonUI* Title(int menu) { return controls.menuTitles[menu]; }
    // One letter per shown menu panel.
    std::string Shown()
    {
        std::string shown;
        for (int menu = 0; menu < MainControls::kMenuCount; ++menu)
            shown += controls.menuPanels[menu]->IsVisible() ? "FLH"[menu] : '-';
        return shown;
    }
    void ExpectClosed()
    {
        EXPECT_FALSE(menus.IsMenuOpen());
        EXPECT_EQ(menus.HotMenu(), -1);
        EXPECT_EQ(Shown(), "---");
    }
};

TEST_F(MainMenusTest, HoverSwapsThePanelAndMouseOffKeepsTheLast)
{
    MoveMouseOver(Title(MainControls::HelpMenu));
    ExpectClosed();

    Click(Title(MainControls::LanguageMenu));
    EXPECT_EQ(Shown(), "-L-");
    MoveMouseOver(Title(MainControls::HelpMenu));
    EXPECT_EQ(Shown(), "--H");
    EXPECT_STREQ(Title(MainControls::HelpMenu)->GetHotImage().GetData(), "res='184' restype='png' corner='2,2,2,2'");

    MoveMouseOver(controls.statusLabel);
    EXPECT_EQ(Shown(), "--H");
    Click(controls.channelEdits[1]);
    ExpectClosed();
}

// Losing the focus, and Close (what Escape does first), end an open menu and run nothing.
TEST_F(MainMenusTest, FocusLossAndCloseEndAnOpenMenuOnly)
{
    Click(controls.channelEdits[1]);
    menus.OnFocusLost();
    EXPECT_EQ(Focus(), controls.channelEdits[1]);
    EXPECT_FALSE(menus.Close());

    Click(Title(MainControls::FileMenu));
    menus.OnFocusLost();
    EXPECT_EQ(Focus(), controls.minimizeButton);
    ExpectClosed();
    Click(Title(MainControls::FileMenu));
    EXPECT_EQ(Shown(), "F--");
    EXPECT_TRUE(menus.Close());
    ExpectClosed();
    EXPECT_TRUE(actions.calls.empty());
}

TEST_F(MainMenusTest, ItemsRunTheirCommandsEachTimeTheyArePressed)
{
    const struct {
        int menu;
        SkinUI::CButtonUI* item;
    } presses[] = {
        {MainControls::HelpMenu, controls.aboutItem},        {MainControls::HelpMenu, controls.aboutItem},
        {MainControls::FileMenu, controls.upgradeItem},      {MainControls::FileMenu, controls.exitItem},
        {MainControls::LanguageMenu, controls.languageItem}, {MainControls::FileMenu, controls.connectItem},
        {MainControls::FileMenu, controls.exportItem},       {MainControls::FileMenu, controls.findRadioItem},
    };
    for (const auto& press : presses) {
        Click(Title(press.menu));
        Click(press.item);
    }
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"About", "About", "Upgrade", "Quit", "Language", "FindRadio"}));
    EXPECT_EQ(Text(controls.statusLabel), Text(controls.connectButton) + " Failure");
    EXPECT_EQ(panel.dialogs.size(), 1u);
    ExpectClosed();
}

TEST_F(MainMenusTest, RefusedChannelKeepsTheMenusClosed)
{
    Type(controls.channelEdits[4], "500");
    Click(Title(MainControls::HelpMenu));
    EXPECT_EQ(panel.errors.size(), 1u);
    EXPECT_EQ(Focus(), controls.channelEdits[4]);
    ExpectClosed();
}
