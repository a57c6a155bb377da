#include "SkinFrameFixture.h"

#include "platform/core/Gbk.h"
#include "platform/draw/RegionShapes.h"
#include "skin/SuiTitleBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class TitleBarTest : public TSkinFrameTest {
public:
    TForm* Form = nullptr;
    TsuiTitleBar* Bar = nullptr;

    // A visible window 287 pixels wide at (100, 100) with a bar in the theme, carrying the main
    // window's buttons (control box, close, minimize) unless all four defaults are kept.
    void MakeBar(TsuiUIStyle style, int width = 287, bool keepMax = false) {
        Form = NewForm();
        Form->SetBounds(100, 100, width, 200);
        Bar = new TsuiTitleBar(Form);
        Bar->SetParent(Form);
        Bar->SetUIStyle(style);
        if (!keepMax)
            Bar->Buttons().Delete(2); // suiMax
        Bar->SetCaption("Qorvin");
        Form->Show();
        Pump();
    }
    TColor BarPixel(int x, int y) { return ShownAt(Bar, {x, y}); }
};

TEST_F(TitleBarTest, ConstructionDefaults) {
    Form = NewForm();
    Bar = new TsuiTitleBar(Form);
    EXPECT_EQ(Bar->UIStyle(), DeepBlue); // nothing else decides
    ASSERT_EQ(Bar->Buttons().Count(), 4);
    const TsuiTitleBarBtnType types[] = {suiControlBox, suiClose, suiMax, suiMin};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Bar->Buttons().Items(i)->ButtonType(), types[i]) << i;
    EXPECT_EQ(Bar->Sections().Count(), 3);
    EXPECT_EQ(Bar->Align(), alTop);
    EXPECT_EQ(Bar->Height(), 32); // the DeepBlue sections
    EXPECT_EQ(Bar->ButtonInterval(), 0);
    EXPECT_TRUE(Bar->FormActive());
    EXPECT_FALSE(Bar->DrawAppIcon());
    EXPECT_EQ(Bar->HotButton(), -1);
    EXPECT_EQ(Bar->Font().Name(), "Tahoma");
    EXPECT_EQ(Bar->Font().Color(), clWhite);
    EXPECT_EQ(Bar->Font().Style(), TFontStyles(fsBold));
    EXPECT_FALSE(Bar->ControlStyle() & csAcceptsControls);

    TsuiTitleBarButton* b = Bar->Buttons().Add();
    EXPECT_EQ(b->ButtonType(), suiCustom);
    EXPECT_EQ(b->Top(), 2);
    EXPECT_FALSE(b->Transparent());
    EXPECT_EQ(b->ControlBoxMenu(), nullptr);
    TsuiTitleBarSection* s = Bar->Sections().Add();
    EXPECT_EQ(s->Width(), 10);
    EXPECT_EQ(s->Align(), suiLeft);
    EXPECT_FALSE(s->Stretch());
    EXPECT_FALSE(s->AutoSize());
}

TEST_F(TitleBarTest, MacOSBarShowsItsSectionsAt287) {
    MakeBar(MacOS);
    ASSERT_EQ(Bar->Width(), 287);
    ASSERT_EQ(Bar->Height(), 23);
    // Rows 1 and 2 lie above the buttons and the caption: only the sections show there.
    for (int y : {1, 2}) {
        for (int x = 0; x <= 47; ++x)
            ASSERT_EQ(BarPixel(x, y), PicturePixel("MACOS_TITLE_LEFT", {x, y})) << x << "," << y;
        for (int x = 239; x <= 286; ++x)
            ASSERT_EQ(BarPixel(x, y), PicturePixel("MACOS_TITLE_RIGHT", {x - 239, y}))
                << x << "," << y;
        EXPECT_EQ(BarPixel(48, y), PicturePixel("MACOS_TITLE_CLIENT", {0, y}));
        EXPECT_EQ(BarPixel(238, y), PicturePixel("MACOS_TITLE_CLIENT", {48, y}));
    }
    // The grey line along the top and the bottom of all three sections.
    for (int x : {0, 47, 48, 150, 238, 239, 286}) {
        EXPECT_EQ(BarPixel(x, 0), RGB(127, 127, 127)) << x;
        EXPECT_EQ(BarPixel(x, 22), RGB(127, 127, 127)) << x;
    }
}

