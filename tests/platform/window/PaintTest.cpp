#include "WindowTestFixture.h"

#include "platform/window/WindowDC.h"

#include <fstream>
#include <iterator>

namespace {
constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kGreen = RGB(0, 255, 0);
constexpr TColor kBlue = RGB(0, 0, 255);
constexpr TColor kGrey = RGB(128, 128, 128);
constexpr TColor kWhite = RGB(255, 255, 255);

class PaintTest : public TWindowTest {
public:
    HWND Top = nullptr;
    void SetUp() override {
        TWindowTest::SetUp();
        Top = TopLevel(Bounds(100, 100, 60, 40));
        PaintColors[Top] = kGrey;
        Desk->Pump();
    }
    // Colour at a point of the top-level window.
    TColor At(int x, int y) { return Desk->WindowPixel(Top, {x, y}); }
};

TEST_F(PaintTest, ShowingPaintsEveryWindowIntoTheTopLevelBuffer) {
    HWND child = Child(Top, Bounds(10, 5, 20, 10));
    PaintColors[child] = kRed;
    Desk->Pump();
    struct TCase {
        TPoint P;
        TColor Expected;
    };
    for (const TCase& c : std::vector<TCase>{{{0, 0}, kGrey},
                                             {{9, 5}, kGrey},
                                             {{10, 5}, kRed},
                                             {{29, 14}, kRed},
                                             {{30, 14}, kGrey},
                                             {{29, 15}, kGrey},
                                             {{59, 39}, kGrey}}) {
        EXPECT_EQ(At(c.P.X, c.P.Y), c.Expected) << c.P.X << "," << c.P.Y;
    }
    EXPECT_EQ(Desk->PixelAt(child, {110, 105}), kRed);
    ASSERT_NE(Desk->Surface(Top), nullptr);
    EXPECT_GT(Desk->Surface(Top)->Presents, 0);
}

TEST_F(PaintTest, PaintIsClippedToTheUpdateRegion) {
    PaintColors[Top] = kBlue;
    TRect r = Bounds(5, 5, 10, 10);
    InvalidateRect(Top, &r, false);
    TRegion second(Bounds(40, 20, 5, 5));
    InvalidateRgn(Top, &second, false);
    TRect upd;
    ASSERT_TRUE(GetUpdateRect(Top, &upd, false));
    EXPECT_EQ(upd, TRect(5, 5, 45, 25));
    Desk->Pump();
    EXPECT_FALSE(GetUpdateRect(Top, &upd, false));
    EXPECT_EQ(At(5, 5), kBlue);
    EXPECT_EQ(At(14, 14), kBlue);
    EXPECT_EQ(At(15, 14), kGrey);
    EXPECT_EQ(At(4, 5), kGrey);
    EXPECT_EQ(At(42, 22), kBlue);
    EXPECT_EQ(At(30, 20), kGrey); // inside the bounds but outside both parts
    EXPECT_EQ(Desk->Surface(Top)->LastDirty.size(), 2u);
}

TEST_F(PaintTest, ChildrenAreClippedByParentSiblingsAboveAndWindowRegions) {
    HWND panel = Child(Top, Bounds(10, 10, 30, 20));
    HWND below = Child(panel, Bounds(20, 2, 30, 10)); // sticks out of the panel on the right
    HWND above = Child(panel, Bounds(0, 0, 25, 8));   // overlaps "below"
    PaintColors[panel] = kWhite;
    PaintColors[below] = kRed;
    PaintColors[above] = kGreen;
    TRegion round = TRegion::FromRects({Bounds(0, 0, 25, 4), Bounds(0, 4, 5, 4)});
    SetWindowRgn(above, &round, true);
    Desk->Pump();
    struct TCase {
        TPoint P; // top-level coordinates
        TColor Expected;
    };
    for (const TCase& c : std::vector<TCase>{
             {{30, 15}, kRed},   // below, not covered
             {{39, 15}, kRed},   // last column inside the panel
             {{40, 15}, kGrey},  // outside the panel: clipped by the parent
             {{31, 12}, kGreen}, // above covers below
             {{31, 14}, kRed},   // under the part cut from above's region: below shows
             {{12, 14}, kGreen}, // region part of above
             {{16, 14}, kWhite}, // cut from above's region: the panel shows
         }) {
        EXPECT_EQ(At(c.P.X, c.P.Y), c.Expected) << c.P.X << "," << c.P.Y;
    }
    TRegion out;
    ASSERT_TRUE(GetWindowRgn(above, &out));
    EXPECT_EQ(out, round);
    EXPECT_FALSE(GetWindowRgn(below, &out));
}

TEST_F(PaintTest, APaintNeverTouchesPixelsOutsideItsWindow) {
    HWND child = Child(Top, Bounds(20, 10, 10, 10));
    Handlers[child] = [](HWND, UINT m, WPARAM w, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_PAINT)
            return 0;
        handled = true;
        reinterpret_cast<TDC*>(w)->FillRect(Rect(-1000, -1000, 1000, 1000), kRed);
        return 0;
    };
    Desk->Pump();
    EXPECT_EQ(At(20, 10), kRed);
    EXPECT_EQ(At(29, 19), kRed);
    for (TPoint p : {TPoint(19, 10), TPoint(30, 10), TPoint(20, 9), TPoint(20, 20), TPoint(0, 0)})
        EXPECT_EQ(At(p.X, p.Y), kGrey) << p.X << "," << p.Y;
}

