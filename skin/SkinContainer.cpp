#include "skin/SkinContainer.h"

#include "platform/component/ClassRegistry.h"
#include "platform/control/WinControl.h"
#include "skin/SuiForm.h"
#include "skin/SuiTitleBar.h"
#include "skin/ThemeElements.h"

namespace {
constexpr int ControlBorderElement = 8;

const TsuiForm* FirstFrame(const TComponent* container) {
    const auto* control = dynamic_cast<const TWinControl*>(container);
    if (!control)
        return nullptr;
    for (int i = 0; i < control->ControlCount(); ++i)
        if (const auto* frame = dynamic_cast<const TsuiForm*>(control->Controls(i)))
            return frame;
    return nullptr;
}
} // namespace

TsuiUIStyle GetSUIFormStyle(const TComponent* container) {
    const TsuiForm* frame = FirstFrame(container);
    return frame ? frame->UIStyle() : DeepBlue;
}

TColor GetSUIFormColor(const TComponent* form) {
    const TsuiForm* frame = FirstFrame(form);
    return frame ? frame->Color() : clBtnFace;
}

TColor GetBorderColor(const TComponent* form) {
    const TsuiForm* frame = FirstFrame(form);
    return frame ? GetThemeColor(frame->UIStyle(), ControlBorderElement) : TColor(0);
}

void ContainerApplyUIStyle(TWinControl* container, TsuiUIStyle style) {
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (dynamic_cast<TsuiTitleBar*>(child) && dynamic_cast<TsuiForm*>(container))
            continue;
        const TClassInfo* info = TClassRegistry::Global().ClassOf(*child);
        const TPropertyInfo* p = info ? info->FindProperty("UIStyle") : nullptr;
        if (!p || p->Kind != tkEnumeration || !p->GetOrd || !p->SetOrd)
            continue;
        if (p->GetOrd(*child) == Custom)
            continue;
        p->SetOrd(*child, style);
    }
}

void SubContainerApplyUIStyle(TWinControl* container, TsuiUIStyle style) {
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i)
        if (auto* sub = dynamic_cast<IsuiSubContainer*>(container->Controls(i)))
            sub->ApplyUIStyleToContents(style);
}
