#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "app/MainControls.h"

struct NamedRect {
    std::string name;
    RECT rect = {};
};

// Every control of MainControls by a stable name ("connectButton", "channelEdit3",
// "fileMenu", "filePanel", "connectItem", "comPortList", "serialNumberEdit", ...) with its
// rectangle in client coordinates; a hidden menu panel and its items get the place they
// have when shown.
std::vector<NamedRect> DescribeMainLayout(const MainControls& controls);
