#include "editor/QtUserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "editor/Encoding.h"
#include "platform/Folders.h"
#include "platform/HelpViewer.h"
#include "platform/Shell.h"

namespace wendle {

namespace {

QWidget* dialogParent(QWidget* parent) {
    return parent ? parent->window() : QApplication::activeWindow();
}

QFileDialog::Options fileOptions() {
    // The product's dialogs look like the desktop's; tests never reach here.
    return {};
}

}  // namespace

void QtUserDialogs::showMessage(const QString& text) {
    QMessageBox::information(dialogParent(parent_), QApplication::applicationName(), text);
}

void QtUserDialogs::showWarning(const QString& text) {
    QMessageBox::warning(dialogParent(parent_), QApplication::applicationName(), text);
}

UserDialogs::Answer QtUserDialogs::ask(const QString& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    const auto answer = QMessageBox::question(dialogParent(parent_),
                                              QApplication::applicationName(), text, buttons);
    if (answer == QMessageBox::Yes)
        return Answer::Yes;
    if (answer == QMessageBox::No)
        return Answer::No;
    return withCancel ? Answer::Cancel : Answer::No;
}

std::optional<Colour> QtUserDialogs::chooseColour(Colour start) {
    const QColor initial(redOf(start), greenOf(start), blueOf(start));
    const QColor chosen = QColorDialog::getColor(initial, dialogParent(parent_));
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(std::uint8_t(chosen.red()), std::uint8_t(chosen.green()),
               std::uint8_t(chosen.blue()));
}

QString QtUserDialogs::chooseOpenFile(const FileRequest& request) {
    QFileDialog dialog(dialogParent(parent_), request.title, request.folder, request.filter);
    dialog.setOptions(fileOptions());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QString QtUserDialogs::chooseSaveFile(const FileRequest& request) {
    QFileDialog dialog(dialogParent(parent_), request.title, request.folder, request.filter);
    dialog.setOptions(fileOptions());
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QString QtUserDialogs::chooseFolder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(dialogParent(parent_), title, start,
                                             fileOptions() | QFileDialog::ShowDirsOnly);
}

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString errorText(const platform::IoResult& result) {
    return result.ok ? QString() : QString::fromLocal8Bit(result.message.c_str());
}

}  // namespace

UserDialogs::HelpPage QtUserDialogs::prepareHelp(int topic) {
    const platform::HelpViewer viewer(platform::programFolder(), platform::userCacheFolder());
    const platform::HelpViewer::Page page = viewer.pageFor(topic);
    return {QFile::decodeName(page.path.c_str()), errorText(page.result)};
}

QString QtUserDialogs::openExternal(const QString& target) {
    return errorText(platform::Shell().open(localPath(target)));
}

QString QtUserDialogs::startProgram(const QString& program, const QString& argument,
                                    const QString& workingFolder) {
    return errorText(platform::Shell().startProgram(localPath(program), localPath(argument),
                                                    localPath(workingFolder)));
}

}  // namespace wendle
