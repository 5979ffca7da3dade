#include "render/CaptionCache.h"

#include <algorithm>

namespace wendle {

CaptionCache& CaptionCache::instance() {
    static CaptionCache cache;
    return cache;
}

std::shared_ptr<const CaptionMask> CaptionCache::mask(const QString& text, const QFont& font,
                                                      const char* typeface, int points, int style,
                                                      int alignment, int width, int height) {
    // Everything the covered pixels depend on; the text last, so no field
    // can run into another.
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|")
                            .arg(QLatin1StringView(typeface))
                            .arg(points)
                            .arg(style)
                            .arg(alignment)
                            .arg(width)
                            .arg(height) +
                        text;
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
