#include "WindowTestFixture.h"

#include "platform/window/MenuWindow.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
// Rows: 0 Open, 1 separator, 2 Save (greyed), 3 Exit, 4 Copy (checked).
std::vector<TMenuRow> SampleRows() {
    return {{"&Open", false, true, false},
            {"", true, true, false},
            {"&Save", false, false, false},
            {"E&xit", false, true, false},
            {"&Copy", false, true, true}};
}

class MenuWindowTest : public TWindowTest {
public:
    HWND Owner = nullptr;

    void SetUp() override {
        TWindowTest::SetUp();
        Owner = TopLevel(TRect(100, 100, 400, 300));
        SetActiveWindow(Owner);
        Desk->Pump();
    }

    static HWND OpenMenu() {
        for (HWND h : GetTopLevelWindows())
            if (GetClassName(h) == kMenuWindowClass)
                return h;
        return nullptr;
    }
    // The screen point in the middle of a row of the open menu.
    static TPoint RowPoint(HWND menu, int row) {
        TPoint p = LayoutMenu(SampleRows()).Rows[std::size_t(row)].CenterPoint();
        ClientToScreen(menu, &p);
        return p;
    }

    // Runs the menu; act is called once when the loop first waits (with the menu window), and
    // a second wait counts as a menu that stayed open (then Escape closes it).
    int Track(const std::function<void(HWND menu)>& act, TPoint at = {150, 150},
              TMenuTrackOptions options = {}, std::vector<TMenuRow> rows = SampleRows()) {
        int waits = 0;
        Desk->SetIdleHandler([&] {
            if (waits++ == 0) {
                HWND menu = OpenMenu();
                EXPECT_NE(menu, nullptr);
                act(menu);
            } else {
                ADD_FAILURE() << "the menu stayed open";
                Desk->PressKey(VK_ESCAPE);
            }
            return true;
        });
        int result = TrackMenuWindow(Owner, at, rows, options);
        Desk->SetIdleHandler(nullptr);
        EXPECT_EQ(OpenMenu(), nullptr) << "the menu window is left";
        return result;
    }
    int Keys(std::vector<int> keys, TMenuTrackOptions options = {}) {
        return Track(
            [&](HWND) {
                for (int vk : keys)
                    Desk->PressKey(vk);
            },
            {150, 150}, options);
    }
};
} // namespace

TEST_F(MenuWindowTest, KeysMoveOverSeparatorsAndGreyedRowsAndChoose) {
    struct TCase {
        std::vector<int> Keys;
        int Chosen;
    } cases[] = {
        {{VK_DOWN, VK_RETURN}, 0},
        {{VK_DOWN, VK_DOWN, VK_RETURN}, 3}, // over the separator and the greyed Save
        {{VK_UP, VK_RETURN}, 4},            // from nothing Up starts at the last row
        {{VK_DOWN, VK_UP, VK_SPACE}, 4},    // and wraps around
        {{VK_END, VK_UP, VK_RETURN}, 3},
        {{VK_HOME, VK_RETURN}, 0},
        {{'X'}, 3},                   // an accelerator chooses at once
        {{'S', VK_ESCAPE}, -1},       // a greyed row's does nothing
        {{VK_RETURN, VK_ESCAPE}, -1}, // Enter with nothing highlighted does nothing
        {{VK_DOWN, VK_MENU}, -1},     // Alt dismisses
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Keys(c.Keys), c.Chosen) << "case " << (&c - cases);

    // The edit menus' way: the keyboard stops on greyed rows, which cannot be chosen.
    TMenuTrackOptions stops;
    stops.SkipDisabled = false;
    EXPECT_EQ(Keys({VK_DOWN, VK_DOWN, VK_RETURN, VK_DOWN, VK_RETURN}, stops), 3);
}

TEST_F(MenuWindowTest, KeysGoToTheMenuOnly) {
    HWND edit = Child(Owner, TRect(0, 0, 50, 20));
    SetFocus(edit);
    Watched = {WM_KEYDOWN, WM_KEYUP, WM_CHAR};
    EXPECT_EQ(Keys({VK_DOWN, 'X'}), 3);
    Desk->Type("x");
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_CHAR}); // typing reaches the window again
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(MenuWindowTest, SeveralRowsWithOneLetterAreVisitedInTurn) {
    std::vector<TMenuRow> rows = {{"&Alpha"}, {"&Again"}, {"&Beta"}};
    int chosen = Track(
        [&](HWND) {
            Desk->PressKey('A'); // Alpha highlighted
            Desk->PressKey('A'); // Again highlighted
            Desk->PressKey(VK_RETURN);
        },
        {150, 150}, {}, rows);
    EXPECT_EQ(chosen, 1);
}

