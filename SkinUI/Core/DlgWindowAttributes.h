#pragma once

namespace SkinUI {

class CPaintManagerUI;

// The attributes of the markup's "Window" element and what they set in the paint manager.
class CDlgWindowAttributes {
public:
    // False for a name the window does not know and for a value that does not read
    // (the setting then keeps its value).
    static bool Apply(CPaintManagerUI& pm, const char* name, const char* value);

private:
    static bool ApplySize(CPaintManagerUI& pm, const char* name, const char* value);
    static bool ApplyRect(CPaintManagerUI& pm, const char* name, const char* value);
    static bool ApplyFlag(CPaintManagerUI& pm, const char* name, const char* value);
    static bool ApplyColor(CPaintManagerUI& pm, const char* name, const char* value);
};

} // namespace SkinUI
