#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Core/ControlState.h"

namespace SkinUI {

EButtonStep CButtonStatePick::Pick(unsigned int state, const TButtonImageSet& images)
{
    if ((state & UISTATE_DISABLED) != 0) return images.disabled ? EButtonStep::Disabled : EButtonStep::Normal;
    if ((state & UISTATE_PUSHED) != 0) return images.pushed ? EButtonStep::Pushed : EButtonStep::Normal;
    if ((state & UISTATE_HOT) != 0) {
        if (images.hot) return EButtonStep::Hot;
        return images.hotBkColor ? EButtonStep::HotColor : EButtonStep::Normal;
    }
    if ((state & UISTATE_FOCUSED) != 0) return images.focused ? EButtonStep::Focused : EButtonStep::Normal;
    return EButtonStep::Normal;
}

} // namespace SkinUI
