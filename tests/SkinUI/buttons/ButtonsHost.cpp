#include "tests/SkinUI/buttons/ButtonsHost.h"
#include <cstdlib>
#include "tests/SkinUI/support/PixelSurface.h"

CButtonsHost::CButtonsHost()
    : pm(window.GetManager())
{
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
    const int want[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            const uint32_t c = surface.At(x, y);
            int d = 0;
            for (int i = 0; i < 3; ++i) d += std::abs(static_cast<int>(c >> (16 - 8 * i) & 0xFF) - want[i]);
            n += d <= tolerance ? 1 : 0;
        }
    }
    return n;
}
