#include "app/LanguageLayout.h"

#include "app/MainTexts.h"

namespace {

struct Widths {
    int chinese;
    int english;

    int Pick(bool inChinese) const { return inChinese ? chinese : english; }
};

constexpr Widths kChannelLabelWidth = {36, 58};
constexpr Widths kParameterLabelWidth = {76, 100};
constexpr Widths kPortLabelWidth = {42, 32};
constexpr Widths kLanguageTitleWidth = {42, 72};
constexpr Widths kUnlockWidth = {26, 40};
constexpr Widths kUnlockLabelWidth = {50, 60};

SkinUI::CControlUI* ListLabel(const MainControls& controls, RadioList list)
{
    return controls.listLabels[static_cast<int>(list)];
}

SkinUI::CControlUI* FieldLabel(const MainControls& controls, RadioField field)
{
    return controls.fieldLabels[static_cast<int>(field)];
}

void SetDirectTexts(MainControls& controls, bool chinese)
{
    controls.serialUnlockButton->SetText(MainTexts::kUnlock.Pick(chinese));
    controls.hardwareUnlockButton->SetText(MainTexts::kUnlock.Pick(chinese));
    controls.minimizeButton->SetToolTip(MainTexts::kMinimizeTip.Pick(chinese));
    controls.closeButton->SetToolTip(MainTexts::kCloseTip.Pick(chinese));
    controls.FieldEdit(RadioField::Hardware)->SetToolTip(MainTexts::kHardwareTip.Pick(chinese));
    controls.portGroup->SetTitle(MainTexts::kPortGroupTitle.Pick(chinese));
    controls.frequencyGroup->SetTitle(MainTexts::kFrequencyGroupTitle.Pick(chinese));
}

void SetLabelWidths(const MainControls& controls, CTextList& texts, bool chinese)
{
    texts.SetWidthRange(controls.channelLabels.front(), controls.channelLabels.back(), kChannelLabelWidth.Pick(chinese));
    texts.SetWidthRange(ListLabel(controls, RadioList::Protocol), FieldLabel(controls, RadioField::SubFirmware),
                        kParameterLabelWidth.Pick(chinese));
    texts.SetWidthRange(ListLabel(controls, RadioList::ComPort), ListLabel(controls, RadioList::ConnectionRate),
                        kPortLabelWidth.Pick(chinese));
}

void SetUnlockWidths(const MainControls& controls, bool chinese)
{
    controls.serialUnlockButton->SetFixedWidth(kUnlockWidth.Pick(chinese));
    controls.hardwareUnlockButton->SetFixedWidth(kUnlockWidth.Pick(chinese));
    FieldLabel(controls, RadioField::SerialNumber)->SetFixedWidth(kUnlockLabelWidth.Pick(chinese));
    FieldLabel(controls, RadioField::Hardware)->SetFixedWidth(kUnlockLabelWidth.Pick(chinese));
}

}  // namespace

RECT MenuPanelPosition(MainControls::Menu menu, bool chinese)
{
    // The File panel reaches down to 228, not 206, so that all eleven of its
    // children fit inside it (inset 1 + 8 items of 20 + 3 separators + inset 1).
    switch (menu) {
    case MainControls::FileMenu: return chinese ? RECT{10, 63, 100, 228} : RECT{10, 63, 130, 228};
    case MainControls::LanguageMenu: return chinese ? RECT{52, 63, 142, 85} : RECT{52, 63, 172, 85};
    case MainControls::HelpMenu: break;
    }
    return chinese ? RECT{94, 63, 184, 85} : RECT{124, 63, 244, 85};
}

void PlaceMenuPanel(SkinUI::CControlUI* panel, const RECT& position)
{
    panel->SetFixedXY(SIZE{position.left, position.top});
    panel->SetFixedWidth(position.right - position.left);
    panel->SetFixedHeight(position.bottom - position.top);
}

void ApplyLanguage(MainControls& controls, CTextList& texts, bool chinese)
{
    SetDirectTexts(controls, chinese);
    SetLabelWidths(controls, texts, chinese);
    controls.menuTitles[MainControls::LanguageMenu]->SetFixedWidth(kLanguageTitleWidth.Pick(chinese));
    for (int menu = 0; menu < MainControls::kMenuCount; ++menu)
        PlaceMenuPanel(controls.menuPanels[menu], MenuPanelPosition(static_cast<MainControls::Menu>(menu), chinese));
    texts.ApplyTexts(chinese);
    SetUnlockWidths(controls, chinese);
}
