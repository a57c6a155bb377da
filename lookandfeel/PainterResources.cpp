#include "lookandfeel/PainterResources.h"

#include "lookandfeel/ExtendedStylePainters.h"
#include "lookandfeel/RadioButtonImageList.h"
#include "lookandfeel/SystemPaletteChangedNotifier.h"

namespace {

TcxPainterResources* gResources = nullptr;
bool gFinalized = false;

std::shared_ptr<const TPixelBuffer> Checkerboard(TColor odd, TColor even) {
    auto buf = std::make_shared<TPixelBuffer>(8, 8);
    const TPixel a = ColorToPixel(odd);
    const TPixel b = ColorToPixel(even);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            buf->At(x, y) = ((x ^ y) & 1) ? a : b;
    return buf;
}

// Frees the state when the process ends.
struct TResourcesOwner {
    ~TResourcesOwner() {
        gFinalized = true;
        TcxPainterResources* resources = gResources;
        gResources = nullptr;
        delete resources;
    }
};

} // namespace

TcxPainterResources::TcxPainterResources()
    : FRegistry(std::make_unique<TcxExtendedStylePainters>()) {
    UpdateScrollBarBitmaps();
    FNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(true);
    FNotifier->OnSystemPaletteChanged = [this] { SystemPaletteChanged(); };
}

// In reverse order of making: the notifier, the bitmaps, the glyph cache, the registry.
TcxPainterResources::~TcxPainterResources() {
    FNotifier.reset();
    FPattern.reset();
    FPressedPattern.reset();
    FRadioImages.reset();
    FRegistry.reset();
}

TcxRadioButtonImageList& TcxPainterResources::RadioButtonImages() {
    if (!FRadioImages)
        FRadioImages = std::make_unique<TcxRadioButtonImageList>();
    return *FRadioImages;
}

void TcxPainterResources::Listen() {
    FNotifier->Listen();
}

void TcxPainterResources::UpdateScrollBarBitmaps() {
    FPattern = Checkerboard(clBtnHighlight, clBtnFace);
    FPressedPattern = Checkerboard(cl3DDkShadow, clBlack);
}

void TcxPainterResources::SystemPaletteChanged() {
    if (FRadioImages)
        FRadioImages->Reset();
    UpdateScrollBarBitmaps();
}

TcxPainterResources& PainterResources() {
    if (!gResources) {
        static TResourcesOwner owner;
        gResources = new TcxPainterResources;
    }
    return *gResources;
}

void UpdateScrollBarBitmaps() {
    PainterResources().UpdateScrollBarBitmaps();
}

TcxExtendedStylePainters* GetExtendedStylePainters() {
    if (gFinalized)
        return nullptr;
    return &PainterResources().ExtendedStylePainters();
}

TcxExtendedStylePainters* ExistingExtendedStylePainters() {
    return gResources ? &gResources->ExtendedStylePainters() : nullptr;
}
