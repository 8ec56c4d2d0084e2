#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "RegistryFixture.h"
#include "SkinUI/Utils/GbkText.h"
#include "app/DlgMain.h"
#include "app/MainTexts.h"
#include "tests/app/MainWindowParts.h"

// Each DlgMain is a real top-level window (about two seconds each under Wine
// without a window manager), so every test groups several cases.

namespace {

using Clock = std::chrono::steady_clock;

// Dispatches queued messages as the program's loop does until done() holds
// or the time is up; true when a quit message came.
bool PumpUntil(
    int milliseconds, const std::function<bool()>& done = [] { return false; })
{
    bool quit = false;
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < end) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            if (!SkinUI::CPaintManagerUI::TranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (quit || done()) break;
        ::Sleep(5);
    }
    return quit;
}

void Click(HWND window, SkinUI::CControlUI* control)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); // lays the controls out
    const RECT rc = control->GetPos();
    const LPARAM point = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageA(window, WM_MOUSEMOVE, 0, point);
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(window, WM_LBUTTONUP, 0, point);
}

std::string Setting(const char* name)
{
    return TestRegistry::Text(HKEY_CURRENT_USER, TestRegistry::kSettings, name);
}

std::string WindowTitle(HWND window)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return SkinUI::CGbkText::FromWide(text);
}

// The system's serial ports replaced by the given ones for one test.
class PortList {
public:
    explicit PortList(std::initializer_list<const char*> ports)
    {
        m_keep.Clear();
        int index = 0;
        for (const char* port : ports) {
            const std::string name = "\\Device\\MainTest" + std::to_string(index++);
            TestRegistry::SetText(HKEY_LOCAL_MACHINE, TestRegistry::kSerialComm, name.c_str(), port);
        }
    }

private:
    CRegistrySnapshot m_keep{HKEY_LOCAL_MACHINE, TestRegistry::kSerialComm};
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { ::RegDeleteKeyA(HKEY_CURRENT_USER, TestRegistry::kSettings); }

    void Store(const char* name, const char* text)
    {
        TestRegistry::SetText(HKEY_CURRENT_USER, TestRegistry::kSettings, name, text);
    }

    CRegistrySnapshot m_keepSettings{HKEY_CURRENT_USER, TestRegistry::kSettings};
};

} // namespace

TEST_F(MainWindowTest, FirstStartIsChineseWithTheFirstPortAndSwitchingKeepsSelections)
{
    PortList ports{"COM21", "COM22"};
    DlgMain window;
    CMainRadioPanel& panel = window.Panel();
    const MainControls& c = window.Controls();

    EXPECT_TRUE(window.IsChinese());
    EXPECT_EQ(WindowTitle(window), MainTexts::kWindowTitle.chinese);
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM21");
    EXPECT_FALSE(c.fieldRows[static_cast<int>(RadioField::SerialNumber)]->IsEnabled());

    // Switching language keeps what is selected.
    panel.SelectListItem(RadioList::Protocol, 3); // " TRIMMK3"
    panel.SelectListItem(RadioList::CurrentChannel, 4);
    window.SwitchLanguage();
    EXPECT_EQ(WindowTitle(window), MainTexts::kWindowTitle.english);
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel5");
    EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRIMMK3");
    window.SwitchLanguage();

    // The link rate is kept by its value: one the protocol's list lacks, and
    // none at all, stay unselected, so that Write refuses rather than invents.
    panel.SelectListItem(RadioList::Protocol, 1); // " TRANSMDS": 4800, 9600, 19200
    panel.SelectListItem(RadioList::LinkBaud, 0);
    window.SwitchLanguage();
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 4800");
    panel.ClearList(RadioList::LinkBaud);
    panel.AddListItem(RadioList::LinkBaud, "UNKNOW"); // as a read without a link rate leaves it
    panel.SelectListItem(RadioList::LinkBaud, 0);
    for (int round = 0; round < 2; ++round) {
        window.SwitchLanguage();
        EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 3) << round;
        EXPECT_EQ(panel.SelectedIndex(RadioList::LinkBaud), -1) << round;
    }
}

