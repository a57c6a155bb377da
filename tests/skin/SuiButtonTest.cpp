#include "tests/platform/control/ControlTestFixture.h"

#include "platform/control/Image.h"
#include "platform/control/Panel.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Resources.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinButtonClass.h"
#include "skin/SpitDraw.h"
#include "skin/SuiButton.h"
#include "skin/SuiForm.h"

#include <string>

namespace {
// The form's client area starts at (100, 100) on the screen; the button sits at (10, 20) in it.
constexpr TPoint ButtonOnScreen{110, 120};

class TSuiButtonTest : public TControlTest {
public:
    TForm* Form = nullptr;
    int Clicks = 0;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Form->SetColor(clWhite);
    }

    // A button of the theme at (10, 20) on the form, 97 x 23, counting its clicks.
    TsuiButton* NewButton(TsuiUIStyle style = MacOS, const std::string& name = "Button1") {
        auto* b = new TsuiButton(Form);
        b->SetName(name);
        b->SetParent(Form);
        b->SetUIStyle(style);
        b->SetBounds(10, 20, 97, 23);
        b->OnClick = [this](TPersistent*) { ++Clicks; };
        return b;
    }
    void ShowForm() {
        Form->Show();
        Pump();
    }
    // A point of the button (in its own coordinates) on the screen.
    static TPoint On(int x, int y) { return ButtonOnScreen + TPoint(x, y); }
    TColor At(int x, int y) { return Desk->PixelAt(Form->Handle(), On(x, y)); }
    // Somewhere on the form away from the button.
    static TPoint Away() { return {250, 250}; }
};

TBitmap SkinPicture(const std::string& name) {
    TBitmap b;
    LoadSkinBitmap(&b, nullptr, name);
    return b;
}

TColor PictureAt(TBitmap& b, int x, int y) {
    return b.Canvas().Pixel(x, y);
}

// Points of a 97 x 23 button and the pixel of the 84 x 23 picture they show.
struct TProbe {
    TPoint At;
    TPoint From;
};
const TProbe MacOSProbes[] = {
    {{0, 0}, {0, 0}},     {{5, 5}, {5, 5}},     {{20, 0}, {20, 0}},   {{1, 11}, {1, 11}},
    {{20, 12}, {20, 11}}, {{70, 11}, {57, 12}}, {{48, 2}, {42, 2}},   {{48, 11}, {42, 11}},
    {{48, 12}, {42, 12}}, {{41, 21}, {42, 21}}, {{96, 22}, {83, 22}}, {{92, 5}, {79, 5}},
    {{5, 21}, {5, 21}},   {{70, 21}, {57, 21}},
};

void ExpectPicture(TSuiButtonTest& t, const std::string& pictureName, const char* state) {
    TBitmap picture = SkinPicture(pictureName);
    for (const TProbe& p : MacOSProbes)
        EXPECT_EQ(t.At(p.At.X, p.At.Y), PictureAt(picture, p.From.X, p.From.Y))
            << state << " at " << p.At.X << "," << p.At.Y;
}
} // namespace

// --- Pictures --------------------------------------------------------------------------------

TEST_F(TSuiButtonTest, MacOSButtonShowsThePictureOfEachState) {
    // The three pictures differ where the probes look, so each state is told apart.
    TBitmap normal = SkinPicture("MACOS_BUTTON_NORMAL");
    TBitmap hot = SkinPicture("MACOS_BUTTON_MOUSEON");
    TBitmap pressed = SkinPicture("MACOS_BUTTON_MOUSEDOWN");
    ASSERT_NE(PictureAt(normal, 20, 0), PictureAt(hot, 20, 0));
    ASSERT_NE(PictureAt(hot, 20, 0), PictureAt(pressed, 20, 0));
    ASSERT_NE(PictureAt(normal, 20, 11), PictureAt(normal, 20, 12));

    TsuiButton* b = NewButton();
    ShowForm();
    ExpectPicture(*this, "MACOS_BUTTON_NORMAL", "normal");

    Desk->MouseMove(On(30, 10));
    EXPECT_TRUE(b->IsMouseOn());
    ExpectPicture(*this, "MACOS_BUTTON_MOUSEON", "hot");

    Desk->MouseDown(On(30, 10));
    EXPECT_TRUE(b->IsMouseDown());
    ExpectPicture(*this, "MACOS_BUTTON_MOUSEDOWN", "pressed");
    Desk->MouseUp(On(30, 10));
    ExpectPicture(*this, "MACOS_BUTTON_MOUSEON", "released");

    Desk->MouseMove(Away());
    EXPECT_FALSE(b->IsMouseOn());
    b->SetEnabled(false);
    Pump();
    ExpectPicture(*this, "MACOS_BUTTON_NORMAL", "disabled");
    Desk->MouseMove(On(30, 10));
    ExpectPicture(*this, "MACOS_BUTTON_NORMAL", "disabled under the pointer");
}

