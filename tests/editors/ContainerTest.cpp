#include "editors/Container.h"
#include "editors/StyleController.h"
#include "platform/control/CustomControl.h"
#include "tests/platform/control/ControlTestFixture.h"

namespace {

// A form painted green holding a default container at (20, 20), 100 x 21, and before it in Tab
// order a plain control that takes the focus when the form is shown.
class ContainerTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TCustomControl* First = nullptr;
    TcxContainer* Edit = nullptr;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Form->SetColor(clGreen);
        First = new TCustomControl(Form);
        First->SetBounds(200, 150, 10, 10);
        First->SetTabStop(true);
        First->SetParent(Form);
        Edit = new TcxContainer(Form);
        Edit->SetName("Edit");
        Edit->SetBounds(20, 20, 100, 21);
        Edit->SetParent(Form);
        Form->Show();
        Pump();
    }
    // The shown pixel at a point of the container (its own coordinates).
    TColor At(int x, int y) { return Desk->PixelAt(Form->Handle(), Edit->ClientToScreen({x, y})); }
    TPoint Screen(int x, int y) { return Edit->ClientToScreen({x, y}); }
    TPoint Outside() { return Form->ClientToScreen({250, 100}); }
    bool Hot() const { return StateHolds(Edit->ViewInfo().ContainerState, csHotTrack); }

    // The colours of the outermost ring, the border ring and the inside, on all four sides.
    void ExpectFrame(TColor outer, TColor border, TColor inside) {
        const int w = Edit->Width(), h = Edit->Height();
        struct TProbe {
            int X, Y;
            TColor Expected;
        };
        const TProbe probes[] = {
            {0, 10, outer},  {50, 0, outer},         {w - 1, 10, outer},  {50, h - 1, outer},
            {1, 10, border}, {50, 1, border},        {w - 2, 10, border}, {50, h - 2, border},
            {1, 1, border},  {w - 2, h - 2, border}, {2, 10, inside},     {50, h - 3, inside},
        };
        for (const TProbe& p : probes)
            EXPECT_EQ(At(p.X, p.Y), ColorToRGB(p.Expected)) << "at " << p.X << "," << p.Y;
    }
};

TEST_F(ContainerTest, ADefaultContainerShowsItsThreeRings) {
    // The outermost ring shows the parent, one pixel inside runs the border line.
    ExpectFrame(clGreen, clBtnShadow, clWindow);
    TRegion region;
    ASSERT_TRUE(GetWindowRgn(Edit->Handle(), &region));
    EXPECT_EQ(region, TRegion(TRect(1, 1, 99, 20)));
    EXPECT_EQ(Edit->ViewInfo().InnerRect, TRect(2, 2, 98, 19));
    EXPECT_EQ(Edit->GetVisibleBounds(), TRect(1, 1, 99, 20));
}

TEST_F(ContainerTest, TheBorderLightsUpUnderTheMouseAndGoesOutAfter) {
    Desk->MouseMove(Screen(50, 10));
    Pump();
    EXPECT_TRUE(Hot());
    ExpectFrame(clGreen, clHighlight, clWindow);

    Desk->MouseMove(Outside());
    Pump();
    EXPECT_FALSE(Hot());
    ExpectFrame(clGreen, clBtnShadow, clWindow);
}

TEST_F(ContainerTest, TheSeeThroughRingIsNotHot) {
    // The outermost pixel is outside the window: the parent gets the mouse there.
    Desk->MouseMove(Screen(0, 10));
    Pump();
    EXPECT_FALSE(Hot());
    EXPECT_EQ(At(1, 10), ColorToRGB(clBtnShadow));
}

TEST_F(ContainerTest, AHeldButtonKeepsTheHotLookOff) {
    Desk->MouseMove(Screen(50, 10));
    Pump();
    ASSERT_TRUE(Hot());
    // The press also focuses the container; the hot state is told apart from that.
    Desk->MouseDown(Screen(50, 10));
    Desk->MouseMove(Screen(60, 10));
    Pump();
    EXPECT_FALSE(Hot());
    Desk->MouseUp(Screen(60, 10));
    Pump();
    EXPECT_TRUE(Hot());
}

