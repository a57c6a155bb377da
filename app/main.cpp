// petcalc: the pet calculator's window program. It takes no command line.

#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "app/Startup.h"
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/control/Application.h"
#include "platform/window/WinApi.h"

#include <cerrno>
#include <clocale>
#include <exception>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Started with standard input, output or error closed, the next file the program opens (the
// display connection) would take that number, and any diagnostic written "to stderr" would go
// into it. Each closed one is opened on /dev/null first.
void OpenClosedStandardFiles() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = open("/dev/null", O_RDWR);
        if (opened >= 0 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

} // namespace

int main() {
    OpenClosedStandardFiles();
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
