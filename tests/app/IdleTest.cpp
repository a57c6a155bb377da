// The program left alone with the mouse outside its windows runs no timer at all: nothing wakes
// it up. The headless clock is moved in 10 ms steps, each processing what became due.
#include "AppFixture.h"

#include "editors/TextEdit.h"
#include "platform/backend/headless/TimerTickCounter.h"
#include "platform/window/WinApi.h"
#include "skin/SuiButton.h"

#include <functional>

namespace {
class IdleTest : public TAppFixture {
protected:
    void Idle(int ms) {
        for (int t = 0; t < ms; t += 10)
            Backend->AdvanceTime(10);
    }
    void MouseOutside() { Backend->MouseMove({2, 2}); }
};

TEST_F(IdleTest, NoTimerRunsWhileTheProgramIsLeftAloneWithTheMouseOutside) {
    struct TCase {
        const char* Name;
        std::function<void()> Before;
    };
    const TCase cases[] = {
        {"right after start", [] {}},
        {"after hovering a field and the buttons",
         [&] {
             for (TControl* c : {(TControl*)FormZuvo->czl, (TControl*)FormZuvo->fx,
                                 (TControl*)FormZuvo->xx, (TControl*)FormZuvo->dj})
                 Backend->MouseMove(c->ClientToScreen({c->Width() / 2, c->Height() / 2}));
             Idle(300);
         }},
        {"after typing into a field", [&] { Fill(FormZuvo->czl, "25"); }},
        {"with the attribute panel open", [&] { ClickOn(FormZuvo->xx); }},
        {"after a report was read and closed",
         [&] {
             Fill(FormZuvo->ll, "5");
             Fill(FormZuvo->tp, "5");
             Fill(FormZuvo->ys, "5");
             Fill(FormZuvo->jg, "3");
             const TShown shown = ReportFrom([&] { ClickOn(FormZuvo->kx); });
             EXPECT_EQ(shown.Count, 1);
         }},
        {"after holding a button down and letting go outside",
         [&] {
             Backend->MouseDown(FormZuvo->fx->ClientToScreen({5, 5}));
             Idle(500);
             Backend->MouseMove({2, 2});
             Backend->MouseUp({2, 2});
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Before();
        MouseOutside();
        // The caret of the focused field blinks a while after the last input, then rests.
        Idle(11000);
        TTimerTickCounter ticks;
        Idle(10000);
        EXPECT_EQ(ticks.Count(), 0) << ticks.Describe();
    }
}

TEST_F(IdleTest, OnlyTheCaretBlinksInTheFirstSecondsAfterInput) {
    MouseOutside();
    TTimerTickCounter ticks;
    Idle(11000);
    const HWND caretField = GetFocus();
    ASSERT_NE(caretField, nullptr);
    EXPECT_GT(ticks.Count(), 0);
    for (const TTimerTickCounter::TTick& t : ticks.Ticks())
        EXPECT_EQ(t.Wnd, caretField) << ticks.Describe();
}

// The count is not blind: a field under the resting mouse tracks it with its 10 ms timer, which
// ends when the mouse leaves.
TEST_F(IdleTest, TheMouseRestingOverAFieldKeepsItsTrackingTimerRunningUntilItLeaves) {
    Backend->MouseMove(FormZuvo->czl->ClientToScreen({5, 5}));
    Idle(11000);
    TTimerTickCounter ticks;
    Idle(10000);
    EXPECT_GE(ticks.Count(), 900) << ticks.Describe();
    for (const TTimerTickCounter::TTick& t : ticks.Ticks())
        EXPECT_EQ(t.Wnd, nullptr) << "only the tracking timer was expected:\n" << ticks.Describe();
    MouseOutside();
    Idle(100);
    ticks.Reset();
    Idle(10000);
    EXPECT_EQ(ticks.Count(), 0) << ticks.Describe();
}
} // namespace
