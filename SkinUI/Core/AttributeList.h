#pragma once
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// Walks name="value" pairs separated by single spaces; stops for good at the first fault.
class CAttributeList {
public:
    explicit CAttributeList(const char* text);

    // False at the end of the list or at a malformed pair (which is not returned).
    bool Next(CUIString& name, CUIString& value);

private:
    const char* m_p = nullptr;
};

} // namespace SkinUI
