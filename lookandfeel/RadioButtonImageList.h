#pragma once

#include "lookandfeel/LookAndFeelTypes.h"
#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/ImageList.h"

#include <array>
#include <cstdint>
#include <vector>

class TCanvas;

// The radio glyph as the platform draws its flat radio button, measured once per process.
struct TcxRadioGlyphGeometry {
    // The parts of the glyph in the pattern map.
    enum : std::uint8_t {
        Outside = 0,
        OuterRingUpperLeft = 1,
        OuterRingLowerRight = 2,
        InnerRingUpperLeft = 3,
        InnerRingLowerRight = 4,
        Body = 5,
        Dot = 6
    };

    TSize Size;                        // the extent of the platform's flat radio mask
    TPoint Offset;                     // where the glyph starts in the platform's radio cell
    TRect DotRect;                     // the checked dot, in cell coordinates
    std::vector<std::uint8_t> Pattern; // Size.cy rows of Size.cx parts

    std::uint8_t At(int row, int column) const {
        return Pattern[std::size_t(row) * std::size_t(Size.cx) + std::size_t(column)];
    }
    std::uint8_t& At(int row, int column) {
        return Pattern[std::size_t(row) * std::size_t(Size.cx) + std::size_t(column)];
    }
};

// The seven colours of a glyph, indexed by the parts of the pattern map (0 is masked out).
std::array<TColor, 7> RadioButtonColorMap(TcxLookAndFeelKind kind, TcxButtonState state,
                                          bool checked, bool focused, bool isDesigning);

// Every radio glyph the looks draw, rendered once into one masked image list: for each kind,
// state (normal, hot, pressed, disabled), checked, designing and focused combination one image.
// Painting is one masked copy. A system colour change renders the images again with the new
// colours; the geometry is never measured again.
class TcxRadioButtonImageList {
public:
    static constexpr int ImageCount = 128;

    // The cache, made and rendered the first time it is asked for.
    static TcxRadioButtonImageList& Instance();
    // The geometry, measured the first time it is asked for.
    static const TcxRadioGlyphGeometry& Geometry();
    // How often the geometry has been measured in this process (once at most).
    static int MeasureCount();

    TSize GlyphSize() const { return Geometry().Size; }
    int Count() const { return FImages.Count(); }
    // How often the images have been rendered.
    int RenderCount() const { return FRenderCount; }
    const TImageList& Images() const { return FImages; }
    const TBitmap& ButtonMask() const { return FButtonMask; }

    // The image of a combination (cxbsDefault counts as cxbsNormal).
    int GetImageIndex(TcxLookAndFeelKind kind, TcxButtonState state, bool checked, bool isDesigning,
                      bool focused) const;
    // Renders the images when the list is empty.
    void Prepare();
    // Clears the images and renders them again with the current colours.
    void Reset();
    // The glyph at (x, y): straight onto the canvas when the background is clDefault (pixels
    // outside the circle untouched), else on a square of the background colour.
    void Draw(TCanvas& canvas, int x, int y, TcxLookAndFeelKind kind, TcxButtonState state,
              bool checked, bool focused, bool isDesigning, TColor backgroundColor) const;

    TcxRadioButtonImageList();

private:
    TImageList FImages;
    TBitmap FButtonMask;
    std::array<int, ImageCount> FIndexMap{};
    int FRenderCount = 0;

    void Render();
};

// Makes the radio glyph cache (a radio button asks for it when it is made) and makes sure it
// hears system colour changes.
void PrepareRadioButtonImageList();
