#pragma once

#include "platform/control/CustomControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A panel: a container with raised or lowered bevels, a border width and a centred caption.
// Its aligned children share the area inside the bevels and the border.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);

    std::string ClassName() const override { return "TCustomPanel"; }

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);

protected:
    void AdjustClientRect(TRect& rect) override;
    void Paint() override;
    void CMTextChanged(TMessage& message) override;

private:
    int BevelExtent() const;

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
    std::string ClassName() const override { return "TPanel"; }
};
