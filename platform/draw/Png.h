#pragma once

#include "platform/core/Exception.h"
#include "platform/core/PixelBuffer.h"

#include <cstdint>
#include <string>
#include <vector>

class EPngError : public Exception {
public:
    using Exception::Exception;
};

// Writes the pixels as an 8-bit RGB PNG file; raises EPngError when the file cannot be written.
void SavePng(const TPixelBuffer& pixels, const std::string& path);
// The PNG file's bytes.
std::vector<std::uint8_t> EncodePng(const TPixelBuffer& pixels);
