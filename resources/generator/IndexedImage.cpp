#include "IndexedImage.h"

#include <algorithm>
#include <array>
#include <map>

namespace wendle::content {

namespace {

struct ColourCount {
    QRgb rgb;
    std::uint32_t count;
};

int channel(QRgb rgb, int which) {
    return which == 0 ? qRed(rgb) : which == 1 ? qGreen(rgb) : qBlue(rgb);
}

// A box of colours that median cut splits along its widest channel.
struct Box {
    std::vector<ColourCount> colours;

    int widestChannel(int* range) const {
        int best = 0;
        *range = -1;
        for (int c = 0; c < 3; ++c) {
            int low = 255, high = 0;
            for (const auto& entry : colours) {
                low = std::min(low, channel(entry.rgb, c));
                high = std::max(high, channel(entry.rgb, c));
            }
            if (high - low > *range) {
                *range = high - low;
                best = c;
            }
        }
        return best;
    }

    QRgb average() const {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t total = 0;
        for (const auto& entry : colours) {
            for (int c = 0; c < 3; ++c)
                sum[std::size_t(c)] += std::uint64_t(channel(entry.rgb, c)) * entry.count;
            total += entry.count;
        }
        auto mean = [&](int c) { return int((sum[std::size_t(c)] + total / 2) / total); };
        return qRgb(mean(0), mean(1), mean(2));
    }
};

std::vector<QRgb> medianCut(std::vector<ColourCount> colours, std::size_t wanted) {
    std::vector<Box> boxes{Box{std::move(colours)}};
    while (boxes.size() < wanted) {
        // The box with the widest spread that can still be split.
        int bestRange = 0, bestChannel = 0;
        std::size_t best = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            int range = 0;
            const int c = boxes[i].widestChannel(&range);
            if (range > bestRange) {
                bestRange = range;
                bestChannel = c;
                best = i;
            }
        }
        if (best == boxes.size())
            break;
        auto& entries = boxes[best].colours;
        std::sort(entries.begin(), entries.end(), [&](const ColourCount& a, const ColourCount& b) {
            const int ca = channel(a.rgb, bestChannel), cb = channel(b.rgb, bestChannel);
            return ca != cb ? ca < cb : a.rgb < b.rgb;
        });
        std::uint64_t total = 0;
        for (const auto& entry : entries) total += entry.count;
        std::uint64_t running = 0;
        std::size_t split = 1;
        for (; split < entries.size(); ++split) {
            running += entries[split - 1].count;
            if (running * 2 >= total)
                break;
        }
        split = std::clamp<std::size_t>(split, 1, entries.size() - 1);
        Box upper{std::vector<ColourCount>(entries.begin() + std::ptrdiff_t(split), entries.end())};
        entries.resize(split);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto& box : boxes) palette.push_back(box.average());
    return palette;
}

std::uint8_t nearest(const std::vector<QRgb>& palette, QRgb rgb, std::size_t count) {
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const long dr = qRed(rgb) - qRed(palette[i]);
        const long dg = qGreen(rgb) - qGreen(palette[i]);
        const long db = qBlue(rgb) - qBlue(palette[i]);
        const long distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return std::uint8_t(best);
}

}  // namespace

IndexedImage quantise(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();

    std::map<QRgb, std::uint32_t> counts;
    bool anyTransparent = false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) < 128) {
                anyTransparent = true;
            } else {
                ++counts[row[x] | 0xFF000000u];
            }
        }
    }
    const std::size_t room = anyTransparent ? 255 : 256;
    std::vector<ColourCount> colours;
    for (const auto& [rgb, count] : counts) colours.push_back({rgb, count});

    std::map<QRgb, std::uint8_t> lookup;
    if (colours.size() <= room) {
        for (const auto& entry : colours) {
            lookup[entry.rgb] = std::uint8_t(out.palette.size());
            out.palette.push_back(entry.rgb);
        }
    } else {
        out.palette = medianCut(colours, room);
        for (const auto& entry : colours)
            lookup[entry.rgb] = nearest(out.palette, entry.rgb, out.palette.size());
    }
    if (anyTransparent) {
        out.transparentIndex = int(out.palette.size());
        // Any colour will do; white keeps old viewers that ignore
        // transparency from showing a dark box.
        out.palette.push_back(qRgb(255, 255, 255));
    }

    out.indices.reserve(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.indices.push_back(qAlpha(row[x]) < 128 ? std::uint8_t(out.transparentIndex)
                                                       : lookup[row[x] | 0xFF000000u]);
        }
    }
    return out;
}

}  // namespace wendle::content
