#pragma once

namespace SkinUI {

// How a list owner's selected index follows insertions, removals and moves of its items.
class CListSelection {
public:
    static int AfterInsert(int iSel, int iInserted);
    // -1 when the removed item was the selected one.
    static int AfterRemove(int iSel, int iRemoved);
    static int AfterMove(int iSel, int iFrom, int iTo);
};

} // namespace SkinUI
