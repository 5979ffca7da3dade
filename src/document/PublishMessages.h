#pragma once

// The texts of publishing: the test page and the working folders.
namespace wendle::document::messages {

inline constexpr const char* kSelectBrowser =
    "You must select a browser before testing the Applet. Choose one in Options > Browser.";

// A file a document names that publishing refused to copy:
// "'" + the file + kNotCopiedAs + the name + kNotAPicture or kNotASound.
inline constexpr const char* kNotCopiedAs = "' was not copied as '";
inline constexpr const char* kNotAPicture = "': it is not a GIF or JPEG picture.";
inline constexpr const char* kNotASound = "': it is not a sound with the .snd header.";

}  // namespace wendle::document::messages
