#pragma once

namespace SkinUI {

// Live GDI objects of this process (fonts, bitmaps, device contexts, regions, ...), read
// from the handle table the system shares with the process; -1 when there is none.
int CountGdiObjects();

} // namespace SkinUI
