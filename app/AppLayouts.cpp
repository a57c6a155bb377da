#include "app/AppLayouts.h"

#include "app/BannerImage.h"
#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/control/ControlRegistration.h"
#include "platform/draw/Resources.h"
#include "platform/stdctrls/NativeControlClasses.h"

#include <string>

void RegisterAppControlClasses() {
    RegisterControlClasses();
    RegisterNativeControlClasses();
    RegisterBannerImage();
}

void RegisterAppClasses() {
    if (IsClassRegistered("TFormZuvo"))
        return;
    RegisterAppControlClasses();
    // The forms are never created by a layout: each reads its own layout into itself.
    TClassRegistry::Global().Register("TFormZuvo", "TForm");
    TClassRegistry::Global().Register("TFormTishi", "TForm");
}

void ReadFormLayout(TComponent& form, std::string_view layoutName) {
    const auto bytes = LoadResourceData(nullptr, layoutName, "LAYOUT");
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ReadLayout(form, text, std::string(layoutName) + ".layout");
}
