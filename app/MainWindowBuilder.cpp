#include "app/MainWindowBuilder.h"

#include "app/LanguageLayout.h"
#include "app/MainTexts.h"

using SkinUI::CButtonUI;
using SkinUI::CControlUI;
using SkinUI::CHorizontalLayoutUI;
using SkinUI::CLabelUI;
using SkinUI::CVerticalLayoutUI;

namespace {

constexpr int kParameterLabelWidth = 80;
constexpr int kPortLabelWidth = 42;
constexpr int kChannelLabelWidth = 36;
constexpr DWORD kFrameColor = 0xFF888888;

constexpr int kDefaultButtonHeight = 22;
constexpr int kCommandButtonHeight = 25;
constexpr int kButtonGapHeight = 16;
constexpr int kMenuTitleWidth = 42;
constexpr const char* kMenuHotImage = "res='175' restype='png' corner='3,3,3,3'";

// The looks below stand for the "copy of" relations: a copy gets the same calls as its source.
void ApplyCommandButtonLook(CButtonUI* button, int height)
{
    button->SetFixedHeight(height);
    button->SetNormalImage("res='160' restype='png' corner='2,2,2,2'");
    button->SetHotImage("res='161' restype='png' corner='2,2,2,2'");
    button->SetPushedImage("res='162' restype='png' corner='2,2,2,2'");
    button->SetDisabledImage("res='169' restype='png' corner='2,2,2,2'");
}

void ApplyMenuTitleLook(CButtonUI* title)
{
    title->SetFixedWidth(kMenuTitleWidth);
    title->SetHotImage(kMenuHotImage);
}

CButtonUI* NewMenuItem()
{
    CButtonUI* item = new CButtonUI;
    item->SetTextStyle(DT_VCENTER);
    item->SetTextPadding(RECT{12, 2, 0, 0});
    item->SetFixedHeight(20);
    item->SetFont(2);
    item->SetHotImage(kMenuHotImage);
    return item;
}

CControlUI* NewMenuSeparator()
{
    CControlUI* separator = new CControlUI;
    separator->SetBkColor(0xFFFFC700);
    separator->SetFixedHeight(1);
    return separator;
}

CControlUI* NewGap(int height)
{
    CControlUI* gap = new CControlUI;
    gap->SetFixedHeight(height);
    return gap;
}

void ApplyPanelLook(CVerticalLayoutUI* panel)
{
    panel->SetFloat(true);
    panel->SetBkColor(0xEEEEEEEE);
    panel->SetBorderColor(0xFFFFC700);
    panel->SetBorderSize(1);
    panel->SetInset(RECT{1, 1, 1, 1});
    panel->SetVisible(false);
}

CButtonUI* NewImageButton(int width, int height, const char* normal, const char* hot, const char* pushed)
{
    CButtonUI* button = new CButtonUI;
    button->SetFixedWidth(width);
    button->SetFixedHeight(height);
    button->SetNormalImage(normal);
    button->SetHotImage(hot);
    button->SetPushedImage(pushed);
    return button;
}

CVerticalLayoutUI* NewColumn(int width, int childPadding)
{
    CVerticalLayoutUI* column = new CVerticalLayoutUI;
    column->SetFixedWidth(width);
    column->SetChildPadding(childPadding);
    return column;
}

} // namespace

CMainWindowBuilder::CMainWindowBuilder(MainControls& controls)
    : m_controls(controls)
{}

CHorizontalLayoutUI* CMainWindowBuilder::BuildTitleBar()
{
    CHorizontalLayoutUI* bar = new CHorizontalLayoutUI;
    bar->SetFixedHeight(33);
    bar->SetInset(RECT{3, 2, 3, 2});
    bar->SetBkColor(0xFFD1E8F5);
    bar->SetBkColor2(0xFFC9E3F4);

    CVerticalLayoutUI* iconHolder = new CVerticalLayoutUI;
    iconHolder->SetFixedWidth(26);
    iconHolder->SetInset(RECT{0, 5, 5, 0});
    CControlUI* icon = new CControlUI;
    icon->SetBkImage("res='174' restype='png'");
    iconHolder->Add(icon);
    bar->Add(iconHolder);

    CLabelUI* title = new CLabelUI;
    title->SetFixedWidth(kTitleWidth);
    title->SetFont(1);
    title->SetTextColor(0xFF447AA1);
    title->SetTextStyle(DT_VCENTER);
    bar->Add(title);
    m_controls.titleLabel = title;

    bar->Add(new CControlUI);
    m_controls.minimizeButton =
        NewImageButton(26, 17, "res='150' restype='png'", "res='151' restype='png'", "res='152' restype='png'");
    bar->Add(m_controls.minimizeButton);
    m_controls.closeButton =
        NewImageButton(45, 17, "res='144' restype='png'", "res='145' restype='png'", "res='146' restype='png'");
    bar->Add(m_controls.closeButton);
    return bar;
}

