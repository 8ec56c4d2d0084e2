#include "SkinUI/Utils/UIName.h"
#include <cstring>

namespace SkinUI {

bool CUIName::Equals(const char* name, const char* expected)
{
    return name != nullptr && expected != nullptr && std::strcmp(name, expected) == 0;
}

} // namespace SkinUI