TEST_F(TSuiButtonTest, EveryThemeStretchesItsOwnPictureOverTheButton) {
    const std::pair<TsuiUIStyle, const char*> themes[] = {
        {WinXP, "WINXP_BUTTON_NORMAL"},
        {DeepBlue, "DEEPBLUE_BUTTON_NORMAL"},
        {Protein, "PROTEIN_BUTTON_NORMAL"},
    };
    TsuiButton* b = NewButton(WinXP);
    ShowForm();
    for (auto [style, name] : themes) {
        b->SetUIStyle(style);
        Pump();
        TBitmap picture = SkinPicture(name);
        // The corners come unscaled from the picture's corners.
        EXPECT_EQ(At(1, 1), PictureAt(picture, 1, 1)) << name;
        EXPECT_EQ(At(96, 22), PictureAt(picture, picture.Width() - 1, picture.Height() - 1))
            << name;
    }
}

TEST_F(TSuiButtonTest, BlueGlassIsTransparentAndShowsTheFormAroundItsRoundedCorners) {
    Form->SetColor(clLime);
    // A red speck of the form's painting right under the button's top-left pixel.
    auto* speck = new TImage(Form);
    speck->SetParent(Form);
    speck->SetBounds(10, 20, 1, 1);
    TBitmap red(1, 1);
    red.Canvas().SetPixel(0, 0, clRed);
    speck->Picture().SetGraphic(&red);
    TsuiButton* b = NewButton(BlueGlass);
    EXPECT_TRUE(b->Transparent());
    ShowForm();
    TBitmap picture = SkinPicture("BLUEGLASS_BUTTON_NORMAL");
    ASSERT_EQ(PictureAt(picture, 0, 0), SkinKeyColor);
    ASSERT_EQ(PictureAt(picture, 1, 0), SkinKeyColor);
    EXPECT_EQ(At(0, 0), clRed) << "what the form paints under the button shows in the corner";
    EXPECT_EQ(At(1, 0), clLime) << "and the form's background around it";
    EXPECT_EQ(At(10, 10), PictureAt(picture, 10, 10));
    b->SetUIStyle(MacOS);
    EXPECT_FALSE(b->Transparent());
}

TEST_F(TSuiButtonTest, MissingPictureIsReplacedByABlank74By21) {
    TsuiButton* b = NewButton();
    b->SetColor(clLime);
    b->SetPicNormalResName("NO_SUCH_PICTURE");
    EXPECT_EQ(b->UIStyle(), Custom);
    ShowForm();
    // Custom pictures are drawn unscaled: a white blank, the button's colour beyond it.
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(73, 20), clWhite);
    EXPECT_EQ(At(74, 5), clLime);
    EXPECT_EQ(At(5, 21), clLime);
    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 74);
    EXPECT_EQ(b->Height(), 21);
}

// --- Caption and focus -----------------------------------------------------------------------

namespace {
// Counts the pixels of a colour in the button's middle, where the caption goes.
int CountInCaptionArea(TSuiButtonTest& t, TColor c) {
    int n = 0;
    for (int y = 3; y < 20; ++y)
        for (int x = 15; x < 82; ++x)
            n += t.At(x, y) == c ? 1 : 0;
    return n;
}
} // namespace

TEST_F(TSuiButtonTest, CaptionIsDrawnInTheFontColourAndShiftsWhilePressed) {
    TsuiButton* b = NewButton();
    b->SetCaption("Analyse");
    b->Font().SetColor(clRed);
    ShowForm();
    const int red = CountInCaptionArea(*this, clRed);
    EXPECT_GT(red, 10);
    int firstRedX = -1;
    for (int x = 0; x < 97 && firstRedX < 0; ++x)
        for (int y = 0; y < 23; ++y)
            if (At(x, y) == clRed) {
                firstRedX = x;
                break;
            }
    Desk->MouseDown(On(50, 10));
    int pressedFirstRedX = -1;
    for (int x = 0; x < 97 && pressedFirstRedX < 0; ++x)
        for (int y = 0; y < 23; ++y)
            if (At(x, y) == clRed) {
                pressedFirstRedX = x;
                break;
            }
    EXPECT_EQ(pressedFirstRedX, firstRedX + 1) << "one pixel right while pressed";
    Desk->MouseUp(On(50, 10));
}

