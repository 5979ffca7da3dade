#include "editor/EditorDocumentHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "editor/Encoding.h"
#include "editor/HtmlTab.h"
#include "editor/Texts.h"
#include "editor/main.h"

namespace wendle {

TVelkForm& EditorDocumentHost::currentApplet() {
    return main_.applet();
}

void EditorDocumentHost::adoptApplet(std::unique_ptr<TVelkForm> applet) {
    main_.documentCommands().adoptApplet(std::move(applet));
}

bool EditorDocumentHost::confirmOverwriteProgramFile(const std::string& path) {
    const QString name = QFileInfo(QFile::decodeName(path.c_str())).fileName();
    const QString question = QString(document::kOverwriteProgramFileQuestion).arg(name);
    return main_.dialogs().ask(question, false) == UserDialogs::Answer::Yes;
}

std::string EditorDocumentHost::documentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QFile::encodeName(QDir(folder).absolutePath() + "/").toStdString();
}

void EditorDocumentHost::showError(const std::string& text) {
    main_.dialogs().showWarning(toQString(text));
}

document::LifecycleHost::Answer EditorDocumentHost::askSaveChanges() {
    switch (main_.dialogs().ask(texts::kSaveChanges, true)) {
        case UserDialogs::Answer::Yes:
            return Answer::Yes;
        case UserDialogs::Answer::No:
            return Answer::No;
        case UserDialogs::Answer::Cancel:
            break;
    }
    return Answer::Cancel;
}

std::string EditorDocumentHost::chooseOpenPath(const std::string& folder) {
    const QString path = main_.dialogs().chooseOpenFile(
        {texts::kOpenTitle, texts::kOpenFilter, QFile::decodeName(folder.c_str()), "wdf"});
    return QFile::encodeName(path).toStdString();
}

std::string EditorDocumentHost::chooseSavePath(const std::string& folder) {
    const QString path = main_.dialogs().chooseSaveFile(
        {texts::kSaveTitle, texts::kSaveFilter, QFile::decodeName(folder.c_str()), "wdf"});
    return QFile::encodeName(path).toStdString();
}

TVelkForm& EditorDocumentHost::resetDocument() {
    main_.documentCommands().resetDocument();
    return main_.applet();
}

void EditorDocumentHost::deleteAppletCopies() {
    main_.deleteAppletCopies();
}

void EditorDocumentHost::addRecentDocument(const std::string& path) {
    main_.addRecentDocument(QFile::decodeName(path.c_str()));
}

void EditorDocumentHost::showMessage(const std::string& text) {
    main_.dialogs().showMessage(toQString(text));
}

void EditorDocumentHost::updateGeneralWindow() {
    main_.UpDateGeneralWindow();
}

void EditorDocumentHost::loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) {
    main_.loadAppletImage(applet, fallbackFolder);
}

void EditorDocumentHost::loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                                        const std::string& fallbackFolder) {
    main_.loadStateImage(applet, panel, fallbackFolder);
}

void EditorDocumentHost::htmlRebuilt(const std::vector<std::string>& lines) {
    QStringList pane;
    for (const auto& line : lines) pane << toQString(line);
    main_.showHtmlLines(pane);
}

}  // namespace wendle
