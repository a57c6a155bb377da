#pragma once

#include "platform/core/Geometry.h"

#include <string_view>

class TDC;

// The classic window frame of windows with the caption style: metrics and the parts' places in
// window coordinates.
struct TClassicFrameMetrics {
    int Border = 0;     // frame width on each side
    int Caption = 0;    // caption bar height (0 without caption)
    int ClientEdge = 0; // sunken edge inside the frame
    TRect CaptionRect;
    TRect CloseButton;
    TRect MaxButton;
    TRect MinButton;
};

constexpr int kCaptionHeight = 18;
constexpr int kCaptionButtonWidth = 16;
constexpr int kCaptionButtonHeight = 14;

TClassicFrameMetrics ClassicFrameMetrics(unsigned style, unsigned exStyle, TSize windowSize);

// Draws the window text in the caption bar. The text drawing of the layer's drawing context is
// not there yet, so this draws nothing for now; the caption bar, its buttons and the border are
// drawn.
void DrawCaptionText(TDC& dc, const TRect& textRect, std::string_view textGbk, bool active);
