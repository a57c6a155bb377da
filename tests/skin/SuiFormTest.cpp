#include "SkinFrameFixture.h"

#include "platform/control/Panel.h"
#include "skin/SuiForm.h"

#include <gtest/gtest.h>

namespace {

class FrameTest : public TSkinFrameTest {
public:
    TForm* Host = nullptr;
    TsuiForm* Frame = nullptr;

    // A sizeable window at (100, 100) with a frame in the theme, made 287 x 396 by the frame.
    TsuiForm* MakeFrame(TsuiUIStyle style = MacOS, const std::string& name = "Host") {
        Host = new TForm(App.get());
        Host->SetName(name);
        Host->SetCaption("Qorvin");
        Host->SetBounds(100, 100, 300, 200);
        Frame = new TsuiForm(Host);
        Frame->SetParent(Host);
        Frame->SetUIStyle(style);
        Frame->SetWidth(287);
        Frame->SetHeight(396);
        Host->Show();
        Pump();
        return Frame;
    }
    LRESULT HitTest(TPoint client) {
        return SendMessage(Host->Handle(), WM_NCHITTEST, 0,
                           PointToLParam(Host->ClientToScreen(client)));
    }
};

TEST_F(FrameTest, ConstructionTakesOverTheHost) {
    Host = new TForm(App.get());
    Host->SetCaption("Qorvin");
    Frame = new TsuiForm(Host);
    EXPECT_EQ(Host->BorderStyle(), bsNone);
    EXPECT_EQ(Host->Constraints().MinHeight(), 50);
    EXPECT_EQ(Host->Constraints().MinWidth(), 125);
    TRect work = ::Screen->WorkAreaRect();
    EXPECT_EQ(Host->Constraints().MaxHeight(), work.Height());
    EXPECT_EQ(Host->Constraints().MaxWidth(), work.Width());
    EXPECT_EQ(Frame->UIStyle(), DeepBlue);
    EXPECT_EQ(Frame->TitleBar()->UIStyle(), DeepBlue);
    EXPECT_FALSE(Frame->UIStyleAutoUpdateSub());
    EXPECT_EQ(Frame->MenuBarHeight(), 22);
    EXPECT_EQ(Frame->Caption(), "Qorvin");
    EXPECT_TRUE(Frame->TitleBarVisible());
    EXPECT_EQ(Frame->TCustomPanel::Caption(), " ");
    EXPECT_EQ(Frame->BevelOuter(), bvNone);
    EXPECT_EQ(Frame->BevelInner(), bvNone);
    EXPECT_EQ(Frame->Align(), alNone);
    EXPECT_EQ(Frame->Host(), Host);
    EXPECT_EQ(Frame->TitleBar()->Parent(), Frame);

    auto plain = MakeComponent<TPanel>(nullptr);
    auto* loose = new TsuiForm(plain.get());
    EXPECT_EQ(loose->Host(), nullptr); // a plain panel
    EXPECT_EQ(loose->TitleBar(), nullptr);
}

TEST_F(FrameTest, ThemesSetBorderAndColour) {
    struct Case {
        TsuiUIStyle Style;
        TColor Border;
        int Width;
        TColor Color;
    };
    const Case cases[] = {{MacOS, 0x7F7F7F, 1, 0xE7E7E7},
                          {WinXP, 0xC82C00, 3, 0xDEEBEF},
                          {DeepBlue, 0x000000, 1, 0xE8E8E8},
                          {Protein, 0x000000, 1, 0xFBFBFB},
                          {BlueGlass, 0x000000, 1, 0xE7E7E7}};
    MakeFrame();
    for (const Case& c : cases) {
        Frame->SetUIStyle(c.Style);
        EXPECT_EQ(Frame->BorderColor(), c.Border) << int(c.Style);
        EXPECT_EQ(Frame->BorderWidth(), c.Width) << int(c.Style);
        EXPECT_EQ(Frame->Color(), c.Color) << int(c.Style);
        EXPECT_EQ(Frame->MenuBarColor(), c.Color) << int(c.Style);
        EXPECT_EQ(Frame->TitleBar()->UIStyle(), c.Style);
        // The size is written back through the new border.
        EXPECT_EQ(Frame->Width(), 287) << int(c.Style);
        EXPECT_EQ(Host->Width(), 287 + 2 * c.Width) << int(c.Style);
    }
}

TEST_F(FrameTest, CustomKeepsThePreviousLook) {
    MakeFrame(WinXP);
    Frame->SetUIStyle(Custom);
    EXPECT_EQ(Frame->UIStyle(), Custom);
    EXPECT_EQ(Frame->BorderColor(), 0xC82C00u);
    EXPECT_EQ(Frame->BorderWidth(), 3);
    EXPECT_EQ(Frame->Color(), 0xDEEBEFu);
    EXPECT_EQ(Frame->TitleBar()->UIStyle(), WinXP);
    EXPECT_EQ(Frame->TitleBarSections().Count(), 3);
    EXPECT_EQ(Frame->TitleBarSections().Items(0)->PictureResource(), "WINXP_TITLE_LEFT");
}

TEST_F(FrameTest, WidthAndHeightWritesSizeTheHostAroundTheFrame) {
    struct Case {
        int BorderWidth;
        int Write;
        bool IsWidth;
        int HostSize;
        int FrameSize;
    };
    const Case cases[] = {
        {1, 287, true, 289, 287}, {1, 524, true, 526, 524}, {1, 396, false, 397, 396},
        {3, 287, true, 293, 287}, {3, 524, true, 530, 524}, {3, 396, false, 400, 397},
    };
    MakeFrame();
    for (const Case& c : cases) {
        Frame->SetBorderWidth(c.BorderWidth);
        if (c.IsWidth) {
            Frame->SetWidth(c.Write);
            EXPECT_EQ(Host->Width(), c.HostSize) << c.BorderWidth << " " << c.Write;
            EXPECT_EQ(Frame->Width(), c.FrameSize) << c.BorderWidth << " " << c.Write;
            EXPECT_EQ(Frame->Left(), c.BorderWidth);
        } else {
            Frame->SetHeight(c.Write);
            EXPECT_EQ(Host->Height(), c.HostSize) << c.BorderWidth << " " << c.Write;
            EXPECT_EQ(Frame->Height(), c.FrameSize) << c.BorderWidth << " " << c.Write;
            EXPECT_EQ(Frame->Top(), 0);
        }
    }
}

TEST_F(FrameTest, HidingTheTitleBarShowsTheTopBorder) {
    MakeFrame();
    Frame->SetBorderColor(clRed);
    Frame->SetTitleBarVisible(false);
    Pump();
    EXPECT_EQ(Frame->Top(), 1);
    EXPECT_EQ(Frame->Height(), Host->ClientHeight() - 2);
    EXPECT_EQ(Desk->PixelAt(Host->Handle(), Host->ClientToScreen({150, 0})), clRed);
    Frame->SetTitleBarVisible(true);
    EXPECT_EQ(Frame->Top(), 0);
}

TEST_F(FrameTest, TheBorderIsPaintedOnTheHostsEdges) {
    MakeFrame();
    Frame->SetBorderColor(clRed);
    Host->Invalidate();
    Pump();
    int cw = Host->ClientWidth(), ch = Host->ClientHeight();
    ASSERT_EQ(cw, 289);
    ASSERT_EQ(ch, 397);
    for (TPoint p : {TPoint(0, 100), TPoint(cw - 1, 100), TPoint(150, ch - 1), TPoint(0, ch - 1)})
        EXPECT_EQ(Desk->PixelAt(Host->Handle(), Host->ClientToScreen(p)), clRed)
            << p.X << "," << p.Y;
    EXPECT_NE(Desk->PixelAt(Host->Handle(), Host->ClientToScreen({1, 100})), clRed);
}

TEST_F(FrameTest, MacOSAndProteinTileTheirTextureOthersFillWithColour) {
    MakeFrame(MacOS);
    for (TPoint p : {TPoint(10, 30), TPoint(11, 31), TPoint(200, 302), TPoint(5, 395)})
        EXPECT_EQ(ShownAt(Frame, p), PicturePixel("MACOS_FORM_BACKGROUND", {p.X % 8, p.Y % 8}))
            << p.X << "," << p.Y;
    Frame->SetUIStyle(Protein);
    Pump();
    int top = Frame->TitleBar()->Height();
    for (TPoint p : {TPoint(10, top + 3), TPoint(100, 301)})
        EXPECT_EQ(ShownAt(Frame, p), PicturePixel("PROTEIN_FORM_BACKGROUND", {p.X % 8, p.Y % 8}));
    Frame->SetUIStyle(WinXP);
    Pump();
    EXPECT_EQ(ShownAt(Frame, {100, 300}), TColor(0xDEEBEF));
}

TEST_F(FrameTest, APartialRepaintKeepsTheTilesAlignedToTheFrame) {
    MakeFrame(MacOS);
    // Odd offsets inside a tile, as a see-through child or a small invalidation paints them.
    const TRect part(13, 37, 30, 50);
    InvalidateRect(Frame->Handle(), &part, true);
    Pump();
    for (TPoint p : {TPoint(13, 37), TPoint(14, 39), TPoint(29, 49), TPoint(21, 44)})
        EXPECT_EQ(ShownAt(Frame, p), PicturePixel("MACOS_FORM_BACKGROUND", {p.X % 8, p.Y % 8}))
            << p.X << "," << p.Y;
}

TEST_F(FrameTest, CaptionGoesToTheTitleBarAndTheHost) {
    MakeFrame();
    Frame->SetCaption("Result");
    EXPECT_EQ(Frame->TitleBar()->Caption(), "Result");
    EXPECT_EQ(Host->Caption(), "Result");
    EXPECT_EQ(Desk->Surface(Host->Handle())->Title, "Result");
}

TEST_F(FrameTest, ASecondFrameOnAHostIsRefused) {
    MakeFrame();
    try {
        new TsuiForm(Host);
        FAIL() << "no exception";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Sorry, You can create only one TsuiForm component in one form!");
    }
    int frames = 0;
    for (int i = 0; i < Host->ControlCount(); ++i)
        frames += dynamic_cast<TsuiForm*>(Host->Controls(i)) != nullptr;
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(Host->Controls(0), Frame);
    EXPECT_EQ(Frame->UIStyle(), MacOS);
}

TEST_F(FrameTest, OnlyTheFirstFrameInstallsTheApplicationHook) {
    TsuiForm* first = MakeFrame(MacOS, "First");
    TForm* firstHost = Host;
    TsuiForm* second = MakeFrame(MacOS, "Second");
    EXPECT_TRUE(first->InstalledApplicationHook());
    EXPECT_FALSE(second->InstalledApplicationHook());
    EXPECT_TRUE(bool(App->OnMessage));
    Host->Free(); // the second window and its frame
    EXPECT_TRUE(bool(App->OnMessage));
    firstHost->Free();
    EXPECT_FALSE(bool(App->OnMessage));
}

TEST_F(FrameTest, FormPanelFillsTheFrameButCannotBeTheFrame) {
    MakeFrame();
    Frame->SetFormPanel(Frame);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Sorry, you can't select the Form assign to FormPanel property");
    EXPECT_EQ(Frame->FormPanel(), nullptr);

    auto* panel = new TPanel(Host);
    panel->SetParent(Frame);
    panel->SetCaption("inner");
    Frame->SetFormPanel(panel);
    EXPECT_EQ(Frame->FormPanel(), panel);
    EXPECT_EQ(panel->Align(), alClient);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->Caption(), "");
    panel->Free();
    EXPECT_EQ(Frame->FormPanel(), nullptr);
}

