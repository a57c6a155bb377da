#pragma once

#include "platform/window/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// Counts the timer ticks the message loops take from the queue while it lives, with the window,
// id and time of each, so that a test or benchmark can tell whether a program sits still. It
// watches through an application-wide message hook added when it is made: a tick that a hook
// added before it drops is not seen. Made after the window layer has started and gone before it
// shuts down.
class TTimerTickCounter {
public:
    struct TTick {
        HWND Wnd = nullptr; // nullptr for a timer with a handler
        std::uintptr_t Id = 0;
        std::uint32_t Time = 0;
    };

    TTimerTickCounter();
    ~TTimerTickCounter();
    TTimerTickCounter(const TTimerTickCounter&) = delete;
    TTimerTickCounter& operator=(const TTimerTickCounter&) = delete;

    int Count() const { return int(FTicks.size()); }
    const std::vector<TTick>& Ticks() const { return FTicks; }
    // Ticks of one timer.
    int CountOf(HWND wnd, std::uintptr_t id) const;
    void Reset() { FTicks.clear(); }
    // One line per timer that ticked: the class of its window ("(handler)" for a timer with a
    // handler), its id and how often, for a failure message.
    std::string Describe() const;

private:
    int FHook = 0;
    std::vector<TTick> FTicks;
};
