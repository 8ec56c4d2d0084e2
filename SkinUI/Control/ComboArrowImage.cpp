#include "SkinUI/Control/ComboArrowImage.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "SkinUI/Core/ControlState.h"

namespace SkinUI {

namespace {

// Four numbers each followed by exactly one separator character.
bool ReadFour(const char* p, long v[4])
{
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        v[i] = std::strtol(p, &end, 10);
        if (end == p) return false;
        p = end;
        if (i < 3) {
            if (*p == '\0' || *p == '\'') return false;
            ++p;
        }
    }
    return true;
}

} // namespace

int CComboArrowImage::StateIndex(unsigned int uButtonState)
{
    if ((uButtonState & UISTATE_DISABLED) != 0) return 4;
    if ((uButtonState & UISTATE_PUSHED) != 0) return 2;
    if ((uButtonState & UISTATE_HOT) != 0) return 1;
    if ((uButtonState & UISTATE_FOCUSED) != 0) return 3;
    return 0;
}

bool CComboArrowImage::BuildModifier(const char* image, int iState, const CUISize& szItem, int nBorder,
                                     CUIString& sModify, int& cxArrow)
{
    if (image == nullptr) return false;
    const char* source = std::strstr(image, "source");
    if (source == nullptr) return false;
    const char* open = std::strchr(source, '\'');
    if (open == nullptr) return false;
    const char* close = std::strchr(open + 1, '\'');
    long v[4] = {};
    if (close == nullptr || !ReadFour(open + 1, v)) return false;

    cxArrow = static_cast<int>((v[2] - v[0]) / kStateCount);
    const long left = v[0] + static_cast<long>(cxArrow) * iState;
    const CUIRect rcDest(szItem.cx - nBorder - cxArrow, nBorder, szItem.cx - nBorder, szItem.cy - nBorder);
    char part[128];
    std::snprintf(part, sizeof(part), "source='%ld,%ld,%ld,%ld' dest='%d,%d,%d,%d'", left, v[1], left + cxArrow,
                  v[3], static_cast<int>(rcDest.left), static_cast<int>(rcDest.top),
                  static_cast<int>(rcDest.right), static_cast<int>(rcDest.bottom));
    CUIString result(image, static_cast<int>(source - image));
    result += part;
    result += close + 1;
    sModify = result;
    return true;
}

} // namespace SkinUI
