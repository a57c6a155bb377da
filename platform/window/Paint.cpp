#include "platform/draw/DC.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {
TRegion ShapeOf(const TWnd* w, TPoint origin) {
    TRegion r(TRect(origin, w->Rect.Size()));
    if (w->Region)
        r.Intersect(w->Region->Offset(origin));
    return r;
}

TRect WholeWindow(const TWnd* w) {
    return TRect(0, 0, w->Rect.Width(), w->Rect.Height());
}

void EnsureBuffer(TWnd* top) {
    if (top->Pixels.Width != top->Rect.Width() || top->Pixels.Height != top->Rect.Height())
        top->Pixels.Resize(top->Rect.Width(), top->Rect.Height(), 0);
}

void AddUpdate(TWnd* w, const TRegion& windowArea, bool erase) {
    TRegion a = windowArea.Intersected(TRegion(WholeWindow(w)));
    if (a.IsEmpty())
        return;
    w->Update.Unite(a);
    if (erase)
        w->EraseNeeded = true;
    if (!a.Subtracted(TRegion(w->Client)).IsEmpty())
        w->FrameNeeded = true;
}

void InvalidateTree(TWnd* w, const TRegion& topArea, TPoint origin) {
    if (!w->Visible())
        return;
    TRegion mine = topArea.Intersected(ShapeOf(w, origin));
    if (mine.IsEmpty())
        return;
    AddUpdate(w, mine.Offset(-origin.X, -origin.Y), true);
    TPoint clientOrigin = origin + w->Client.TopLeft();
    for (TWnd* c : w->Children)
        InvalidateTree(c, topArea, clientOrigin + c->Rect.TopLeft());
}

void MarkAll(TWnd* w, bool erase, bool frame, bool children) {
    TRegion all(frame ? WholeWindow(w) : w->Client);
    AddUpdate(w, all, erase);
    if (children) {
        for (TWnd* c : w->Children)
            MarkAll(c, erase, frame, true);
    }
}
} // namespace

namespace {
// Collects window shapes to take away in one region operation.
struct TShapes {
    std::vector<TRect> Rects;
    TRegion Shaped;
    void Add(const TWnd* w, TPoint origin) {
        if (w->Region)
            Shaped.Unite(ShapeOf(w, origin));
        else
            Rects.emplace_back(origin, w->Rect.Size());
    }
    void SubtractFrom(TRegion& r) const {
        if (!Rects.empty())
            r.Subtract(TRegion::FromRects(Rects));
        if (!Shaped.IsEmpty())
            r.Subtract(Shaped);
    }
};
} // namespace

TRegion VisibleRegion(const TWnd* w, bool clientOnly) {
    TPoint org = OriginInTopLevel(w);
    TRegion r = ShapeOf(w, org);
    TPoint clientOrg = org + w->Client.TopLeft();
    if (clientOnly) {
        r.Intersect(w->Client.Offset(org));
        TShapes children;
        for (const TWnd* c : w->Children) {
            if (c->Visible())
                children.Add(c, clientOrg + c->Rect.TopLeft());
        }
        children.SubtractFrom(r);
    }
    for (const TWnd* c = w; c->Parent; c = c->Parent) {
        const TWnd* p = c->Parent;
        TPoint porg = OriginInTopLevel(p);
        r.Intersect(p->Client.Offset(porg));
        if (p->Region)
            r.Intersect(p->Region->Offset(porg));
        if (r.IsEmpty())
            return r;
        TPoint pclient = porg + p->Client.TopLeft();
        TShapes above;
        auto it = std::find(p->Children.begin(), p->Children.end(), c);
        for (++it; it != p->Children.end(); ++it) {
            if ((*it)->Visible())
                above.Add(*it, pclient + (*it)->Rect.TopLeft());
        }
        above.SubtractFrom(r);
    }
    const TWnd* top = w;
    while (top->Parent)
        top = top->Parent;
    r.Intersect(TRegion(WholeWindow(top)));
    return r;
}

void InvalidateTopLevelArea(TWnd* top, const TRegion& area) {
    if (!top || area.IsEmpty())
        return;
    InvalidateTree(top, area, TPoint());
}

