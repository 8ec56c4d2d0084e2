#pragma once
#include <vector>
#include "SkinUI/Core/ControlUI.h"

// A leaf control that reports its destruction and records the events it gets.
class CProbeControl : public SkinUI::CControlUI {
public:
    explicit CProbeControl(int* pDestroyed = nullptr, int cy = 0) : m_pDestroyed(pDestroyed) {
        if (cy > 0)
            SetFixedHeight(cy);
    }
    ~CProbeControl() override {
        if (m_pDestroyed != nullptr)
            ++*m_pDestroyed;
    }
    void DoEvent(SkinUI::TEventMsg& event) override {
        events.push_back(event.Type);
        SkinUI::CControlUI::DoEvent(event);
    }

    std::vector<int> events;

private:
    int* m_pDestroyed = nullptr;
};

inline SkinUI::TEventMsg MakeEvent(int type, int x = 0, int y = 0, WPARAM wParam = 0, char key = 0) {
    SkinUI::TEventMsg event;
    event.Type = type;
    event.ptMouse = {x, y};
    event.wParam = wParam;
    event.chKey = key;
    return event;
}
