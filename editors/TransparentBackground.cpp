#include "editors/TransparentBackground.h"

#include "platform/control/WinControl.h"
#include "platform/draw/DC.h"
#include "platform/draw/DCStateSaver.h"
#include "platform/window/WinApi.h"

#include <algorithm>
#include <vector>

namespace {
// The parents being painted as a copy right now, innermost last.
std::vector<const TWinControl*>& PaintingCopies() {
    static std::vector<const TWinControl*> parents;
    return parents;
}

class TPaintingCopyMark {
public:
    explicit TPaintingCopyMark(const TWinControl* parent) { PaintingCopies().push_back(parent); }
    ~TPaintingCopyMark() { PaintingCopies().pop_back(); }
    TPaintingCopyMark(const TPaintingCopyMark&) = delete;
    TPaintingCopyMark& operator=(const TPaintingCopyMark&) = delete;
};

// Where the client area of control starts, in the client coordinates of its parent.
TPoint ClientOffsetInParent(const TWinControl* control) {
    return control->ClientOrigin() - control->Parent()->ClientOrigin();
}

void PaintControlInto(TWinControl* control, TDC& dc) {
    control->Perform(WM_ERASEBKGND, WPARAM(&dc), 0);
    control->Perform(WM_PAINT, WPARAM(&dc), 0);
}

// A child painted in the parent's coordinates: its non-client edge drawn around its client area
// when it has one, then its own painting clipped to the client area.
void PaintEarlierSibling(TWinControl* sibling, TDC& dc) {
    if (!sibling->HandleAllocated() || !IsWindowVisible(sibling->Handle()))
        return;
    TPoint origin = ClientOffsetInParent(sibling);
    TRect client = sibling->ClientRect().Offset(origin);
    TRect bounds = sibling->BoundsRect();
    if (!dc.RectVisible(bounds))
        return;
    TDCStateSaver saved(dc);
    if (bounds != client) {
        auto exStyle = std::uint32_t(GetWindowLongPtr(sibling->Handle(), GWL_EXSTYLE));
        auto style = std::uint32_t(GetWindowLongPtr(sibling->Handle(), GWL_STYLE));
        TRect edge = bounds;
        if (exStyle & WS_EX_CLIENTEDGE)
            dc.DrawEdge(edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        if (style & WS_BORDER)
            dc.FrameRect(edge, TLogBrush{BS_SOLID, clWindowFrame, nullptr});
    }
    dc.IntersectClipRect(client);
    dc.OffsetViewportOrg(origin.X, origin.Y);
    PaintControlInto(sibling, dc);
}
} // namespace

void cxDrawTransparentControlBackground(TWinControl* control, TDC& dc, const TRect& r,
                                        bool withSiblings) {
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!parent || !parent->HandleAllocated())
        return;
    TDCStateSaver saved(dc);
    TPoint offset = ClientOffsetInParent(control);
    dc.IntersectClipRect(r);
    // The parent's pixels under the control land where the control shows them.
    dc.OffsetViewportOrg(-offset.X, -offset.Y);
    if (!dc.RectVisible(r.Offset(offset)))
        return;
    TPaintingCopyMark mark(parent);
    PaintControlInto(parent, dc);
    if (!withSiblings)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == control)
            break;
        auto* sibling = dynamic_cast<TWinControl*>(child);
        if (sibling && sibling->Visible())
            PaintEarlierSibling(sibling, dc);
    }
}

bool cxIsPaintingCopy(const TWinControl* control) {
    const auto& parents = PaintingCopies();
    for (const TWinControl* p = control ? control->Parent() : nullptr; p; p = p->Parent())
        if (std::find(parents.begin(), parents.end(), p) != parents.end())
            return true;
    return false;
}
