#pragma once

#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/core/PixelBuffer.h"
#include "platform/core/Region.h"
#include "platform/draw/DrawTypes.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class TRealizedFont;

// A brush: solid colour, none, or a bitmap pattern tiled from the brush origin.
struct TLogBrush {
    int Style = BS_SOLID;
    TColor Color = clWhite;
    std::shared_ptr<const TPixelBuffer> Pattern; // BS_PATTERN
    bool operator==(const TLogBrush&) const = default;
};

// A drawing context over a 32-bit pixel buffer (a window's composed image or a bitmap).
//
// Coordinates given to a drawing call are logical: the device point is the logical point plus
// the device origin (where the window's client area starts in the buffer) plus the viewport
// origin. Every drawing call is clipped to the device clip (fixed at creation: the part of the
// buffer the owner may touch, e.g. a window's visible and update region) intersected with the
// selectable clip region. The whole state (pen, brush, font, colours, modes, position, origins,
// clip) is saved and restored as a stack.
//
// Pixel rules: rectangles cover Left <= x < Right, Top <= y < Bottom. Rectangle, RoundRect,
// Ellipse and Polygon cover the same pixels as the box they are given; the pen's outline lies
// inside the box and the brush fills what the outline leaves. With a null pen the filled shape
// is one pixel smaller on the right and bottom, as on the platform. Lines leave out their end
// point.
class TDC {
public:
    // deviceOrigin: buffer position of logical (0,0) before any viewport shift.
    // deviceClip: buffer pixels this context may touch, in buffer coordinates.
    TDC(TPixelBuffer& target, TPoint deviceOrigin, const TRegion& deviceClip);
    // A context over the whole buffer with origin (0,0).
    explicit TDC(TPixelBuffer& target);
    virtual ~TDC();

    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    TPixelBuffer& Target() { return *Buffer; }
    const TPixelBuffer& Target() const { return *Buffer; }
    TPoint DeviceOrigin() const { return Origin; }
    // A monochrome context (over a 1-bit bitmap) holds only black and white; copies between it
    // and colour contexts translate through the text and background colours.
    void SetMonochrome(bool mono) { Mono = mono; }
    bool IsMonochrome() const { return Mono; }

    // Viewport origin: shifts every later logical coordinate.
    TPoint GetViewportOrg() const { return State.ViewportOrg; }
    TPoint SetViewportOrg(TPoint org);
    TPoint OffsetViewportOrg(int dx, int dy);
    // Window origin: the logical point that lands on the viewport origin (the opposite shift).
    TPoint GetWindowOrg() const { return State.WindowOrg; }
    TPoint SetWindowOrg(TPoint org);
    // Brush origin: where pattern brushes start their tile, in logical coordinates.
    TPoint SetBrushOrg(TPoint org);
    TPoint GetBrushOrg() const { return State.BrushOrg; }

    // State stack. SaveDC returns the new depth (1 for the first save); RestoreDC(-1) pops one
    // level, RestoreDC(n) returns to the state saved by the save that returned n.
    int SaveDC();
    bool RestoreDC(int level);

    // Clipping, in logical coordinates. The selectable clip starts as "none" (everything).
    void SelectClipRgn(const TRegion* logicalRegion); // nullptr removes the selectable clip
    // Combines the selectable clip with a logical region (RGN_AND/OR/XOR/DIFF/COPY).
    int ExtSelectClipRgn(const TRegion* logicalRegion, int mode);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    void OffsetClipRgn(int dx, int dy);
    bool HasClipRgn() const { return State.HasClip; }
    // The effective clip in logical coordinates.
    TRegion GetClipRegion() const;
    TRect GetClipBox() const;
    bool RectVisible(const TRect& r) const;
    bool PtVisible(TPoint p) const;

    // Objects and modes. Each setter returns the previous value.
    TLogPen SelectPen(const TLogPen& pen);
    TLogBrush SelectBrush(const TLogBrush& brush);
    TLogFont SelectFont(const TLogFont& font);
    const TLogPen& GetPen() const { return State.Pen; }
    const TLogBrush& GetBrush() const { return State.Brush; }
    const TLogFont& GetFont() const { return State.Font; }
    TColor SetTextColor(TColor c);
    TColor GetTextColor() const { return State.TextColor; }
    TColor SetBkColor(TColor c);
    TColor GetBkColor() const { return State.BkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return State.BkMode; }
    int SetROP2(int mode);
    int GetROP2() const { return State.Rop2; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return State.TextAlign; }

    // Primitives.
    void FillRect(const TRect& r, TColor color);
    void FillRect(const TRect& r, const TLogBrush& brush);
    void FillRgn(const TRegion& logicalRegion, const TLogBrush& brush);
    void FrameRect(const TRect& r, const TLogBrush& brush); // 1-pixel frame inside r
    void InvertRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(const TPoint* points, int count);
    void Polyline(const TPoint* points, int count);
    void MoveToEx(int x, int y, TPoint* old = nullptr);
    void LineTo(int x, int y);
    TPoint GetCurrentPosition() const { return State.Pos; }
    TColor GetPixel(TPoint p) const; // 0xFFFFFFFF outside the clip
    void SetPixel(TPoint p, TColor color);
    // 3-D borders (BDR_* in edge, BF_* in flags). BF_ADJUST shrinks r by the drawn widths.
    bool DrawEdge(TRect& r, unsigned edge, unsigned flags);
    // The dotted focus frame, drawn by inverting: drawing it twice restores the pixels. The dots
    // are XOR-ed with the background colour, the gaps with the text colour.
    void DrawFocusRect(const TRect& r);
    // Predefined button pictures (DFC_BUTTON with DFCS_BUTTONRADIO/RADIOMASK/RADIOIMAGE/CHECK,
    // DFCS_FLAT, DFCS_MONO, DFCS_CHECKED, DFCS_PUSHED, DFCS_INACTIVE).
    bool DrawFrameControl(const TRect& r, unsigned type, unsigned state);
    // The colour the device shows for c (the screen shows every 24-bit colour).
    TColor GetNearestColor(TColor c) const;

