// Files made to cost memory or time far beyond their size: each is refused
// with the limit it broke named, before the memory is taken.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>

#include "image/GifBytes.h"
#include "image/Picture.h"
#include "image/PictureFiles.h"
#include "image/PictureLimits.h"
#include "image/PictureLoad.h"

// Counts what operator new hands out while a test asks it to.
namespace {
std::atomic<bool> countingAllocations{false};
std::atomic<std::size_t> allocatedBytes{0};
}  // namespace

// The replacement pairs malloc with free itself; the compiler cannot see
// that the two belong together.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (countingAllocations)
        allocatedBytes += size;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#pragma GCC diagnostic pop

namespace wendle {
namespace {

using testing::Bytes;
using testing::GifFrameBytes;
using testing::ScratchFolder;

// Patches a big-endian 16-bit number into a copy of a file.
Bytes patched(Bytes bytes, std::size_t at, unsigned value) {
    bytes.at(at) = (unsigned char)(value >> 8);
    bytes.at(at + 1) = (unsigned char)value;
    return bytes;
}

std::size_t markerAt(const Bytes& jpeg, unsigned char marker, bool last = false) {
    std::size_t found = jpeg.size();
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) {
            found = i;
            if (!last)
                break;
        }
    }
    if (found == jpeg.size())
        throw std::runtime_error("marker not found");
    return found;
}

// The last scan of a progressive JPEG, header and data, repeated before
// the end of the file.
Bytes withLastScanRepeated(const Bytes& jpeg, int times) {
    const std::size_t scan = markerAt(jpeg, 0xDA, true);
    const std::size_t end = markerAt(jpeg, 0xD9, true);
    Bytes out(jpeg.begin(), jpeg.begin() + long(end));
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), jpeg.begin() + long(scan), jpeg.begin() + long(end));
    out.insert(out.end(), jpeg.begin() + long(end), jpeg.end());
    return out;
}

// A clock that stands still for its first `reads` readings, then jumps an
// hour on.
PictureLimits::Clock runningOutAfter(int reads) {
    auto count = std::make_shared<int>(0);
    return [count, reads] {
        return std::chrono::steady_clock::time_point{} +
               (++*count > reads ? std::chrono::hours(1) : std::chrono::hours(0));
    };
}

// A clock that moves on a second each time it is read.
PictureLimits::Clock secondsTicking() {
    auto now = std::make_shared<std::chrono::steady_clock::time_point>();
    return [now] { return *now += std::chrono::seconds(1); };
}

class PictureBombs : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::uint32_t> rgb(64 * 64);
        for (std::size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = std::uint32_t(i * 2654435761u) & 0xFFFFFF;
        testing::writeJpeg(folder / "baseline.jpg", 64, 64, rgb);
        testing::writeJpeg(folder / "progressive.jpg", 64, 64, rgb, false, true);
        baseline = testing::readBytes(folder / "baseline.jpg");
        progressive = testing::readBytes(folder / "progressive.jpg");
    }
    PictureLoad load(const std::string& name, const Bytes& bytes, const PictureLimits& limits) {
        testing::writeBytes(folder / name, bytes);
        return Picture::load(folder / name, limits);
    }

    ScratchFolder folder{"picture-bombs"};
    Bytes baseline, progressive;
};

