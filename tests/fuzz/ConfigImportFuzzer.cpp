// ".cfg" import: any file applied to a panel set up as the main window's,
// then exported and imported again into a fresh panel, which must come out
// the same.
#include <cstdint>
#include <memory>
#include <string>

#include "radio/ConfigFile.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/ProtocolSelection.h"
#include "radio/RadioLink.h"
#include "radio/RadioOperations.h"
#include "serial/SerialTransport.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

class CNoPort : public ISerialTransport {
public:
    bool Open(int, int) override { return false; }
    bool StartMonitor() override { return false; }
    bool Send(const void*, std::size_t) override { return false; }
    void Close() override {}
};

// The value lists as the window fills them, with the protocol's link rates offered on selection.
std::unique_ptr<CMemoryRadioPanel> WindowLikePanel()
{
    auto panel = std::make_unique<CMemoryRadioPanel>();
    CMemoryRadioPanel& lists = *panel;
    panel->OnProtocolSelected([&lists](int protocol) { OfferLinkRates(lists, protocol); });
    CNoPort port;
    CRadioLink link(lists, port);
    CRadioOperations(lists, link).FillValueLists();
    return panel;
}

void CheckSelections(const CMemoryRadioPanel& panel)
{
    for (RadioList list : {RadioList::Protocol, RadioList::CurrentChannel, RadioList::HighPower, RadioList::LowPower,
                           RadioList::PortBaud, RadioList::LinkBaud}) {
        const int selected = panel.SelectedIndex(list);
        FUZZ_CHECK(selected >= -1 && selected < panel.ListItemCount(list));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto panel = WindowLikePanel();
    CConfigFile(*panel).ApplyConfig(std::string(reinterpret_cast<const char*>(data), size));
    CheckSelections(*panel);

    const std::string exported = CConfigFile(*panel).FormatConfig();
    auto fresh = WindowLikePanel();
    CConfigFile(*fresh).ApplyConfig(exported);
    CheckSelections(*fresh);
    FUZZ_CHECK(CConfigFile(*fresh).FormatConfig() == exported);
    return 0;
}
