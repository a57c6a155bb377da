#pragma once

#include "lookandfeel/LookAndFeel.h"
#include "platform/control/CustomControl.h"

#include <memory>

// The corner between a control's two scroll bars, filled with the painter's size-grip colour.
class TcxSizeGrip : public TCustomControl {
public:
    explicit TcxSizeGrip(TComponent* owner);
    ~TcxSizeGrip() override;

    std::string ClassName() const override { return "TcxSizeGrip"; }
    TcxLookAndFeel& LookAndFeel() { return *FLookAndFeel; }

protected:
    void Paint() override;

private:
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
};
