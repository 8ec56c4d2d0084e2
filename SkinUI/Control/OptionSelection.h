#pragma once

namespace SkinUI {

// What a change of an option's selected state entails.
struct TOptionChange {
    bool changed = false;
    bool unselectOthers = false;
    bool notify = false;
};

// Selection rules of options: grouped options are exclusive and report only being selected;
// ungrouped ones report both directions.
class COptionSelection {
public:
    static TOptionChange Change(bool grouped, bool current, bool wanted);
    // The state activation asks for: a grouped option is selected, an ungrouped one toggles.
    static bool ActivateTarget(bool grouped, bool current);
};

} // namespace SkinUI
