#include "WindowTestFixture.h"

namespace {
class InputTest : public TWindowTest {
public:
    HWND Top = nullptr;
    HWND Left = nullptr;
    HWND Right = nullptr;
    void SetUp() override {
        TWindowTest::SetUp();
        // Top-level at (100,100) 200x100; two children side by side.
        Top = TopLevel(Bounds(100, 100, 200, 100));
        Left = Child(Top, Bounds(10, 10, 50, 50));
        Right = Child(Top, Bounds(100, 10, 50, 50));
        Desk->Pump();
    }
};

TEST_F(InputTest, WindowFromPointRespectsRegionsVisibilityAndDisabledWindows) {
    HWND hidden = Child(Top, Bounds(170, 10, 20, 20), WS_CHILD);
    HWND disabled = Child(Top, Bounds(170, 50, 20, 20), WS_CHILD | WS_VISIBLE | WS_DISABLED);
    TRegion tri = TRegion::FromRects({Bounds(0, 0, 50, 10), Bounds(0, 10, 10, 40)});
    SetWindowRgn(Right, &tri, false);
    HWND other = TopLevel(Bounds(400, 100, 50, 50));
    EnableWindow(other, false);
    struct TCase {
        TPoint P;
        HWND Expected;
    };
    for (const TCase& c : std::vector<TCase>{{{100, 100}, Top},
                                             {{115, 115}, Left},
                                             {{159, 159}, Left},
                                             {{160, 160}, Top},
                                             {{205, 112}, Right},
                                             {{205, 125}, Right},
                                             {{225, 125}, Top},     // cut by Right's region
                                             {{275, 115}, Top},     // hidden child
                                             {{275, 155}, Top},     // disabled child
                                             {{420, 120}, nullptr}, // disabled top-level
                                             {{99, 100}, nullptr},
                                             {{300, 150}, nullptr}}) {
        EXPECT_EQ(WindowFromPoint(c.P), c.Expected) << c.P.X << "," << c.P.Y;
    }
    EXPECT_EQ(ChildWindowFromPoint(Top, {175, 55}), disabled);
    EXPECT_EQ(ChildWindowFromPoint(Top, {175, 15}), hidden);
    EXPECT_EQ(ChildWindowFromPoint(Top, {5, 5}), Top);
    EXPECT_EQ(ChildWindowFromPoint(Top, {500, 5}), nullptr);

    // Input to a disabled window goes nowhere.
    Watched = {WM_LBUTTONDOWN};
    Desk->Click({275, 155});
    EXPECT_TRUE(Take().empty());
}

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesAndEnterLeaveComeInPairs) {
    Watched = {WM_MOUSEENTER, WM_MOUSELEAVE, WM_MOUSEMOVE};
    Desk->MouseMove({115, 120});
    Desk->MouseMove({116, 120});
    Desk->MouseMove({205, 120});
    Desk->MouseMove({500, 500});
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{
                          {Left, WM_MOUSEENTER, 0, 0},
                          {Left, WM_MOUSEMOVE, 0, MAKELPARAM(5, 10)},
                          {Left, WM_MOUSEMOVE, 0, MAKELPARAM(6, 10)},
                          {Left, WM_MOUSELEAVE, 0, 0},
                          {Right, WM_MOUSEENTER, 0, 0},
                          {Right, WM_MOUSEMOVE, 0, MAKELPARAM(5, 10)},
                          {Right, WM_MOUSELEAVE, 0, 0},
                      }));
    EXPECT_EQ(GetHoverWindow(), nullptr);
}

TEST_F(InputTest, CaptureTakesEveryMouseMessageUntilReleasedOnButtonUp) {
    Handlers[Left] = [](HWND h, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_LBUTTONDOWN)
            SetCapture(h);
        if (m == WM_LBUTTONUP)
            ReleaseCapture();
        return 0;
    };
    Watched = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED};
    Desk->MouseDown({120, 120});
    EXPECT_EQ(GetCapture(), Left);
    Desk->MouseMove({205, 120}); // over Right, but captured
    Desk->MouseUp({205, 120});
    EXPECT_EQ(GetCapture(), nullptr);
    Desk->MouseMove({206, 120});
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{
                          {Left, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)},
                          {Left, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(95, 10)},
                          {Left, WM_LBUTTONUP, 0, MAKELPARAM(95, 10)},
                          {Left, WM_CAPTURECHANGED, 0, 0},
                          {Right, WM_MOUSEMOVE, 0, MAKELPARAM(6, 10)},
                      }));
    // Taking the capture away tells the old owner who has it now.
    SetCapture(Left);
    SetCapture(Right);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{
                          {Left, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Right)}}));
}

