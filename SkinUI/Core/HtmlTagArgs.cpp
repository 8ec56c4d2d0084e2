#include "SkinUI/Core/HtmlTagArgs.h"
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>
#include "SkinUI/Core/ImageDescParser.h"

namespace SkinUI {

namespace {

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

bool IsNumber(const std::string& word)
{
    if (word.empty()) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

THtmlImageSpec ParsePairs(const std::string& args)
{
    THtmlImageSpec spec;
    CImageDescParser parser(args.c_str());
    std::string key;
    std::string value;
    while (parser.Next(key, value)) {
        if (key == "file" || key == "res") spec.name = value;
        if (key == "restype") spec.resType = value;
    }
    return spec;
}

} // namespace

int CHtmlTagArgs::ParseInt(const std::string& args)
{
    return static_cast<int>(std::strtol(args.c_str(), nullptr, 10));
}

unsigned int CHtmlTagArgs::ParseColor(const std::string& args)
{
    return CImageDescParser::ParseColor(args.c_str());
}

THtmlFontSpec CHtmlTagArgs::ParseFont(const std::string& args)
{
    THtmlFontSpec spec;
    const std::vector<std::string> words = Words(args);
    if (words.empty()) return spec;
    if (IsNumber(words[0])) {
        spec.index = ParseInt(words[0]);
        return spec;
    }
    spec.face = words[0];
    for (size_t i = 1; i < words.size(); ++i) {
        if (IsNumber(words[i])) spec.size = ParseInt(words[i]);
        if (words[i] == "bold") spec.bold = true;
        if (words[i] == "underline") spec.underline = true;
        if (words[i] == "italic") spec.italic = true;
    }
    return spec;
}

THtmlImageSpec CHtmlTagArgs::ParseImage(const std::string& args)
{
    if (args.find('=') != std::string::npos) return ParsePairs(args);
    THtmlImageSpec spec;
    const std::vector<std::string> words = Words(args);
    if (words.empty()) return spec;
    spec.name = words[0];
    if (words.size() > 1) spec.frames = std::max(1, ParseInt(words[1]));
    if (words.size() > 2) spec.frame = ParseInt(words[2]);
    if (spec.frame < 0 || spec.frame >= spec.frames) spec.frame = 0;
    return spec;
}

} // namespace SkinUI
