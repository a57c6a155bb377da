#pragma once

#include <stdexcept>
#include <string>

// The root of the exceptions the layers raise. The message is a GBK text shown as is in the
// application's exception message box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// An operation that is not allowed in the object's current state.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
