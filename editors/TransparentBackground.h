#pragma once

#include "platform/core/Geometry.h"

class TDC;
class TWinControl;

// Paints into dc what the parent of control shows under the rectangle r (in the control's client
// coordinates, which dc uses too): the parent's background and its own painting, then, when
// withSiblings, every visible windowed child of the parent that comes before the control in the
// parent's child order, each clipped to its client area (its sunken client edge or its border
// drawn around it when its window styles ask for one). While this runs, the parent counts as
// being painted as a copy. The drawing state of dc is left as it was.
void cxDrawTransparentControlBackground(TWinControl* control, TDC& dc, const TRect& r,
                                        bool withSiblings = true);

// Whether the parent of control (or one of its ancestors) is being painted as a copy into the
// background of another control right now: a see-through control then draws only its own
// content, straight onto the context it was given.
bool cxIsPaintingCopy(const TWinControl* control);
