#pragma once

// The texts of the accessibility check, in one place for the command line,
// the editor and the tests.
namespace wendle::accessibility::messages {

inline constexpr const char* kButton = "Button";
inline constexpr const char* kState = "state";
inline constexpr const char* kTextBox = "Text box";
inline constexpr const char* kAlternativeHtml = "Alternative HTML";
inline constexpr const char* kWarning = "warning";
inline constexpr const char* kNeeds = "needs";

inline constexpr const char* kCaptionContrast = "caption contrast";
inline constexpr const char* kStateContrast = "told from state 1 by colour only, luminance";
inline constexpr const char* kStateContrastNeeds = "or a change of border, caption or picture";
inline constexpr const char* kTargetSize = "target size";
inline constexpr const char* kTargetSizeNeeds = "or a 24-px circle clear of other buttons";
inline constexpr const char* kName = "no name: empty caption and no hint";
inline constexpr const char* kLink = "no link, while the other buttons have one";
inline constexpr const char* kHoverSound =
    "sound on mouse over plays only after a click or key press on today's web";
inline constexpr const char* kMessageContrast = "message contrast";
inline constexpr const char* kTextContrast = "text contrast";
inline constexpr const char* kLinkContrast = "link contrast";
inline constexpr const char* kVisitedContrast = "visited link contrast";
inline constexpr const char* kProgramDefaults = "the page's colours";

// How each fix is described.
inline constexpr const char* kFixCaptionBlack = "Make the caption black";
inline constexpr const char* kFixCaptionWhite = "Make the caption white";
inline constexpr const char* kFixSize = "Enlarge to";
inline constexpr const char* kFixHint = "Use the picture's name as hint:";
inline constexpr const char* kFixTextBoxBlack = "Make the message text black";
inline constexpr const char* kFixTextBoxWhite = "Make the message text white";

inline constexpr const char* kNoFindings = "No accessibility problems found.";

}  // namespace wendle::accessibility::messages
