#include "editor/Publishing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "document/PublishMessages.h"
#include "document/TestPage.h"
#include "editor/AppletDocument.h"
#include "editor/Texts.h"
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

void Publishing::showSkippedFiles(const std::vector<std::string>& skipped) {
    // File paths are the file system's bytes; the name after them is too.
    QStringList lines;
    for (const std::string& line : skipped) lines << QFile::decodeName(line.c_str());
    if (!lines.isEmpty())
        dialogs_.showMessage(lines.join(QLatin1Char('\n')));
}

void Publishing::testInBrowser(const std::vector<std::string>& htmlLines) {
    const document::WorkingFolders folders = workingFolders();
    std::vector<std::string> skipped;
    if (const auto error =
            document::buildTestSite(document_.applet(), htmlLines, folders, &skipped)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    showSkippedFiles(skipped);
    openInBrowser(document::testPagePath(folders), WithoutChoice::AskForOne);
}

void Publishing::openInBrowser(const std::string& page, WithoutChoice withoutChoice) {
    auto launch = document::browserLaunch(browserChoice_(), page);
    if (launch.kind == document::BrowserLaunch::Kind::NoBrowser) {
        if (withoutChoice == WithoutChoice::AskForOne) {
            dialogs_.showMessage(document::messages::kSelectBrowser);
            return;
        }
        launch.kind = document::BrowserLaunch::Kind::DefaultBrowser;
    }
    // A desktop opener that starts but finds no browser cannot be told
    // apart from one that did; what fails to start at all is reported.
    const QString error = launch.kind == document::BrowserLaunch::Kind::Program
                              ? launchProgram(QFile::decodeName(launch.file.c_str()),
                                              QFile::decodeName(launch.parameters.c_str()),
                                              QFile::decodeName(launch.workingFolder.c_str()))
                              : dialogs_.openExternal(QFile::decodeName(page.c_str()));
    if (!error.isEmpty())
        dialogs_.showWarning(QString(texts::kBrowserNotStarted).arg(error));
}

void Publishing::showImagesAndSounds() {
    const document::WorkingFolders folders = workingFolders();
    std::vector<std::string> skipped;
    if (const auto error = document::refreshRequiredFiles(document_.applet(), folders, &skipped)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    showSkippedFiles(skipped);
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

QString Publishing::launchProgram(const QString& file, const QString& parameters,
                                  const QString& workingFolder) {
    const QString target = QDir::isAbsolutePath(file) ? file : workingFolder + file;
    if (QFileInfo(target).isDir())
        return dialogs_.openExternal(target);
    return dialogs_.startProgram(target, parameters, workingFolder);
}

void Publishing::deleteAppletCopies() {
    document::deleteAppletCopies(document_.applet(), workingFolders());
}

void Publishing::deleteReplacedCopies(const std::string& oldName) {
    document::deleteReplacedCopies(oldName, workingFolders());
}

}  // namespace wendle
