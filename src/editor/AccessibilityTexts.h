#pragma once

// The texts of the accessibility check's command, window and badge.
namespace wendle::texts {

inline constexpr const char* kCheckAccessibility = "&Check Accessibility";
inline constexpr const char* kAccessibilityTitle = "Accessibility Check";
inline constexpr const char* kFix = "&Fix";
inline constexpr const char* kFixAll = "Fix &All";
inline constexpr const char* kClose = "&Close";
inline constexpr const char* kNoFix = "No fix can be made here; the finding says what to change.";
inline constexpr const char* kFixPrefix = "Fix: ";
inline constexpr const char* kNoFindings = "No accessibility problems found.";
// "%1 errors, %2 warnings"
inline constexpr const char* kSummary = "%1 error(s), %2 warning(s)";
// The badge's tool tip: "%1 accessibility findings".
inline constexpr const char* kBadgeTip =
    "%1 accessibility finding(s): Options > Check Accessibility";

}  // namespace wendle::texts
