#include "SkinUI/Core/HtmlTagArgs.h"
#include <algorithm>
#include <sstream>
#include <vector>
#include "SkinUI/Core/AttributeValue.h"
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

THtmlImageTag ParsePairs(const std::string& args)
{
    THtmlImageTag tag;
    CImageDescParser parser(args.c_str());
    std::string key;
    std::string value;
    while (parser.Next(key, value)) {
        if (key == "file" || key == "res") tag.name = value;
        if (key == "restype") tag.resType = value;
    }
    return tag;
}

} // namespace

int CHtmlTagArgs::ParseInt(const std::string& args)
{
    return CAttributeValue::ParseInt(args.c_str());
}

unsigned int CHtmlTagArgs::ParseColor(const std::string& args)
{
    return CImageDescParser::ParseColor(args.c_str());
}

THtmlFontTag CHtmlTagArgs::ParseFont(const std::string& args)
{
    THtmlFontTag tag;
    const std::vector<std::string> words = Words(args);
    if (words.empty()) return tag;
    if (IsNumber(words[0])) {
        tag.index = ParseInt(words[0]);
        return tag;
    }
    tag.face = words[0];
    for (size_t i = 1; i < words.size(); ++i) {
        if (IsNumber(words[i])) tag.size = ParseInt(words[i]);
        if (words[i] == "bold") tag.bold = true;
        if (words[i] == "underline") tag.underline = true;
        if (words[i] == "italic") tag.italic = true;
    }
    return tag;
}

THtmlImageTag CHtmlTagArgs::ParseImage(const std::string& args)
{
    if (args.find('=') != std::string::npos) return ParsePairs(args);
    THtmlImageTag tag;
    const std::vector<std::string> words = Words(args);
    if (words.empty()) return tag;
    tag.name = words[0];
    if (words.size() > 1) tag.frames = std::max(1, ParseInt(words[1]));
    if (words.size() > 2) tag.frame = ParseInt(words[2]);
    if (tag.frame < 0 || tag.frame >= tag.frames) tag.frame = 0;
    return tag;
}

} // namespace SkinUI
