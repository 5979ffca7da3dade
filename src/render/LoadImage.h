#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "image/PictureLoad.h"
#include "model/VelkForm.h"
#include "model/VelkPanel.h"

namespace wendle {

// What became of the file LoadImage found. A picture refused by one of the
// limits (too many pixels for itself or for the document, too many scans,
// too slow), or whose decoding library could not be opened, is worth
// telling the user about; a file that is missing, has another extension or
// does not decode leaves no picture without a word, as it always has.
struct LoadImageReport {
    PictureProblem problem = PictureProblem::None;
    // Names the file (its name on disk, UTF-8) and the limit or the reason;
    // empty when a picture came or no file was decoded at all.
    std::string message;

    bool worthTelling() const { return PictureLoad{nullptr, problem, {}}.notShown(); }
};

// Pixels held by the pictures of the applet and of all its faces: what
// counts against the document's budget.
std::int64_t documentPicturePixels(const TVelkForm& applet);

// True when the extension of the file name (from its last ".") is exactly
// ".gif", ".GIF", ".jpg" or ".JPG": the comparison is case-sensitive, so
// ".Gif", ".jpeg" and ".JPEG" are refused.
bool hasPictureExtension(std::string_view path);

// Finds and loads the applet's background picture. Candidates in order:
// imageName itself (absolute, or relative to the current folder), then
// imagePath, then folder + imageName; imagePath is left as it is. The old
// picture goes; a candidate with an accepted extension is decoded (a file
// that will not decode leaves no picture). The canvas is redrawn at its
// next paint. The picture is decoded within the limits of one picture and
// within what the applet's other pictures leave of the document's budget.
//
// folder is empty or a folder path (a missing separator is supplied). Names
// are the model's Windows-1252 text; a file is found under its UTF-8 name
// or, failing that, under the bytes as they are. A path into "Button Images"
// or "Sounds" that is not found is looked for in the program's own folders
// before the next candidate (platform/NamedFile.h).
LoadImageReport LoadImage(TVelkForm& applet, const std::string& folder);

// Finds and loads a face's picture. Candidates in order: imagePath, then
// folder + imageName; a found candidate becomes imagePath, so a document
// opened from elsewhere finds its images beside it and remembers where. The
// old picture goes, a candidate with an accepted extension is decoded, and
// the face is marked stale. The face's pictures count against the budget of
// `applet`, the document it belongs to.
LoadImageReport LoadImage(const TVelkForm& applet, TVelkPanel& face, const std::string& folder);

// For a file the user chose as a picture: the message saying why it cannot
// be one (not a GIF or JPEG picture, or beyond the limits of one picture),
// or empty when it is a picture. A file that does not exist gives no message
// either: a missing picture is not an error. path is a file-system path.
std::string chosenPictureProblem(const std::filesystem::path& path);

}  // namespace wendle
