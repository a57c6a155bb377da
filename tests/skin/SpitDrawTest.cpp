#include "skin/SpitDraw.h"

#include "platform/draw/Bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {
struct TPiecesCase {
    const char* Name;
    TSize Picture;
    TSize Target;
    // Source, destination; in drawing order.
    std::array<TSpitPiece, SpitPartCount> Pieces;
};

const TPiecesCase PiecesCases[] = {
    // The program's buttons: the MacOS picture at 97 x 23.
    {"MacOSAtProgramSize",
     {84, 23},
     {97, 23},
     {{
         {{0, 0, 42, 11}, {0, 0, 42, 11}},     // corners 42 x 11 and 42 x 10 on the left
         {{0, 13, 42, 23}, {0, 13, 42, 23}},   //
         {{0, 11, 42, 12}, {0, 11, 42, 13}},   // picture row 11 over rows 11-12
         {{43, 0, 84, 11}, {56, 0, 97, 11}},   // 41 x 11 at (56, 0)
         {{43, 13, 84, 23}, {56, 13, 97, 23}}, // 41 x 10 at (56, 13)
         {{43, 12, 84, 13}, {56, 11, 97, 13}}, // picture row 12 over rows 11-12
         {{42, 0, 43, 11}, {42, 0, 56, 11}},   // column 42 over x 42-55
         {{42, 11, 43, 12}, {42, 11, 56, 12}}, // one pixel over (42, 11)-(55, 11)
         {{42, 12, 43, 23}, {41, 12, 56, 23}}, // column 42, rows 12-22, over x 41-55
     }}},
    // A 74 x 21 picture (DeepBlue, Protein, the blank one) grows both ways.
    {"SmallerPictureGrows",
     {74, 21},
     {97, 23},
     {{
         {{0, 0, 37, 10}, {0, 0, 37, 10}},
         {{0, 12, 37, 21}, {0, 14, 37, 23}},
         {{0, 10, 37, 11}, {0, 10, 37, 14}},
         {{38, 0, 74, 10}, {61, 0, 97, 10}},
         {{38, 12, 74, 21}, {61, 14, 97, 23}},
         {{38, 11, 74, 12}, {61, 10, 97, 14}},
         {{37, 0, 38, 10}, {37, 0, 61, 10}},
         {{37, 10, 38, 11}, {37, 10, 61, 13}},
         {{37, 11, 38, 21}, {36, 13, 61, 23}},
     }}},
    // BlueGlass 77 x 27 in a larger button.
    {"LargerTarget",
     {77, 27},
     {120, 40},
     {{
         {{0, 0, 38, 13}, {0, 0, 38, 13}},
         {{0, 15, 38, 27}, {0, 28, 38, 40}},
         {{0, 13, 38, 14}, {0, 13, 38, 28}},
         {{40, 0, 77, 13}, {83, 0, 120, 13}},
         {{40, 15, 77, 27}, {83, 28, 120, 40}},
         {{40, 14, 77, 15}, {83, 13, 120, 28}},
         {{38, 0, 40, 13}, {38, 0, 83, 13}},
         {{38, 13, 40, 14}, {38, 13, 83, 27}},
         {{38, 14, 40, 27}, {37, 27, 83, 40}},
     }}},
    // Smaller than the corners: corners shrink to half the target and the edges are cut (left
    // and top parts kept on the left and top, right and bottom parts on the right and bottom).
    {"TargetSmallerThanCorners",
     {84, 23},
     {20, 10},
     {{
         {{0, 0, 10, 5}, {0, 0, 10, 5}},
         {{0, 19, 10, 23}, {0, 6, 10, 10}},
         {{0, 11, 10, 12}, {0, 5, 10, 6}},
         {{75, 0, 84, 5}, {11, 0, 20, 5}},
         {{75, 19, 84, 23}, {11, 6, 20, 10}},
         {{75, 12, 84, 13}, {11, 5, 20, 6}},
         {{42, 0, 43, 5}, {10, 0, 11, 5}},
         {{42, 11, 43, 12}, {10, 5, 11, 5}}, // no height: not drawn
         {{42, 18, 43, 23}, {9, 5, 11, 10}},
     }}},
    // So small that corners come out empty: empty rectangles at their corners.
    {"CornersEmpty",
     {84, 23},
     {3, 3},
     {{
         {{0, 0, 1, 1}, {0, 0, 1, 1}},
         {{0, 23, 1, 23}, {0, 3, 1, 3}},
         {{0, 11, 1, 12}, {0, 1, 1, 3}},
         {{84, 0, 84, 1}, {3, 0, 3, 1}},
         {{84, 23, 84, 23}, {3, 3, 3, 3}},
         {{84, 12, 84, 13}, {3, 1, 3, 3}},
         {{42, 0, 43, 1}, {1, 0, 3, 1}},
         {{42, 11, 43, 12}, {1, 1, 3, 2}},
         {{42, 22, 43, 23}, {0, 2, 3, 3}},
     }}},
};

void PrintTo(const TPiecesCase& c, std::ostream* os) {
    *os << c.Name;
}

