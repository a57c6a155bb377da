#include "editors/RadioButton.h"
#include "lookandfeel/UltraFlatLookAndFeelPainter.h"
#include "platform/control/PopupMenu.h"
#include "platform/draw/DC.h"
#include "platform/native/NativeConst.h"
#include "platform/window/MenuWindow.h"
#include "tests/editors/Pinstripes.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <memory>
#include <vector>

namespace {

const char* const kShi = "\xCA\xCC\xB3\xE8"; // the two pet kinds of the main window
const char* const kQi = "\xC6\xEF\xB3\xE8";

// The main window's choice of pet kind: two transparent 73 x 17 radio buttons side by side on a
// pinstriped parent, and before them a plain control that has the focus.
class RadioButtonTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TPinstripes* Stripes = nullptr;
    TSolidControl* First = nullptr;
    TcxRadioButton* Shi = nullptr;
    TcxRadioButton* Qi = nullptr;
    int ShiClicks = 0, QiClicks = 0;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Stripes = new TPinstripes(Form);
        Stripes->SetBounds(0, 0, 300, 200);
        Stripes->SetParent(Form);
        First = new TSolidControl(Form, clLime);
        First->SetBounds(250, 150, 20, 20);
        First->SetTabStop(true);
        First->SetParent(Stripes);
        Shi = NewRadio(kShi, 20);
        Qi = NewRadio(kQi, 100);
        Shi->OnClick = [this](TPersistent*) { ++ShiClicks; };
        Qi->OnClick = [this](TPersistent*) { ++QiClicks; };
        Form->Show();
        First->SetFocus();
        Pump();
    }
    TcxRadioButton* NewRadio(const std::string& caption, int x) {
        auto* r = new TcxRadioButton(Form);
        r->SetBounds(x, 40, 73, 17);
        r->SetCaption(caption);
        r->SetTransparent(true);
        r->SetParent(Stripes);
        return r;
    }
    TColor At(TControl* c, int x, int y) {
        return Desk->PixelAt(Form->Handle(), c->ClientToScreen({x, y}));
    }
    TPoint Screen(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }
    // The shown pixels of a control, row by row.
    std::vector<TColor> Image(TControl* c) {
        std::vector<TColor> out;
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                out.push_back(At(c, x, y));
        return out;
    }
    int CountInGlyph(TcxRadioButton* r, TColor color) {
        TRect g = r->GlyphRect();
        int n = 0;
        for (int y = g.Top; y < g.Bottom; ++y)
            for (int x = g.Left; x < g.Right; ++x)
                n += At(r, x, y) == ColorToRGB(color);
        return n;
    }
};

