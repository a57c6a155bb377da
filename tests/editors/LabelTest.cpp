#include "editors/Label.h"
#include "platform/control/ControlMessages.h"
#include "platform/draw/DC.h"
#include "tests/editors/Pinstripes.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <functional>

namespace {

// A form holding a pinstriped panel (red and blue columns) over its whole client area.
class LabelTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TPinstripes* Stripes = nullptr;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Stripes = new TPinstripes(Form);
        Stripes->SetBounds(0, 0, 300, 200);
        Stripes->SetParent(Form);
    }
    TcxLabel* NewLabel(const std::string& caption, int x, int y) {
        auto* label = new TcxLabel(Form);
        label->SetLeft(x);
        label->SetTop(y);
        label->SetCaption(caption);
        label->SetParent(Stripes);
        return label;
    }
    void ShowForm() {
        Form->Show();
        Pump();
    }
    // The shown pixel at a point of a control.
    TColor At(TControl* c, int x, int y) {
        return Desk->PixelAt(Form->Handle(), c->ClientToScreen({x, y}));
    }
    TColor StripeAt(TControl* c, int x) {
        return TPinstripes::StripeAt(c->ClientToScreen({x, 0}).X);
    }
    // The size a text takes in a font, measured on a canvas of its own.
    static TSize Extent(const TFont& font, const std::string& text) {
        TPixelBuffer pixel(1, 1);
        TDC dc(pixel);
        TCanvas canvas(&dc);
        canvas.Font().Assign(font);
        return canvas.TextExtent(text);
    }
};

// The pixels a label renders, as colours (its off-screen image).
TColor ImageAt(TcxLabel* label, int x, int y) {
    return PixelToRGB(label->LabelViewInfo().Bitmap.At(x, y));
}

TEST_F(LabelTest, ATransparentLabelShowsItsTextOverTheStripesAroundAndBetweenItsGlyphs) {
    TcxLabel* label = NewLabel("I        I", 10, 10);
    label->Style().Font().SetSize(14);
    label->Style().SetTextColor(clBlack);
    label->SetTransparent(true);
    ShowForm();
    ASSERT_GT(label->Width(), 20);
    int text = 0, stripes = 0, other = 0;
    for (int y = 0; y < label->Height(); ++y)
        for (int x = 0; x < label->Width(); ++x) {
            TColor c = At(label, x, y);
            if (c == ColorToRGB(clBlack))
                ++text;
            else if (c == StripeAt(label, x))
                ++stripes;
            else
                ++other; // the smoothed edges of the letters
            ASSERT_NE(c, ColorToRGB(clBtnFace)) << "no background of its own at " << x << "," << y;
        }
    EXPECT_GT(text, 10);
    EXPECT_GT(stripes, other * 4);
    // The wide gap between the two letters shows only the stripes, column by column.
    int mid = label->Width() / 2;
    for (int y = 0; y < label->Height(); ++y)
        for (int x = mid - 4; x <= mid + 4; ++x)
            EXPECT_EQ(At(label, x, y), StripeAt(label, x)) << x << "," << y;
}

TEST_F(LabelTest, AParentPaintedThroughAWindowHookShowsUnderATransparentLabel) {
    // A skinned frame paints its host's background from a window hook; the label placed right
    // on the form shows that, not the form's own colour.
    Form->SetColor(clWhite);
    Form->AddWindowHook(Form, [](TMessage& m, const TWndMethod& previous) {
        if (m.Msg != WM_ERASEBKGND) {
            previous(m);
            return;
        }
        reinterpret_cast<TDC*>(m.WParam)->FillRect(TRect(0, 0, 300, 200), clFuchsia);
        m.Result = 1;
    });
    Stripes->SetVisible(false);
    auto* label = new TcxLabel(Form);
    label->SetBounds(150, 150, 10, 10);
    label->SetCaption("_");
    label->SetTransparent(true);
    label->SetParent(Form);
    ShowForm();
    EXPECT_EQ(At(label, 1, 1), ColorToRGB(clFuchsia));
    EXPECT_EQ(ImageAt(label, 1, 1), ColorToRGB(clFuchsia));
}

