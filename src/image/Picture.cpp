#include "image/Picture.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "image/Decoders.h"
#include "image/Messages.h"
#include "image/PictureLoad.h"
#include "image/TextFormat.h"

namespace wendle {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool isTransparent(std::uint32_t pixel) {
    return (pixel >> 24) == 0;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Picture::Picture(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(std::move(pixels)) {
    if (pixels_.size() != std::size_t(width_) * std::size_t(height_)) {
        throw std::invalid_argument("Picture: pixel count does not match the size");
    }
}

PictureLoad Picture::load(const std::filesystem::path& path, const PictureLimits& limits) {
    namespace m = image_messages;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return PictureLoad::refused(PictureProblem::Unreadable,
                                    formatText(m::kUnreadable, std::strerror(errno)));
    }
    std::array<unsigned char, 3> magic{};
    const std::size_t got = std::fread(magic.data(), 1, magic.size(), file.get());
    if (std::ferror(file.get())) {
        // A folder opens, but reading it fails.
        return PictureLoad::refused(PictureProblem::Unreadable,
                                    formatText(m::kUnreadable, std::strerror(errno)));
    }
    std::rewind(file.get());
    try {
        if (got == 3 && magic[0] == 'G' && magic[1] == 'I' && magic[2] == 'F')
            return decoders::decodeGif(file.get(), limits);
        if (got == 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF)
            return decoders::decodeJpeg(file.get(), limits);
    } catch (const std::bad_alloc&) {
        return PictureLoad::refused(PictureProblem::TooManyPixels, m::kOutOfMemory);
    }
    return PictureLoad::refused(PictureProblem::NotAPicture,
                                got == 0 ? m::kEmpty : m::kNoSignature);
}

std::unique_ptr<Picture> Picture::fromFile(const std::filesystem::path& path) {
    return load(path, PictureLimits{}).picture;
}

std::string PictureLoad::message(std::string_view fileName) const {
    if (problem == PictureProblem::None)
        return {};
    const std::string name(fileName);
    return formatText(notShown() ? image_messages::kNotLoaded : image_messages::kNotAPicture,
                      name.c_str(), reason.c_str());
}

void Picture::drawAt(const PixelView& target, int x, int y) const {
    if (target.empty())
        return;
    // Work in 64 bits: a far-off position plus the picture's size must not wrap.
    const std::int64_t x0 = std::max<std::int64_t>(x, target.left);
    const std::int64_t x1 =
        std::min<std::int64_t>(std::int64_t(x) + width_, std::int64_t(target.left) + target.width);
    const std::int64_t y0 = std::max<std::int64_t>(y, target.top);
    const std::int64_t y1 =
        std::min<std::int64_t>(std::int64_t(y) + height_, std::int64_t(target.top) + target.height);
    if (x0 >= x1 || y0 >= y1)
        return;
    for (std::int64_t ty = y0; ty < y1; ++ty) {
        const std::uint32_t* source = &pixels_[std::size_t(ty - y) * std::size_t(width_)];
        std::uint32_t* out = target.row(int(ty));
        for (std::int64_t tx = x0; tx < x1; ++tx) {
            const std::uint32_t pixel = source[tx - x];
            if (!isTransparent(pixel))
                out[tx - target.left] = pixel | kOpaque;
        }
    }
}

void Picture::drawStretched(const PixelView& target, int left, int top, int right,
                            int bottom) const {
    const std::int64_t dw = std::int64_t(right) - left;
    const std::int64_t dh = std::int64_t(bottom) - top;
    if (target.empty() || dw <= 0 || dh <= 0 || width_ == 0 || height_ == 0)
        return;
    const std::int64_t x0 = std::max<std::int64_t>(left, target.left);
    const std::int64_t x1 = std::min<std::int64_t>(right, std::int64_t(target.left) + target.width);
    const std::int64_t y0 = std::max<std::int64_t>(top, target.top);
    const std::int64_t y1 =
        std::min<std::int64_t>(bottom, std::int64_t(target.top) + target.height);
    if (x0 >= x1 || y0 >= y1)
        return;

    // The picture column under the centre of each target column, worked out once.
    std::vector<int> sourceColumn(std::size_t(x1 - x0));
    for (std::int64_t tx = x0; tx < x1; ++tx) {
        sourceColumn[std::size_t(tx - x0)] = int(((tx - left) * 2 + 1) * width_ / (2 * dw));
    }
    for (std::int64_t ty = y0; ty < y1; ++ty) {
        const std::int64_t sy = ((ty - top) * 2 + 1) * height_ / (2 * dh);
        const std::uint32_t* source = &pixels_[std::size_t(sy) * std::size_t(width_)];
        std::uint32_t* out = target.row(int(ty)) + (x0 - target.left);
        for (std::size_t i = 0; i < sourceColumn.size(); ++i) {
            const std::uint32_t pixel = source[sourceColumn[i]];
            if (!isTransparent(pixel))
                out[i] = pixel | kOpaque;
        }
    }
}

}  // namespace wendle
