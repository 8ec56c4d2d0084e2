#include "SkinUI/Core/MsimgApi.h"

namespace SkinUI {

bool CMsimgApi::s_bFallback = false;

namespace {

HMODULE Library()
{
    static HMODULE module = ::LoadLibraryA("msimg32.dll");
    return module;
}

template <typename Fn> Fn Lookup(const char* name)
{
    HMODULE module = Library();
    return module == nullptr ? nullptr : reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

} // namespace

CMsimgApi::AlphaBlendFn CMsimgApi::AlphaBlend()
{
    static AlphaBlendFn fn = Lookup<AlphaBlendFn>("AlphaBlend");
    return s_bFallback ? nullptr : fn;
}

CMsimgApi::GradientFillFn CMsimgApi::GradientFill()
{
    static GradientFillFn fn = Lookup<GradientFillFn>("GradientFill");
    return s_bFallback ? nullptr : fn;
}

void CMsimgApi::SetFallbackOnly(bool fallback)
{
    s_bFallback = fallback;
}

} // namespace SkinUI
