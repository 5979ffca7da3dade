#include "document/WorkingFolders.h"

#include <algorithm>

#include "document/PublishFiles.h"
#include "document/PublishMessages.h"
#include "model/VelkPanel.h"

namespace wendle::document {

namespace {

// Every existing state object of every button, in the order of the buttons'
// creation and then state 1 to 3.
template <typename Visit>
void forEachState(const TVelkForm& applet, Visit visit) {
    for (const int slot : applet.usedSlots()) {
        for (int state = 1; state <= 3; ++state) {
            if (const TVelkPanel* panel = applet.statePanel(state, slot))
                visit(*panel);
        }
    }
}

// Copies the file of one name into the target folder; a file that is not
// what its role needs is skipped and said.
void copyNamed(const std::optional<std::string>& source, const std::string& name,
               const std::string& targetFolder, FileRole role, std::vector<std::string>& skipped) {
    // The name becomes a file of the target folder, so it must stay inside it.
    if (!source || !isPlainFileName(name))
        return;
    const CopyOutcome outcome = copyFileForRole(*source, targetFolder + fileSystemName(name), role);
    if (outcome != CopyOutcome::WrongContent)
        return;
    std::string message =
        "'" + *source + messages::kNotCopiedAs + fileSystemName(name) +
        (role == FileRole::Picture ? messages::kNotAPicture : messages::kNotASound);
    if (std::find(skipped.begin(), skipped.end(), message) == skipped.end())
        skipped.push_back(std::move(message));
}

// The folder of the document's file (file-system bytes), or none while the
// document has never been saved: an untitled document has no folder of its
// own, and its sounds are not looked for anywhere else.
std::optional<std::string> documentFolder(const TVelkForm& applet) {
    const std::string& path = applet.documentPath();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::nullopt;
    return path.substr(0, slash + 1);
}

std::optional<std::string> fileInFolder(const std::optional<std::string>& folder,
                                        const std::string& name) {
    if (!folder || !isPlainFileName(name))
        return std::nullopt;
    for (const std::string& candidate : {fileSystemName(name), name}) {
        if (isFile(*folder + candidate))
            return *folder + candidate;
    }
    return std::nullopt;
}

// Where a state's sound is copied from: its path, its name as stored, or a
// file of that name beside the document, whichever is found first.
std::optional<std::string> soundSource(const TVelkForm& applet, const TVelkPanel& panel) {
    if (auto found = existingFile(panel.soundPath()))
        return found;
    if (auto found = existingFile(panel.soundName()))
        return found;
    return fileInFolder(documentFolder(applet), panel.soundName());
}

void deleteBothCopies(const std::string& name, const WorkingFolders& folders) {
    if (name.empty())
        return;
    deleteCopy(folders.requiredFiles(), name);
    deleteCopy(folders.appletTemp(), name);
}

}  // namespace

std::vector<std::string> copyAppletFiles(const TVelkForm& applet, const std::string& targetFolder) {
    std::vector<std::string> skipped;
    // The background's name is the file the user typed or chose; when it is
    // not found as it stands, the path kept with it still finds the file, so
    // the copy never depends on which folder the program was started in.
    if (!applet.imageName().empty()) {
        auto source = existingFile(applet.imageName());
        if (!source)
            source = existingFile(applet.imagePath());
        copyNamed(source, applet.imageName(), targetFolder, FileRole::Picture, skipped);
    }
    forEachState(applet, [&](const TVelkPanel& panel) {
        if (!panel.imageName().empty()) {
            copyNamed(existingFile(panel.imagePath()), panel.imageName(), targetFolder,
                      FileRole::Picture, skipped);
        }
        // A sound without a path was typed by name only: the page is
        // expected to have it already.
        if (!panel.soundPath().empty()) {
            copyNamed(soundSource(applet, panel), panel.soundName(), targetFolder, FileRole::Sound,
                      skipped);
        }
    });
    return skipped;
}

void deleteAppletCopies(const TVelkForm& applet, const WorkingFolders& folders) {
    deleteBothCopies(applet.imageName(), folders);
    forEachState(applet, [&](const TVelkPanel& panel) {
        deleteBothCopies(panel.imageName(), folders);
        deleteBothCopies(panel.soundName(), folders);
    });
}

void deleteReplacedCopies(const std::string& oldName, const WorkingFolders& folders) {
    deleteBothCopies(oldName, folders);
}

void copyAppletClassFiles(const WorkingFolders& folders, const std::string& targetFolder) {
    for (const char* file : kAppletFiles)
        copyFileIfAbsent(folders.programFolder + file, targetFolder + file);
}

std::optional<std::string> refreshRequiredFiles(const TVelkForm& applet,
                                                const WorkingFolders& folders,
                                                std::vector<std::string>* skipped) {
    // Copies never replace a file, so the old copies go first: what is left
    // afterwards is exactly the applet's files as they are now.
    if (isFolder(folders.requiredFiles())) {
        deleteAppletCopies(applet, folders);
    } else if (auto error = createFolder(folders.requiredFiles())) {
        return error;
    }
    std::vector<std::string> refused = copyAppletFiles(applet, folders.requiredFiles());
    if (skipped)
        *skipped = std::move(refused);
    return std::nullopt;
}

std::optional<std::string> gatherClassFiles(const WorkingFolders& folders) {
    if (auto error = createFolder(folders.velkbutton()))
        return error;
    copyAppletClassFiles(folders, folders.velkbutton());
    return std::nullopt;
}

}  // namespace wendle::document
