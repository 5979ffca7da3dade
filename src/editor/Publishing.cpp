#include "editor/Publishing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "document/PublishMessages.h"
#include "document/TestPage.h"
#include "editor/AppletDocument.h"
#include "editor/UserDialogs.h"
#include "platform/Folders.h"

namespace wendle {

Publishing::Publishing(UserDialogs& dialogs, AppletDocument& document, QString programFolder,
                       std::function<std::string()> browserChoice)
    : dialogs_(dialogs),
      document_(document),
      programFolder_(std::move(programFolder)),
      browserChoice_(std::move(browserChoice)) {}

document::WorkingFolders Publishing::workingFolders() const {
    return {QFile::encodeName(programFolder_).toStdString(), platform::workingFolderBase()};
}

void Publishing::testInBrowser(const std::vector<std::string>& htmlLines) {
    const document::WorkingFolders folders = workingFolders();
    if (const auto error = document::buildTestSite(document_.applet(), htmlLines, folders)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    const std::string page = document::testPagePath(folders);
    const auto launch = document::browserLaunch(browserChoice_(), page);
    switch (launch.kind) {
        case document::BrowserLaunch::Kind::DefaultBrowser:
            // A desktop without a default browser simply shows nothing.
            dialogs_.openExternal(QFile::decodeName(page.c_str()));
            break;
        case document::BrowserLaunch::Kind::Program:
            launchProgram(QFile::decodeName(launch.file.c_str()),
                          QFile::decodeName(launch.parameters.c_str()),
                          QFile::decodeName(launch.workingFolder.c_str()));
            break;
        case document::BrowserLaunch::Kind::NoBrowser:
            dialogs_.showMessage(document::messages::kSelectBrowser);
            break;
    }
}

void Publishing::showImagesAndSounds() {
    const document::WorkingFolders folders = workingFolders();
    if (const auto error = document::refreshRequiredFiles(document_.applet(), folders)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    const QString folder = QFile::decodeName(folders.requiredFiles().c_str());
    launchProgram(folder, folder, folder);
}

void Publishing::showClassFiles() {
    const document::WorkingFolders folders = workingFolders();
    if (const auto error = document::gatherClassFiles(folders)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    const QString folder = QFile::decodeName(folders.velkbutton().c_str());
    launchProgram(folder, folder.chopped(1), folder);
}

void Publishing::launchProgram(const QString& file, const QString& parameters,
                               const QString& workingFolder) {
    const QString target = QDir::isAbsolutePath(file) ? file : workingFolder + file;
    if (QFileInfo(target).isDir()) {
        dialogs_.openExternal(target);
    } else {
        dialogs_.startProgram(target, parameters, workingFolder);
    }
}

void Publishing::deleteAppletCopies() {
    document::deleteAppletCopies(document_.applet(), workingFolders());
}

void Publishing::deleteReplacedCopies(const std::string& oldName) {
    document::deleteReplacedCopies(oldName, workingFolders());
}

}  // namespace wendle
