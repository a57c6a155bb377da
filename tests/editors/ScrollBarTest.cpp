#include "editors/ScrollBar.h"
#include "platform/core/Exception.h"
#include "platform/core/MulDiv.h"
#include "platform/window/WinApi.h"
#include "platform/window/WinConst.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <string>
#include <vector>

namespace {

// The platform's scroll-bar size (checked against GetSystemMetrics below).
constexpr int S = 17;

std::string Str(const TRect& r) {
    return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
           std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

// A scroll bar on a shown form, its scroll notifications recorded with the headless clock.
class ScrollBarTest : public TControlTest {
public:
    struct TScrollRecord {
        TScrollCode Code;
        int Pos;
        std::uint64_t Time;
    };

    TForm* Form = nullptr;
    TcxScrollBar* Bar = nullptr;
    std::vector<TScrollRecord> Scrolls;
    int Changes = 0;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Bar = new TcxScrollBar(Form);
        Bar->SetParent(Form);
        Bar->OnScroll = [this](TPersistent*, TScrollCode code, int& pos) {
            Scrolls.push_back({code, pos, Desk->Now()});
        };
        Bar->OnChange = [this](TPersistent*) { ++Changes; };
        Form->Show();
        Pump();
    }
    void MakeVertical(int height, int left = 150, int top = 20) {
        Bar->SetKind(sbVertical);
        Bar->SetBounds(left, top, S, height);
        Pump();
    }
    TPoint Screen(int x, int y) const { return Bar->ClientToScreen({x, y}); }
    std::vector<TScrollCode> Codes() const {
        std::vector<TScrollCode> codes;
        for (const TScrollRecord& r : Scrolls)
            codes.push_back(r.Code);
        return codes;
    }
};

TEST_F(ScrollBarTest, ANewBarIsHorizontalWithTheDefaults) {
    auto* bar = new TcxScrollBar(Form);
    EXPECT_EQ(bar->Kind(), sbHorizontal);
    EXPECT_EQ(bar->Width(), 121);
    EXPECT_EQ(bar->Height(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), S);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->PageSize(), 0);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->SmallChange(), 1);
    EXPECT_EQ(bar->LargeChange(), 1);
    EXPECT_EQ(bar->ViewInfo().MinThumbnailSize, 8);
}

struct TLayoutCase {
    const char* Name;
    TScrollBarKind Kind;
    int Length; // along the bar
    int Min, Max, PageSize, Position;
    bool Enabled;
    int Arrow;                // length of each arrow
    int ThumbStart, ThumbEnd; // along the bar; equal for no thumb
};

TEST_F(ScrollBarTest, LayoutOfArrowsAndThumb) {
    const TLayoutCase cases[] = {
        {"tall bar, default range", sbVertical, 100, 0, 100, 0, 0, true, S, S, 2 * S},
        {"short bar: arrows halve, no thumb", sbVertical, 20, 0, 100, 0, 0, true, 10, 0, 0},
        // A 66-pixel track: MulDiv(10, 66, 100) = 7, raised to the minimum of 8.
        {"page thumb raised to minimum", sbVertical, 66 + 2 * S, 0, 99, 10, 0, true, S, S, S + 8},
        {"page thumb at the end", sbVertical, 66 + 2 * S, 0, 99, 10, 99, true, S, S + 58, S + 66},
        // MulDiv(58, 89, 90) = 57 (57.36 rounded).
        {"page thumb near the end", sbVertical, 66 + 2 * S, 0, 99, 10, 89, true, S, S + 57, S + 65},
        // MulDiv(5, 66, 10) = 33.
        {"large page", sbVertical, 100, 0, 9, 5, 0, true, S, S, S + 33},
        {"range of one value", sbVertical, 100, 4, 4, 1, 4, true, S, 0, 0},
        // MulDiv(49, 50, 100) = 25 (24.5 rounded away from zero).
        {"horizontal, no page, middle", sbHorizontal, 100, 0, 100, 0, 50, true, S, S + 25,
         S + 25 + S},
        {"disabled: no thumb", sbHorizontal, 100, 0, 100, 0, 50, false, S, 0, 0},
        {"track shorter than the thumb", sbHorizontal, 2 * S + 10, 0, 100, 0, 0, true, S, 0, 0},
    };
    for (const TLayoutCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Bar->SetKind(c.Kind);
        if (c.Kind == sbVertical)
            Bar->SetBounds(10, 10, S, c.Length);
        else
            Bar->SetBounds(10, 10, c.Length, S);
        Bar->SetEnabled(true);
        Bar->SetScrollParams(c.Min, c.Max, c.Position, c.PageSize);
        Bar->SetEnabled(c.Enabled);
        const TcxScrollBarViewInfo& vi = Bar->ViewInfo();
        auto span = [&](int a, int b) {
            return c.Kind == sbVertical ? TRect(0, a, S, b) : TRect(a, 0, b, S);
        };
        EXPECT_EQ(vi.TopLeftArrowRect, span(0, c.Arrow));
        EXPECT_EQ(vi.BottomRightArrowRect, span(c.Length - c.Arrow, c.Length));
        if (c.ThumbStart == c.ThumbEnd) {
            EXPECT_TRUE(vi.ThumbnailRect.IsEmpty()) << Str(vi.ThumbnailRect);
            EXPECT_TRUE(vi.PageUpRect.IsEmpty());
            EXPECT_TRUE(vi.PageDownRect.IsEmpty());
        } else {
            EXPECT_EQ(vi.ThumbnailRect, span(c.ThumbStart, c.ThumbEnd));
            EXPECT_EQ(vi.PageUpRect, span(c.Arrow, c.ThumbStart));
            EXPECT_EQ(vi.PageDownRect, span(c.ThumbEnd, c.Length - c.Arrow));
        }
    }
}

