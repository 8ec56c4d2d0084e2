#include "app/ComPortList.h"

#include <algorithm>

#include "radio/PortItem.h"
#include "serial/ComPorts.h"

CComPortList::CComPortList(MainControls& controls, CMainRadioPanel& panel)
    : m_controls(controls)
    , m_panel(panel)
{}

int CComPortList::Reselect(const std::vector<std::string>& items, const std::string& selected)
{
    if (items.empty()) return -1;
    const auto found = std::find(items.begin(), items.end(), selected);
    return found == items.end() ? 0 : static_cast<int>(found - items.begin());
}

bool CComPortList::Refresh()
{
    std::vector<int> ports;
    ListComPorts(ports);
    std::vector<std::string> items;
    for (int port : ports) items.push_back(PortItem(port));
    std::vector<std::string> listed;
    for (int i = 0; i < m_panel.ListItemCount(RadioList::ComPort); ++i)
        listed.push_back(m_panel.ListItemText(RadioList::ComPort, i));
    if (items == listed) return false;
    SkinUI::CComboBoxUI* list = m_controls.List(RadioList::ComPort);
    if (list->IsOpen()) list->SelectItem(list->GetCurSel(), false); // the same item: only closes the list
    const std::string selected = m_panel.ListText(RadioList::ComPort);
    m_panel.ClearList(RadioList::ComPort);
    for (const std::string& item : items) m_panel.AddListItem(RadioList::ComPort, item);
    m_panel.SelectListItem(RadioList::ComPort, Reselect(items, selected));
    return true;
}

bool CComPortList::HasPorts() const
{
    return m_panel.ListItemCount(RadioList::ComPort) > 0;
}

std::vector<int> CComPortList::Ports() const
{
    std::vector<int> ports;
    for (int i = 0; i < m_panel.ListItemCount(RadioList::ComPort); ++i)
        ports.push_back(PortItemNumber(m_panel.ListItemText(RadioList::ComPort, i)));
    return ports;
}