TEST_F(MenuWindowTest, TheMouseHighlightsAndChoosesByReleasingOverAnEnabledRow) {
    TColor highlight = ColorToRGB(clHighlight);
    TColor menuColour = ColorToRGB(clMenu);
    int chosen = Track([&](HWND menu) {
        TRect rows = LayoutMenu(SampleRows()).Rows[3];
        TPoint blank{rows.Right - 3, rows.CenterPoint().Y}; // right of the text
        ClientToScreen(menu, &blank);
        EXPECT_EQ(Desk->PixelAt(menu, blank), menuColour);
        Desk->MouseMove(RowPoint(menu, 3));
        EXPECT_EQ(Desk->PixelAt(menu, blank), highlight);
        Desk->MouseMove({600, 600}); // off the menu: nothing highlighted
        EXPECT_EQ(Desk->PixelAt(menu, blank), menuColour);
        Desk->Click(RowPoint(menu, 2)); // greyed: stays open
        Desk->Click(RowPoint(menu, 1)); // separator: stays open
        EXPECT_NE(OpenMenu(), nullptr);
        Desk->MouseDown(RowPoint(menu, 3));
        Desk->MouseUp(RowPoint(menu, 4), TMouseButton::Left);
    });
    EXPECT_EQ(chosen, 4);
    // The right button chooses as well.
    EXPECT_EQ(Track([&](HWND menu) { Desk->Click(RowPoint(menu, 0), TMouseButton::Right); }), 0);
}

TEST_F(MenuWindowTest, DismissedByAPressOutsideByDeactivationOrWhenTheOwnerGoes) {
    HWND other = TopLevel(TRect(500, 100, 600, 200));
    SetActiveWindow(Owner);
    Watched = {WM_LBUTTONDOWN};
    {
        SCOPED_TRACE("press outside");
        EXPECT_EQ(Track([&](HWND) { Desk->Click({550, 150}); }), -1);
        EXPECT_EQ(GetActiveWindow(), Owner);
    }
    EXPECT_TRUE(TakeMessages().empty()) << "the press that closes the menu clicks nothing";

    {
        SCOPED_TRACE("deactivated");
        EXPECT_EQ(Track([&](HWND) { SetActiveWindow(other); }), -1);
    }
    SetActiveWindow(Owner);
    EXPECT_EQ(Track([&](HWND) { DestroyWindow(Owner); }), -1) << "owner gone";
}

TEST_F(MenuWindowTest, OpensAsAPopupInsideTheWorkAreaWithoutTakingTheFocus) {
    TSize size = LayoutMenu(SampleRows()).Client;
    TRect area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    struct TCase {
        TPoint At;
        TPoint Expected;
    } cases[] = {
        {{150, 150}, {150, 150}},
        {{area.Right - 5, area.Bottom - 5}, {area.Right - 5 - size.cx, area.Bottom - 5 - size.cy}},
        {{-40, 20}, {0, 20}},
        {{area.Right + 100, 20}, {area.Right - size.cx, 20}},
    };
    for (const TCase& c : cases) {
        TRect shown;
        const THeadlessBackend::TSurface* surface = nullptr;
        HWND focus = GetFocus();
        Track(
            [&](HWND menu) {
                GetWindowRect(menu, &shown);
                surface = Desk->Surface(menu);
                ASSERT_NE(surface, nullptr);
                EXPECT_EQ(surface->Kind, TSurfaceKind::Popup);
                EXPECT_EQ(GetFocus(), focus);
                EXPECT_EQ(GetActiveWindow(), Owner);
                Desk->PressKey(VK_ESCAPE);
            },
            c.At);
        EXPECT_EQ(shown.TopLeft(), c.Expected) << c.At.X << "," << c.At.Y;
        EXPECT_EQ(shown.Size(), size);
    }
}

TEST_F(MenuWindowTest, AnExceptionInsideTheLoopLeavesNoMenuOrKeyHookBehind) {
    Desk->SetIdleHandler([] { return false; }); // the headless loop throws: nothing to wait for
    EXPECT_THROW(TrackMenuWindow(Owner, {150, 150}, SampleRows()), std::exception);
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(OpenMenu(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    SetFocus(Owner);
    Watched = {WM_KEYDOWN};
    Desk->PressKey(VK_DOWN);
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_KEYDOWN});
}

TEST_F(MenuWindowTest, AcceleratorIsTheLetterAfterASingleAmpersand) {
    struct TCase {
        std::string Text;
        char Key;
    } cases[] = {
        {"&Open", 'O'},
        {"e&xit", 'X'},
        {"a&&b", 0},
        {"a&&&b", 'B'},
        {"end&", 0},
        {"none", 0},
        {"\xb3\xb7\xcf\xfb(&U)", 'U'}, // 撤消(&U)
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MenuAccelerator(c.Text), c.Key) << c.Text;
}

TEST_F(MenuWindowTest, ContextMenuKeysAskTheWindowWithNoPoint) {
    HWND child = Child(Owner, TRect(10, 10, 60, 40));
    SetFocus(child);
    Watched = {WM_CONTEXTMENU};
    Desk->PressKey(VK_APPS);
    Desk->KeyDown(VK_SHIFT, ssShift);
    Desk->PressKey(VK_F10, ssShift);
    Desk->KeyUp(VK_SHIFT);
    Desk->PressKey(VK_F10); // alone it is no context-menu request
    // Unanswered, the request climbs to the parent, as a right click's does.
    Desk->Click({120, 120}, TMouseButton::Right);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{
                          {child, WM_CONTEXTMENU, WPARAM(child), LPARAM(-1)},
                          {Owner, WM_CONTEXTMENU, WPARAM(child), LPARAM(-1)},
                          {child, WM_CONTEXTMENU, WPARAM(child), LPARAM(-1)},
                          {Owner, WM_CONTEXTMENU, WPARAM(child), LPARAM(-1)},
                          {child, WM_CONTEXTMENU, WPARAM(child), PointToLParam({120, 120})},
                          {Owner, WM_CONTEXTMENU, WPARAM(child), PointToLParam({120, 120})}}));
}
