#include <algorithm>
#include <array>
#include <vector>

#include "image/CodecLibraries.h"
#include "image/DecodeBudget.h"
#include "image/Decoders.h"
#include "image/Messages.h"
#include "image/TextFormat.h"

namespace wendle::decoders {

namespace {

// giflib's calls; decodeGif has made sure the library is open.
const codecs::GifCalls& lib() {
    return *codecs::gif();
}

// Where giflib reads from. Its reads come at most 255 bytes at a time, so
// they are where the time budget is checked even inside one row: a row can
// hold millions of codes (a clear code costs giflib thousands of steps).
// Out of time, the read fails and giflib gives up.
struct GifSource {
    std::FILE* file;
    const DecodeBudget& budget;
    bool outOfTime = false;
};

int readFromFile(GifFileType* gif, GifByteType* buffer, int length) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    if (source->budget.outOfTime()) {
        source->outOfTime = true;
        return 0;
    }
    return int(std::fread(buffer, 1, std::size_t(length), source->file));
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser() {
        int error = 0;
        lib().close(gif, &error);
    }
};

PictureLoad damaged(int errorCode) {
    const char* text = lib().errorString(errorCode);
    return PictureLoad::refused(PictureProblem::Damaged,
                                formatText(image_messages::kDamagedGif, text ? text : "unknown"));
}

// giflib failed: the data is damaged, or the reads were cut off in time.
PictureLoad damaged(const GifFileType* gif) {
    const auto* source = static_cast<const GifSource*>(gif->UserData);
    return source->outOfTime ? source->budget.tooSlow() : damaged(gif->Error);
}

// The rows of the frame that land on the screen, in the order the file
// stores them: an interlaced frame's rows arrive in four passes. Decoding
// stops after the last of them, so no row below the screen is ever decoded;
// only an interlaced frame's earlier passes must be read through to reach
// its later ones.
struct RowPlan {
    std::vector<int> order;  // every frame row up to the last one needed
    int visibleRows = 0;     // rows 0 .. visibleRows - 1 land on the screen
};

RowPlan planRows(int frameHeight, int visibleRows, bool interlaced) {
    RowPlan plan;
    plan.visibleRows = visibleRows;
    if (visibleRows <= 0)
        return plan;
    if (!interlaced) {
        for (int row = 0; row < visibleRows; ++row) plan.order.push_back(row);
        return plan;
    }
    constexpr std::array<int, 4> kStart = {0, 4, 2, 1};
    constexpr std::array<int, 4> kStep = {8, 8, 4, 2};
    std::size_t lastNeeded = 0;
    for (std::size_t pass = 0; pass < kStart.size(); ++pass) {
        for (int row = kStart[pass]; row < frameHeight; row += kStep[pass]) {
            plan.order.push_back(row);
            if (row < visibleRows)
                lastNeeded = plan.order.size();
        }
    }
    plan.order.resize(lastNeeded);
    return plan;
}

PictureLoad readFirstFrame(GifFileType* gif, int transparentIndex, const DecodeBudget& budget) {
    if (lib().getImageDesc(gif) == GIF_ERROR)
        return damaged(gif);
    const GifImageDesc& frame = gif->Image;
    if (frame.Width <= 0 || frame.Height <= 0)
        return damaged(D_GIF_ERR_IMAGE_DEFECT);
    const ColorMapObject* palette = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!palette || !palette->Colors)
        return damaged(D_GIF_ERR_NO_COLOR_MAP);

    // Some writers leave the logical screen at 0 x 0; the frame then sets the size.
    const bool screenSet = gif->SWidth > 0 && gif->SHeight > 0;
    const std::int64_t width = screenSet ? gif->SWidth : std::int64_t(frame.Left) + frame.Width;
    const std::int64_t height = screenSet ? gif->SHeight : std::int64_t(frame.Top) + frame.Height;
    if (auto refusal = budget.refuseSize(width, height, image_messages::kDamagedGif))
        return std::move(*refusal);

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

    // The frame clipped to the screen, before anything is decoded.
    const int visibleRows = int(std::clamp<std::int64_t>(height - frame.Top, 0, frame.Height));
    const int visibleColumns = int(std::clamp<std::int64_t>(width - frame.Left, 0, frame.Width));
    const RowPlan plan =
        planRows(frame.Height, visibleColumns > 0 ? visibleRows : 0, frame.Interlace);

    // What the first frame does not cover stays transparent.
    std::vector<std::uint32_t> pixels(std::size_t(width * height), Picture::kTransparent);
    std::vector<GifPixelType> line(std::size_t(frame.Width));
    for (int row : plan.order) {
        if (budget.outOfTime())
            return budget.tooSlow();
        if (lib().getLine(gif, line.data(), frame.Width) == GIF_ERROR)
            return damaged(gif);
        if (row >= plan.visibleRows)
            continue;
        std::uint32_t* out = &pixels[std::size_t((frame.Top + row) * width + frame.Left)];
        for (int column = 0; column < visibleColumns; ++column) {
            out[column] = colours[line[std::size_t(column)]];
        }
    }
    return PictureLoad{std::make_unique<Picture>(int(width), int(height), std::move(pixels)),
                       PictureProblem::None,
                       {}};
}

}  // namespace

PictureLoad decodeGif(std::FILE* file, const PictureLimits& limits) {
    if (!codecs::gif()) {
        return PictureLoad::refused(
            PictureProblem::NoDecoder,
            formatText(image_messages::kNoDecoder, "GIF", codecs::missingGif()));
    }
    const DecodeBudget budget(limits);
    GifSource source{file, budget};
    int error = 0;
    GifFileType* gif = lib().open(&source, readFromFile, &error);
    if (!gif)
        return source.outOfTime ? budget.tooSlow() : damaged(error);
    GifCloser closer{gif};
    // The screen's size is known now: a bomb is refused before any record
    // is read, let alone any pixel memory taken.
    if (gif->SWidth > 0 && gif->SHeight > 0) {
        if (auto refusal =
                budget.refuseSize(gif->SWidth, gif->SHeight, image_messages::kDamagedGif))
            return std::move(*refusal);
    }

    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        if (budget.outOfTime())
            return budget.tooSlow();
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (lib().getRecordType(gif, &type) == GIF_ERROR)
            return damaged(gif);
        switch (type) {
            case EXTENSION_RECORD_TYPE: {
                int code = 0;
                GifByteType* block = nullptr;
                if (lib().getExtension(gif, &code, &block) == GIF_ERROR)
                    return damaged(gif);
                if (code == GRAPHICS_EXT_FUNC_CODE && block) {
                    GraphicsControlBlock control{};
                    if (lib().extensionToGcb(block[0], block + 1, &control) == GIF_OK) {
                        transparentIndex = control.TransparentColor;
                    }
                }
                while (block) {
                    if (lib().getExtensionNext(gif, &block) == GIF_ERROR)
                        return damaged(gif);
                }
                break;
            }
            case IMAGE_DESC_RECORD_TYPE:
                // Only the first frame of an animation is shown.
                return readFirstFrame(gif, transparentIndex, budget);
            case TERMINATE_RECORD_TYPE:
                return PictureLoad::refused(PictureProblem::Damaged, image_messages::kNoFrame);
            default:
                break;
        }
    }
}

}  // namespace wendle::decoders