TEST_F(TSuiButtonTest, DisabledCaptionIsGreyOverAWhiteCopyOnePixelRightAndDown) {
    TsuiButton* b = NewButton();
    b->SetColor(clLime);
    b->SetCaption("Analyse");
    b->SetEnabled(false);
    ShowForm();
    EXPECT_EQ(CountInCaptionArea(*this, clBlack), 0);
    int grey = 0, shadowed = 0;
    for (int y = 3; y < 20; ++y)
        for (int x = 15; x < 82; ++x) {
            if (At(x, y) != TColor(0x808080))
                continue;
            ++grey;
            if (At(x + 1, y + 1) == clWhite)
                ++shadowed;
        }
    EXPECT_GT(grey, 10);
    EXPECT_GT(shadowed, 0) << "white shows right and below the grey strokes";
}

TEST_F(TSuiButtonTest, BlankCaptionDrawsNothing) {
    TsuiButton* b = NewButton();
    ShowForm();
    std::vector<TColor> plain;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 97; ++x)
            plain.push_back(At(x, y));
    b->SetCaption("   ");
    Pump();
    std::size_t i = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 97; ++x)
            EXPECT_EQ(At(x, y), plain[i++]) << x << "," << y;
}

TEST_F(TSuiButtonTest, FocusedMacOSButtonShowsABlueLineFiveAboveTheBottom) {
    TsuiButton* b = NewButton();
    TsuiButton* other = NewButton(MacOS, "Other");
    other->SetLeft(150);
    ShowForm();
    other->SetFocus();
    Pump();
    EXPECT_NE(At(10, 18), TColor(0xFF0000));
    b->SetFocus();
    Pump();
    for (int x = 10; x < 87; ++x)
        EXPECT_EQ(At(x, 18), TColor(0xFF0000)) << x;
    EXPECT_NE(At(9, 18), TColor(0xFF0000));
    EXPECT_NE(At(87, 18), TColor(0xFF0000));
    EXPECT_NE(At(50, 17), TColor(0xFF0000));
    // Without TabStop there is no focus mark.
    b->SetTabStop(false);
    b->Invalidate();
    Pump();
    EXPECT_NE(At(50, 18), TColor(0xFF0000));
}

TEST_F(TSuiButtonTest, FocusedButtonOfOtherThemesShowsADottedRectangle) {
    TsuiButton* b = NewButton(WinXP);
    TsuiButton* other = NewButton(WinXP, "Other");
    other->SetLeft(150);
    ShowForm();
    other->SetFocus();
    Pump();
    std::vector<TColor> before;
    for (int x = 2; x < 95; ++x)
        before.push_back(At(x, 2));
    b->SetFocus();
    Pump();
    int changed = 0;
    for (int x = 2; x < 95; ++x)
        changed += At(x, 2) != before[std::size_t(x - 2)] ? 1 : 0;
    EXPECT_GT(changed, 20) << "dots along the top of (2, 2, 95, 21)";
    EXPECT_LT(changed, 93) << "dots, not a line";
    for (int x = 10; x < 87; ++x)
        EXPECT_NE(At(x, 18), TColor(0xFF0000));
}

// --- Mouse -----------------------------------------------------------------------------------

TEST_F(TSuiButtonTest, PressAndReleaseInsideClicksOnceReleaseOutsideClicksNothing) {
    TsuiButton* b = NewButton();
    int exits = 0;
    b->OnMouseExit = [&](TPersistent* s) {
        EXPECT_EQ(s, b);
        ++exits;
    };
    ShowForm();
    Desk->Click(On(20, 10));
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(b->IsMouseDown());

    Desk->MouseDown(On(20, 10));
    Desk->MouseMove(Away());
    EXPECT_FALSE(b->IsMouseDown()) << "leaving the button lets it go";
    EXPECT_FALSE(b->IsMouseOn());
    EXPECT_EQ(exits, 1);
    Desk->MouseUp(Away());
    EXPECT_EQ(Clicks, 1);

    // A right press is no click and no pressed look.
    Desk->MouseDown(On(20, 10), TMouseButton::Right);
    EXPECT_FALSE(b->IsMouseDown());
    Desk->MouseUp(On(20, 10), TMouseButton::Right);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(TSuiButtonTest, DoubleClickIsTwoClicks) {
    NewButton();
    ShowForm();
    Desk->Click(On(20, 10));
    Desk->Click(On(20, 10));
    EXPECT_EQ(Clicks, 2);
}

// --- Repeat timer ----------------------------------------------------------------------------

TEST_F(TSuiButtonTest, HeldButtonRepeatsEveryIntervalAndClicksOnceOnRelease) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    b->OnMouseContinuouslyDown = [&](TPersistent* s) {
        EXPECT_EQ(s, b);
        ++repeats;
    };
    ShowForm();
    Desk->MouseDown(On(20, 10));
    EXPECT_TRUE(b->RepeatTimerRunning());
    Desk->AdvanceTime(99);
    EXPECT_EQ(repeats, 0);
    Desk->AdvanceTime(1);
    EXPECT_EQ(repeats, 1) << "first one interval after the press";
    Desk->AdvanceTime(100);
    Desk->AdvanceTime(100);
    EXPECT_EQ(repeats, 3);
    EXPECT_EQ(Clicks, 0) << "the timer never clicks";
    Desk->MouseUp(On(20, 10));
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(b->RepeatTimerRunning());
    Desk->AdvanceTime(500);
    EXPECT_EQ(repeats, 3);

    // A second press starts again from the full interval.
    b->SetMouseContinuouslyDownInterval(50);
    Desk->MouseDown(On(20, 10));
    Desk->AdvanceTime(49);
    EXPECT_EQ(repeats, 3);
    Desk->AdvanceTime(1);
    EXPECT_EQ(repeats, 4);
    Desk->MouseUp(On(20, 10));
}