// Pictures whose pixels name their section (red) and column (green), so that every strip of the
// bar can be traced back.
void Coded(TPicture& p, int section, int width, int height) {
    TBitmap b(width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            b.Canvas().SetPixel(x, y, RGB(std::uint8_t(40 * section), std::uint8_t(x), 0));
    p.SetGraphic(&b);
}

TEST_F(TitleBarTest, SectionsAreLaidOutLeftRightAndStretchedClient) {
    MakeBar(MacOS);
    Bar->Buttons().Clear();
    TPicture left, right, client;
    Coded(left, 1, 48, 23);
    Coded(right, 2, 48, 23);
    Coded(client, 3, 49, 23);
    Bar->Sections().Items(0)->SetPicture(&left);
    Bar->Sections().Items(1)->SetPicture(&right);
    Bar->Sections().Items(2)->SetPicture(&client);
    Bar->SetCaption("");
    Pump();
    for (int x = 0; x <= 47; ++x)
        ASSERT_EQ(BarPixel(x, 10), RGB(40, std::uint8_t(x), 0)) << x;
    for (int x = 239; x <= 286; ++x)
        ASSERT_EQ(BarPixel(x, 10), RGB(80, std::uint8_t(x - 239), 0)) << x;
    int lastColumn = -1;
    for (int x = 48; x <= 238; ++x) {
        TColor c = BarPixel(x, 10);
        ASSERT_EQ(GetRValue(c), 120) << x;
        ASSERT_GE(int(GetGValue(c)), lastColumn) << x; // stretched, left to right
        lastColumn = GetGValue(c);
    }
    EXPECT_EQ(GetGValue(BarPixel(48, 10)), 0);
    EXPECT_EQ(GetGValue(BarPixel(238, 10)), 48);
}

TEST_F(TitleBarTest, ARightSectionThatDoesNotFitIsLeftOut) {
    // Protein's left picture is 441 pixels wide: on a 287-pixel bar its right section has no
    // room, and the left picture shows to the bar's end.
    MakeBar(Protein);
    Bar->Buttons().Clear();
    Bar->SetCaption("");
    Pump();
    ASSERT_EQ(Bar->Sections().Items(0)->Width(), 441);
    for (int x : {0, 200, 285, 286})
        EXPECT_EQ(BarPixel(x, 10), PicturePixel("PROTEIN_TITLE_LEFT", {x, 10})) << x;
}

TEST_F(TitleBarTest, MacOSButtonsAndCaptionAt287) {
    MakeBar(MacOS);
    TsuiTitleBar::TButtonLayout layout = Bar->LayoutButtons(287);
    EXPECT_EQ(layout.Rects[0], TRect(3, 4, 20, 21));    // control box
    EXPECT_EQ(layout.Rects[1], TRect(268, 4, 285, 21)); // close
    EXPECT_EQ(layout.Rects[2], TRect(250, 4, 267, 21)); // minimize
    EXPECT_EQ(layout.CaptionLeft, 25);
    EXPECT_EQ(layout.RightGroupLeft - layout.CaptionLeft, 225);

    struct Probe {
        const char* Picture;
        TPoint At;
    };
    for (const Probe& p : {Probe{"MACOS_TITLEBTN_CLOSE_NORMAL", {268, 4}},
                           Probe{"MACOS_TITLEBTN_MIN_NORMAL", {250, 4}},
                           Probe{"MACOS_TITLEBTN_CTLBOX_NORMAL", {3, 4}}}) {
        for (TPoint in : {TPoint(0, 8), TPoint(8, 8), TPoint(16, 16), TPoint(16, 0)})
            EXPECT_EQ(BarPixel(p.At.X + in.X, p.At.Y + in.Y), PicturePixel(p.Picture, in))
                << p.Picture << " " << in.X << "," << in.Y;
    }
    // The caption starts at x 25, in black while the window is active.
    std::vector<int> black;
    for (int x = 0; x < 287; ++x)
        for (int y = 0; y < 23; ++y)
            if (BarPixel(x, y) == clBlack)
                black.push_back(x);
    ASSERT_FALSE(black.empty());
    EXPECT_GE(*std::min_element(black.begin(), black.end()), 25);
    EXPECT_LE(*std::min_element(black.begin(), black.end()), 27);
    EXPECT_LT(*std::max_element(black.begin(), black.end()), 250);
}

TEST_F(TitleBarTest, InactiveCaptionUsesTheInactiveColourInEveryTheme) {
    for (TsuiUIStyle style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        MakeBar(style);
        Bar->SetCaption("MMMM");
        Bar->SetFormActive(false);
        Pump();
        TColor inactive = ColorToRGB(clInactiveCaption);
        int inactivePixels = 0;
        for (int x = 0; x < 287; ++x)
            for (int y = 0; y < Bar->Height(); ++y) {
                inactivePixels += BarPixel(x, y) == inactive;
            }
        EXPECT_GT(inactivePixels, 10) << int(style);
        Bar->SetFormActive(true);
        Pump();
        int activeInactive = 0;
        for (int x = 0; x < 287; ++x)
            for (int y = 0; y < Bar->Height(); ++y)
                activeInactive += BarPixel(x, y) == inactive;
        EXPECT_LT(activeInactive, inactivePixels) << int(style);
        Form->Free();
    }
}

TEST_F(TitleBarTest, ButtonArithmeticOfTheOtherThemes) {
    struct Case {
        TsuiUIStyle Style;
        int Height;
        TRect ControlBox, Close, Min;
        int CaptionLeft;
    };
    const Case cases[] = {
        {WinXP, 29, {2, 5, 23, 26}, {264, 5, 285, 26}, {242, 5, 263, 26}, 28},
        {DeepBlue, 32, {0, 2, 19, 21}, {268, 2, 287, 21}, {248, 2, 267, 21}, 24},
        {Protein, 23, {0, 2, 19, 21}, {268, 2, 287, 21}, {248, 2, 267, 21}, 24},
        {BlueGlass, 33, {4, 6, 23, 25}, {265, 6, 284, 25}, {245, 6, 264, 25}, 28},
    };
    for (const Case& c : cases) {
        MakeBar(c.Style);
        EXPECT_EQ(Bar->Height(), c.Height) << int(c.Style);
        TsuiTitleBar::TButtonLayout l = Bar->LayoutButtons(287);
        EXPECT_EQ(l.Rects[0], c.ControlBox) << int(c.Style);
        EXPECT_EQ(l.Rects[1], c.Close) << int(c.Style);
        EXPECT_EQ(l.Rects[2], c.Min) << int(c.Style);
        EXPECT_EQ(l.CaptionLeft, c.CaptionLeft) << int(c.Style);
        EXPECT_EQ(l.RightGroupLeft, c.Min.Left) << int(c.Style);
        Form->Free();
    }
}

TEST_F(TitleBarTest, IntervalIconAndMissingControlBoxMoveTheCaption) {
    MakeBar(MacOS);
    Bar->SetButtonInterval(3);
    TsuiTitleBar::TButtonLayout l = Bar->LayoutButtons(287);
    EXPECT_EQ(l.Rects[1].Left, 286 - 17 - 1 - 3);
    EXPECT_EQ(l.Rects[2].Left, l.Rects[1].Left - 17 - 1 - 3);
    Bar->SetDrawAppIcon(true);
    EXPECT_EQ(Bar->LayoutButtons(287).CaptionLeft, 3 + 21);
    Bar->Buttons().Delete(0); // no control box
    EXPECT_EQ(Bar->LayoutButtons(287).CaptionLeft, 3);
    Bar->SetLeftBtnXOffset(0);
    EXPECT_EQ(Bar->LayoutButtons(287).CaptionLeft, 6);
}

TEST_F(TitleBarTest, TheAppIconReplacesTheControlBoxPicture) {
    MakeBar(MacOS);
    Bar->SetDrawAppIcon(true);
    Pump();
    // The icon's badge edge is drawn 3 pixels right of the control box's place; its corners are
    // left out, so the section shows there.
    EXPECT_EQ(BarPixel(6, 4), PicturePixel("MACOS_TITLE_LEFT", {6, 4}));
    EXPECT_NE(BarPixel(6 + 8, 4 + 8), PicturePixel("MACOS_TITLEBTN_CTLBOX_NORMAL", {11, 8}));
    EXPECT_NE(BarPixel(6 + 8, 4 + 8), PicturePixel("MACOS_TITLE_LEFT", {14, 12}));
}

TEST_F(TitleBarTest, LongCaptionsKeepTheirFirstTwoBytesOfWholeCharacters) {
    MakeBar(MacOS);
    TBitmap b(1, 1);
    b.Canvas().Font().Assign(Bar->Font());
    struct Case {
        std::string Caption;
        std::string Shown;
    };
    const std::string pet = Utf8ToGbk("宠物查询器");
    const Case cases[] = {
        {"Qorvin pet calculator", "Qo..."},
        {pet, Utf8ToGbk("宠") + "..."},
        {"Q" + pet, "Q..."}, // the lead byte of the second character is not kept alone
        {"Q", "Q"},
        {"Qo", "Qo..."}, // too wide is too wide, even when the short form is no shorter
    };
    for (const Case& c : cases) {
        Bar->SetCaption(c.Caption);
        EXPECT_EQ(Bar->FittedCaption(b.Canvas(), 12), c.Shown) << GbkToUtf8(c.Caption);
    }
    Bar->SetCaption(pet);
    EXPECT_EQ(Bar->FittedCaption(b.Canvas(), 225), pet);
}

TEST_F(TitleBarTest, PressOnCloseThenReleaseElsewhereClicksNothing) {
    MakeBar(MacOS);
    TPoint close = Screen(Bar, {276, 12});
    Desk->MouseMove(close);
    EXPECT_EQ(BarPixel(276, 12), PicturePixel("MACOS_TITLEBTN_CLOSE_MOUSEON", {8, 8}));
    Desk->MouseDown(close);
    EXPECT_TRUE(Bar->MouseIsDown());
    EXPECT_EQ(Bar->HotButton(), 1);
    EXPECT_EQ(BarPixel(276, 12), PicturePixel("MACOS_TITLEBTN_CLOSE_MOUSEDOWN", {8, 8}));
    Desk->MouseMove(Screen(Bar, {150, 12}));
    EXPECT_EQ(BarPixel(276, 12), PicturePixel("MACOS_TITLEBTN_CLOSE_NORMAL", {8, 8}));
    Desk->MouseUp(Screen(Bar, {150, 12}));
    EXPECT_TRUE(Form->Visible());
    EXPECT_FALSE(Bar->MouseIsDown());

    Desk->MouseDown(close);
    Desk->MouseUp(close);
    EXPECT_FALSE(Form->Visible());
}

TEST_F(TitleBarTest, LeavingTheBarShowsEveryButtonNormal) {
    MakeBar(MacOS);
    Desk->MouseMove(Screen(Bar, {258, 12}));
    EXPECT_EQ(Bar->HotButton(), 2);
    EXPECT_EQ(BarPixel(258, 12), PicturePixel("MACOS_TITLEBTN_MIN_MOUSEON", {8, 8}));
    Desk->MouseMove(Screen(Bar, {258, 100}));
    EXPECT_EQ(Bar->HotButton(), -1);
    EXPECT_EQ(BarPixel(258, 12), PicturePixel("MACOS_TITLEBTN_MIN_NORMAL", {8, 8}));
}

TEST_F(TitleBarTest, PressingOnEmptyBarSpaceDragsTheWindow) {
    MakeBar(MacOS);
    Desk->Drag(Screen(Bar, {150, 10}), Screen(Bar, {90, 50}));
    EXPECT_EQ(Form->Left(), 40);
    EXPECT_EQ(Form->Top(), 140);
    EXPECT_FALSE(Bar->MouseIsDown());
    EXPECT_TRUE(Form->Visible());
}

TEST_F(TitleBarTest, HelpAndCustomButtonsReportTheirIndex) {
    MakeBar(MacOS);
    std::vector<std::pair<char, int>> events;
    Bar->OnHelpBtnClick = [&](TPersistent* sender, int index) {
        EXPECT_EQ(sender, Bar);
        events.push_back({'h', index});
    };
    Bar->OnCustomBtnsClick = [&](TPersistent*, int index) { events.push_back({'c', index}); };
    Bar->Buttons().Add()->SetButtonType(suiHelp); // index 3, left of minimize
    TsuiTitleBarButton* custom = Bar->Buttons().Add();
    TPicture pic;
    Coded(pic, 1, 17, 17);
    custom->SetPicture(tbsNormal, &pic);
    Pump();
    TsuiTitleBar::TButtonLayout l = Bar->LayoutButtons(287);
    Desk->Click(Screen(Bar, l.Rects[3].CenterPoint()));
    Desk->Click(Screen(Bar, l.Rects[4].CenterPoint()));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], std::make_pair('h', 3));
    EXPECT_EQ(events[1], std::make_pair('c', 4));
    EXPECT_TRUE(Form->Visible());
}

