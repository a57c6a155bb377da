#pragma once

#include "platform/core/PixelBuffer.h"

#include <memory>

class TcxExtendedStylePainters;
class TcxRadioButtonImageList;
class TcxSystemPaletteChangedNotifier;

// The painters' process-wide state, made the first time any of it is asked for and freed when
// the process ends: the skin-painter registry, the pattern bitmaps of scroll-bar page areas, a
// primary system-palette notifier that renders the cached glyphs again before any control hears
// of a colour change, and the radio glyph cache (made on first use).
class TcxPainterResources {
public:
    TcxPainterResources();
    ~TcxPainterResources();
    TcxPainterResources(const TcxPainterResources&) = delete;
    TcxPainterResources& operator=(const TcxPainterResources&) = delete;

    TcxExtendedStylePainters& ExtendedStylePainters() { return *FRegistry; }
    // The glyph cache, made on first use.
    TcxRadioButtonImageList& RadioButtonImages();
    // Makes sure colour changes are heard in the running window system.
    void Listen();
    bool HasRadioButtonImages() const { return FRadioImages != nullptr; }
    // The 8 x 8 page-area pattern: a checkerboard of clBtnHighlight and clBtnFace, or, pressed,
    // of cl3DDkShadow and black.
    std::shared_ptr<const TPixelBuffer> ScrollBarPattern(bool pressed) const {
        return pressed ? FPressedPattern : FPattern;
    }
    void UpdateScrollBarBitmaps();

private:
    std::unique_ptr<TcxExtendedStylePainters> FRegistry;
    std::unique_ptr<TcxRadioButtonImageList> FRadioImages;
    std::shared_ptr<const TPixelBuffer> FPattern;
    std::shared_ptr<const TPixelBuffer> FPressedPattern;
    std::unique_ptr<TcxSystemPaletteChangedNotifier> FNotifier;

    void SystemPaletteChanged();
};

// The state, made on first use.
TcxPainterResources& PainterResources();
// Builds the scroll-bar pattern bitmaps again from the current system colours.
void UpdateScrollBarBitmaps();
