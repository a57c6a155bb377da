#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit statuses of petcalc-cli; csOutputError when standard output could not be written.
enum TCliStatus { csReport = 0, csInputMessage = 1, csUsageError = 2, csOutputError = 3 };

// Runs petcalc-cli on its arguments (UTF-8, without the program name):
//   checkup --dj T --czl T --qjn T --hjn T --qn T --mbdj T [--kind attendant|mount]
//   merge --ll T --tp T --ys T --jg T
//   --help
// Every field text reaches the readers as given (converted to GBK); a missing option is an empty
// field. The report (caption first) or the input message goes to out in UTF-8, a CR LF inside a
// line as a line break; usage errors go to err with a short usage text.
int RunPetCalcCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
