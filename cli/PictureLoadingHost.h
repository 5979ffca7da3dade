#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "document/AppletDocumentHost.h"
#include "render/LoadImage.h"

namespace wendle::cli {

// Reads a document as Open does, pictures included: a picture not found at
// its path is looked for beside the document. A picture refused by a limit
// is drawn as none and listed once, however many faces name it.
// Header only: just the commands that draw include it, so wendle-cli itself
// never links the drawing code.
class PictureLoadingHost : public document::AppletDocumentHost {
  public:
    void loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) override {
        note(LoadImage(applet, fallbackFolder));
    }
    void loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                        const std::string& fallbackFolder) override {
        note(LoadImage(applet, panel, fallbackFolder));
    }
    // The messages of refused pictures, in the order first met.
    const std::vector<std::string>& refusedPictures() const { return refused_; }

  private:
    void note(const LoadImageReport& report) {
        if (report.worthTelling() &&
            std::find(refused_.begin(), refused_.end(), report.message) == refused_.end())
            refused_.push_back(report.message);
    }
    std::vector<std::string> refused_;
};

}  // namespace wendle::cli
