#pragma once

#include <cstdio>

// Prints every visible message box of the desktop, whichever program shows
// it: "box CAPTION", "owner TITLE" (the owner window's title, empty for none)
// and a "line TEXT" for each line of its text, in the programs' code page.
void PrintMessageBoxes(std::FILE* out);
