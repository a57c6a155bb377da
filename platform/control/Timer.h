#pragma once

#include "platform/component/Component.h"
#include "platform/component/NotifyEvent.h"

#include <cstdint>

// A timer: OnTimer runs every Interval milliseconds from the message loop while Enabled (and
// the interval is above 0). It starts once the window layer runs and the timer is not loading.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned ms);
    // Whether the window layer's timer runs now.
    bool Running() const { return FId != 0; }

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;
    virtual void Timer();

private:
    void UpdateTimer();
    void KillIt();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    std::uintptr_t FId = 0;
};