class SpitPiecesTable : public ::testing::TestWithParam<TPiecesCase> {};

// A picture whose every pixel has its own colour: x in red, y in green, never the key colour.
TBitmap NumberedPicture(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Canvas().SetPixel(x, y, TColor(x | (y << 8) | 0x400000));
    return b;
}
} // namespace

TEST_P(SpitPiecesTable, CutsAndPlacesEveryPiece) {
    const TPiecesCase& c = GetParam();
    const auto pieces = SpitPieces(c.Picture, c.Target);
    for (int i = 0; i < SpitPartCount; ++i) {
        const TSpitPiece& got = pieces[std::size_t(i)];
        const TSpitPiece& want = c.Pieces[std::size_t(i)];
        EXPECT_EQ(got.Source, want.Source) << "piece " << i;
        EXPECT_EQ(got.Dest, want.Dest) << "piece " << i;
        // Every piece stays inside the picture and the target.
        if (!got.Source.IsEmpty()) {
            EXPECT_TRUE(TRect(0, 0, c.Picture.cx, c.Picture.cy).Contains(got.Source)) << i;
        }
        if (!got.Dest.IsEmpty()) {
            EXPECT_TRUE(TRect(0, 0, c.Target.cx, c.Target.cy).Contains(got.Dest)) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SpitDraw, SpitPiecesTable, ::testing::ValuesIn(PiecesCases),
                         [](const auto& param) { return std::string(param.param.Name); });

TEST(SpitDraw, DrawsThePiecesOfTheProgramButton) {
    TBitmap picture = NumberedPicture(84, 23);
    TBitmap target(97, 23);
    SpitDraw(picture, target.Canvas(), {0, 0, 97, 23}, false);
    auto source = [&](int x, int y) { return picture.Canvas().Pixel(x, y); };
    struct TProbe {
        TPoint At;
        TPoint From;
    };
    const TProbe probes[] = {
        {{0, 0}, {0, 0}},     {{41, 10}, {41, 10}}, // top-left corner, unscaled
        {{0, 13}, {0, 13}},   {{40, 22}, {40, 22}}, // bottom-left corner
        {{20, 11}, {20, 11}}, {{20, 12}, {20, 11}}, // left edge: row 11 twice
        {{56, 0}, {43, 0}},   {{96, 10}, {83, 10}}, // top-right corner
        {{56, 13}, {43, 13}}, {{96, 22}, {83, 22}}, // bottom-right corner
        {{60, 11}, {47, 12}}, {{60, 12}, {47, 12}}, // right edge: row 12 twice
        {{42, 5}, {42, 5}},   {{55, 5}, {42, 5}},   // top edge: column 42
        {{50, 11}, {42, 11}},                       // centre
        {{41, 20}, {42, 20}}, {{55, 12}, {42, 12}}, // bottom edge, over the left corner's column
    };
    for (const TProbe& p : probes)
        EXPECT_EQ(target.Canvas().Pixel(p.At.X, p.At.Y), source(p.From.X, p.From.Y))
            << p.At.X << "," << p.At.Y;
}

TEST(SpitDraw, KeyColourLeftOutOfEdgesAlwaysAndOfCornersWhenTransparent) {
    TBitmap picture = NumberedPicture(84, 23);
    picture.Canvas().SetPixel(0, 0, SkinKeyColor);   // top-left corner
    picture.Canvas().SetPixel(42, 3, SkinKeyColor);  // top edge column
    picture.Canvas().SetPixel(83, 22, SkinKeyColor); // bottom-right corner
    for (bool transparent : {false, true}) {
        TBitmap target(97, 23);
        target.Canvas().Brush().SetColor(clLime);
        target.Canvas().FillRect({0, 0, 97, 23});
        SpitDraw(picture, target.Canvas(), {0, 0, 97, 23}, transparent);
        TColor corner = transparent ? clLime : SkinKeyColor;
        EXPECT_EQ(target.Canvas().Pixel(0, 0), corner) << transparent;
        EXPECT_EQ(target.Canvas().Pixel(96, 22), corner) << transparent;
        EXPECT_EQ(target.Canvas().Pixel(42, 3), clLime) << transparent;
        EXPECT_EQ(target.Canvas().Pixel(55, 3), clLime) << transparent;
        EXPECT_EQ(target.Canvas().Pixel(42, 4), picture.Canvas().Pixel(42, 4)) << transparent;
    }
}

TEST(SpitDraw, DrawsNothingOutsideATargetSmallerThanThePicture) {
    TBitmap picture = NumberedPicture(84, 23);
    TBitmap target(30, 30);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect({0, 0, 30, 30});
    SpitDraw(picture, target.Canvas(), {0, 0, 20, 10}, false);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), picture.Canvas().Pixel(0, 0));
    EXPECT_EQ(target.Canvas().Pixel(19, 9), picture.Canvas().Pixel(83, 22));
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(target.Canvas().Pixel(x, 10), clLime) << x;
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(target.Canvas().Pixel(20, y), clLime) << y;
}
