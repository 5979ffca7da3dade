// Captions stamped from cached masks must be the very pixels the painter
// draws: every template, in every state, whole and partly out of view.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "TemplateDocuments.h"
#include "model/VelkForm.h"
#include "render/CaptionCache.h"

namespace wendle {
namespace {

namespace fs = std::filesystem;
using testing::templates;
using testing::Variant;

struct Drawn {
    QImage image;
    qsizetype captionsCached = 0;
};

Drawn draw(const fs::path& path, int state, Variant variant, bool cached) {
    CaptionCache& cache = CaptionCache::instance();
    cache.clear();
    cache.setEnabled(cached);
    Drawn drawn{testing::drawTemplate(path, state, variant), cache.size()};
    cache.setEnabled(true);
    return drawn;
}

TEST(CaptionCache, MasksDrawEveryTemplateInEveryStateAsThePainterDoes) {
    const std::vector<fs::path> all = templates();
    ASSERT_GE(all.size(), 10u) << "the build lays out the templates in " << WENDLE_PROGRAM_DIR;
    const Variant variants[] = {Variant::AsSaved, Variant::PartlyOutOfView,
                                Variant::SelectedWithShadow};
    for (const fs::path& path : all) {
        for (int state = 1; state <= kStateCount; ++state) {
            for (Variant variant : variants) {
                SCOPED_TRACE(path.filename().string() + ", state " + std::to_string(state) +
                             ", variant " + std::to_string(int(variant)));
                const Drawn painted = draw(path, state, variant, false);
                const Drawn stamped = draw(path, state, variant, true);
                ASSERT_FALSE(painted.image.isNull());
                EXPECT_EQ(painted.captionsCached, 0);
                EXPECT_GT(stamped.captionsCached, 0) << "the captions came from the cache";
                ASSERT_EQ(painted.image.size(), stamped.image.size());
                const testing::Difference difference =
                    testing::differenceOf(painted.image, stamped.image);
                EXPECT_EQ(difference.pixels, 0)
                    << "first at " << difference.firstX << ", " << difference.firstY;
            }
        }
    }
}

}  // namespace
}  // namespace wendle
