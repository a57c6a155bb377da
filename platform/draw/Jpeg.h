#pragma once

#include "platform/core/PixelBuffer.h"
#include "platform/draw/Dib.h"

#include <cstddef>
#include <cstdint>

// A JPEG file that cannot be decoded: corrupt, truncated, of an unsupported kind (CMYK) or
// too large.
class EJPEG : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// Decodes a JPEG file held in memory into 32-bit pixels. Raises EJPEG on any fault; a warning of
// the decoder (for example data that ends early) counts as a fault.
TPixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size);