TEST_F(LabelTest, AnOpaqueLabelFillsItsBackground) {
    TcxLabel* label = NewLabel("I", 10, 10);
    label->Style().SetColor(clWhite);
    ShowForm();
    EXPECT_EQ(At(label, label->Width() - 1, 0), ColorToRGB(clWhite));
    EXPECT_EQ(At(label, 0, label->Height() - 1), ColorToRGB(clWhite));
}

TEST_F(LabelTest, AnEarlierSiblingShowsThroughATransparentLabelAndALaterOneDoesNot) {
    auto* earlier = new TSolidControl(Form, clLime);
    earlier->SetBounds(0, 0, 30, 100);
    earlier->SetParent(Stripes);
    TcxLabel* label = NewLabel(".", 20, 20);
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 40, 20);
    label->SetTransparent(true);
    auto* later = new TSolidControl(Form, clYellow);
    later->SetBounds(50, 0, 30, 100);
    later->SetParent(Stripes);
    ShowForm();
    const TcxCustomLabelViewInfo& vi = label->LabelViewInfo();
    ASSERT_EQ(vi.Bitmap.Width, 40);
    for (int y = 0; y < 20; y += 5) {
        EXPECT_EQ(ImageAt(label, 5, y), ColorToRGB(clLime)) << y;
        EXPECT_EQ(ImageAt(label, 20, y), StripeAt(label, 20)) << y;
        EXPECT_EQ(ImageAt(label, 21, y), StripeAt(label, 21)) << y;
        EXPECT_EQ(ImageAt(label, 35, y), StripeAt(label, 35)) << y;
    }
    // On screen too, where nothing lies above it.
    EXPECT_EQ(At(label, 5, 2), ColorToRGB(clLime));
    EXPECT_EQ(At(label, 21, 2), StripeAt(label, 21));
}

TEST_F(LabelTest, AutoSizeTakesTheSizeOfTheTextInTheStyleFont) {
    const std::string level = "\xB5\xC8  \xBC\xB6:"; // the "level" caption of the main window
    TcxLabel* plain = NewLabel(level, 10, 10);
    TcxLabel* slash = NewLabel("/", 10, 50);
    slash->Style().Font().SetStyle(fsBold);
    slash->Style().Font().SetSize(12);
    TcxLabel* empty = NewLabel("", 10, 90);
    ShowForm();
    TSize expected = Extent(plain->Style().GetVisibleFont(), level);
    EXPECT_EQ(plain->Width(), expected.cx);
    EXPECT_EQ(plain->Height(), expected.cy);
    expected = Extent(slash->Style().GetVisibleFont(), "/");
    EXPECT_EQ(slash->Width(), expected.cx);
    EXPECT_EQ(slash->Height(), expected.cy);
    expected = Extent(empty->Style().GetVisibleFont(), " ");
    EXPECT_EQ(empty->Width(), expected.cx) << "an empty caption sizes as one space";

    plain->SetCaption(level + level);
    Pump();
    EXPECT_EQ(plain->Width(), Extent(plain->Style().GetVisibleFont(), level + level).cx);
}

TEST_F(LabelTest, ARightAlignedLabelKeepsItsRightEdgeWhenItsTextGrows) {
    TcxLabel* label = NewLabel("ab", 100, 10);
    label->Properties().Alignment().SetHorz(taRightJustify);
    ShowForm();
    int left = label->Left(), right = label->Left() + label->Width();
    EXPECT_EQ(right, 100 + 121) << "the first size keeps the right edge of the initial size";
    label->SetCaption("abcdef");
    Pump();
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Left(), left);
}

TEST_F(LabelTest, TheAcceleratorMarkIsMeasuredOnlyWhenItIsShown) {
    TcxLabel* label = NewLabel("A&B", 10, 10);
    ShowForm();
    const TFont& font = label->Style().GetVisibleFont();
    EXPECT_EQ(label->Width(), Extent(font, "AB").cx);
    label->Properties().SetShowAccelChar(false);
    Pump();
    EXPECT_EQ(label->Width(), Extent(font, "A&B").cx);
    label->Properties().SetShowAccelChar(true);
    label->SetCaption("A&&B");
    Pump();
    EXPECT_EQ(label->Width(), Extent(font, "A&B").cx) << "a double mark shows one ampersand";
}

