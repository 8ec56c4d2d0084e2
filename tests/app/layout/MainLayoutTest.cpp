#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"
#include "app/LanguageLayout.h"
#include "app/MainLayoutDump.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"
#include "radio/RadioTables.h"
#include "radio/RadioTexts.h"
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
    // The advance of a text in one of the window's fonts, as the controls draw it.
    int TextWidth(const std::string& text, int font)
    {
        RECT rc = {0, 0, 9999, 100};
        SkinUI::CUIRender::DrawPlainText(manager().GetPaintDC(), &manager(), rc, text.c_str(), 0, font,
                                         DT_SINGLELINE | DT_CALCRECT);
        return rc.right - rc.left;
    }
    bool Chinese() const { return GetParam(); }
    int Pick(int chinese, int english) const { return Chinese() ? chinese : english; }
    CControlUI* ListLabel(RadioList list) const { return controls.listLabels[static_cast<int>(list)]; }

    SkinUI::CTestWindow window{588, 489};
    SkinUI::CContainerUI* main = nullptr;
    MainControls controls;
    CTextList texts;
};

// Body x 20..568, y 81..469 in columns of 151, 15, 216, 15, 150. Right column: logo 24, gap 28,
// port group 90, gap 16, then buttons of 25 each followed by 16.
TEST_P(MainLayoutTest, BodyColumnsStatusLabelPortGroupAndButtons)
{
    EXPECT_EQ(Rect(controls.frequencyGroup), Rect(20, 81, 171, 469));
    EXPECT_EQ(Rect(controls.statusLabel->GetParent()->GetParent()), Rect(186, 81, 402, 469));
    EXPECT_EQ(Rect(controls.portGroup->GetParent()), Rect(417, 81, 567, 469));
    const int fontHeight = manager().GetFontInfo(0)->tm.tmHeight;  // the label is as high as its font needs
    EXPECT_EQ(Rect(controls.statusLabel), Rect(187, 448, 401, 448 + fontHeight + 4));
    EXPECT_EQ(Rect(controls.portGroup), Rect(417, 133, 567, 223));
    EXPECT_EQ(Rect(controls.listRows[static_cast<int>(RadioList::ComPort)]), Rect(430, 156, 554, 178));
    EXPECT_EQ(Rect(controls.listRows[static_cast<int>(RadioList::ConnectionRate)]), Rect(430, 189, 554, 211));
    EXPECT_EQ(ListLabel(RadioList::ConnectionRate)->GetFixedWidth(), Pick(42, 32));
    const CControlUI* buttons[] = {controls.connectButton,    controls.readButton,   controls.writeButton,
                                   controls.disconnectButton, controls.importButton, controls.exportButton};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Rect(buttons[i]), Rect(417, 239 + i * 41, 567, 264 + i * 41)) << i;
    EXPECT_EQ(controls.serialUnlockButton->GetHeight(), 22);
    // The serial number row: Unlock, its label, the edit to the box's inset.
    EXPECT_EQ(Rect(controls.serialUnlockButton), Rect(188, 265, 188 + Pick(30, 40), 287));
    EXPECT_EQ(Rect(controls.FieldEdit(RadioField::SerialNumber)), Rect(188 + Pick(86, 100), 265, 387, 288));
}