CHorizontalLayoutUI* CMainWindowBuilder::BuildMenuBar()
{
    CHorizontalLayoutUI* bar = new CHorizontalLayoutUI;
    bar->SetFixedHeight(29);
    bar->SetInset(RECT{8, 10, 0, 0});
    bar->SetBkColor(0xFFC9E3F4);
    bar->SetBkColor2(0xFFD1E8F5);
    for (CButtonUI*& title : m_controls.menuTitles) {
        title = new CButtonUI;
        ApplyMenuTitleLook(title);
        bar->Add(title);
    }
    return bar;
}

CHorizontalLayoutUI* CMainWindowBuilder::BuildBody()
{
    CHorizontalLayoutUI* body = new CHorizontalLayoutUI;
    body->SetInset(RECT{18, 17, 18, 18});
    body->SetChildPadding(15);
    body->Add(BuildFrequencyGroup());
    body->Add(BuildMiddleColumn());
    body->Add(BuildRightColumn());
    return body;
}

CGroupBoxUI* CMainWindowBuilder::BuildFrequencyGroup()
{
    CGroupBoxUI* group = new CGroupBoxUI(MainTexts::kFrequencyGroupTitle.english);
    group->SetFixedWidth(151);
    m_controls.frequencyGroup = group;
    for (int i = 0; i < MainControls::kChannelCount; ++i) {
        CLabelAndEditUI* row =
            new CLabelAndEditUI("", kChannelLabelWidth, &m_controls.channelEdits[i], &m_controls.channelLabels[i]);
        m_controls.channelEdits[i]->SetMaxChar(9);
        m_controls.channelEdits[i]->SetToolTip(MainTexts::kChannelTip);
        m_controls.channelRows[i] = row;
        if (i == 0 || i == MainControls::kChannelCount - 1)
            m_controls.unplaced.emplace_back(row);
        else
            group->Add(row);
    }
    m_controls.defaultButton = new CButtonUI;
    ApplyCommandButtonLook(m_controls.defaultButton, kDefaultButtonHeight);
    group->Add(m_controls.defaultButton);
    return group;
}

CVerticalLayoutUI* CMainWindowBuilder::BuildMiddleColumn()
{
    CVerticalLayoutUI* column = NewColumn(216, 11);
    column->Add(BuildParameterBox());

    CVerticalLayoutUI* statusBox = new CVerticalLayoutUI;
    statusBox->SetFixedHeight(22);
    statusBox->SetInset(RECT{1, 1, 1, 1});
    statusBox->SetBorderSize(1);
    statusBox->SetBorderColor(kFrameColor);
    m_controls.statusLabel = new CStatusLabelUI;
    m_controls.statusLabel->SetTextStyle(DT_CENTER | DT_VCENTER);
    statusBox->Add(m_controls.statusLabel);
    column->Add(statusBox);
    return column;
}

CVerticalLayoutUI* CMainWindowBuilder::BuildParameterBox()
{
    CVerticalLayoutUI* box = new CVerticalLayoutUI;
    box->SetFixedHeight(349);
    box->SetChildPadding(18);
    box->SetInset(RECT{2, 18, 15, 0});
    box->SetPadding(RECT{0, 6, 0, 0});
    box->SetBorderSize(1);
    box->SetBorderColor(kFrameColor);

    box->Add(NewListRow(RadioList::Protocol, kParameterLabelWidth));
    box->Add(NewListRow(RadioList::CurrentChannel, kParameterLabelWidth));
    box->Add(NewListRow(RadioList::PortBaud, kParameterLabelWidth));
    box->Add(NewListRow(RadioList::LinkBaud, kParameterLabelWidth));
    m_controls.unplaced.emplace_back(NewListRow(RadioList::HighPower, kParameterLabelWidth));
    m_controls.unplaced.emplace_back(NewListRow(RadioList::LowPower, kParameterLabelWidth));

    m_controls.serialUnlockButton = new CButtonUI;
    ApplyCommandButtonLook(m_controls.serialUnlockButton, kDefaultButtonHeight);
    box->Add(NewUnlockHolder(m_controls.serialUnlockButton, NewFieldRow(RadioField::SerialNumber, 9)));
    m_controls.hardwareUnlockButton = new CButtonUI;
    ApplyCommandButtonLook(m_controls.hardwareUnlockButton, kDefaultButtonHeight);
    box->Add(NewUnlockHolder(m_controls.hardwareUnlockButton, NewFieldRow(RadioField::Hardware, 4)));

    box->Add(NewFieldRow(RadioField::Firmware, 0));
    box->Add(NewFieldRow(RadioField::SubFirmware, 0));
    return box;
}

