#pragma once

// The document layer's own texts, letter for letter. The first two are the
// product's; the others cover broken files the product never anticipated.
namespace wendle::document::messages {

inline constexpr const char* kNotValidFile = "Not a valid Wendle File";

inline constexpr const char* kDifferentVersion =
    "This file was saved in a different version of the Wendle and may look different in "
    "this version.";

// A read that stopped: "<file>" + kLine + "<n>: " + kExpected + what +
// kFound + what was there, for example
// "Toolbar.wdf, line 57: expected a whole number, found the end of the file".
inline constexpr const char* kLine = ", line ";
inline constexpr const char* kExpected = "expected ";
inline constexpr const char* kFound = ", found ";
inline constexpr const char* kWholeNumber = "a whole number";
inline constexpr const char* kColour = "a colour (a name such as clNavy, or a number)";
// kSize + "<from>" + kRangeTo + "<to>"
inline constexpr const char* kSize = "a size in pixels from ";
inline constexpr const char* kPosition = "a position in pixels from ";
inline constexpr const char* kButtonCount = "a number of buttons from ";
inline constexpr const char* kRangeTo = " to ";
inline constexpr const char* kFoundEndOfFile = "the end of the file";
inline constexpr const char* kFoundEmptyLine = "an empty line";
// A value longer than a message quotes: "'<its start>" + kCutMark + "<length>"
// + kCutCharacters.
inline constexpr const char* kCutMark = "...' (cut; ";
inline constexpr const char* kCutCharacters = " characters in all)";

// A client height too small for the applet's tool bar strip, raised:
// "<file>" + kLine + "<n>: " + kHeightRaised + "<old>" + kHeightRaisedTo + "<new>."
inline constexpr const char* kHeightRaised = "the preview's client height ";
inline constexpr const char* kHeightRaisedTo =
    " leaves no room for the applet; it was brought up to ";

// "'" + the path + kTooLarge
inline constexpr const char* kTooLarge = "' is too large to be a Wendle document";

// Prefix of a failed save: kCouldNotSave + path + "': " + the system's text.
inline constexpr const char* kCouldNotSave = "Could not save '";
// Prefix of a failed read: kCouldNotOpen + path + "': " + the system's text.
inline constexpr const char* kCouldNotOpen = "Could not open '";

inline constexpr const char* kNotRegularFile = "Not a regular file";

}  // namespace wendle::document::messages
