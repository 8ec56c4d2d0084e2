#pragma once
#include <string>
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// Walks the key='value' pairs of an image description; stops for good at the
// first malformed pair.
class CImageDescParser {
public:
    explicit CImageDescParser(const char* text);

    bool Next(std::string& key, std::string& value);

    // "left,top,right,bottom"; missing numbers read as 0.
    static CUIRect ParseRect(const char* text);
    // Hexadecimal ARGB with an optional leading "#".
    static unsigned int ParseColor(const char* text);

private:
    const char* m_p = nullptr;
    bool m_bFirst = true;
};

} // namespace SkinUI