TEST_F(ContainerTest, AClickFocusesTheContainer) {
    Desk->Click(Screen(50, 10));
    Pump();
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Form->ActiveControl(), Edit);
    // Moving away leaves the focused look.
    Desk->MouseMove(Outside());
    Pump();
    EXPECT_EQ(At(1, 10), ColorToRGB(clHighlight));
}

TEST_F(ContainerTest, WithoutHotTrackTheMouseChangesNothing) {
    Edit->Style().SetBorderStyle(cbsSingle);
    Edit->StyleHot().SetBorderColor(clRed);
    Edit->Style().SetHotTrack(false);
    Desk->MouseMove(Screen(50, 10));
    Pump();
    EXPECT_FALSE(Hot());
    EXPECT_EQ(&Edit->ActiveStyle(), &Edit->Style());
    EXPECT_EQ(Edit->ViewInfo().BorderStyle, cbsSingle);
    EXPECT_EQ(At(1, 10), ColorToRGB(clWindowFrame));

    // With it the hot style and its thick border apply.
    Edit->Style().SetHotTrack(true);
    Desk->MouseMove(Screen(51, 10));
    Pump();
    EXPECT_EQ(&Edit->ActiveStyle(), &Edit->StyleHot());
    EXPECT_EQ(Edit->ViewInfo().BorderStyle, cbsThick);
    EXPECT_EQ(At(1, 10), ColorToRGB(clRed));
}

TEST_F(ContainerTest, TheFocusedLookFollowsTheFocus) {
    Edit->SetFocus();
    Pump();
    EXPECT_TRUE(StateHolds(Edit->ViewInfo().ContainerState, csActive));
    EXPECT_EQ(&Edit->ActiveStyle(), &Edit->StyleFocused());
    ExpectFrame(clGreen, clHighlight, clWindow);

    auto* other = new TcxContainer(Form);
    other->SetBounds(20, 60, 100, 21);
    other->SetParent(Form);
    other->SetFocus();
    Pump();
    EXPECT_FALSE(StateHolds(Edit->ViewInfo().ContainerState, csActive));
    ExpectFrame(clGreen, clBtnShadow, clWindow);
}

TEST_F(ContainerTest, ADisabledContainerUsesTheDisabledStyle) {
    Edit->SetEnabled(false);
    Pump();
    EXPECT_EQ(Edit->ViewInfo().ContainerState, ContainerStateBit(csDisabled));
    ExpectFrame(clGreen, clBtnShadow, clBtnFace);
}

