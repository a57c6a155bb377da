#include "platform/draw/Png.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <png.h>

namespace {

extern "C" void PngWrite(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + len);
}

extern "C" void PngFlush(png_structp) {}

// No C++ object with a destructor is created between setjmp and a libpng error jump.
bool Encode(const TPixelBuffer& pixels, std::vector<std::uint8_t>& out,
            std::vector<png_byte>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_IHDR(png, info, png_uint_32(pixels.Width), png_uint_32(pixels.Height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixels.Height; ++y) {
        const TPixel* src = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x) {
            row[std::size_t(x) * 3] = png_byte(src[x] >> 16);
            row[std::size_t(x) * 3 + 1] = png_byte(src[x] >> 8);
            row[std::size_t(x) * 3 + 2] = png_byte(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const TPixelBuffer& pixels) {
    if (pixels.Width <= 0 || pixels.Height <= 0)
        throw EPngError("An empty image cannot be saved as PNG");
    std::vector<std::uint8_t> out;
    std::vector<png_byte> row(std::size_t(pixels.Width) * 3);
    if (!Encode(pixels, out, row))
        throw EPngError("PNG encoding failed");
    return out;
}

void SavePng(const TPixelBuffer& pixels, const std::string& path) {
    std::vector<std::uint8_t> bytes = EncodePng(pixels);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!f)
        throw EPngError("Cannot create " + path);
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        throw EPngError("Cannot write " + path);
    if (std::fclose(f.release()) != 0)
        throw EPngError("Cannot write " + path);
}
