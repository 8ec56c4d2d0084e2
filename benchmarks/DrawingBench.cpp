// Times nine-grid image drawing and the layout of formatted text.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SkinUI/Core/HtmlTextPainter.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "benchmarks/BenchTimer.h"
#include "tests/SkinUI/support/PixelSurface.h"
#include "tests/SkinUI/support/TempBmp.h"

using namespace SkinUI;

int main()
{
    CPixelSurface surface(400, 300);
    CPaintManagerUI manager;
    std::vector<uint32_t> pixels(32 * 32);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0x80000000u | (static_cast<uint32_t>(i) * 2654435761u >> 8);
    const std::string desc = "file='" + WriteBmp("skinui_bench.bmp", 32, 32, pixels) + "' corner='6,6,6,6'";
    const RECT item = {10, 10, 390, 290};
    const int rounds = 1000;
    int drawn = 0;
    const double gridMs = TimedMs([&] {
        for (int i = 0; i < rounds; ++i)
            drawn += CUIRender::DrawImageString(surface.dc(), &manager, item, item, desc.c_str()) ? 1 : 0;
        ::GdiFlush();
    });
    std::printf("nine-grid image 380x280, %d draws: %.1f ms (%.3f ms each)\n", drawn, gridMs, gridMs / rounds);

    const char* html = "<p>Radio <b>channel</b> list: <c #FF0000>warning</c> see <a help>the help page</a> "
                       "or {a docs}docs{/a}.</p><p 4>Second paragraph with enough words to wrap a few times "
                       "in a narrow box.</p>";
    CHtmlTextPainter painter(surface.dc(), &manager, RECT{0, 0, 160, 300}, 0xFF000000, DT_WORDBREAK);
    const double layoutMs = TimedMs([&] { painter.Layout(html, nullptr); });
    std::printf("html layout, %zu pieces: %.3f ms\n", painter.Pieces().size(), layoutMs);
    return drawn == rounds ? 0 : 1;
}
