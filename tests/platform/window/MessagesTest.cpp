#include "WindowTestFixture.h"

#include "platform/core/Color.h"

#include <cstring>

namespace {
class MessagesTest : public TWindowTest {};

TEST_F(MessagesTest, CreationSendsItsMessagesInOrderAndMinusOneFromCreateFails) {
    Watched = {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE};
    HWND top = TopLevel(Bounds(10, 20, 100, 50), WS_POPUP);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(TakeMessages(),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));

    TWndClass wc;
    wc.lpszClassName = "Refuses";
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        return m == WM_CREATE ? -1 : DefWindowProc(h, m, w, l);
    };
    ASSERT_TRUE(RegisterClass(wc));
    EXPECT_EQ(CreateWindowEx(0, "Refuses", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr),
              nullptr);
    EXPECT_EQ(GetTopLevelWindows(), std::vector<HWND>{top});
}

TEST_F(MessagesTest, MessagesToADestroyedWindowAreIgnored) {
    HWND top = TopLevel(Bounds(0, 0, 50, 50));
    Watched = {WM_USER};
    ASSERT_TRUE(PostMessage(top, WM_USER, 1, 0));
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_EQ(SendMessage(top, WM_USER, 2, 0), 0);
    EXPECT_FALSE(PostMessage(top, WM_USER, 3, 0));
    EXPECT_FALSE(DestroyWindow(top));
    Desk->Pump();
    EXPECT_TRUE(Log.empty());
    // A new window never gets the old handle.
    HWND again = TopLevel(Bounds(0, 0, 50, 50));
    EXPECT_NE(again, top);
}

TEST_F(MessagesTest, PostedMessagesKeepTheirOrder) {
    HWND a = TopLevel(Bounds(0, 0, 50, 50));
    HWND b = TopLevel(Bounds(60, 0, 50, 50));
    Desk->Pump();
    Watched = {WM_USER, WM_APP, 0x807F, 0x8080, 0xB014};
    const std::vector<TLogEntry> posted = {{a, WM_USER, 1, 0},
                                           {b, 0x807F, 2, 0},
                                           {a, 0x8080, 3, 0},
                                           {b, 0xB014, 4, 0},
                                           {a, WM_APP, 5, 6}};
    for (const auto& p : posted)
        PostMessage(p.Wnd, p.Msg, p.WParam, p.LParam);
    Desk->Pump();
    EXPECT_EQ(Take(), posted);
}

TEST_F(MessagesTest, SendMessageIsSynchronousAndReentrant) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    std::vector<int> depths;
    Handlers[w] = [&](HWND h, UINT m, WPARAM wp, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_USER)
            return 0;
        handled = true;
        depths.push_back(GetDispatchDepth());
        if (wp < 3)
            return 1 + SendMessage(h, WM_USER, wp + 1, 0);
        return 1;
    };
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 4);
    EXPECT_EQ(depths, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(GetDispatchDepth(), 0);
}

TEST_F(MessagesTest, AHandlerThatDestroysItsOwnWindowReturnsSafely) {
    HWND top = TopLevel(Bounds(0, 0, 100, 100));
    HWND child = Child(top, Bounds(10, 10, 20, 20));
    bool after = false;
    Handlers[child] = [&](HWND h, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_USER)
            return 0;
        handled = true;
        DestroyWindow(GetParent(h)); // takes this window with it
        after = !IsWindow(h);
        // The window is gone but still safe to talk to.
        SetWindowText(h, "x");
        InvalidateRect(h, nullptr, true);
        return 7;
    };
    PostMessage(child, WM_USER, 0, 0);
    PostMessage(child, WM_USER, 0, 0);
    Desk->Pump();
    EXPECT_TRUE(after);
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(MessagesTest, DestroyTellsParentsBeforeChildrenAndFreesChildrenFirst) {
    HWND top = TopLevel(Bounds(0, 0, 100, 100));
    HWND child = Child(top, Bounds(0, 0, 50, 50));
    HWND grand = Child(child, Bounds(0, 0, 10, 10));
    Watched = {WM_DESTROY, WM_NCDESTROY};
    DestroyWindow(top);
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{{top, WM_DESTROY, 0, 0},
                                              {child, WM_DESTROY, 0, 0},
                                              {grand, WM_DESTROY, 0, 0},
                                              {grand, WM_NCDESTROY, 0, 0},
                                              {child, WM_NCDESTROY, 0, 0},
                                              {top, WM_NCDESTROY, 0, 0}}));
    EXPECT_FALSE(IsWindow(grand));
}

