#pragma once

// The document layer's own texts, letter for letter. The first three are the
// product's; the others cover broken files the product never anticipated.
namespace wendle::document::messages {

inline constexpr const char* kNotValidFile = "Not a valid Wendle File";

inline constexpr const char* kDifferentVersion =
    "This file was saved in a different version of the Wendle and may look different in "
    "this version.";

// "'" + the line + kNotValidInteger
inline constexpr const char* kNotValidInteger = "' is not a valid integer value";

// "'" + the line + kNotValidButtonCount
inline constexpr const char* kNotValidButtonCount =
    "' is not a valid number of buttons: an applet holds 0 to 99 buttons";

// "'" + the line + kNotValidSize
inline constexpr const char* kNotValidSize = "' is not a valid size in pixels";

// "'" + the line + kNotValidPosition
inline constexpr const char* kNotValidPosition = "' is not a valid position in pixels";

// "'" + the path + kTooLarge
inline constexpr const char* kTooLarge = "' is too large to be a Wendle document";

// Prefix of a failed save: kCouldNotSave + path + "': " + the system's text.
inline constexpr const char* kCouldNotSave = "Could not save '";
// Prefix of a failed read: kCouldNotOpen + path + "': " + the system's text.
inline constexpr const char* kCouldNotOpen = "Could not open '";

inline constexpr const char* kNotRegularFile = "Not a regular file";

}  // namespace wendle::document::messages
