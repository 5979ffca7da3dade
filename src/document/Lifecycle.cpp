#include "document/Lifecycle.h"

#include <sys/stat.h>

#include <array>

#include "model/UpdatingControls.h"
#include "model/VelkForm.h"

namespace wendle::document {

namespace {

bool isFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string templateFileName(int number) {
    static constexpr std::array<const char*, 10> kFiles = {
        "Toolbar One.wdf",  "Toolbar Two.wdf", "Toolbar Three.wdf", "Toolbar Four.wdf",
        "Toolbar Five.wdf", "Toolbar Six.wdf", "Toolbar Seven.wdf", "Toolbar Eight.wdf",
        "Toolbar Ten.wdf",  "Toolbar Nine.wdf"};
    if (number < 0 || number >= int(kFiles.size()))
        return {};
    return kFiles[std::size_t(number)];
}

DocumentLifecycle::DocumentLifecycle(LifecycleHost& host, std::string programFolder)
    : host_(host), programFolder_(std::move(programFolder)) {}

DocumentLifecycle::Guard DocumentLifecycle::guard() {
    if (!host_.currentApplet().modified())
        return Guard::GoOnUnasked;
    switch (host_.askSaveChanges()) {
        case LifecycleHost::Answer::Cancel:
            return Guard::Stop;
        case LifecycleHost::Answer::No:
            return Guard::GoOnAsked;
        case LifecycleHost::Answer::Yes:
            break;
    }
    // The user asked to keep the work: a cancelled Save As is their choice,
    // a write that failed is not, and the work must not be thrown away.
    return saveDocument() == SaveStatus::Failed ? Guard::SaveFailed : Guard::GoOnAsked;
}

bool DocumentLifecycle::askSaveChanges() {
    const Guard answer = guard();
    return answer == Guard::GoOnAsked || answer == Guard::GoOnUnasked;
}

void DocumentLifecycle::newDocument() {
    const Guard answer = guard();
    if (answer == Guard::Stop || answer == Guard::SaveFailed)
        return;
    if (answer == Guard::GoOnAsked)
        host_.deleteAppletCopies();
    host_.resetDocument();
}

void DocumentLifecycle::open() {
    if (!askSaveChanges())
        return;
    const std::string path = host_.chooseOpenPath(programFolder_);
    if (path.empty())
        return;
    readDocument(path, host_);
}

void DocumentLifecycle::reopen(const std::string& path) {
    if (!askSaveChanges())
        return;
    readDocument(path, host_);
}

bool DocumentLifecycle::save() {
    return saveDocument() == SaveStatus::Saved;
}

bool DocumentLifecycle::saveAs() {
    return saveDocumentAs() == SaveStatus::Saved;
}

DocumentLifecycle::SaveStatus DocumentLifecycle::saveDocument() {
    if (host_.currentApplet().documentPath().empty())
        return saveDocumentAs();
    return writeDocument(host_.currentApplet(), host_).saved() ? SaveStatus::Saved
                                                               : SaveStatus::Failed;
}

DocumentLifecycle::SaveStatus DocumentLifecycle::saveDocumentAs() {
    const std::string path = host_.chooseSavePath(programFolder_);
    if (path.empty())
        return SaveStatus::Cancelled;
    TVelkForm& applet = host_.currentApplet();
    const std::string previous = applet.documentPath();
    applet.setDocumentPath(path);
    const bool saved = writeDocument(applet, host_).saved();
    // A failed Save As leaves the document where it was, so the next Save
    // does not aim at a file that was never written.
    if (!saved)
        applet.setDocumentPath(previous);
    return saved ? SaveStatus::Saved : SaveStatus::Failed;
}

void DocumentLifecycle::openTemplate(int number) {
    if (!askSaveChanges())
        return;
    const std::string name = templateFileName(number);
    const std::string path = programFolder_ + name;
    // A missing template leaves the current applet exactly as it is.
    if (name.empty() || !isFile(path))
        return;
    readDocument(path, host_);
    TVelkForm& applet = host_.currentApplet();
    applet.setDocumentPath({});
    applet.setModified(false);
}

bool DocumentLifecycle::close() {
    const Guard answer = guard();
    if (answer == Guard::Stop || answer == Guard::SaveFailed)
        return false;
    UpdatingControlsScope updating;
    host_.deleteAppletCopies();
    return true;
}

}  // namespace wendle::document
