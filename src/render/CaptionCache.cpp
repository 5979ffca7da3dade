#include "render/CaptionCache.h"

#include <algorithm>

namespace wendle {

size_t qHash(const CaptionCache::Key& key, size_t seed) {
    return qHashMulti(seed, key.text, quintptr(key.typeface), key.points, key.style, key.alignment,
                      key.width, key.height);
}

CaptionCache& CaptionCache::instance() {
    static CaptionCache cache;
    return cache;
}

std::shared_ptr<const CaptionMask> CaptionCache::mask(const QString& text, const CaptionFont& font,
                                                      const char* typeface, int points, int style,
                                                      int alignment, int width, int height) {
    const Key key{text, typeface, points, style, alignment, width, height};
    {
        const std::lock_guard lock(mutex_);
        if (!enabled_)
            return nullptr;
        if (const auto found = masks_.constFind(key); found != masks_.cend())
            return found.value();
    }
    // Made outside the lock: shaping is the slow part, and two threads
    // making the same mask make the same pixels.
    std::shared_ptr<const CaptionMask> made =
        CaptionMask::make(text, font, alignment, width, height);
    const std::lock_guard lock(mutex_);
    if (masks_.size() >= kMaxEntries)
        masks_.clear();
    masks_.insert(key, made);
    return made;
}

void CaptionCache::setEnabled(bool enabled) {
    const std::lock_guard lock(mutex_);
    enabled_ = enabled;
}

bool CaptionCache::enabled() const {
    const std::lock_guard lock(mutex_);
    return enabled_;
}

void CaptionCache::clear() {
    const std::lock_guard lock(mutex_);
    masks_.clear();
}

qsizetype CaptionCache::size() const {
    const std::lock_guard lock(mutex_);
    return std::count_if(masks_.cbegin(), masks_.cend(),
                         [](const auto& mask) { return mask != nullptr; });
}

}  // namespace wendle
