#pragma once

#include <string>

// The port list's item for a port, " COM7" for port 7, and back; 0 for an
// item without a number.
std::string PortItem(int port);
int PortItemNumber(const std::string& item);
