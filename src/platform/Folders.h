#pragma once

#include <string>

namespace wendle::platform {

// Where the program lies and where it keeps the user's things. Every folder
// returned here ends in "/", so that a file beside the program is simply
// programFolder() + its name.

// The folder of the running program, read once from /proc/self/exe.
std::string programFolder();

// Makes programFolder() answer `folder` instead (tests, and a program that
// is started from a copied layout). An empty text goes back to the real one.
// Also forgets which working-folder base was chosen.
void overrideProgramFolder(const std::string& folder);

enum class WorkingFolderLocation {
    ProgramFolder,   // the program's own folder is writable
    UserDataFolder,  // an installed copy: the user's data folder is used
};

// Where "Required Files", "Velkbutton" and "Applet Temp" are created:
// programFolder() when the program may write there, otherwise
// userDataFolder() (created when missing). Decided once per program folder.
std::string workingFolderBase();
WorkingFolderLocation workingFolderLocation();

// $XDG_CONFIG_HOME/wendle/ (default ~/.config/wendle/): the settings store.
std::string userConfigFolder();
// $XDG_DATA_HOME/wendle/ (default ~/.local/share/wendle/).
std::string userDataFolder();
// $XDG_CACHE_HOME/wendle/ (default ~/.cache/wendle/): throw-away files.
std::string userCacheFolder();
// $XDG_DATA_HOME/ itself (default ~/.local/share/), shared by all programs.
std::string xdgDataHome();

}  // namespace wendle::platform
