#include "cli/CliCommand.h"

#include <clocale>
#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    // A reader that went away is an output that could not be written (status 3), not a reason
    // to die of a signal.
    std::signal(SIGPIPE, SIG_IGN);
    // The growth index uses the decimal separator of the user's locale.
    std::setlocale(LC_NUMERIC, "");
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunPetCalcCli(args, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "petcalc-cli: the output could not be written\n";
        return csOutputError;
    }
    return status;
}
