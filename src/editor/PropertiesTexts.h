#pragma once

// The button properties window's own texts, letter for letter.
namespace wendle::texts::properties {

inline constexpr const char* kTitle = "Button Properties";
inline constexpr const char* kClose = "&Close";
inline constexpr const char* kApplyToAllStates =
    "Apply all changes to \"On Load\", \"On MouseOver\" and \"On Click\"";
inline constexpr const char* kNoSelection = "You do not have any buttons selected.";
inline constexpr const char* kTurnTextBoxOn =
    "The Text Box is not turned on, would you like to turn it on? (If you do not the changes "
    "you are making will not show up.)";

// State tabs.
inline constexpr const char* kOnLoad = "On Load";
inline constexpr const char* kOnMouseOver = "On MouseOver";
inline constexpr const char* kOnClick = "On Click";

// Groups.
inline constexpr const char* kTextGroup = "Text";
inline constexpr const char* kBorderGroup = "Border";
inline constexpr const char* kBackgroundGroup = "Background";
inline constexpr const char* kDimensionsGroup = "Dimensions";
inline constexpr const char* kHighlightGroup = "Highlight Box";
inline constexpr const char* kSoundGroup = "Sound";
inline constexpr const char* kTextBoxGroup = "Text Box Message";
inline constexpr const char* kStatusGroup = "Status Bar Message";
inline constexpr const char* kHintGroup = "Hint";
inline constexpr const char* kLinkGroup = "Link";

// Text group.
inline constexpr const char* kFontColor = "Fo&nt Color";
inline constexpr const char* kFontShadowColor = "Font &Shadow Color";
inline constexpr const char* kUseShadow = "Use Shadow";

// Border group.
inline constexpr const char* kBorderWidth = "Border Width";
inline constexpr const char* kStyle = "Style";
inline constexpr const char* kShading = "Shading";
inline constexpr const char* kBorderColor = "Colo&r";

// Background group.
inline constexpr const char* kFadeColor = "&Fade Color";
inline constexpr const char* kBackgroundColor = "&Background Color";
inline constexpr const char* kButtonImage = "Button Image";
inline constexpr const char* kAlignment = "Alignment";
inline constexpr const char* kX = "X:";
inline constexpr const char* kY = "Y:";
inline constexpr const char* kGradientFill = "Gradient Fill";
inline constexpr const char* kTransparent = "Transparent";

// Dimensions group.
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kDimensionsNote =
    "Here you can adjust the width, height and position of the selected button(s).";
inline constexpr const char* kHorizontalPositionHint = "Horizontal position of the button";
inline constexpr const char* kVerticalPositionHint = "Vertical position of the button";

// Highlight box group.
inline constexpr const char* kShowHighlight = "Show Highlight Box";
inline constexpr const char* kHighlightColor = "Color";

// Hint group.
inline constexpr const char* kHintFontColor = "Fon&t Color";
inline constexpr const char* kHintBorderColor = "Border C&olor";
inline constexpr const char* kHintBackgroundColor = "Back&ground Color";

// Link group.
inline constexpr const char* kLinkNote =
    "Enter the URL which you would like the button to link to when it is clicked";
inline constexpr const char* kTargetFrame = "Target Frame";

// Style and alignment buttons, browse and help buttons.
inline constexpr const char* kPlain = "Plain";
inline constexpr const char* kItalic = "Italic";
inline constexpr const char* kBold = "Bold";
inline constexpr const char* kAlignLeft = "Align Left";
inline constexpr const char* kAlignCenter = "Center";
inline constexpr const char* kAlignRight = "Align Right";
inline constexpr const char* kBrowse = "...";
inline constexpr const char* kHelp = "?";
inline constexpr const char* kHelpHint = "Help";

// List items.
inline constexpr const char* kBorderStyles[] = {"Raised Frame",  "Lowered Frame", "Raised Bevel",
                                                "Lowered Bevel", "Raised Bump",   "Lowered Bump"};
inline constexpr const char* kImageAlignments[] = {"Free",  "Center", "Left",
                                                   "Right", "Tile",   "Resize"};
inline constexpr const char* kFrames[] = {"_self", "_top", "_blank", "_parent"};

// File dialogs.
inline constexpr const char* kOpenImageTitle = "Open Image";
inline constexpr const char* kImageFilter =
    "All Compatible Image Files (*.jpg *.gif *.JPG *.GIF);;"
    "JPEG Image Files (*.jpg *.JPG);;"
    "GIF Image Files (*.gif *.GIF)";
inline constexpr const char* kOpenSoundTitle = "Open Sound File";
inline constexpr const char* kSoundFilter = "Au Sound Files (*.au)";
inline constexpr const char* kLinkFilter = "HTML Files (*.html *.htm);;All Files (*)";
inline constexpr const char* kButtonImagesFolder = "Button Images";
inline constexpr const char* kSoundsFolder = "Sounds";

// Settings flag of the first-show help.
inline constexpr const char* kShowedStateHint = "Showed State Hint";

}  // namespace wendle::texts::properties
