#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"
#include "app/LanguageLayout.h"
#include "app/MainLayoutDump.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"
#include "tests/SkinUI/support/TestWindow.h"

namespace {

using SkinUI::CControlUI;

std::string Rect(int left, int top, int right, int bottom)
{
    return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) + "," + std::to_string(bottom);
}

std::string Rect(const RECT& rc) { return Rect(rc.left, rc.top, rc.right, rc.bottom); }
std::string Rect(const CControlUI* control) { return Rect(control->GetPos()); }

std::string Text(const CControlUI* control) { return control->GetText().GetData(); }

// The main window built as at start-up, laid out once, in one language.
class MainLayoutTest : public ::testing::TestWithParam<bool> {
protected:
    MainLayoutTest()
    {
        SkinUI::CDlgBuilder skin;
        SkinUI::CControlUI* root = skin.Create(SkinUI::WindowSkinMarkup(588, 489), nullptr, nullptr, &manager());
        EXPECT_TRUE(manager().AttachDialog(root));
        main = static_cast<SkinUI::CContainerUI*>(manager().FindControl("main"));
        CMainWindowBuilder builder(controls);
        main->Add(builder.BuildTitleBar());
        main->Add(builder.BuildMenuBar());
        main->Add(builder.BuildBody());
        builder.BuildMenuPanels(main);
        AddTextPairs(texts, controls);
        ApplyLanguage(controls, texts, Chinese());
        window.Repaint();
    }

    SkinUI::CPaintManagerUI& manager() { return window.GetManager(); }
    bool Chinese() const { return GetParam(); }
    int Pick(int chinese, int english) const { return Chinese() ? chinese : english; }
    CControlUI* ListLabel(RadioList list) const { return controls.listLabels[static_cast<int>(list)]; }
    CControlUI* FieldLabel(RadioField field) const { return controls.fieldLabels[static_cast<int>(field)]; }
    CControlUI* FieldRow(RadioField field) const { return controls.fieldRows[static_cast<int>(field)]; }

    SkinUI::CTestWindow window{588, 489};
    SkinUI::CContainerUI* main = nullptr;
    MainControls controls;
    CTextList texts;
};

// main: 0..588 x 0..489, inset 2 -> 2..586, 2..487. Title bar 33 (2..35), menu bar 29 (35..64),
// body 64..487 with inset 18,17,18,18 -> x 20..568, y 81..469; columns 151, 15, 216, 15, 150.
TEST_P(MainLayoutTest, BodyHasThreeColumns)
{
    EXPECT_EQ(Rect(controls.frequencyGroup), Rect(20, 81, 171, 469));
    EXPECT_EQ(Rect(controls.statusLabel->GetParent()->GetParent()), Rect(186, 81, 402, 469));
    EXPECT_EQ(Rect(controls.portGroup->GetParent()), Rect(417, 81, 567, 469));
}

// Group content: x 20+1+12 = 33 .. 171-1-12 = 158; y 81+12 = 93 .. 469-1 = 468 (375 high).
// Ten spacers share 375 - 8*23 - 22 = 169: 16 each, so rows start at 109 and repeat every 23+16.
TEST_P(MainLayoutTest, ChannelRowsSpreadEvenlyWithLanguageLabelWidths)
{
    for (int i = 1; i <= 8; ++i) {
        const int top = 109 + (i - 1) * 39;
        SCOPED_TRACE(i);
        EXPECT_EQ(Rect(controls.channelRows[i]), Rect(33, top, 158, top + 23));
        EXPECT_EQ(Rect(controls.channelLabels[i]), Rect(33, top, 33 + Pick(36, 58), top + 23));
        EXPECT_EQ(Text(controls.channelLabels[i]), (Chinese() ? "频道" : "Channel") + std::to_string(i) + ":");
    }
    EXPECT_EQ(Rect(controls.defaultButton), Rect(33, 421, 158, 443));
    for (int i : {0, 9}) {
        EXPECT_EQ(controls.channelRows[i]->GetParent(), nullptr);
        EXPECT_EQ(controls.channelLabels[i]->GetFixedWidth(), Pick(36, 58));
    }
}

