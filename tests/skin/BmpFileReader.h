#pragma once

#include "platform/core/Color.h"

#include <cstdint>
#include <string>
#include <vector>

// A .bmp file as the skin pictures are stored: file header, 40-byte information header, a colour
// table for 4 and 8 bits, uncompressed rows bottom-up. Pixels are kept top row first as
// platform colours (0x00BBGGRR).
struct TBmpFile {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    std::vector<TColor> Pixels;

    TColor At(int x, int y) const { return Pixels[std::size_t(y) * std::size_t(Width) + x]; }
};

// Parses the bytes of a .bmp file; on failure returns false and says why in error.
bool ParseBmpFile(const std::vector<std::uint8_t>& bytes, TBmpFile& file, std::string& error);

// Reads and parses a file; on failure returns false and says why in error.
bool ReadBmpFile(const std::string& path, TBmpFile& file, std::string& error);