TEST_F(TitleBarTest, DoubleClickOnEmptySpaceTogglesMaximizeOnlyWithAMaximizeButton) {
    MakeBar(MacOS);
    TRect before = Form->BoundsRect();
    TPoint empty = Screen(Bar, {150, 10});
    Desk->Click(empty);
    Desk->Click(empty);
    EXPECT_EQ(Form->WindowState(), wsNormal);
    EXPECT_EQ(Form->BoundsRect(), before);
    Form->Free();

    MakeBar(MacOS, 287, true);
    empty = Screen(Bar, {150, 10});
    Desk->Click(empty);
    Desk->Click(empty);
    EXPECT_EQ(Form->WindowState(), wsMaximized);
}

TEST_F(TitleBarTest, OnlyOneControlBoxAndOneClientSection) {
    MakeBar(MacOS);
    TsuiTitleBarButton* close = Bar->Buttons().Items(1);
    close->SetButtonType(suiControlBox);
    EXPECT_EQ(close->ButtonType(), suiClose);
    TsuiTitleBarSection* left = Bar->Sections().Items(0);
    left->SetAlign(suiClient);
    EXPECT_EQ(left->Align(), suiLeft);
    // The client section itself is refused too: the scan includes it.
    Bar->Sections().Items(2)->SetAlign(suiClient);
    ASSERT_EQ(Boxes.size(), 3u);
    EXPECT_EQ(Boxes[0].Text,
              "Sorry, only one button's ButtonType property can be \"suiControlBox\"");
    EXPECT_EQ(Boxes[1].Text, "Sorry, only one section's Align property can be \"suiClient\"");
    EXPECT_EQ(Boxes[2].Text, Boxes[1].Text);
    EXPECT_EQ(Boxes[0].Type, UINT(MB_OK | MB_ICONHAND));

    Bar->Sections().Items(2)->SetAlign(suiLeft);
    left->SetAlign(suiClient);
    EXPECT_EQ(left->Align(), suiClient);
    EXPECT_TRUE(left->Stretch());
    left->SetStretch(false);
    EXPECT_TRUE(left->Stretch()); // a client section is always stretched
}

