#include "platform/draw/OemBitmaps.h"

#include "platform/draw/DC.h"

std::optional<TPixelBuffer> LoadOemBitmap(int id) {
    if (id != OBM_CHECKBOXES)
        return std::nullopt;
    constexpr int cell = 13;
    TPixelBuffer px(cell * 4, cell * 3, ColorToPixel(clBtnFace));
    TDC dc(px);
    static constexpr unsigned kinds[] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            unsigned state = kinds[row];
            if (col & 1)
                state |= DFCS_CHECKED;
            if (col >= 2)
                state |= DFCS_PUSHED;
            dc.DrawFrameControl(TRect::FromXYWH(col * cell, row * cell, cell, cell), DFC_BUTTON,
                                state);
        }
    return px;
}
