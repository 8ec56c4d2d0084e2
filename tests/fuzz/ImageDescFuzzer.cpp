// Image descriptions: a description and its modifier (the input up to its
// first NUL byte, then the rest), run over an item as a control's paint step
// does at one of the usual DPIs, and every image they describe laid out as a
// nine-grid drawing.
#include <cstdint>
#include <string>

#include "SkinUI/Core/ImageDescInterpreter.h"
#include "SkinUI/Core/NineGrid.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace SkinUI;

namespace {

bool Inside(const CUIRect& inner, const CUIRect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// What drawing one described image takes: a 48 x 32 image, cut to its size.
void LayOut(const TImageDrawState& state, const CUIRect& item, const CUIRect& paint, const CDpiScale& scale)
{
    CUIRect source = state.source;
    if (!CNineGrid::ClipSource(source, 48, 32)) return;
    FUZZ_CHECK(Inside(source, CUIRect(0, 0, 48, 32)));
    if (!state.dest.Meets(item) || !state.dest.Meets(paint)) return;
    TGridOptions options;
    options.alpha = state.fade < 255;
    options.hole = state.hole;
    options.xtiled = state.xtiled;
    options.ytiled = state.ytiled;
    options.scale = scale;
    for (const TGridPiece& piece : CNineGrid::Layout(state.dest, source, state.corner, paint, options)) {
        FUZZ_CHECK(!piece.dest.IsEmpty() && !piece.src.IsEmpty());
        FUZZ_CHECK(piece.dest.Meets(paint));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string description = input.substr(0, input.find('\0'));
    const std::string modifier = description.size() < input.size() ? input.substr(description.size() + 1) : "";
    const CUIRect item(10, 20, 110, 44);
    const CUIRect paint(0, 0, 80, 40);
    const int dpis[] = {96, 120, 144, 192};
    const CDpiScale scale(dpis[size % 4]);
    int images = 0;
    CImageDescInterpreter interpreter(item, scale, [&](const TImageDrawState& state) {
        ++images;
        FUZZ_CHECK(state.dest.right <= item.right && state.dest.bottom <= item.bottom);
        LayOut(state, item, paint, scale);
    });
    interpreter.Run(description.c_str(), modifier.c_str());
    FUZZ_CHECK(images >= 1);
    return 0;
}
