#include "app/AppLayouts.h"

#include "app/BannerImage.h"
#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "editors/EditorsRegistration.h"
#include "lookandfeel/LookAndFeel.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/control/ControlRegistration.h"
#include "platform/draw/Resources.h"
#include "platform/stdctrls/NativeControlClasses.h"
#include "skin/SkinButtonClass.h"
#include "skin/SkinFormClasses.h"

#include <string>

void RegisterAppControlClasses() {
    RegisterControlClasses();
    RegisterNativeControlClasses();
    RegisterLookAndFeelClasses();
    RegisterEditorsClasses();
    RegisterSkinFormClasses();
    RegisterSkinButtonClass();
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
    const std::string fileName = std::string(layoutName) + ".layout";
    try {
        const auto bytes = LoadResourceData(nullptr, layoutName, "LAYOUT");
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        ReadLayout(form, text, fileName);
    } catch (const ELayoutReadError&) {
        throw;
    } catch (const std::exception& e) {
        const std::string what = e.what();
        // The reader's messages name the layout already; others get its name in front.
        throw ELayoutReadError(what.find(fileName) != std::string::npos ? what
                                                                        : fileName + ": " + what);
    }
}
