#include "editors/MouseTracking.h"

#include "platform/control/WinControl.h"
#include "platform/window/WinApi.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace {
struct TTracking {
    TWinControl* Control = nullptr;
    TRect ScreenBounds;
    IcxMouseTrackingCaller* Caller = nullptr;
    std::uintptr_t Timer = 0;
};

// The callers tracked now, process-wide like the cursor they follow.
std::vector<std::unique_ptr<TTracking>>& Trackings() {
    static std::vector<std::unique_ptr<TTracking>> list;
    return list;
}

TTracking* Find(IcxMouseTrackingCaller* caller) {
    for (auto& t : Trackings())
        if (t->Caller == caller)
            return t.get();
    return nullptr;
}

void Remove(IcxMouseTrackingCaller* caller) {
    auto& list = Trackings();
    auto it = std::find_if(list.begin(), list.end(),
                           [caller](const auto& t) { return t->Caller == caller; });
    if (it == list.end())
        return;
    std::unique_ptr<TTracking> tracking = std::move(*it);
    list.erase(it);
    if (WindowSystemStarted())
        KillTimer(nullptr, tracking->Timer);
}

bool CursorInside(const TTracking& t, TPoint screen) {
    if (auto* extended = dynamic_cast<IcxMouseTrackingCaller2*>(t.Caller))
        return extended->PtInCaller(t.Control->ScreenToClient(screen));
    return t.ScreenBounds.Contains(screen);
}

void Tick(IcxMouseTrackingCaller* caller) {
    TTracking* t = Find(caller);
    if (!t)
        return;
    TPoint cursor;
    GetCursorPos(&cursor);
    if (CursorInside(*t, cursor))
        return;
    TWinControl* control = t->Control;
    if (control->HandleAllocated()) {
        TRect client;
        GetClientRect(control->Handle(), &client);
        if (!client.Contains(control->ScreenToClient(cursor)))
            control->Perform(CM_MOUSELEAVE, 0, LPARAM(control));
    }
    // The leave handling may have ended the tracking already.
    if (Find(caller))
        caller->MouseTrackingCallerMouseLeave();
    Remove(caller);
}
} // namespace

void BeginMouseTracking(TWinControl* control, const TRect& bounds, IcxMouseTrackingCaller* caller) {
    if (!control || !caller || Find(caller) || !WindowSystemStarted())
        return;
    auto tracking = std::make_unique<TTracking>();
    tracking->Control = control;
    tracking->ScreenBounds = bounds.Offset(control->ClientOrigin());
    tracking->Caller = caller;
    tracking->Timer = SetTimer(cxMouseTrackingInterval, [caller](std::uintptr_t) { Tick(caller); });
    Trackings().push_back(std::move(tracking));
}

void EndMouseTracking(IcxMouseTrackingCaller* caller) {
    Remove(caller);
}

bool IsMouseTracking(IcxMouseTrackingCaller* caller) {
    return Find(caller) != nullptr;
}
