#include <gif_lib.h>

#include <array>
#include <vector>

#include "image/Decoders.h"
#include "image/PictureLimits.h"

namespace wendle::decoders {

namespace {

int readFromFile(GifFileType* gif, GifByteType* buffer, int length) {
    return int(std::fread(buffer, 1, std::size_t(length), static_cast<std::FILE*>(gif->UserData)));
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser() {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Rows of an interlaced frame arrive in four passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(std::size_t(height));
    if (!interlaced) {
        for (int row = 0; row < height; ++row) order.push_back(row);
        return order;
    }
    constexpr std::array<int, 4> kStart = {0, 4, 2, 1};
    constexpr std::array<int, 4> kStep = {8, 8, 4, 2};
    for (std::size_t pass = 0; pass < kStart.size(); ++pass) {
        for (int row = kStart[pass]; row < height; row += kStep[pass]) order.push_back(row);
    }
    return order;
}

std::unique_ptr<Picture> readFirstFrame(GifFileType* gif, int transparentIndex) {
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        return nullptr;
    const GifImageDesc& frame = gif->Image;
    if (frame.Width <= 0 || frame.Height <= 0)
        return nullptr;
    const ColorMapObject* palette = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!palette || !palette->Colors)
        return nullptr;

    // Some writers leave the logical screen at 0 x 0; the frame then sets the size.
    const std::int64_t width =
        gif->SWidth > 0 ? gif->SWidth : std::int64_t(frame.Left) + frame.Width;
    const std::int64_t height =
        gif->SHeight > 0 ? gif->SHeight : std::int64_t(frame.Top) + frame.Height;
    if (!pictureSizeAllowed(width, height))
        return nullptr;

    std::array<std::uint32_t, 256> colours{};
    colours.fill(0xFF000000u);  // indices beyond the palette show black
    for (int i = 0; i < palette->ColorCount && i < 256; ++i) {
        const GifColorType& c = palette->Colors[i];
        colours[std::size_t(i)] =
            0xFF000000u | (std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | c.Blue;
    }
    if (transparentIndex >= 0 && transparentIndex < 256) {
        colours[std::size_t(transparentIndex)] = Picture::kTransparent;
    }

    // What the first frame does not cover stays transparent.
    std::vector<std::uint32_t> pixels(std::size_t(width * height), Picture::kTransparent);
    std::vector<GifPixelType> line(std::size_t(frame.Width));
    for (int row : rowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
            return nullptr;
        const std::int64_t y = std::int64_t(frame.Top) + row;
        if (y < 0 || y >= height)
            continue;
        std::uint32_t* out = &pixels[std::size_t(y * width)];
        for (int column = 0; column < frame.Width; ++column) {
            const std::int64_t x = std::int64_t(frame.Left) + column;
            if (x >= 0 && x < width)
                out[x] = colours[line[std::size_t(column)]];
        }
    }
    return std::make_unique<Picture>(int(width), int(height), std::move(pixels));
}

}  // namespace

std::unique_ptr<Picture> decodeGif(std::FILE* file) {
    int error = 0;
    GifFileType* gif = DGifOpen(file, readFromFile, &error);
    if (!gif)
        return nullptr;
    GifCloser closer{gif};

    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return nullptr;
        switch (type) {
            case EXTENSION_RECORD_TYPE: {
                int code = 0;
                GifByteType* block = nullptr;
                if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                    return nullptr;
                if (code == GRAPHICS_EXT_FUNC_CODE && block) {
                    GraphicsControlBlock control{};
                    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
                        transparentIndex = control.TransparentColor;
                    }
                }
                while (block) {
                    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                        return nullptr;
                }
                break;
            }
            case IMAGE_DESC_RECORD_TYPE:
                // Only the first frame of an animation is shown.
                return readFirstFrame(gif, transparentIndex);
            case TERMINATE_RECORD_TYPE:
                return nullptr;
            default:
                break;
        }
    }
}

}  // namespace wendle::decoders
