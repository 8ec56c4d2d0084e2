#pragma once
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// The folder that skin files and images named without one are looked up in.
class CResourcePath {
public:
    static const CUIString& Get();
    // A path that does not end in a separator gets one.
    static void Set(const char* path);

private:
    static CUIString s_path;
};

} // namespace SkinUI
