#pragma once

#include "platform/component/Collection.h"
#include "platform/draw/Picture.h"
#include "platform/draw/Resources.h"

#include <cstdint>
#include <string>

class TsuiTitleBar;

// Where a title-bar section sits: from the left edge, from the right edge, or stretched over what
// the other sections leave.
enum TsuiTitleBarAlign : std::uint8_t {
    suiLeft = 0,
    suiRight = 1,
    suiClient = 2,
};

// One picture strip of a title bar's background. Every change repaints the bar.
class TsuiTitleBarSection : public TCollectionItem {
public:
    TsuiTitleBarSection() = default;

    std::string ClassName() const override { return "TsuiTitleBarSection"; }

    // With AutoSize the section takes its picture's width.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    int Width() const { return FWidth; }
    void SetWidth(int v);
    // Only one section of a bar can be suiClient: a second one is refused with an error box.
    TsuiTitleBarAlign Align() const { return FAlign; }
    void SetAlign(TsuiTitleBarAlign v);
    // A suiClient section is always stretched.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);

    const TPicture& Picture() const { return FPicture; }
    // Copies the picture (nullptr empties it).
    void SetPicture(const TPicture* picture);
    // Reads a bitmap resource of the module (nullptr: the program's own) as the picture and
    // remembers its name, as layouts store it; the empty name empties the picture.
    void LoadPicture(HMODULE module, const std::string& name);
    const std::string& PictureResource() const { return FPictureResource; }

    TsuiTitleBar* Bar() const;

    // Copies Width, Align, Picture, Stretch and AutoSize.
    bool Assign(const TPersistent& source) override;

private:
    void PictureChanged();

    int FWidth = 10;
    TsuiTitleBarAlign FAlign = suiLeft;
    TPicture FPicture;
    std::string FPictureResource;
    bool FStretch = false;
    bool FAutoSize = false;
};

// The sections of a title bar, in drawing order.
class TsuiTitleBarSections : public TCollectionOf<TsuiTitleBarSection> {
public:
    explicit TsuiTitleBarSections(TsuiTitleBar* bar) : FBar(bar) {}

    std::string ClassName() const override { return "TsuiTitleBarSections"; }
    TsuiTitleBar* Bar() const { return FBar; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTitleBar* FBar;
};
