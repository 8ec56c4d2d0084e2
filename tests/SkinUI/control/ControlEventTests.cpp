#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/Delegate.h"

using namespace SkinUI;

namespace {

// Records what reaches its DoEvent.
class RecordingControl : public CControlUI {
public:
    void DoEvent(TEventMsg& event) override
    {
        kinds.push_back(event.Type);
        CControlUI::DoEvent(event);
    }

    std::vector<int> kinds;
};

// Remembers the parameter it was called with and gives a fixed answer.
class Listener {
public:
    explicit Listener(bool answer = true)
        : m_answer(answer)
    {}
    bool First(void* param)
    {
        lastParam = param;
        return m_answer;
    }

    void* lastParam = nullptr;

private:
    bool m_answer = true;
};

TEventMsg Event(int type)
{
    TEventMsg e;
    e.Type = type;
    return e;
}

} // namespace

TEST(ControlEvent, FocusAndTimerAreConsumedOtherKindsGoToTheParentAndOnEventCanVeto)
{
    RecordingControl parent;
    CControlUI child;
    child.SetManager(nullptr, &parent, false);
    TEventMsg e = Event(UIEVENT_SETFOCUS);
    child.Event(e);
    EXPECT_TRUE(child.IsFocused());
    for (int type : {UIEVENT_KILLFOCUS, UIEVENT_TIMER, UIEVENT_KEYDOWN}) {
        e = Event(type);
        child.Event(e);
    }
    EXPECT_EQ(parent.kinds, (std::vector<int>{UIEVENT_KEYDOWN}));
    Listener veto(false);
    child.OnEvent += MakeDelegate(&veto, &Listener::First);
    e = Event(UIEVENT_SETFOCUS);
    child.Event(e);
    EXPECT_EQ(veto.lastParam, &e);
    EXPECT_FALSE(child.IsFocused());
}
