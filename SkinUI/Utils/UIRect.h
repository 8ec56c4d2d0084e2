#pragma once
#include <windows.h>

namespace SkinUI {

// Same layout as RECT: left, top, right, bottom.
class CUIRect : public RECT {
public:
    CUIRect();
    explicit CUIRect(const RECT& src);
    CUIRect(int l, int t, int r, int b);

    int GetWidth() const;
    int GetHeight() const;
    void Join(const RECT& other);
};

}  // namespace SkinUI