TEST_F(TSuiButtonTest, ReleaseEndsTheRepeatsBeforeTheClickHandlerRuns) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    b->OnMouseContinuouslyDown = [&](TPersistent*) { ++repeats; };
    b->OnClick = [&](TPersistent*) {
        ++Clicks;
        EXPECT_FALSE(b->IsMouseDown());
        EXPECT_FALSE(b->RepeatTimerRunning());
        // A handler that runs a while, as a modal window does, gets no repeats meanwhile.
        Desk->AdvanceTime(500);
    };
    ShowForm();
    Desk->MouseDown(On(20, 10));
    Desk->AdvanceTime(100);
    Desk->MouseUp(On(20, 10));
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(repeats, 1);
}

TEST_F(TSuiButtonTest, DisablingOrCancellingAHeldButtonStopsItsRepeats) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    b->OnMouseContinuouslyDown = [&](TPersistent*) {
        if (++repeats == 2)
            b->SetEnabled(false);
    };
    ShowForm();
    Desk->MouseDown(On(20, 10));
    for (int i = 0; i < 5; ++i)
        Desk->AdvanceTime(100);
    EXPECT_EQ(repeats, 2);
    EXPECT_FALSE(b->IsMouseDown());
    Desk->MouseUp(On(20, 10));
    EXPECT_EQ(Clicks, 0);

    b->SetEnabled(true);
    Desk->MouseDown(On(20, 10));
    SendMessage(b->Handle(), WM_CANCELMODE, 0, 0);
    for (int i = 0; i < 5; ++i)
        Desk->AdvanceTime(100);
    EXPECT_EQ(repeats, 2);
    EXPECT_FALSE(b->IsMouseDown());
    Desk->MouseUp(On(20, 10));
}

TEST_F(TSuiButtonTest, IntervalZeroNeverRepeats) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    b->OnMouseContinuouslyDown = [&](TPersistent*) { ++repeats; };
    b->SetMouseContinuouslyDownInterval(0);
    ShowForm();
    Desk->MouseDown(On(20, 10));
    Desk->AdvanceTime(1000);
    Desk->MouseUp(On(20, 10));
    EXPECT_EQ(repeats, 0);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(TSuiButtonTest, LeavingTheButtonStopsTheRepeats) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    b->OnMouseContinuouslyDown = [&](TPersistent*) { ++repeats; };
    ShowForm();
    Desk->MouseDown(On(20, 10));
    Desk->AdvanceTime(100);
    Desk->MouseMove(Away());
    EXPECT_FALSE(b->RepeatTimerRunning());
    Desk->AdvanceTime(500);
    EXPECT_EQ(repeats, 1);
    Desk->MouseUp(Away());
    EXPECT_EQ(Clicks, 0);
}

TEST_F(TSuiButtonTest, ButtonFreedWhileHeldGetsNoMoreTicks) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    b->OnMouseContinuouslyDown = [&](TPersistent*) { ++repeats; };
    ShowForm();
    Desk->MouseDown(On(20, 10));
    Desk->AdvanceTime(100);
    EXPECT_EQ(repeats, 1);
    delete b;
    Desk->AdvanceTime(500);
    EXPECT_EQ(repeats, 1);
    Desk->MouseUp(On(20, 10));
}

TEST_F(TSuiButtonTest, RepeatHandlerMayStopItsOwnTimer) {
    TsuiButton* b = NewButton();
    int repeats = 0;
    // A handler that lets the button go, as the pointer leaving does: no more ticks, no harm.
    b->OnMouseContinuouslyDown = [&](TPersistent*) {
        ++repeats;
        b->Perform(CM_MOUSELEAVE, 0, LPARAM(b));
    };
    ShowForm();
    Desk->MouseDown(On(20, 10));
    Desk->AdvanceTime(350);
    EXPECT_EQ(repeats, 1);
    Desk->MouseUp(On(20, 10));
}

// --- Keyboard --------------------------------------------------------------------------------