// Group content x 33..158, y 93..468: ten spacers of 16 around eight rows of 23 and the button.
TEST_P(MainLayoutTest, ChannelRowsSpreadEvenlyWithLanguageLabelWidths)
{
    for (int i = 1; i <= 8; ++i) {
        const int top = 109 + (i - 1) * 39;
        SCOPED_TRACE(i);
        EXPECT_EQ(Rect(controls.channelRows[i]), Rect(33, top, 158, top + 23));
        EXPECT_EQ(Rect(controls.channelLabels[i]), Rect(33, top, 33 + Pick(36, 56), top + 23));
        EXPECT_EQ(Text(controls.channelLabels[i]), (Chinese() ? "频道" : "Channel") + std::to_string(i) + ":");
    }
    EXPECT_EQ(Rect(controls.defaultButton), Rect(33, 421, 158, 443));
    for (int i : {0, 9})
        EXPECT_EQ(controls.channelRows[i]->GetParent(), nullptr);
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
    // Ten items of 20 and three separators below the top inset: Exit ends at 64+200+3 = 267,
    // inside the panel, which reaches 268 to show it.
    EXPECT_EQ(Rect(controls.menuPanels[MainControls::FileMenu]), Rect(10, 63, Pick(100, 130), 268));
    EXPECT_EQ(Rect(controls.connectItem), Rect(11, 64, Pick(99, 129), 84));
    EXPECT_EQ(Rect(controls.verifyItem), Rect(11, 124, Pick(99, 129), 144));
    EXPECT_EQ(Rect(controls.findRadioItem), Rect(11, 164, Pick(99, 129), 184));
    EXPECT_EQ(Rect(controls.exitItem), Rect(11, 247, Pick(99, 129), 267));
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
    EXPECT_EQ(Text(controls.hardwareUnlockButton), Chinese() ? "解锁" : "Unlock");
    EXPECT_STREQ(controls.FieldEdit(RadioField::Hardware)->GetToolTip().GetData(), Chinese() ? "最长4个字符" : "Max Char:4");
    // Title widths after a change: bytes x 6.7 + 2, truncated ("端口设置" is 8 bytes in GBK, 13 for "发射频率(MHZ)").
    EXPECT_EQ(Text(controls.portGroup->GetTitleLabel()), Chinese() ? "端口设置" : "Communication Port");
    EXPECT_EQ(controls.portGroup->GetTitleLabel()->GetFixedWidth(), Pick(55, 122));
    EXPECT_EQ(controls.frequencyGroup->GetTitleLabel()->GetFixedWidth(), Pick(89, 115));
    EXPECT_EQ(Text(controls.languageItem), Chinese() ? "英语" : "Chinese");
    EXPECT_EQ(Text(controls.titleLabel), MainTexts::kWindowTitle.Pick(Chinese()));
}

// Every text against the room its control gives it: values with two pixels to
// spare (a glyph may reach past its advance), labels to the last pixel, button
// texts inside the button's one-pixel frame. The window's font names are GBK,
// so the fonts it gets are those of the Chinese code page only.
TEST_P(MainLayoutTest, EveryValueAndTextFitsItsControlInGbk)
{
    if (::GetACP() != 936)
        GTEST_SKIP() << "measured in the Chinese code page (app_layout_tests_gbk)";
    struct Fit {
        std::string where;
        std::string text;
        int font;
        int room;
        int spare;
    };
    std::vector<Fit> fits;
    const auto inside = [](const SkinUI::CLabelUI* c) {
        const RECT rc = c->GetPos(), padding = c->GetTextPadding();
        return static_cast<int>(rc.right - rc.left - padding.left - padding.right);
    };
    const auto value = [&](const std::string& where, const SkinUI::CLabelUI* edit, const char* text) {
        fits.push_back({where, text, edit->GetFont(), inside(edit), 2});
    };
    const auto label = [&](const SkinUI::CLabelUI* c, int spare) {
        fits.push_back({"label", Text(c), c->GetFont(), inside(c), spare});
    };
    for (int i = 1; i <= 8; ++i) {
        value("channel " + std::to_string(i), controls.channelEdits[i], "455.55555");
        label(controls.channelLabels[i], 0);
    }
    value("serial number", controls.FieldEdit(RadioField::SerialNumber), "SN0012345");
    value("hardware", controls.FieldEdit(RadioField::Hardware), "H9.9");
    value("firmware", controls.FieldEdit(RadioField::Firmware), "V001.01.03");
    value("sub-firmware", controls.FieldEdit(RadioField::SubFirmware), "V001.01.03");
    for (const SkinUI::CLabelUI* fieldLabel : controls.fieldLabels)
        label(fieldLabel, 0);

    // A list shows its item left of the 21-pixel arrow at the right of its image.
    const auto items = [&](RadioList list, const std::vector<std::string>& texts) {
        const SkinUI::CComboBoxUI* combo = controls.List(list);
        const RECT rc = combo->GetPos();
        for (const std::string& text : texts)
            fits.push_back({"list " + std::to_string(static_cast<int>(list)), text, -1,
                            static_cast<int>(rc.right - rc.left - 21), 2});
        label(controls.listLabels[static_cast<int>(list)], 0);
    };
    std::vector<std::string> protocols, serialRates, linkRates;
    for (const ValueEntry& entry : ProtocolTable) protocols.push_back(entry.item);
    for (const ValueEntry& entry : SerialBaudTable) serialRates.push_back(entry.item);
    for (const ValueEntry& entry : LinkBaudTable) linkRates.push_back(entry.item);
    items(RadioList::Protocol, protocols);
    items(RadioList::CurrentChannel, {RadioTexts::CurrentChannelItem(Chinese(), 10)});
    items(RadioList::PortBaud, serialRates);
    items(RadioList::LinkBaud, linkRates);
    items(RadioList::ConnectionRate, serialRates);
    items(RadioList::ComPort, {" COM255"});

    for (const SkinUI::CButtonUI* button :
         {controls.serialUnlockButton, controls.hardwareUnlockButton, controls.defaultButton, controls.connectButton,
          controls.readButton, controls.writeButton, controls.disconnectButton, controls.importButton,
          controls.exportButton})
        fits.push_back({"button", Text(button), button->GetFont(), inside(button) - 2, 1});
    label(controls.titleLabel, 0);

    const int statusRoom = inside(controls.statusLabel);
    for (const SkinUI::CControlUI* control : {controls.connectButton, controls.readButton, controls.writeButton,
                                              controls.disconnectButton, controls.importButton, controls.exportButton,
                                              controls.upgradeItem, controls.findRadioItem})
        fits.push_back({"status", Text(control) + RadioTexts::ResultSuffix(Chinese(), false), -1, statusRoom, 0});
    fits.push_back({"status", Text(controls.upgradeItem) + " " + RadioTexts::Percent(10000), -1, statusRoom, 0});
    fits.push_back({"status", Text(controls.findRadioItem) + " " + RadioTexts::PortAndRate(255, 115200), -1,
                    statusRoom, 0});

    const SkinUI::CVerticalLayoutUI* file = controls.menuPanels[MainControls::FileMenu];
    for (int i = 0; i < file->GetCount(); ++i) {
        const auto* item = dynamic_cast<const SkinUI::CButtonUI*>(file->GetItemAt(i));
        if (item == nullptr) continue;
        const RECT padding = item->GetTextPadding();
        fits.push_back({"menu item", Text(item), item->GetFont(),
                        static_cast<int>(file->GetFixedWidth() - 2 - padding.left - padding.right), 0});
    }

    for (const Fit& fit : fits)
        EXPECT_LE(TextWidth(fit.text, fit.font) + fit.spare, fit.room) << fit.where << ": \"" << fit.text << "\"";
}

