#pragma once

// The fixed lines of a document file.
namespace wendle::document::format {

inline constexpr const char* kFileTitle = "Wendle File";
inline constexpr const char* kFileTitle2 = "Wendle 2 File";
inline constexpr const char* kVersion50 = "Saved in Version 5.0";
inline constexpr const char* kVersion45 = "Saved in Version 4.5";
inline constexpr const char* kVersion40 = "Saved in Version 4.0";
inline constexpr const char* kOnlyInWendle = "This file can only be opened in the Wendle";
inline constexpr const char* kBeginHTML = "[BEGIN HTML]";
inline constexpr const char* kEndHTML = "[END HTML]";
inline constexpr const char* kLineEnd = "\r\n";

// Empty lines after the applet's values and after each state record.
inline constexpr int kHeaderPadding = 10;
inline constexpr int kRecordPadding = 5;

// Versions before 5.0 store the applet height and applet y, which sit this
// far above the preview's client coordinates.
inline constexpr int kOldVersionOffset = 25;

// Limits that keep a broken file from asking for gigantic rasters: no
// width or height beyond kMaxExtent, except the preview's client height,
// which adds the tool bar strip to the applet's height.
inline constexpr int kMaxExtent = 8192;
inline constexpr int kMaxClientHeight = kMaxExtent + 25;
inline constexpr int kMinPosition = -32768;
inline constexpr int kMaxPosition = 32767;
// No document comes near this; a bigger file is not read into memory.
inline constexpr long long kMaxDocumentBytes = 64LL * 1024 * 1024;

}  // namespace wendle::document::format
