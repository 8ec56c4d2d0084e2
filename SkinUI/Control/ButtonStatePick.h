#pragma once
namespace SkinUI {

// Which state images a button has.
struct TButtonImageSet {
    bool disabled = false;
    bool pushed = false;
    bool hot = false;
    bool hotBkColor = false;
    bool focused = false;
};

// The state step a button paints: the first state bit that applies decides, and a state
// without its image falls back to the normal step.
enum class EButtonStep { Normal, Disabled, Pushed, Hot, HotColor, Focused };

class CButtonStatePick {
public:
    static EButtonStep Pick(unsigned int state, const TButtonImageSet& images);
};

} // namespace SkinUI