TEST_F(TitleBarTest, CustomRemovesTheSectionsButKeepsTheButtons) {
    MakeBar(MacOS);
    Bar->SetUIStyle(Custom);
    EXPECT_EQ(Bar->Sections().Count(), 0);
    EXPECT_EQ(Bar->Buttons().Items(1)->PictureResource(tbsNormal), "MACOS_TITLEBTN_CLOSE_NORMAL");
    Bar->SetAutoSize(true);
    EXPECT_FALSE(Bar->AutoSize()); // nothing to size by
}

TEST_F(TitleBarTest, ThemeSetsTheFormsMinimumWidth) {
    MakeBar(BlueGlass);
    EXPECT_EQ(Form->Constraints().MinWidth(), 270);
    Bar->SetUIStyle(MacOS);
    EXPECT_EQ(Form->Constraints().MinWidth(), 130);
}

TEST_F(TitleBarTest, ButtonsWithoutAFormDoNothing) {
    auto panel = MakeComponent<TPanel>(nullptr);
    auto* bar = new TsuiTitleBar(panel.get());
    bar->SetParent(panel.get());
    for (int i = 0; i < bar->Buttons().Count(); ++i)
        bar->Buttons().Items(i)->DoClick(); // no form: nothing happens, nothing breaks
    EXPECT_EQ(bar->Buttons().Count(), 4);
}