bool InvalidateRect(HWND wnd, const TRect* rect, bool erase) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    TRegion area(rect ? rect->Offset(w->Client.TopLeft()).Intersected(w->Client) : w->Client);
    AddUpdate(w, area, erase);
    return true;
}

bool InvalidateRgn(HWND wnd, const TRegion* region, bool erase) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    if (!region)
        return InvalidateRect(wnd, nullptr, erase);
    TPoint co = w->Client.TopLeft();
    AddUpdate(w, region->Offset(co).Intersected(TRegion(w->Client)), erase);
    return true;
}

bool ValidateRect(HWND wnd, const TRect* rect) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    if (!rect) {
        w->Update.Subtract(w->Client);
    } else {
        w->Update.Subtract(rect->Offset(w->Client.TopLeft()));
    }
    if (w->Update.IsEmpty()) {
        w->EraseNeeded = false;
        w->FrameNeeded = false;
    }
    return true;
}

bool RedrawWindow(HWND wnd, const TRect* rect, const TRegion* region, UINT flags) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    bool children = (flags & RDW_ALLCHILDREN) != 0;
    if (flags & RDW_INVALIDATE) {
        bool erase = (flags & RDW_ERASE) != 0;
        if (!rect && !region) {
            MarkAll(w, erase, (flags & RDW_FRAME) != 0, children);
            if (flags & RDW_FRAME)
                w->FrameNeeded = true;
        } else {
            TRegion area = region ? *region : TRegion(*rect);
            TPoint co = w->Client.TopLeft();
            if (children && IsReallyVisible(w)) {
                TWnd* top = TopLevelOf(w);
                TPoint o = OriginInTopLevel(w) + co;
                InvalidateTopLevelArea(top,
                                       area.Offset(o).Intersected(VisibleRegion(w, true).United(
                                           TRegion(w->Client.Offset(OriginInTopLevel(w))))));
            } else {
                AddUpdate(w, area.Offset(co).Intersected(TRegion(w->Client)), erase);
            }
        }
    }
    if (flags & RDW_VALIDATE) {
        if (!rect && !region) {
            w->Update = TRegion();
            w->EraseNeeded = w->FrameNeeded = false;
        } else {
            TRegion area = region ? *region : TRegion(*rect);
            w->Update.Subtract(area.Offset(w->Client.TopLeft()));
        }
    }
    if (flags & RDW_UPDATENOW)
        UpdateWindow(wnd);
    return true;
}

void PaintWindowNow(TWnd* w) {
    HWND h = w->Handle;
    if (!IsReallyVisible(w)) {
        return;
    }
    if (w->Update.IsEmpty())
        return;
    TWnd* top = TopLevelOf(w);
    HWND topHandle = top->Handle;
    EnsureBuffer(top);
    TPoint org = OriginInTopLevel(w);
    TRegion update = w->Update.Offset(org);
    bool erase = w->EraseNeeded;
    bool frame = w->FrameNeeded;
    w->Update = TRegion();
    w->EraseNeeded = w->FrameNeeded = false;

    if (frame && w->Client != WholeWindow(w)) {
        TRegion nc = VisibleRegion(w, false).Subtracted(TRegion(w->Client.Offset(org)));
        nc.Intersect(update);
        if (!nc.IsEmpty()) {
            TDC dc(top->Pixels, org, nc);
            SendMessage(h, WM_NCPAINT, reinterpret_cast<WPARAM>(&dc), 0);
            if (TWnd* t = WndOf(topHandle))
                t->Dirty.Unite(nc);
            if (!(w = WndOf(h)) || !(top = WndOf(topHandle)))
                return;
        }
    }
    TRegion clip = VisibleRegion(w, true).Intersected(update);
    if (clip.IsEmpty())
        return;
    TDC dc(top->Pixels, org + w->Client.TopLeft(), clip);
    if (erase) {
        SendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
        if (!(w = WndOf(h)))
            return;
    }
    w->PaintDC = &dc;
    TPoint clientOrg = org + w->Client.TopLeft();
    w->PaintRect = clip.GetBounds().Offset(-clientOrg.X, -clientOrg.Y);
    struct TPaintScope {
        HWND Wnd;
        ~TPaintScope() {
            if (TWnd* w = WndOf(Wnd))
                w->PaintDC = nullptr;
        }
    } scope{h};
    SendMessage(h, WM_PAINT, reinterpret_cast<WPARAM>(&dc), 0);
    if (TWnd* t = WndOf(topHandle))
        t->Dirty.Unite(clip);
}

