#include <gtest/gtest.h>

#include "image/Picture.h"
#include "image/PictureFiles.h"

namespace wendle {
namespace {

using testing::GifFrame;
using testing::ScratchFolder;
using testing::writeGif;
using testing::writeJpeg;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

std::uint32_t opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

class PictureDecoding : public ::testing::Test {
  protected:
    ScratchFolder folder{"picture-decoding"};
};

TEST_F(PictureDecoding, GifGivesSizePaletteColoursAndTransparentPixels) {
    // Index 3 is the transparent one.
    writeGif(folder / "a.gif", 3, 2, {kRed, kGreen, kBlue, kWhite}, {0, 1, 2, 3, 2, 1}, 3);
    auto picture = Picture::fromFile(folder / "a.gif");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 3);
    EXPECT_EQ(picture->height(), 2);
    EXPECT_EQ(picture->pixel(0, 0), opaque(kRed));
    EXPECT_EQ(picture->pixel(1, 0), opaque(kGreen));
    EXPECT_EQ(picture->pixel(2, 0), opaque(kBlue));
    EXPECT_EQ(picture->pixel(0, 1), Picture::kTransparent);
    EXPECT_EQ(picture->pixel(2, 1), opaque(kGreen));
}

TEST_F(PictureDecoding, InterlacedGifRowsLandInPlace) {
    std::vector<std::uint8_t> indices;
    for (int row = 0; row < 9; ++row) indices.push_back(std::uint8_t(row % 4));
    writeGif(folder / "i.gif", 1, 9, {kRed, kGreen, kBlue, kWhite},
             {GifFrame{0, 0, 1, 9, indices, -1, true}});
    auto picture = Picture::fromFile(folder / "i.gif");
    ASSERT_TRUE(picture);
    const std::uint32_t expected[] = {kRed, kGreen, kBlue, kWhite};
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(picture->pixel(0, row), opaque(expected[row % 4])) << "row " << row;
    }
}

TEST_F(PictureDecoding, AnimatedGifShowsItsFirstFrameOnly) {
    // A 4 x 2 screen; the first frame covers its right half only, the second all of it.
    writeGif(folder / "anim.gif", 4, 2, {kRed, kGreen},
             {GifFrame{2, 0, 2, 2, {0, 0, 0, 0}, -1, false},
              GifFrame{0, 0, 4, 2, std::vector<std::uint8_t>(8, 1), -1, false}});
    auto picture = Picture::fromFile(folder / "anim.gif");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 4);
    EXPECT_EQ(picture->pixel(0, 0), Picture::kTransparent);  // not covered by frame 1
    EXPECT_EQ(picture->pixel(3, 1), opaque(kRed));
}

TEST_F(PictureDecoding, JpegColourAndGreyscale) {
    std::vector<std::uint32_t> rgb;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) rgb.push_back(x < 8 ? 0xC03020 : 0x2040A0);
    }
    writeJpeg(folder / "c.jpg", 16, 8, rgb);
    writeJpeg(folder / "g.jpg", 16, 8, std::vector<std::uint32_t>(128, 0x80), true);

    auto near = [](std::uint32_t pixel, std::uint32_t rgb) {
        for (int shift : {0, 8, 16}) {
            if (std::abs(int((pixel >> shift) & 0xFF) - int((rgb >> shift) & 0xFF)) > 3) {
                return false;
            }
        }
        return (pixel >> 24) == 0xFF;
    };
    auto colour = Picture::fromFile(folder / "c.jpg");
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->width(), 16);
    EXPECT_EQ(colour->height(), 8);
    EXPECT_TRUE(near(colour->pixel(2, 3), 0xC03020)) << std::hex << colour->pixel(2, 3);
    EXPECT_TRUE(near(colour->pixel(13, 5), 0x2040A0)) << std::hex << colour->pixel(13, 5);
    auto grey = Picture::fromFile(folder / "g.jpg");
    ASSERT_TRUE(grey);
    EXPECT_TRUE(near(grey->pixel(5, 5), 0x808080)) << std::hex << grey->pixel(5, 5);
}

TEST_F(PictureDecoding, JpegCutInsideItsImageDataKeepsItsSize) {
    std::vector<std::uint32_t> rgb(64 * 64);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = std::uint32_t(i * 2654435761u) & 0xFFFFFF;
    writeJpeg(folder / "full.jpg", 64, 64, rgb);
    auto bytes = testing::readBytes(folder / "full.jpg");
    bytes.resize(bytes.size() * 2 / 3);
    testing::writeBytes(folder / "cut.jpg", bytes);
    auto picture = Picture::fromFile(folder / "cut.jpg");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 64);
    EXPECT_EQ(picture->height(), 64);
}

// Patches a 16-bit number into a copy of a file.
std::vector<unsigned char> patched(std::vector<unsigned char> bytes, std::size_t at, unsigned value,
                                   bool bigEndian) {
    bytes.at(at) = (unsigned char)(bigEndian ? value >> 8 : value);
    bytes.at(at + 1) = (unsigned char)(bigEndian ? value : value >> 8);
    return bytes;
}

std::size_t startOfFrameAt(const std::vector<unsigned char>& jpeg) {
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i;
    }
    throw std::runtime_error("no SOF0 marker");
}

TEST_F(PictureDecoding, BrokenOrHostileFilesGiveNoPicture) {
    writeGif(folder / "good.gif", 2, 2, {kRed, kBlue}, {0, 1, 1, 0});
    writeJpeg(folder / "good.jpg", 8, 8, std::vector<std::uint32_t>(64, kGreen));
    const auto gif = testing::readBytes(folder / "good.gif");
    const auto jpeg = testing::readBytes(folder / "good.jpg");
    const std::size_t sof = startOfFrameAt(jpeg);

    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
    };
    const std::vector<Case> cases = {
        {"empty.gif", {}},
        {"text.jpg", {'h', 'e', 'l', 'l', 'o'}},
        {"header-only.gif", {'G', 'I', 'F', '8', '9', 'a'}},
        {"cut.gif", std::vector<unsigned char>(gif.begin(), gif.begin() + long(gif.size() / 2))},
        {"cut-header.jpg", std::vector<unsigned char>(jpeg.begin(), jpeg.begin() + long(sof))},
        // Declared sizes far beyond any page: refused before pixels are allocated.
        {"huge-screen.gif", patched(patched(gif, 6, 65535, false), 8, 65535, false)},
        {"huge.jpg", patched(patched(jpeg, sof + 5, 65500, true), sof + 7, 65500, true)},
        {"zero-height.jpg", patched(jpeg, sof + 5, 0, true)},
    };
    for (const Case& c : cases) {
        testing::writeBytes(folder / c.name, c.bytes);
        EXPECT_EQ(Picture::fromFile(folder / c.name), nullptr) << c.name;
    }
    EXPECT_EQ(Picture::fromFile(folder / "missing.gif"), nullptr);
    EXPECT_EQ(Picture::fromFile(folder.path()), nullptr) << "a folder";
}

}  // namespace
}  // namespace wendle