TEST_F(MainWindowTest, StoredSettingsApplyAndEveryClosePathEndsTheLoopAndSaves)
{
    PortList ports{"COM21", "COM22"};
    Store("Chinese", "0");
    Store("Port", "3"); // only two ports
    Store("Baud", "4");
    DlgMain window;
    CMainRadioPanel& panel = window.Panel();

    EXPECT_EQ(WindowTitle(window), MainTexts::kWindowTitle.english);
    EXPECT_EQ(panel.SelectedIndex(RadioList::ComPort), 0);
    EXPECT_EQ(panel.ListText(RadioList::ConnectionRate), " 115200");

    struct ClosePath {
        const char* name;
        std::function<void()> close;
    };
    const HWND hwnd = window;
    const ClosePath paths[] = {
        {"Close button", [&] { Click(hwnd, window.Controls().closeButton); }},
        {"WM_CLOSE", [&] { ::SendMessageA(hwnd, WM_CLOSE, 0, 0); }},
        {"SC_CLOSE", [&] { ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Escape", [&] { ::PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Exit", [&] { window.Quit(); }},
    };
    int baud = 0;
    for (const ClosePath& path : paths) {
        panel.SelectListItem(RadioList::ConnectionRate, baud);
        panel.SelectListItem(RadioList::ComPort, (baud + 1) % 2);
        if (baud == 2) window.SwitchLanguage();
        path.close();
        EXPECT_TRUE(PumpUntil(500)) << path.name;
        EXPECT_TRUE(::IsWindow(hwnd)) << path.name; // the loop ends; the window goes with DlgMain
        EXPECT_EQ(Setting("Baud"), std::to_string(baud)) << path.name;
        EXPECT_EQ(Setting("Port"), std::to_string((baud + 1) % 2)) << path.name;
        EXPECT_EQ(Setting("Chinese"), baud < 2 ? "0" : "1") << path.name;
        ++baud;
    }
}

// Adapters plugged in and out while the program runs.
TEST_F(MainWindowTest, PortsFollowTheSystemAndMenuCommandsReportWithoutAPort)
{
    PortList ports{};
    Store("Chinese", "0");
    DlgMain window;
    const MainControls& c = window.Controls();
    CMainRadioPanel& panel = window.Panel();
    const auto plug = [&](const char* name, const char* port) {
        if (port != nullptr)
            TestRegistry::SetText(HKEY_LOCAL_MACHINE, TestRegistry::kSerialComm, name, port);
        else
            ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, TestRegistry::kSerialComm, name);
        ::SendMessageA(window, WM_DEVICECHANGE, 0x0007, 0); // DBT_DEVNODES_CHANGED
    };
    EXPECT_FALSE(c.connectButton->IsEnabled());

    plug("\\Device\\MainTest0", "COM31");
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM31");
    EXPECT_TRUE(c.readButton->IsEnabled());
    plug("\\Device\\MainTest1", "COM32");
    panel.SelectListItem(RadioList::ComPort, 1);
    plug("\\Device\\MainTest0", nullptr);
    EXPECT_EQ(panel.ListItemCount(RadioList::ComPort), 1);
    EXPECT_EQ(panel.ListText(RadioList::ComPort), " COM32"); // still the operator's choice
    plug("\\Device\\MainTest1", nullptr);
    EXPECT_EQ(panel.SelectedIndex(RadioList::ComPort), -1);
    EXPECT_FALSE(c.readButton->IsEnabled());
    EXPECT_TRUE(c.readItem->IsEnabled()); // a menu command still runs and reports its failure
    window.FindRadio();
    PumpUntil(3000, [&] { return Text(c.statusLabel) == "Find Radio Failure"; });
    EXPECT_EQ(Text(c.statusLabel), "Find Radio Failure");
    EXPECT_TRUE(c.findRadioItem->IsEnabled() && c.upgradeItem->IsEnabled());
}

