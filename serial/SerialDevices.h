#pragma once

#include <string>
#include <vector>

// The serial devices of a POSIX system under root: the stable names in
// serial/by-id first, by name, then the ttyUSB and ttyACM devices in the
// order of their numbers (ttyUSB2 before ttyUSB10).
std::vector<std::string> ListSerialDevices(const std::string& root = "/dev");

// The devices with every one reached under several names kept once, by its
// first name.
std::vector<std::string> DistinctDevices(const std::vector<std::string>& devices);
