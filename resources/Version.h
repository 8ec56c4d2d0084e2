// The program's version and maker, kept here only: the version resource, the
// window and About texts and the download's file names all follow it.
// Read by the resource compiler too, hence the guard instead of #pragma once.
#ifndef RADIOCONFIG_VERSION_H
#define RADIOCONFIG_VERSION_H

#define RADIOCONFIG_VERSION_NUMBERS 1, 1, 3, 0
// "V" and the first three numbers, zero-padded to 3, 2 and 2 digits.
#define RADIOCONFIG_VERSION_TEXT "V001.01.03"
#define RADIOCONFIG_COMPANY "Velmar"

#endif