TEST_F(PaintTest, HidingOrMovingAChildRepaintsWhatItUncovers) {
    HWND child = Child(Top, Bounds(10, 10, 10, 10));
    PaintColors[child] = kRed;
    Desk->Pump();
    MoveWindow(child, 30, 10, 10, 10, true);
    Desk->Pump();
    EXPECT_EQ(At(15, 15), kGrey);
    EXPECT_EQ(At(35, 15), kRed);
    ShowWindow(child, SW_HIDE);
    Desk->Pump();
    EXPECT_EQ(At(35, 15), kGrey);
}

TEST_F(PaintTest, EraseUsesTheClassBackgroundBeforePaint) {
    TWndClass wc;
    wc.lpszClassName = "Filled";
    wc.lpfnWndProc = &TWindowTest::Proc;
    wc.hbrBackground = clBtnFace;
    ASSERT_TRUE(RegisterClass(wc));
    Watched = {WM_ERASEBKGND, WM_PAINT};
    HWND child = Child(Top, Bounds(0, 0, 10, 10), WS_CHILD | WS_VISIBLE, "Filled");
    Desk->Pump();
    EXPECT_EQ(TakeMessages(), (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
    EXPECT_EQ(At(5, 5), ColorToRGB(clBtnFace));
    InvalidateRect(child, nullptr, false);
    Desk->Pump();
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_PAINT});
}

TEST_F(PaintTest, UpdateWindowPaintsNowAndValidateRectCancels) {
    Watched = {WM_PAINT};
    InvalidateRect(Top, nullptr, true);
    UpdateWindow(Top);
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_PAINT});
    InvalidateRect(Top, nullptr, true);
    ValidateRect(Top, nullptr);
    Desk->Pump();
    EXPECT_TRUE(Log.empty());
}

TEST_F(PaintTest, BeginPaintGivesTheSameContextAndThePaintRectangle) {
    TRect seen;
    HDC given = nullptr, begun = nullptr;
    Handlers[Top] = [&](HWND h, UINT m, WPARAM w, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_PAINT)
            return 0;
        handled = true;
        TPaintStruct ps;
        given = reinterpret_cast<HDC>(w);
        begun = BeginPaint(h, &ps);
        seen = ps.rcPaint;
        EndPaint(h, &ps);
        return 0;
    };
    TRect r = Bounds(3, 4, 5, 6);
    InvalidateRect(Top, &r, false);
    Desk->Pump();
    EXPECT_NE(given, nullptr);
    EXPECT_EQ(given, begun);
    EXPECT_EQ(seen, r);
    EXPECT_EQ(BeginPaint(Top, nullptr), nullptr); // outside painting
}

