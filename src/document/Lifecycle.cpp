#include "document/Lifecycle.h"

#include <sys/stat.h>

#include <array>
#include <filesystem>

#include "document/NewDocument.h"
#include "model/UpdatingControls.h"
#include "model/VelkForm.h"

namespace wendle::document {

namespace {

bool isFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The reader's host while a file is read: the applet it fills is a fresh one
// kept here, and whatever would change the program for good (the recent
// documents, the old applet's working copies, the windows) waits until the
// read is known to be whole. Messages and pictures go through at once.
class StagingHost : public DocumentHost {
  public:
    explicit StagingHost(LifecycleHost& outer) : outer_(outer) {}

    TVelkForm& resetDocument() override {
        fresh_ = newDocumentApplet();
        return *fresh_;
    }
    void deleteAppletCopies() override { deleteCopies_ = true; }
    void addRecentDocument(const std::string& path) override { recent_ = path; }
    void showMessage(const std::string& text) override { outer_.showMessage(text); }
    void loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) override {
        outer_.loadAppletImage(applet, fallbackFolder);
    }
    void loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                        const std::string& fallbackFolder) override {
        outer_.loadStateImage(applet, panel, fallbackFolder);
    }

    // Puts the fresh applet in place; called only after a whole read.
    void commit() {
        if (!fresh_)
            return;
        if (deleteCopies_)
            outer_.deleteAppletCopies();
        outer_.adoptApplet(std::move(fresh_));
        if (!recent_.empty())
            outer_.addRecentDocument(recent_);
    }

  private:
    LifecycleHost& outer_;
    std::unique_ptr<TVelkForm> fresh_;
    bool deleteCopies_ = false;
    std::string recent_;
};

// The writer's host: what it reports about a save that failed is an error,
// not a note.
class SavingHost : public DocumentHost {
  public:
    explicit SavingHost(LifecycleHost& outer) : outer_(outer) {}

    TVelkForm& resetDocument() override { return outer_.resetDocument(); }
    void addRecentDocument(const std::string& path) override { outer_.addRecentDocument(path); }
    void showMessage(const std::string& text) override { outer_.showError(text); }
    void htmlRebuilt(const std::vector<std::string>& lines) override { outer_.htmlRebuilt(lines); }

  private:
    LifecycleHost& outer_;
};

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
    // The user asked to keep the work: unless it was written, a cancelled
    // Save As or a failed write must not let the command throw it away.
    return saveDocument() == SaveStatus::Saved ? Guard::GoOnAsked : Guard::Stop;
}

bool DocumentLifecycle::askSaveChanges() {
    return guard() != Guard::Stop;
}

void DocumentLifecycle::newDocument() {
    const Guard answer = guard();
    if (answer == Guard::Stop)
        return;
    if (answer == Guard::GoOnAsked)
        host_.deleteAppletCopies();
    host_.resetDocument();
}

ReadResult DocumentLifecycle::readIntoFreshApplet(const std::string& path) {
    StagingHost staging(host_);
    ReadResult result = readDocument(path, staging);
    if (result.succeeded())
        staging.commit();
    return result;
}

void DocumentLifecycle::open() {
    if (!askSaveChanges())
        return;
    const std::string path = host_.chooseOpenPath(openFolder());
    if (path.empty())
        return;
    openFile(path);
}

void DocumentLifecycle::reopen(const std::string& path) {
    if (!askSaveChanges())
        return;
    openFile(path);
}

bool DocumentLifecycle::openFile(const std::string& path) {
    const ReadResult result = readIntoFreshApplet(path);
    if (!result.succeeded())
        return false;
    // The reader's setters mark the applet changed; a document that holds
    // exactly what its file holds has nothing to save.
    if (result.asWritten)
        host_.currentApplet().setModified(false);
    lastOpenFolder_ = folderOf(path);
    return true;
}

std::string DocumentLifecycle::openFolder() const {
    return lastOpenFolder_.empty() ? programFolder_ : lastOpenFolder_;
}

std::string DocumentLifecycle::saveFolder() {
    const std::string folder = folderOf(host_.currentApplet().documentPath());
    return folder.empty() ? host_.documentsFolder() : folder;
}

bool DocumentLifecycle::save() {
    return saveDocument() == SaveStatus::Saved;
}

bool DocumentLifecycle::saveAs() {
    return saveDocumentAs() == SaveStatus::Saved;
}

bool DocumentLifecycle::liesInProgramFolder(const std::string& path) const {
    if (programFolder_.empty() || !isFile(path))
        return false;
    std::error_code error;
    const auto folder = std::filesystem::canonical(programFolder_, error);
    if (error)
        return false;
    const auto file = std::filesystem::canonical(path, error);
    return !error && file.parent_path() == folder;
}

DocumentLifecycle::SaveStatus DocumentLifecycle::write(TVelkForm& applet) {
    // The program's own files (the templates above all) are shared by every
    // applet made from them: writing over one takes a second yes.
    if (liesInProgramFolder(applet.documentPath()) &&
        !host_.confirmOverwriteProgramFile(applet.documentPath()))
        return SaveStatus::Cancelled;
    SavingHost saving(host_);
    return writeDocument(applet, saving).saved() ? SaveStatus::Saved : SaveStatus::Failed;
}

DocumentLifecycle::SaveStatus DocumentLifecycle::saveDocument() {
    if (host_.currentApplet().documentPath().empty())
        return saveDocumentAs();
    return write(host_.currentApplet());
}

DocumentLifecycle::SaveStatus DocumentLifecycle::saveDocumentAs() {
    const std::string path = host_.chooseSavePath(saveFolder());
    if (path.empty())
        return SaveStatus::Cancelled;
    TVelkForm& applet = host_.currentApplet();
    const std::string previous = applet.documentPath();
    applet.setDocumentPath(path);
    const SaveStatus status = write(applet);
    // A Save As that wrote nothing leaves the document where it was, so the
    // next Save does not aim at a file that was never written.
    if (status != SaveStatus::Saved)
        applet.setDocumentPath(previous);
    return status;
}

void DocumentLifecycle::openTemplate(int number) {
    if (!askSaveChanges())
        return;
    const std::string name = templateFileName(number);
    const std::string path = programFolder_ + name;
    // A missing template leaves the current applet exactly as it is.
    if (name.empty() || !isFile(path))
        return;
    if (!readIntoFreshApplet(path).succeeded())
        return;
    TVelkForm& applet = host_.currentApplet();
    applet.setDocumentPath({});
    applet.setModified(false);
}

bool DocumentLifecycle::close() {
    if (guard() == Guard::Stop)
        return false;
    UpdatingControlsScope updating;
    host_.deleteAppletCopies();
    return true;
}

}  // namespace wendle::document
