#include "platform/window/ClassicFrame.h"

#include "platform/draw/DC.h"
#include "platform/draw/DCStateSaver.h"
#include "platform/draw/SystemFonts.h"
#include "platform/window/WindowSystem.h"

TClassicFrameMetrics ClassicFrameMetrics(unsigned style, unsigned exStyle, TSize size) {
    TClassicFrameMetrics m;
    bool caption = (style & WS_CAPTION) == WS_CAPTION;
    if (style & WS_THICKFRAME)
        m.Border = 4;
    else if (caption || (style & WS_CAPTION) == WS_DLGFRAME || (exStyle & WS_EX_DLGMODALFRAME))
        m.Border = 3;
    else if (style & WS_BORDER)
        m.Border = 1;
    if (exStyle & WS_EX_CLIENTEDGE)
        m.ClientEdge = 2;
    else if (exStyle & WS_EX_STATICEDGE)
        m.ClientEdge = 1;
    if (caption) {
        m.Caption = kCaptionHeight;
        m.CaptionRect = TRect(m.Border, m.Border, size.cx - m.Border, m.Border + m.Caption);
        int top = m.Border + (m.Caption - kCaptionButtonHeight) / 2;
        int right = size.cx - m.Border - 2;
        if (style & WS_SYSMENU) {
            m.CloseButton =
                TRect(right - kCaptionButtonWidth, top, right, top + kCaptionButtonHeight);
            right = m.CloseButton.Left - 2;
        }
        if (style & WS_MAXIMIZEBOX) {
            m.MaxButton =
                TRect(right - kCaptionButtonWidth, top, right, top + kCaptionButtonHeight);
            right = m.MaxButton.Left;
        }
        if (style & WS_MINIMIZEBOX)
            m.MinButton =
                TRect(right - kCaptionButtonWidth, top, right, top + kCaptionButtonHeight);
    }
    return m;
}

TRect DefaultClientRect(const TWnd* w, const TRect& windowRect) {
    TClassicFrameMetrics m = ClassicFrameMetrics(w->Style, w->ExStyle, windowRect.Size());
    int inset = m.Border + m.ClientEdge;
    TRect c(windowRect.Left + inset, windowRect.Top + inset + m.Caption, windowRect.Right - inset,
            windowRect.Bottom - inset);
    if (c.Right < c.Left)
        c.Right = c.Left;
    if (c.Bottom < c.Top)
        c.Bottom = c.Top;
    return c;
}

int DefaultNcHitTest(const TWnd* w, TPoint screen) {
    TPoint p = screen - WindowOriginOnScreen(w);
    TSize size = w->Rect.Size();
    if (!TRect(0, 0, size.cx, size.cy).Contains(p))
        return HTNOWHERE;
    if (w->Region && !w->Region->Contains(p))
        return HTNOWHERE;
    if (w->Client.Contains(p))
        return HTCLIENT;
    TClassicFrameMetrics m = ClassicFrameMetrics(w->Style, w->ExStyle, size);
    if (m.CloseButton.Contains(p))
        return HTCLOSE;
    if (m.MaxButton.Contains(p))
        return HTMAXBUTTON;
    if (m.MinButton.Contains(p))
        return HTMINBUTTON;
    if ((w->Style & WS_THICKFRAME) && !w->Maximized) {
        const int corner = 16;
        bool left = p.X < m.Border, right = p.X >= size.cx - m.Border;
        bool top = p.Y < m.Border, bottom = p.Y >= size.cy - m.Border;
        bool nearLeft = p.X < corner, nearRight = p.X >= size.cx - corner;
        bool nearTop = p.Y < corner, nearBottom = p.Y >= size.cy - corner;
        if ((top && nearLeft) || (left && nearTop))
            return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop))
            return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom))
            return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom))
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    if (m.CaptionRect.Contains(p))
        return HTCAPTION;
    return HTBORDER;
}

namespace {
void Frame(TDC& dc, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.IsEmpty())
        return;
    dc.FillRect(TRect(r.Left, r.Top, r.Right - 1, r.Top + 1), topLeft);
    dc.FillRect(TRect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), topLeft);
    dc.FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom), bottomRight);
    dc.FillRect(TRect(r.Right - 1, r.Top, r.Right, r.Bottom), bottomRight);
}