TEST_F(ContainerTest, WithoutTransparentBorderTheBorderIsTheOutermostRing) {
    Edit->Style().SetTransparentBorder(false);
    Pump();
    EXPECT_EQ(Edit->ViewInfo().InnerRect, TRect(1, 1, 99, 20));
    EXPECT_EQ(At(0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(50, 20), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(1, 10), ColorToRGB(clWindow));

    // Only the sides in Edges carry a border.
    Edit->Style().SetEdges(BorderBit(bLeft) | BorderBit(bTop));
    Pump();
    EXPECT_EQ(Edit->ViewInfo().InnerRect, TRect(1, 1, 100, 21));
    EXPECT_EQ(At(0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(99, 10), ColorToRGB(clWindow));
    EXPECT_EQ(At(50, 20), ColorToRGB(clWindow));

    // A two-pixel 3-D border.
    Edit->Style().SetEdges(cxBordersAll);
    Edit->Style().SetBorderStyle(cbs3D);
    Pump();
    EXPECT_EQ(Edit->ViewInfo().InnerRect, TRect(2, 2, 98, 19));
    EXPECT_EQ(At(0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(1, 10), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(99, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(98, 10), ColorToRGB(cl3DLight));
    EXPECT_EQ(At(2, 10), ColorToRGB(clWindow));
}

TEST_F(ContainerTest, AShadowIsDrawnAndTheAreaAroundItShowsTheParent) {
    Edit->Style().SetShadow(true);
    Pump();
    EXPECT_EQ(Edit->ViewInfo().InnerRect, TRect(2, 2, 95, 16));
    // Frame (1, 1, 96, 17); the shadow lies 3 pixels below and right of it, moved by 3.
    EXPECT_EQ(At(1, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(95, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(50, 18), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(97, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(2, 18), ColorToRGB(clGreen));  // left of the shadow strip
    EXPECT_EQ(At(97, 2), ColorToRGB(clGreen));  // above the shadow strip
    EXPECT_EQ(At(99, 20), ColorToRGB(clGreen)); // beyond the shadow
    EXPECT_EQ(Edit->GetVisibleBounds(), TRect(1, 1, 96, 17));
}

TEST_F(ContainerTest, ColorWritesTheStyleAndParentColorDropsIt) {
    Edit->SetColor(clYellow);
    EXPECT_TRUE(Edit->Style().IsValueStored(svColor));
    EXPECT_EQ(Edit->Style().Color(), clYellow);
    Pump();
    EXPECT_EQ(At(50, 10), ColorToRGB(clYellow));

    Edit->SetParentColor(true);
    EXPECT_FALSE(Edit->Style().IsValueAssigned(svColor));
    EXPECT_EQ(Edit->Color(), clGreen);
    EXPECT_EQ(Edit->Style().Color(), clGreen);
    Pump();
    EXPECT_EQ(At(50, 10), ColorToRGB(clGreen));

    // The parent's later colour follows.
    Form->SetColor(clNavy);
    Pump();
    EXPECT_EQ(At(50, 10), ColorToRGB(clNavy));
}

TEST_F(ContainerTest, StyleColorAndFontReachTheControl) {
    Edit->Style().SetColor(clAqua);
    EXPECT_EQ(Edit->Color(), clAqua);
    EXPECT_FALSE(Edit->ParentColor());

    // An unassigned style font follows the parent's font through the control.
    Form->Font().SetName("Arial");
    EXPECT_TRUE(Edit->ParentFont());
    EXPECT_EQ(Edit->Style().Font().Name(), "Arial");
    EXPECT_FALSE(Edit->Style().IsValueAssigned(svFont));

    // An assigned one becomes the control's own.
    TFont font;
    font.SetName("Tahoma");
    Edit->Style().SetFont(font);
    EXPECT_EQ(Edit->Font().Name(), "Tahoma");
    EXPECT_FALSE(Edit->ParentFont());
    Form->Font().SetName("Courier New");
    EXPECT_EQ(Edit->Style().Font().Name(), "Tahoma");
}

TEST_F(ContainerTest, TheInnerControlFillsTheClientBoundsWithTheStylesLook) {
    auto* inner = new TCustomControl(Edit);
    inner->SetParent(Edit);
    Edit->SetInnerControl(inner);
    Edit->Style().SetColor(clYellow);
    Edit->Style().SetTextColor(clRed);
    Pump();
    EXPECT_EQ(inner->BoundsRect(), TRect(2, 2, 98, 19));
    EXPECT_EQ(inner->Color(), clYellow);
    EXPECT_EQ(inner->Font().Color(), clRed);

    Edit->SetBounds(20, 20, 150, 30);
    Pump();
    EXPECT_EQ(inner->BoundsRect(), TRect(2, 2, 148, 28));

    // Once it is gone the container carries on without it.
    delete inner;
    EXPECT_EQ(Edit->InnerControl(), nullptr);
    Edit->Style().SetColor(clBlue);
    Pump();
    EXPECT_EQ(At(50, 10), ColorToRGB(clBlue));
}

TEST_F(ContainerTest, TheFocusGoesOnToTheInnerControl) {
    auto* inner = new TCustomControl(Edit);
    inner->SetParent(Edit);
    inner->SetTabStop(true);
    Edit->SetInnerControl(inner);
    Pump();
    Edit->SetFocus();
    Pump();
    EXPECT_TRUE(inner->Focused());
    EXPECT_TRUE(Edit->Focused());
    EXPECT_TRUE(StateHolds(Edit->ViewInfo().ContainerState, csActive));
}

TEST_F(ContainerTest, TheHotLookStaysOverTheInnerControlUntilTheMouseLeavesForGood) {
    auto* inner = new TCustomControl(Edit);
    inner->SetParent(Edit);
    Edit->SetInnerControl(inner);
    Pump();
    Desk->MouseMove(Screen(1, 10));
    Desk->MouseMove(Screen(50, 10)); // over the inner control: the container's window is left
    Pump();
    EXPECT_TRUE(Hot());
    // Out of both: the inner control hears it at once, the container at the next tracking tick.
    Desk->MouseMove(Outside());
    EXPECT_TRUE(Hot());
    Desk->AdvanceTime(cxMouseTrackingInterval);
    Pump();
    EXPECT_FALSE(Hot());
    EXPECT_EQ(At(1, 10), ColorToRGB(clBtnShadow));
}

TEST_F(ContainerTest, AControllerRestylesItsContainersUntilItGoes) {
    auto* controller = new TcxEditStyleController(Form);
    controller->Style().SetBorderStyle(cbsSingle);
    controller->Style().SetBorderColor(clRed);
    Edit->Style().SetStyleController(controller);
    Pump();
    EXPECT_EQ(At(1, 10), ColorToRGB(clRed));
    controller->StyleDisabled().SetColor(clTeal);
    Edit->SetEnabled(false);
    Pump();
    EXPECT_EQ(At(50, 10), ColorToRGB(clTeal));

    controller->Free();
    Pump();
    EXPECT_EQ(At(1, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(50, 10), ColorToRGB(clBtnFace));
}

} // namespace

namespace {

class TKeyProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<UINT> Keys;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_KEYDOWN || m.Msg == WM_CHAR || m.Msg == WM_KEYUP) {
            Keys.push_back(m.Msg);
            m.Result = 42;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

TEST_F(ContainerTest, KeysReachingTheContainerGoOnToTheInnerControl) {
    auto* inner = new TKeyProbe(Edit);
    inner->SetParent(Edit);
    Edit->SetInnerControl(inner);
    Pump();
    EXPECT_EQ(SendMessage(Edit->Handle(), WM_KEYDOWN, 'A', 0), 42);
    EXPECT_EQ(SendMessage(Edit->Handle(), WM_CHAR, 'a', 0), 42);
    EXPECT_EQ(SendMessage(Edit->Handle(), WM_KEYUP, 'A', 0), 42);
    EXPECT_EQ(inner->Keys, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST_F(ContainerTest, TheLookAndFeelKindChoosesTheBorder) {
    Edit->Style().SetTransparentBorder(false);
    Edit->Style().LookAndFeel().SetKind(lfStandard);
    Pump();
    EXPECT_EQ(Edit->ViewInfo().BorderStyle, cbs3D);
    EXPECT_EQ(Edit->ViewInfo().InnerRect, TRect(2, 2, 98, 19));
    EXPECT_EQ(At(0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(1, 10), ColorToRGB(cl3DDkShadow));
    // The control's own look-and-feel follows its style's.
    EXPECT_EQ(Edit->LookAndFeel().Kind(), lfStandard);

    Edit->Style().LookAndFeel().Reset();
    Pump();
    EXPECT_EQ(Edit->ViewInfo().BorderStyle, cbsSingle);
    EXPECT_EQ(Edit->LookAndFeel().Kind(), lfUltraFlat);
    EXPECT_EQ(At(0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(1, 10), ColorToRGB(clWindow));
}

} // namespace

namespace {

TEST_F(ContainerTest, TheBorderShowsTheArrowWhateverTheControlsCursor) {
    Edit->SetCursor(crIBeam);
    Desk->MouseMove(Screen(50, 10));
    EXPECT_EQ(Desk->Cursor(), TCursorShape::IBeam);
    Desk->MouseMove(Screen(1, 10));
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Arrow);
    Desk->MouseMove(Screen(2, 10));
    EXPECT_EQ(Desk->Cursor(), TCursorShape::IBeam);
}

} // namespace
