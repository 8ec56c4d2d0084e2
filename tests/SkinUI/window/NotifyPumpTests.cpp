#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/NotifyPump.h"

using namespace SkinUI;

namespace {

class CBasePump : public CNotifyPump {
    SKINUI_DECLARE_NOTIFY_MAP()

public:
    std::string log;

protected:
    void OnBaseSelect(TNotifyMsg& msg) { log += "base-select:" + std::string(msg.sType) + ";"; }
    void OnBaseClick(TNotifyMsg&) { log += "base-click;"; }
};

SKINUI_BEGIN_NOTIFY_MAP(CBasePump, CNotifyPump)
SKINUI_NOTIFY_TYPE("selectchanged", OnBaseSelect)
SKINUI_NOTIFY_TYPE("click", OnBaseClick)
SKINUI_END_NOTIFY_MAP()

// A second base in front moves the pump inside the object, so handlers need this adjusted.
struct TPadding {
    virtual ~TPadding() = default;
    int pad[5] = {};
};

class CDerivedPump : public TPadding, public CBasePump {
    SKINUI_DECLARE_NOTIFY_MAP()

private:
    void OnAnyClick(TNotifyMsg&) { log += "any-click;"; }
    void OnOkClick(TNotifyMsg&) { log += "ok-click;"; }
    void OnScroll(WPARAM wParam, LPARAM lParam)
    {
        log += "scroll:" + std::to_string(wParam) + "," + std::to_string(lParam) + ";";
    }
};

SKINUI_BEGIN_NOTIFY_MAP(CDerivedPump, CBasePump)
SKINUI_NOTIFY_TYPE("click", OnAnyClick)
SKINUI_NOTIFY_NAME("click", "ok", OnOkClick)
SKINUI_NOTIFY_NAME_PARAMS("scroll", "bar", OnScroll)
SKINUI_END_NOTIFY_MAP()

class CNamed : public CControlUI {
public:
    explicit CNamed(const char* name) { SetName(name); }
};

TNotifyMsg Make(const char* type, CControlUI* sender, const char* virtualWnd = "")
{
    TNotifyMsg msg;
    msg.sType = type;
    msg.pSender = sender;
    msg.sVirtualWnd = virtualWnd;
    return msg;
}

} // namespace

TEST(NotifyPump, DispatchPrefersTheNamedEntryThenAnyControlThenTheBaseMap)
{
    struct TCase {
        const char* type;
        const char* sender; // null: no sender
        bool handled;
        const char* log;
    };
    const TCase cases[] = {
        {"click", "ok", true, "ok-click;"},      {"click", "cancel", true, "any-click;"},
        {"click", nullptr, true, "any-click;"},  {"selectchanged", "box", true, "base-select:selectchanged;"},
        {"itemselect", "box", false, ""},        {"Click", "box", false, ""},
        {"scroll", "bar", true, "scroll:7,-3;"}, {"scroll", "other", false, ""},
        {"scroll", nullptr, false, ""},
    };
    for (const TCase& c : cases) {
        CDerivedPump pump;
        CNamed sender(c.sender != nullptr ? c.sender : "");
        TNotifyMsg msg = Make(c.type, c.sender != nullptr ? &sender : nullptr);
        msg.wParam = 7;
        msg.lParam = -3;
        EXPECT_EQ(c.handled, pump.LoopDispatch(msg)) << c.type << " " << (c.sender ? c.sender : "-");
        EXPECT_EQ(c.log, pump.log) << c.type;
    }
}

TEST(NotifyPump, VirtualWindowsGoToTheirSubPumpFirstElseTheOwnMap)
{
    CDerivedPump window;
    CBasePump page;
    CBasePump unnamed;
    ASSERT_TRUE(window.AddVirtualWnd("Page", &page));
    EXPECT_FALSE(window.AddVirtualWnd("Page", &page));
    ASSERT_TRUE(window.AddVirtualWnd("", &unnamed));
    CNamed ok("ok");
    CNamed bar("bar");
    const struct {
        const char* type;
        CNamed* sender;
        const char* virtualWnd;
        const char* pageLog;
        const char* windowLog;
    } cases[] = {
        {"click", &ok, "page", "base-click;", ""},
        {"scroll", &bar, "page", "base-click;", "scroll:0,0;"}, // unhandled by the page
        {"click", &ok, "elsewhere", "base-click;", "scroll:0,0;ok-click;"},
        {"click", &ok, "", "base-click;", "scroll:0,0;ok-click;ok-click;"},
    };
    for (const auto& c : cases) {
        TNotifyMsg msg = Make(c.type, c.sender, c.virtualWnd);
        window.NotifyPump(msg);
        EXPECT_EQ(c.pageLog, page.log) << c.type << " " << c.virtualWnd;
        EXPECT_EQ(c.windowLog, window.log) << c.type << " " << c.virtualWnd;
    }
    EXPECT_EQ("", unnamed.log);
    ASSERT_TRUE(window.RemoveVirtualWnd("Page"));
    EXPECT_FALSE(window.RemoveVirtualWnd("Page"));
    TNotifyMsg msg = Make("click", &ok, "page");
    window.NotifyPump(msg);
    EXPECT_EQ("base-click;", page.log);
}
