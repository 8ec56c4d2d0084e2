#include "app/MainTexts.h"

namespace MainTexts {

const TextPair kUnlock = {"解锁", "Unlock"};
const TextPair kMinimizeTip = {"最小化", "Minimize"};
const TextPair kCloseTip = {"关闭", "Close"};
const TextPair kHardwareTip = {"最长4个字符", "Max Char:4"};
const TextPair kPortGroupTitle = {"端口设置", "Communication Port"};
const TextPair kFrequencyGroupTitle = {"发射频率(MHZ)", "TX Frequency(MHZ)"};
const TextPair kWindowTitle = {"维曼外置电台配置工具-V001.01.03", "Velmar Configuration Tool-V001.01.03"};
const char* const kChannelTip = "410.00000MHZ～470.00000MHZ";

}  // namespace MainTexts

void AddTextPairs(CTextList&, const MainControls&) {}
