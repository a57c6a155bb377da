#pragma once

#include "calc/PetInput.h"

#include <string>
#include <utility>
#include <variant>

// What a reader returns: either the filled record, or the one message to show the user.
class TPetReadResult {
public:
    static TPetReadResult Accepted(TPetInput input) { return TPetReadResult(std::move(input)); }
    static TPetReadResult Rejected(std::string message) {
        return TPetReadResult(std::move(message));
    }

    bool IsAccepted() const { return std::holds_alternative<TPetInput>(Value); }
    // The record, or nullptr when the reading was rejected.
    const TPetInput* Input() const { return std::get_if<TPetInput>(&Value); }
    // The message, or nullptr when the reading was accepted.
    const std::string* Message() const { return std::get_if<std::string>(&Value); }

private:
    explicit TPetReadResult(TPetInput input) : Value(std::move(input)) {}
    explicit TPetReadResult(std::string message) : Value(std::move(message)) {}

    std::variant<TPetInput, std::string> Value;
};
