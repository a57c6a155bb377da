#include "cli/CliCommand.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
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