// Parameter box: top 81+6 = 87, inner x 186+2 = 188 .. 402-15 = 387, rows from 87+18 = 105,
// each 22 high (the edit rows 23) and 18 apart.
TEST_P(MainLayoutTest, ParameterRowsAndUnlockHolders)
{
    const RadioList lists[] = {RadioList::Protocol, RadioList::CurrentChannel, RadioList::PortBaud, RadioList::LinkBaud};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const int top = 105 + i * 40;
        EXPECT_EQ(Rect(controls.listRows[static_cast<int>(lists[i])]), Rect(188, top, 387, top + 22));
        EXPECT_EQ(ListLabel(lists[i])->GetFixedWidth(), Pick(76, 100));
    }
    const int unlock = Pick(26, 40);
    EXPECT_EQ(Rect(controls.serialUnlockButton), Rect(188, 265, 188 + unlock, 287));
    EXPECT_EQ(Rect(FieldRow(RadioField::SerialNumber)), Rect(188 + unlock, 265, 387, 288));
    EXPECT_EQ(Rect(controls.hardwareUnlockButton), Rect(188, 305, 188 + unlock, 327));
    EXPECT_EQ(Rect(FieldLabel(RadioField::Hardware)), Rect(188 + unlock, 305, 188 + unlock + Pick(50, 60), 328));
    EXPECT_EQ(FieldLabel(RadioField::SerialNumber)->GetFixedWidth(), Pick(50, 60));
    EXPECT_EQ(Rect(FieldRow(RadioField::Firmware)), Rect(188, 345, 387, 368));
    EXPECT_EQ(Rect(FieldLabel(RadioField::SubFirmware)), Rect(188, 386, 188 + Pick(76, 100), 409));
    for (RadioList hidden : {RadioList::HighPower, RadioList::LowPower}) {
        EXPECT_EQ(controls.listRows[static_cast<int>(hidden)]->GetParent(), nullptr);
        EXPECT_EQ(ListLabel(hidden)->GetFixedWidth(), Pick(76, 100));
    }
    EXPECT_EQ(controls.unplaced.size(), 4u);
}

// Status box: 87+349+11 = 447 .. 469, inset 1; the label is as high as its font needs.
TEST_P(MainLayoutTest, StatusLabelSitsInItsBox)
{
    const int fontHeight = manager().GetFontInfo(0)->tm.tmHeight;
    EXPECT_EQ(Rect(controls.statusLabel), Rect(187, 448, 401, 448 + fontHeight + 4));
}

// Right column from 81: logo 24, gap 28, port group 90 (133..223), gap 16, then buttons of 25
// each followed by a gap of 16. Group content: x 417+13 = 430 .. 567-13 = 554, y 145..222
// (77 high): three spacers of 11 around two rows of 22.
TEST_P(MainLayoutTest, PortGroupAndCommandButtons)
{
    EXPECT_EQ(Rect(controls.portGroup), Rect(417, 133, 567, 223));
    EXPECT_EQ(Rect(controls.listRows[static_cast<int>(RadioList::ComPort)]), Rect(430, 156, 554, 178));
    EXPECT_EQ(Rect(controls.listRows[static_cast<int>(RadioList::ConnectionRate)]), Rect(430, 189, 554, 211));
    EXPECT_EQ(ListLabel(RadioList::ComPort)->GetFixedWidth(), Pick(42, 32));
    EXPECT_EQ(ListLabel(RadioList::ConnectionRate)->GetFixedWidth(), Pick(42, 32));
    const CControlUI* buttons[] = {controls.connectButton,    controls.readButton,   controls.writeButton,
                                   controls.disconnectButton, controls.importButton, controls.exportButton};
    for (int i = 0; i < 6; ++i) {
        const int top = 239 + i * 41;
        EXPECT_EQ(Rect(buttons[i]), Rect(417, top, 567, top + 25)) << i;
    }
    EXPECT_EQ(controls.defaultButton->GetHeight(), 22);
    EXPECT_EQ(controls.serialUnlockButton->GetHeight(), 22);
}

