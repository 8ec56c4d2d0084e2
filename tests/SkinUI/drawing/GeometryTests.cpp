#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Core/ImageDescInterpreter.h"
#include "SkinUI/Core/NineGrid.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

namespace {

CUIRect R(int l, int t, int r, int b)
{
    return CUIRect{l, t, r, b};
}

const CUIRect kEverywhere{-10000, -10000, 10000, 10000};

// Each piece as "dest<-src", in drawing order.
std::string Pieces(const CUIRect& dest, const CUIRect& src, const CUIRect& corner, const CUIRect& paint = kEverywhere,
                   const TGridOptions& options = {})
{
    std::string out;
    for (const TGridPiece& p : CNineGrid::Layout(dest, src, corner, paint, options)) {
        out += RectText(p.dest) + "<-" + RectText(p.src) + " ";
    }
    return out;
}

TGridOptions Options(int dpi, bool xtiled = false, bool ytiled = false)
{
    TGridOptions options;
    options.scale = CDpiScale(dpi);
    options.xtiled = xtiled;
    options.ytiled = ytiled;
    return options;
}

const int kDpis[] = {96, 120, 144, 168, 192, 240};

} // namespace

TEST(NineGrid, DegenerateOrHugeInputGivesNoEndlessTilingAndStaysInRange)
{
    // Corners eat the whole source middle: no middle at all.
    EXPECT_EQ(CNineGrid::Layout(R(0, 0, 50, 50), R(0, 0, 6, 6), R(3, 3, 3, 3), kEverywhere, Options(96, true)).size(),
              4u);
    EXPECT_EQ(Pieces(R(0, 0, 10, 10), R(0, 0, 6, 6), R(-3, -3, 0, 0)), "0,0,10,10<-0,0,6,6 ");
    // A corner is cut to the source part: here the top row takes the part's whole height.
    EXPECT_EQ(Pieces(R(0, 0, 100, 50), R(0, 0, 48, 32), R(3, INT_MAX, 3, 3)),
              "0,0,3,32<-0,0,3,32 3,0,97,32<-3,0,45,32 97,0,100,32<-45,0,48,32 0,47,3,50<-0,29,3,32 "
              "3,47,97,50<-3,29,45,32 97,47,100,50<-45,29,48,32 ");
    // Only the tiles that meet the painted area are made.
    const auto tiles = CNineGrid::Layout(R(-(1 << 30), 0, 1 << 30, 10), R(0, 0, 1, 10), R(0, 0, 0, 0), R(0, 0, 100, 10),
                                         Options(96, true));
    ASSERT_EQ(tiles.size(), 100u);
    EXPECT_EQ(RectText(tiles.front().dest), "0,0,1,10");
    EXPECT_EQ(RectText(tiles.back().dest), "99,0,100,10");
    CUIRect whole{0, 0, 0, 0}, beyond{-5, 2, 40, 40}, outside{20, 0, 30, 8};
    EXPECT_TRUE(CNineGrid::ClipSource(whole, 16, 8) && CNineGrid::ClipSource(beyond, 16, 8));
    EXPECT_EQ(RectText(whole) + " " + RectText(beyond), "0,0,16,8 0,2,16,8");
    EXPECT_FALSE(CNineGrid::ClipSource(outside, 16, 8));
}

TEST(DpiScale, LengthsRoundToTheNearestPixelAndNeighboursStillMeet)
{
    const int cases[][3] = {{120, 2, 3}, {144, -3, -5}, {192, 9999, 19998}, {0, 12, 12}};
    for (const auto& c : cases) EXPECT_EQ(CDpiScale(c[0]).Scale(c[1]), c[2]) << c[1] << " at " << c[0];
    EXPECT_EQ(CDpiScale(192).Scale(INT_MAX), INT_MAX);
    EXPECT_EQ(CDpiScale(192).Scale(INT_MIN), INT_MIN);
    // Edges scale on their own, so neighbours still meet.
    for (int dpi : kDpis) {
        const CDpiScale scale(dpi);
        EXPECT_EQ(scale.ScaleRect(R(0, 0, 33, 10)).right, scale.ScaleRect(R(33, 0, 67, 10)).left) << dpi;
    }
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
    }
    EXPECT_EQ(CDpiScale(96).SpanCovering(37), 37);
}

TEST(DpiScale, NineGridCornersTilesAndImageDestinationsTakeTheirSizeAtTheScale)
{
    // Source corners stay image pixels; on the window they are 3 pixels at 144 DPI.
    EXPECT_EQ(Pieces(R(0, 0, 60, 30), R(0, 0, 10, 10), R(2, 2, 2, 2), R(0, 0, 3, 3), Options(144)),
              "0,0,3,3<-0,0,2,2 ");
    for (int dpi : kDpis) {
        std::vector<TImageDrawState> drawn;
        CImageDescInterpreter interpreter(R(100, 50, 400, 90), CDpiScale(dpi),
                                          [&drawn](const TImageDrawState& s) { drawn.push_back(s); });
        interpreter.Run("res='179' restype='png' dest='14,0,137,24' corner='2,4,2,4'", nullptr);
        ASSERT_EQ(drawn.size(), 1u);
        const CDpiScale scale(dpi);
        // Cut at the item's right and bottom, as at 96 DPI.
        EXPECT_EQ(RectText(drawn[0].dest), RectText(R(100 + scale.Scale(14), 50, std::min(400, 100 + scale.Scale(137)),
                                                      std::min(90, 50 + scale.Scale(24)))))
            << dpi;
    }
}
