#include "radio/ListModel.h"

void CListModel::Clear()
{
    m_items.clear();
    m_selected = -1;
}

void CListModel::Add(const std::string& text)
{
    m_items.push_back(text);
}

bool CListModel::Select(int index)
{
    if (index == m_selected) return false;
    m_selected = -1;
    if (index < 0 || m_items.empty()) return false;
    m_selected = index < Count() ? index : Count() - 1;
    return true;
}

std::string CListModel::ItemText(int index) const
{
    return index >= 0 && index < Count() ? m_items[index] : std::string();
}