TEST_F(TSuiButtonTest, SpaceAndEnterPressOnKeyDownAndClickOnKeyUp) {
    TsuiButton* b = NewButton();
    ShowForm();
    b->SetFocus();
    for (int key : {VK_SPACE, VK_RETURN}) {
        Clicks = 0;
        Desk->KeyDown(key);
        EXPECT_TRUE(b->IsMouseDown()) << key;
        EXPECT_EQ(Clicks, 0) << key;
        ExpectPicture(*this, "MACOS_BUTTON_MOUSEDOWN", "key held");
        Desk->KeyUp(key);
        EXPECT_FALSE(b->IsMouseDown()) << key;
        EXPECT_EQ(Clicks, 1) << key;
    }
}

TEST_F(TSuiButtonTest, KeyUpWithoutItsKeyDownClicksNothing) {
    TsuiButton* b = NewButton();
    TsuiButton* other = NewButton(MacOS, "Other");
    other->SetLeft(150);
    ShowForm();
    other->SetFocus();
    Desk->KeyDown(VK_SPACE);
    b->SetFocus();
    Desk->KeyUp(VK_SPACE);
    EXPECT_EQ(Clicks, 0);
    Desk->KeyUp(VK_RETURN);
    EXPECT_EQ(Clicks, 0);
    // Other keys do nothing.
    Desk->PressKey('A');
    EXPECT_FALSE(b->IsMouseDown());
    EXPECT_EQ(Clicks, 0);
}

TEST_F(TSuiButtonTest, DefaultAndCancelAnswerEnterAndEscapeWithoutModifiers) {
    struct TCase {
        const char* Name;
        bool Default, Cancel, Enabled;
        int Key;
        unsigned Mods;
        int ExpectedClicks;
    };
    const TCase cases[] = {
        {"EnterOnDefault", true, false, true, VK_RETURN, 0, 1},
        {"EscapeOnCancel", false, true, true, VK_ESCAPE, 0, 1},
        {"EnterOnCancelOnly", false, true, true, VK_RETURN, 0, 0},
        {"EscapeOnDefaultOnly", true, false, true, VK_ESCAPE, 0, 0},
        {"ShiftEnter", true, false, true, VK_RETURN, ssShift, 0},
        {"CtrlEscape", false, true, true, VK_ESCAPE, ssCtrl, 0},
        {"DisabledDefault", true, false, false, VK_RETURN, 0, 0},
    };
    for (const TCase& c : cases) {
        TForm* form = NewForm(std::string("F") + c.Name);
        auto* target = new TsuiButton(form);
        target->SetParent(form);
        target->SetDefault(c.Default);
        target->SetCancel(c.Cancel);
        target->SetEnabled(c.Enabled);
        int clicks = 0;
        target->OnClick = [&](TPersistent*) { ++clicks; };
        // The focus rests on another button that is neither.
        auto* focused = new TsuiButton(form);
        focused->SetParent(form);
        focused->SetLeft(120);
        int focusedClicks = 0;
        focused->OnClick = [&](TPersistent*) { ++focusedClicks; };
        form->Show();
        Pump();
        focused->SetFocus();
        Desk->PressKey(c.Key, c.Mods);
        EXPECT_EQ(clicks, c.ExpectedClicks) << c.Name;
        if (c.ExpectedClicks > 0) {
            EXPECT_EQ(focusedClicks, 0) << c.Name << ": only the form's key button acts";
        }
        delete form;
    }
}

TEST_F(TSuiButtonTest, KeysReachButtonsInsideAPanel) {
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 300, 100);
    auto* inner = new TPanel(panel);
    inner->SetParent(panel);
    inner->SetBounds(0, 0, 280, 80);
    int ok = 0, cancel = 0, go = 0;
    auto nested = [&](int left, int& counter) {
        auto* b = new TsuiButton(Form);
        b->SetParent(inner);
        b->SetLeft(left);
        b->OnClick = [&counter](TPersistent*) { ++counter; };
        return b;
    };
    nested(0, ok)->SetDefault(true);
    nested(90, cancel)->SetCancel(true);
    TsuiButton* goButton = nested(180, go);
    goButton->SetCaption("&Go");
    TsuiButton* focus = NewButton();
    focus->SetTop(150);
    ShowForm();
    focus->SetFocus();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(ok, 1);
    Desk->PressKey(VK_ESCAPE);
    EXPECT_EQ(cancel, 1);
    Desk->PressKey('G', ssAlt);
    EXPECT_EQ(go, 1);
    EXPECT_TRUE(goButton->Focused());
    EXPECT_EQ(Clicks, 0) << "the focused button is not clicked";
}

TEST_F(TSuiButtonTest, EnterOnAFocusedDefaultButtonClicksItOnce) {
    TsuiButton* b = NewButton();
    b->SetDefault(true);
    ShowForm();
    b->SetFocus();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(b->IsMouseDown());
}

