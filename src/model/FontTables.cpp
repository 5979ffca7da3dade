#include "model/FontTables.h"

namespace wendle {

namespace {
constexpr std::array<int, 14> kPointSizes = {4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 36, 48};
}

std::optional<int> previewPointSize(int fontSize) {
    for (std::size_t i = 0; i < kFontSizes.size(); ++i) {
        if (kFontSizes[i] == fontSize)
            return kPointSizes[i];
    }
    return std::nullopt;
}

std::optional<const char*> typefaceOf(int index) {
    if (index < 0 || index >= int(kTypefaces.size()))
        return std::nullopt;
    return kTypefaces[std::size_t(index)];
}

}  // namespace wendle
