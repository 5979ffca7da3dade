#pragma once

// The texts the web export writes into pages and says to the user.
namespace wendle::web {

// The name of the bar's navigation landmark.
inline constexpr const char* kNavigationLabel = "Site";
// The page title and heading when the document has no name of its own.
inline constexpr const char* kUntitledBar = "Button bar";
inline constexpr const char* kSnippetHeading = "Put this bar on your own page";
inline constexpr const char* kSnippetIntro =
    "Upload every file of this folder beside your page, then paste this where the bar "
    "belongs:";

// Failures, each followed by the system's reason or the file concerned.
inline constexpr const char* kFolderNotMade = "The folder could not be made";
inline constexpr const char* kFileNotWritten = "The file could not be written";
inline constexpr const char* kFileNotRead = "The file could not be read";
inline constexpr const char* kBarNotDrawn = "The bar is too large to be drawn";
inline constexpr const char* kPictureNotEncoded = "The picture could not be encoded";

}  // namespace wendle::web
