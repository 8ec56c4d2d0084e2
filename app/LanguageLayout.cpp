#include "app/LanguageLayout.h"

#include <algorithm>

#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"

namespace {

struct Widths {
    int chinese;
    int english;

    int Pick(bool inChinese) const { return inChinese ? chinese : english; }
};

// Narrow enough for nine-character frequencies, wide enough for every text
// (the layout tests measure both).
constexpr Widths kChannelLabelWidth = {36, 56};
constexpr Widths kParameterLabelWidth = {76, 100};
constexpr Widths kPortLabelWidth = {42, 32};
constexpr Widths kLanguageTitleWidth = {42, 72};
constexpr Widths kUnlockWidth = {30, 40};
constexpr Widths kUnlockLabelWidth = {56, 60};

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
    texts.SetWidthRange(controls.channelLabels.front(), controls.channelLabels.back(),
                        kChannelLabelWidth.Pick(chinese));
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

} // namespace

MenuPanelPlace MenuPanelPosition(MainControls::Menu menu, bool chinese)
{
    switch (menu) {
    case MainControls::FileMenu:
        return chinese ? MenuPanelPlace{10, 63, 90} : MenuPanelPlace{10, 63, 120};
    case MainControls::LanguageMenu:
        return chinese ? MenuPanelPlace{52, 63, 90} : MenuPanelPlace{52, 63, 120};
    case MainControls::HelpMenu:
        break;
    }
    return chinese ? MenuPanelPlace{94, 63, 90} : MenuPanelPlace{124, 63, 120};
}

void FitTitleWidth(SkinUI::CLabelUI* title)
{
    SkinUI::CPaintManagerUI* manager = title->GetManager();
    if (manager == nullptr) return;
    RECT extent = {0, 0, 9999, 100};
    SkinUI::CUIRender::DrawPlainText(manager->GetPaintDC(), manager, extent, title->GetText().GetData(), 0,
                                     title->GetFont(), DT_SINGLELINE | DT_CALCRECT);
    const SkinUI::CDpiScale& scale = title->GetDpiScale();
    const RECT padding = scale.ScaleRect(title->GetTextPadding());
    const int needed = extent.right - extent.left + padding.left + padding.right;
    title->SetFixedWidth(std::max(CMainWindowBuilder::kTitleWidth, scale.SpanCovering(needed)));
}

// The height covers the inset and every item, so that a longer menu still
// shows its last item.
void PlaceMenuPanel(SkinUI::CVerticalLayoutUI* panel, const MenuPanelPlace& place)
{
    const RECT inset = panel->GetInset();
    int height = inset.top + inset.bottom;
    for (int i = 0; i < panel->GetCount(); ++i)
        height += panel->GetItemAt(i)->GetFixedHeight() + (i > 0 ? panel->GetChildPadding() : 0);
    panel->SetFixedXY(SIZE{place.left, place.top});
    panel->SetFixedWidth(place.width);
    panel->SetFixedHeight(height);
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
