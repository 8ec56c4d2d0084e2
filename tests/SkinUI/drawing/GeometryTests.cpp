#include <gtest/gtest.h>
#include <climits>
#include <cstdint>
#include <string>
#include "SkinUI/Core/ColorMath.h"
#include "SkinUI/Core/NineGrid.h"

using namespace SkinUI;

namespace {

CUIRect R(int l, int t, int r, int b)
{
    return CUIRect{l, t, r, b};
}

std::string Str(const CUIRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Each piece as "dest<-src", in drawing order.
std::string Pieces(const CUIRect& dest, const CUIRect& src, const CUIRect& corner, const CUIRect& paint,
                   const TGridOptions& options = {})
{
    std::string out;
    for (const TGridPiece& p : CNineGrid::Layout(dest, src, corner, paint, options)) {
        out += Str(p.dest) + "<-" + Str(p.src) + " ";
    }
    return out;
}

const CUIRect kEverywhere{-10000, -10000, 10000, 10000};

} // namespace

TEST(NineGrid, HoleAndPaintRectFilter)
{
    TGridOptions hole;
    hole.hole = true;
    EXPECT_EQ(CNineGrid::Layout(R(0, 0, 100, 50), R(0, 0, 10, 10), R(3, 3, 3, 3), kEverywhere, hole).size(), 8u);
    EXPECT_EQ(Pieces(R(0, 0, 100, 50), R(0, 0, 10, 10), R(3, 3, 3, 3), R(0, 0, 2, 2)), "0,0,3,3<-0,0,3,3 ");
    // Opaque and unscaled: only the painted part is copied.
    EXPECT_EQ(Pieces(R(10, 10, 30, 30), R(0, 0, 20, 20), R(0, 0, 0, 0), R(20, 0, 100, 15)), "20,10,30,15<-10,0,20,5 ");
}

TEST(NineGrid, TiledMiddlesEndWithACutTile)
{
    TGridOptions tiled;
    tiled.ytiled = true;
    EXPECT_EQ(Pieces(R(0, 0, 40, 25), R(0, 0, 4, 10), R(0, 0, 0, 0), kEverywhere, tiled),
              "0,0,40,10<-0,0,4,10 0,10,40,20<-0,0,4,10 0,20,40,25<-0,0,4,5 ");
    tiled.xtiled = true;
    const auto pieces = CNineGrid::Layout(R(0, 0, 25, 15), R(0, 0, 10, 10), R(0, 0, 0, 0), kEverywhere, tiled);
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(Str(pieces.back().dest) + "<-" + Str(pieces.back().src), "20,10,25,15<-0,0,5,5");
    for (const TGridPiece& p : pieces) {
        EXPECT_EQ(p.dest.GetWidth(), p.src.GetWidth());
        EXPECT_EQ(p.dest.GetHeight(), p.src.GetHeight());
    }
}

TEST(NineGrid, DegenerateInputGivesNoEndlessTiling)
{
    TGridOptions tiled;
    tiled.xtiled = true;
    // Corners eat the whole source middle: no middle at all.
    EXPECT_EQ(CNineGrid::Layout(R(0, 0, 50, 50), R(0, 0, 6, 6), R(3, 3, 3, 3), kEverywhere, tiled).size(), 4u);
    EXPECT_EQ(Pieces(R(0, 0, 0, 0), R(0, 0, 6, 6), R(0, 0, 0, 0), kEverywhere), "");
    EXPECT_EQ(Pieces(R(0, 0, 10, 10), R(0, 0, 6, 6), R(-3, -3, 0, 0), kEverywhere), "0,0,10,10<-0,0,6,6 ");
}

TEST(NineGrid, HugeInputStaysInRangeAndOnlyPaintedTilesAreMade)
{
    // A corner is cut to the source part: here the top row takes the part's whole height.
    EXPECT_EQ(Pieces(R(0, 0, 100, 50), R(0, 0, 48, 32), R(3, INT_MAX, 3, 3), kEverywhere),
              "0,0,3,32<-0,0,3,32 3,0,97,32<-3,0,45,32 97,0,100,32<-45,0,48,32 0,47,3,50<-0,29,3,32 "
              "3,47,97,50<-3,29,45,32 97,47,100,50<-45,29,48,32 ");
    TGridOptions tiled;
    tiled.xtiled = true;
    const auto tiles =
        CNineGrid::Layout(R(-(1 << 30), 0, 1 << 30, 10), R(0, 0, 1, 10), R(0, 0, 0, 0), R(0, 0, 100, 10), tiled);
    ASSERT_EQ(tiles.size(), 100u);
    EXPECT_EQ(Str(tiles.front().dest), "0,0,1,10");
    EXPECT_EQ(Str(tiles.back().dest), "99,0,100,10");
}

TEST(NineGrid, ClipSourceToTheImage)
{
    CUIRect whole{0, 0, 0, 0};
    EXPECT_TRUE(CNineGrid::ClipSource(whole, 16, 8));
    EXPECT_EQ(Str(whole), "0,0,16,8");
    CUIRect beyond{-5, 2, 40, 40};
    EXPECT_TRUE(CNineGrid::ClipSource(beyond, 16, 8));
    EXPECT_EQ(Str(beyond), "0,2,16,8");
    CUIRect outside{20, 0, 30, 8};
    EXPECT_FALSE(CNineGrid::ClipSource(outside, 16, 8));
}

TEST(ColorMath, PremultiplyAndMask)
{
    const uint8_t rgba[] = {255, 0, 0, 128, 255, 0, 255, 255, 10, 20, 30, 255};
    uint32_t out[3] = {};
    EXPECT_TRUE(CColorMath::ToPremultiplied(rgba, 3, 0xFFFF00FF, out));
    EXPECT_EQ(out[0], 0x80800000u);
    EXPECT_EQ(out[1], 0u);
    EXPECT_EQ(out[2], 0xFF0A141Eu);
    EXPECT_FALSE(CColorMath::ToPremultiplied(rgba + 8, 1, 0, out));
    // The mask is compared with the premultiplied value.
    CColorMath::ToPremultiplied(rgba, 1, 0x80FF0000, out);
    EXPECT_EQ(out[0], 0x80800000u);
}

TEST(ColorMath, BlendSourceOverAndAdjustColour)
{
    EXPECT_EQ(CColorMath::BlendPixel(0x80800000, 0xFFFFFFFF, 255) & 0xFFFFFF, 0xFF7F7Fu);
    EXPECT_EQ(CColorMath::BlendPixel(0xFF00FF00, 0xFF0000FF, 0), 0xFF0000FFu);
    EXPECT_EQ(CColorMath::AdjustColor(0x80123456, 180, 100, 100), 0x80123456u);
    EXPECT_EQ(CColorMath::AdjustColor(0xFFFF0000, 300, 100, 100), 0xFF00FF00u);
    EXPECT_EQ(CColorMath::AdjustColor(0x7FFF0000, 180, 0, 100), 0x7F808080u);
    EXPECT_EQ(CColorMath::AdjustColor(0xFF808080, 180, 100, 0), 0xFF000000u);
}
