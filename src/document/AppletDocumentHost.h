#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "model/VelkForm.h"

namespace wendle::document {

// A host without windows: it owns the current applet, replaces it on
// resetDocument, keeps the messages and recent paths it is handed so the
// caller can print or inspect them, and loads no pictures. Used by the batch
// tool and the tests; the editor has its own host.
class AppletDocumentHost : public DocumentHost {
  public:
    AppletDocumentHost();

    TVelkForm& applet() { return *applet_; }
    // Hands the current applet over to the caller; a fresh one takes its place.
    std::unique_ptr<TVelkForm> takeApplet();

    // Wired into every applet this host puts in place.
    void setObserver(AppletObserver* observer);

    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& recentDocuments() const { return recentDocuments_; }
    const std::vector<std::string>& htmlLines() const { return htmlLines_; }

    TVelkForm& resetDocument() override;
    void addRecentDocument(const std::string& path) override;
    void showMessage(const std::string& text) override;
    void htmlRebuilt(const std::vector<std::string>& lines) override;

  private:
    std::unique_ptr<TVelkForm> applet_;
    AppletObserver* observer_ = nullptr;
    std::vector<std::string> messages_;
    std::vector<std::string> recentDocuments_;
    std::vector<std::string> htmlLines_;
};

}  // namespace wendle::document