TEST_F(MessagesTest, ReplacedProcedureCanCallThePreviousOne) {
    static WNDPROC previous = nullptr;
    static std::vector<UINT> seen;
    seen.clear();
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    WNDPROC sub = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        seen.push_back(m);
        if (m == WM_USER + 1)
            return 99; // eaten here
        return CallWindowProc(previous, h, m, wp, lp);
    };
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(sub)));
    EXPECT_EQ(previous, &TWindowTest::Proc);
    Watched = {WM_USER, WM_USER + 1};
    EXPECT_EQ(SendMessage(w, WM_USER + 1, 0, 0), 99);
    SendMessage(w, WM_USER, 0, 0);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 1, WM_USER}));
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_USER}); // only the passed-on one reached the old
}

TEST_F(MessagesTest, TheHookSeesQueuedMessagesAndCanMarkThemHandled) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    Watched = {WM_KEYDOWN, WM_USER};
    std::vector<UINT> hooked;
    int id = AddMessageHook([&](TMsg& m, bool& handled) {
        hooked.push_back(m.message);
        handled = m.message == WM_KEYDOWN && m.wParam == 'M';
    });
    SetFocus(w);
    Desk->KeyDown('M');
    Desk->KeyDown('N');
    PostMessage(w, WM_USER, 0, 0);
    Desk->Pump();
    SendMessage(w, WM_USER, 1, 0); // sent messages bypass the hook
    EXPECT_EQ(hooked, (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_USER}));
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{
                          {w, WM_KEYDOWN, 'N', 1}, {w, WM_USER, 0, 0}, {w, WM_USER, 1, 0}}));
    RemoveMessageHook(id);
    Desk->KeyDown('M');
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_KEYDOWN});
}

