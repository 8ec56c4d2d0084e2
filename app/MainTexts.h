#pragma once

#include "app/MainControls.h"
#include "app/TextList.h"

// A text in both interface languages (the Chinese one in GBK).
struct TextPair {
    const char* chinese;
    const char* english;

    const char* Pick(bool inChinese) const { return inChinese ? chinese : english; }
};

namespace MainTexts {

extern const TextPair kUnlock;
extern const TextPair kMinimizeTip;
extern const TextPair kCloseTip;
extern const TextPair kHardwareTip;
extern const TextPair kPortGroupTitle;
extern const TextPair kFrequencyGroupTitle;
// The main window's system title; the window is created with the Chinese one.
extern const TextPair kWindowTitle;
extern const char* const kChannelTip;
// Follows the title while the program waits for an upgrade to end before closing.
extern const TextPair kQuitPendingSuffix;

} // namespace MainTexts

// Appends the records of the main window's controls, in their fixed order.
void AddTextPairs(CTextList& list, const MainControls& controls);
