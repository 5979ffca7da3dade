#include "image/DecodeBudget.h"

#include "image/Messages.h"
#include "image/TextFormat.h"

namespace wendle::decoders {

DecodeBudget::DecodeBudget(const PictureLimits& limits) : limits_(limits) {
    deadline_ = now() + limits_.decodeTime;
}

std::chrono::steady_clock::time_point DecodeBudget::now() const {
    return limits_.clock ? limits_.clock() : std::chrono::steady_clock::now();
}

std::optional<PictureLoad> DecodeBudget::refuseSize(std::int64_t width, std::int64_t height,
                                                    const char* damagedFormat) const {
    namespace m = image_messages;
    if (width <= 0 || height <= 0) {
        return PictureLoad::refused(PictureProblem::Damaged,
                                    formatText(damagedFormat, "it declares no pixels"));
    }
    // Both sides come from 16-bit fields or are checked against 65535 by
    // the libraries, so the product cannot overflow.
    const std::int64_t pixels = width * height;
    if (pixels > limits_.picturePixels) {
        return PictureLoad::refused(
            PictureProblem::TooManyPixels,
            formatText(m::kTooManyPixels, (long long)width, (long long)height,
                       groupedNumber(limits_.picturePixels).c_str()));
    }
    if (pixels > limits_.documentPixelsLeft) {
        return PictureLoad::refused(
            PictureProblem::DocumentBudget,
            formatText(m::kDocumentBudget, (long long)width, (long long)height,
                       groupedNumber(kDocumentPixelBudget).c_str()));
    }
    return std::nullopt;
}

PictureLoad DecodeBudget::tooSlow() const {
    const auto tenths =
        std::chrono::duration_cast<std::chrono::milliseconds>(limits_.decodeTime).count() / 100;
    const std::string seconds =
        tenths % 10 == 0 ? std::to_string(tenths / 10)
                         : std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return PictureLoad::refused(PictureProblem::TooSlow,
                                formatText(image_messages::kTooSlow, seconds.c_str()));
}

PictureLoad DecodeBudget::tooManyScans() const {
    return PictureLoad::refused(PictureProblem::TooManyScans,
                                formatText(image_messages::kTooManyScans, limits_.jpegScans));
}

}  // namespace wendle::decoders
