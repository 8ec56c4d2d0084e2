#include "app/TextList.h"

void CTextList::Add(SkinUI::CControlUI* control, const char* chinese, const char* english) {
    m_records.push_back(CControlUIEx{control, chinese, english});
}

void CTextList::SetWidthRange(SkinUI::CControlUI*, SkinUI::CControlUI*, int) {}

void CTextList::ApplyTexts(bool chinese) {
    for (const CControlUIEx& record : m_records) record.control->SetText((chinese ? record.chinese : record.english).c_str());
}
