#include "PixelArt.h"
#include "platform/core/Gbk.h"
#include "platform/draw/DC.h"
#include "platform/draw/RealizedFont.h"

#include <gtest/gtest.h>

namespace {

TLogFont Face(const char* utf8Name, int height, bool bold = false) {
    TLogFont lf;
    lf.FaceName = Utf8ToGbk(utf8Name);
    lf.Height = height;
    lf.Weight = bold ? FW_BOLD : FW_NORMAL;
    return lf;
}

// A white buffer with a context that draws black text transparently in the given font.
struct TTextFixture {
    TPixelBuffer Buf;
    TDC Dc;
    explicit TTextFixture(const TLogFont& lf, int w = 120, int h = 40)
        : Buf(w, h, 0xFFFFFF), Dc(Buf) {
        Dc.SelectFont(lf);
        Dc.SetBkMode(TRANSPARENT);
    }
};

const TLogFont UiFace = Face("MS Sans Serif", -11);
const TLogFont SongFace = Face("宋体", -12);

// "Qq" heights in the program's faces, as measured with the shipped font rules on Debian 12:
//   MS Sans Serif 8 pt (-11) -> DejaVu Sans Condensed 11 px: 13 (ascent 10, descent 3), the
//   13 pixels the window layouts assume for the 8-point UI face;
//   Tahoma bold 8 pt (-11) -> DejaVu Sans Condensed Bold: 13;
//   宋体 9 pt (-12) -> AR PL UMing CN 12 px strike: 13 (ascent 11, descent 2);
//   宋体 cell height 12 (+12): 12.
struct TQqCase {
    const char* Name;
    TLogFont Font;
    int Height;
};

class QqHeight : public testing::TestWithParam<TQqCase> {};

TEST_P(QqHeight, MatchesTheLayouts) {
    TTextFixture f(GetParam().Font);
    EXPECT_EQ(f.Dc.GetTextExtentPoint32("Qq").cy, GetParam().Height);
    EXPECT_EQ(f.Dc.GetTextMetrics().Height,
              f.Dc.GetTextMetrics().Ascent + f.Dc.GetTextMetrics().Descent);
}

INSTANTIATE_TEST_SUITE_P(Text, QqHeight,
                         testing::Values(TQqCase{"UiFace", UiFace, 13},
                                         TQqCase{"TahomaBold", Face("Tahoma", -11, true), 13},
                                         TQqCase{"SongNinePoint", SongFace, 13},
                                         TQqCase{"SongCellHeight", Face("SimSun", 12), 12}),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(Text, NegativeHeightIsTheCharacterHeight) {
    EXPECT_EQ(TRealizedFont::Get(SongFace)->PixelSize(), 12);
    EXPECT_EQ(TRealizedFont::Get(Face("宋体", 12))->PixelSize(), 11); // a 12-pixel cell
}

TEST(Text, TrueTypeFlagFollowsTheFace) {
    TTextFixture f(UiFace);
    EXPECT_EQ(f.Dc.GetTextMetrics().PitchAndFamily & TMPF_TRUETYPE, 0); // a raster face there
    f.Dc.SelectFont(Face("Tahoma", -11));
    EXPECT_NE(f.Dc.GetTextMetrics().PitchAndFamily & TMPF_TRUETYPE, 0);
}

TEST(Text, MeasuringAndDrawingShareTheAdvances) {
    const std::string text = Utf8ToGbk("Pet 宠物 fx=12");
    for (const TLogFont& lf : {UiFace, SongFace}) {
        TTextFixture whole(lf);
        whole.Dc.TextOut(2, 5, text);
        // The same text drawn character by character at the measured positions.
        TTextFixture pieces(lf);
        int x = 2;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t n = GbkCharLength(text, i);
            pieces.Dc.TextOut(x, 5, text.substr(i, n));
            x += pieces.Dc.GetTextExtentPoint32(text.substr(i, n)).cx;
            i += n;
        }
        EXPECT_EQ(x - 2, whole.Dc.GetTextExtentPoint32(text).cx);
        EXPECT_TRUE(whole.Buf.Pixels == pieces.Buf.Pixels) << lf.FaceName;
        TRect ink = InkBox(whole.Buf, clWhite);
        EXPECT_GE(ink.Left, 2);
        EXPECT_LE(ink.Right, 2 + x);
    }
}

TEST(Text, PartialExtentsMatchPrefixExtents) {
    TTextFixture f(SongFace);
    const std::string text = Utf8ToGbk("Ab宠物c");
    std::vector<int> partial;
    int fit = -1;
    TSize all = f.Dc.GetTextExtentExPoint(text, 30, &fit, &partial);
    ASSERT_EQ(partial.size(), 5u);
    const std::size_t ends[] = {1, 2, 4, 6, 7}; // byte ends of the characters
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(partial[i], f.Dc.GetTextExtentPoint32(text.substr(0, ends[i])).cx) << i;
    EXPECT_EQ(all.cx, partial.back());
    int expectedFit = 0;
    while (expectedFit < 5 && partial[std::size_t(expectedFit)] <= 30)
        ++expectedFit;
    EXPECT_EQ(fit, expectedFit);
    EXPECT_GT(fit, 0);
    EXPECT_LT(fit, 5);
}

TEST(Text, DoubleByteCharactersAreOneGlyph) {
    TTextFixture f(SongFace);
    const std::string one = Utf8ToGbk("宠");
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(f.Dc.GetTextExtentPoint32(one + one).cx, 2 * f.Dc.GetTextExtentPoint32(one).cx);
    EXPECT_EQ(f.Dc.GetTextExtentPoint32(one).cx, 12);
    // A lead byte without its trail byte does not take the next character with it.
    EXPECT_GT(f.Dc.GetTextExtentPoint32(std::string("\x81") + "A").cx,
              f.Dc.GetTextExtentPoint32("A").cx);
}

// Text with thousands of different characters (every GB2312 hanzi) keeps the glyph cache of a
// font bounded, and what it measures does not change when glyphs are rendered again.
TEST(Text, TheGlyphCacheStaysBoundedUnderManyDifferentCharacters) {
    TTextFixture f(SongFace);
    const auto font = TRealizedFont::Get(SongFace);
    std::vector<std::string> runs;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        std::string run;
        for (int trail = 0xA1; trail <= 0xFE; ++trail)
            run += {char(lead), char(trail)};
        runs.push_back(run);
    }
    std::vector<int> widths;
    std::size_t most = 0;
    for (const std::string& run : runs) {
        widths.push_back(f.Dc.GetTextExtentPoint32(run).cx);
        most = std::max(most, font->CachedGlyphs());
    }
    EXPECT_LE(most, TRealizedFont::kMaxCachedGlyphs + 94) << "one run of 94 beyond the bound";
    for (std::size_t i = 0; i < runs.size(); ++i)
        EXPECT_EQ(f.Dc.GetTextExtentPoint32(runs[i]).cx, widths[i]) << i;
}

