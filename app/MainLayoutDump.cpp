#include "app/MainLayoutDump.h"

#include <cstdio>
#include <map>

namespace {

using SkinUI::CControlUI;

// Where a hidden panel shows, placed in skin lengths and scaled as the window places it.
RECT ShownPanelRect(const SkinUI::CVerticalLayoutUI& panel)
{
    if (panel.IsVisible()) return panel.GetPos();
    const CControlUI* parent = panel.GetParent();
    const SkinUI::CDpiScale& scale = panel.GetDpiScale();
    const RECT outer = scale.UnscaleRect(parent != nullptr ? parent->GetPos() : RECT{});
    const SIZE xy = panel.GetFixedXY();
    const int width = panel.GetFixedWidth();
    const int height = panel.GetFixedHeight();
    RECT rc = {};
    rc.left = xy.cx >= 0 ? outer.left + xy.cx : outer.right + xy.cx - width;
    rc.right = rc.left + width;
    rc.top = xy.cy >= 0 ? outer.top + xy.cy : outer.bottom + xy.cy - height;
    rc.bottom = rc.top + height;
    return scale.ScaleRect(rc);
}

// The panel's children stacked as its layout stacks fixed-height children.
std::map<const CControlUI*, RECT> ShownItemRects(const SkinUI::CVerticalLayoutUI& panel)
{
    std::map<const CControlUI*, RECT> rects;
    const SkinUI::CDpiScale& scale = panel.GetDpiScale();
    const RECT outer = scale.UnscaleRect(ShownPanelRect(panel));
    const RECT inset = panel.GetInset();
    const int left = outer.left + inset.left;
    const int right = outer.right - inset.right;
    int y = outer.top + inset.top;
    for (int i = 0; i < panel.GetCount(); ++i) {
        const CControlUI* item = panel.GetItemAt(i);
        if (panel.IsVisible()) {
            rects[item] = item->GetPos();
            continue;
        }
        const int height = item->GetFixedHeight();
        rects[item] = scale.ScaleRect(RECT{left, y, right, y + height});
        y += height + panel.GetChildPadding();
    }
    return rects;
}

class CLayoutDescriber {
public:
    explicit CLayoutDescriber(const MainControls& controls)
        : m_controls(controls)
    {
        for (const SkinUI::CVerticalLayoutUI* panel : controls.menuPanels) {
            if (panel == nullptr) continue;
            for (const auto& entry : ShownItemRects(*panel)) m_itemRects.insert(entry);
        }
    }

    std::vector<NamedRect> Describe()
    {
        DescribeTitleAndMenus();
        DescribeChannels();
        DescribeListsAndFields();
        DescribeCommands();
        return std::move(m_rects);
    }

private:
    void Put(const char* name, const CControlUI* control)
    {
        if (control == nullptr) return;
        const auto item = m_itemRects.find(control);
        m_rects.push_back(NamedRect{name, item != m_itemRects.end() ? item->second : control->GetPos()});
    }

    void PutNumbered(const char* stem, int number, const CControlUI* control)
    {
        char name[64];
        std::snprintf(name, sizeof name, "%s%d", stem, number);
        Put(name, control);
    }

    void DescribeTitleAndMenus()
    {
        const MainControls& c = m_controls;
        Put("titleLabel", c.titleLabel);
        Put("minimizeButton", c.minimizeButton);
        Put("closeButton", c.closeButton);
        Put("fileMenu", c.menuTitles[MainControls::FileMenu]);
        Put("languageMenu", c.menuTitles[MainControls::LanguageMenu]);
        Put("helpMenu", c.menuTitles[MainControls::HelpMenu]);
        const char* panelNames[] = {"filePanel", "languagePanel", "helpPanel"};
        for (int i = 0; i < MainControls::kMenuCount; ++i) {
            if (c.menuPanels[i] != nullptr)
                m_rects.push_back(NamedRect{panelNames[i], ShownPanelRect(*c.menuPanels[i])});
        }
        Put("connectItem", c.connectItem);
        Put("readItem", c.readItem);
        Put("writeItem", c.writeItem);
        Put("verifyItem", c.verifyItem);
        Put("disconnectItem", c.disconnectItem);
        Put("findRadioItem", c.findRadioItem);
        Put("upgradeItem", c.upgradeItem);
        Put("importItem", c.importItem);
        Put("exportItem", c.exportItem);
        Put("exitItem", c.exitItem);
        Put("languageItem", c.languageItem);
        Put("aboutItem", c.aboutItem);
    }

    void DescribeChannels()
    {
        const MainControls& c = m_controls;
        Put("frequencyGroup", c.frequencyGroup);
        for (int i = 0; i < MainControls::kChannelCount; ++i) {
            PutNumbered("channelRow", i, c.channelRows[i]);
            PutNumbered("channelLabel", i, c.channelLabels[i]);
            PutNumbered("channelEdit", i, c.channelEdits[i]);
        }
        Put("defaultButton", c.defaultButton);
    }

    void DescribeListsAndFields()
    {
        const MainControls& c = m_controls;
        const char* lists[] = {"protocol",       "currentChannel", "highPower", "lowPower",
                               "connectionRate", "portBaud",       "linkBaud",  "comPort"};
        for (int i = 0; i < MainControls::kListCount; ++i)
            PutPart(lists[i], c.listRows[i], c.listLabels[i], c.lists[i], "List");
        const char* fields[] = {"firmware", "subFirmware", "hardware", "serialNumber"};
        for (int i = 0; i < MainControls::kFieldCount; ++i)
            PutPart(fields[i], c.fieldRows[i], c.fieldLabels[i], c.fieldEdits[i], "Edit");
        Put("serialUnlockButton", c.serialUnlockButton);
        Put("hardwareUnlockButton", c.hardwareUnlockButton);
        Put("statusLabel", c.statusLabel);
    }

    void PutPart(const char* stem, const CControlUI* row, const CControlUI* label, const CControlUI* value,
                 const char* valueSuffix)
    {
        const std::string base = stem;
        Put((base + "Row").c_str(), row);
        Put((base + "Label").c_str(), label);
        Put((base + valueSuffix).c_str(), value);
    }

    void DescribeCommands()
    {
        const MainControls& c = m_controls;
        Put("portGroup", c.portGroup);
        Put("connectButton", c.connectButton);
        Put("readButton", c.readButton);
        Put("writeButton", c.writeButton);
        Put("disconnectButton", c.disconnectButton);
        Put("importButton", c.importButton);
        Put("exportButton", c.exportButton);
    }

    const MainControls& m_controls;
    std::map<const CControlUI*, RECT> m_itemRects;
    std::vector<NamedRect> m_rects;
};

} // namespace

std::vector<NamedRect> DescribeMainLayout(const MainControls& controls)
{
    return CLayoutDescriber(controls).Describe();
}
