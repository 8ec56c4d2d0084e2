#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Core/Delegate.h"
#include "SkinUI/Core/EventSourceUI.h"

using namespace SkinUI;

namespace {

class Listener {
public:
    explicit Listener(std::string* log, char tag, bool answer = true) : m_log(log), m_tag(tag), m_answer(answer) {}

    bool First(void* param)
    {
        *m_log += m_tag;
        m_lastParam = param;
        return m_answer;
    }

    bool Second(void*)
    {
        *m_log += static_cast<char>(m_tag - 'a' + 'A');
        return true;
    }

    void* m_lastParam = nullptr;

private:
    std::string* m_log = nullptr;
    char m_tag = 0;
    bool m_answer = true;
};

// Counts its own destructions, copies included.
class CountingDelegate : public CDelegateBase {
public:
    explicit CountingDelegate(int* deaths, void* identity) : CDelegateBase(identity, &kFn, sizeof(kFn)), m_deaths(deaths) {}
    CountingDelegate(const CountingDelegate& other) = default;
    ~CountingDelegate() override { ++*m_deaths; }
    CDelegateBase* Copy() const override { return new CountingDelegate(*this); }
    bool Invoke(void*) override { return true; }

private:
    static constexpr int kFn = 7;
    int* m_deaths = nullptr;
};

} // namespace

TEST(EventSource, CallsInInsertionOrderWithTheParameterAndSkipsDuplicates)
{
    std::string log;
    Listener a(&log, 'a');
    Listener b(&log, 'b');
    CEventSourceUI source;
    EXPECT_TRUE(source.Invoke(nullptr)); // an empty source answers true
    source.Add(MakeDelegate(&a, &Listener::First));
    source.Add(MakeDelegate(&a, &Listener::First));
    EXPECT_EQ(source.GetCount(), 1);
    // Same function on another object, or another function on the same object, is new.
    source += MakeDelegate(&b, &Listener::First);
    source += MakeDelegate(&a, &Listener::Second);
    EXPECT_EQ(source.GetCount(), 3);
    int value = 0;
    EXPECT_TRUE(source.Invoke(&value));
    EXPECT_EQ(log, "abA");
    EXPECT_EQ(a.m_lastParam, &value);
    EXPECT_EQ(b.m_lastParam, &value);
}

TEST(EventSource, FalseStopsTheWalk)
{
    std::string log;
    Listener a(&log, 'a');
    Listener refuser(&log, 'r', false);
    Listener c(&log, 'c');
    CEventSourceUI source;
    source += MakeDelegate(&a, &Listener::First);
    source += MakeDelegate(&refuser, &Listener::First);
    source += MakeDelegate(&c, &Listener::First);
    EXPECT_FALSE(source.Invoke(nullptr));
    EXPECT_EQ(log, "ar");
}

TEST(EventSource, OwnsCopiesAndDeletesThem)
{
    int deaths = 0;
    int identity = 0;
    {
        CEventSourceUI source;
        {
            CountingDelegate original(&deaths, &identity);
            source.Add(original);
            source.Add(original);
        }
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(source.GetCount(), 1);
    }
    EXPECT_EQ(deaths, 2);
}