TEST(Text, MissingGlyphsComeFromAnotherFace) {
    // The Latin UI face has no Chinese; the characters still appear.
    TTextFixture f(UiFace);
    f.Dc.TextOut(0, 0, Utf8ToGbk("宠物"));
    TRect ink = InkBox(f.Buf, clWhite);
    EXPECT_GT(ink.Width(), 15);
    EXPECT_GT(ink.Height(), 8);
}

// A stand-in face is opened only when a character its font lacks is first drawn: the Song face
// has Latin and Chinese, so drawing both opens nothing more; a Latin face opens one for Chinese.
TEST(Text, StandInFacesAreOpenedOnlyForCharactersTheFaceLacks) {
    const TLogFont song = Face("宋体", -13);
    TTextFixture songText(song);
    songText.Dc.TextOut(0, 0, Utf8ToGbk("Qq 等级 123"));
    EXPECT_EQ(TRealizedFont::Get(song)->OpenFaces(), 1u);

    const TLogFont ui = Face("Tahoma", -13);
    TTextFixture uiText(ui);
    uiText.Dc.TextOut(0, 0, "Qq 123");
    EXPECT_EQ(TRealizedFont::Get(ui)->OpenFaces(), 1u);
    const int latinOnly = uiText.Dc.GetTextExtentPoint32("Qq").cx;
    uiText.Dc.TextOut(0, 0, Utf8ToGbk("宠"));
    EXPECT_GE(TRealizedFont::Get(ui)->OpenFaces(), 2u);
    EXPECT_EQ(uiText.Dc.GetTextExtentPoint32("Qq").cx, latinOnly); // the primary face still leads
}

