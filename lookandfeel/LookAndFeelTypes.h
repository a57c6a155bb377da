#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// The value types of the look-and-feel settings and of the painters' operations.

enum TcxLookAndFeelKind : std::uint8_t { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
enum TcxLookAndFeelStyle : std::uint8_t {
    lfsFlat,
    lfsStandard,
    lfsUltraFlat,
    lfsNative,
    lfsOffice11
};
enum TcxLookAndFeelValue : std::uint8_t { lfvKind, lfvNativeStyle, lfvSkinName };

// A set of TcxLookAndFeelValue in one byte: bit 0 lfvKind, bit 1 lfvNativeStyle, bit 2
// lfvSkinName.
class TcxLookAndFeelValues {
public:
    constexpr TcxLookAndFeelValues() = default;
    constexpr TcxLookAndFeelValues(std::initializer_list<TcxLookAndFeelValue> values) {
        for (TcxLookAndFeelValue v : values)
            FBits = std::uint8_t(FBits | Bit(v));
    }
    static constexpr TcxLookAndFeelValues FromBits(std::uint8_t bits) {
        TcxLookAndFeelValues s;
        s.FBits = std::uint8_t(bits & 7);
        return s;
    }
    static constexpr TcxLookAndFeelValues All() { return FromBits(7); }

    constexpr std::uint8_t Bits() const { return FBits; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool Contains(TcxLookAndFeelValue v) const { return (FBits & Bit(v)) != 0; }
    constexpr void Include(TcxLookAndFeelValue v) { FBits = std::uint8_t(FBits | Bit(v)); }
    constexpr void Exclude(TcxLookAndFeelValue v) { FBits = std::uint8_t(FBits & ~Bit(v)); }
    constexpr TcxLookAndFeelValues operator+(TcxLookAndFeelValues o) const {
        return FromBits(std::uint8_t(FBits | o.FBits));
    }
    constexpr TcxLookAndFeelValues operator-(TcxLookAndFeelValues o) const {
        return FromBits(std::uint8_t(FBits & ~o.FBits));
    }
    constexpr bool operator==(const TcxLookAndFeelValues&) const = default;

private:
    static constexpr std::uint8_t Bit(TcxLookAndFeelValue v) { return std::uint8_t(1u << v); }
    std::uint8_t FBits = 0;
};

// The name of a registered skin; empty means no skin.
using TdxSkinName = std::string;

struct TcxLookAndFeelData {
    TcxLookAndFeelKind Kind = lfUltraFlat;
    bool NativeStyle = false;
    TdxSkinName SkinName;
    bool operator==(const TcxLookAndFeelData&) const = default;
};

// The style a kind reports, and the kind a style stands for (the native style counts as
// standard).
constexpr TcxLookAndFeelStyle LookAndFeelStyleOfKind(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return lfsFlat;
    case lfStandard:
        return lfsStandard;
    case lfUltraFlat:
        return lfsUltraFlat;
    case lfOffice11:
        return lfsOffice11;
    }
    return lfsStandard;
}
constexpr TcxLookAndFeelKind LookAndFeelKindOfStyle(TcxLookAndFeelStyle style) {
    switch (style) {
    case lfsFlat:
        return lfFlat;
    case lfsStandard:
    case lfsNative:
        return lfStandard;
    case lfsUltraFlat:
        return lfUltraFlat;
    case lfsOffice11:
        return lfOffice11;
    }
    return lfStandard;
}

// Arguments of the painters' operations.
enum TcxButtonState : std::uint8_t { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
enum TcxCheckBoxState : std::uint8_t { cbsUnchecked, cbsChecked, cbsGrayed };
enum TcxScrollBarPart : std::uint8_t {
    sbpNone,
    sbpLineUp,
    sbpLineDown,
    sbpThumbnail,
    sbpPageUp,
    sbpPageDown
};
enum TcxArrowDirection : std::uint8_t { adUp, adDown, adLeft, adRight };
