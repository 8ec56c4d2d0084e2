#pragma once

#include <cstddef>
#include <vector>

#include "app/ControlUIEx.h"

// The language-dependent control texts, in the order they were added.
class CTextList {
public:
    // A null control is not recorded.
    void Add(SkinUI::CControlUI* control, const char* chinese, const char* english);

    const std::vector<CControlUIEx>& Records() const { return m_records; }
    std::size_t Count() const { return m_records.size(); }

    // Fixed width for the records from first's to last's, both included.
    // Nothing is set unless both have a record, first's not after last's.
    void SetWidthRange(SkinUI::CControlUI* first, SkinUI::CControlUI* last, int width);
    // Sets every record's control text to the language's text, in order.
    void ApplyTexts(bool chinese);

private:
    std::vector<CControlUIEx> m_records;
};
