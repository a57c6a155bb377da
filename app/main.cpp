// petcalc: the pet calculator's window program. It takes no command line.

#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "app/Startup.h"
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/control/Application.h"
#include "platform/window/WinApi.h"

#include <clocale>
#include <exception>

int main() {
    // The growth index is printed with the user's decimal separator.
    std::setlocale(LC_NUMERIC, "");
    StartWindowSystem(CreateSdlBackendOrExit("petcalc"));
    int status = 0;
    {
        // The application object owns both forms; it goes before the window layer does.
        TComponentPtr<TApplication> application = MakeComponent<TApplication>();
        status = RunPetCalc();
        FormZuvo = nullptr;
        FormTishi = nullptr;
    }
    ShutdownWindowSystem();
    return status;
}
