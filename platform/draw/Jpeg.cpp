#include "platform/draw/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

struct TJpegError {
    jpeg_error_mgr Mgr;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

extern "C" void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->Message);
    std::longjmp(err->Jump, 1);
}

extern "C" void JpegEmitMessage(j_common_ptr cinfo, int level) {
    // Warnings (level -1) are faults: a truncated file would otherwise decode with a grey tail.
    if (level < 0) {
        auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
        (*cinfo->err->format_message)(cinfo, err->Message);
        std::longjmp(err->Jump, 1);
    }
}

// Runs the decoder; no C++ object with a destructor lives between setjmp and longjmp here.
// Answers nullptr on success, else the message buffer.
const char* Decode(const std::uint8_t* data, std::size_t size, TPixelBuffer& out, TJpegError& err) {
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof(cinfo));
    cinfo.err = jpeg_std_error(&err.Mgr);
    err.Mgr.error_exit = JpegErrorExit;
    err.Mgr.emit_message = JpegEmitMessage;
    err.Message[0] = 0;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return err.Message[0] ? err.Message : "JPEG error";
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return "not a JPEG image";
    }
    if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
        cinfo.image_width > JDIMENSION(kMaxPictureSide) ||
        cinfo.image_height > JDIMENSION(kMaxPictureSide) ||
        std::int64_t(cinfo.image_width) * cinfo.image_height > kMaxPicturePixels) {
        std::snprintf(err.Message, sizeof err.Message, "image dimensions out of range (%u x %u)",
                      unsigned(cinfo.image_width), unsigned(cinfo.image_height));
        jpeg_destroy_decompress(&cinfo);
        return err.Message;
    }
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&cinfo);
        return "CMYK images are not supported";
    }
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    out.Resize(int(cinfo.output_width), int(cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out.Row(int(cinfo.output_scanline)));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return nullptr;
}

} // namespace

TPixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 4)
        throw EJPEG("JPEG error #42: not a JPEG image");
    TPixelBuffer out;
    TJpegError err;
    if (const char* msg = Decode(data, size, out, err))
        throw EJPEG(std::string("JPEG error: ") + msg);
    // BGRX bytes land as 0xXXRRGGBB words on little-endian machines: clear the unused byte.
    for (TPixel& p : out.Pixels)
        p &= 0xFFFFFF;
    return out;
}
