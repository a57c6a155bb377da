#pragma once

#include "platform/core/Color.h"

#include <cstdint>
#include <string>

// Constants and plain descriptions of the drawing layer, with the platform's numeric values.

// Pen styles.
enum : int {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};

// Brush styles.
enum : int {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HOLLOW = BS_NULL,
    BS_PATTERN = 3,
};

// Background modes.
enum : int {
    TRANSPARENT = 1,
    OPAQUE = 2,
};

// Foreground mixes of pens and brushes.
enum : int {
    R2_BLACK = 1,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_NOP = 11,
    R2_COPYPEN = 13,
    R2_WHITE = 16,
};

// Text alignment for TextOut / ExtTextOut.
enum : unsigned {
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// DrawText flags.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_EDITCONTROL = 0x2000,
    DT_END_ELLIPSIS = 0x8000,
    DT_HIDEPREFIX = 0x100000,
    DT_PREFIXONLY = 0x200000,
};

// ExtTextOut options.
enum : unsigned {
    ETO_OPAQUE = 0x2,
    ETO_CLIPPED = 0x4,
};

// DrawEdge borders and sides.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER,
    BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_TOPLEFT = BF_TOP | BF_LEFT,
    BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x800,
    BF_SOFT = 0x1000,
    BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000,
    BF_MONO = 0x8000,
};

// Raster operations of the bit-block copies (ternary code in bits 16-23).
enum : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// DrawFrameControl.
enum : unsigned {
    DFC_CAPTION = 1,
    DFC_MENU = 2,
    DFC_SCROLL = 3,
    DFC_BUTTON = 4,
    DFCS_BUTTONCHECK = 0x0,
    DFCS_BUTTONRADIOIMAGE = 0x1,
    DFCS_BUTTONRADIOMASK = 0x2,
    DFCS_BUTTONRADIO = 0x4,
    DFCS_BUTTON3STATE = 0x8,
    DFCS_BUTTONPUSH = 0x10,
    DFCS_INACTIVE = 0x100,
    DFCS_PUSHED = 0x200,
    DFCS_CHECKED = 0x400,
    DFCS_FLAT = 0x4000,
    DFCS_MONO = 0x8000,
};

// Predefined bitmaps.
enum : int {
    OBM_CHECKBOXES = 32759,
};

// Font weights and character sets.
enum : int {
    FW_DONTCARE = 0,
    FW_NORMAL = 400,
    FW_BOLD = 700,
};
enum : std::uint8_t {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    GB2312_CHARSET = 134,
};

// Pitch-and-family flag of a scalable (TrueType) face in TTextMetric::PitchAndFamily.
enum : std::uint8_t {
    TMPF_FIXED_PITCH = 0x1,
    TMPF_VECTOR = 0x2,
    TMPF_TRUETYPE = 0x4,
};

struct TLogPen {
    int Style = PS_SOLID;
    int Width = 1;
    TColor Color = clBlack;
    bool operator==(const TLogPen&) const = default;
};

// A font request. Height < 0: character height (em) in pixels; Height > 0: cell height
// (ascent + descent); 0: the default size. Escapement in tenths of a degree, counter-clockwise.
// FaceName is a GBK string.
struct TLogFont {
    int Height = -11;
    int Escapement = 0;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint8_t CharSet = DEFAULT_CHARSET;
    std::string FaceName = "MS Sans Serif";
    bool operator==(const TLogFont&) const = default;
};

struct TTextMetric {
    int Height = 0;  // ascent + descent
    int Ascent = 0;  // above the baseline
    int Descent = 0; // below the baseline
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underlined = false;
    bool StruckOut = false;
    std::uint8_t PitchAndFamily = 0;
    std::uint8_t CharSet = DEFAULT_CHARSET;
};

// Region combination modes (clip selection and CombineRgn).
enum : int {
    RGN_AND = 1,
    RGN_OR = 2,
    RGN_XOR = 3,
    RGN_DIFF = 4,
    RGN_COPY = 5,
};

// Region complexity answers.
enum : int {
    RGN_ERROR = 0,
    NULLREGION = 1,
    SIMPLEREGION = 2,
    COMPLEXREGION = 3,
};
