#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/Delegate.h"
#include "SkinUI/Core/EventSourceUI.h"

using namespace SkinUI;

namespace {

// Records what reaches its DoEvent and whether DoInit ran.
class RecordingControl : public CControlUI {
public:
    void DoEvent(TEventMsg& event) override
    {
        kinds.push_back(event.Type);
        CControlUI::DoEvent(event);
    }
    void DoInit() override { ++inits; }

    std::vector<int> kinds;
    int inits = 0;
};

// Appends its tag (upper case from Second) to a log and gives a fixed answer.
class Listener {
public:
    explicit Listener(std::string* log, char tag, bool answer = true)
        : m_log(log)
        , m_tag(tag)
        , m_answer(answer)
    {}
    bool First(void* param)
    {
        *m_log += m_tag;
        lastParam = param;
        return m_answer;
    }
    bool Second(void*)
    {
        *m_log += static_cast<char>(m_tag - 'a' + 'A');
        return true;
    }

    void* lastParam = nullptr;

private:
    std::string* m_log = nullptr;
    char m_tag = 0;
    bool m_answer = true;
};

TEventMsg Event(int type)
{
    TEventMsg e;
    e.Type = type;
    return e;
}

CControlUI* CALLBACK ReturnSelf(CControlUI* pControl, LPVOID)
{
    return pControl;
}

} // namespace

TEST(EventSource, CallsInInsertionOrderSkipsDuplicatesAndFalseStopsTheWalk)
{
    std::string log;
    Listener a(&log, 'a');
    Listener refuser(&log, 'r', false);
    CEventSourceUI source;
    EXPECT_TRUE(source.Invoke(nullptr)); // an empty source answers true
    source += MakeDelegate(&a, &Listener::First);
    source += MakeDelegate(&a, &Listener::First);
    // Another function on the same object is new.
    source += MakeDelegate(&a, &Listener::Second);
    EXPECT_EQ(source.GetCount(), 2);
    int value = 0;
    EXPECT_TRUE(source.Invoke(&value));
    EXPECT_EQ(log, "aA");
    CEventSourceUI stopping;
    stopping += MakeDelegate(&refuser, &Listener::First);
    stopping += MakeDelegate(&a, &Listener::First);
    EXPECT_FALSE(stopping.Invoke(&value));
    EXPECT_EQ(log, "aAr");
    EXPECT_EQ(refuser.lastParam, &value);
}

TEST(ControlEvent, FocusTimerAndCursorAreConsumedOtherKindsGoToTheParentAndOnEventCanVeto)
{
    RecordingControl parent;
    CControlUI child;
    child.SetManager(nullptr, &parent, false);
    TEventMsg e = Event(UIEVENT_SETFOCUS);
    child.Event(e);
    EXPECT_TRUE(child.IsFocused());
    ::SetCursor(::LoadCursor(nullptr, IDC_CROSS));
    for (int type : {UIEVENT_KILLFOCUS, UIEVENT_TIMER, UIEVENT_SETCURSOR, UIEVENT_MOUSEMOVE, UIEVENT_KEYDOWN,
                     UIEVENT_WINDOWSIZE}) {
        e = Event(type);
        child.Event(e);
    }
    EXPECT_FALSE(child.IsFocused());
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(parent.kinds, (std::vector<int>{UIEVENT_MOUSEMOVE, UIEVENT_KEYDOWN, UIEVENT_WINDOWSIZE}));
    std::string log;
    Listener veto(&log, 'v', false);
    child.OnEvent += MakeDelegate(&veto, &Listener::First);
    e = Event(UIEVENT_SETFOCUS);
    child.Event(e);
    EXPECT_EQ(veto.lastParam, &e);
    EXPECT_FALSE(child.IsFocused());
}

TEST(ControlEvent, InitRunsOnlyWithAParentAndInitRequestedDestroyReportsTheControl)
{
    std::string log;
    Listener listener(&log, 'i');
    CControlUI parent;
    RecordingControl c;
    c.OnInit += MakeDelegate(&listener, &Listener::First);
    c.SetManager(nullptr, nullptr, true);
    c.SetManager(nullptr, &parent, false);
    EXPECT_EQ(c.inits, 0);
    c.SetManager(nullptr, &parent, true);
    EXPECT_EQ(c.inits, 1);
    EXPECT_EQ(log, "i");
    EXPECT_EQ(listener.lastParam, &c);
    Listener destroyed(&log, 'd');
    CControlUI* doomed = new CControlUI;
    doomed->OnDestroy += MakeDelegate(&destroyed, &Listener::First);
    delete doomed;
    EXPECT_EQ(destroyed.lastParam, doomed);
}

TEST(ControlFind, FlagsSkipHiddenDisabledAndMissedControls)
{
    CControlUI c;
    c.SetPos(RECT{10, 10, 50, 30});
    POINT inside = {10, 29};
    POINT rightEdge = {50, 20};
    const UINT all = UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_HITTEST | UIFIND_TOP_FIRST | UIFIND_ME_FIRST;
    EXPECT_EQ(c.FindControl(ReturnSelf, &inside, all), &c);
    EXPECT_EQ(c.FindControl(ReturnSelf, &rightEdge, UIFIND_HITTEST), nullptr);
    EXPECT_EQ(c.FindControl(ReturnSelf, nullptr, UIFIND_HITTEST), nullptr);
    c.SetMouseEnabled(false);
    EXPECT_EQ(c.FindControl(ReturnSelf, &inside, UIFIND_HITTEST), nullptr);
    c.SetEnabled(false);
    EXPECT_EQ(c.FindControl(ReturnSelf, nullptr, UIFIND_ENABLED), nullptr);
    EXPECT_EQ(c.FindControl(ReturnSelf, nullptr, UIFIND_VISIBLE), &c);
    c.SetInternVisible(false);
    EXPECT_EQ(c.FindControl(ReturnSelf, nullptr, UIFIND_VISIBLE), nullptr);
    EXPECT_EQ(c.FindControl(ReturnSelf, &inside, 0), &c);
}
