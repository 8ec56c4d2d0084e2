#pragma once
#include "SkinUI/Core/ContainerUI.h"

// A leaf control that reports its destruction.
class CProbeControl : public SkinUI::CControlUI {
public:
    explicit CProbeControl(int* pDestroyed = nullptr, int cy = 0)
        : m_pDestroyed(pDestroyed)
    {
        if (cy > 0) SetFixedHeight(cy);
    }
    ~CProbeControl() override
    {
        if (m_pDestroyed != nullptr) ++*m_pDestroyed;
    }

private:
    int* m_pDestroyed = nullptr;
};

// Sends one event straight to a control's DoEvent.
inline void Send(SkinUI::CControlUI& control, int type, int x, int y, WPARAM wParam = 0, char key = 0)
{
    SkinUI::TEventMsg event;
    event.Type = type;
    event.ptMouse = {x, y};
    event.wParam = wParam;
    event.chKey = key;
    control.DoEvent(event);
}
