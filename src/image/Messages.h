#pragma once

// What the picture layer tells the user about a file it did not decode.
// The first %s is the file's name, the second the reason below.
namespace wendle::image_messages {

inline constexpr const char* kNotAPicture = "'%s' is not a GIF or JPEG picture (%s)";
inline constexpr const char* kNotLoaded = "'%s' is not shown: %s";

// Reasons.
inline constexpr const char* kUnreadable = "it cannot be read: %s";
inline constexpr const char* kEmpty = "the file is empty";
inline constexpr const char* kNoSignature = "it does not begin like one";
inline constexpr const char* kDamagedGif = "damaged GIF data: %s";
inline constexpr const char* kDamagedJpeg = "damaged JPEG data: %s";
inline constexpr const char* kNoFrame = "damaged GIF data: it holds no image";
inline constexpr const char* kUnsupportedJpeg = "a JPEG with %d colour components";
inline constexpr const char* kOutOfMemory = "there was not enough memory to decode it";
inline constexpr const char* kTooManyPixels =
    "it is %lld x %lld pixels, and one picture may have at most %s pixels";
inline constexpr const char* kDocumentBudget =
    "it is %lld x %lld pixels, and all the pictures of a document together may have at most %s "
    "pixels";
inline constexpr const char* kTooManyScans =
    "it goes over its picture in more than %d scans, the most a JPEG may use";
inline constexpr const char* kNoDecoder = "the %s library could not be opened (%s)";
inline constexpr const char* kTooSlow =
    "decoding it took longer than %s seconds, the most one picture may take";

}  // namespace wendle::image_messages
