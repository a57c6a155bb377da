#pragma once

#include "platform/core/Persistent.h"

#include <functional>

// The event of a drawing object whose settings changed; the sender is the object.
using TGraphicsChangeEvent = std::function<void(TPersistent* sender)>;

// Base of the canvas's drawing objects (font, pen, brush) and of pictures: a setter that stores
// an equal value does nothing; a real change calls Changed, which fires OnChange once, or once at
// the end of an open BeginUpdate/EndUpdate bracket.
class TGraphicsObject : public TPersistent {
public:
    TGraphicsChangeEvent OnChange;

    void BeginUpdate() { ++UpdateCount; }
    void EndUpdate() {
        if (UpdateCount > 0 && --UpdateCount == 0 && Pending) {
            Pending = false;
            Changed();
        }
    }

protected:
    TGraphicsObject() = default;
    TGraphicsObject(const TGraphicsObject&) : TPersistent() {}
    TGraphicsObject& operator=(const TGraphicsObject&) { return *this; }

    virtual void Changed() {
        if (UpdateCount > 0) {
            Pending = true;
            return;
        }
        if (OnChange)
            OnChange(this);
    }
    // Stores value into field when it differs and announces the change.
    template <class T, class U> void SetField(T& field, const U& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    int UpdateCount = 0;
    bool Pending = false;
};