TEST_F(TSuiButtonTest, AcceleratorFocusesAndClicksAnEnabledVisibleButton) {
    TsuiButton* b = NewButton();
    TsuiButton* other = NewButton(MacOS, "Other");
    other->SetLeft(150);
    b->SetCaption("&Go");
    ShowForm();
    other->SetFocus();
    EXPECT_NE(Form->Perform(CM_DIALOGCHAR, 'g', 0), 0);
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(b->Focused());

    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'x', 0), 0);
    b->SetCaption("&&Go");
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'g', 0), 0) << "a doubled ampersand is no accelerator";
    b->SetCaption("&Go");
    b->SetEnabled(false);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'g', 0), 0);
    b->SetEnabled(true);
    b->SetVisible(false);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'g', 0), 0) << "a hidden button is not reached";
    EXPECT_EQ(Clicks, 1);
}

// --- Click and the form ----------------------------------------------------------------------

TEST_F(TSuiButtonTest, ModalResultEndsTheModalLoopOfItsForm) {
    TsuiButton* b = NewButton();
    b->SetModalResult(mrOk);
    Desk->SetIdleHandler([&] {
        if (!Form->IsModal())
            return false;
        Desk->Click(On(20, 10));
        return true;
    });
    EXPECT_EQ(Form->ShowModal(), mrOk);
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Form->Visible());
}

TEST_F(TSuiButtonTest, ClickWithoutModalResultLeavesAFormOpenAndAButtonWithoutFormWorks) {
    TsuiButton* b = NewButton();
    ShowForm();
    b->Click();
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Form->ModalResult(), mrNone);
    EXPECT_TRUE(Form->Visible());

    TsuiButton loose(nullptr);
    int looseClicks = 0;
    loose.OnClick = [&](TPersistent*) { ++looseClicks; };
    loose.SetModalResult(mrOk);
    loose.Click();
    EXPECT_EQ(looseClicks, 1);
}

// --- Theme, pictures and size ----------------------------------------------------------------

TEST_F(TSuiButtonTest, NewButtonWithoutFrameStartsDeepBlue80By27) {
    auto* b = new TsuiButton(Form);
    EXPECT_EQ(b->UIStyle(), DeepBlue);
    EXPECT_EQ(b->Width(), 80);
    EXPECT_EQ(b->Height(), 27);
    EXPECT_TRUE(b->TabStop());
    EXPECT_FALSE(b->AutoSize());
    EXPECT_EQ(b->Spacing(), 4);
    EXPECT_EQ(b->Layout(), blGlyphLeft);
    EXPECT_EQ(b->MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(b->ModalResult(), 0);
    EXPECT_EQ(b->Caption(), "");
    EXPECT_TRUE(b->Glyph().Empty());
}

TEST_F(TSuiButtonTest, NewButtonOnAMacOSFrameStartsMacOSAnd23High) {
    auto* frame = new TsuiForm(Form);
    frame->SetParent(Form);
    frame->SetUIStyle(MacOS);
    auto* b = new TsuiButton(Form);
    b->SetParent(frame);
    EXPECT_EQ(b->UIStyle(), MacOS);
    EXPECT_EQ(b->Width(), 80);
    EXPECT_EQ(b->Height(), 23) << "not the 27 the constructor asks for";
    b->SetHeight(30);
    EXPECT_EQ(b->Height(), 23);
    b->SetBounds(b->Left(), b->Top(), 120, 23);
    EXPECT_EQ(b->Width(), 120);
}

TEST_F(TSuiButtonTest, AFrameSpreadingItsThemeLeavesCustomButtonsAlone) {
    RegisterSkinButtonClass();
    auto* frame = new TsuiForm(Form);
    frame->SetParent(Form);
    auto* themed = new TsuiButton(Form);
    themed->SetParent(frame);
    auto* custom = new TsuiButton(Form);
    custom->SetParent(frame);
    custom->SetPicNormalResName("MACOS_BUTTON_MOUSEON");
    frame->SetUIStyleAutoUpdateSub(true);
    frame->SetUIStyle(MacOS);
    EXPECT_EQ(themed->UIStyle(), MacOS);
    EXPECT_EQ(themed->Height(), 23);
    EXPECT_EQ(custom->UIStyle(), Custom);
    EXPECT_EQ(custom->PicNormalResName(), "MACOS_BUTTON_MOUSEON");
}

TEST_F(TSuiButtonTest, MacOSButtonIsAlways23High) {
    auto* b = new TsuiButton(Form);
    b->SetParent(Form);
    b->SetBounds(10, 20, 80, 27);
    b->SetUIStyle(MacOS);
    EXPECT_EQ(b->BoundsRect(), Bounds(10, 20, 80, 23));
    b->SetHeight(30);
    EXPECT_EQ(b->Height(), 23);
    b->SetBounds(40, 50, 120, 30);
    EXPECT_EQ(b->BoundsRect(), Bounds(10, 20, 80, 23)) << "refused whole, position included";
    b->SetBounds(40, 50, 120, 23);
    EXPECT_EQ(b->BoundsRect(), Bounds(40, 50, 120, 23));
    b->SetWidth(97);
    EXPECT_EQ(b->Width(), 97);
    b->SetUIStyle(WinXP);
    b->SetHeight(30);
    EXPECT_EQ(b->Height(), 30) << "other themes take any height";
}

TEST_F(TSuiButtonTest, WritingAPictureNameTurnsTheThemeToCustom) {
    TsuiButton* b = NewButton();
    b->SetColor(clLime);
    EXPECT_EQ(b->PicNormalResName(), "") << "theme names are not published";
    EXPECT_EQ(b->PicMouseOnResName(), "");
    EXPECT_EQ(b->PicMouseDownResName(), "");
    b->SetPicNormalResName("MACOS_BUTTON_MOUSEDOWN");
    EXPECT_EQ(b->UIStyle(), Custom);
    EXPECT_EQ(b->PicNormalResName(), "MACOS_BUTTON_MOUSEDOWN");
    EXPECT_EQ(b->BoundsRect(), Bounds(10, 20, 97, 23)) << "no auto size";
    ShowForm();
    // Custom draws the picture unscaled at the top-left corner.
    TBitmap picture = SkinPicture("MACOS_BUTTON_MOUSEDOWN");
    EXPECT_EQ(At(20, 0), PictureAt(picture, 20, 0));
    EXPECT_EQ(At(83, 22), PictureAt(picture, 83, 22));
    EXPECT_EQ(At(90, 10), clLime);

    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 84);
    b->SetPicMouseOnResName("WINXP_BUTTON_NORMAL");
    EXPECT_EQ(b->PicMouseOnResName(), "WINXP_BUTTON_NORMAL");
    b->SetUIStyle(WinXP);
    EXPECT_EQ(b->PicNormalResName(), "");
}