TEST_F(FrameTest, ResizeZonesAnswerTheHitTest) {
    MakeFrame();
    int cw = Host->ClientWidth(), ch = Host->ClientHeight();
    struct Case {
        TPoint At;
        LRESULT Hit;
    };
    const Case cases[] = {
        {{3, 3}, HTTOPLEFT},         {{cw - 3, 3}, HTTOPRIGHT}, {{cw - 3, ch - 3}, HTBOTTOMRIGHT},
        {{3, ch - 3}, HTBOTTOMLEFT}, {{0, 100}, HTLEFT},        {{4, 100}, HTLEFT},
        {{100, 0}, HTTOP},           {{cw - 4, 100}, HTRIGHT},  {{100, ch - 1}, HTBOTTOM},
        {{100, ch - 4}, HTBOTTOM},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTest(c.At), c.Hit) << c.At.X << "," << c.At.Y;
    // Inside the zones the previous procedure's answer stands.
    LRESULT inside = HitTest({100, 100});
    EXPECT_EQ(inside, HTCLIENT);
    EXPECT_EQ(HitTest({5, 100}), inside);
    EXPECT_EQ(HitTest({cw - 5, 100}), inside);

    Host->SetWindowState(wsMaximized);
    Pump();
    EXPECT_EQ(HitTest({3, 3}), HTCLIENT);
}

