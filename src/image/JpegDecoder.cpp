#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "image/Decoders.h"
#include "image/PictureLimits.h"

namespace wendle::decoders {

namespace {

// libjpeg reports a fatal error by calling error_exit, which by default
// prints and ends the process; here it jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (a truncated file, stray bytes) are not shown to anyone.
void stayQuiet(j_common_ptr) {}

struct Decoded {
    std::vector<std::uint32_t> pixels;
    std::vector<JSAMPLE> line;
    int width = 0;
    int height = 0;
    int rowsRead = 0;
};

std::uint32_t packRgb(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

void storeRow(Decoded& out, const jpeg_decompress_struct& info) {
    std::uint32_t* row = &out.pixels[std::size_t(out.rowsRead) * std::size_t(out.width)];
    const JSAMPLE* in = out.line.data();
    if (info.out_color_space == JCS_CMYK) {
        // Adobe writers store the inks inverted.
        const bool inverted = info.saw_Adobe_marker;
        for (int x = 0; x < out.width; ++x, in += 4) {
            unsigned c = in[0], m = in[1], y = in[2], k = in[3];
            if (!inverted) {
                c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            }
            row[x] = packRgb(c * k / 255, m * k / 255, y * k / 255);
        }
        return;
    }
    for (int x = 0; x < out.width; ++x, in += 3) row[x] = packRgb(in[0], in[1], in[2]);
}

// Runs libjpeg with a jump target for its errors. Only plain data lives in
// this frame, so the jump skips no destructor; the vectors are the caller's.
bool decodeInto(std::FILE* file, Decoded& out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.output_message = stayQuiet;
    jpeg_create_decompress(&info);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        // A damaged trailer after the last row still leaves a whole picture.
        return out.height > 0 && out.rowsRead == out.height;
    }
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    if (!pictureSizeAllowed(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    const int components = cmyk ? 4 : 3;
    if (info.output_components != components ||
        !pictureSizeAllowed(info.output_width, info.output_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.pixels.assign(std::size_t(out.width) * std::size_t(out.height), 0xFF000000u);
    out.line.assign(std::size_t(out.width) * std::size_t(components), 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.line.data();
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            break;
        storeRow(out, info);
        ++out.rowsRead;
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return out.rowsRead == out.height;
}

}  // namespace

std::unique_ptr<Picture> decodeJpeg(std::FILE* file) {
    Decoded decoded;
    if (!decodeInto(file, decoded))
        return nullptr;
    return std::make_unique<Picture>(decoded.width, decoded.height, std::move(decoded.pixels));
}

}  // namespace wendle::decoders
