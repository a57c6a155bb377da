#include "skin/SuiFormStyle.h"

#include "platform/component/ClassRegistry.h"
#include "platform/control/WinControl.h"

TsuiUIStyle GetSUIFormStyle(const TComponent* container) {
    const auto* parent = dynamic_cast<const TWinControl*>(container);
    if (!parent)
        return DeepBlue;
    // The frame is found through its registered class and published theme, so that this needs
    // nothing but the layout registration of the frame.
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        const TClassInfo* info = TClassRegistry::Global().ClassOf(*child);
        if (!info || !info->InheritsFrom("TsuiForm"))
            continue;
        const TPropertyInfo* style = info->FindProperty("UIStyle");
        if (!style || !style->GetOrd)
            continue;
        return TsuiUIStyle(style->GetOrd(*child));
    }
    return DeepBlue;
}
