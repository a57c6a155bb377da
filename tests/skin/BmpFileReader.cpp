#include "tests/skin/BmpFileReader.h"

#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

} // namespace

bool ParseBmpFile(const std::vector<std::uint8_t>& bytes, TBmpFile& file, std::string& error) {
    if (bytes.size() < FileHeaderSize + InfoHeaderSize) {
        error = "shorter than the two headers";
        return false;
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        error = "no BM signature";
        return false;
    }
    if (U32(bytes, 2) != bytes.size()) {
        error = "file size field does not match the file";
        return false;
    }
    const std::size_t info = FileHeaderSize;
    const std::int32_t width = std::int32_t(U32(bytes, info + 4));
    const std::int32_t height = std::int32_t(U32(bytes, info + 8));
    const std::uint32_t bitCount = U16(bytes, info + 14);
    const std::uint32_t colorsUsed = U32(bytes, info + 32);
    if (U32(bytes, info) != InfoHeaderSize || U16(bytes, info + 12) != 1 ||
        U32(bytes, info + 16) != 0) {
        error = "not a 40-byte, one-plane, uncompressed information header";
        return false;
    }
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        error = "not a bottom-up picture of sensible size";
        return false;
    }
    if (bitCount != 4 && bitCount != 8 && bitCount != 24) {
        error = "unexpected depth " + std::to_string(bitCount);
        return false;
    }
    const std::size_t tableEntries =
        bitCount <= 8 ? (colorsUsed != 0 ? colorsUsed : (1u << bitCount)) : 0;
    if (tableEntries > (1u << bitCount) && bitCount <= 8) {
        error = "colour table larger than the depth allows";
        return false;
    }
    const std::size_t tableAt = FileHeaderSize + InfoHeaderSize;
    const std::size_t pixelsAt = U32(bytes, 10);
    if (pixelsAt != tableAt + 4 * tableEntries) {
        error = "pixel offset does not follow the colour table";
        return false;
    }
    const std::size_t stride = (std::size_t(width) * bitCount + 31) / 32 * 4;
    if (bytes.size() < pixelsAt + stride * std::size_t(height)) {
        error = "pixel rows are cut short";
        return false;
    }
    file.Width = width;
    file.Height = height;
    file.BitCount = int(bitCount);
    file.Pixels.assign(std::size_t(width) * std::size_t(height), 0);
    for (int row = 0; row < height; ++row) {
        const std::size_t base = pixelsAt + std::size_t(row) * stride;
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            std::size_t entry = 0;
            TColor color = 0;
            if (bitCount == 24) {
                const std::size_t p = base + std::size_t(x) * 3;
                color = RGB(bytes[p + 2], bytes[p + 1], bytes[p]);
            } else {
                const std::uint8_t b = bytes[base + (bitCount == 8 ? x : x / 2)];
                entry = bitCount == 8 ? b : (x % 2 == 0 ? b >> 4 : b & 0x0F);
                if (entry >= tableEntries) {
                    error = "pixel refers past the colour table";
                    return false;
                }
                const std::size_t t = tableAt + 4 * entry;
                color = RGB(bytes[t + 2], bytes[t + 1], bytes[t]);
            }
            file.Pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = color;
        }
    }
    return true;
}

bool ReadBmpFile(const std::string& path, TBmpFile& file, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    return ParseBmpFile(bytes, file, error);
}