// Every size and weight of the Song face reads one open face of its file, each at its own size:
// glyphs rendered in turn for two sizes keep to their own font's size.
TEST(Text, FontsOfOneFaceShareItEachAtItsOwnSize) {
    const auto small = TRealizedFont::Get(Face("宋体", -17));
    const std::size_t faces = TRealizedFont::OpenFontFaces();
    const auto large = TRealizedFont::Get(Face("宋体", -29));
    const auto bold = TRealizedFont::Get(Face("宋体", -23, true));
    EXPECT_EQ(TRealizedFont::OpenFontFaces(), faces);
    EXPECT_EQ(large->PrimaryFile(), small->PrimaryFile());

    const int smallHeight = small->Glyph(0x5BA0).Height; // 宠
    const int largeHeight = large->Glyph(0x5BA0).Height;
    EXPECT_GT(largeHeight, smallHeight + 6);
    EXPECT_LE(small->Glyph(0x7269).Height, smallHeight + 2); // 物, after the large one
    EXPECT_GE(large->Glyph(0x7269).Height, largeHeight - 2);
    EXPECT_GT(bold->Glyph(0x7269).Height, smallHeight);
}

TEST(Text, BoldWithoutABoldDesignIsWidened) {
    // Neither the Song face nor the Chinese fallback of the UI face has a bold design.
    for (const char* face : {"宋体", "Tahoma"}) {
        TTextFixture regular(Face(face, -12));
        TTextFixture bold(Face(face, -12, true));
        const std::string text = Utf8ToGbk("宠物");
        EXPECT_EQ(bold.Dc.GetTextExtentPoint32(text).cx,
                  regular.Dc.GetTextExtentPoint32(text).cx + 2)
            << face;
    }
}

TEST(Text, OpaqueModeFillsTheExtentWithTheBackground) {
    TTextFixture f(UiFace);
    f.Dc.SetBkMode(OPAQUE);
    f.Dc.SetBkColor(clRed);
    f.Dc.TextOut(3, 4, "Hi");
    TSize s = f.Dc.GetTextExtentPoint32("Hi");
    TRect ink = InkBox(f.Buf, clWhite);
    EXPECT_EQ(ink, TRect::FromXYWH(3, 4, s.cx, s.cy));
    EXPECT_EQ(PixelToRGB(f.Buf.At(3, 4)), clRed);
}

TEST(Text, ExtTextOutClipsAndFillsItsRectangle) {
    TTextFixture f(UiFace);
    f.Dc.SetBkColor(clRed);
    TRect r(10, 0, 20, 30);
    f.Dc.ExtTextOut(0, 0, ETO_CLIPPED | ETO_OPAQUE, &r, "WWWWWWWWWW");
    EXPECT_EQ(InkBox(f.Buf, clWhite), r);
}

TEST(Text, ExplicitAdvancesPlaceEachCharacter) {
    TTextFixture spaced(UiFace);
    const int dx[] = {30, 5};
    spaced.Dc.ExtTextOut(0, 0, 0, nullptr, "ab", dx);
    TTextFixture expected(UiFace);
    expected.Dc.TextOut(0, 0, "a");
    expected.Dc.TextOut(30, 0, "b");
    EXPECT_TRUE(spaced.Buf.Pixels == expected.Buf.Pixels);
}

TEST(Text, AlignmentMovesTheReferencePoint) {
    TTextFixture f(UiFace);
    const TSize s = f.Dc.GetTextExtentPoint32("Mid");
    f.Dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    f.Dc.TextOut(60, 20, "Mid");
    TTextFixture expected(UiFace);
    expected.Dc.TextOut(60 - s.cx, 20 - expected.Dc.GetTextMetrics().Ascent, "Mid");
    EXPECT_TRUE(f.Buf.Pixels == expected.Buf.Pixels);
}

TEST(Text, RotatedTextTurnsCounterClockwise) {
    TLogFont lf = Face("Tahoma", -11);
    TTextFixture plain(lf, 80, 80);
    plain.Dc.TextOut(10, 10, "Rotation");
    TRect flat = InkBox(plain.Buf, clWhite);
    lf.Escapement = 900;
    TTextFixture turned(lf, 80, 80);
    turned.Dc.TextOut(10, 70, "Rotation");
    TRect up = InkBox(turned.Buf, clWhite);
    EXPECT_NEAR(up.Height(), flat.Width(), 2);
    EXPECT_NEAR(up.Width(), flat.Height(), 2);
    EXPECT_LE(up.Bottom, 71); // it grows upwards from the reference point
    // A raster face ignores the escapement.
    TLogFont raster = UiFace;
    raster.Escapement = 900;
    TTextFixture r(raster, 80, 80);
    r.Dc.TextOut(10, 10, "Rotation");
    EXPECT_GT(InkBox(r.Buf, clWhite).Width(), InkBox(r.Buf, clWhite).Height());
}

