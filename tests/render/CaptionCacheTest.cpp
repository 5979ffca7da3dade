// Captions stamped from cached masks must be the very pixels the painter
// draws: every template, in every state, whole and partly out of view.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "model/Editing.h"
#include "model/VelkForm.h"
#include "render/AppletPainter.h"
#include "render/CaptionCache.h"
#include "render/LoadImage.h"

namespace wendle {
namespace {

namespace fs = std::filesystem;

class PictureLoadingHost : public document::AppletDocumentHost {
  public:
    void loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) override {
        LoadImage(applet, fallbackFolder);
    }
    void loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                        const std::string& fallbackFolder) override {
        LoadImage(applet, panel, fallbackFolder);
    }
};

std::vector<fs::path> templates() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(WENDLE_PROGRAM_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("Toolbar ") && name.ends_with(".wdf"))
            found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// How the template is changed before drawing, so that masks are also
// stamped where the face is clipped, selected or shadowed.
enum class Variant { AsSaved, PartlyOutOfView, SelectedWithShadow };

struct Drawn {
    QImage image;
    qsizetype captionsCached = 0;
};

Drawn draw(const fs::path& path, int state, Variant variant, bool cached) {
    CaptionCache& cache = CaptionCache::instance();
    cache.clear();
    cache.setEnabled(cached);
    PictureLoadingHost host;
    const document::ReadResult read = document::readDocument(path.string(), host);
    EXPECT_TRUE(read.succeeded()) << path;
    TVelkForm& applet = host.applet();
    for (int slot : applet.usedSlots()) {
        for (int s = 1; s <= kStateCount; ++s) {
            TVelkPanel* face = applet.statePanel(s, slot);
            if (variant == Variant::PartlyOutOfView)
                face->setBounds(face->left() - 17, face->top() - 9, face->width(), face->height());
            if (variant == Variant::SelectedWithShadow) {
                face->setFontShadow(true);
                face->setFontAlignment(std::uint8_t(1 + slot % 3));
            }
        }
        if (variant == Variant::SelectedWithShadow && slot % 2 == 0)
            SelectOneItem(applet, slot);
    }
    Drawn drawn{renderApplet(applet, state), cache.size()};
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
                int differing = 0;
                QPoint first;
                for (int y = 0; y < painted.image.height(); ++y) {
                    for (int x = 0; x < painted.image.width(); ++x) {
                        if (painted.image.pixel(x, y) != stamped.image.pixel(x, y) &&
                            differing++ == 0)
                            first = QPoint(x, y);
                    }
                }
                EXPECT_EQ(differing, 0) << "first at " << first.x() << ", " << first.y();
            }
        }
    }
}

}  // namespace
}  // namespace wendle
