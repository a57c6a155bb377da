#include "platform/control/Timer.h"

#include "platform/core/PixelBuffer.h"
#include "platform/window/WinApi.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    KillIt();
}

void TTimer::SetEnabled(bool v) {
    if (FEnabled == v)
        return;
    FEnabled = v;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (FInterval == ms)
        return;
    FInterval = ms;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::KillIt() {
    if (FId && WindowSystemStarted())
        KillTimer(nullptr, FId);
    FId = 0;
}

void TTimer::UpdateTimer() {
    KillIt();
    if (!FEnabled || FInterval == 0 || !WindowSystemStarted())
        return;
    if (ComponentState().Contains(csLoading))
        return;
    FId = SetTimer(FInterval, [this](std::uintptr_t) { Timer(); });
}

void TTimer::Timer() {
    if (OnTimer)
        OnTimer(this);
}
