#include "platform/backend/headless/TimerTickCounter.h"

#include "platform/window/WinApi.h"

#include <map>
#include <utility>

TTimerTickCounter::TTimerTickCounter() {
    FHook = AddMessageHook([this](TMsg& msg, bool&) {
        if (msg.message == WM_TIMER)
            FTicks.push_back({msg.hwnd, msg.wParam, msg.time});
    });
}

TTimerTickCounter::~TTimerTickCounter() {
    if (WindowSystemStarted())
        RemoveMessageHook(FHook);
}

int TTimerTickCounter::CountOf(HWND wnd, std::uintptr_t id) const {
    int n = 0;
    for (const TTick& t : FTicks)
        n += t.Wnd == wnd && t.Id == id;
    return n;
}

std::string TTimerTickCounter::Describe() const {
    std::map<std::pair<HWND, std::uintptr_t>, int> perTimer;
    for (const TTick& t : FTicks)
        ++perTimer[{t.Wnd, t.Id}];
    std::string text;
    for (const auto& [timer, n] : perTimer) {
        const auto& [wnd, id] = timer;
        std::string owner =
            wnd ? (IsWindow(wnd) ? GetClassName(wnd) : "(destroyed window)") : "(handler)";
        text += owner + " timer " + std::to_string(id) + ": " + std::to_string(n) + " ticks\n";
    }
    return text;
}