// While the program waits for an upgrade to end, the longer title still fits,
// left of the title bar's buttons; the usual title keeps its 300 pixels.
TEST_P(MainLayoutTest, TheTitleWhileClosingFitsTheTitleBarInGbk)
{
    if (::GetACP() != 936)
        GTEST_SKIP() << "measured in the Chinese code page (app_layout_tests_gbk)";
    FitTitleWidth(controls.titleLabel);
    EXPECT_EQ(controls.titleLabel->GetFixedWidth(), 300);
    const std::string closing =
        std::string(MainTexts::kWindowTitle.Pick(Chinese())) + MainTexts::kQuitPendingSuffix.Pick(Chinese());
    controls.titleLabel->SetText(closing.c_str());
    FitTitleWidth(controls.titleLabel);
    window.Repaint();
    const RECT title = controls.titleLabel->GetPos();
    EXPECT_GE(title.right - title.left, TextWidth(closing, controls.titleLabel->GetFont()));
    EXPECT_LE(title.right, controls.minimizeButton->GetPos().left);
}

INSTANTIATE_TEST_SUITE_P(Languages, MainLayoutTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Gbk" : "English"; });

TEST(MainTextsGbk, ChineseTextsAreGbkAndLimitsAreSet)
{
    MainControls controls;
    CMainWindowBuilder builder(controls);
    SkinUI::CVerticalLayoutUI main;
    for (CControlUI* part : {builder.BuildTitleBar(), builder.BuildMenuBar(), builder.BuildBody()})
        main.Add(part);
    builder.BuildMenuPanels(&main);
    CTextList texts;
    AddTextPairs(texts, controls);
    EXPECT_EQ(texts.Count(), 45u);  // 43, and the Verify and Find Radio items'
    texts.ApplyTexts(true);
    EXPECT_STREQ(controls.channelLabels[0]->GetText().GetData(), "\xC6\xB5\xB5\xC0" "0:");  // "频道0:"
    EXPECT_STREQ(controls.verifyItem->GetText().GetData(), "\xD0\xA3\xD1\xE9");                  // "校验"
    EXPECT_NE(std::strstr(controls.channelEdits[0]->GetToolTip().GetData(), "MHZ\xA1\xAB" "470"), nullptr);
    EXPECT_EQ(controls.channelEdits[9]->GetMaxChar(), 9u);
    EXPECT_EQ(controls.FieldEdit(RadioField::SerialNumber)->GetMaxChar(), 9u);
    EXPECT_EQ(controls.FieldEdit(RadioField::Hardware)->GetMaxChar(), 4u);
}

}  // namespace
