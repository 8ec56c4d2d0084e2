#pragma once
#include <functional>

namespace SkinUI {

// How much of a text run goes on the current line.
struct THtmlFit {
    int bytes = 0;
    bool ellipsis = false;
    bool wrap = false;
};

// Line breaking of html text runs, independent of how text is measured.
class CHtmlLineFit {
public:
    using Measure = std::function<int(const char* text, int bytes)>;

    static THtmlFit Fit(const char* text, int length, int space, bool lineEmpty, bool wordBreak, bool ellipsis,
                        const Measure& measure);
    static int AlignOffset(int lineWidth, int width, unsigned int style);
    static bool IsBreakChar(char c);
};

} // namespace SkinUI