// Menu bar 35..64 with inset 8,10 -> titles from x 10, y 45..64.
TEST_P(MainLayoutTest, MenuTitlesAndPanelsFollowTheLanguage)
{
    const int language = Pick(42, 72);
    EXPECT_EQ(Rect(controls.menuTitles[MainControls::FileMenu]), Rect(10, 45, 52, 64));
    EXPECT_EQ(Rect(controls.menuTitles[MainControls::LanguageMenu]), Rect(52, 45, 52 + language, 64));
    EXPECT_EQ(Rect(controls.menuTitles[MainControls::HelpMenu]), Rect(52 + language, 45, 94 + language, 64));
    for (auto* panel : controls.menuPanels) {
        EXPECT_FALSE(panel->IsVisible());
        panel->SetVisible(true);
    }
    window.Repaint();
    EXPECT_EQ(Rect(controls.menuPanels[MainControls::HelpMenu]), Chinese() ? Rect(94, 63, 184, 85) : Rect(124, 63, 244, 85));
    EXPECT_EQ(Rect(controls.menuPanels[MainControls::LanguageMenu]), Rect(52, 63, Pick(142, 172), 85));
    EXPECT_EQ(Rect(controls.aboutItem), Chinese() ? Rect(95, 64, 183, 84) : Rect(125, 64, 243, 84));
    EXPECT_EQ(Rect(controls.languageItem), Rect(53, 64, Pick(141, 171), 84));
    // Eight items of 20 and three separators below the top inset: Exit ends at 64+160+3 = 227,
    // inside the panel, which must reach 228 to show it.
    EXPECT_EQ(Rect(controls.menuPanels[MainControls::FileMenu]), Rect(10, 63, Pick(100, 130), 228));
    EXPECT_EQ(Rect(controls.connectItem), Rect(11, 64, Pick(99, 129), 84));
    EXPECT_EQ(Rect(controls.exitItem), Rect(11, 207, Pick(99, 129), 227));
}

TEST_P(MainLayoutTest, DumpNamesEveryControlAndPlacesHiddenItemsAsShown)
{
    const std::vector<NamedRect> hidden = DescribeMainLayout(controls);
    std::map<std::string, RECT> byName;
    for (const NamedRect& entry : hidden) EXPECT_TRUE(byName.emplace(entry.name, entry.rect).second) << entry.name;
    // 3 title bar, 3 titles, 3 panels, 10 items, group, 30 channel parts, default, 24 list parts,
    // 12 field parts, 2 unlock, status, port group, 6 buttons.
    EXPECT_EQ(byName.size(), 97u);
    EXPECT_EQ(Rect(byName.at("channelEdit3")), Rect(controls.channelEdits[3]));
    EXPECT_EQ(Rect(byName.at("comPortList")), Rect(controls.List(RadioList::ComPort)));
    EXPECT_EQ(Rect(byName.at("serialNumberEdit")), Rect(controls.FieldEdit(RadioField::SerialNumber)));

    for (auto* panel : controls.menuPanels) panel->SetVisible(true);
    window.Repaint();
    for (const NamedRect& shown : DescribeMainLayout(controls)) EXPECT_EQ(Rect(byName.at(shown.name)), Rect(shown.rect)) << shown.name;
    EXPECT_EQ(Rect(byName.at("exitItem")), Rect(controls.exitItem));
}

TEST_P(MainLayoutTest, SwitchingAwayAndBackRestoresTheLayout)
{
    const std::vector<NamedRect> before = DescribeMainLayout(controls);
    const std::string label = Rect(controls.channelLabels[1]);
    ApplyLanguage(controls, texts, !Chinese());
    window.Repaint();
    EXPECT_NE(Rect(controls.channelLabels[1]), label);
    ApplyLanguage(controls, texts, Chinese());
    window.Repaint();
    const std::vector<NamedRect> after = DescribeMainLayout(controls);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(Rect(after[i].rect), Rect(before[i].rect)) << after[i].name;
}

