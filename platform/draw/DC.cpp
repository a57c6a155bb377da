#include "platform/draw/DC.h"

TDC::TDC(TPixelBuffer& target, TPoint deviceOrigin, const TRegion& deviceClip)
    : Buffer(&target), Origin(deviceOrigin),
      DeviceClip(deviceClip.Intersected(TRegion(target.BoundsRect()))) {}

TDC::TDC(TPixelBuffer& target) : TDC(target, {0, 0}, TRegion(target.BoundsRect())) {}

TPoint TDC::SetViewportOrg(TPoint org) {
    TPoint old = State.ViewportOrg;
    State.ViewportOrg = org;
    return old;
}

int TDC::SaveDC() {
    Saved.push_back(State);
    return int(Saved.size());
}

bool TDC::RestoreDC(int level) {
    int depth = int(Saved.size());
    int target = level < 0 ? depth + level + 1 : level;
    if (target < 1 || target > depth)
        return false;
    State = Saved[std::size_t(target - 1)];
    Saved.resize(std::size_t(target - 1));
    return true;
}

void TDC::SelectClipRgn(const TRegion* logicalRegion) {
    if (!logicalRegion) {
        State.HasClip = false;
        State.Clip = {};
        return;
    }
    State.HasClip = true;
    State.Clip = logicalRegion->Offset(DeviceShift());
}

void TDC::IntersectClipRect(const TRect& r) {
    TRegion dev(ToDevice(r));
    State.Clip = State.HasClip ? State.Clip.Intersected(dev) : dev;
    State.HasClip = true;
}

void TDC::ExcludeClipRect(const TRect& r) {
    TRegion base = State.HasClip ? State.Clip : DeviceClip;
    State.Clip = base.Subtracted(TRegion(ToDevice(r)));
    State.HasClip = true;
}

TRegion TDC::EffectiveClip() const {
    return State.HasClip ? DeviceClip.Intersected(State.Clip) : DeviceClip;
}

TRegion TDC::GetClipRegion() const {
    TPoint s = DeviceShift();
    return EffectiveClip().Offset(-s.X, -s.Y);
}

TRect TDC::GetClipBox() const {
    return GetClipRegion().GetBounds();
}

bool TDC::RectVisible(const TRect& r) const {
    return EffectiveClip().Intersects(ToDevice(r));
}

bool TDC::PtVisible(TPoint p) const {
    return EffectiveClip().Contains(ToDevice(p));
}

void TDC::FillDeviceRect(const TRect& r, TPixel px) {
    if (r.IsEmpty())
        return;
    for (const TRect& c : EffectiveClip().GetRects()) {
        TRect part = c.Intersected(r);
        for (int y = part.Top; y < part.Bottom; ++y) {
            TPixel* row = Buffer->Row(y);
            std::fill(row + part.Left, row + part.Right, px);
        }
    }
}

void TDC::FillRect(const TRect& r, TColor color) {
    FillDeviceRect(ToDevice(r.Normalized()), ColorToPixel(color));
}

TColor TDC::GetPixel(TPoint p) const {
    TPoint d = ToDevice(p);
    if (!EffectiveClip().Contains(d))
        return 0xFFFFFFFF;
    return PixelToRGB(Buffer->At(d.X, d.Y));
}

void TDC::SetPixel(TPoint p, TColor color) {
    TPoint d = ToDevice(p);
    if (EffectiveClip().Contains(d))
        Buffer->At(d.X, d.Y) = ColorToPixel(color);
}
