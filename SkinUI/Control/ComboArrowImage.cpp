#include "SkinUI/Control/ComboArrowImage.h"
#include <cstdio>
#include <cstring>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/ControlState.h"

namespace SkinUI {

namespace {

// Four numbers each followed by exactly one separator character; the cell
// arithmetic runs in 64 bits, so numbers at the int range's ends cannot overflow it.
bool ReadFour(const char* p, long long v[4])
{
    for (int i = 0; i < 4; ++i) {
        const char* end = nullptr;
        v[i] = CAttributeValue::ParseInt(p, &end);
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
    long long v[4] = {};
    if (close == nullptr || !ReadFour(open + 1, v)) return false;

    cxArrow = static_cast<int>((v[2] - v[0]) / kStateCount);
    const long long left = v[0] + static_cast<long long>(cxArrow) * iState;
    const long long right = static_cast<long long>(szItem.cx) - nBorder;
    char part[128];
    std::snprintf(part, sizeof(part), "source='%lld,%lld,%lld,%lld' dest='%lld,%d,%lld,%lld'", left, v[1],
                  left + cxArrow, v[3], right - cxArrow, nBorder, right, static_cast<long long>(szItem.cy) - nBorder);
    CUIString result(image, static_cast<int>(source - image));
    result += part;
    result += close + 1;
    sModify = result;
    return true;
}

} // namespace SkinUI
