#pragma once

namespace wendle::help_topics {

// The numbered topics of the help document that the program opens.

// Main window, General tab.
inline constexpr int kAppletDimensions = 16;
inline constexpr int kAppletBackground = 17;
inline constexpr int kTextBox = 28;
// Main window, the other tabs.
inline constexpr int kButtonsTab = 47;
inline constexpr int kHtmlTab = 33;

// Button properties window, one per group.
inline constexpr int kButtonSize = 19;
inline constexpr int kButtonBorder = 21;
inline constexpr int kButtonText = 22;
inline constexpr int kButtonHint = 23;
inline constexpr int kButtonStatus = 24;
inline constexpr int kButtonSound = 25;
inline constexpr int kButtonLink = 26;
inline constexpr int kButtonBackground = 27;
// The three button states and the apply-to-all box; also shown once, the
// first time the button properties window opens ("Showed State Hint").
inline constexpr int kButtonStates = 46;

// Shown once, the first time the pointer moves over the preview or a button
// is dragged ("Showed Preview Hint").
inline constexpr int kPreview = 48;

inline constexpr int kAdvancedOptions = 31;
inline constexpr int kBrowserChooser = 32;

}  // namespace wendle::help_topics
