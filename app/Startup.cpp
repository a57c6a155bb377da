#include "app/Startup.h"

#include "app/AppLayouts.h"
#include "app/AppTexts.h"
#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "platform/control/Application.h"

#include <string>

namespace {
// A start-up that failed, a damaged layout among others, ends with this status.
constexpr int kStatusFailed = 1;

void CreateForms(const TFormLayoutNames& layouts) {
    Application->CreateForm([&](TComponent* owner) -> TCustomForm* {
        FormZuvo = new TFormZuvo(owner, layouts.MainWindow);
        return FormZuvo;
    });
    Application->CreateForm([&](TComponent* owner) -> TCustomForm* {
        FormTishi = new TFormTishi(owner, layouts.ResultWindow);
        return FormTishi;
    });
}
} // namespace

int RunPetCalc(const TFormLayoutNames& layouts) {
    int status = 0;
    try {
        RegisterAppClasses();
        Application->Initialize();
        Application->SetTitle(std::string(kAppTitle));
        CreateForms(layouts);
        Application->Run();
    } catch (const ELayoutReadError& e) {
        // Neither window is shown: a half-built window would only mislead.
        Application->ShowException(e);
        status = kStatusFailed;
    } catch (const Exception& e) {
        Application->ShowException(e);
        status = kStatusFailed;
    } catch (...) {
        // An exception of a foreign kind is shown with an empty message.
        Application->ShowException(Exception(""));
        status = kStatusFailed;
    }
    return status;
}
