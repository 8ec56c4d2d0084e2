#include "SkinUI/Core/ImageDescInterpreter.h"
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>
#include "SkinUI/Core/ImageDescParser.h"

namespace SkinUI {

namespace {

// An edge relative to the item; past the int range it stays at the range's end.
int Offset(int base, int offset)
{
    const long long edge = static_cast<long long>(base) + offset;
    return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, edge)));
}

} // namespace

CImageDescInterpreter::CImageDescInterpreter(const CUIRect& item, const CDpiScale& scale, DrawFn draw)
    : m_rcItem(item)
    , m_scale(scale)
    , m_draw(std::move(draw))
{
    m_state.dest = item;
}

void CImageDescInterpreter::Run(const char* description, const char* modifier)
{
    if (description != nullptr) m_state.name = description;
    Parse(description);
    Parse(modifier);
    if (m_draw) m_draw(m_state);
}

void CImageDescInterpreter::Parse(const char* text)
{
    m_nCounter = 0;
    m_bResFlushed = false;
    CImageDescParser parser(text);
    std::string key;
    std::string value;
    while (parser.Next(key, value)) {
        if (!value.empty()) Apply(key, value);
    }
}

void CImageDescInterpreter::StartImage()
{
    if (m_nCounter > 0 && m_draw) m_draw(m_state);
}

void CImageDescInterpreter::Apply(const std::string& key, const std::string& value)
{
    if (key == "file") {
        StartImage();
        m_state.name = value;
        ++m_nCounter;
        m_bResFlushed = false;
    } else if (key == "res") {
        StartImage();
        m_bResFlushed = m_nCounter > 0;
        m_state.name = value;
    } else if (key == "restype") {
        // A "res" just before has already drawn the previous image.
        if (!m_bResFlushed) StartImage();
        m_bResFlushed = false;
        m_state.resType = value;
        ++m_nCounter;
    } else if (key == "dest") {
        const CUIRect rc = m_scale.ScaleRect(CImageDescParser::ParseRect(value.c_str()));
        m_state.dest.left = Offset(m_rcItem.left, rc.left);
        m_state.dest.top = Offset(m_rcItem.top, rc.top);
        m_state.dest.right = std::min(Offset(m_rcItem.left, rc.right), m_rcItem.right);
        m_state.dest.bottom = std::min(Offset(m_rcItem.top, rc.bottom), m_rcItem.bottom);
    } else if (key == "source") {
        m_state.source = CImageDescParser::ParseRect(value.c_str());
    } else if (key == "corner") {
        m_state.corner = CImageDescParser::ParseRect(value.c_str());
    } else if (key == "mask") {
        m_state.mask = CImageDescParser::ParseColor(value.c_str());
    } else if (key == "fade") {
        const long fade = std::strtol(value.c_str(), nullptr, 10);
        m_state.fade = static_cast<unsigned char>(std::max(0L, std::min(255L, fade)));
    } else if (key == "hole") {
        m_state.hole = value == "true";
    } else if (key == "xtiled") {
        m_state.xtiled = value == "true";
    } else if (key == "ytiled") {
        m_state.ytiled = value == "true";
    }
}

} // namespace SkinUI
