#pragma once

#include "editor/UserDialogs.h"

class QWidget;

namespace wendle {

// The user's answers from real Qt dialogs, parented to a window.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}

    void showMessage(const QString& text) override;
    void showWarning(const QString& text) override;
    Answer ask(const QString& text, bool withCancel) override;
    std::optional<Colour> chooseColour(Colour start) override;
    QString chooseOpenFile(const FileRequest& request) override;
    QString chooseSaveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    HelpPage prepareHelp(int topic) override;
    QString openExternal(const QString& target) override;
    QString startProgram(const QString& program, const QString& argument,
                         const QString& workingFolder) override;

  private:
    QWidget* parent_;
};

}  // namespace wendle
