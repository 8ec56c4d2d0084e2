#include "app/TextList.h"

#include <algorithm>

void CTextList::Add(SkinUI::CControlUI* control, const char* chinese, const char* english)
{
    if (control == nullptr) return;
    m_records.push_back(CControlUIEx{control, chinese != nullptr ? chinese : "", english != nullptr ? english : ""});
}

void CTextList::SetWidthRange(SkinUI::CControlUI* first, SkinUI::CControlUI* last, int width)
{
    auto isControl = [](SkinUI::CControlUI* control) {
        return [control](const CControlUIEx& record) { return record.control == control; };
    };
    const auto begin = std::find_if(m_records.begin(), m_records.end(), isControl(first));
    if (begin == m_records.end()) return;
    const auto end = std::find_if(begin, m_records.end(), isControl(last));
    // Without the last control's record the run would reach every later record.
    if (end == m_records.end()) return;
    for (auto it = begin; it != end + 1; ++it) it->control->SetFixedWidth(width);
}

void CTextList::ApplyTexts(bool chinese)
{
    for (const CControlUIEx& record : m_records)
        record.control->SetText((chinese ? record.chinese : record.english).c_str());
}