TEST_F(InputTest, DoubleClicksDependOnTimeDistanceAndClassStyle) {
    HWND plain = Child(Top, Bounds(160, 70, 30, 20), WS_CHILD | WS_VISIBLE, "Plain");
    struct TCase {
        const char* Name;
        TPoint First, Second;
        std::uint64_t Gap;
        UINT Expected;
    };
    Watched = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    for (const TCase& c : std::vector<TCase>{
             {"quick and close", {120, 120}, {121, 121}, 100, WM_LBUTTONDBLCLK},
             {"at the time limit", {120, 120}, {120, 120}, 500, WM_LBUTTONDBLCLK},
             {"too slow", {120, 120}, {120, 120}, 501, WM_LBUTTONDOWN},
             {"too far", {120, 120}, {123, 120}, 100, WM_LBUTTONDOWN},
             {"other window", {120, 120}, {205, 120}, 100, WM_LBUTTONDOWN},
             {"class without double clicks", {270, 180}, {270, 180}, 100, WM_LBUTTONDOWN},
         }) {
        Desk->AdvanceTime(1000);
        Desk->Click(c.First);
        Desk->AdvanceTime(c.Gap);
        Take();
        Desk->Click(c.Second);
        auto msgs = TakeMessages();
        ASSERT_EQ(msgs.size(), 1u) << c.Name;
        EXPECT_EQ(msgs[0], c.Expected) << c.Name;
    }
    (void)plain;
    // A third quick click starts over.
    Desk->AdvanceTime(1000);
    Desk->Click({120, 120});
    Desk->Click({120, 120});
    Desk->Click({120, 120});
    EXPECT_EQ(TakeMessages(),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(InputTest, FocusMessagesCarryTheOtherWindowInOrder) {
    Watched = {WM_SETFOCUS, WM_KILLFOCUS};
    SetFocus(Left);
    Take();
    EXPECT_EQ(SetFocus(Right), Left);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{{Left, WM_KILLFOCUS, WPARAM(Right), 0},
                                              {Right, WM_SETFOCUS, WPARAM(Left), 0}}));
    EXPECT_EQ(GetFocus(), Right);
    // Keys go to the focused window.
    Watched = {WM_KEYDOWN, WM_KEYUP};
    Desk->PressKey(VK_SPACE);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{{Right, WM_KEYDOWN, VK_SPACE, 1},
                                              {Right, WM_KEYUP, VK_SPACE, LPARAM(0xC0000001u)}}));
    // A disabled window takes no focus.
    EnableWindow(Left, false);
    EXPECT_EQ(SetFocus(Left), nullptr);
    EXPECT_EQ(GetFocus(), Right);
}

TEST_F(InputTest, DestroyingTheWindowWithFocusCaptureAndPointerLeavesNoReference) {
    Desk->MouseMove({120, 120});
    SetFocus(Left);
    SetCapture(Left);
    ASSERT_EQ(GetHoverWindow(), Left);
    Watched = {WM_SETFOCUS, WM_CAPTURECHANGED, WM_MOUSEENTER};
    DestroyWindow(Left);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetHoverWindow(), nullptr);
    EXPECT_EQ(GetFocus(), Top); // the focus falls back to the parent
    Desk->MouseMove({121, 121});
    Desk->PressKey('A');
    EXPECT_EQ(GetHoverWindow(), Top);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{{Left, WM_CAPTURECHANGED, 0, 0},
                                              {Top, WM_SETFOCUS, 0, 0},
                                              {Top, WM_MOUSEENTER, 0, 0}}));
}

