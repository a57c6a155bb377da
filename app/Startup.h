#pragma once

#include <string_view>

// The names of the stored layouts the two windows are read from (others only in tests).
struct TFormLayoutNames {
    std::string_view MainWindow = "FormZuvo";
    std::string_view ResultWindow = "FormTishi";
};

// Starts the program on the application object that exists: sets the title, creates the main
// window and the hidden result window from their layouts, and runs the message loop until the
// main window closes. Returns the program's exit status: 0, or 1 when an exception escaped,
// which is shown in a message box first; when a layout cannot be read no window is shown.
int RunPetCalc(const TFormLayoutNames& layouts = {});
