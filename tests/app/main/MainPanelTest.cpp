#include <gtest/gtest.h>

#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"
#include "app/MainRadioPanel.h"
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

// Past the end: no item text, the last item selected.
TEST_F(MainPanelTest, ListsAndFieldsAreTheControls)
{
    panel.AddListItem(RadioList::ComPort, " COM3");
    panel.AddListItem(RadioList::ComPort, " COM12");
    EXPECT_EQ(panel.ListItemText(RadioList::ComPort, 2), "");
    panel.SelectListItem(RadioList::ComPort, 7);
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM12");
    panel.SetListOwnText(RadioList::ComPort, " UNKNOW");
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM12");

    panel.SetChannelText(9, "415.00000"); // an unplaced row still holds its value
    EXPECT_EQ(Text(controls.channelEdits[9]), "415.00000");
    // Locking a field greys its whole row, the label with the edit.
    panel.SetFieldEnabled(RadioField::Hardware, false);
    EXPECT_FALSE(controls.FieldEdit(RadioField::Hardware)->IsEnabled());
    EXPECT_FALSE(controls.fieldLabels[static_cast<int>(RadioField::Hardware)]->IsEnabled());
}

// A result or a progress follows a language switch; a result ends the bar.
TEST_F(MainPanelTest, StatusShowsResultsAndProgressInTheLanguageInForce)
{
    const auto text = [this] { return Text(controls.statusLabel); };
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
