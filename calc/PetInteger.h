#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads a field text as a 32-bit signed integer; nothing when the text is not a valid integer.
// Spaces (and only spaces) may lead. Then either a decimal number with an optional sign, or a
// hexadecimal number after "$", "x", "X", "0x" or "0X" (no sign). Every byte up to the end must
// be a digit of that form. Decimal numbers must fit the 32-bit range; hexadecimal numbers may have
// up to eight significant digits and are read as a two's-complement bit pattern.
std::optional<std::int32_t> ParsePetInteger(std::string_view text);
