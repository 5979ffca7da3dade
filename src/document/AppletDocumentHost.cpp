#include "document/AppletDocumentHost.h"

#include <algorithm>

#include "document/NewDocument.h"

namespace wendle::document {

AppletDocumentHost::AppletDocumentHost() : applet_(newDocumentApplet()) {}

std::unique_ptr<TVelkForm> AppletDocumentHost::takeApplet() {
    auto taken = std::move(applet_);
    resetDocument();
    return taken;
}

void AppletDocumentHost::setObserver(AppletObserver* observer) {
    observer_ = observer;
    applet_->setObserver(observer);
}

TVelkForm& AppletDocumentHost::resetDocument() {
    // Release the old applet first: nothing of it may outlive the reset.
    applet_.reset();
    applet_ = newDocumentApplet();
    applet_->setObserver(observer_);
    return *applet_;
}

void AppletDocumentHost::addRecentDocument(const std::string& path) {
    std::erase(recentDocuments_, path);
    recentDocuments_.insert(recentDocuments_.begin(), path);
}

void AppletDocumentHost::showMessage(const std::string& text) {
    messages_.push_back(text);
}

void AppletDocumentHost::htmlRebuilt(const std::vector<std::string>& lines) {
    htmlLines_ = lines;
}

}  // namespace wendle::document