    // Text. Strings are GBK; x advances by the sum of the glyph advances that measuring reports.
    const TTextMetric& GetTextMetrics();
    TSize GetTextExtentPoint32(std::string_view text);
    // Extents of every prefix: partial[i] = width of characters 0..i (one entry per
    // character, double-byte characters counting once); fit = how many characters fit within
    // maxExtent (pass a negative maxExtent to skip). Answers the whole extent.
    TSize GetTextExtentExPoint(std::string_view text, int maxExtent, int* fit,
                               std::vector<int>* partial);
    bool TextOut(int x, int y, std::string_view text);
    // ETO_OPAQUE fills rect with the background colour, ETO_CLIPPED clips to it; dx gives the
    // advance of each character (one entry per character) when not null.
    bool ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                    const int* dx = nullptr);
    // Formatted text (DT_* flags). Answers the text height; with DT_CALCRECT only measures and
    // sets r's right and bottom to the text's extent.
    int DrawText(std::string_view text, TRect& r, unsigned format);

    // Paths: text drawn between BeginPath and EndPath becomes the path instead of pixels.
    bool BeginPath();
    bool EndPath();
    bool AbortPath();
    bool StrokePath(); // outline of the path with the pen
    bool FillPath();   // inside of the path with the brush
    bool StrokeAndFillPath();
    bool SelectClipPath(int mode);

    // Bit-block copies between contexts (source in the source's logical coordinates). The raster
    // operation combines source, destination and the destination's brush (SRCCOPY, SRCAND...).
    bool BitBlt(int x, int y, int w, int h, const TDC* src, int sx, int sy, std::uint32_t rop);
    // Nearest-pixel stretching.
    bool StretchBlt(int x, int y, int w, int h, const TDC* src, int sx, int sy, int sw, int sh,
                    std::uint32_t rop);
    // Stretching copy that leaves out source pixels of the key colour.
    bool TransparentBlt(int x, int y, int w, int h, const TDC& src, int sx, int sy, int sw, int sh,
                        TColor key);
    // Copies pixels of a buffer (no clip on the source side beyond its bounds).
    void DrawBuffer(int x, int y, const TPixelBuffer& src, const TRect& srcRect);

protected:
    struct TState {
        TPoint ViewportOrg;
        TPoint WindowOrg;
        bool HasClip = false;
        TRegion Clip; // device coordinates
        TLogPen Pen;
        TLogBrush Brush;
        TLogFont Font;
        std::shared_ptr<TRealizedFont> Realized;
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        int BkMode = OPAQUE;
        int Rop2 = R2_COPYPEN;
        unsigned TextAlign = TA_LEFT | TA_TOP;
        TPoint Pos;
        TPoint BrushOrg;
    };

    TPixelBuffer* Buffer;
    TPoint Origin;
    TRegion DeviceClip;
    TState State;
    std::vector<TState> Saved;
    bool Mono = false;

    TPoint ToDevice(TPoint p) const { return p + DeviceShift(); }
    TRect ToDevice(const TRect& r) const { return r.Offset(DeviceShift()); }
    TPoint DeviceShift() const { return Origin + State.ViewportOrg - State.WindowOrg; }
    // The effective clip in device coordinates.
    const TRegion& EffectiveClip() const;
    // Fills device pixels of r (device coordinates) inside the effective clip.
    void FillDeviceRect(const TRect& r, TPixel px);

private:
    struct TPaint;
    struct TPathMask;
    struct TTextRun;

    mutable TRegion ClipCache;
    mutable bool ClipValid = false;
    std::unique_ptr<TPathMask> Path;
    bool PathOpen = false;

    void ClipChanged() { ClipValid = false; }
    TPixel DevicePixel(TColor c) const;
    TPaint PenPaint() const;
    TPaint BrushPaint(const TLogBrush& b) const;
    void PaintSpan(int y, int x0, int x1, const TPaint& p);
    void PaintDeviceRect(const TRect& r, const TPaint& p);
    void PaintDeviceRegion(const TRegion& r, const TPaint& p);
    void PaintShape(const TRect& devBox, int ew, int eh);
    void PaintDevicePixel(int x, int y, const TPaint& p);
    void DeviceLine(TPoint a, TPoint b, const TPaint& p, int width, int style, int& phase);
    TRealizedFont& Font();
    // One line of text measured (and drawn); tabStop > 0 expands tabs to multiples of it.
    int LineTextOut(int x, int y, std::string_view text, const int* dx, bool draw, int tabStop = 0);
    void BlendGlyphs(const TTextRun& run, TPoint devOrigin, const TRect* devClip);
    void CopyBlock(const TRect& dst, const TDC* src, int sx, int sy, int sw, int sh,
                   std::uint32_t rop, bool transparent, TColor key);
};