TEST(Text, UnderlineStyleDrawsALineUnderTheRun) {
    TLogFont lf = UiFace;
    lf.Underline = true;
    TTextFixture f(lf);
    f.Dc.TextOut(0, 0, "ace");
    const int row = f.Dc.GetTextMetrics().Ascent + TRealizedFont::Get(lf)->UnderlineOffset();
    const int w = f.Dc.GetTextExtentPoint32("ace").cx;
    for (int x = 0; x < w; ++x)
        EXPECT_EQ(f.Buf.At(x, row), 0u) << x;
    EXPECT_EQ(f.Buf.At(w, row), 0xFFFFFFu);
}

// ---- DrawText ---------------------------------------------------------------------------------

// DrawText output compared with plain TextOut calls at hand-computed positions.
TEST(DrawText, SingleLineAlignment) {
    const std::string text = "Align";
    struct TCase {
        unsigned Flags;
        int (*X)(int w);
        int (*Y)(int h);
    };
    const TCase cases[] = {
        {DT_SINGLELINE, [](int) { return 0; }, [](int) { return 0; }},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, [](int w) { return (100 - w) / 2; },
         [](int h) { return (40 - h) / 2; }},
        {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, [](int w) { return 100 - w; },
         [](int h) { return 40 - h; }},
        // Vertical alignment needs a single line.
        {DT_RIGHT | DT_VCENTER, [](int w) { return 100 - w; }, [](int) { return 0; }},
    };
    for (const TCase& c : cases) {
        TTextFixture drawn(UiFace, 100, 40);
        TRect r(0, 0, 100, 40);
        int h = drawn.Dc.DrawText(text, r, c.Flags);
        TTextFixture expected(UiFace, 100, 40);
        TSize s = expected.Dc.GetTextExtentPoint32(text);
        expected.Dc.TextOut(c.X(s.cx), c.Y(s.cy), text);
        // Vertically placed single lines answer the offset of the text's bottom.
        EXPECT_EQ(h, c.Y(13) + 13) << c.Flags;
        EXPECT_TRUE(drawn.Buf.Pixels == expected.Buf.Pixels) << c.Flags;
    }
}

TEST(DrawText, CalcRectMeasuresLinesAndWraps) {
    TTextFixture f(UiFace);
    const int aaa = f.Dc.GetTextExtentPoint32("aaa bbb").cx;
    const int all = f.Dc.GetTextExtentPoint32("aaa bbb ccc").cx;
    struct TCase {
        const char* Text;
        unsigned Flags;
        int Width; // rectangle width given
        int ExpectW;
        int ExpectH;
    };
    const TCase cases[] = {
        {"aaa bbb ccc", DT_SINGLELINE, 10, all, 13},
        {"aaa bbb ccc", DT_WORDBREAK, aaa + 2, aaa, 26},
        {"aaa bbb ccc", DT_WORDBREAK, 1000, all, 13},
        {"aaa bbb\r\nccc", 0, 1000, aaa, 26},
        {"aaa\nbbb\rccc", 0, 1000, f.Dc.GetTextExtentPoint32("aaa").cx, 39},
        {"aaa bbb\r\nccc", DT_SINGLELINE, 1000, -1, 13},
        {"", 0, 50, 0, 13},
    };
    for (const TCase& c : cases) {
        TRect r(5, 7, 5 + c.Width, 50);
        int h = f.Dc.DrawText(c.Text, r, c.Flags | DT_CALCRECT);
        EXPECT_EQ(h, c.ExpectH) << c.Text << " " << c.Flags;
        EXPECT_EQ(r.Top, 7);
        EXPECT_EQ(r.Left, 5);
        EXPECT_EQ(r.Bottom, 7 + c.ExpectH) << c.Text;
        if (c.ExpectW >= 0) {
            EXPECT_EQ(r.Width(), c.ExpectW) << c.Text << " " << c.Flags;
        }
    }
    EXPECT_TRUE(InkBox(f.Buf, clWhite).IsEmpty()); // measuring draws nothing
}

