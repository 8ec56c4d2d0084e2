#pragma once
#include <functional>
#include <string>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Core/ImageDrawState.h"

namespace SkinUI {

// Runs an image description and its modifier, calling the draw callback for
// every image they describe. "dest" is a skin length, placed at the item's scale.
class CImageDescInterpreter {
public:
    using DrawFn = std::function<void(const TImageDrawState&)>;

    CImageDescInterpreter(const CUIRect& item, const CDpiScale& scale, DrawFn draw);

    void Run(const char* description, const char* modifier);

private:
    void Parse(const char* text);
    void Apply(const std::string& key, const std::string& value);
    void StartImage();

    CUIRect m_rcItem;
    CDpiScale m_scale;
    DrawFn m_draw;
    TImageDrawState m_state;
    int m_nCounter = 0;
    bool m_bResFlushed = false;
};

} // namespace SkinUI
