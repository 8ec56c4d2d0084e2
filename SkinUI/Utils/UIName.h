#pragma once

namespace SkinUI {

// Names of classes, interfaces, attributes and notifications compare exactly, byte for
// byte; a null name names nothing, so it equals no name, not even another null one.
class CUIName {
public:
    static bool Equals(const char* name, const char* expected);
};

} // namespace SkinUI
