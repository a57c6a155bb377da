// petcalc: the pet calculator's window program. It takes no command line.

#include "app/AppLayouts.h"
#include "app/AppTexts.h"
#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/control/Application.h"
#include "platform/window/WinApi.h"

#include <clocale>
#include <exception>

int main() {
    // The growth index is printed with the user's decimal separator.
    std::setlocale(LC_NUMERIC, "");
    StartWindowSystem(CreateSdlBackendOrExit("petcalc"));
    {
        // The application object owns both forms; it goes before the window layer does.
        TComponentPtr<TApplication> application = MakeComponent<TApplication>();
        try {
            RegisterAppClasses();
            Application->Initialize();
            Application->SetTitle(std::string(kAppTitle));
            Application->CreateForm(FormZuvo);
            Application->CreateForm(FormTishi);
            Application->Run();
        } catch (const Exception& e) {
            Application->ShowException(e);
        } catch (...) {
            // An exception of a foreign kind is shown with an empty message.
            Application->ShowException(Exception(""));
        }
        FormZuvo = nullptr;
        FormTishi = nullptr;
    }
    ShutdownWindowSystem();
    return 0;
}