TEST_F(TSuiButtonTest, ResHandleReadsThePicturesFromAnotherModule) {
    HMODULE second = FindResourceModule("second");
    ASSERT_NE(second, nullptr);
    TsuiButton* b = NewButton();
    b->SetColor(clLime);
    EXPECT_EQ(b->ResHandle(), nullptr);
    b->SetPicNormalResName("MACOS_BUTTON_NORMAL");
    b->SetPicMouseOnResName("MACOS_BUTTON_MOUSEON");
    b->SetResHandle(second);
    EXPECT_EQ(b->ResHandle(), second);
    ShowForm();
    TBitmap normal = SkinPicture("MACOS_BUTTON_NORMAL");
    EXPECT_EQ(At(20, 0), PictureAt(normal, 20, 0)) << "the second module has the normal picture";
    // It lacks the mouse-on picture: the blank stands in.
    Desk->MouseMove(On(20, 10));
    EXPECT_EQ(At(20, 0), clWhite);
    EXPECT_EQ(At(80, 5), clLime);
    // The program's module has it.
    b->SetResHandle(nullptr);
    Pump();
    TBitmap hot = SkinPicture("MACOS_BUTTON_MOUSEON");
    EXPECT_EQ(At(20, 0), PictureAt(hot, 20, 0));

    b->SetResHandle(HInstance());
    EXPECT_EQ(b->ResHandle(), nullptr) << "the program's own module reads as 0";
    b->SetResHandle(second);
    b->SetUIStyle(MacOS);
    EXPECT_EQ(b->ResHandle(), nullptr) << "a theme takes its pictures from the program";
}

TEST_F(TSuiButtonTest, AutoSizeTakesTheSizeOfTheNormalPicture) {
    TsuiButton* b = NewButton(WinXP);
    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 18);
    EXPECT_EQ(b->Height(), 21);
    b->SetUIStyle(DeepBlue);
    b->SetAutoSize(false);
    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 74);
    EXPECT_EQ(b->Height(), 21);
}

// --- Glyph -----------------------------------------------------------------------------------

TEST(SuiButtonGlyph, LayoutPlacesGlyphAndCaption) {
    struct TCase {
        TButtonLayout Layout;
        TPoint Glyph;
        TPoint Caption;
    };
    // A 97 x 23 button, a 30 x 13 caption, a 16 x 16 glyph, spacing 4.
    const TCase cases[] = {
        {blGlyphLeft, {23, 3}, {43, 5}},
        {blGlyphRight, {57, 3}, {23, 5}},
        {blGlyphTop, {40, -5}, {33, 15}},
        {blGlyphBottom, {40, 12}, {33, -5}},
    };
    for (const TCase& c : cases) {
        TPoint caption;
        TPoint glyph = TsuiButton::GlyphLayout(c.Layout, {97, 23}, {30, 13}, {16, 16}, 4, caption);
        EXPECT_EQ(glyph, c.Glyph) << c.Layout;
        EXPECT_EQ(caption, c.Caption) << c.Layout;
    }
}

