#pragma once

#include <array>
#include <memory>
#include <vector>

#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Control/ComboBoxUI.h"
#include "SkinUI/Control/EditUI.h"
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "app/controls/GroupBoxUI.h"
#include "app/controls/LabelAndComboUI.h"
#include "app/controls/LabelAndEditUI.h"
#include "app/controls/StatusLabelUI.h"
#include "radio/RadioPanel.h"

// Every control of the main window that code talks to. The tree under
// "main" owns the placed controls; `unplaced` owns the rows that are made
// but never shown (channels 0 and 9, high and low power).
struct MainControls {
    static constexpr int kChannelCount = 10;
    static constexpr int kListCount = 8; // one per RadioList value
    static constexpr int kFieldCount = 4; // one per RadioField value
    static constexpr int kMenuCount = 3; // File, Language, Help

    enum Menu { FileMenu, LanguageMenu, HelpMenu };

    // Title bar.
    SkinUI::CLabelUI* titleLabel = nullptr;
    SkinUI::CButtonUI* minimizeButton = nullptr;
    SkinUI::CButtonUI* closeButton = nullptr;

    // Menu bar and the floating panels, indexed by Menu.
    std::array<SkinUI::CButtonUI*, kMenuCount> menuTitles = {};
    std::array<SkinUI::CVerticalLayoutUI*, kMenuCount> menuPanels = {};
    SkinUI::CButtonUI* connectItem = nullptr;
    SkinUI::CButtonUI* readItem = nullptr;
    SkinUI::CButtonUI* writeItem = nullptr;
    SkinUI::CButtonUI* verifyItem = nullptr;
    SkinUI::CButtonUI* disconnectItem = nullptr;
    SkinUI::CButtonUI* findRadioItem = nullptr;
    SkinUI::CButtonUI* upgradeItem = nullptr;
    SkinUI::CButtonUI* importItem = nullptr;
    SkinUI::CButtonUI* exportItem = nullptr;
    SkinUI::CButtonUI* exitItem = nullptr;
    SkinUI::CButtonUI* languageItem = nullptr;
    SkinUI::CButtonUI* aboutItem = nullptr;

    // Frequency group.
    CGroupBoxUI* frequencyGroup = nullptr;
    std::array<CLabelAndEditUI*, kChannelCount> channelRows = {};
    std::array<SkinUI::CEditUI*, kChannelCount> channelEdits = {};
    std::array<SkinUI::CLabelUI*, kChannelCount> channelLabels = {};
    SkinUI::CButtonUI* defaultButton = nullptr;

    // Value lists with their rows and labels, indexed by RadioList.
    std::array<CLabelAndComboUI*, kListCount> listRows = {};
    std::array<SkinUI::CComboBoxUI*, kListCount> lists = {};
    std::array<SkinUI::CLabelUI*, kListCount> listLabels = {};

    // Text fields with their rows and labels, indexed by RadioField.
    std::array<CLabelAndEditUI*, kFieldCount> fieldRows = {};
    std::array<SkinUI::CEditUI*, kFieldCount> fieldEdits = {};
    std::array<SkinUI::CLabelUI*, kFieldCount> fieldLabels = {};
    SkinUI::CButtonUI* serialUnlockButton = nullptr;
    SkinUI::CButtonUI* hardwareUnlockButton = nullptr;

    CStatusLabelUI* statusLabel = nullptr;

    CGroupBoxUI* portGroup = nullptr;
    SkinUI::CButtonUI* connectButton = nullptr;
    SkinUI::CButtonUI* readButton = nullptr;
    SkinUI::CButtonUI* writeButton = nullptr;
    SkinUI::CButtonUI* disconnectButton = nullptr;
    SkinUI::CButtonUI* importButton = nullptr;
    SkinUI::CButtonUI* exportButton = nullptr;

    std::vector<std::unique_ptr<SkinUI::CControlUI>> unplaced;

    SkinUI::CComboBoxUI* List(RadioList list) const { return lists[static_cast<int>(list)]; }
    SkinUI::CEditUI* FieldEdit(RadioField field) const { return fieldEdits[static_cast<int>(field)]; }
};
