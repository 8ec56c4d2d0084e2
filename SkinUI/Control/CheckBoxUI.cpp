#include "SkinUI/Control/CheckBoxUI.h"

namespace SkinUI {

const char* CCheckBoxUI::GetClass() const
{
    return "CheckBoxUI";
}

} // namespace SkinUI
