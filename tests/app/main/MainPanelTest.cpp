#include <gtest/gtest.h>

#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"
#include "app/MainRadioPanel.h"
#include "radio/MemoryRadioPanel.h"
#include "tests/SkinUI/support/TestWindow.h"
#include "tests/app/MainWindowParts.h"

namespace {

// The main window's controls in a child test window, in English.
class MainPanelTest : public ::testing::Test {
protected:
    MainPanelTest()
    {
        SkinUI::CDlgBuilder skin;
        SkinUI::CControlUI* root =
            skin.Create(SkinUI::WindowSkinMarkup(588, 489), nullptr, nullptr, &window.GetManager());
        window.GetManager().AttachDialog(root);
        BuildMainWindow(static_cast<SkinUI::CContainerUI*>(window.GetManager().FindControl("main")), controls, texts,
                        false);
        panel.SetChinese(false);
    }

    SkinUI::CTestWindow window{588, 489};
    MainControls controls;
    CTextList texts;
    CMainRadioPanel panel{controls};
};

} // namespace

// Items are list label elements; the combo's own text is apart from them.
TEST_F(MainPanelTest, ListItemsAndTheListsOwnText)
{
    panel.AddListItem(RadioList::ComPort, " COM3");
    panel.AddListItem(RadioList::ComPort, " COM12");
    EXPECT_EQ(panel.ListItemText(RadioList::ComPort, 1), " COM12");
    EXPECT_EQ(panel.ListItemText(RadioList::ComPort, 2), "");
    panel.SelectListItem(RadioList::ComPort, 7); // past the end: the last
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM12");
    panel.SetListOwnText(RadioList::ComPort, " UNKNOW");
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM12");
    panel.ClearList(RadioList::ComPort);
    EXPECT_EQ(panel.SelectedIndex(RadioList::ComPort), -1);
    EXPECT_EQ(panel.ListText(RadioList::ComPort), "");
}

TEST_F(MainPanelTest, TextsOfCommandsAndLabelsAreTheEnglishInterfacesLikeTheMemoryPanels)
{
    const CMemoryRadioPanel memory;
    for (RadioCommand command : {RadioCommand::Connect, RadioCommand::Disconnect, RadioCommand::Read,
                                 RadioCommand::Write, RadioCommand::ImportConfig, RadioCommand::ExportConfig,
                                 RadioCommand::UpgradeFirmware, RadioCommand::Verify, RadioCommand::FindRadio})
        EXPECT_EQ(panel.CommandText(command), memory.CommandText(command)) << static_cast<int>(command);
    for (RadioLabel label : {RadioLabel::Protocol, RadioLabel::CurrentChannel, RadioLabel::PortBaud,
                             RadioLabel::LinkBaud, RadioLabel::SerialNumber, RadioLabel::Hardware})
        EXPECT_EQ(panel.LabelText(label), memory.LabelText(label)) << static_cast<int>(label);
    EXPECT_EQ(panel.CommandControl(RadioCommand::UpgradeFirmware), controls.upgradeItem);
    EXPECT_EQ(panel.CommandControl(RadioCommand::Verify), controls.verifyItem);
}

TEST_F(MainPanelTest, FieldsChannelsAndStatusAreTheControls)
{
    panel.SetChannelText(9, "415.00000"); // an unplaced row still holds its value
    EXPECT_EQ(panel.ChannelText(9), "415.00000");
    EXPECT_EQ(std::string(controls.channelEdits[9]->GetText().GetData()), "415.00000");

    // Locking a field greys its whole row, the label with the edit.
    panel.SetFieldEnabled(RadioField::Hardware, false);
    EXPECT_FALSE(controls.FieldEdit(RadioField::Hardware)->IsEnabled());
    EXPECT_FALSE(controls.fieldLabels[static_cast<int>(RadioField::Hardware)]->IsEnabled());
    panel.SetFieldEnabled(RadioField::Hardware, true);
    EXPECT_TRUE(controls.fieldLabels[static_cast<int>(RadioField::Hardware)]->IsEnabled());
}

// A result or a progress follows a language switch; a result ends the bar.
TEST_F(MainPanelTest, StatusShowsResultsAndProgressInTheLanguageInForce)
{
    const auto text = [this] { return std::string(controls.statusLabel->GetText().GetData()); };
    const auto switchTo = [this](bool chinese) {
        ApplyLanguage(controls, texts, chinese);
        panel.SetChinese(chinese);
        panel.RefreshStatus();
    };
    panel.ShowProgress(RadioCommand::FindRadio, "COM7 38400", 2500);
    EXPECT_EQ(text(), "Find Radio COM7 38400");
    EXPECT_EQ(controls.statusLabel->BarGap(), 162);
    switchTo(true);
    EXPECT_EQ(text(), "查找电台 COM7 38400");
    EXPECT_EQ(controls.statusLabel->BarGap(), 162);

    panel.ShowResult(RadioCommand::Read, false);
    EXPECT_EQ(text(), "读取失败");
    EXPECT_EQ(controls.statusLabel->BarGap(), -1);
    EXPECT_EQ(controls.statusLabel->GetBkColor(), 0xFFFF9999u); // light red
    switchTo(false);
    EXPECT_EQ(text(), "Read Failure");
    panel.ShowResult(RadioCommand::ImportConfig, true);
    EXPECT_EQ(controls.statusLabel->GetBkColor(), 0xFF99FF99u); // light green
    switchTo(true);
    EXPECT_EQ(text(), "导入配置成功");
}

TEST(MainPanelFilterTest, FilterIsNameAndPatternEachZeroEndedThenAZero)
{
    const std::string filter = CMainRadioPanel::DialogFilter({"Select File", "Firmware File(*.dwn)", "*.dwn", true});
    EXPECT_EQ(filter, std::string("Firmware File(*.dwn)\0*.dwn\0\0", 28));
}