TEST_F(RadioButtonTest, CheckingOneUnchecksTheOtherAndOnlyTheCheckedOneIsATabStop) {
    // Neither is checked at the start, and that is a valid state.
    EXPECT_FALSE(Shi->Checked());
    EXPECT_FALSE(Qi->Checked());
    EXPECT_FALSE(Shi->TabStop());
    EXPECT_FALSE(Qi->TabStop());

    struct TStep {
        TcxRadioButton* Clicked;
        bool ShiChecked, QiChecked;
        int ShiClicks, QiClicks;
    };
    const TStep steps[] = {
        {Shi, true, false, 1, 0},
        {Qi, false, true, 1, 1},
        {Qi, false, true, 1, 1}, // clicking the checked one changes nothing
        {Shi, true, false, 2, 1},
    };
    for (const TStep& s : steps) {
        Desk->Click(Screen(s.Clicked, 30, 8));
        Pump();
        EXPECT_EQ(Shi->Checked(), s.ShiChecked);
        EXPECT_EQ(Qi->Checked(), s.QiChecked);
        EXPECT_EQ(Shi->TabStop(), s.ShiChecked);
        EXPECT_EQ(Qi->TabStop(), s.QiChecked);
        EXPECT_EQ(ShiClicks, s.ShiClicks);
        EXPECT_EQ(QiClicks, s.QiClicks);
    }
    EXPECT_EQ(SendMessage(Shi->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessage(Qi->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(RadioButtonTest, TheFocusArrivingOnAnUncheckedButtonChecksItAndClicksOnce) {
    Qi->SetFocus();
    Pump();
    EXPECT_TRUE(Qi->Checked());
    EXPECT_EQ(QiClicks, 1);
    // The arrow key moves the focus, and so the check, to the other one.
    Desk->PressKey(VK_LEFT);
    Pump();
    EXPECT_TRUE(Shi->Focused());
    EXPECT_TRUE(Shi->Checked());
    EXPECT_FALSE(Qi->Checked());
    EXPECT_EQ(ShiClicks, 1);
    EXPECT_EQ(QiClicks, 1);
}

TEST_F(RadioButtonTest, TheGlyphIsHotUnderTheMouseAndPressedWhileHeldOverIt) {
    EXPECT_EQ(Shi->State(), rbsNormal);
    EXPECT_EQ(CountInGlyph(Shi, clHighlight), 0);
    Desk->MouseMove(Screen(Shi, 40, 8));
    Pump();
    EXPECT_EQ(Shi->State(), rbsHot);
    EXPECT_GT(CountInGlyph(Shi, clHighlight), 0) << "the hot ring";
    Desk->MouseMove(Screen(Shi, 40, 60));
    Desk->AdvanceTime(30);
    Pump();
    EXPECT_EQ(Shi->State(), rbsNormal);
    EXPECT_EQ(CountInGlyph(Shi, clHighlight), 0);

    Desk->MouseMove(Screen(Shi, 40, 8));
    Desk->MouseDown(Screen(Shi, 40, 8));
    Pump();
    EXPECT_EQ(Shi->State(), rbsPressed);
    Desk->MouseMove(Screen(Shi, 40, 30)); // dragged off while held
    Desk->AdvanceTime(30);
    Pump();
    EXPECT_EQ(Shi->State(), rbsHot);
    Desk->MouseMove(Screen(Shi, 40, 8)); // back on
    Pump();
    EXPECT_EQ(Shi->State(), rbsPressed);
    Desk->MouseUp(Screen(Shi, 40, 8));
    Pump();
    EXPECT_EQ(Shi->State(), rbsHot);
    EXPECT_TRUE(Shi->Checked());

    Desk->MouseMove(Screen(Shi, 40, 60));
    Desk->AdvanceTime(30);
    Pump();
    EXPECT_EQ(Shi->State(), rbsNormal);
}

TEST_F(RadioButtonTest, AHotChangeRepaintsOnlyTheGlyphAndAPixelAroundIt) {
    ASSERT_FALSE(GetUpdateRect(Shi->Handle(), nullptr, false));
    Shi->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(40, 8));
    EXPECT_EQ(Shi->State(), rbsHot);
    TRegion update;
    ASSERT_TRUE(GetUpdateRgn(Shi->Handle(), &update));
    EXPECT_EQ(update, TRegion(Shi->GlyphRect().Inflated(1, 1)));
    Shi->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(45, 9));
    ASSERT_TRUE(GetUpdateRgn(Shi->Handle(), &update));
    EXPECT_EQ(update, TRegion(Shi->GlyphRect().Inflated(1, 1))) << "no change, nothing more";
}

TEST_F(RadioButtonTest, PressedAndReleasedOffTheButtonDoesNotCheckIt) {
    Desk->MouseDown(Screen(Qi, 40, 8));
    Desk->MouseMove(Screen(Qi, 40, 40));
    Desk->MouseUp(Screen(Qi, 40, 40));
    Desk->AdvanceTime(30);
    Pump();
    EXPECT_FALSE(Qi->Checked());
    EXPECT_EQ(Qi->State(), rbsNormal);
}

// A painter whose glyph has another height, recording where the glyph is drawn.
class TGlyphSizePainter : public TcxUltraFlatLookAndFeelPainter {
public:
    int GlyphHeight = 13;
    mutable std::vector<TPoint> Drawn;
    TSize RadioButtonSize() const override { return {GlyphHeight, GlyphHeight}; }
    void DrawRadioButton(TCanvas& canvas, int x, int y, TcxButtonState state, bool checked,
                         bool focused, TColor backgroundColor, bool isDesigning) const override {
        (void)canvas, (void)state, (void)checked, (void)focused, (void)backgroundColor;
        (void)isDesigning;
        Drawn.push_back({x, y});
    }
};

class TSizedGlyphRadioButton : public TcxRadioButton {
public:
    TSizedGlyphRadioButton(TComponent* owner, const TGlyphSizePainter& painter)
        : TcxRadioButton(owner), FPainter(painter) {}

protected:
    TcxCustomLookAndFeelPainterClass GetPainter() const override { return &FPainter; }

private:
    const TGlyphSizePainter& FPainter;
};

TEST_F(RadioButtonTest, TheGlyphIsCentredWithTheOddPixelBelow) {
    TGlyphSizePainter painter;
    auto* radio = new TSizedGlyphRadioButton(Form, painter);
    radio->SetParent(Stripes);
    const struct {
        int ControlHeight, GlyphHeight, Top;
    } cases[] = {{17, 13, 2}, {17, 12, 2}, {17, 11, 3}, {16, 13, 1}, {13, 13, 0}};
    for (const auto& c : cases) {
        painter.GlyphHeight = c.GlyphHeight;
        painter.Drawn.clear();
        radio->SetBounds(20, 100, 73, c.ControlHeight);
        radio->Invalidate();
        Pump();
        ASSERT_FALSE(painter.Drawn.empty());
        EXPECT_EQ(painter.Drawn.back(), TPoint(1, c.Top))
            << c.ControlHeight << " " << c.GlyphHeight;
        EXPECT_EQ(radio->GlyphRect(), TRect(1, c.Top, 1 + c.GlyphHeight, c.Top + c.GlyphHeight));
    }
    radio->SetAlignment(taLeftJustify);
    radio->SetBounds(20, 100, 73, 17);
    Pump();
    EXPECT_EQ(painter.Drawn.back().X, 73 - 13) << "flush with the right edge";
}

TEST_F(RadioButtonTest, TheFocusRectangleSurroundsOnlyTheCaption) {
    std::vector<TColor> unfocused = Image(Shi);
    Shi->SetFocus();
    Pump();
    ASSERT_TRUE(Shi->Focused());
    // Focusing it checked it; the glyph changed, so compare outside the glyph only.
    std::vector<TColor> focused = Image(Shi);
    TRect glyph = Shi->GlyphRect();
    TRect focus = Shi->FocusRect();
    TSize text = [&] {
        TPixelBuffer pixel(1, 1);
        TDC dc(pixel);
        dc.SelectFont(Shi->Font().ToLogFont());
        return dc.GetTextExtentPoint32(kShi);
    }();
    EXPECT_EQ(focus.Left, glyph.Right + 5 - 1);
    EXPECT_EQ(focus.Width(), text.cx + 2);
    EXPECT_EQ(focus.Height(), text.cy + 3);
    int changed = 0;
    for (int y = 0; y < Shi->Height(); ++y)
        for (int x = glyph.Right + 1; x < Shi->Width(); ++x) {
            std::size_t i = std::size_t(y * Shi->Width() + x);
            if (focused[i] == unfocused[i])
                continue;
            ++changed;
            bool onFrame = (x == focus.Left || x == focus.Right - 1 || y == focus.Top ||
                            y == focus.Bottom - 1) &&
                           focus.Contains({x, y});
            EXPECT_TRUE(onFrame) << x << "," << y;
        }
    EXPECT_GT(changed, 10);
}

TEST_F(RadioButtonTest, AnEmptyCaptionGetsNoFocusRectangle) {
    Shi->SetCaption("");
    Shi->SetChecked(true);
    Pump();
    std::vector<TColor> unfocused = Image(Shi);
    Shi->SetFocus();
    Pump();
    ASSERT_TRUE(Shi->Focused());
    EXPECT_TRUE(Shi->FocusRect().IsEmpty());
    std::vector<TColor> focused = Image(Shi);
    TRect glyph = Shi->GlyphRect();
    for (int y = 0; y < Shi->Height(); ++y)
        for (int x = glyph.Right + 1; x < Shi->Width(); ++x) {
            std::size_t i = std::size_t(y * Shi->Width() + x);
            EXPECT_EQ(focused[i], unfocused[i]) << x << "," << y;
        }
}

TEST_F(RadioButtonTest, ATransparentButtonShowsTheStripesAndRepaintsThemWhenMoved) {
    // The far right of the button holds no caption: only the stripes.
    for (int y = 0; y < 17; ++y)
        for (int x = 65; x < 73; ++x)
            ASSERT_EQ(At(Qi, x, y), TPinstripes::StripeAt(Screen(Qi, x, y).X)) << x << "," << y;
    Qi->SetBounds(Qi->Left() + 1, Qi->Top(), 73, 17);
    Pump();
    for (int y = 0; y < 17; ++y)
        for (int x = 65; x < 73; ++x)
            EXPECT_EQ(At(Qi, x, y), TPinstripes::StripeAt(Screen(Qi, x, y).X)) << x << "," << y;
}

TEST_F(RadioButtonTest, AnOpaqueButtonFillsWithItsColour) {
    Qi->SetTransparent(false);
    Qi->SetColor(clWhite);
    Pump();
    EXPECT_EQ(At(Qi, 70, 2), ColorToRGB(clWhite));
    EXPECT_EQ(At(Qi, 70, 15), ColorToRGB(clWhite));
}

TEST_F(RadioButtonTest, ADisabledButtonShowsAnEmbossedCaption) {
    Qi->SetTransparent(false);
    Qi->SetColor(clAqua);
    Pump();
    auto count = [&](TColor color) {
        int n = 0;
        for (int y = 0; y < 17; ++y)
            for (int x = Qi->GlyphRect().Right; x < 73; ++x)
                n += At(Qi, x, y) == ColorToRGB(color);
        return n;
    };
    EXPECT_EQ(count(clBtnShadow), 0);
    Qi->SetEnabled(false);
    Pump();
    EXPECT_EQ(Qi->State(), rbsDisabled);
    EXPECT_GT(count(clBtnShadow), 3);
    EXPECT_GT(count(clBtnHighlight), 3);
    Qi->SetEnabled(true);
    Pump();
    EXPECT_EQ(Qi->State(), rbsNormal);
}

TEST_F(RadioButtonTest, OnlyAPopupMenuIsTakenAsTheContextMenu) {
    auto* menu = new TPopupMenu(Form);
    Qi->SetPopupMenuComponent(menu);
    EXPECT_EQ(Qi->PopupMenu(), menu);
    auto* other = new TSolidControl(Form, clRed);
    Qi->SetPopupMenuComponent(other);
    EXPECT_EQ(Qi->PopupMenu(), nullptr);
}

// Where the next pop-up menu opens; it is closed at once.
TRect ShownMenuAt(THeadlessBackend* desk, const std::function<void()>& act) {
    TRect shown;
    auto waits = std::make_shared<int>(0);
    desk->SetIdleHandler([=, &shown] {
        HWND menu = nullptr;
        for (HWND h : GetTopLevelWindows())
            if (GetClassName(h) == kMenuWindowClass)
                menu = h;
        if ((*waits)++ > 0 || !menu) {
            if (menu)
                desk->PressKey(VK_ESCAPE);
            return menu != nullptr;
        }
        GetWindowRect(menu, &shown);
        desk->PressKey(VK_ESCAPE);
        return true;
    });
    act();
    desk->SetIdleHandler(nullptr);
    return shown;
}

TEST_F(RadioButtonTest, ItsMenuOpensAtTheRightClickOrFromTheKeyboardAtItsCorner) {
    auto* menu = new TPopupMenu(Form);
    menu->Add("&Copy", [](TPersistent*) {});
    Qi->SetPopupMenuComponent(menu);
    TRect shown = ShownMenuAt(Desk, [&] { Desk->Click(Screen(Qi, 40, 8), TMouseButton::Right); });
    EXPECT_EQ(shown.TopLeft(), Screen(Qi, 40, 8));
    EXPECT_EQ(menu->PopupComponent(), Qi);

    Qi->SetFocus();
    Pump();
    shown = ShownMenuAt(Desk, [&] { Desk->PressKey(VK_F10, ssShift); });
    EXPECT_EQ(shown.TopLeft(), Screen(Qi, 0, 0));
}

} // namespace