TColor Blend(TColor a, TColor b, int num, int den) {
    auto mix = [&](int ca, int cb) {
        return std::uint8_t(ca + (cb - ca) * num / (den > 0 ? den : 1));
    };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void CaptionButton(TDC& dc, const TRect& r, int kind) {
    if (r.IsEmpty())
        return;
    dc.FillRect(r, clBtnFace);
    Frame(dc, r, clBtnHighlight, cl3DDkShadow);
    Frame(dc, r.Inflated(-1, -1), cl3DLight, clBtnShadow);
    TColor ink = clBtnText;
    int cx = r.Left + (r.Width() - 8) / 2;
    int cy = r.Top + (r.Height() - 7) / 2;
    if (kind == HTCLOSE) {
        // An X of two-pixel strokes, 8 by 7.
        for (int i = 0; i < 7; ++i) {
            dc.FillRect(TRect(cx + i, cy + i, cx + i + 2, cy + i + 1), ink);
            dc.FillRect(TRect(cx + 6 - i, cy + i, cx + 8 - i, cy + i + 1), ink);
        }
    } else if (kind == HTMINBUTTON) {
        dc.FillRect(TRect(cx + 1, cy + 5, cx + 7, cy + 7), ink);
    } else if (kind == HTMAXBUTTON) {
        dc.FillRect(TRect(cx, cy - 1, cx + 9, cy + 1), ink);
        Frame(dc, TRect(cx, cy - 1, cx + 9, cy + 8), ink, ink);
    }
}
} // namespace

// The window text in the desktop's caption font (bold), vertically centred, shortened with an
// ellipsis when it does not fit.
void DrawCaptionText(TDC& dc, const TRect& r, std::string_view text, bool active) {
    if (text.empty() || r.IsEmpty())
        return;
    TLogFont font = GetMessageLogFont();
    font.Weight = FW_BOLD;
    TDCStateSaver saver(dc);
    dc.SelectFont(font);
    dc.SetTextColor(active ? clCaptionText : clInactiveCaptionText);
    dc.SetBkMode(TRANSPARENT);
    TRect box = r;
    dc.DrawText(text, box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void DrawClassicFrame(TWnd* w, TDC& dc) {
    TSize size = w->Rect.Size();
    TClassicFrameMetrics m = ClassicFrameMetrics(w->Style, w->ExStyle, size);
    TRect all(0, 0, size.cx, size.cy);
    if (m.Border == 1) {
        Frame(dc, all, clWindowFrame, clWindowFrame);
    } else if (m.Border > 1) {
        dc.FillRect(all, clBtnFace); // the client area is clipped away
        Frame(dc, all, cl3DLight, cl3DDkShadow);
        Frame(dc, all.Inflated(-1, -1), clBtnHighlight, clBtnShadow);
    }
    if (m.Caption > 0) {
        bool active = w->Active;
        TColor from = active ? clActiveCaption : clInactiveCaption;
        TColor to = active ? clGradientActiveCaption : clGradientInactiveCaption;
        TColor a = ColorToRGB(from), b = ColorToRGB(to);
        TRect cr = m.CaptionRect;
        const int step = 4;
        for (int x = cr.Left; x < cr.Right; x += step) {
            dc.FillRect(TRect(x, cr.Top, std::min(x + step, cr.Right), cr.Bottom),
                        Blend(a, b, x - cr.Left, cr.Width()));
        }
        int textRight = cr.Right;
        for (const TRect* btn : {&m.MinButton, &m.MaxButton, &m.CloseButton}) {
            if (!btn->IsEmpty())
                textRight = std::min(textRight, btn->Left);
        }
        DrawCaptionText(dc, TRect(cr.Left + 4, cr.Top, textRight - 2, cr.Bottom), w->Text, active);
        CaptionButton(dc, m.MinButton, HTMINBUTTON);
        CaptionButton(dc, m.MaxButton, HTMAXBUTTON);
        CaptionButton(dc, m.CloseButton, HTCLOSE);
    }
    if (m.ClientEdge > 0) {
        TRect e(m.Border, m.Border + m.Caption, size.cx - m.Border, size.cy - m.Border);
        Frame(dc, e, clBtnShadow, clBtnHighlight);
        if (m.ClientEdge > 1)
            Frame(dc, e.Inflated(-1, -1), cl3DDkShadow, cl3DLight);
    }
}
