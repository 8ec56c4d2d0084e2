#include "SkinUI/Control/StateImages.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

bool CStateImages::SetAttribute(const char* pstrName, const char* pstrValue)
{
    struct TImage {
        const char* name;
        CUIString CStateImages::*field;
    };
    static const TImage kImages[] = {
        {"normalimage", &CStateImages::normal},     {"hotimage", &CStateImages::hot},
        {"pushedimage", &CStateImages::pushed},     {"focusedimage", &CStateImages::focused},
        {"disabledimage", &CStateImages::disabled},
    };
    for (const TImage& image : kImages) {
        if (CUIName::Equals(pstrName, image.name)) {
            this->*image.field = pstrValue;
            return true;
        }
    }
    return false;
}

} // namespace SkinUI
