#include <gtest/gtest.h>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/Delegate.h"

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

class Veto {
public:
    explicit Veto(bool answer) : m_answer(answer) {}

    bool OnEvent(void* param)
    {
        seen = static_cast<TEventMsg*>(param)->Type;
        return m_answer;
    }

    bool Count(void* param)
    {
        lastSender = static_cast<CControlUI*>(param);
        ++calls;
        return true;
    }

    int seen = 0;
    int calls = 0;
    CControlUI* lastSender = nullptr;

private:
    bool m_answer = true;
};

TEventMsg MakeEvent(int type)
{
    TEventMsg e;
    e.Type = type;
    return e;
}

class EventTest : public ::testing::Test {
protected:
    void SetUp() override { child.SetManager(nullptr, &parent, false); }

    RecordingControl parent;
    CControlUI child;
};

} // namespace

TEST_F(EventTest, FocusTimerAndCursorAreConsumedOtherKindsGoToTheParent)
{
    TEventMsg e = MakeEvent(UIEVENT_SETFOCUS);
    child.Event(e);
    EXPECT_TRUE(child.IsFocused());
    e = MakeEvent(UIEVENT_KILLFOCUS);
    child.Event(e);
    EXPECT_FALSE(child.IsFocused());
    for (int type : {UIEVENT_TIMER, UIEVENT_SETCURSOR, UIEVENT_MOUSEMOVE, UIEVENT_BUTTONDOWN, UIEVENT_KEYDOWN,
                     UIEVENT_SCROLLWHEEL, UIEVENT_WINDOWSIZE}) {
        e = MakeEvent(type);
        child.Event(e);
    }
    EXPECT_EQ(parent.kinds, (std::vector<int>{UIEVENT_MOUSEMOVE, UIEVENT_BUTTONDOWN, UIEVENT_KEYDOWN,
                                              UIEVENT_SCROLLWHEEL, UIEVENT_WINDOWSIZE}));
}

TEST_F(EventTest, SetCursorShowsTheArrow)
{
    ::SetCursor(::LoadCursor(nullptr, IDC_CROSS));
    TEventMsg e = MakeEvent(UIEVENT_SETCURSOR);
    child.Event(e);
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(EventTest, OnEventCanVetoTheDefaultHandling)
{
    Veto veto(false);
    child.OnEvent += MakeDelegate(&veto, &Veto::OnEvent);
    TEventMsg e = MakeEvent(UIEVENT_SETFOCUS);
    child.Event(e);
    EXPECT_EQ(veto.seen, UIEVENT_SETFOCUS);
    EXPECT_FALSE(child.IsFocused());

    Veto pass(true);
    CControlUI other;
    other.OnEvent += MakeDelegate(&pass, &Veto::OnEvent);
    other.Event(e);
    EXPECT_TRUE(other.IsFocused());
}

TEST(ControlInit, InitRunsOnlyWithAParentAndInitRequested)
{
    CControlUI parent;
    RecordingControl c;
    Veto listener(true);
    c.OnInit += MakeDelegate(&listener, &Veto::Count);
    c.SetManager(nullptr, nullptr, true);
    c.SetManager(nullptr, &parent, false);
    EXPECT_EQ(c.inits, 0);
    EXPECT_EQ(listener.calls, 0);
    c.SetManager(nullptr, &parent, true);
    EXPECT_EQ(c.inits, 1);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(listener.lastSender, &c);
    EXPECT_EQ(c.GetParent(), &parent);
}

TEST(ControlInit, DestructionInvokesOnDestroyWithTheControl)
{
    Veto listener(true);
    CControlUI* c = new CControlUI;
    c->OnDestroy += MakeDelegate(&listener, &Veto::Count);
    delete c;
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(listener.lastSender, c);
}
