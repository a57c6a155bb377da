#pragma once

#include "platform/core/Exception.h"

#include <string>
#include <string_view>

class TComponent;

// A stored layout that could not be read: a damaged build. The message names the layout and
// what went wrong in it.
class ELayoutReadError : public Exception {
public:
    using Exception::Exception;
};

// Registers the program's two form classes (and the control classes their layouts use) with
// the class registry, once.
void RegisterAppClasses();
// Registers only the control classes the two layouts use (the fuzzer brings forms of its own).
void RegisterAppControlClasses();

// Reads the stored layout of a form, kept among the program's resources under its name (type
// LAYOUT), into the form. Any failure, a missing layout included, is an ELayoutReadError.
void ReadFormLayout(TComponent& form, std::string_view layoutName);
