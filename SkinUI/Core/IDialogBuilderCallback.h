#pragma once

namespace SkinUI {

class CControlUI;

// Supplies the controls whose markup names the builder does not know.
class IDialogBuilderCallback {
public:
    // Null when the name is not one of the application's classes.
    virtual CControlUI* CreateControl(const char* pstrClass) = 0;

protected:
    virtual ~IDialogBuilderCallback() = default;
};

} // namespace SkinUI