TEST_F(MainWindowTest, WithoutPortsCommandsStayLockedAndStatusMessagesDrawProgressAndResults)
{
    PortList ports{};
    Store("Chinese", "abc");
    Store("Port", "-1");
    DlgMain window;
    const MainControls& c = window.Controls();
    const auto status = [&](WPARAM argument, LPARAM code) {
        EXPECT_EQ(::SendMessageA(window, DlgMain::kUpgradeStatusMessage, argument, code), 0);
    };

    EXPECT_FALSE(window.IsChinese());

    // Progress: the bar leaves (10000 - p)/10000 of 216 pixels uncoloured; the percentage is written over it.
    const struct {
        WPARAM progress;
        int gap;
        const char* text;
    } steps[] = {
        {0, 216, "Upgrade Firmware 0%"}, {3799, 133, "Upgrade Firmware 37%"}, {20000, 0, "Upgrade Firmware 100%"}};
    for (const auto& step : steps) {
        status(step.progress, DlgMain::kCodeProgress);
        EXPECT_EQ(c.statusLabel->BarGap(), step.gap) << step.progress;
        EXPECT_EQ(Text(c.statusLabel), step.text);
    }

    status(1, DlgMain::kCodeBusy);
    EXPECT_FALSE(c.writeItem->IsEnabled());
    EXPECT_FALSE(c.findRadioItem->IsEnabled());
    EXPECT_EQ(window.PortNumber(), 0); // nothing selected: no number, no overrun
    status(0, DlgMain::kCodeBusy);
    EXPECT_TRUE(c.findRadioItem->IsEnabled());
    EXPECT_FALSE(c.connectButton->IsEnabled()); // still no port to use

    status(reinterpret_cast<WPARAM>(c.upgradeItem), DlgMain::kCodeFailure);
    EXPECT_EQ(Text(c.statusLabel), "Upgrade Firmware Failure");
    // Anything else is answered and changes nothing.
    status(reinterpret_cast<WPARAM>(c.closeButton), DlgMain::kCodeSuccess);
    status(0, 4);
    status(0, 99);
    EXPECT_EQ(Text(c.statusLabel), "Upgrade Firmware Failure");

    // The end of the session saves too.
    window.Panel().SelectListItem(RadioList::ConnectionRate, 3);
    ::SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(Setting("Baud"), "3");

    window.Quit();
    EXPECT_TRUE(PumpUntil(500));
    EXPECT_EQ(Setting("Port"), "-1");
    EXPECT_EQ(Setting("Chinese"), "0");
}

TEST_F(MainWindowTest, QuitDuringAnUpgradeWaitsForItsEnd)
{
    PortList ports{"COM21", "COM22"};
    Store("Port", "1");
    std::atomic<bool> started{false};
    std::atomic<bool> release{false};
    std::atomic<int> portGiven{-1};
    std::atomic<int> runs{0};
    DlgMain window([&](IUpgradeReporter& reporter) {
        ++runs;
        portGiven = reporter.BeginUpgrade();
        started = true;
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        reporter.ShowProgress(10000);
        reporter.EndUpgrade(true);
    });
    const MainControls& c = window.Controls();

    window.RequestUpgrade();
    PumpUntil(3000, [&] { return started.load(); });
    ASSERT_TRUE(started);
    EXPECT_EQ(portGiven, 22);
    EXPECT_FALSE(c.connectButton->IsEnabled());

    window.Quit();
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(PumpUntil(300));
    EXPECT_TRUE(window.IsQuitPending());
    EXPECT_NE(WindowTitle(window).find("升级结束后关闭"), std::string::npos);
    EXPECT_EQ(Setting("Port"), "1"); // saved at once all the same

    release = true;
    EXPECT_TRUE(PumpUntil(3000));
    EXPECT_EQ(Text(c.statusLabel), "升级程序成功");
    EXPECT_TRUE(c.connectButton->IsEnabled());

    // Once the program is ending, a late request starts nothing.
    window.RequestUpgrade();
    PumpUntil(300, [&] { return runs > 1; });
    EXPECT_EQ(runs, 1);
}
