#pragma once

#include <string>
#include <string_view>

#include "model/VelkForm.h"
#include "model/VelkPanel.h"

namespace wendle {

// True when the extension of the file name (from its last ".") is exactly
// ".gif", ".GIF", ".jpg" or ".JPG": the comparison is case-sensitive, so
// ".Gif", ".jpeg" and ".JPEG" are refused.
bool hasPictureExtension(std::string_view path);

// Finds and loads the applet's background picture. Candidates in order:
// imageName itself (absolute, or relative to the current folder), then
// imagePath, then folder + imageName; imagePath is left as it is. The old
// picture goes; a candidate with an accepted extension is decoded (a file
// that will not decode leaves no picture). The canvas is redrawn at its
// next paint.
//
// folder is empty or a folder path (a missing separator is supplied). Names
// are the model's Windows-1252 text; a file is found under its UTF-8 name
// or, failing that, under the bytes as they are. A path into "Button Images"
// or "Sounds" that is not found is looked for in the program's own folders
// before the next candidate (platform/NamedFile.h).
void LoadImage(TVelkForm& applet, const std::string& folder);

// Finds and loads a face's picture. Candidates in order: imagePath, then
// folder + imageName; a found candidate becomes imagePath, so a document
// opened from elsewhere finds its images beside it and remembers where. The
// old picture goes, a candidate with an accepted extension is decoded, and
// the face is marked stale.
void LoadImage(TVelkPanel& face, const std::string& folder);

}  // namespace wendle
