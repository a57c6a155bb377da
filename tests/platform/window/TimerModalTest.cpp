#include "WindowTestFixture.h"

namespace {
class TimerModalTest : public TWindowTest {};

TEST_F(TimerModalTest, TimersFireOnlyFromTheLoopInOrderOfDueTime) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    Watched = {WM_TIMER};
    SetTimer(w, 1, 300, nullptr);
    SetTimer(w, 2, 100, nullptr);
    SetTimer(w, 3, 200, nullptr);
    std::vector<std::uintptr_t> fired;
    SetTimer(150, [&](std::uintptr_t id) { fired.push_back(id); });
    Desk->AdvanceTime(99);
    EXPECT_TRUE(Log.empty());
    // All due at once: delivered by due time, not by creation.
    Desk->AdvanceTime(1000);
    auto ids = Take();
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids[0].WParam, 2u);
    EXPECT_EQ(ids[1].WParam, 3u);
    EXPECT_EQ(ids[2].WParam, 1u);
    EXPECT_EQ(fired.size(), 1u);
    // Time passing without a loop delivers nothing.
    KillTimer(w, 1);
    KillTimer(w, 3);
    SendMessage(w, WM_USER, 0, 0);
    EXPECT_TRUE(Log.empty());
    Desk->AdvanceTime(100);
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_TIMER});
}

TEST_F(TimerModalTest, ATimerOfADestroyedOrKilledOwnerNeverFires) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    HWND other = TopLevel(Bounds(0, 0, 50, 50));
    Watched = {WM_TIMER};
    SetTimer(w, 7, 10, nullptr);
    SetTimer(other, 8, 10, nullptr);
    Desk->AdvanceTime(5);
    DestroyWindow(w);
    KillTimer(other, 8);
    Desk->AdvanceTime(100);
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(SetTimer(w, 1, 10, nullptr), 0u);
}

TEST_F(TimerModalTest, ATimerIsNeverReenteredByANestedLoop) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    int depth = 0, maxDepth = 0, ticks = 0;
    Handlers[w] = [&](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_TIMER)
            return 0;
        handled = true;
        ++ticks;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (ticks == 1)
            Desk->AdvanceTime(50); // a nested loop while the tick runs
        --depth;
        return 0;
    };
    SetTimer(w, 1, 10, nullptr);
    Desk->AdvanceTime(10);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(ticks, 2); // due again during the nested loop, delivered once it returned
}

TEST_F(TimerModalTest, ModalLoopDisablesOthersAndGivesTheFocusBack) {
    HWND main = TopLevel(Bounds(0, 0, 200, 200));
    HWND edit = Child(main, Bounds(10, 10, 50, 20));
    HWND utility = TopLevel(Bounds(0, 0, 0, 0), WS_POPUP); // hidden: left alone
    SetFocus(edit);
    HWND dialog = TopLevel(Bounds(300, 300, 100, 80), WS_POPUP, "Test", main);
    HWND ok = Child(dialog, Bounds(10, 10, 30, 20));
    bool mainDisabledInside = false;
    int step = 0;
    Desk->SetIdleHandler([&]() {
        switch (step++) {
        case 0:
            mainDisabledInside = !IsWindowEnabled(main) && IsWindowEnabled(dialog);
            EXPECT_EQ(GetActiveWindow(), dialog);
            Desk->Click({120, 120}); // on the disabled main window: beeps only
            Desk->Click({315, 315}); // on the dialog's button
            return true;
        default:
            return false;
        }
    });
    Watched = {WM_LBUTTONDOWN};
    Handlers[ok] = [&](HWND, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_LBUTTONUP)
            EndModalLoop(dialog, 42);
        return 0;
    };
    EXPECT_EQ(RunModalLoop(dialog), 42);
    EXPECT_TRUE(mainDisabledInside);
    EXPECT_EQ(TakeMessages(), std::vector<UINT>{WM_LBUTTONDOWN}); // the button's only
    EXPECT_EQ(Desk->BeepCount(), 1);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(IsWindowEnabled(utility));
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_FALSE(IsInModalLoop(dialog));
}

TEST_F(TimerModalTest, DisablingAWindowCancelsTheModeOfTheWindowHoldingCaptureOrFocus) {
    HWND main = TopLevel(Bounds(0, 0, 200, 200));
    HWND panel = Child(main, Bounds(0, 0, 200, 100));
    HWND bar = Child(panel, Bounds(10, 10, 100, 17));   // tracks the mouse: holds the capture
    HWND field = Child(main, Bounds(10, 150, 100, 20)); // holds the focus
    HWND other = TopLevel(Bounds(300, 0, 100, 100));
    Desk->Pump();
    struct TCase {
        HWND Disabled;
        bool Captured;
        std::vector<TLogEntry> Expected;
    };
    for (const TCase& c : std::vector<TCase>{
             // The capture holder first: it is the one in the middle of something.
             {main, true, {{bar, WM_CANCELMODE, 0, 0}, {bar, WM_CAPTURECHANGED, 0, 0}}},
             {panel, true, {{bar, WM_CANCELMODE, 0, 0}, {bar, WM_CAPTURECHANGED, 0, 0}}},
             {bar, true, {{bar, WM_CANCELMODE, 0, 0}, {bar, WM_CAPTURECHANGED, 0, 0}}},
             // Without a capture inside, the focus holder.
             {main, false, {{field, WM_CANCELMODE, 0, 0}}},
             // Nothing of either inside: nobody is told.
             {other, true, {}},
             {panel, false, {}}}) {
        SetFocus(field);
        if (c.Captured)
            SetCapture(bar);
        Watched = {WM_CANCELMODE, WM_CAPTURECHANGED};
        EnableWindow(c.Disabled, false);
        EXPECT_EQ(Take(), c.Expected) << "disabled " << c.Disabled << " captured " << c.Captured;
        EXPECT_EQ(GetCapture(), c.Captured && c.Disabled == other ? bar : nullptr);
        Watched.clear();
        EnableWindow(c.Disabled, true);
        ReleaseCapture();
    }
}