TEST(DrawText, WordBreakSplitsChineseBetweenCharacters) {
    TTextFixture f(SongFace);
    TRect r(0, 0, 30, 100); // two and a half characters
    EXPECT_EQ(f.Dc.DrawText(Utf8ToGbk("宠物计算"), r, DT_WORDBREAK | DT_CALCRECT), 26);
    EXPECT_EQ(r.Width(), 24);
    // A Latin word longer than the line is not split.
    TRect r2(0, 0, 5, 100);
    EXPECT_EQ(f.Dc.DrawText("abcdef", r2, DT_WORDBREAK | DT_CALCRECT), 13);
    EXPECT_EQ(r2.Width(), f.Dc.GetTextExtentPoint32("abcdef").cx);
}

TEST(DrawText, EndEllipsisShortensToFit) {
    const std::string text = "A rather long caption";
    TTextFixture drawn(UiFace, 100, 20);
    TRect calc(0, 0, 60, 20);
    drawn.Dc.DrawText(text, calc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(calc.Width(), 60);
    TRect r(0, 0, 60, 20);
    drawn.Dc.DrawText(text, r, DT_SINGLELINE | DT_END_ELLIPSIS);
    // The longest prefix that leaves room for the dots.
    TTextFixture expected(UiFace, 100, 20);
    std::string shown;
    for (std::size_t n = text.size(); n > 0; --n)
        if (expected.Dc.GetTextExtentPoint32(text.substr(0, n) + "...").cx <= 60) {
            shown = text.substr(0, n) + "...";
            break;
        }
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(calc.Width(), expected.Dc.GetTextExtentPoint32(shown).cx);
    expected.Dc.TextOut(0, 0, shown);
    EXPECT_TRUE(drawn.Buf.Pixels == expected.Buf.Pixels);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
    TTextFixture clipped(UiFace, 100, 20);
    TRect r(0, 0, 10, 20);
    clipped.Dc.DrawText("WWWWWW", r, DT_SINGLELINE);
    EXPECT_LE(InkBox(clipped.Buf, clWhite).Right, 10);
    TTextFixture free(UiFace, 100, 20);
    TRect r2(0, 0, 10, 20);
    free.Dc.DrawText("WWWWWW", r2, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBox(free.Buf, clWhite).Right, 20);
}

TEST(DrawText, AcceleratorPrefixes) {
    struct TCase {
        const char* Text;
        unsigned Flags;
        const char* Plain; // what TextOut shows
        int Underlined;    // index of the underlined character in Plain, or -1
    };
    const TCase cases[] = {
        {"&File", DT_SINGLELINE, "File", 0},
        {"Sa&ve", DT_SINGLELINE, "Save", 2},
        {"A&&B", DT_SINGLELINE, "A&B", -1},
        {"&File", DT_SINGLELINE | DT_HIDEPREFIX, "File", -1},
        {"&File", DT_SINGLELINE | DT_NOPREFIX, "&File", -1},
        {"End&", DT_SINGLELINE, "End", -1},
    };
    for (const TCase& c : cases) {
        TTextFixture drawn(UiFace, 100, 20);
        TRect r(0, 0, 100, 20);
        drawn.Dc.DrawText(c.Text, r, c.Flags);
        TTextFixture expected(UiFace, 100, 20);
        expected.Dc.TextOut(0, 0, c.Plain);
        if (c.Underlined >= 0) {
            const std::string plain = c.Plain;
            int x = expected.Dc.GetTextExtentPoint32(plain.substr(0, std::size_t(c.Underlined))).cx;
            int w = expected.Dc.GetTextExtentPoint32(plain.substr(std::size_t(c.Underlined), 1)).cx;
            int y =
                expected.Dc.GetTextMetrics().Ascent + TRealizedFont::Get(UiFace)->UnderlineOffset();
            expected.Dc.FillRect(TRect::FromXYWH(x, y, w, 1), clBlack);
        }
        EXPECT_TRUE(drawn.Buf.Pixels == expected.Buf.Pixels) << c.Text << " " << c.Flags;
    }
}

TEST(DrawText, TabsExpandToEightAverageCharacters) {
    TTextFixture drawn(UiFace, 120, 20);
    TRect r(0, 0, 120, 20);
    drawn.Dc.DrawText("a\tb", r, DT_SINGLELINE | DT_EXPANDTABS);
    TTextFixture expected(UiFace, 120, 20);
    const int stop = 8 * expected.Dc.GetTextMetrics().AveCharWidth;
    expected.Dc.TextOut(0, 0, "a");
    expected.Dc.TextOut(stop, 0, "b");
    EXPECT_TRUE(drawn.Buf.Pixels == expected.Buf.Pixels);
    TRect calc(0, 0, 120, 20);
    drawn.Dc.DrawText("a\tb", calc, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(calc.Width(), stop + expected.Dc.GetTextExtentPoint32("b").cx);
}

TEST(DrawText, PrefixOnlyDrawsJustTheUnderline) {
    TTextFixture f(UiFace, 60, 20);
    TRect r(0, 0, 60, 20);
    f.Dc.DrawText("&Go", r, DT_SINGLELINE | DT_PREFIXONLY);
    TRect ink = InkBox(f.Buf, clWhite);
    EXPECT_EQ(ink.Height(), 1);
    EXPECT_EQ(ink.Left, 0);
    EXPECT_EQ(ink.Width(), f.Dc.GetTextExtentPoint32("G").cx);
}

// ---- paths -------------------------------------------------------------------------------------

TEST(TextPath, ClipPathCoversExactlyTheTextPixels) {
    // The 12-pixel Song face is drawn from 1-bit strikes: pixels are either ink or not.
    const std::string text = Utf8ToGbk("宠物 Ab");
    TTextFixture plain(SongFace, 80, 20);
    plain.Dc.TextOut(2, 2, text);
    TTextFixture clipped(SongFace, 80, 20);
    clipped.Dc.BeginPath();
    clipped.Dc.TextOut(2, 2, text);
    clipped.Dc.EndPath();
    EXPECT_TRUE(InkBox(clipped.Buf, clWhite).IsEmpty()); // the path drew nothing
    clipped.Dc.SelectClipPath(RGN_AND);
    clipped.Dc.FillRect(TRect(0, 0, 80, 20), clBlack);
    EXPECT_TRUE(plain.Buf.Pixels == clipped.Buf.Pixels);
}

TEST(TextPath, StrokeOutlinesTheLetters) {
    TTextFixture f(Face("宋体", -16), 40, 24);
    f.Dc.BeginPath();
    f.Dc.TextOut(2, 2, Utf8ToGbk("口"));
    f.Dc.EndPath();
    f.Dc.SelectPen({PS_SOLID, 1, clRed});
    EXPECT_TRUE(f.Dc.StrokePath());
    TTextFixture plain(Face("宋体", -16), 40, 24);
    plain.Dc.TextOut(2, 2, Utf8ToGbk("口"));
    // A one-pixel stroke lies on the letters' own pixels, and the box's inside stays empty.
    int red = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            if (f.Buf.At(x, y) == RGBToPixel(clRed)) {
                ++red;
                EXPECT_EQ(plain.Buf.At(x, y), 0u) << x << "," << y;
            }
    EXPECT_GT(red, 20);
    TRect ink = InkBox(f.Buf, clWhite);
    EXPECT_EQ(f.Buf.At(ink.Left + ink.Width() / 2, ink.Top + ink.Height() / 2), 0xFFFFFFu);
    EXPECT_FALSE(f.Dc.StrokePath()); // the path is used up
}

} // namespace

namespace {

TEST(DrawText, ClosingPunctuationDoesNotStartALine) {
    TTextFixture f(SongFace);
    // Room for two characters: "宠物，" cannot leave the comma alone at the next line's start,
    // so "物，" moves down together and "好" goes to a third line.
    TRect r(0, 0, 24, 100);
    EXPECT_EQ(f.Dc.DrawText(Utf8ToGbk("宠物，好"), r, DT_WORDBREAK | DT_CALCRECT), 39);
    TTextFixture drawn(SongFace, 60, 40);
    TRect r2(0, 0, 24, 40);
    drawn.Dc.DrawText(Utf8ToGbk("宠物，好"), r2, DT_WORDBREAK);
    TTextFixture expected(SongFace, 60, 40);
    expected.Dc.TextOut(0, 0, Utf8ToGbk("宠"));
    expected.Dc.TextOut(0, 13, Utf8ToGbk("物，"));
    expected.Dc.TextOut(0, 26, Utf8ToGbk("好"));
    EXPECT_TRUE(drawn.Buf.Pixels == expected.Buf.Pixels);
}

} // namespace
