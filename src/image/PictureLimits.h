#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>

namespace wendle {

// A damaged or hostile file may declare a size that would take gigabytes,
// or make the decoder work for minutes; no page would show such a picture.
// Every size is checked before pixel memory is taken.

// 4096 x 4096, 64 MiB of pixels: far beyond any button bar's background.
inline constexpr std::int64_t kPicturePixelBudget = std::int64_t(1) << 24;
// All the pictures of one document at once: the applet's background and
// every face of every button.
inline constexpr std::int64_t kDocumentPixelBudget = std::int64_t(1) << 26;
// Encoders use about ten scans for a progressive JPEG; hundreds only serve
// to make the decoder go over the whole picture again and again.
inline constexpr int kMaxJpegScans = 100;
inline constexpr std::chrono::milliseconds kDecodeTimeBudget{3000};

struct PictureLimits {
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    std::int64_t picturePixels = kPicturePixelBudget;
    // What the document's other pictures leave of the document's budget.
    std::int64_t documentPixelsLeft = std::numeric_limits<std::int64_t>::max();
    int jpegScans = kMaxJpegScans;
    std::chrono::milliseconds decodeTime = kDecodeTimeBudget;
    // Empty: the steady clock. Tests replace it to run out of time at will.
    Clock clock;
};

}  // namespace wendle
