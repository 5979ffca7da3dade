#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/VelkForm.h"

namespace wendle::document {

// The working folders, where the program gathers what a page showing the
// applet needs.
inline constexpr const char* kRequiredFilesFolder = "Required Files";
inline constexpr const char* kVelkbuttonFolder = "Velkbutton";
inline constexpr const char* kAppletTempFolder = "Applet Temp";

// The applet's own files, which lie beside the program and belong beside
// every page that shows the applet. A file of the list that is not there is
// simply not copied.
inline constexpr std::array<const char*, 3> kAppletFiles = {"velkbutton.class", "textbox.class",
                                                            "velkbutton.js"};

// Where the files lie. Both folders end in "/".
struct WorkingFolders {
    // The program's folder: the applet files, "Button Images" and "Sounds".
    std::string programFolder;
    // Where "Required Files", "Velkbutton" and "Applet Temp" are made: the
    // program's folder when it is writable, else the user's data folder.
    std::string base;

    std::string requiredFiles() const { return base + kRequiredFilesFolder + "/"; }
    std::string velkbutton() const { return base + kVelkbuttonFolder + "/"; }
    std::string appletTemp() const { return base + kAppletTempFolder + "/"; }
};

// Copies the applet's background image and every button state's image and
// sound into targetFolder (ending in "/"), under the names the applet's
// parameters give them. Existing files are kept; missing sources are skipped.
// A file whose contents are not what its role needs (a GIF or JPEG picture,
// a .snd sound) is not copied; the returned messages name each such file
// and say why.
std::vector<std::string> copyAppletFiles(const TVelkForm& applet, const std::string& targetFolder);

// Deletes the copies of every name the applet uses from "Required Files"
// and "Applet Temp".
void deleteAppletCopies(const TVelkForm& applet, const WorkingFolders& folders);

// An image or sound name is being replaced: its copies leave "Required
// Files" and "Applet Temp", so the next copy brings the new file.
void deleteReplacedCopies(const std::string& oldName, const WorkingFolders& folders);

// Copies the applet files from the program's folder into targetFolder.
void copyAppletClassFiles(const WorkingFolders& folders, const std::string& targetFolder);

// The "images and sounds" link: makes "Required Files" when it is missing,
// otherwise first deletes the applet's old copies there, then copies the
// applet's images and sounds afresh. The folder's error text when it cannot
// be made (nothing is copied then). The files refused for their contents
// are said in `skipped`.
std::optional<std::string> refreshRequiredFiles(const TVelkForm& applet,
                                                const WorkingFolders& folders,
                                                std::vector<std::string>* skipped = nullptr);

// The ".class Files" link: makes "Velkbutton" when it is missing and copies
// the applet files into it. The folder's error text when it cannot be made.
std::optional<std::string> gatherClassFiles(const WorkingFolders& folders);

}  // namespace wendle::document
