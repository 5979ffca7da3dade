#pragma once

#include "document/Lifecycle.h"

namespace wendle {

class TmainWindow;

// The document layer's view of the editor: replacing the applet rebuilds
// the preview and properties windows, messages and questions go to the
// user's dialogs, and the HTML pane and button list follow the document.
class EditorDocumentHost : public document::LifecycleHost {
  public:
    explicit EditorDocumentHost(TmainWindow& main) : main_(main) {}

    TVelkForm& currentApplet() override;
    void adoptApplet(std::unique_ptr<TVelkForm> applet) override;
    Answer askSaveChanges() override;
    bool confirmOverwriteProgramFile(const std::string& path) override;
    std::string chooseOpenPath(const std::string& folder) override;
    std::string chooseSavePath(const std::string& folder) override;
    std::string documentsFolder() override;
    void showError(const std::string& text) override;

    TVelkForm& resetDocument() override;
    void deleteAppletCopies() override;
    void addRecentDocument(const std::string& path) override;
    void showMessage(const std::string& text) override;
    void updateGeneralWindow() override;
    void loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) override;
    void loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                        const std::string& fallbackFolder) override;
    void htmlRebuilt(const std::vector<std::string>& lines) override;

  private:
    TmainWindow& main_;
};

}  // namespace wendle