TEST_F(LabelTest, TheAngleIsTakenIntoZeroTo359) {
    TcxLabelProperties p(nullptr);
    const struct {
        int Given, Stored;
    } cases[] = {{0, 0}, {90, 90}, {450, 90}, {-90, 270}, {360, 0}, {-450, 270}, {719, 359}};
    for (const auto& c : cases) {
        p.SetAngle(c.Given);
        EXPECT_EQ(p.Angle(), c.Stored) << c.Given;
    }
}

TEST_F(LabelTest, ARotatedCaptionSwapsWidthAndHeightAtNinetyDegrees) {
    TcxLabel* label = NewLabel("Rotated text", 10, 10);
    label->Style().Font().SetName("DejaVu Sans");
    ShowForm();
    TSize flat(label->Width(), label->Height());
    label->Properties().SetAngle(450);
    Pump();
    EXPECT_EQ(label->Width(), flat.cy);
    EXPECT_EQ(label->Height(), flat.cx);
}

// Two opaque labels with the same caption on yellow, the second with an effect or a style; the
// first one's fully covered text pixels (exactly the text colour) are the probes.
class LabelEffectTest : public LabelTest {
public:
    TcxLabel* Plain = nullptr;
    TcxLabel* Styled = nullptr;
    void SetUp() override {
        LabelTest::SetUp();
        Plain = MakeLabel(10);
        Styled = MakeLabel(80);
    }
    TcxLabel* MakeLabel(int y) {
        TcxLabel* label = NewLabel("HM", 10, y);
        label->Style().SetColor(clYellow);
        label->Style().SetTextColor(clBlack);
        label->Style().Font().SetSize(9);
        label->Properties().SetShadowedColor(clRed);
        return label;
    }
    bool IsText(TcxLabel* label, int x, int y) {
        const TPixelBuffer& b = label->LabelViewInfo().Bitmap;
        return x >= 0 && y >= 0 && x < b.Width && y < b.Height &&
               ImageAt(label, x, y) == ColorToRGB(clBlack);
    }
    bool IsBackground(TcxLabel* label, int x, int y) {
        const TPixelBuffer& b = label->LabelViewInfo().Bitmap;
        return x < 0 || y < 0 || x >= b.Width || y >= b.Height ||
               ImageAt(label, x, y) == ColorToRGB(clYellow);
    }
    int Count(TcxLabel* label, TColor color) {
        const TPixelBuffer& b = label->LabelViewInfo().Bitmap;
        int n = 0;
        for (int y = 0; y < b.Height; ++y)
            for (int x = 0; x < b.Width; ++x)
                n += ImageAt(label, x, y) == ColorToRGB(color);
        return n;
    }
};

TEST_F(LabelEffectTest, ExtrudeDrawsThreeShadowCopiesTowardTheLowerRightOfTheText) {
    Styled->Properties().SetLabelEffect(cxleExtrude);
    Styled->Properties().SetDepth(3);
    ShowForm();
    EXPECT_EQ(Styled->Width(), Plain->Width() + 3);
    EXPECT_EQ(Styled->Height(), Plain->Height() + 3);
    int textProbes = 0, shadowProbes = 0;
    for (int y = 0; y < Plain->Height(); ++y)
        for (int x = 0; x < Plain->Width(); ++x) {
            if (!IsText(Plain, x, y))
                continue;
            ++textProbes;
            // The text sits at the upper left, over its copies.
            EXPECT_EQ(ImageAt(Styled, x, y), ColorToRGB(clBlack)) << x << "," << y;
            // Three pixels down and right only the farthest copy reaches, where nothing nearer
            // covers the point.
            if (IsBackground(Plain, x + 1, y + 1) && IsBackground(Plain, x + 2, y + 2) &&
                IsBackground(Plain, x + 3, y + 3)) {
                ++shadowProbes;
                EXPECT_EQ(ImageAt(Styled, x + 3, y + 3), ColorToRGB(clRed)) << x << "," << y;
            }
        }
    EXPECT_GT(textProbes, 5);
    EXPECT_GT(shadowProbes, 0);
}

