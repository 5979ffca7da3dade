#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "document/WorkingFolders.h"

namespace wendle {

class AppletDocument;
class UserDialogs;

// Everything that puts the document's files where a page or a browser can
// use them: the test site of "Test in Browser", the "Required Files" and
// "Velkbutton" folders, and the working copies that leave with the
// document or with a replaced picture or sound.
class Publishing {
  public:
    // programFolder ends in "/"; browserChoice gives "default" or the path
    // of the chosen browser program.
    Publishing(UserDialogs& dialogs, AppletDocument& document, QString programFolder,
               std::function<std::string()> browserChoice);

    // The program's folder and the one the working folders are made in.
    document::WorkingFolders workingFolders() const;

    // The test site in "Applet Temp" built from the HTML block's lines,
    // opened in the chosen browser.
    void testInBrowser(const std::vector<std::string>& htmlLines);
    // Opens a local page in the browser chosen in the browser chooser (with
    // the switches that browser needs), or with the desktop's default when
    // "default" is chosen. With no usable choice, Test in Browser asks for
    // one while help takes the default. A browser that cannot be started is
    // reported.
    enum class WithoutChoice { AskForOne, UseDefault };
    void openInBrowser(const std::string& page, WithoutChoice withoutChoice);
    // "images and sounds" refreshes and opens "Required Files"; ".class
    // Files" fills and opens "Velkbutton".
    void showImagesAndSounds();
    void showClassFiles();
    // Opens a folder in the desktop's file browser, or starts a program with
    // the parameters as its one argument in the working folder. A file name
    // without a folder is taken from the working folder. The error text when
    // it could not be started, empty otherwise.
    QString launchProgram(const QString& file, const QString& parameters,
                          const QString& workingFolder);

    // The working copies of the applet's pictures and sounds leave the
    // working folders (closing, replacing the document).
    void deleteAppletCopies();
    // A picture or sound name was replaced: its stale copies leave.
    void deleteReplacedCopies(const std::string& oldName);

  private:
    // Says which files publishing refused to copy, and why.
    void showSkippedFiles(const std::vector<std::string>& skipped);

    UserDialogs& dialogs_;
    AppletDocument& document_;
    QString programFolder_;
    std::function<std::string()> browserChoice_;
};

}  // namespace wendle
