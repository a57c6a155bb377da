#include "platform/draw/DC.h"
#include "platform/draw/DCStateSaver.h"

#include <stdexcept>

#include <gtest/gtest.h>

TEST(DCBasics, FillIsClippedToDeviceClipAndSelectedClip) {
    TPixelBuffer buf(8, 8, 0);
    // The context may touch only the 4x4 square at (2,2); logical (0,0) is buffer (1,1).
    TDC dc(buf, {1, 1}, TRegion(Rect(2, 2, 6, 6)));
    dc.FillRect(Rect(0, 0, 10, 10), clRed);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(buf.At(x, y), Rect(2, 2, 6, 6).Contains({x, y}) ? 0xFF0000u : 0u)
                << x << "," << y;

    int saved = dc.SaveDC();
    dc.IntersectClipRect(Rect(1, 1, 2, 2)); // buffer pixel (2,2) only
    dc.FillRect(Rect(0, 0, 10, 10), clBlue);
    EXPECT_EQ(buf.At(2, 2), 0x0000FFu);
    EXPECT_EQ(buf.At(3, 2), 0xFF0000u);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_FALSE(dc.HasClipRgn());
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DCBasics, ViewportOriginShiftsLogicalCoordinates) {
    TPixelBuffer buf(4, 4, 0);
    TDC dc(buf);
    dc.SetViewportOrg({2, 1});
    dc.SetPixel({0, 0}, clWhite);
    EXPECT_EQ(buf.At(2, 1), 0xFFFFFFu);
    EXPECT_EQ(dc.GetPixel({0, 0}), clWhite);
    dc.ExcludeClipRect(Rect(0, 0, 1, 1));
    EXPECT_FALSE(dc.PtVisible({0, 0}));
    EXPECT_TRUE(dc.RectVisible(Rect(0, 0, 2, 1)));
    EXPECT_EQ(dc.GetPixel({0, 0}), 0xFFFFFFFFu);
}

TEST(DCBasics, StateSaverRestoresOnEveryWayOut) {
    TPixelBuffer buf(4, 4, 0);
    TDC dc(buf);
    dc.SetTextColor(clRed);
    const auto drawAndThrow = [&] {
        TDCStateSaver saver(dc);
        dc.SetTextColor(clBlue);
        dc.SetViewportOrg({2, 2});
        dc.IntersectClipRect(Rect(0, 0, 1, 1));
        {
            TDCStateSaver inner(dc);
            dc.SetTextColor(clGreen);
        }
        EXPECT_EQ(dc.GetTextColor(), clBlue); // the inner saver restored only its own level
        throw std::runtime_error("drawing failed");
    };
    EXPECT_THROW(drawAndThrow(), std::runtime_error);
    EXPECT_EQ(dc.GetTextColor(), clRed);
    EXPECT_EQ(dc.GetViewportOrg(), TPoint(0, 0));
    EXPECT_FALSE(dc.HasClipRgn());
    EXPECT_FALSE(dc.RestoreDC(-1)); // nothing left on the stack
}