TEST_F(PaintTest, AChildPaintsItsParentIntoABitmapWhileTheParentIsBeingPainted) {
    // The parent paints grey with a red square at (20,20)-(30,30) and its background blue, and
    // brings the child at (15,15) up to date from inside its own paint. The child paints the
    // parent into a 30x30 bitmap with the origin moved by its position, as a transparent
    // control does, and shows the bitmap.
    HWND child = Child(Top, Bounds(15, 15, 30, 30));
    TPixelBuffer copy(30, 30, 0);
    int parentPaints = 0, parentErases = 0;
    std::vector<TRect> paintRects;
    Handlers[Top] = [&](HWND h, UINT m, WPARAM w, LPARAM, bool& handled) -> LRESULT {
        if (m == WM_ERASEBKGND) {
            handled = true;
            ++parentErases;
            TRect r;
            GetClientRect(h, &r);
            reinterpret_cast<TDC*>(w)->FillRect(r, kBlue);
            return 1;
        }
        if (m != WM_PAINT)
            return 0;
        handled = true;
        ++parentPaints;
        TPaintStruct ps;
        TDC* dc = BeginPaint(h, &ps);
        if (!dc)
            return 0; // counted as a paint that drew nothing
        paintRects.push_back(ps.rcPaint);
        dc->FillRect(Bounds(0, 0, 60, 10), kGrey);
        dc->FillRect(Bounds(20, 20, 10, 10), kRed);
        UpdateWindow(child);
        EndPaint(h, &ps);
        return 0;
    };
    Handlers[child] = [&](HWND h, UINT m, WPARAM w, LPARAM, bool& handled) -> LRESULT {
        if (m == WM_ERASEBKGND)
            handled = true;
        if (m != WM_PAINT)
            return m == WM_ERASEBKGND ? 1 : 0;
        handled = true;
        TDC memory(copy);
        memory.SetViewportOrg({-15, -15});
        SendMessage(GetParent(h), WM_ERASEBKGND, WPARAM(&memory), 0);
        SendMessage(GetParent(h), WM_PAINT, WPARAM(&memory), 0);
        TDC* own = reinterpret_cast<TDC*>(w);
        TDC source(copy);
        own->BitBlt(0, 0, 30, 30, &source, 0, 0, SRCCOPY);
        return 0;
    };
    Desk->Pump();
    paintRects.clear();
    parentPaints = parentErases = 0;
    InvalidateRect(Top, nullptr, true);
    InvalidateRect(child, nullptr, true);
    Desk->Pump();
    EXPECT_EQ(parentPaints, 2);
    EXPECT_EQ(parentErases, 2);
    ASSERT_EQ(paintRects.size(), 2u) << "each paint had a context";
    EXPECT_EQ(paintRects[1], Bounds(15, 15, 30, 30)) << "the given context's area";
    // The bitmap holds the parent's pixels under the child.
    EXPECT_EQ(PixelToRGB(copy.At(0, 0)), kBlue);
    EXPECT_EQ(PixelToRGB(copy.At(5, 5)), kRed);
    EXPECT_EQ(PixelToRGB(copy.At(14, 14)), kRed);
    EXPECT_EQ(PixelToRGB(copy.At(15, 15)), kBlue);
    // The window shows what each painted where it belongs.
    EXPECT_EQ(At(5, 5), kGrey);
    EXPECT_EQ(At(16, 16), kBlue);
    EXPECT_EQ(At(25, 25), kRed);
    EXPECT_EQ(At(50, 30), kBlue);
}

TEST_F(PaintTest, ClassicFrameIsDrawnAroundTheClientArea) {
    HWND w = TopLevel(Bounds(200, 200, 120, 80),
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
    PaintColors[w] = kBlue;
    Desk->Pump();
    EXPECT_EQ(Desk->WindowPixel(w, {3, 21}), kBlue); // first client pixel
    EXPECT_EQ(Desk->WindowPixel(w, {1, 40}), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Desk->WindowPixel(w, {4, 10}), ColorToRGB(clActiveCaption)); // active caption start
    TRect r;
    GetWindowRect(w, &r);
    // The close button: 16x14 at the right of the caption; its face is button-coloured.
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Right - 10, r.Top + 8})), HTCLOSE);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Right - 28, r.Top + 8})),
              HTMINBUTTON);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Left + 30, r.Top + 8})), HTCAPTION);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Left + 30, r.Top + 40})), HTCLIENT);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Left + 1, r.Top + 40})), HTBORDER);
    EXPECT_EQ(Desk->WindowPixel(w, {r.Width() - 15, 7}), ColorToRGB(clBtnFace));
}