TEST_F(FrameTest, AHostThatWasNotSizeableGetsNoResizeZones) {
    Host = NewForm(); // no border
    Frame = new TsuiForm(Host);
    Frame->SetParent(Host);
    Host->Show();
    Pump();
    EXPECT_EQ(HitTest({3, 3}), HTCLIENT);
}

TEST_F(FrameTest, ResizingTheHostRealignsTheFrame) {
    MakeFrame();
    Host->SetBounds(Host->Left(), Host->Top(), 400, 300);
    Pump();
    EXPECT_EQ(Frame->BoundsRect(), TRect(1, 0, 399, 299));
    EXPECT_EQ(Frame->TitleBar()->Width(), 398);
}

TEST_F(FrameTest, ActivationColoursTheCaption) {
    MakeFrame();
    SendMessage(Host->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Frame->TitleBar()->FormActive());
    SendMessage(Host->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(Frame->TitleBar()->FormActive());
}

TEST_F(FrameTest, RoundedTopCornersForWinXPAndBlueGlass) {
    struct Case {
        TsuiUIStyle Style;
        int Corner;
    };
    for (const Case& c : {Case{WinXP, 13}, Case{BlueGlass, 11}}) {
        MakeFrame(c.Style, c.Style == WinXP ? "XP" : "Glass");
        EXPECT_EQ(Frame->TitleBar()->RoundCorner(), c.Corner);
        TRegion region;
        ASSERT_TRUE(GetWindowRgn(Host->Handle(), &region));
        int w = Host->Width(), h = Host->Height();
        EXPECT_EQ(region.GetBounds(), TRect(0, 0, w, h));
        for (TPoint out : {TPoint(0, 0), TPoint(2, 0), TPoint(0, 2), TPoint(w - 1, 0),
                           TPoint(w - 3, 0), TPoint(w - 1, 2)})
            EXPECT_FALSE(region.Contains(out)) << int(c.Style) << " " << out.X << "," << out.Y;
        for (TPoint in : {TPoint(8, 0), TPoint(0, 8), TPoint(w - 9, 0), TPoint(w / 2, 0),
                          TPoint(0, h - 1), TPoint(w - 1, h - 1), TPoint(w / 2, h / 2)})
            EXPECT_TRUE(region.Contains(in)) << int(c.Style) << " " << in.X << "," << in.Y;
        // A new size gets a new region.
        Host->SetBounds(Host->Left(), Host->Top(), 400, 300);
        Pump();
        ASSERT_TRUE(GetWindowRgn(Host->Handle(), &region));
        EXPECT_EQ(region.GetBounds(), TRect(0, 0, 400, 300));
        EXPECT_FALSE(region.Contains({399, 0}));
    }
    MakeFrame(MacOS, "Mac");
    TRegion region;
    ASSERT_TRUE(GetWindowRgn(Host->Handle(), &region));
    EXPECT_EQ(region, TRegion(TRect(0, 0, Host->Width(), Host->Height())));
}

TEST_F(FrameTest, TheCloseButtonClosesTheHost) {
    MakeFrame();
    Frame->TitleBarButtons().Delete(2); // the program's buttons: control box, close, minimize
    Pump();
    TsuiTitleBar* bar = Frame->TitleBar();
    TPoint close = bar->ClientToScreen(bar->LayoutButtons(bar->Width()).Rects[1].CenterPoint());
    Desk->Click(close);
    EXPECT_FALSE(Host->Visible());
}

TEST_F(FrameTest, AHostCreatedMaximizedGetsItsFirstBoundsBackWhenRestored) {
    Host = new TForm(App.get());
    Host->SetBounds(100, 100, 300, 200);
    Host->SetWindowState(wsMaximized);
    Frame = new TsuiForm(Host);
    Frame->SetParent(Host);
    Frame->SetUIStyle(MacOS);
    Host->SetBounds(50, 50, 320, 220); // the frame remembers the bounds it was created with
    Host->Show();
    Pump();
    ASSERT_EQ(Host->WindowState(), wsMaximized);
    EXPECT_EQ(Host->BoundsRect(), ::Screen->WorkAreaRect());
    Host->SetWindowState(wsNormal);
    Pump();
    EXPECT_EQ(Host->BoundsRect(), TRect(100, 100, 400, 300));
    EXPECT_EQ(Frame->Width(), 298);
    // From then on the host is an ordinary one.
    Host->SetBounds(10, 10, 250, 150);
    Pump();
    EXPECT_EQ(Host->BoundsRect(), TRect(10, 10, 260, 160));
}

TEST_F(FrameTest, AFrameFreedBeforeItsHostLeavesTheHostsProcedureAlone) {
    MakeFrame();
    Frame->Free();
    Pump();
    // The host answers its messages by itself again.
    EXPECT_EQ(HitTest({3, 3}), HTCLIENT);
    SendMessage(Host->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    Host->SetBounds(Host->Left(), Host->Top(), 350, 250);
    Pump();
    EXPECT_EQ(Host->Width(), 350);
}

} // namespace
