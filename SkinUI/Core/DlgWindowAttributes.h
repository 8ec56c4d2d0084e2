#pragma once

namespace SkinUI {

class CPaintManagerUI;

// The attributes of the markup's "Window" element and what they set in the paint manager.
class CDlgWindowAttributes {
public:
    // False for a name the window does not know and for a value that does not read
    // (the setting then keeps its value).
    static bool Apply(CPaintManagerUI& pm, const char* name, const char* value);

    // count decimal numbers, each followed by one separator or the end; more are ignored.
    static bool ReadNumbers(const char* text, int* values, int count);
    // Optional "#" then at least one hexadecimal digit.
    static bool ReadColor(const char* text, unsigned long& color);

private:
    static bool ApplySize(CPaintManagerUI& pm, const char* name, const char* value);
    static bool ApplyRect(CPaintManagerUI& pm, const char* name, const char* value);
    static bool ApplyFlag(CPaintManagerUI& pm, const char* name, const char* value);
    static bool ApplyColor(CPaintManagerUI& pm, const char* name, const char* value);
};

} // namespace SkinUI
