#include "SkinUI/Control/ListSelection.h"

namespace SkinUI {

int CListSelection::AfterInsert(int iSel, int iInserted)
{
    return (iSel >= 0 && iInserted <= iSel) ? iSel + 1 : iSel;
}

int CListSelection::AfterRemove(int iSel, int iRemoved)
{
    if (iSel < 0 || iRemoved > iSel) return iSel;
    return iRemoved == iSel ? -1 : iSel - 1;
}

int CListSelection::AfterMove(int iSel, int iFrom, int iTo)
{
    if (iSel < 0) return iSel;
    if (iSel == iFrom) return iTo;
    if (iFrom < iSel && iSel <= iTo) return iSel - 1;
    if (iTo <= iSel && iSel < iFrom) return iSel + 1;
    return iSel;
}

} // namespace SkinUI
