#pragma once

#include "platform/core/Exception.h"
#include "platform/draw/DrawTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// No installed font can serve a font request (a broken installation): raised when the first font
// is realized, so the program stops at start-up with a clear message.
class EFontError : public Exception {
public:
    using Exception::Exception;
};

// One rendered character: an 8-bit coverage mask (0 = none, 255 = full) placed relative to the
// pen position on the baseline.
struct TGlyph {
    int Advance = 0; // pixels the pen moves
    int Left = 0;    // mask's left edge relative to the pen
    int Top = 0;     // mask's top row relative to the baseline (negative = above)
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Coverage; // Width * Height, row-major
};

// A font request resolved to installed faces at a pixel size, with its metrics and a cache of
// rendered glyphs. Instances are shared process-wide (RealizeFont) and live for the whole run.
// The program's face names map to installed Debian fonts:
//   "宋体"/"SimSun"/"新宋体"      -> AR PL UMing CN (monochrome from its bitmap strikes at 11-16
//   px),
//                                 then WenQuanYi Zen Hei Sharp
//   "MS Sans Serif", "Tahoma",
//   "MS Shell Dlg", "Arial"      -> DejaVu Sans Condensed (Bold)
// Other names go through fontconfig. A character the face lacks is taken from the next face that
// has it (UMing, Zen Hei, DejaVu Sans).
class TRealizedFont {
public:
    ~TRealizedFont();
    TRealizedFont(const TRealizedFont&) = delete;
    TRealizedFont& operator=(const TRealizedFont&) = delete;

    const TTextMetric& Metrics() const { return Tm; }
    // The character's glyph, rendered on first use. Control characters have no ink and no width.
    // The reference stays valid until the next TrimGlyphCache.
    const TGlyph& Glyph(char32_t code);
    // The cache keeps at most about kMaxCachedGlyphs glyphs: typing thousands of different
    // Chinese characters would otherwise keep every one of them for the whole run. Called where
    // no glyph reference is held (before a run of text is laid out); drops the cache when full.
    static constexpr std::size_t kMaxCachedGlyphs = 2048;
    void TrimGlyphCache();
    std::size_t CachedGlyphs() const { return Cache.size(); }
    int Advance(char32_t code) { return Glyph(code).Advance; }
    // Row offsets from the baseline (positive = below) and thickness of the decoration lines.
    int UnderlineOffset() const { return UnderlinePos; }
    int StrikeOutOffset() const { return StrikePos; }
    int LineThickness() const { return Thickness; }
    // Pixel em size the faces are set to.
    int PixelSize() const { return EmPixels; }
    // File of the primary face (diagnostics).
    const std::string& PrimaryFile() const;
    // Faces opened so far: the primary one and the stand-ins opened for characters it lacks.
    std::size_t OpenFaces() const { return Faces.size(); }
    // Faces of font files open in the process; every size and weight of a face shares one.
    static std::size_t OpenFontFaces();

    // Process-wide: the realized font for a request (style bits that do not change glyphs, like
    // underline and escapement, are ignored here). Raises EFontError when no face is usable.
    static std::shared_ptr<TRealizedFont> Get(const TLogFont& lf);

private:
    struct TFace;
    TRealizedFont() = default;
    void Open(const TLogFont& lf);
    bool AddFace(const std::string& file, int index, bool isBold, bool monoStrikes);
    bool AddRule(const char* family, bool condensed, bool monoStrikes, bool exact);
    bool OpenNextFallback();
    void TellOnceWhenChineseIsMissing() const;
    TGlyph Render(char32_t code);

    std::vector<std::unique_ptr<TFace>> Faces; // primary first, then fallbacks as needed
    std::size_t NextFallback = 0;              // next of the fallback rules to try
    bool Bold = false;
    bool Italic = false;
    int Height = -11;
    std::unordered_map<char32_t, TGlyph> Cache;
    TTextMetric Tm;
    int EmPixels = 0;
    int UnderlinePos = 1;
    int StrikePos = -3;
    int Thickness = 1;
};