namespace {
void UpdateTree(HWND h) {
    TWnd* w = WndOf(h);
    if (!w || !IsReallyVisible(w))
        return;
    if (!w->Update.IsEmpty())
        PaintWindowNow(w);
    if (!(w = WndOf(h)))
        return;
    std::vector<HWND> children;
    for (TWnd* c : w->Children)
        children.push_back(c->Handle);
    for (HWND c : children)
        UpdateTree(c);
}
} // namespace

bool UpdateWindow(HWND wnd) {
    if (!WndOf(wnd))
        return false;
    UpdateTree(wnd);
    return true;
}

bool GetUpdateRect(HWND wnd, TRect* rect, bool) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    TRect b = w->Update.Intersected(TRegion(w->Client)).GetBounds();
    if (rect)
        *rect = b.IsEmpty() ? TRect() : b.Offset(-w->Client.Left, -w->Client.Top);
    return !b.IsEmpty();
}

bool GetUpdateRgn(HWND wnd, TRegion* out) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    TRegion r = w->Update.Intersected(TRegion(w->Client)).Offset(-w->Client.Left, -w->Client.Top);
    if (out)
        *out = r;
    return !r.IsEmpty();
}

HDC BeginPaint(HWND wnd, TPaintStruct* ps) {
    TWnd* w = WndOf(wnd);
    if (!w || !w->PaintDC)
        return nullptr;
    if (ps) {
        ps->hdc = w->PaintDC;
        ps->fErase = 0;
        ps->rcPaint = w->PaintRect;
    }
    return w->PaintDC;
}

bool EndPaint(HWND wnd, const TPaintStruct*) {
    return IsWindow(wnd);
}

namespace {
HDC MakeDC(HWND wnd, bool client) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return nullptr;
    TWnd* top = TopLevelOf(w);
    EnsureBuffer(top);
    TPoint org = OriginInTopLevel(w);
    TRegion clip = IsReallyVisible(w) ? VisibleRegion(w, client) : TRegion();
    if (!client) {
        TRegion children;
        for (TWnd* c : w->Children) {
            if (c->Visible())
                children.Unite(ShapeOf(c, org + w->Client.TopLeft() + c->Rect.TopLeft()));
        }
        clip.Subtract(children);
    }
    return new TDC(top->Pixels, client ? org + w->Client.TopLeft() : org, clip);
}
} // namespace

HDC GetDC(HWND wnd) {
    return MakeDC(wnd, true);
}

HDC GetWindowDC(HWND wnd) {
    return MakeDC(wnd, false);
}

int ReleaseDC(HWND wnd, HDC dc) {
    if (!dc)
        return 0;
    TWnd* w = WndOf(wnd);
    if (w && IsReallyVisible(w)) {
        TWnd* top = TopLevelOf(w);
        if (&dc->Target() == &top->Pixels)
            top->Dirty.Unite(VisibleRegion(w, false));
    }
    delete dc;
    return 1;
}

void FlushWindows() {
    TWindowSystem* s = TWindowSystem::Current();
    if (!s)
        return;
    for (TWnd* t : s->TopLevels) {
        if (t->Dirty.IsEmpty() || !t->HasSurface || !t->Visible() || t->Minimized)
            continue;
        std::vector<TRect> rects = t->Dirty.GetRects();
        if (rects.size() > 32)
            rects = {t->Dirty.GetBounds()};
        t->Dirty = TRegion();
        s->Backend->Present(t->Handle, t->Pixels, rects);
    }
}

const TPixelBuffer* GetWindowPixels(HWND wnd) {
    TWnd* top = TopLevelOf(WndOf(wnd));
    if (!top)
        return nullptr;
    EnsureBuffer(top);
    return &top->Pixels;
}
