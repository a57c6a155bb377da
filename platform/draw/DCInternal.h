#pragma once

// Shared by the device context's source files; not for other users.

#include "platform/draw/DC.h"
#include "platform/draw/RealizedFont.h"

#include <vector>

// How a span of pixels is painted: one colour, an XOR or inversion, or a brush pattern.
struct TDC::TPaint {
    enum TKind { pkNone, pkSolid, pkXor, pkNot, pkPattern };
    TKind Kind = pkNone;
    TPixel Px = 0;
    const TPixelBuffer* Pattern = nullptr;
    TPoint PatOrg; // device position of the pattern's (0,0)
    bool Mono = false;
};

// A path: the pixels it encloses, in device coordinates.
struct TDC::TPathMask {
    TRegion Region;
};

// A line of text laid out: each character's glyph and pen position.
struct TDC::TTextRun {
    struct TItem {
        const TGlyph* Glyph;
        int X;
    };
    std::vector<TItem> Items;
    int Width = 0;
};

// a mod m in 0..m-1 for any sign of a.
inline int DrawFloorMod(int a, int m) {
    int r = a % m;
    return r < 0 ? r + m : r;
}

inline bool PenIsDrawn(const TLogPen& p) {
    return p.Style != PS_NULL;
}

// Black or white, whichever is nearer: what a monochrome surface holds.
inline TPixel MonoPixel(TPixel px) {
    int lum = int((px >> 16) & 0xFF) + int((px >> 8) & 0xFF) + int(px & 0xFF);
    return lum >= 3 * 128 ? 0xFFFFFFu : 0u;
}
