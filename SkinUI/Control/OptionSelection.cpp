#include "SkinUI/Control/OptionSelection.h"

namespace SkinUI {

TOptionChange COptionSelection::Change(bool grouped, bool current, bool wanted)
{
    TOptionChange change;
    if (current == wanted) return change;
    change.changed = true;
    change.unselectOthers = grouped && wanted;
    change.notify = !grouped || wanted;
    return change;
}

bool COptionSelection::ActivateTarget(bool grouped, bool current)
{
    return grouped ? true : !current;
}

} // namespace SkinUI