CVerticalLayoutUI* CMainWindowBuilder::BuildRightColumn()
{
    CVerticalLayoutUI* column = NewColumn(150, 0);
    CButtonUI* logo = new CButtonUI;
    logo->SetFixedHeight(24);
    logo->SetNormalImage("res='179' restype='png' dest='14,0,137,24'");
    column->Add(logo);
    column->Add(NewGap(28));

    CGroupBoxUI* portGroup = new CGroupBoxUI(MainTexts::kPortGroupTitle.english);
    portGroup->SetFixedHeight(90);
    portGroup->Add(NewListRow(RadioList::ComPort, kPortLabelWidth));
    portGroup->Add(NewListRow(RadioList::ConnectionRate, kPortLabelWidth));
    m_controls.portGroup = portGroup;
    column->Add(portGroup);
    column->Add(NewGap(kButtonGapHeight));

    CButtonUI** buttons[] = {&m_controls.connectButton,    &m_controls.readButton,   &m_controls.writeButton,
                             &m_controls.disconnectButton, &m_controls.importButton, &m_controls.exportButton};
    for (CButtonUI** button : buttons) {
        *button = new CButtonUI;
        ApplyCommandButtonLook(*button, kCommandButtonHeight);
        column->Add(*button);
        column->Add(NewGap(kButtonGapHeight));
    }
    return column;
}

CLabelAndComboUI* CMainWindowBuilder::NewListRow(RadioList list, int labelWidth)
{
    const int index = static_cast<int>(list);
    CLabelAndComboUI* row =
        new CLabelAndComboUI("", labelWidth, &m_controls.lists[index], &m_controls.listLabels[index]);
    m_controls.listRows[index] = row;
    return row;
}

CLabelAndEditUI* CMainWindowBuilder::NewFieldRow(RadioField field, UINT maxChars)
{
    const int index = static_cast<int>(field);
    CLabelAndEditUI* row =
        new CLabelAndEditUI("", kParameterLabelWidth, &m_controls.fieldEdits[index], &m_controls.fieldLabels[index]);
    if (maxChars != 0) m_controls.fieldEdits[index]->SetMaxChar(maxChars);
    m_controls.fieldRows[index] = row;
    return row;
}

CHorizontalLayoutUI* CMainWindowBuilder::NewUnlockHolder(CButtonUI* unlock, CLabelAndEditUI* row)
{
    CHorizontalLayoutUI* holder = new CHorizontalLayoutUI;
    holder->SetFixedHeight(22);
    unlock->SetWidenToText();
    holder->Add(unlock);
    holder->Add(row);
    return holder;
}

void CMainWindowBuilder::BuildMenuPanels(SkinUI::CContainerUI* main)
{
    AddPanel(main, MainControls::HelpMenu, {&m_controls.aboutItem});
    AddPanel(main, MainControls::LanguageMenu, {&m_controls.languageItem});
    AddPanel(main, MainControls::FileMenu,
             {&m_controls.connectItem, &m_controls.readItem, &m_controls.writeItem, &m_controls.verifyItem,
              &m_controls.disconnectItem, &m_controls.findRadioItem, nullptr, &m_controls.upgradeItem, nullptr,
              &m_controls.importItem, &m_controls.exportItem, nullptr, &m_controls.exitItem});
}

// Every panel starts as the Help panel stands in Chinese, tall enough for its
// items; the language then places it.
void CMainWindowBuilder::AddPanel(SkinUI::CContainerUI* main, int menu, std::initializer_list<CButtonUI**> items)
{
    CVerticalLayoutUI* panel = new CVerticalLayoutUI;
    ApplyPanelLook(panel);
    for (CButtonUI** item : items) {
        if (item == nullptr) {
            panel->Add(NewMenuSeparator());
            continue;
        }
        *item = NewMenuItem();
        panel->Add(*item);
    }
    PlaceMenuPanel(panel, MenuPanelPosition(MainControls::HelpMenu, true));
    m_controls.menuPanels[menu] = panel;
    main->Add(panel);
}
