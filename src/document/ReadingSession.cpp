#include "document/ReadingSession.h"

#include "document/DocumentHost.h"
#include "document/DocumentMessages.h"
#include "document/FieldReader.h"
#include "document/NewDocument.h"
#include "model/UpdatingControls.h"
#include "model/VelkPanel.h"
#include "platform/NamedFile.h"

namespace wendle::document {

namespace {

TVelkForm& replaceApplet(DocumentHost& host) {
    host.deleteAppletCopies();
    return host.resetDocument();
}

std::string folderWithSeparator(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

}  // namespace

ReadingSession::ReadingSession(DocumentHost& host, const std::string& path)
    : host_(host),
      applet_(replaceApplet(host)),
      path_(path),
      fallbackFolder_(folderWithSeparator(path)) {
    setUpdatingControls(true);
}

int ReadingSession::createButton(int ordinal, int count) {
    applet_.setButtonCount(ordinal);
    const CreateMenuItemResult created = applet_.CreateMenuItem();
    applet_.setButtonCount(count);
    if (!created.ok())
        throw ReadStopped{0, created.message};
    return created.slot;
}

void ReadingSession::loadStateImage(TVelkPanel& panel) {
    for (const std::string& candidate : {panel.imagePath(), fallbackFolder_ + panel.imageName()}) {
        if (candidate.empty() || candidate == fallbackFolder_)
            continue;
        if (auto found = platform::findNamedFile(candidate)) {
            if (found->text != panel.imagePath())
                panel.setImagePath(found->text);
            break;
        }
    }
    host_.loadStateImage(applet_, panel, fallbackFolder_);
}

int ReadingSession::usableClientHeight(int clientHeight, int line) {
    if (clientHeight >= kToolBarStrip)
        return clientHeight;
    note(document::stoppedMessage(
        path_,
        ReadStopped{line, messages::kHeightRaised + std::to_string(clientHeight) +
                              messages::kHeightRaisedTo + std::to_string(kToolBarStrip) + "."}));
    return kToolBarStrip;
}

std::string ReadingSession::stoppedMessage(const ReadStopped& stopped) const {
    return document::stoppedMessage(path_, stopped);
}

void ReadingSession::finish(bool complete) {
    applet_.setButtonCount(int(applet_.usedSlots().size()));
    setUpdatingControls(false);
    if (complete)
        applet_.setDocumentPath(path_);
    applyGeneralRefill(applet_);
    host_.updateGeneralWindow();
}

}  // namespace wendle::document
