#pragma once

#include <string>

// Writes the whole text to a temporary file beside the target and only then
// replaces the target, so a failed write leaves an existing file intact.
bool ReplaceFileContents(const std::string& path, const std::string& content);
