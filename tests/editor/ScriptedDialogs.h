#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "editor/UserDialogs.h"

namespace wendle::testing {

// Answers the editor's questions from a script and records what was asked.
class ScriptedDialogs : public UserDialogs {
  public:
    QStringList messages;                       // every message shown, warnings too
    QStringList warnings;                       // the messages shown as warnings
    QStringList questions;                      // every question asked
    std::deque<Answer> answers;                 // next answers; No when empty
    std::deque<std::optional<Colour>> colours;  // next colour choices; Cancel when empty
    std::deque<QString> openFiles;              // next chosen files; Cancel when empty
    std::deque<QString> saveFiles;
    std::deque<QString> folders;
    QList<Colour> colourStarts;  // the start colour of every colour dialog
    QList<FileRequest> fileRequests;
    QList<int> helpTopics;  // every help topic opened (0: contents)
    QStringList opened;     // every file, folder or page opened
    QStringList started;    // "program|argument|folder" of every start
    QString startFailure;   // when set, every open and start fails with it
    QString helpFailure;    // when set, no help page can be prepared

    void showMessage(const QString& text) override { messages << text; }
    void showWarning(const QString& text) override {
        messages << text;
        warnings << text;
    }
    Answer ask(const QString& text, bool) override {
        questions << text;
        if (answers.empty())
            return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<Colour> chooseColour(Colour start) override {
        colourStarts << start;
        if (colours.empty())
            return std::nullopt;
        const auto colour = colours.front();
        colours.pop_front();
        return colour;
    }
    QString chooseOpenFile(const FileRequest& request) override {
        fileRequests << request;
        return next(openFiles);
    }
    QString chooseSaveFile(const FileRequest& request) override {
        fileRequests << request;
        return next(saveFiles);
    }
    QString chooseFolder(const QString& title, const QString& start) override {
        fileRequests << FileRequest{title, {}, start, {}};
        return next(folders);
    }

    // The page prepareHelp hands back for a topic.
    static QString helpPage(int topic) { return QString("/help/topic-%1.html").arg(topic); }
    HelpPage prepareHelp(int topic) override {
        helpTopics << topic;
        if (!helpFailure.isEmpty())
            return {{}, helpFailure};
        return {helpPage(topic), {}};
    }
    QString openExternal(const QString& target) override {
        opened << target;
        return startFailure;
    }
    QString startProgram(const QString& program, const QString& argument,
                         const QString& folder) override {
        started << program + "|" + argument + "|" + folder;
        return startFailure;
    }

  private:
    static QString next(std::deque<QString>& queue) {
        if (queue.empty())
            return {};
        QString file = queue.front();
        queue.pop_front();
        return file;
    }
};

}  // namespace wendle::testing
