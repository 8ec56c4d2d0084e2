#pragma once
#include "SkinUI/Core/NotifyMsg.h"

namespace SkinUI {

// Receives every notification of a paint manager's controls.
class INotifyUI {
public:
    virtual void Notify(TNotifyMsg& msg) = 0;

protected:
    virtual ~INotifyUI() = default;
};

} // namespace SkinUI
