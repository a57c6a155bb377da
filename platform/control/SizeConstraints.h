#pragma once

#include "platform/core/Persistent.h"

#include <functional>

// The size limits of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
    std::function<void(TPersistent* Sender)> OnChange;

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMinWidth(int v) { Set(FMinWidth, v); }
    void SetMinHeight(int v) { Set(FMinHeight, v); }
    void SetMaxWidth(int v) { Set(FMaxWidth, v); }
    void SetMaxHeight(int v) { Set(FMaxHeight, v); }

    // The size limited by the constraints (a maximum below the minimum gives way).
    void Apply(int& width, int& height) const {
        if (FMaxWidth > 0 && width > FMaxWidth)
            width = FMaxWidth;
        if (FMinWidth > 0 && width < FMinWidth)
            width = FMinWidth;
        if (FMaxHeight > 0 && height > FMaxHeight)
            height = FMaxHeight;
        if (FMinHeight > 0 && height < FMinHeight)
            height = FMinHeight;
    }

    bool Assign(const TPersistent& source) override {
        const auto* c = dynamic_cast<const TSizeConstraints*>(&source);
        if (!c)
            return false;
        FMinWidth = c->FMinWidth;
        FMinHeight = c->FMinHeight;
        FMaxWidth = c->FMaxWidth;
        FMaxHeight = c->FMaxHeight;
        Changed();
        return true;
    }
    std::string ClassName() const override { return "TSizeConstraints"; }

private:
    void Set(int& field, int v) {
        if (v < 0)
            v = 0;
        if (field == v)
            return;
        field = v;
        Changed();
    }
    void Changed() {
        if (OnChange)
            OnChange(this);
    }
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};
