#pragma once
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// The images a box paints for its states, as the markup names them.
class CStateImages {
public:
    // True when the name is a state image's; its value is then kept.
    bool SetAttribute(const char* pstrName, const char* pstrValue);

    CUIString normal;
    CUIString hot;
    CUIString pushed;
    CUIString focused;
    CUIString disabled;
};

} // namespace SkinUI
