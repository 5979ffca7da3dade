#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

#include "RenderedImage.h"
#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "model/Editing.h"
#include "model/VelkForm.h"
#include "render/LoadImage.h"

namespace wendle::testing {

// Reads a document with its pictures, as the editor opens it.
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

// The templates the program ships, in name order.
inline std::vector<std::filesystem::path> templates() {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(WENDLE_PROGRAM_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("Toolbar ") && name.ends_with(".wdf"))
            found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// How a template is changed before drawing, so that captions are also
// drawn where the face is clipped, selected or shadowed.
enum class Variant { AsSaved, PartlyOutOfView, SelectedWithShadow };

// A template read and drawn in a state.
inline QImage drawTemplate(const std::filesystem::path& path, int state, Variant variant) {
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
    return renderedImage(applet, state);
}

// How many pixels differ between two pictures of one size, and the first.
struct Difference {
    int pixels = 0;
    int firstX = -1;
    int firstY = -1;
};

inline Difference differenceOf(const QImage& a, const QImage& b) {
    Difference found;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && found.pixels++ == 0) {
                found.firstX = x;
                found.firstY = y;
            }
        }
    }
    return found;
}

}  // namespace wendle::testing