TEST_F(InputTest, ActivationFollowsClicksBetweenTopLevelWindows) {
    HWND second = TopLevel(Bounds(400, 100, 100, 100));
    Desk->Pump();
    EXPECT_EQ(GetActiveWindow(), second);
    Watched = {WM_ACTIVATE};
    Desk->Click({110, 110});
    EXPECT_EQ(GetActiveWindow(), Top);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{
                          {second, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(Top)},
                          {Top, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(second)}}));
    EXPECT_EQ(GetTopLevelWindows().front(), Top);
    EXPECT_EQ(Desk->FocusedSurface(), Top);
}

TEST_F(InputTest, TypedTextArrivesAsGbkBytesAndControlKeysAsCharacters) {
    SetFocus(Left);
    Watched = {WM_CHAR};
    Desk->Type("a\xE5\xAE\xA0"); // "a" and U+5BA0 (GBK B3 E8)
    Desk->PressKey(VK_RETURN);
    Desk->PressKey('A', ssCtrl);
    // Ctrl with Alt is AltGr on many keyboards: no control character (Ctrl+Alt+H is no
    // Backspace, Ctrl+Alt+V no paste).
    Desk->PressKey('H', ssCtrl | ssAlt);
    Desk->PressKey('V', ssCtrl | ssAlt);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{{Left, WM_CHAR, 'a', 1},
                                              {Left, WM_CHAR, 0xB3, 1},
                                              {Left, WM_CHAR, 0xE8, 1},
                                              {Left, WM_CHAR, 13, 1},
                                              {Left, WM_CHAR, 1, 1}}));
}

TEST_F(InputTest, AltChordsBecomeQueuedSysCharsAndTheirTextIsNotTyped) {
    SetFocus(Left);
    struct TCase {
        int Vk;
        unsigned Mods;
        const char* Text; // what the desktop sends for the chord, as it does on X11
        std::vector<std::pair<UINT, WPARAM>> Expected;
    };
    for (const TCase& c :
         std::vector<TCase>{{'X', ssAlt, "x", {{WM_SYSKEYDOWN, 'X'}, {WM_SYSCHAR, 'x'}}},
                            {'X', ssAlt | ssShift, "X", {{WM_SYSKEYDOWN, 'X'}, {WM_SYSCHAR, 'X'}}},
                            {'7', ssAlt, "7", {{WM_SYSKEYDOWN, '7'}, {WM_SYSCHAR, '7'}}},
                            {VK_SPACE, ssAlt, " ", {{WM_SYSKEYDOWN, VK_SPACE}, {WM_SYSCHAR, ' '}}},
                            // No character for other keys, nothing typed either.
                            {VK_OEM_2, ssAlt, "/", {{WM_SYSKEYDOWN, VK_OEM_2}}},
                            // Ctrl+Alt is AltGr: a plain key whose text is typed.
                            {'Q', ssAlt | ssCtrl, "@", {{WM_KEYDOWN, 'Q'}, {WM_CHAR, '@'}}},
                            {'X', 0, "x", {{WM_KEYDOWN, 'X'}, {WM_CHAR, 'x'}}}}) {
        // Key and text arrive together, as one batch of desktop events.
        if (c.Mods & ssAlt)
            InputKey(VK_MENU, true, c.Mods);
        InputKey(c.Vk, true, c.Mods);
        InputText(c.Text);
        InputKey(c.Vk, false, c.Mods);
        Watched = {WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_SYSCHAR};
        Desk->Pump();
        std::vector<std::pair<UINT, WPARAM>> got;
        for (const TLogEntry& e : Take()) {
            bool altItself = e.Msg != WM_SYSCHAR && e.WParam == WPARAM(VK_MENU);
            if (!altItself)
                got.emplace_back(e.Msg, e.WParam);
            EXPECT_EQ(e.Wnd, Left);
        }
        EXPECT_EQ(got, c.Expected) << "key " << c.Vk << " mods " << c.Mods;
        Desk->KeyUp(VK_MENU, 0);
    }
}

