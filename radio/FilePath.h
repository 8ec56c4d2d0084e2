#pragma once

#include <filesystem>
#include <string>

// File names in the radio code are UTF-8, whatever the system's code page, so that a
// file may have any name the system allows; on Windows it is opened by its UTF-16 name.
// A name that is no UTF-8 names no file (the empty path).
std::filesystem::path FilePath(const std::string& utf8);

// The length of a UTF-8 name in UTF-16 units, as the system's file dialogs count it.
std::size_t FileNameUnits(const std::string& utf8);
