// buttonsheet: draws the skinned push button of the five themes in its five looks (normal,
// mouse on, pressed, focused, disabled) on the headless desktop and writes them as one PNG,
// enlarged twice, so the themes can be judged side by side.
//   buttonsheet [<out.png>]      default: resources/skin/button-sheet.png
// Each theme's buttons stand on a form of the theme's form colour, at the program's button
// width (97) and 23 pixels high, or the height of the theme's picture when that is more.
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/core/Gbk.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Png.h"
#include "skin/SkinBitmap.h"
#include "skin/SuiButton.h"
#include "skin/ThemeElements.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace {
enum TLook { lkNormal, lkMouseOn, lkPressed, lkFocused, lkDisabled, LookCount };

const char* const LookNames[LookCount] = {"normal", "mouse on", "pressed", "focused", "disabled"};

struct TTheme {
    TsuiUIStyle Style;
    const char* Name;
};
const std::array<TTheme, 5> Themes{{{MacOS, "MacOS"},
                                    {WinXP, "WinXP"},
                                    {DeepBlue, "DeepBlue"},
                                    {Protein, "Protein"},
                                    {BlueGlass, "BlueGlass"}}};

constexpr int ButtonWidth = 97;
constexpr int MinButtonHeight = 23;
constexpr int Gap = 10;          // around each button
constexpr int LabelWidth = 72;   // theme names on the left
constexpr int HeaderHeight = 20; // look names on top
constexpr int Scale = 2;
constexpr int FormColourElement = 3;
constexpr int ButtonNormalElement = 24;

int ButtonHeight(TsuiUIStyle style) {
    TBitmap picture;
    LoadSkinBitmap(&picture, nullptr, GetThemeString(style, ButtonNormalElement));
    return std::max(MinButtonHeight, picture.Height());
}

int RowHeight() {
    int h = 0;
    for (const TTheme& t : Themes)
        h = std::max(h, ButtonHeight(t.Style));
    return h + 2 * Gap;
}

constexpr int CellWidth = ButtonWidth + 2 * Gap;

// Puts the theme's five buttons on a form, brings each into its look and copies the form's
// pixels into the sheet at top.
void DrawTheme(THeadlessBackend& desk, TApplication& app, const TTheme& theme, TBitmap& sheet,
               int top) {
    const int rowHeight = RowHeight();
    auto* form = new TForm(&app);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, CellWidth * LookCount, rowHeight);
    form->SetColor(GetThemeColor(theme.Style, FormColourElement));
    const int height = ButtonHeight(theme.Style);
    std::array<TsuiButton*, LookCount> buttons{};
    for (int look = 0; look < LookCount; ++look) {
        auto* b = new TsuiButton(form);
        b->SetParent(form);
        b->SetUIStyle(theme.Style);
        b->SetBounds(look * CellWidth + Gap, (rowHeight - height) / 2, ButtonWidth, height);
        b->SetCaption(Utf8ToGbk("分析"));
        buttons[std::size_t(look)] = b;
    }
    form->Show();
    desk.Pump();
    TsuiButton* hot = buttons[lkMouseOn];
    hot->Perform(CM_MOUSEENTER, 0, LPARAM(hot));
    buttons[lkPressed]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({5, 5}));
    buttons[lkFocused]->SetFocus();
    buttons[lkDisabled]->SetEnabled(false);
    desk.Pump();

    for (int y = 0; y < rowHeight; ++y)
        for (int x = 0; x < CellWidth * LookCount; ++x)
            sheet.Canvas().SetPixel(LabelWidth + x, top + y,
                                    desk.WindowPixel(form->Handle(), {x, y}));
    delete form;
}

void DrawLabels(TBitmap& sheet, int rowHeight) {
    TCanvas& c = sheet.Canvas();
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetStyle(fsBold);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(bsClear);
    for (int look = 0; look < LookCount; ++look) {
        const std::string name = LookNames[look];
        const int w = c.TextWidth(name);
        c.TextOut(LabelWidth + look * CellWidth + (CellWidth - w) / 2, 4, name);
    }
    for (std::size_t i = 0; i < Themes.size(); ++i) {
        const int h = c.TextHeight(Themes[i].Name);
        c.TextOut(6, HeaderHeight + int(i) * rowHeight + (rowHeight - h) / 2, Themes[i].Name);
    }
}
} // namespace

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : "resources/skin/button-sheet.png";
    THeadlessBackend& desk = StartHeadlessWindowSystem();
    int result = 0;
    {
        TApplication app;
        app.Initialize();
        const int rowHeight = RowHeight();
        TBitmap sheet(LabelWidth + CellWidth * LookCount,
                      HeaderHeight + rowHeight * int(Themes.size()));
        sheet.Canvas().Brush().SetColor(clWhite);
        sheet.Canvas().FillRect({0, 0, sheet.Width(), sheet.Height()});
        for (std::size_t i = 0; i < Themes.size(); ++i)
            DrawTheme(desk, app, Themes[i], sheet, HeaderHeight + int(i) * rowHeight);
        DrawLabels(sheet, rowHeight);

        TBitmap large(sheet.Width() * Scale, sheet.Height() * Scale);
        large.Canvas().StretchDraw({0, 0, large.Width(), large.Height()}, sheet);
        try {
            SavePng(large.Pixels(), out);
            std::printf("%s: %d x %d\n", out.c_str(), large.Width(), large.Height());
        } catch (const Exception& e) {
            std::fprintf(stderr, "buttonsheet: %s\n", e.what());
            result = 1;
        }
    }
    ShutdownWindowSystem();
    return result;
}
