#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "image/PictureLimits.h"
#include "image/PictureLoad.h"

namespace wendle::decoders {

// The limits of one decoding, with its clock running from construction.
class DecodeBudget {
  public:
    explicit DecodeBudget(const PictureLimits& limits);

    const PictureLimits& limits() const { return limits_; }

    // The refusal for a picture of this size, or nothing when it fits both
    // the picture's and the document's budget. Sizes of 0 or below are
    // damaged data, and said to be.
    std::optional<PictureLoad> refuseSize(std::int64_t width, std::int64_t height,
                                          const char* damagedFormat) const;

    bool outOfTime() const { return now() > deadline_; }
    PictureLoad tooSlow() const;
    PictureLoad tooManyScans() const;

  private:
    std::chrono::steady_clock::time_point now() const;

    PictureLimits limits_;
    std::chrono::steady_clock::time_point deadline_;
};

}  // namespace wendle::decoders