TEST_F(LabelEffectTest, RaisedWithANinePointFontMovesTheTextOnePixelWithoutAShadowCopy) {
    Styled->Properties().SetLabelStyle(cxlsRaised);
    ShowForm();
    EXPECT_EQ(Styled->Width(), Plain->Width() + 1);
    EXPECT_EQ(Styled->Height(), Plain->Height() + 1);
    int probes = 0;
    for (int y = 0; y < Plain->Height(); ++y)
        for (int x = 0; x < Plain->Width(); ++x)
            if (IsText(Plain, x, y)) {
                ++probes;
                EXPECT_EQ(ImageAt(Styled, x + 1, y + 1), ColorToRGB(clBlack)) << x << "," << y;
            }
    EXPECT_GT(probes, 5);
    EXPECT_EQ(Count(Styled, clBtnShadow), 0);
    EXPECT_GT(Count(Styled, clBtnHighlight), 0) << "the light edge at the top left";
}

TEST_F(LabelEffectTest, FunFadesItsCopiesFromTheBackgroundTowardTheShadowedColour) {
    for (TcxLabel* label : {Plain, Styled})
        label->Style().Font().SetSize(16);
    Styled->Properties().SetLabelEffect(cxleFun);
    Styled->Properties().SetDepth(4);
    ShowForm();
    EXPECT_EQ(Styled->Width(), Plain->Width() + 4);
    // The farthest copy is the first: a quarter of the way from yellow to red.
    int probes = 0;
    for (int y = 0; y < Plain->Height(); ++y)
        for (int x = 0; x < Plain->Width(); ++x) {
            if (!IsText(Plain, x, y) || !IsBackground(Plain, x + 1, y + 1) ||
                !IsBackground(Plain, x + 2, y + 2) || !IsBackground(Plain, x + 3, y + 3) ||
                !IsBackground(Plain, x + 4, y + 4))
                continue;
            ++probes;
            EXPECT_EQ(ImageAt(Styled, x + 4, y + 4), RGB(255, 192, 0)) << x << "," << y;
        }
    EXPECT_GT(probes, 0);
}

TEST_F(LabelEffectTest, AGlyphFillsTheLettersOfATrueTypeFont) {
    for (TcxLabel* label : {Plain, Styled}) {
        label->Style().Font().SetName("DejaVu Sans");
        label->Style().Font().SetSize(20);
    }
    TBitmap texture(8, 8);
    texture.Canvas().Brush().SetColor(clLime);
    texture.Canvas().FillRect(TRect(0, 0, 8, 8));
    Styled->Properties().SetGlyph(&texture);
    ShowForm();
    EXPECT_GT(Count(Plain, clBlack), 20);
    EXPECT_EQ(Count(Styled, clBlack), 0);
    EXPECT_GT(Count(Styled, clLime), 20);
    Styled->Properties().SetGlyph(nullptr);
    Pump();
    EXPECT_EQ(Count(Styled, clLime), 0) << "taking the glyph away gives plain letters back";
    EXPECT_EQ(Count(Styled, clBlack), Count(Plain, clBlack));
}

TEST_F(LabelEffectTest, OutlinedLettersOfATrueTypeFontAreHollow) {
    for (TcxLabel* label : {Plain, Styled}) {
        label->Style().Font().SetName("DejaVu Sans");
        label->Style().Font().SetSize(40);
        label->SetCaption("l");
    }
    Styled->Properties().SetLabelStyle(cxlsOutLine);
    ShowForm();
    EXPECT_EQ(Styled->Width(), Plain->Width());
    int solid = Count(Plain, clBlack), outline = Count(Styled, clBlack);
    EXPECT_GT(outline, 10);
    EXPECT_LT(outline * 10, solid * 9);
    // The middle of the stem is filled in the plain letter and empty in the outlined one.
    int mid = -1;
    for (int x = 0; x < Plain->Width() && mid < 0; ++x)
        if (IsText(Plain, x, Plain->Height() / 2))
            mid = x + 2;
    ASSERT_GE(mid, 0);
    EXPECT_TRUE(IsText(Plain, mid, Plain->Height() / 2));
    EXPECT_TRUE(IsBackground(Styled, mid, Plain->Height() / 2));
}

TEST_F(LabelEffectTest, AnEffectWithoutDepthChangesNothing) {
    Styled->Properties().SetLabelEffect(cxleCool);
    ShowForm();
    EXPECT_EQ(Styled->Width(), Plain->Width());
    EXPECT_EQ(Count(Styled, clRed), 0);
}