TEST_F(PictureBombs, AreRefusedWithTheLimitTheyBroke) {
    const std::size_t sof = markerAt(baseline, 0xC0);
    PictureLimits documentNearlyFull;
    documentNearlyFull.documentPixelsLeft = 15;
    PictureLimits runningOutOfTime;
    runningOutOfTime.clock = secondsTicking();
    PictureLimits outOfTimeInARow;
    outOfTimeInARow.clock = runningOutAfter(20);

    struct Case {
        const char* name;
        Bytes bytes;
        PictureLimits limits;
        PictureProblem problem;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"screen.gif",
         testing::gifScreenBomb(8192, 8192),
         {},
         PictureProblem::TooManyPixels,
         "'screen.gif' is not shown: it is 8192 x 8192 pixels, and one picture may have at most "
         "16,777,216 pixels"},
        {"frame-sets-size.gif",
         testing::gifBytes(0, 0, GifFrameBytes{0, 0, 8192, 8192, false, {2, 0}}),
         {},
         PictureProblem::TooManyPixels,
         "'frame-sets-size.gif' is not shown: it is 8192 x 8192 pixels, and one picture may have "
         "at most 16,777,216 pixels"},
        {"declared.jpg",
         patched(patched(baseline, sof + 5, 4096), sof + 7, 16384),
         {},
         PictureProblem::TooManyPixels,
         "'declared.jpg' is not shown: it is 16384 x 4096 pixels, and one picture may have at "
         "most 16,777,216 pixels"},
        {"rescanned.jpg",
         withLastScanRepeated(progressive, kMaxJpegScans),
         {},
         PictureProblem::TooManyScans,
         "'rescanned.jpg' is not shown: it goes over its picture in more than 100 scans, the most "
         "a JPEG may use"},
        {"fourth.gif", testing::gifScreenBomb(4, 4), documentNearlyFull,
         PictureProblem::DocumentBudget,
         "'fourth.gif' is not shown: it is 4 x 4 pixels, and all the pictures of a document "
         "together may have at most 67,108,864 pixels"},
        {"slow.gif",
         testing::gifBytes(
             1, 8,
             GifFrameBytes{0, 0, 1, 8, false,
                           testing::literalImageData(std::vector<std::uint8_t>(8, 0))}),
         runningOutOfTime, PictureProblem::TooSlow,
         "'slow.gif' is not shown: decoding it took longer than 3 seconds, the most one picture "
         "may take"},
        // Thousands of clear codes before its one pixel: the clock runs out
        // in the middle of decoding a single row.
        {"clears.gif",
         testing::gifBytes(
             1, 1, GifFrameBytes{0, 0, 1, 1, false, testing::literalImageData({0}, false, 20000)}),
         outOfTimeInARow, PictureProblem::TooSlow,
         "'clears.gif' is not shown: decoding it took longer than 3 seconds, the most one picture "
         "may take"},
        {"slow.jpg", baseline, runningOutOfTime, PictureProblem::TooSlow,
         "'slow.jpg' is not shown: decoding it took longer than 3 seconds, the most one picture "
         "may take"},
    };
    EXPECT_EQ(cases[0].bytes.size(), 35u);
    for (const Case& c : cases) {
        const PictureLoad loaded = load(c.name, c.bytes, c.limits);
        EXPECT_FALSE(loaded.picture) << c.name;
        EXPECT_EQ(loaded.problem, c.problem) << c.name;
        EXPECT_TRUE(loaded.overLimit()) << c.name;
        EXPECT_EQ(loaded.message(c.name), c.message);
    }
}

TEST_F(PictureBombs, WithinTheLimitsThePictureComes) {
    struct Case {
        const char* name;
        Bytes bytes;
        int width, height;
    };
    const std::vector<Case> cases = {
        {"4096-square.gif", testing::gifScreenBomb(4096, 4096), 4096, 4096},
        {"progressive.jpg", progressive, 64, 64},
        {"scan-repeated-a-few-times.jpg", withLastScanRepeated(progressive, 20), 64, 64},
    };
    for (const Case& c : cases) {
        const PictureLoad loaded = load(c.name, c.bytes, PictureLimits{});
        ASSERT_TRUE(loaded.picture) << c.name << ": " << loaded.reason;
        EXPECT_EQ(loaded.picture->width(), c.width) << c.name;
        EXPECT_EQ(loaded.picture->height(), c.height) << c.name;
        EXPECT_EQ(loaded.message(c.name), "") << c.name;
    }
}

TEST_F(PictureBombs, AreRefusedBeforeTheirPixelMemoryIsTaken) {
    const std::size_t sof = markerAt(baseline, 0xC0);
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {"8192-square.gif", testing::gifScreenBomb(8192, 8192)},
        {"largest-screen.gif", testing::gifScreenBomb(65535, 65535)},
        {"16384x4096.jpg", patched(patched(baseline, sof + 5, 4096), sof + 7, 16384)},
    };
    for (const Case& c : cases) {
        testing::writeBytes(folder / c.name, c.bytes);
        allocatedBytes = 0;
        countingAllocations = true;
        const PictureLoad loaded = Picture::load(folder / c.name, PictureLimits{});
        countingAllocations = false;
        EXPECT_FALSE(loaded.picture) << c.name;
        EXPECT_LT(allocatedBytes.load(), std::size_t(1) << 20) << c.name;
    }
}

// Pixel rows of a picture: r red, b blue, . transparent.
std::string rows(const Picture& picture) {
    std::string out;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t p = picture.pixel(x, y);
            out += p == Picture::kTransparent ? '.'
                   : p == 0xFFFF0000u         ? 'r'
                   : p == 0xFF0000FFu         ? 'b'
                                              : '?';
        }
        out += '|';
    }
    return out;
}

