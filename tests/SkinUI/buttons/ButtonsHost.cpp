#include "tests/SkinUI/buttons/ButtonsHost.h"
#include <cstdio>
#include <cstdlib>
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

CButtonsHost::CButtonsHost() : pm(window.GetManager())
{
    root = new CVerticalLayoutUI;
    root->SetBkColor(0xFFFFFFFF);
    pm.AttachDialog(root);
    pm.AddNotifier(&log);
    Layout();
}

void CButtonsHost::Layout()
{
    root->NeedUpdate();
    window.Repaint();
    window.PumpMessages();
}

int CButtonsHost::CountNear(const RECT& rc, COLORREF color, int tolerance)
{
    window.Repaint();
    CPixelSurface surface(300, 200);
    window.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            const uint32_t c = surface.At(x, y);
            const int d = std::abs(static_cast<int>(c >> 16) - GetRValue(color)) +
                          std::abs(static_cast<int>((c >> 8) & 0xFF) - GetGValue(color)) +
                          std::abs(static_cast<int>(c & 0xFF) - GetBValue(color));
            n += d <= tolerance ? 1 : 0;
        }
    }
    return n;
}

std::string SolidImageFile(const char* name, COLORREF color)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER), 4, 4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file = {0x4D42, sizeof(file) + sizeof(info) + 4 * 4 * 3, 0, 0, sizeof(file) + sizeof(info)};
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return path;
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    const unsigned char px[3] = {GetBValue(color), GetGValue(color), GetRValue(color)};
    for (int i = 0; i < 4 * 4; ++i) std::fwrite(px, 3, 1, f);
    std::fclose(f);
    return path;
}