TEST_F(LabelTest, AStandaloneLabelNeverTakesTheFocusAndItsAcceleratorFocusesFocusControl) {
    auto* first = new TSolidControl(Form, clLime);
    first->SetBounds(200, 150, 20, 20);
    first->SetTabStop(true);
    first->SetParent(Stripes);
    auto* target = new TSolidControl(Form, clYellow);
    target->SetBounds(200, 100, 20, 20);
    target->SetTabStop(true);
    target->SetParent(Stripes);
    TcxLabel* label = NewLabel("&Name", 10, 10);
    label->SetFocusControl(label);
    EXPECT_EQ(label->FocusControl(), nullptr) << "the label itself is refused";
    label->SetFocusControl(target);
    ShowForm();
    first->SetFocus();
    Pump();
    EXPECT_FALSE(label->CanFocus());
    EXPECT_FALSE(label->TabStop());
    Desk->Click(label->ClientToScreen({3, 3}));
    Pump();
    EXPECT_TRUE(first->Focused());

    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_TRUE(first->Focused());
    EXPECT_NE(label->Perform(CM_DIALOGCHAR, 'n', 0), 0);
    EXPECT_TRUE(target->Focused());

    first->SetFocus();
    label->Properties().SetShowAccelChar(false);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n', 0), 0);
    EXPECT_TRUE(first->Focused());

    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr) << "a freed control is forgotten";
}

TEST_F(LabelTest, TheCaptionAndTheEditValueFollowEachOther) {
    TcxLabel* label = NewLabel("one", 10, 10);
    EXPECT_EQ(EditValueToText(label->EditValue()), "one");
    label->SetEditValue(TcxEditValue(std::string("two")));
    EXPECT_EQ(label->Caption(), "two");
}

} // namespace

namespace {

TEST_F(LabelTest, AltAndTheAcceleratorFocusTheFocusControl) {
    auto* first = new TSolidControl(Form, clLime);
    first->SetBounds(200, 150, 20, 20);
    first->SetTabStop(true);
    first->SetParent(Stripes);
    auto* target = new TSolidControl(Form, clYellow);
    target->SetBounds(200, 100, 20, 20);
    target->SetTabStop(true);
    target->SetParent(Stripes);
    TcxLabel* label = NewLabel("&Weight", 10, 10);
    label->SetFocusControl(target);
    ShowForm();
    first->SetFocus();
    Pump();
    Desk->PressKey('W', ssAlt);
    Pump();
    EXPECT_TRUE(target->Focused());

    first->SetFocus();
    label->SetEnabled(false);
    Desk->PressKey('W', ssAlt);
    Pump();
    EXPECT_TRUE(first->Focused()) << "a disabled label passes its accelerator on";
}

TEST_F(LabelTest, AnEarlierTransparentLabelShowsThroughALaterOne) {
    TcxLabel* earlier = NewLabel("IIIIIIII", 10, 10);
    earlier->Style().Font().SetSize(14);
    earlier->Style().SetTextColor(clBlack);
    earlier->SetTransparent(true);
    TcxLabel* later = NewLabel("", 10, 10);
    later->SetAutoSize(false);
    later->SetTransparent(true);
    ShowForm();
    later->SetBounds(10, 10, earlier->Width(), earlier->Height());
    Pump();
    ASSERT_EQ(later->LabelViewInfo().Bitmap.Width, earlier->LabelViewInfo().Bitmap.Width);
    // The later label, without text of its own, shows the earlier one's letters over the stripes.
    const TPixelBuffer& image = later->LabelViewInfo().Bitmap;
    int letters = 0;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            TColor shown = ImageAt(later, x, y);
            TColor below = ImageAt(earlier, x, y);
            letters += below == ColorToRGB(clBlack);
            if (below == ColorToRGB(clBlack) || below == StripeAt(earlier, x)) {
                EXPECT_EQ(shown, below) << x << "," << y;
            }
        }
    EXPECT_GT(letters, 20);
}

TEST_F(LabelTest, AWordWrappedLabelKeepsItsWidthAndGrowsDown) {
    TcxLabel* label = NewLabel("one two three four five six", 10, 10);
    ShowForm();
    int oneLine = label->Height();
    int fullWidth = label->Width();
    label->Properties().SetWordWrap(true);
    label->SetBounds(10, 10, fullWidth / 3, label->Height());
    Pump();
    EXPECT_EQ(label->Width(), fullWidth / 3);
    EXPECT_GE(label->Height(), 3 * oneLine);
}

} // namespace
