#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "app/MainControls.h"

struct NamedRect {
    std::string name;
    RECT rect = {};
};

// Every control of MainControls by a stable name with its rectangle in client
// coordinates; items of hidden menu panels get the place they have when shown.
std::vector<NamedRect> DescribeMainLayout(const MainControls& controls);
