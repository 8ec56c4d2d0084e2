#include "SkinUI/Utils/ResourcePath.h"

namespace SkinUI {

CUIString CResourcePath::s_path;

const CUIString& CResourcePath::Get()
{
    return s_path;
}

void CResourcePath::Set(const char* path)
{
    s_path = path != nullptr ? path : "";
    const int length = s_path.GetLength();
    if (length == 0) return;
    const char last = s_path.GetAt(length - 1);
    if (last != '\\' && last != '/') s_path += "\\";
}

} // namespace SkinUI