TEST_F(InputTest, KeyStateFollowsTheMessageBeingHandled) {
    SetFocus(Left);
    std::vector<short> shiftSeen;
    Handlers[Left] = [&](HWND, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_KEYDOWN || m == WM_KEYUP)
            shiftSeen.push_back(short(GetKeyState(VK_SHIFT) < 0));
        return 0;
    };
    // Both queued before either is handled: each handler sees its own moment.
    InputKey('X', true, ssShift);
    InputKey('X', false, 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0); // already up for the desktop
    Desk->Pump();
    EXPECT_EQ(shiftSeen, (std::vector<short>{1, 0}));
}

TEST_F(InputTest, DraggingTheCaptionMovesTheWindowUntilRelease) {
    HWND framed =
        TopLevel(Bounds(300, 300, 150, 100), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    Desk->Pump();
    Desk->Drag({340, 310}, {390, 280});
    TRect r;
    GetWindowRect(framed, &r);
    EXPECT_EQ(r, Bounds(350, 270, 150, 100));
    EXPECT_EQ(Desk->Surface(framed)->Bounds, r);
    Desk->MouseMove({450, 450}); // released: no longer follows
    GetWindowRect(framed, &r);
    EXPECT_EQ(r.TopLeft(), TPoint(350, 270));
}

TEST_F(InputTest, ASentCaptionPressStartsAMoveTheWayASkinnedTitleBarDoesIt) {
    // A frameless window answering its own title bar from the client area.
    Handlers[Left] = [](HWND h, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m == WM_LBUTTONDOWN) {
            handled = true;
            SetCapture(h);
            ReleaseCapture();
            SendMessage(GetAncestorRoot(h), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
        return 0;
    };
    Watched = {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE};
    Desk->Drag({120, 120}, {140, 150}, 2);
    TRect r;
    GetWindowRect(Top, &r);
    EXPECT_EQ(r.TopLeft(), TPoint(120, 130));
    EXPECT_EQ(TakeMessages(), (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
}

TEST_F(InputTest, SizingEdgesAnswerTheirHitCodesAndRespectTheMinimumSize) {
    HWND sizable = TopLevel(Bounds(300, 300, 150, 100), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Handlers[sizable] = [](HWND, UINT m, WPARAM, LPARAM l, bool& handled) -> LRESULT {
        if (m == WM_GETMINMAXINFO) {
            handled = true;
            reinterpret_cast<TMinMaxInfo*>(l)->ptMinTrackSize = {120, 80};
        }
        return 0;
    };
    struct TCase {
        TPoint P;
        int Hit;
    };
    for (const TCase& c : std::vector<TCase>{{{301, 350}, HTLEFT},
                                             {{448, 350}, HTRIGHT},
                                             {{370, 301}, HTTOP},
                                             {{370, 398}, HTBOTTOM},
                                             {{301, 301}, HTTOPLEFT},
                                             {{448, 301}, HTTOPRIGHT},
                                             {{301, 398}, HTBOTTOMLEFT},
                                             {{448, 398}, HTBOTTOMRIGHT},
                                             {{370, 310}, HTCAPTION},
                                             {{370, 360}, HTCLIENT}}) {
        EXPECT_EQ(SendMessage(sizable, WM_NCHITTEST, 0, PointToLParam(c.P)), c.Hit)
            << c.P.X << "," << c.P.Y;
    }
    Desk->Drag({448, 398}, {478, 418});
    TRect r;
    GetWindowRect(sizable, &r);
    EXPECT_EQ(r, Bounds(300, 300, 180, 120));
    Desk->Drag({301, 350}, {400, 350}); // would make it 81 wide: stops at 120, right edge stays
    GetWindowRect(sizable, &r);
    EXPECT_EQ(r, Rect(360, 300, 480, 420));
}

namespace {
// The hit test of a frameless window that is its own resize border: 5-pixel zones at the
// edges and corners, a caption strip below the top zone.
LRESULT OwnEdges(HWND h, LPARAM l) {
    TPoint p = PointFromLParam(l);
    ScreenToClient(h, &p);
    TRect c;
    GetClientRect(h, &c);
    bool left = p.X < 5, right = p.X >= c.Right - 5, top = p.Y < 5, bottom = p.Y >= c.Bottom - 5;
    if (top && left)
        return HTTOPLEFT;
    if (top && right)
        return HTTOPRIGHT;
    if (bottom && right)
        return HTBOTTOMRIGHT;
    if (bottom && left)
        return HTBOTTOMLEFT;
    if (left)
        return HTLEFT;
    if (top)
        return HTTOP;
    if (right)
        return HTRIGHT;
    if (bottom)
        return HTBOTTOM;
    return p.Y < 20 ? HTCAPTION : HTCLIENT;
}
} // namespace

TEST_F(InputTest, AFramelessWindowIsResizedByTheEdgesItsOwnHitTestAnswers) {
    // At (300,300) 200x100, at least 120x80, at most 260x150.
    HWND w = TopLevel(Bounds(300, 300, 200, 100));
    Handlers[w] = [](HWND h, UINT m, WPARAM, LPARAM l, bool& handled) -> LRESULT {
        if (m == WM_NCHITTEST) {
            handled = true;
            return OwnEdges(h, l);
        }
        if (m == WM_GETMINMAXINFO) {
            auto* mm = reinterpret_cast<TMinMaxInfo*>(l);
            mm->ptMinTrackSize = {120, 80};
            mm->ptMaxTrackSize = {260, 150};
            handled = true;
        }
        return 0;
    };
    Desk->Pump();
    ASSERT_EQ(GetWindowLongPtr(w, GWL_STYLE) & (WS_THICKFRAME | WS_CAPTION), 0);
    struct TCase {
        TPoint From; // a point of the zone
        TPoint By;   // how far the pointer goes
        TRect Expected;
        TCursorShape Cursor;
    };
    for (const TCase& c : std::vector<TCase>{
             {{302, 350}, {-30, 7}, Rect(270, 300, 500, 400), TCursorShape::SizeWE},
             {{497, 350}, {25, -9}, Rect(300, 300, 525, 400), TCursorShape::SizeWE},
             {{400, 302}, {3, -20}, Rect(300, 280, 500, 400), TCursorShape::SizeNS},
             {{400, 397}, {3, 20}, Rect(300, 300, 500, 420), TCursorShape::SizeNS},
             {{302, 302}, {10, 10}, Rect(310, 310, 500, 400), TCursorShape::SizeNWSE},
             {{497, 397}, {-10, -10}, Rect(300, 300, 490, 390), TCursorShape::SizeNWSE},
             {{497, 302}, {10, 10}, Rect(300, 310, 510, 400), TCursorShape::SizeNESW},
             {{302, 397}, {10, 10}, Rect(310, 300, 500, 410), TCursorShape::SizeNESW},
             // Below the minimum the far edge stays put; above the maximum too.
             {{302, 350}, {150, 0}, Rect(380, 300, 500, 400), TCursorShape::SizeWE},
             {{400, 302}, {0, 60}, Rect(300, 320, 500, 400), TCursorShape::SizeNS},
             {{302, 302}, {-200, -200}, Rect(240, 250, 500, 400), TCursorShape::SizeNWSE},
             {{497, 397}, {300, 300}, Rect(300, 300, 560, 450), TCursorShape::SizeNWSE},
             // The caption strip moves it.
             {{400, 312}, {-50, 40}, Rect(250, 340, 450, 440), TCursorShape::Arrow}}) {
        SetWindowPos(w, nullptr, 300, 300, 200, 100, SWP_NOZORDER);
        Desk->MouseMove(c.From);
        EXPECT_EQ(Desk->Cursor(), c.Cursor) << c.From.X << "," << c.From.Y;
        Desk->Drag(c.From, c.From + c.By);
        TRect r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r, c.Expected) << "from " << c.From.X << "," << c.From.Y;
        EXPECT_EQ(Desk->Surface(w)->Bounds, r);
        Desk->MouseMove({900, 700});
    }
    // A maximized window keeps its size and place.
    ShowWindow(w, SW_MAXIMIZE);
    Desk->Pump();
    TRect before;
    GetWindowRect(w, &before);
    Desk->Drag({before.Left + 2, before.Top + 50}, {before.Left + 40, before.Top + 50});
    Desk->Drag({before.Left + 50, before.Top + 12}, {before.Left + 90, before.Top + 60});
    TRect after;
    GetWindowRect(w, &after);
    EXPECT_EQ(after, before);
}

TEST_F(InputTest, CloseButtonSendsCloseOnlyWhenReleasedOverIt) {
    HWND framed =
        TopLevel(Bounds(300, 300, 150, 100), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    Desk->Pump();
    TRect r;
    GetWindowRect(framed, &r);
    TPoint close(r.Right - 10, r.Top + 10);
    Desk->Drag(close, {r.Left + 20, r.Top + 10}); // pressed, then slid away
    EXPECT_TRUE(IsWindow(framed));
    Watched = {WM_SYSCOMMAND};
    Desk->Click(close);
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_SYSCOMMAND});
    EXPECT_FALSE(IsWindow(framed));
}

TEST_F(InputTest, TheWindowUnderThePointerChoosesTheCursor) {
    Handlers[Right] = [](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m == WM_SETCURSOR) {
            handled = true;
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return 1;
        }
        return 0;
    };
    TWndClass wc;
    wc.lpszClassName = "Edit-like";
    wc.lpfnWndProc = &TWindowTest::Proc;
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    RegisterClass(wc);
    Child(Top, Bounds(160, 70, 30, 20), WS_CHILD | WS_VISIBLE, "Edit-like");
    Desk->MouseMove({205, 120});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Hand);
    Desk->MouseMove({270, 175});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::IBeam);
    Desk->MouseMove({105, 105});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Arrow);
    Desk->MouseMove({205, 120});
    ASSERT_EQ(Desk->Cursor(), TCursorShape::Hand);
    EnableWindow(Right, false);
    Desk->MouseMove({206, 120});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Arrow); // a disabled window shows no hand
}

