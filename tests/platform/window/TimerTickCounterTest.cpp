#include "WindowTestFixture.h"

#include "platform/backend/headless/TimerTickCounter.h"

namespace {
class TimerTickCounterTest : public TWindowTest {};

TEST_F(TimerTickCounterTest, CountsEveryTickOfWindowAndHandlerTimersWhileItLives) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    SetTimer(w, 5, 100, nullptr);
    int handled = 0;
    const std::uintptr_t handlerTimer = SetTimer(250, [&](std::uintptr_t) { ++handled; });
    Desk->AdvanceTime(150); // one tick before the counter exists
    {
        TTimerTickCounter counter;
        EXPECT_EQ(counter.Count(), 0);
        for (int i = 0; i < 100; ++i)
            Desk->AdvanceTime(10); // 1000 ms
        EXPECT_EQ(counter.CountOf(w, 5), 10);
        EXPECT_EQ(counter.CountOf(nullptr, handlerTimer), 4);
        EXPECT_EQ(counter.Count(), 14);
        EXPECT_EQ(counter.Describe(), "(handler) timer " + std::to_string(handlerTimer) +
                                          ": 4 ticks\nTest timer 5: 10 ticks\n");

        // A killed timer stops counting; the ticks are stamped with the clock.
        KillTimer(w, 5);
        KillTimer(nullptr, handlerTimer);
        counter.Reset();
        Desk->AdvanceTime(1000);
        EXPECT_EQ(counter.Count(), 0);
        SetTimer(w, 6, 30, nullptr);
        const std::uint64_t before = GetBackend().Now();
        Desk->AdvanceTime(30);
        ASSERT_EQ(counter.Count(), 1);
        EXPECT_EQ(counter.Ticks()[0].Wnd, w);
        EXPECT_EQ(counter.Ticks()[0].Time, std::uint32_t(before + 30));
    }
    // Its hook is gone with it: the timers still run and nothing else is disturbed.
    const int handledBefore = handled;
    Watched = {WM_TIMER};
    Desk->AdvanceTime(30);
    Desk->AdvanceTime(30);
    EXPECT_EQ(Log.size(), 2u);
    EXPECT_EQ(handled, handledBefore);
}

TEST_F(TimerTickCounterTest, SeesTicksInsideANestedLoop) {
    HWND w = TopLevel(Bounds(0, 0, 50, 50));
    Desk->Pump();
    TTimerTickCounter counter;
    SetTimer(w, 1, 10, nullptr);
    // A tick that runs a loop of its own (as a modal window does) while the clock moves on.
    bool nested = false;
    Handlers[w] = [&](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m == WM_TIMER && !nested) {
            nested = true;
            SetTimer(w, 2, 10, nullptr);
            for (int i = 0; i < 5; ++i)
                Desk->AdvanceTime(10);
            handled = true;
        }
        return 0;
    };
    Desk->AdvanceTime(10);
    EXPECT_EQ(counter.CountOf(w, 2), 5);
    EXPECT_GE(counter.CountOf(w, 1), 1);
    EXPECT_EQ(counter.Count(), counter.CountOf(w, 1) + 5);
}
} // namespace