TEST_F(ScrollBarTest, HitTestFindsEachPart) {
    MakeVertical(100);
    // Thumb: MulDiv(10, 66, 100) = 7 raised to 8; at MulDiv(58, 45, 90) = 29 into the track.
    Bar->SetScrollParams(0, 99, 45, 10);
    const int t = S + 29;
    ASSERT_EQ(Bar->ViewInfo().ThumbnailRect, TRect(0, t, S, t + 8));
    const struct {
        TPoint P;
        TcxScrollBarPart Part;
    } cases[] = {
        {{8, -1}, sbpNone},          {{-1, 8}, sbpNone},        {{S, 50}, sbpNone},
        {{8, 100}, sbpNone},         {{0, 0}, sbpLineUp},       {{S - 1, S - 1}, sbpLineUp},
        {{8, S}, sbpPageUp},         {{8, t - 1}, sbpPageUp},   {{8, t}, sbpThumbnail},
        {{8, t + 7}, sbpThumbnail},  {{8, t + 8}, sbpPageDown}, {{8, 100 - S - 1}, sbpPageDown},
        {{8, 100 - S}, sbpLineDown}, {{8, 99}, sbpLineDown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Bar->GetScrollBarPart(c.P), c.Part) << c.P.X << "," << c.P.Y;

    // Without a thumb only the arrows answer.
    Bar->SetEnabled(false);
    EXPECT_EQ(Bar->GetScrollBarPart({8, 5}), sbpLineUp);
    EXPECT_EQ(Bar->GetScrollBarPart({8, 50}), sbpNone);
    EXPECT_EQ(Bar->GetScrollBarPart({8, 95}), sbpLineDown);
}

TEST_F(ScrollBarTest, ParametersAreCheckedAndThePositionClamped) {
    MakeVertical(100);
    Bar->SetScrollParams(0, 50, 10, 5);
    EXPECT_EQ(Changes, 1);
    try {
        Bar->SetScrollParams(10, 5, 0, 0);
        FAIL() << "max below min was taken";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Scrollbar property out of range");
    }
    EXPECT_THROW(Bar->SetPageSize(51), EInvalidOperation);
    EXPECT_THROW(Bar->SetMax(4), EInvalidOperation) << "below the page size";
    EXPECT_EQ(Bar->Max(), 50);
    EXPECT_EQ(Bar->PageSize(), 5);

    Bar->SetPosition(500);
    EXPECT_EQ(Bar->Position(), 50);
    Bar->SetPosition(-3);
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_EQ(Changes, 3);
    Bar->SetPosition(0);
    EXPECT_EQ(Changes, 3) << "an unchanged position is no change";

    // Lowering Max below the position pulls the position along.
    Bar->SetPosition(40);
    Bar->SetMax(30);
    EXPECT_EQ(Bar->Position(), 30);

    Bar->SetEnabled(false);
    Bar->SetPosition(20);
    EXPECT_TRUE(Bar->Enabled()) << "a new position enables the bar";
    EXPECT_FALSE(Bar->ViewInfo().ThumbnailRect.IsEmpty());
}

TEST_F(ScrollBarTest, HoldingAnArrowRepeatsAfter400ThenEvery60Milliseconds) {
    MakeVertical(100);
    Bar->SetScrollParams(0, 1000, 0, 0);
    const TPoint down = Screen(8, 95);
    const std::uint64_t t0 = Desk->Now();
    Desk->MouseMove(down);
    Desk->MouseDown(down);
    EXPECT_EQ(Bar->Position(), 1) << "once at once";
    EXPECT_EQ(Bar->PressedPart(), sbpLineDown);
    Desk->AdvanceTime(399);
    EXPECT_EQ(Bar->Position(), 1);
    Desk->AdvanceTime(1);
    EXPECT_EQ(Bar->Position(), 2) << "again after 400 ms";
    Desk->AdvanceTime(59);
    EXPECT_EQ(Bar->Position(), 2);
    Desk->AdvanceTime(1);
    EXPECT_EQ(Bar->Position(), 3) << "then every 60 ms";
    Desk->AdvanceTime(60);
    EXPECT_EQ(Bar->Position(), 4);
    ASSERT_EQ(Scrolls.size(), 4u);
    EXPECT_EQ(Scrolls[0].Time, t0);
    EXPECT_EQ(Scrolls[1].Time, t0 + 400);
    EXPECT_EQ(Scrolls[2].Time, t0 + 460);
    EXPECT_EQ(Scrolls[3].Time, t0 + 520);
    for (const TScrollRecord& r : Scrolls)
        EXPECT_EQ(r.Code, scLineDown);

    // Off the arrow (still holding the button) the repeat pauses; back on it resumes.
    Desk->MouseMove(Screen(8, 50));
    Desk->AdvanceTime(600);
    EXPECT_EQ(Bar->Position(), 4);
    EXPECT_EQ(Bar->PressedPart(), sbpLineDown);
    Desk->MouseMove(down);
    Desk->AdvanceTime(59);
    EXPECT_EQ(Bar->Position(), 4);
    Desk->AdvanceTime(1);
    EXPECT_EQ(Bar->Position(), 5);

    // The release ends the scroll: the end code, and no more ticks.
    Scrolls.clear();
    Desk->MouseUp(down);
    EXPECT_EQ(Codes(), std::vector<TScrollCode>{scEndScroll});
    EXPECT_EQ(Bar->PressedPart(), sbpNone);
    Desk->AdvanceTime(1000);
    EXPECT_EQ(Bar->Position(), 5);
    EXPECT_EQ(Scrolls.size(), 1u);
}

TEST_F(ScrollBarTest, PageAreasScrollByLargeChangeUntilTheThumbReachesTheMouse) {
    MakeVertical(100);
    Bar->SetScrollParams(0, 99, 0, 10);
    Bar->SetLargeChange(10);
    const TPoint page = Screen(8, 60);
    ASSERT_EQ(Bar->GetScrollBarPart({8, 60}), sbpPageDown);
    Desk->MouseMove(page);
    Desk->MouseDown(page);
    EXPECT_EQ(Bar->Position(), 10);
    // The headless clock jumps: advance it tick by tick.
    for (int i = 0; i < 40; ++i)
        Desk->AdvanceTime(60);
    // The thumb stops under the mouse: it no longer leaves the page area below it.
    EXPECT_TRUE(Bar->ViewInfo().ThumbnailRect.Contains({8, 60}) ||
                Bar->ViewInfo().PageUpRect.Contains({8, 60}))
        << Str(Bar->ViewInfo().ThumbnailRect);
    int stopped = Bar->Position();
    EXPECT_EQ(stopped, 60) << "the thumb at 60 covers the mouse";
    for (int i = 0; i < 10; ++i)
        Desk->AdvanceTime(60);
    EXPECT_EQ(Bar->Position(), stopped);
    Desk->MouseUp(page);
}

TEST_F(ScrollBarTest, CancelModeAndDisablingEndTheScroll) {
    MakeVertical(100);
    Bar->SetScrollParams(0, 1000, 0, 0);
    const TPoint down = Screen(8, 95);
    Desk->MouseMove(down);
    Desk->MouseDown(down);
    Scrolls.clear();
    SendMessage(Bar->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(Codes(), std::vector<TScrollCode>{scEndScroll});
    EXPECT_EQ(Bar->PressedPart(), sbpNone);
    Desk->AdvanceTime(1000);
    EXPECT_EQ(Bar->Position(), 1);
    Desk->MouseUp(down);

    // Losing the mouse capture ends it at the next tick.
    Desk->MouseDown(down);
    EXPECT_EQ(Bar->Position(), 2);
    ReleaseCapture();
    Scrolls.clear();
    Desk->AdvanceTime(400);
    EXPECT_EQ(Codes(), std::vector<TScrollCode>{scEndScroll});
    EXPECT_EQ(Bar->Position(), 2);
    Desk->MouseUp(down);

    Desk->MouseDown(down);
    EXPECT_EQ(Bar->Position(), 3);
    Bar->SetEnabled(false);
    EXPECT_EQ(Bar->PressedPart(), sbpNone);
    Desk->AdvanceTime(1000);
    EXPECT_EQ(Bar->Position(), 3);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndFarSidewaysRestoresTheStart) {
    MakeVertical(150);
    Bar->SetScrollParams(0, 99, 0, 10);
    const TRect thumb = Bar->ViewInfo().ThumbnailRect;
    const TPoint grab = Screen(8, thumb.Top + 4);
    Desk->MouseMove(grab);
    Desk->MouseDown(grab);
    EXPECT_EQ(Codes(), std::vector<TScrollCode>{scTrack});
    EXPECT_EQ(Bar->PressedPart(), sbpThumbnail);

    // 40 pixels down a track of 150 - 2 S pixels less the thumb: MulDiv(10, 118, 100) = 12.
    ASSERT_EQ(thumb.Height(), 12);
    const int room = 150 - 2 * S - 12;
    Desk->MouseMove(grab + TPoint(0, 40));
    EXPECT_EQ(Bar->ViewInfo().ThumbnailRect.Top, thumb.Top + 40);
    const int tracked = MulDiv(90, 40, room);
    EXPECT_EQ(Bar->Position(), tracked);
    EXPECT_EQ(Scrolls.back().Code, scTrack);
    EXPECT_EQ(Scrolls.back().Pos, tracked);

    // 136 pixels left of the bar still tracks; one more restores the start.
    const int y = thumb.Top + 4 + 40;
    Desk->MouseMove(Screen(-136, y));
    EXPECT_EQ(Bar->Position(), tracked);
    Scrolls.clear();
    Desk->MouseMove(Screen(-137, y));
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_EQ(Bar->ViewInfo().ThumbnailRect, thumb);
    ASSERT_FALSE(Scrolls.empty());
    EXPECT_EQ(Scrolls.back().Code, scTrack);
    EXPECT_EQ(Scrolls.back().Pos, 0);

    // Back near the bar the thumb follows the mouse again.
    Desk->MouseMove(Screen(-20, y));
    EXPECT_EQ(Bar->Position(), tracked);
    // Along the bar the room is 34 pixels.
    Desk->MouseMove(Screen(8, -35));
    EXPECT_EQ(Bar->Position(), 0);
    Desk->MouseMove(Screen(8, -34));
    EXPECT_EQ(Bar->Position(), 0) << "the thumb is held at the first arrow";
    EXPECT_EQ(Bar->ViewInfo().ThumbnailRect.Top, S);
    // Past the end of the track (within the 34 pixels) the thumb stops at the second arrow.
    Desk->MouseMove(Screen(8, 150 + 30));
    EXPECT_EQ(Bar->ViewInfo().ThumbnailRect.Bottom, 150 - S);
    EXPECT_EQ(Bar->Position(), 90);

    Scrolls.clear();
    Desk->MouseUp(Screen(8, 150 + 30));
    EXPECT_EQ(Codes(), (std::vector<TScrollCode>{scPosition, scEndScroll}));
    EXPECT_EQ(Bar->Position(), 90);
}

TEST_F(ScrollBarTest, PressingAndReleasingTheThumbLeavesThePosition) {
    // More positions than pixels: the thumb's place rounds, the position must not move.
    MakeVertical(100);
    Bar->SetScrollParams(0, 1000, 333, 10);
    const TPoint grab = Screen(8, Bar->ViewInfo().ThumbnailRect.Top + 2);
    Desk->MouseMove(grab);
    Desk->MouseDown(grab);
    Desk->MouseMove(grab + TPoint(3, 0));
    Desk->MouseUp(grab + TPoint(3, 0));
    EXPECT_EQ(Bar->Position(), 333);
}

TEST_F(ScrollBarTest, UnlimitedTrackingKeepsFollowingFarAway) {
    MakeVertical(150);
    Bar->SetScrollParams(0, 99, 0, 10);
    Bar->SetUnlimitedTracking(true);
    const TPoint grab = Screen(8, Bar->ViewInfo().ThumbnailRect.Top + 2);
    Desk->MouseMove(grab);
    Desk->MouseDown(grab);
    Desk->MouseMove(grab + TPoint(-300, 40));
    EXPECT_GT(Bar->Position(), 0);
    Desk->MouseUp(grab + TPoint(-300, 40));
}

TEST_F(ScrollBarTest, ScrollMessagesAndOnScrollChangeThePosition) {
    MakeVertical(100);
    Bar->SetScrollParams(0, 50, 10, 0);
    Bar->SetSmallChange(2);
    Bar->SetLargeChange(7);
    const struct {
        TScrollCode Code;
        int Expected;
    } steps[] = {{scLineDown, 12}, {scLineUp, 10},   {scPageDown, 17}, {scPageUp, 10},
                 {scBottom, 50},   {scLineDown, 50}, {scTop, 0},       {scPageUp, 0}};
    for (const auto& s : steps) {
        SendMessage(Bar->Handle(), WM_VSCROLL, WPARAM(s.Code), 0);
        EXPECT_EQ(Bar->Position(), s.Expected) << "code " << s.Code;
    }
    // The handler has the last word, within the range.
    Bar->OnScroll = [](TPersistent*, TScrollCode, int& pos) { pos = 1000; };
    SendMessage(Bar->Handle(), WM_VSCROLL, WPARAM(scLineDown), 0);
    EXPECT_EQ(Bar->Position(), 50);
}

TEST_F(ScrollBarTest, PartStatesFollowPressAndHover) {
    MakeVertical(100);
    Bar->SetScrollParams(0, 99, 0, 10);
    const TPoint up = Screen(8, 5), page = Screen(8, 60);
    EXPECT_TRUE(Bar->Painter()->IsButtonHotTrack()) << "the default look is ultra-flat";

    Desk->MouseMove(up);
    EXPECT_EQ(Bar->HotPart(), sbpLineUp);
    EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsHot);
    EXPECT_EQ(Bar->GetPartState(sbpLineDown), cxbsNormal);
    const TColor hotPixel = Desk->PixelAt(Form->Handle(), Screen(2, 2));

    Desk->MouseDown(up);
    EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsPressed);
    EXPECT_EQ(Bar->GetPartState(sbpThumbnail), cxbsNormal);
    Desk->MouseMove(page);
    EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsNormal) << "pressed but not under the mouse";
    EXPECT_EQ(Bar->GetPartState(sbpPageDown), cxbsNormal);
    Desk->MouseUp(page);
    EXPECT_EQ(Bar->GetPartState(sbpPageDown), cxbsHot);

    Desk->MouseMove(Form->ClientToScreen({5, 5}));
    Pump();
    EXPECT_EQ(Bar->HotPart(), sbpNone);
    EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsNormal);
    EXPECT_NE(Desk->PixelAt(Form->Handle(), Screen(2, 2)), hotPixel)
        << "the arrow is painted hot only under the mouse";

    Bar->SetEnabled(false);
    EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsDisabled);

    // The flat look does not light its thumb.
    Bar->SetEnabled(true);
    Bar->LookAndFeel().SetKind(lfFlat);
    EXPECT_FALSE(Bar->Painter()->IsButtonHotTrack());
    const TPoint thumb = Screen(8, Bar->ViewInfo().ThumbnailRect.Top + 2);
    Desk->MouseMove(thumb);
    EXPECT_EQ(Bar->GetPartState(sbpThumbnail), cxbsNormal);
}

} // namespace
