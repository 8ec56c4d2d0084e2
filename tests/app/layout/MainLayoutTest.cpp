#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"
#include "app/MainLayoutDump.h"
#include "radio/RadioTables.h"
#include "radio/RadioTexts.h"
#include "tests/SkinUI/support/TestWindow.h"
#include "tests/app/MainWindowParts.h"

namespace {

using SkinUI::CControlUI;
using SkinUI::RectText;

void ExpectSameLayout(const std::vector<NamedRect>& seen, const std::vector<NamedRect>& expected)
{
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(RectText(seen[i].rect), RectText(expected[i].rect)) << seen[i].name;
}

// Every edge falls where it falls at 96 DPI, scaled, except that a label or an Unlock button
// that widens to its text moves the edge it shares with the value beside it by a few pixels.
int PlaceTolerance(const std::string& name, const SkinUI::CDpiScale& scale)
{
    for (const char* widened : {"channelLabel", "channelEdit", "serialNumber", "serialUnlock", "hardware"}) {
        if (name.compare(0, std::strlen(widened), widened) == 0) return scale.Scale(3);
    }
    return 0;
}

// The main window built as at start-up, laid out once, in one language, at one DPI
// (the window as large as the skin at that DPI).
class MainLayoutBase {
public:
    MainLayoutBase(bool chinese, int dpi)
        : chinese(chinese)
        , scale(dpi)
        , window(scale.Scale(588), scale.Scale(489))
    {
        manager().SetDpi(dpi);
        SkinUI::CDlgBuilder skin;
        EXPECT_TRUE(
            manager().AttachDialog(skin.Create(SkinUI::WindowSkinMarkup(588, 489), nullptr, nullptr, &manager())));
        main = static_cast<SkinUI::CContainerUI*>(manager().FindControl("main"));
        BuildMainWindow(main, controls, texts, chinese);
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
    int Pick(int inChinese, int inEnglish) const { return chinese ? inChinese : inEnglish; }

    struct Fit {
        std::string where, text;
        int font, room, spare;
    };
    std::vector<Fit> EveryValueAndText();
    void ExpectEveryValueAndTextFits();
    void ExpectEveryControlInsideItsParent();
    void ExpectTheTitleWhileClosingFits();

    const bool chinese;
    const SkinUI::CDpiScale scale;
    SkinUI::CTestWindow window;
    SkinUI::CContainerUI* main = nullptr;
    MainControls controls;
    CTextList texts;
};

class MainLayoutTest : public ::testing::TestWithParam<bool>, protected MainLayoutBase {
protected:
    MainLayoutTest()
        : MainLayoutBase(GetParam(), SkinUI::CDpiScale::kBaseDpi)
    {}
};

// Body x 20..568, y 81..469 in columns of 151, 15, 216, 15, 150. Right column: logo 24, gap 28,
// port group 90, gap 16, then buttons of 25 each followed by 16. Channel group content
// x 33..158, y 93..468: ten spacers of 16 around eight rows of 23 and the button.
TEST_P(MainLayoutTest, ControlsTakeTheirPlacesAndLabelsWidenToTheLanguage)
{
    const int fontHeight = manager().GetFontInfo(0)->tm.tmHeight; // the label is as high as its font needs
    const int language = Pick(42, 72);
    std::vector<std::pair<const CControlUI*, RECT>> places = {
        {controls.frequencyGroup, {20, 81, 171, 469}},
        {controls.statusLabel, {187, 448, 401, 448 + fontHeight + 4}},
        {controls.portGroup, {417, 133, 567, 223}},
        {controls.listLabels[static_cast<int>(RadioList::ConnectionRate)], {430, 190, 430 + Pick(42, 32), 210}},
        {controls.serialUnlockButton, {188, 265, 188 + Pick(30, 40), 287}},
        {controls.FieldEdit(RadioField::SerialNumber), {188 + Pick(86, 100), 265, 387, 288}},
        {controls.exportButton, {417, 444, 567, 469}},
        {controls.menuTitles[MainControls::HelpMenu], {52 + language, 45, 94 + language, 64}},
    };
    for (int i : {1, 8}) {
        const LONG top = 109 + (i - 1) * 39;
        places.push_back({controls.channelLabels[i], {33, top, 33 + Pick(36, 56), top + 23}});
    }
    // Ten items of 20 and three separators below the top inset: Exit ends at 64+200+3 = 267,
    // inside the File panel, which reaches 268 to show it.
    controls.menuPanels[MainControls::FileMenu]->SetVisible(true);
    window.Repaint();
    places.push_back({controls.exitItem, {11, 247, Pick(99, 129), 267}});
    places.push_back({controls.menuPanels[MainControls::FileMenu], {10, 63, Pick(100, 130), 268}});
    for (const auto& [control, rc] : places)
        EXPECT_EQ(RectText(control->GetPos()), RectText(rc)) << control->GetClass();
    for (int i : {0, 9}) EXPECT_EQ(controls.channelRows[i]->GetParent(), nullptr);
    // Title widths after a change: bytes x 6.7 + 2, truncated ("端口设置" is 8 bytes in GBK, 13 for "发射频率(MHZ)").
    EXPECT_EQ(controls.portGroup->GetTitleLabel()->GetFixedWidth(), Pick(55, 122));
    EXPECT_EQ(controls.frequencyGroup->GetTitleLabel()->GetFixedWidth(), Pick(89, 115));
}

// Every text against the room its control gives it: values with two pixels to spare
// (a glyph may reach past its advance), labels to the last pixel, button texts inside
// the button's frame of one skin pixel with one pixel to spare.
std::vector<MainLayoutBase::Fit> MainLayoutBase::EveryValueAndText()
{
    std::vector<Fit> fits;
    const int spare = 2;
    const auto inside = [this](const SkinUI::CLabelUI* c) {
        const RECT rc = c->GetPos(), padding = scale.ScaleRect(c->GetTextPadding());
        return static_cast<int>(rc.right - rc.left - padding.left - padding.right);
    };
    const auto value = [&](const std::string& where, const SkinUI::CLabelUI* edit, const char* text) {
        fits.push_back({where, text, edit->GetFont(), inside(edit), spare});
    };
    const auto label = [&](const SkinUI::CLabelUI* c) {
        fits.push_back({"label", Text(c), c->GetFont(), inside(c), 0});
    };
    for (int i = 1; i <= 8; ++i) {
        value("channel " + std::to_string(i), controls.channelEdits[i], "455.55555");
        label(controls.channelLabels[i]);
    }
    value("serial number", controls.FieldEdit(RadioField::SerialNumber), "SN0012345");
    value("hardware", controls.FieldEdit(RadioField::Hardware), "H9.9");
    value("firmware", controls.FieldEdit(RadioField::Firmware), "V001.01.03");
    value("sub-firmware", controls.FieldEdit(RadioField::SubFirmware), "V001.01.03");
    for (const SkinUI::CLabelUI* fieldLabel : controls.fieldLabels) label(fieldLabel);

    // A list shows its item left of the arrow, 21 skin pixels at the right of its image.
    const auto items = [&](RadioList list, const std::vector<std::string>& texts) {
        const RECT rc = controls.List(list)->GetPos();
        for (const std::string& text : texts)
            fits.push_back({"list " + std::to_string(static_cast<int>(list)), text, -1,
                            static_cast<int>(rc.right - rc.left - scale.Scale(21)), spare});
        label(controls.listLabels[static_cast<int>(list)]);
    };
    const auto itemsOf = [](const auto& table) {
        std::vector<std::string> texts;
        for (const ValueEntry& entry : table) texts.push_back(entry.item);
        return texts;
    };
    items(RadioList::Protocol, itemsOf(ProtocolTable));
    items(RadioList::CurrentChannel, {RadioTexts::CurrentChannelItem(chinese, 10)});
    items(RadioList::PortBaud, itemsOf(SerialBaudTable));
    items(RadioList::LinkBaud, itemsOf(LinkBaudTable));
    items(RadioList::ConnectionRate, itemsOf(SerialBaudTable));
    items(RadioList::ComPort, {" COM255"});

    for (const SkinUI::CButtonUI* button :
         {controls.serialUnlockButton, controls.hardwareUnlockButton, controls.defaultButton, controls.connectButton,
          controls.readButton, controls.writeButton, controls.disconnectButton, controls.importButton,
          controls.exportButton})
        fits.push_back({"button", Text(button), button->GetFont(), inside(button) - 2 * scale.Scale(1), 1});
    label(controls.titleLabel);

    const int statusRoom = inside(controls.statusLabel);
    const auto status = [&](const std::string& text) { fits.push_back({"status", text, -1, statusRoom, 0}); };
    for (const CControlUI* control :
         {controls.connectButton, controls.readButton, controls.writeButton, controls.disconnectButton,
          controls.importButton, controls.exportButton, controls.upgradeItem, controls.findRadioItem})
        status(Text(control) + RadioTexts::ResultSuffix(chinese, false));
    status(Text(controls.upgradeItem) + " " + RadioTexts::Percent(10000));
    status(Text(controls.findRadioItem) + " " + RadioTexts::PortAndRate(255, 115200));

    const SkinUI::CVerticalLayoutUI* file = controls.menuPanels[MainControls::FileMenu];
    const RECT inset = scale.ScaleRect(file->GetInset());
    for (int i = 0; i < file->GetCount(); ++i) {
        const auto* item = dynamic_cast<const SkinUI::CButtonUI*>(file->GetItemAt(i));
        if (item == nullptr) continue;
        const RECT padding = scale.ScaleRect(item->GetTextPadding());
        fits.push_back({"menu item", Text(item), item->GetFont(),
                        static_cast<int>(scale.Scale(file->GetFixedWidth()) - inset.left - inset.right - padding.left -
                                         padding.right),
                        0});
    }
    return fits;
}

void MainLayoutBase::ExpectEveryValueAndTextFits()
{
    for (const Fit& fit : EveryValueAndText())
        EXPECT_LE(TextWidth(fit.text, fit.font) + fit.spare, fit.room)
            << fit.where << ": \"" << fit.text << "\" at " << scale.GetDpi() << " DPI";
}

// Every visible control of the window, parents before their children.
std::vector<const CControlUI*> AllControls(CControlUI* root)
{
    std::vector<const CControlUI*> all;
    root->FindControl(
        [](CControlUI* control, LPVOID list) -> CControlUI* {
            static_cast<std::vector<const CControlUI*>*>(list)->push_back(control);
            return nullptr;
        },
        &all, SkinUI::UIFIND_VISIBLE | SkinUI::UIFIND_ME_FIRST);
    return all;
}

// How far a control reaches past each edge of its parent (0 where it stays inside).
RECT PastParent(const CControlUI* control)
{
    const RECT rc = control->GetPos();
    if (control->GetParent() == nullptr || ::IsRectEmpty(&rc)) return RECT{};
    const RECT parent = control->GetParent()->GetPos();
    return RECT{std::max<LONG>(0, parent.left - rc.left), std::max<LONG>(0, parent.top - rc.top),
                std::max<LONG>(0, rc.right - parent.right), std::max<LONG>(0, rc.bottom - parent.bottom)};
}

// A container shows its children only inside itself: no control may reach further past
// its parent than it does at 96 DPI, scaled (where a control is cut, it is cut alike).
void MainLayoutBase::ExpectEveryControlInsideItsParent()
{
    MainLayoutBase base(chinese, SkinUI::CDpiScale::kBaseDpi);
    const std::vector<const CControlUI*> here = AllControls(main);
    const std::vector<const CControlUI*> at96 = AllControls(base.main);
    ASSERT_EQ(here.size(), at96.size());
    ASSERT_GT(here.size(), 100u);
    for (size_t i = 0; i < here.size(); ++i) {
        const RECT past = PastParent(here[i]);
        const RECT allowed = scale.ScaleRect(PastParent(at96[i]));
        EXPECT_TRUE(past.left <= allowed.left && past.top <= allowed.top && past.right <= allowed.right &&
                    past.bottom <= allowed.bottom)
            << here[i]->GetClass() << " " << RectText(here[i]->GetPos()) << " in "
            << RectText(here[i]->GetParent()->GetPos()) << " at " << scale.GetDpi() << " DPI";
    }
}

// While the program waits for an upgrade to end, the longer title still fits,
// left of the title bar's buttons; the usual title keeps its 300 pixels.
void MainLayoutBase::ExpectTheTitleWhileClosingFits()
{
    FitTitleWidth(controls.titleLabel);
    EXPECT_EQ(controls.titleLabel->GetFixedWidth(), 300);
    const std::string closing =
        std::string(MainTexts::kWindowTitle.Pick(chinese)) + MainTexts::kQuitPendingSuffix.Pick(chinese);
    controls.titleLabel->SetText(closing.c_str());
    FitTitleWidth(controls.titleLabel);
    window.Repaint();
    const RECT title = controls.titleLabel->GetPos();
    EXPECT_GE(title.right - title.left, TextWidth(closing, controls.titleLabel->GetFont()));
    EXPECT_LE(title.right, controls.minimizeButton->GetPos().left);
}

// The window's font names are GBK; they reach the system as their own names whatever the
// code page, so the fonts measured here are those the window gets on any system.
TEST_P(MainLayoutTest, EveryTextFitsAndEveryControlLiesInsideItsParentInGbk)
{
    ExpectEveryValueAndTextFits();
    ExpectEveryControlInsideItsParent();
    ExpectTheTitleWhileClosingFits();
}

INSTANTIATE_TEST_SUITE_P(Languages, MainLayoutTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Gbk" : "English"; });

// The window at 120, 144 and 192 DPI: every length scaled, every text still readable.
class MainLayoutAtDpiTest : public ::testing::TestWithParam<std::tuple<bool, int>>, protected MainLayoutBase {
protected:
    MainLayoutAtDpiTest()
        : MainLayoutBase(std::get<0>(GetParam()), std::get<1>(GetParam()))
    {}
};

TEST_P(MainLayoutAtDpiTest, EveryTextFitsAndEveryControlLiesInsideItsParent)
{
    ExpectEveryValueAndTextFits();
    ExpectEveryControlInsideItsParent();
    ExpectTheTitleWhileClosingFits();
}

// Every control, the hidden menu panels and their items included, lies where its place
// at 96 DPI scaled puts it: the skin is laid out in its own lengths and only then scaled.
TEST_P(MainLayoutAtDpiTest, EveryControlTakesItsPlaceAt96DpiScaled)
{
    MainLayoutBase base(chinese, 96);
    const std::vector<NamedRect> here = DescribeMainLayout(controls);
    const std::vector<NamedRect> at96 = DescribeMainLayout(base.controls);
    ASSERT_EQ(here.size(), at96.size());
    for (size_t i = 0; i < here.size(); ++i) {
        if (::IsRectEmpty(&at96[i].rect)) continue; // rows that are not shown
        const RECT want = scale.ScaleRect(at96[i].rect), got = here[i].rect;
        SCOPED_TRACE(here[i].name + " at " + std::to_string(scale.GetDpi()) + " DPI: " + RectText(got) + " for " +
                     RectText(want));
        for (const auto edge : {&RECT::left, &RECT::top, &RECT::right, &RECT::bottom})
            EXPECT_LE(std::abs(got.*edge - want.*edge), PlaceTolerance(here[i].name, scale));
    }
    const int height96 = base.manager().GetFontInfo(0)->tm.tmHeight;
    EXPECT_LE(std::abs(manager().GetFontInfo(0)->tm.tmHeight - scale.Scale(height96)), 1);
}

// A move to a monitor of another DPI (WM_DPICHANGED) scales the skin again: the window then
// looks exactly as one built at that DPI, at the place the system suggests.
TEST_P(MainLayoutAtDpiTest, MovingToAnotherDpiLaysOutAsBuiltThere)
{
    MainLayoutBase moved(chinese, 96);
    RECT suggested = {4, 6, 4 + scale.Scale(588), 6 + scale.Scale(489)};
    moved.window.Send(0x02E0, MAKEWPARAM(scale.GetDpi(), scale.GetDpi()), reinterpret_cast<LPARAM>(&suggested));
    moved.window.Repaint();
    EXPECT_EQ(moved.manager().GetDpiScale().GetDpi(), scale.GetDpi());
    RECT client = {};
    ::GetClientRect(moved.window.GetHWND(), &client);
    EXPECT_EQ(RectText(client), RectText(RECT{0, 0, scale.Scale(588), scale.Scale(489)}));
    ExpectSameLayout(DescribeMainLayout(moved.controls), DescribeMainLayout(controls));
    EXPECT_EQ(moved.manager().GetFontInfo(1)->tm.tmHeight, manager().GetFontInfo(1)->tm.tmHeight);
}

INSTANTIATE_TEST_SUITE_P(Dpis, MainLayoutAtDpiTest,
                         ::testing::Combine(::testing::Values(true, false), ::testing::Values(120, 144, 192)),
                         [](const ::testing::TestParamInfo<std::tuple<bool, int>>& info) {
                             return std::string(std::get<0>(info.param) ? "Gbk" : "English") +
                                    std::to_string(std::get<1>(info.param));
                         });

// The GBK bytes whatever -fexec-charset makes of the source.
TEST(MainTextsGbk, ChineseTextsAreGbkAndLimitsAreSet)
{
    MainControls controls;
    SkinUI::CVerticalLayoutUI main;
    CTextList texts;
    BuildMainWindow(&main, controls, texts, true);
    EXPECT_STREQ(controls.verifyItem->GetText().GetData(), "\xD0\xA3\xD1\xE9"); // "校验"
    EXPECT_EQ(controls.channelEdits[9]->GetMaxChar(), 9u);
    EXPECT_EQ(controls.FieldEdit(RadioField::SerialNumber)->GetMaxChar(), 9u);
    EXPECT_EQ(controls.FieldEdit(RadioField::Hardware)->GetMaxChar(), 4u);
}

} // namespace
