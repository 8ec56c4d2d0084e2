#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <string>
#include <vector>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Utils/UIRect.h"
#include "SkinUI/Core/ImageDescInterpreter.h"
#include "SkinUI/Core/NineGrid.h"

using namespace SkinUI;

namespace {

std::string Str(const CUIRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Pieces(const std::vector<TGridPiece>& pieces)
{
    std::string out;
    for (const TGridPiece& p : pieces) out += Str(p.dest) + "<-" + Str(p.src) + " ";
    return out;
}

TGridOptions At(int dpi)
{
    TGridOptions options;
    options.scale = CDpiScale(dpi);
    return options;
}

const int kDpis[] = {96, 120, 144, 168, 192, 240};
const CUIRect kEverywhere{-10000, -10000, 10000, 10000};

} // namespace

TEST(DpiScale, LengthsRoundToTheNearestPixelAndStayAt96)
{
    struct Case {
        int dpi;
        int length;
        int pixels;
    };
    const Case cases[] = {
        {96, 0, 0},     {96, 1, 1},    {96, 7, 7},         {96, -5, -5},    {96, 588, 588},  {96, 9999, 9999},
        {120, 1, 1},    {120, 2, 3},   {120, 4, 5},        {120, 33, 41},   {120, 588, 735}, {120, 489, 611},
        {120, -8, -10}, {144, 1, 2},   {144, 3, 5},        {144, 588, 882}, {144, 489, 734}, {144, -3, -5},
        {192, 1, 2},    {192, 13, 26}, {192, 9999, 19998}, {0, 12, 12},     {-1, 12, 12},
    };
    for (const Case& c : cases) EXPECT_EQ(CDpiScale(c.dpi).Scale(c.length), c.pixels) << c.length << " at " << c.dpi;
    EXPECT_EQ(CDpiScale(0).GetDpi(), 96);
    EXPECT_EQ(CDpiScale(192).Scale(INT_MAX), INT_MAX);
    EXPECT_EQ(CDpiScale(192).Scale(INT_MIN), INT_MIN);
}

TEST(DpiScale, EdgesScaleOnTheirOwnSoNeighboursStillMeet)
{
    const CUIRect left{0, 0, 33, 10};
    const CUIRect right{33, 0, 67, 10};
    for (int dpi : kDpis) {
        const CDpiScale scale(dpi);
        EXPECT_EQ(scale.ScaleRect(left).right, scale.ScaleRect(right).left) << dpi;
    }
    EXPECT_EQ(Str(CDpiScale(144).ScaleRect(CUIRect{1, 1, 2, 2})), "2,2,3,3");
}

TEST(DpiScale, SkinLengthsComeBackFromWindowPixels)
{
    for (int dpi : kDpis) {
        const CDpiScale scale(dpi);
        for (int length = -300; length <= 300; ++length)
            ASSERT_EQ(scale.Unscale(scale.Scale(length)), length) << length << " at " << dpi;
        for (int pixels = 0; pixels <= 400; ++pixels) {
            const int cover = scale.UnscaleToCover(pixels);
            ASSERT_GE(scale.Scale(cover), pixels) << pixels << " at " << dpi;
            ASSERT_TRUE(cover == 0 || scale.Scale(cover - 1) < pixels) << pixels << " at " << dpi;
            // A measured text's span, wherever its edges are placed.
            const int span = scale.SpanCovering(pixels);
            for (int start = 0; start < 8; ++start)
                ASSERT_GE(scale.Scale(start + span) - scale.Scale(start), pixels) << pixels << " at " << dpi;
            ASSERT_LE(span, cover + 1);
        }
        EXPECT_EQ(CDpiScale(96).SpanCovering(37), 37);
    }
}

TEST(DpiScale, NineGridCornersAndTilesTakeTheirSizeAtTheScale)
{
    // Source corners stay image pixels; on the window they are 3 pixels at 144 DPI.
    EXPECT_EQ(Pieces(CNineGrid::Layout(CUIRect{0, 0, 60, 30}, CUIRect{0, 0, 10, 10}, CUIRect{2, 2, 2, 2},
                                       CUIRect{0, 0, 3, 3}, At(144))),
              "0,0,3,3<-0,0,2,2 ");
    const auto pieces =
        CNineGrid::Layout(CUIRect{0, 0, 60, 30}, CUIRect{0, 0, 10, 10}, CUIRect{2, 2, 2, 2}, kEverywhere, At(144));
    ASSERT_EQ(pieces.size(), 9u);
    EXPECT_EQ(Str(pieces[0].dest) + "<-" + Str(pieces[0].src), "3,3,57,27<-2,2,8,8");
    EXPECT_EQ(Str(pieces.back().dest) + "<-" + Str(pieces.back().src), "57,27,60,30<-8,8,10,10");
    // Tiles twice as high at 192 DPI, the last one cut with its share of the source.
    TGridOptions tiled = At(192);
    tiled.ytiled = true;
    EXPECT_EQ(
        Pieces(CNineGrid::Layout(CUIRect{0, 0, 40, 50}, CUIRect{0, 0, 4, 10}, CUIRect{0, 0, 0, 0}, kEverywhere, tiled)),
        "0,0,40,20<-0,0,4,10 0,20,40,40<-0,0,4,10 0,40,40,50<-0,0,4,5 ");
}

TEST(DpiScale, ImageDestinationsAreSkinLengths)
{
    for (int dpi : kDpis) {
        std::vector<TImageDrawState> drawn;
        CImageDescInterpreter interpreter(CUIRect{100, 50, 400, 90}, CDpiScale(dpi),
                                          [&drawn](const TImageDrawState& s) { drawn.push_back(s); });
        interpreter.Run("res='179' restype='png' dest='14,0,137,24' corner='2,4,2,4'", nullptr);
        ASSERT_EQ(drawn.size(), 1u);
        const CDpiScale scale(dpi);
        // Cut at the item's right and bottom, as at 96 DPI.
        EXPECT_EQ(Str(drawn[0].dest), Str(CUIRect{100 + scale.Scale(14), 50, std::min(400, 100 + scale.Scale(137)),
                                                  std::min(90, 50 + scale.Scale(24))}))
            << dpi;
        EXPECT_EQ(Str(drawn[0].corner), "2,4,2,4");
    }
}
