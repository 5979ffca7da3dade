#pragma once

// What must hold for every input to a picture decoder:
//  - no crash, no hang, no undefined behaviour (the sanitizers watch);
//  - a picture fits the limits it was decoded under, and every pixel is
//    either transparent or opaque;
//  - no picture comes with a reason, and a refusal always gives one that
//    makes a message naming the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "image/PictureLimits.h"
#include "image/PictureLoad.h"

namespace wendle::fuzzing {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "picture fuzzer: %s\n", what);
    std::abort();
}

// Smaller than the program's budgets, so each input decodes quickly and the
// budgets themselves are reached often.
inline PictureLimits fuzzingLimits() {
    PictureLimits limits;
    limits.picturePixels = std::int64_t(1) << 20;
    limits.documentPixelsLeft = std::int64_t(1) << 19;
    limits.jpegScans = 20;
    return limits;
}

using Decoder = PictureLoad (*)(std::FILE*, const PictureLimits&);

inline void checkDecoding(const std::uint8_t* data, std::size_t size, Decoder decode) {
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    if (size == 0)
        return;  // fmemopen takes no empty buffer; Picture::load refuses an empty file itself
    std::unique_ptr<std::FILE, Closer> file(fmemopen(const_cast<std::uint8_t*>(data), size, "rb"));
    if (!file)
        fail("fmemopen");
    const PictureLimits limits = fuzzingLimits();
    const PictureLoad load = decode(file.get(), limits);
    if (load.picture) {
        const Picture& picture = *load.picture;
        const std::int64_t pixels = std::int64_t(picture.width()) * picture.height();
        if (picture.width() <= 0 || picture.height() <= 0)
            fail("a picture without pixels");
        if (pixels > limits.picturePixels || pixels > limits.documentPixelsLeft)
            fail("a picture beyond the limits");
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const std::uint32_t alpha = picture.pixel(x, y) >> 24;
                if (alpha != 0 && alpha != 0xFF)
                    fail("a pixel neither transparent nor opaque");
            }
        }
        if (load.problem != PictureProblem::None || !load.reason.empty())
            fail("a picture with a problem");
        return;
    }
    if (load.problem == PictureProblem::None || load.reason.empty())
        fail("a refusal without a reason");
    if (load.message("input").rfind("'input' ", 0) != 0)
        fail("a message that does not name the file");
}

}  // namespace wendle::fuzzing
