#pragma once

#include "platform/component/Component.h"
#include "platform/control/ControlTypes.h"
#include "platform/core/Geometry.h"
#include "platform/window/WinTypes.h"

#include <vector>

class TCustomForm;
class TWinControl;

// The screen: its size and work area, the pointer, the forms of the program and the active one,
// and a cursor that overrides every control's own (crDefault: none).
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    std::string ClassName() const override { return "TScreen"; }

    int Width() const;
    int Height() const;
    TRect DesktopRect() const;
    // The screen less the task bars.
    TRect WorkAreaRect() const;
    TPoint CursorPos() const;

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor c);
    // The window layer's cursor of a control cursor.
    static HCURSOR CursorHandle(TCursor c);

    int FormCount() const { return int(FForms.size()); }
    TCustomForm* Forms(int index) const { return FForms[std::size_t(index)]; }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    // The focused control of the active form.
    TWinControl* ActiveControl() const;

    // Kept by the forms themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);

private:
    TCursor FCursor = crDefault;
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
};

// The program's screen object (created with the application object).
extern TScreen* Screen;
