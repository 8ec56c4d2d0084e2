#pragma once
#include <windows.h>

namespace SkinUI {

// AlphaBlend and GradientFill from "msimg32.dll", looked up once.
class CMsimgApi {
public:
    using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    using GradientFillFn = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    static AlphaBlendFn AlphaBlend();
    static GradientFillFn GradientFill();
    // Makes both look missing, to exercise the software fallbacks.
    static void SetFallbackOnly(bool fallback);

private:
    static bool s_bFallback;
};

} // namespace SkinUI
