#include "app/LanguageLayout.h"

void ApplyLanguage(MainControls&, CTextList&, bool) {}