TEST_F(PaintTest, AWindowIsSavedAsAPngOfItsComposedImage) {
    HWND w = TopLevel(Bounds(10, 10, 33, 21));
    PaintColors[w] = kBlue;
    Desk->Pump();
    std::string path = ::testing::TempDir() + "window.png";
    ASSERT_TRUE(Desk->SaveWindowPng(w, path));
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
    auto be32 = [&](std::size_t at) {
        return (bytes[at] << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
    };
    EXPECT_EQ(be32(16), 33); // width and height from the header chunk
    EXPECT_EQ(be32(20), 21);
    EXPECT_FALSE(Desk->SaveWindowPng(w, "/nonexistent-dir/window.png"));
    DestroyWindow(w);
    EXPECT_FALSE(Desk->SaveWindowPng(w, path));
}

TEST_F(PaintTest, CaptionTextIsDrawnInTheCaptionColourAndFollowsTheWindowText) {
    HWND w =
        TopLevel(Bounds(200, 200, 160, 80), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    auto textPixels = [&] {
        int n = 0;
        for (int y = 3; y < 19; ++y)
            for (int x = 4; x < 100; ++x)
                n += Desk->WindowPixel(w, {x, y}) == ColorToRGB(clCaptionText);
        return n;
    };
    SetWindowText(w, "");
    Desk->Pump();
    EXPECT_EQ(textPixels(), 0);
    SetWindowText(w, "Qorvin \xB2\xE2\xCA\xD4"); // "Qorvin 测试"
    Desk->Pump();
    EXPECT_GT(textPixels(), 20);
}
} // namespace

namespace {
class SurfaceTest : public TWindowTest {};

TEST_F(SurfaceTest, PopupsNeverTakeTheDesktopFocusAndRegionsShapeTheSurface) {
    HWND main = TopLevel(Bounds(0, 0, 100, 100));
    Desk->Pump();
    ASSERT_EQ(Desk->FocusedSurface(), main);
    HWND tip = CreateWindowEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, "Test", "tip",
                              WS_POPUP, 10, 10, 40, 16, main, 0, nullptr);
    TRegion round =
        TRegion::FromRects({Bounds(2, 0, 36, 1), Bounds(0, 1, 40, 14), Bounds(2, 15, 36, 1)});
    SetWindowRgn(tip, &round, false);
    ShowWindow(tip, SW_SHOWNA);
    Desk->Pump();
    ASSERT_NE(Desk->Surface(tip), nullptr);
    EXPECT_EQ(Desk->Surface(tip)->Kind, TSurfaceKind::Popup);
    ASSERT_TRUE(Desk->Surface(tip)->Shape.has_value());
    EXPECT_EQ(*Desk->Surface(tip)->Shape, round);
    EXPECT_EQ(Desk->FocusedSurface(), main);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(WindowFromPoint({10, 10}), main); // the cut corner lets the click through
    EXPECT_EQ(WindowFromPoint({12, 10}), tip);
    SetWindowRgn(tip, nullptr, true);
    EXPECT_FALSE(Desk->Surface(tip)->Shape.has_value());
}

TEST_F(SurfaceTest, TheApplicationIconReachesEveryProgramWindowButPopups) {
    TPixelBuffer icon(4, 3, 0x123456);
    icon.At(0, 0) = kIconTransparent;
    HWND early = TopLevel(Bounds(0, 0, 100, 100));
    HWND hidden = TopLevel(Bounds(0, 0, 50, 50), WS_POPUP);
    Desk->Pump();
    ASSERT_TRUE(Desk->Surface(early)->Icon.Pixels.empty());
    SetApplicationIcon(icon);
    EXPECT_TRUE(Desk->Surface(early)->Icon.Pixels == icon.Pixels); // already on screen
    EXPECT_EQ(GetApplicationIcon().Width, 4);

    HWND tool = CreateWindowEx(WS_EX_TOOLWINDOW, "Test", "tool", WS_POPUP | WS_VISIBLE, 0, 0, 30,
                               30, early, 0, nullptr);
    HWND tip = CreateWindowEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, "Test", "tip",
                              WS_POPUP, 10, 10, 40, 16, early, 0, nullptr);
    ShowWindow(tip, SW_SHOWNA);
    ShowWindow(hidden, SW_SHOW);
    Desk->Pump();
    EXPECT_EQ(Desk->Surface(tool)->Icon.Width, 4);
    EXPECT_EQ(Desk->Surface(hidden)->Icon.Height, 3); // shown after the icon was set
    EXPECT_TRUE(Desk->Surface(tip)->Icon.Pixels.empty());

    SetApplicationIcon(TPixelBuffer());
    EXPECT_TRUE(Desk->Surface(early)->Icon.Pixels.empty());
    EXPECT_TRUE(Desk->Surface(tip)->Icon.Pixels.empty());
}
} // namespace

namespace {
TEST_F(PaintTest, AWindowDCDrawsOnTheWindowAndIsReleasedAtTheEndOfItsScope) {
    HWND child = Child(Top, Bounds(10, 5, 20, 10));
    PaintColors[child] = kRed;
    Desk->Pump();
    const int presentsBefore = Desk->Surface(Top)->Presents;
    {
        TWindowDC dc(child);
        ASSERT_TRUE(dc);
        dc->FillRect(TRect{0, 0, 100, 100}, kBlue); // clipped to the child
    }
    Desk->Pump();
    EXPECT_EQ(At(10, 5), kBlue);
    EXPECT_EQ(At(29, 14), kBlue);
    EXPECT_EQ(At(30, 14), kGrey);
    EXPECT_GT(Desk->Surface(Top)->Presents, presentsBefore); // released: shown on the desktop

    DestroyWindow(child);
    TWindowDC gone(child);
    EXPECT_FALSE(gone);
}
} // namespace