TEST_F(MessagesTest, ClearingTheCaptionBitsRemovesTheFrame) {
    HWND w =
        TopLevel(Bounds(100, 100, 200, 150), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    TRect c;
    GetClientRect(w, &c);
    EXPECT_EQ(c, TRect(0, 0, 200 - 6, 150 - 6 - 18));
    TPoint origin;
    ClientToScreen(w, &origin);
    EXPECT_EQ(origin, TPoint(103, 121));
    auto style = std::uint32_t(GetWindowLongPtr(w, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    Watched = {WM_SIZE};
    SetWindowLongPtr(w, GWL_STYLE, LONG_PTR(style & ~WS_CAPTION));
    GetClientRect(w, &c);
    EXPECT_EQ(c, TRect(0, 0, 200, 150));
    EXPECT_EQ(Take(), (std::vector<TLogEntry>{{w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 150)}}));
    EXPECT_TRUE(GetWindowLongPtr(w, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(MessagesTest, WindowTextIsCopiedWithoutSplittingADoubleByteCharacter) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    const std::string text = "ab\xB3\xE8\xCE\xEF"; // "ab" + two double-byte characters
    ASSERT_TRUE(SetWindowText(w, text));
    EXPECT_EQ(GetWindowText(w), text);
    EXPECT_EQ(GetWindowTextLength(w), 6);
    struct TCase {
        WPARAM Size;
        LRESULT Copied;
        std::string Text;
    };
    for (const TCase& c : std::vector<TCase>{{0, 0, ""},
                                             {1, 0, ""},
                                             {3, 2, "ab"},
                                             {4, 2, "ab"},
                                             {5, 4, "ab\xB3\xE8"},
                                             {7, 6, text},
                                             {50, 6, text}}) {
        char buf[64];
        std::memset(buf, 'Z', sizeof buf);
        LRESULT n = SendMessage(w, WM_GETTEXT, c.Size, reinterpret_cast<LPARAM>(buf));
        EXPECT_EQ(n, c.Copied) << c.Size;
        if (c.Size > 0)
            EXPECT_EQ(std::string(buf), c.Text) << c.Size;
        else
            EXPECT_EQ(buf[0], 'Z');
    }
}

TEST_F(MessagesTest, ColourChangesReachTopLevelAndHiddenUtilityWindows) {
    HWND shown = TopLevel(Bounds(0, 0, 50, 50));
    HWND child = Child(shown, Bounds(0, 0, 10, 10));
    HWND utility = TopLevel(Bounds(0, 0, 0, 0), WS_POPUP);
    Watched = {WM_SYSCOLORCHANGE};
    const int index = COLOR_BTNFACE;
    const TColor value = RGB(1, 2, 3);
    TColor before = GetSysColor(COLOR_BTNFACE);
    ASSERT_TRUE(SetSysColors(1, &index, &value));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), value);
    auto log = Take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE((log[0].Wnd == shown && log[1].Wnd == utility) ||
                (log[0].Wnd == utility && log[1].Wnd == shown));
    (void)child;
    const int bad = 99;
    EXPECT_FALSE(SetSysColors(1, &bad, &value));
    TColorScheme::Current().Set(COLOR_BTNFACE, before);
}

TEST_F(MessagesTest, ScrollBarMetricsAreSeventeenPixels) {
    for (int index :
         {SM_CXVSCROLL, SM_CYHSCROLL, SM_CYVSCROLL, SM_CXHSCROLL, SM_CYVTHUMB, SM_CXHTHUMB})
        EXPECT_EQ(GetSystemMetrics(index), 17) << index;
}

TEST_F(MessagesTest, AltF4ClosesTheWindowThroughTheSystemCommand) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    HWND child = Child(w, Bounds(0, 0, 20, 20));
    SetFocus(child);
    Watched = {WM_SYSCOMMAND, WM_CLOSE};
    Desk->KeyDown(VK_F4, ssAlt);
    EXPECT_EQ(Take(),
              (std::vector<TLogEntry>{{w, WM_SYSCOMMAND, SC_CLOSE, 0}, {w, WM_CLOSE, 0, 0}}));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessagesTest, QuitEndsGetMessageWithItsCode) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    PostMessage(w, WM_USER, 0, 0);
    PostQuitMessage(3);
    TMsg m;
    EXPECT_TRUE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_USER);
    // Paint comes before the quit only while windows need it; the quit ends the loop.
    while (GetMessage(&m, nullptr, 0, 0))
        DispatchMessage(&m);
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 3u);
}
} // namespace

namespace {
class LoopTest : public TWindowTest {};

TEST_F(LoopTest, AnExceptionFromAHandlerGoesToTheLoopHandlerAndTheLoopGoesOn) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    Handlers[w] = [](HWND, UINT m, WPARAM wp, LPARAM, bool&) -> LRESULT {
        if (m == WM_USER && wp == 1)
            throw std::runtime_error("boom");
        return 0;
    };
    std::vector<std::string> shown;
    SetLoopExceptionHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            shown.push_back(x.what());
        }
    });
    Watched = {WM_USER};
    PostMessage(w, WM_USER, 1, 0);
    PostMessage(w, WM_USER, 2, 0);
    Desk->Pump();
    EXPECT_EQ(shown, std::vector<std::string>{"boom"});
    EXPECT_EQ(Log.size(), 2u);
    EXPECT_EQ(GetDispatchDepth(), 0);
}

TEST_F(LoopTest, ZOrderAndReparenting) {
    HWND top = TopLevel(Bounds(0, 0, 100, 100));
    HWND a = Child(top, Bounds(0, 0, 10, 10));
    HWND b = Child(top, Bounds(0, 0, 10, 10));
    EXPECT_EQ(GetWindow(top, GW_CHILD), b); // the newest is on top
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(WindowFromPoint({5, 5}), b);
    BringWindowToTop(a);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{a, b}));
    EXPECT_EQ(WindowFromPoint({5, 5}), a);
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint({5, 5}), b);

    HWND other = TopLevel(Bounds(200, 0, 100, 100));
    EXPECT_EQ(SetParent(b, other), top);
    EXPECT_EQ(GetParent(b), other);
    EXPECT_EQ(WindowFromPoint({205, 5}), b);
    EXPECT_EQ(WindowFromPoint({5, 5}), a);
    EXPECT_EQ(SetParent(other, b), nullptr); // a window cannot go inside its own child
    EXPECT_TRUE(IsChild(other, b));
}
} // namespace
