#include "editor/QtUserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

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

}  // namespace wendle
