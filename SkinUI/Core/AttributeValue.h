#pragma once

namespace SkinUI {

// Reads markup attribute values. Never reads past a value's terminator.
class CAttributeValue {
public:
    // True only for the exact text "true".
    static bool ParseBool(const char* text);
    // Leading blanks, optional sign, decimal digits; no digits give 0; saturates.
    static int ParseInt(const char* text, const char** end = nullptr);
    // Optional "#" then hexadecimal ARGB; with skipBlanks, bytes 1 to 32 before it are skipped.
    static unsigned int ParseColor(const char* text, bool skipBlanks = false);
    // Numbers separated by one character each; missing numbers read as 0, extra ones are ignored.
    static void ParseList(const char* text, int* values, int count);
    static bool HasComma(const char* text);
    // count decimal numbers, each followed by one separator or the end; more are ignored.
    static bool ReadNumbers(const char* text, int* values, int count);
    // Optional "#" then at least one hexadecimal digit.
    static bool ReadColor(const char* text, unsigned int& color);
};

} // namespace SkinUI