TEST_F(TitleBarTest, TheMinimizeButtonMinimizesTheForm) {
    MakeBar(MacOS);
    Bar->Buttons().Items(2)->DoClick();
    Pump();
    EXPECT_TRUE(IsIconic(Form->Handle()));
}

TEST_F(TitleBarTest, WinXPMaximizeButtonTurnsIntoRestoreAndBack) {
    MakeBar(WinXP, 287, true);
    TsuiTitleBarButton* max = Bar->Buttons().Items(2);
    ASSERT_EQ(max->ButtonType(), suiMax);
    EXPECT_EQ(max->PictureResource(tbsNormal), "WINXP_TITLEBTN_MAX_NORMAL");
    max->DoClick();
    Pump();
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    EXPECT_EQ(max->PictureResource(tbsNormal), "WINXP_TITLEBTN_RST_NORMAL");
    EXPECT_EQ(max->PictureResource(tbsMouseDown), "WINXP_TITLEBTN_RST_MOUSEDOWN");
    EXPECT_EQ(Form->Constraints().MaxWidth(), ::Screen->WorkAreaRect().Width());
    // A theme applied while maximized picks the restore pictures too.
    Bar->SetUIStyle(WinXP);
    EXPECT_EQ(max->PictureResource(tbsNormal), "WINXP_TITLEBTN_RST_NORMAL");
    max->DoClick();
    Pump();
    EXPECT_EQ(Form->WindowState(), wsNormal);
    EXPECT_EQ(max->PictureResource(tbsNormal), "WINXP_TITLEBTN_MAX_NORMAL");
}

} // namespace