namespace {
// A glyph of size w x h in colour c with a magenta frame, whose top-left pixel makes it the key.
TBitmap FramedGlyph(int w, int h, TColor c) {
    TBitmap g(w, h);
    g.Canvas().Brush().SetColor(clFuchsia);
    g.Canvas().FillRect({0, 0, w, h});
    g.Canvas().Brush().SetColor(c);
    g.Canvas().FillRect({2, 2, w - 2, h - 2});
    return g;
}
} // namespace

TEST_F(TSuiButtonTest, GlyphIsDrawnMaskedAndMovesWhilePressed) {
    TsuiButton* b = NewButton();
    TBitmap glyph = FramedGlyph(16, 16, clRed);
    b->SetGlyph(&glyph);
    ShowForm();
    // Without caption the glyph is centred: (97 - (0 + 16 + 4)) / 2 = 38, (23 - 16) / 2 = 3;
    // its red square covers x 40-51, y 5-16.
    EXPECT_EQ(At(40, 5), clRed);
    EXPECT_EQ(At(51, 16), clRed);
    EXPECT_NE(At(52, 17), clRed);
    TBitmap picture = SkinPicture("MACOS_BUTTON_NORMAL");
    EXPECT_EQ(At(39, 4), PictureAt(picture, 39, 4)) << "the key colour frame is left out";
    Desk->MouseDown(On(5, 5));
    EXPECT_NE(At(40, 5), clRed);
    EXPECT_EQ(At(52, 17), clRed) << "one pixel right and down while pressed";
    Desk->MouseUp(On(5, 5));
}

TEST_F(TSuiButtonTest, TwoImageGlyphShowsItsSecondImageWhenDisabled) {
    TsuiButton* b = NewButton();
    TBitmap glyph(32, 16);
    TBitmap left = FramedGlyph(16, 16, clRed);
    TBitmap right = FramedGlyph(16, 16, clBlue);
    glyph.Canvas().Draw(0, 0, left);
    glyph.Canvas().Draw(16, 0, right);
    b->SetGlyph(&glyph);
    ShowForm();
    EXPECT_EQ(At(38 + 8, 3 + 8), clRed);
    b->SetEnabled(false);
    Pump();
    EXPECT_EQ(At(38 + 8, 3 + 8), clBlue);
}

TEST_F(TSuiButtonTest, LayoutMovesTheCaptionToTheOtherSideOfTheGlyph) {
    TsuiButton* b = NewButton();
    TBitmap glyph = FramedGlyph(16, 16, clRed);
    b->SetGlyph(&glyph);
    b->SetCaption("Go");
    ShowForm();
    TPoint leftCaption = b->CaptionPos();
    b->SetLayout(blGlyphRight);
    Pump();
    EXPECT_LT(b->CaptionPos().X, leftCaption.X);
    EXPECT_EQ(b->CaptionPos().Y, leftCaption.Y);
    const TPoint rightCaption = b->CaptionPos();
    // Glyph right: caption x = (97 + tw + S - 16) div 2 - tw - S; six more pixels of spacing
    // move it three to the left.
    b->SetSpacing(10);
    Pump();
    EXPECT_EQ(b->CaptionPos().X, rightCaption.X - 3);
}

TEST_F(TSuiButtonTest, CaptionBesideAGlyphStartsAtTheCaptionPosition) {
    TsuiButton* b = NewButton();
    TBitmap glyph = FramedGlyph(16, 16, clRed);
    b->SetGlyph(&glyph);
    b->SetCaption("Go");
    ShowForm();
    const TPoint at = b->CaptionPos();
    // Glyph left: the caption follows the glyph and the spacing.
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(b->Font());
    const int tw = measure.Canvas().TextWidth("Go");
    EXPECT_EQ(at.X, (97 - (tw + 16 + 4)) / 2 + 16 + 4);
    // The black of the caption (the picture's darkest grey is 0x70) lies right of and below it.
    auto dark = [](TColor c) {
        return (c & 0xFF) < 0x50 && ((c >> 8) & 0xFF) < 0x50 && ((c >> 16) & 0xFF) < 0x50;
    };
    int inked = 0, outside = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 97; ++x) {
            if (!dark(At(x, y)))
                continue;
            ++inked;
            if (x < at.X || y < at.Y || x > at.X + tw)
                ++outside;
        }
    EXPECT_GT(inked, 5);
    EXPECT_EQ(outside, 0) << "the caption starts at " << at.X << "," << at.Y;
}
