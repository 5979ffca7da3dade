#pragma once

#include <QDialog>

namespace wendle {

class TmainWindow;

namespace texts::about {
inline constexpr const char* kTitle = "About Wendle";
inline constexpr const char* kProduct = "Wendle";
inline constexpr const char* kVersion = "Version %1";
inline constexpr const char* kPurpose =
    "Lays out a bar of navigation buttons for a web page, gives every button a look for each "
    "of its states, \"On Load\", \"On MouseOver\" and \"On Click\", and writes the HTML "
    "block that puts the bar on the page.";
inline constexpr const char* kFoldersGroup = "Folders";
inline constexpr const char* kProgramFolder = "Program folder:";
inline constexpr const char* kWorkingFolders = "Working folders:";
inline constexpr const char* kBesideProgram =
    "\"Required Files\", \"Velkbutton\" and \"Applet Temp\" are kept beside the program.";
inline constexpr const char* kInDataFolder =
    "The program folder cannot be written to, so \"Required Files\", \"Velkbutton\" and "
    "\"Applet Temp\" are kept in your data folder instead.";
inline constexpr const char* kBuiltWith = "Built with Qt %1, libjpeg and giflib.";
inline constexpr const char* kOk = "&OK";
}  // namespace texts::about

// The about box of the Help menu: the product, its version, what it does,
// and the folders it works with. Modal; "&OK" or the close box ends it.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(TmainWindow& main, QWidget* parent = nullptr);

    // The "&About" command: shows the box modally over the main window and
    // destroys it when it closes.
    static void run(TmainWindow& main);
};

}  // namespace wendle