// Each case's image data covers only the rows that land on the screen and
// then stops, so decoding one row more than needed fails.
TEST(GifFrames, AreClippedToTheScreenAndNeverDecodedOutsideIt) {
    auto checkered = [](int width, int rowCount) {
        std::vector<std::uint8_t> indices;
        for (int row = 0; row < rowCount; ++row) {
            for (int column = 0; column < width; ++column)
                indices.push_back(std::uint8_t((row + column) % 2));
        }
        return indices;
    };
    // Rows of a 1 x 20 interlaced frame in the order they are stored, up to
    // row 1, the last of the three a 1 x 3 screen shows: rows 0, 8, 16, 4,
    // 12, 2, 6, 10, 14, 18, 1. Rows 0 and 2 blue, row 1 red.
    const std::vector<std::uint8_t> interlacedPrefix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    const Bytes noData = testing::literalImageData({}, true);

    struct Case {
        const char* name;
        unsigned screenWidth, screenHeight;
        GifFrameBytes frame;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"65535 rows, 3 on the screen", 4, 4,
         GifFrameBytes{1, 1, 8, 65535, false, testing::literalImageData(checkered(8, 3), true)},
         "....|.rbr|.brb|.rbr|"},
        {"as wide and tall as can be", 2, 2,
         GifFrameBytes{0, 0, 65535, 65535, false,
                       testing::literalImageData(checkered(65535, 2), true)},
         "rb|br|"},
        {"right of the screen", 2, 2, GifFrameBytes{2, 0, 65535, 65535, false, noData}, "..|..|"},
        {"below the screen", 2, 2, GifFrameBytes{0, 5, 2, 2, false, noData}, "..|..|"},
        {"interlaced, taller than the screen", 1, 3,
         GifFrameBytes{0, 0, 1, 20, true, testing::literalImageData(interlacedPrefix, true)},
         "b|r|b|"},
    };
    ScratchFolder folder{"gif-frames"};
    for (const Case& c : cases) {
        testing::writeBytes(folder / "frame.gif",
                            testing::gifBytes(c.screenWidth, c.screenHeight, c.frame));
        const PictureLoad loaded = Picture::load(folder / "frame.gif", PictureLimits{});
        ASSERT_TRUE(loaded.picture) << c.name << ": " << loaded.reason;
        EXPECT_EQ(rows(*loaded.picture), c.expected) << c.name;
    }
}

TEST(PictureLoad, SaysWhyAFileIsNoPicture) {
    ScratchFolder folder{"no-picture"};
    testing::writeGif(folder / "good.gif", 2, 2, {0xFF0000, 0x0000FF}, {0, 1, 1, 0});
    const Bytes gif = testing::readBytes(folder / "good.gif");
    struct Case {
        const char* name;
        std::optional<Bytes> bytes;  // none: no such file
        PictureProblem problem;
        std::string message;  // or how it begins
    };
    const std::vector<Case> cases = {
        {"fake.gif", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}, PictureProblem::NotAPicture,
         "'fake.gif' is not a GIF or JPEG picture (it does not begin like one)"},
        {"empty.jpg", Bytes{}, PictureProblem::NotAPicture,
         "'empty.jpg' is not a GIF or JPEG picture (the file is empty)"},
        // The rest of these two is the library's own wording.
        {"cut.gif", Bytes(gif.begin(), gif.begin() + 20), PictureProblem::Damaged,
         "'cut.gif' is not a GIF or JPEG picture (damaged GIF data: "},
        {"header.jpg", Bytes{0xFF, 0xD8, 0xFF, 0xD9}, PictureProblem::Damaged,
         "'header.jpg' is not a GIF or JPEG picture (damaged JPEG data: "},
        {"gone.gif", std::nullopt, PictureProblem::Unreadable,
         "'gone.gif' is not a GIF or JPEG picture (it cannot be read: No such file or directory)"},
    };
    for (const Case& c : cases) {
        if (c.bytes)
            testing::writeBytes(folder / c.name, *c.bytes);
        const PictureLoad loaded = Picture::load(folder / c.name, PictureLimits{});
        EXPECT_FALSE(loaded.picture) << c.name;
        EXPECT_EQ(loaded.problem, c.problem) << c.name;
        EXPECT_FALSE(loaded.overLimit()) << c.name;
        const std::string message = loaded.message(c.name);
        EXPECT_EQ(message.substr(0, c.message.size()), c.message);
        EXPECT_EQ(message.back(), ')') << message;
    }
    const PictureLoad folderItself = Picture::load(folder.path(), PictureLimits{});
    EXPECT_EQ(folderItself.problem, PictureProblem::Unreadable);
}

}  // namespace
}  // namespace wendle