TEST_F(InputTest, MessageBeepIsCountedAndDesktopServicesStayInside) {
    MessageBeep(MB_OK);
    MessageBeep(MB_ICONHAND);
    EXPECT_EQ(Desk->BeepCount(), 2);
    SetClipboardTextGbk("\xB3\xE8");
    EXPECT_EQ(Desk->GetClipboardText(), "\xE5\xAE\xA0");
    EXPECT_EQ(GetClipboardTextGbk(), "\xB3\xE8");
    OpenUrl("http://example.invalid/zone");
    EXPECT_EQ(Desk->OpenedUrls(), std::vector<std::string>{"http://example.invalid/zone"});
}
} // namespace

// A window manager (or the user's tool) moves a window: the window follows without asking the
// desktop to move it again, and clicks made afterwards land by the new position. A window that
// keeps to its own places puts its surface back there.
TEST_F(InputTest, AWindowFollowsAMoveTheDesktopMadeItself) {
    HWND top = TopLevel(TRect(100, 100, 300, 200));
    HWND child = Child(top, TRect(10, 10, 60, 30));
    ProcessPendingMessages();
    const int requests = Desk->Surface(top)->MoveRequests;
    Watched = {WM_MOVE, WM_LBUTTONDOWN};

    Desk->MoveByDesktop(top, {400, 300});
    TRect r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, TRect(400, 300, 600, 400));
    EXPECT_EQ(Desk->Surface(top)->MoveRequests, requests);
    Desk->Click({415, 315});
    EXPECT_EQ(Take(),
              (std::vector<TLogEntry>{{top, WM_MOVE, 0, MAKELPARAM(400, 300)},
                                      {child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)}}));

    // The same place again changes nothing.
    Desk->MoveByDesktop(top, {400, 300});
    EXPECT_TRUE(Take().empty());

    Handlers[top] = [](HWND, UINT m, WPARAM, LPARAM l, bool&) -> LRESULT {
        if (m == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<TWindowPos*>(l);
            pos->x = std::max(pos->x, 0);
        }
        return 0;
    };
    Desk->MoveByDesktop(top, {-50, 300});
    GetWindowRect(top, &r);
    EXPECT_EQ(r.TopLeft(), TPoint(0, 300));
    EXPECT_EQ(Desk->Surface(top)->Bounds.TopLeft(), TPoint(0, 300));
    EXPECT_EQ(Desk->Surface(top)->MoveRequests, requests + 1);
}
