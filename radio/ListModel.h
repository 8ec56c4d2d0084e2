#pragma once

#include <string>
#include <vector>

// A drop-down list held in memory, with the selection rules of the window's
// combo boxes.
class CListModel {
public:
    void Clear();
    void Add(const std::string& text);
    // True when the selection changed to an item (the combo's "itemselect").
    bool Select(int index);

    int Count() const { return static_cast<int>(m_items.size()); }
    int Selected() const { return m_selected; }
    std::string ItemText(int index) const;
    std::string Text() const { return ItemText(m_selected); }
    const std::string& OwnText() const { return m_ownText; }
    void SetOwnText(const std::string& text) { m_ownText = text; }

private:
    std::vector<std::string> m_items;
    int m_selected = -1;
    std::string m_ownText;
};
