#include "platform/draw/DC.h"

#include "platform/draw/DCStateSaver.h"

#include <algorithm>

namespace {

// The pixels of a square glyph of side s below its anti-diagonal (the lower-right half).
TRegion LowerRightHalf(int left, int top, int side) {
    std::vector<TRect> rows;
    for (int i = 0; i < side; ++i) {
        int first = side - i; // column j belongs when i + j > side - 1
        if (first < side)
            rows.push_back({left + first, top + i, left + side, top + i + 1});
    }
    return TRegion::FromRects(rows);
}

} // namespace

// Classic pictures: a 12 x 12 radio circle in a 13 x 13 cell (the side is the cell's smaller
// dimension rounded down to even), a check box with a sunken frame; the flat and mono variants
// draw one-colour rings.
bool TDC::DrawFrameControl(const TRect& r, unsigned type, unsigned state) {
    if (type != DFC_BUTTON || r.IsEmpty())
        return false;
    const unsigned kind = state & 0xFF;
    const bool flat = state & DFCS_FLAT;
    const bool mono = state & DFCS_MONO;
    const bool checked = state & DFCS_CHECKED;
    const bool pushed = state & DFCS_PUSHED;
    const bool inactive = state & DFCS_INACTIVE;
    TDCStateSaver saver(*this);
    const TColor body = (pushed || inactive) ? clBtnFace : clWindow;
    const TColor mark = inactive ? clBtnShadow : clWindowText;

    if (kind == DFCS_BUTTONRADIOMASK || kind == DFCS_BUTTONRADIOIMAGE || kind == DFCS_BUTTONRADIO) {
        int side = std::min(r.Width(), r.Height()) & ~1;
        const int l = r.Left;
        const int t = r.Top;
        if (kind == DFCS_BUTTONRADIOMASK) {
            // White around, black disc: the shape of the picture.
            FillRect(r, clWhite);
            SelectPen({PS_SOLID, 1, clBlack});
            SelectBrush({BS_SOLID, clBlack, nullptr});
            Ellipse(l, t, l + side, t + side);
        } else {
            SelectBrush({BS_SOLID, body, nullptr});
            if (flat || mono) {
                SelectPen({PS_SOLID, 1, mono ? clWindowFrame : clBtnShadow});
                Ellipse(l, t, l + side, t + side);
            } else {
                // Outer ring shadow/highlight, inner ring dark shadow/light, split along the
                // anti-diagonal.
                TRegion lower = LowerRightHalf(l, t, side);
                SelectPen({PS_SOLID, 1, clBtnShadow});
                Ellipse(l, t, l + side, t + side);
                SelectPen({PS_SOLID, 1, cl3DDkShadow});
                Ellipse(l + 1, t + 1, l + side - 1, t + side - 1);
                TDCStateSaver lowerHalf(*this);
                ExtSelectClipRgn(&lower, RGN_AND);
                SelectBrush({BS_NULL, clWhite, nullptr});
                SelectPen({PS_SOLID, 1, clBtnHighlight});
                Ellipse(l, t, l + side, t + side);
                SelectPen({PS_SOLID, 1, cl3DLight});
                Ellipse(l + 1, t + 1, l + side - 1, t + side - 1);
            }
            if (checked) {
                int dot = std::max(2, (side / 3) & ~1);
                int o = (side - dot) / 2;
                SelectPen({PS_SOLID, 1, mark});
                SelectBrush({BS_SOLID, mark, nullptr});
                Ellipse(l + o, t + o, l + o + dot, t + o + dot);
            }
        }
        return true;
    }

    if (kind == DFCS_BUTTONCHECK || kind == DFCS_BUTTON3STATE) {
        TRect box =
            TRect::FromXYWH(r.Left, r.Top, std::min(r.Width(), 13), std::min(r.Height(), 13));
        TRect inner = box;
        if (flat || mono) {
            FrameRect(box, {BS_SOLID, mono ? clWindowFrame : clBtnShadow, nullptr});
            inner = box.Inflated(-1, -1);
        } else {
            DrawEdge(inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        }
        bool grey = kind == DFCS_BUTTON3STATE && checked;
        FillRect(inner, grey ? clBtnFace : body);
        if (checked) {
            // The classic check mark: seven columns, three pixels tall each.
            static constexpr int tops[7] = {2, 3, 4, 3, 2, 1, 0};
            int x0 = inner.Left + (inner.Width() - 7) / 2;
            int y0 = inner.Top + (inner.Height() - 7) / 2;
            TColor c = grey ? clBtnShadow : mark;
            for (int i = 0; i < 7; ++i)
                FillRect(TRect::FromXYWH(x0 + i, y0 + tops[i], 1, 3), c);
        }
        return true;
    }

    if (kind == DFCS_BUTTONPUSH) {
        TRect rc = r;
        DrawEdge(rc, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE);
        return true;
    }
    return false;
}
