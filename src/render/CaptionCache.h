#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <mutex>

#include "render/CaptionMask.h"

namespace wendle {

// The caption masks made so far, shared by every face of every applet: a
// bar's buttons mostly share their font and size, and a caption drawn for
// one state is the same in the others. Bounded; when full it starts again.
class CaptionCache {
  public:
    static CaptionCache& instance();

    // The mask of text in typeface / points / style, aligned in a width x
    // height box; made on first use. Null when the caption has to be drawn
    // by the font directly (see CaptionMask::make) or the cache is switched off.
    std::shared_ptr<const CaptionMask> mask(const QString& text, const CaptionFont& font,
                                            const char* typeface, int points, int style,
                                            int alignment, int width, int height);

    // Switched off, every caption is drawn by its font directly, as a
    // reference for the masks.
    void setEnabled(bool enabled);
    bool enabled() const;
    void clear();
    // How many captions are kept as masks.
    qsizetype size() const;

    static constexpr qsizetype kMaxEntries = 2048;

    // Everything the covered pixels depend on.
    struct Key {
        QString text;
        const char* typeface;  // from the typeface table: one pointer per name
        int points;
        int style;
        int alignment;
        int width;
        int height;
        bool operator==(const Key&) const = default;
    };

  private:
    mutable std::mutex mutex_;
    bool enabled_ = true;
    QHash<Key, std::shared_ptr<const CaptionMask>> masks_;
};

size_t qHash(const CaptionCache::Key& key, size_t seed = 0);

}  // namespace wendle