TEST_F(TimerModalTest, AModalLoopCancelsTheModeOfTheCaptureHolderAndAnyWindowMove) {
    HWND main = TopLevel(Bounds(0, 0, 200, 200), WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE);
    HWND button = Child(main, Bounds(10, 10, 50, 20));
    HWND dialog = TopLevel(Bounds(300, 300, 100, 80), WS_POPUP, "Test", main);
    Desk->Pump();
    Handlers[button] = [](HWND h, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_LBUTTONDOWN)
            SetCapture(h);
        return 0;
    };
    std::vector<UINT> seenInside;
    Desk->SetIdleHandler([&]() {
        if (!IsInModalLoop(dialog))
            return false;
        seenInside = TakeMessages();
        EndModalLoop(dialog, 1);
        return true;
    });
    // The modal window opens while the button holds the capture with the mouse still down.
    TRect r;
    GetClientRect(button, &r);
    TPoint p{5, 5};
    ClientToScreen(button, &p);
    Desk->MouseDown(p);
    ASSERT_EQ(GetCapture(), button);
    Watched = {WM_CANCELMODE, WM_CAPTURECHANGED};
    EXPECT_EQ(RunModalLoop(dialog), 1);
    EXPECT_EQ(seenInside, (std::vector<UINT>{WM_CANCELMODE, WM_CAPTURECHANGED}));
    EXPECT_EQ(GetCapture(), nullptr);
    Desk->MouseUp(p);

    // A window being moved by its caption stops following the pointer.
    GetWindowRect(main, &r);
    Desk->MouseMove({r.Left + 100, r.Top + 8});
    Desk->MouseDown({r.Left + 100, r.Top + 8});
    Desk->MouseMove({r.Left + 110, r.Top + 18});
    TRect moved;
    GetWindowRect(main, &moved);
    ASSERT_EQ(moved.TopLeft(), r.TopLeft() + TPoint(10, 10));
    EXPECT_EQ(RunModalLoop(dialog), 1);
    Desk->MouseMove({r.Left + 150, r.Top + 58});
    Desk->MouseUp({r.Left + 150, r.Top + 58});
    TRect after;
    GetWindowRect(main, &after);
    EXPECT_EQ(after, moved);
}

TEST_F(TimerModalTest, ClosingTheModalWindowEndsTheLoop) {
    HWND main = TopLevel(Bounds(0, 0, 200, 200));
    SetFocus(main);
    HWND dialog =
        TopLevel(Bounds(300, 300, 100, 80), WS_POPUP | WS_CAPTION | WS_SYSMENU, "Test", main);
    // Closing by the system command from a timer inside the loop.
    SetTimer(dialog, 1, 100, nullptr);
    Handlers[dialog] = [](HWND h, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_TIMER)
            PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    };
    EXPECT_EQ(RunModalLoop(dialog), 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(GetFocus(), main);
}

TEST_F(TimerModalTest, PlacementStatesAndTheWorkArea) {
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, Rect(0, 0, 1024, 738));
    HWND main = TopLevel(Bounds(100, 100, 300, 200));
    HWND w = TopLevel(Bounds(0, 0, 100, 50), WS_POPUP | WS_MAXIMIZEBOX);
    CenterWindow(w, nullptr);
    EXPECT_EQ(GetWindowBounds(w), Bounds(462, 344, 100, 50));
    CenterWindow(w, main);
    EXPECT_EQ(GetWindowBounds(w), Bounds(200, 175, 100, 50));
    MoveWindow(w, -500, 5000, 100, 50, true);
    CenterWindow(w, w); // over itself: the desktop instead
    EXPECT_EQ(GetWindowBounds(w), Bounds(462, 344, 100, 50));

    Watched = {WM_SIZE};
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(GetWindowBounds(w), work);
    EXPECT_EQ(Take().back(), (TLogEntry{w, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(1024, 738)}));
    ShowWindow(w, SW_RESTORE);
    EXPECT_EQ(GetWindowBounds(w), Bounds(462, 344, 100, 50));
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_EQ(Desk->Surface(w)->State, TSurfaceState::Minimized);
    EXPECT_EQ(WindowFromPoint({500, 360}), nullptr);
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(WindowFromPoint({500, 360}), w);
}

TEST_F(TimerModalTest, AnIdleLoopWaitsForTheNextTimerInsteadOfSpinning) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    SetTimer(w, 1, 250, nullptr);
    int ticks = 0;
    Handlers[w] = [&](HWND, UINT m, WPARAM, LPARAM, bool&) -> LRESULT {
        if (m == WM_TIMER && ++ticks == 3)
            PostQuitMessage(0);
        return 0;
    };
    int waitsBefore = Desk->WaitCount();
    std::uint32_t start = GetTickCount();
    TMsg m;
    while (GetMessage(&m, nullptr, 0, 0))
        DispatchMessage(&m);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(GetTickCount() - start, 750u); // each wait lasted exactly until the next tick
    EXPECT_EQ(Desk->WaitCount() - waitsBefore, 3);
}
} // namespace
