#include "SkinUI/Utils/WindowSkinMarkup.h"

namespace SkinUI {

namespace {

const char kSkinHead[] = "<Window caption=\"0,0,0,36\" roundcorner=\"5,5\" ";

const char kSkinFrame[] =
    "sizebox=\"6,6,6,6\" defaultfontcolor=\"#FF386382\"> \t\t\t\t\t\t\t"
    "<Font name=\"微软雅黑\" size=\"12\" default=\"true\"/>"
    "<Font name=\"微软雅黑\" size=\"13\" bold=\"true\"/>"
    "<Font name=\"微软雅黑\" size=\"11\" />"
    "<Default name=\"VScrollBar\" value=\""
    "button1normalimage=&quot;res='159' restype='png' source='0,90,16,106' mask='#FFFF00FF'&quot; "
    "button1hotimage=&quot;res='159' restype='png' source='18,90,34,106' mask='#FFFF00FF'&quot; "
    "button1pushedimage=&quot;res='159' restype='png' source='36,90,52,106' mask='#FFFF00FF'&quot; "
    "button1disabledimage=&quot;res='159' restype='png' source='54,90,70,106' mask='#FFFF00FF'&quot; "
    "button2normalimage=&quot;res='159' restype='png' source='0,108,16,124' mask='#FFFF00FF'&quot; "
    "button2hotimage=&quot;res='159' restype='png' source='18,108,34,124' mask='#FFFF00FF'&quot; "
    "button2pushedimage=&quot;res='159' restype='png' source='36,108,52,124' mask='#FFFF00FF'&quot; "
    "button2disabledimage=&quot;res='159' restype='png' source='54,108,70,124' mask='#FFFF00FF'&quot; "
    "thumbnormalimage=&quot;res='159' restype='png' source='0,126,16,142' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "thumbhotimage=&quot;res='159' restype='png' source='18,126,34,142' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "thumbpushedimage=&quot;res='159' restype='png' source='36,126,52,142' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "thumbdisabledimage=&quot;res='159' restype='png' source='54,126,70,142' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "railnormalimage=&quot;res='159' restype='png' source='0,144,16,160' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "railhotimage=&quot;res='159' restype='png' source='18,144,34,160' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "railpushedimage=&quot;res='159' restype='png' source='36,144,52,160' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "raildisabledimage=&quot;res='159' restype='png' source='54,144,70,160' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "bknormalimage=&quot;res='159' restype='png' source='0,162,16,178' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "bkhotimage=&quot;res='159' restype='png' source='18,162,34,178' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "bkpushedimage=&quot;res='159' restype='png' source='36,162,52,178' mask='#FFFF00FF' corner='2,2,2,2'&quot; "
    "bkdisabledimage=&quot;res='159' restype='png' source='54,162,70,178' mask='#FFFF00FF' corner='2,2,2,2'&quot;"
    "\"/>"
    "<VerticalLayout name=\"main\" inset=\"2,2,2,2\" bkcolor=\"#FFD1E8F5\" bkcolor2=\"#FFC6E0F1\" "
    "bordersize=\"2\" bordercolor=\"#FF768D9B\"/></Window>";

} // namespace

CUIString WindowSkinMarkup(int cx, int cy)
{
    CUIString size;
    size.Format(" size=\"%d,%d\" ", cx, cy);
    return CUIString(kSkinHead) + size + kSkinFrame;
}

} // namespace SkinUI
