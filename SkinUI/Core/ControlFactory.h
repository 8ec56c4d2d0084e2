#pragma once

namespace SkinUI {

class CControlUI;

// The framework's controls by markup element name (exact, case-sensitive).
class CControlFactory {
public:
    // Null for a name that is not a framework class; "TreeNode" is placed by the builder itself.
    static CControlUI* Create(const char* pstrClass);
};

} // namespace SkinUI