TEST_P(MainLayoutTest, DirectTextsAndGroupTitles)
{
    const char* unlock = Chinese() ? "解锁" : "Unlock";
    EXPECT_EQ(Text(controls.serialUnlockButton), unlock);
    EXPECT_EQ(Text(controls.hardwareUnlockButton), unlock);
    EXPECT_STREQ(controls.closeButton->GetToolTip().GetData(), Chinese() ? "关闭" : "Close");
    EXPECT_STREQ(controls.FieldEdit(RadioField::Hardware)->GetToolTip().GetData(), Chinese() ? "最长4个字符" : "Max Char:4");
    // Title widths after a change: bytes x 6.7 + 2, truncated ("端口设置" is 8 bytes in GBK, 13 for "发射频率(MHZ)").
    EXPECT_EQ(Text(controls.portGroup->GetTitleLabel()), Chinese() ? "端口设置" : "Communication Port");
    EXPECT_EQ(controls.portGroup->GetTitleLabel()->GetFixedWidth(), Pick(55, 122));
    EXPECT_EQ(controls.frequencyGroup->GetTitleLabel()->GetFixedWidth(), Pick(89, 115));
    EXPECT_EQ(Text(controls.languageItem), Chinese() ? "英语" : "Chinese");
    EXPECT_EQ(Text(controls.titleLabel), MainTexts::kWindowTitle.Pick(Chinese()));
}

INSTANTIATE_TEST_SUITE_P(Languages, MainLayoutTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Gbk" : "English"; });

TEST(MainTextsGbk, RecordsInOrderWithGbkTexts)
{
    MainControls controls;
    CMainWindowBuilder builder(controls);
    std::unique_ptr<CControlUI> parts[] = {std::unique_ptr<CControlUI>(builder.BuildTitleBar()),
                                           std::unique_ptr<CControlUI>(builder.BuildMenuBar()),
                                           std::unique_ptr<CControlUI>(builder.BuildBody())};
    SkinUI::CVerticalLayoutUI main;
    builder.BuildMenuPanels(&main);
    CTextList texts;
    AddTextPairs(texts, controls);
    const auto& records = texts.Records();
    ASSERT_EQ(records.size(), 43u);
    EXPECT_EQ(records[0].control, controls.connectButton);
    EXPECT_EQ(records[7].control, controls.menuTitles[MainControls::LanguageMenu]);
    EXPECT_EQ(records[18].chinese, "\xD3\xA2\xD3\xEF");  // "英语" in GBK
    EXPECT_EQ(records[20].control, controls.titleLabel);
    EXPECT_EQ(records[21].control, controls.listLabels[static_cast<int>(RadioList::Protocol)]);
    EXPECT_EQ(records[30].control, controls.fieldLabels[static_cast<int>(RadioField::SubFirmware)]);
    EXPECT_EQ(records[32].english, "Rate:");
    EXPECT_EQ(records[33].chinese, "\xC6\xB5\xB5\xC0" "0:");  // "频道0:"
    EXPECT_EQ(records[42].control, controls.channelLabels[9]);
    EXPECT_EQ(records[42].english, "Channel9:");
    std::set<const CControlUI*> distinct;
    for (const CControlUIEx& record : records) distinct.insert(record.control);
    EXPECT_EQ(distinct.size(), 43u);
    EXPECT_EQ(distinct.count(nullptr), 0u);

    EXPECT_NE(std::strstr(controls.channelEdits[0]->GetToolTip().GetData(), "MHZ\xA1\xAB" "470"), nullptr);
    EXPECT_EQ(controls.channelEdits[9]->GetMaxChar(), 9u);
    EXPECT_EQ(controls.FieldEdit(RadioField::SerialNumber)->GetMaxChar(), 9u);
    EXPECT_EQ(controls.FieldEdit(RadioField::Hardware)->GetMaxChar(), 4u);
}

}  // namespace
