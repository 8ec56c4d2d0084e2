#pragma once
#include <functional>
#include <string>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/INotifyUI.h"

struct TSeenNotify {
    std::string type;
    SkinUI::CControlUI* sender = nullptr;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Records every notification; the hook, when set, runs inside Notify.
class CNotifyLog : public SkinUI::INotifyUI {
public:
    void Notify(SkinUI::TNotifyMsg& msg) override
    {
        seen.push_back({msg.sType.GetData(), msg.pSender, msg.wParam, msg.lParam});
        if (hook) hook(msg);
    }

    int Count(const char* type, const SkinUI::CControlUI* sender = nullptr) const
    {
        int n = 0;
        for (const TSeenNotify& s : seen) n += (s.type == type && (sender == nullptr || s.sender == sender)) ? 1 : 0;
        return n;
    }

    const TSeenNotify* Last(const char* type) const
    {
        for (auto it = seen.rbegin(); it != seen.rend(); ++it) {
            if (it->type == type) return &*it;
        }
        return nullptr;
    }

    std::vector<TSeenNotify> seen;
    std::function<void(SkinUI::TNotifyMsg&)> hook;
};
