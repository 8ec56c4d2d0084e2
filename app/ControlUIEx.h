#pragma once

#include <string>

#include "SkinUI/Core/ControlUI.h"

// One control whose text depends on the interface language.
struct CControlUIEx {
    SkinUI::CControlUI* control = nullptr;
    std::string chinese;
    std::string english;
};
