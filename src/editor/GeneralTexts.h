#pragma once

// The texts of the General tab and of the two option windows, letter for
// letter.
namespace wendle::texts::general {

// "Applet Dimensions".
inline constexpr const char* kDimensionsGroup = "Applet Dimensions";
inline constexpr const char* kDimensionsNote = "Adjust the width and height of this Applet here.";
inline constexpr const char* kAppletWidth = "Applet Width";
inline constexpr const char* kAppletWidthHint = "Applet width in pixels";
inline constexpr const char* kAppletHeight = "Height";
inline constexpr const char* kAppletHeightHint = "Applet height in pixels";
inline constexpr const char* kArrangement = "Alignment";
inline constexpr const char* kArrangementItems[] = {"Free", "Horizontal", "Vertical"};

// "Applet Background".
inline constexpr const char* kBackgroundGroup = "Applet Background";
inline constexpr const char* kBackgroundNote =
    "Here you can change the background color and image settings for this Applet.";
inline constexpr const char* kBkColor = "Background &Color";
inline constexpr const char* kGradient = "Use Gradient Fill";
inline constexpr const char* kGradientColor = "F&ade Color";
inline constexpr const char* kBkImage = "Image";
inline constexpr const char* kBkImageHint = "Background image for this applet";
inline constexpr const char* kBkImageBrowseHint = "Browse for Background Image";
inline constexpr const char* kImageAlign = "Image Alignment";
inline constexpr const char* kImageAlignItems[] = {"Free",  "Center", "Left",
                                                   "Right", "Tile",   "Resize"};
inline constexpr const char* kImageX = "Horizontal Position";
inline constexpr const char* kImageXHint = "Horizontal image position";
inline constexpr const char* kImageY = "Vertical Position";
inline constexpr const char* kImageYHint = "Vertical image position";

// The picture dialog of the background image.
inline constexpr const char* kOpenImageTitle = "Open Image";
inline constexpr const char* kOpenImageFilter =
    "All Compatible Image Files (*.jpg *.gif *.JPG *.GIF);;"
    "JPEG Image Files (*.jpg *.JPG);;"
    "GIF Image Files (*.gif *.GIF)";
inline constexpr const char* kButtonImagesFolder = "Button Images";

// "Applet Border".
inline constexpr const char* kBorderGroup = "Applet Border";
inline constexpr const char* kBorderNote =
    "If you want this Applet to have a border you can change its size, style and color here.";
inline constexpr const char* kBorderWidth = "Border Width";
inline constexpr const char* kBorderWidthHint = "Width of the applet border in pixels";
inline constexpr const char* kBorderStyle = "Style";
inline constexpr const char* kBorderStyleHint = "Border style";
inline constexpr const char* kBorderStyleItems[] = {"Raised Frame", "Lowered Frame",
                                                    "Raised Bevel", "Lowered Bevel",
                                                    "Raised Bump",  "Lowered Bump"};
inline constexpr const char* kBorderShading = "Shading";
inline constexpr const char* kBorderShadingHint =
    "How fast the border color gets lighter or darker";
inline constexpr const char* kBorderColor = "Colo&r";

// "Text Box".
inline constexpr const char* kTextBoxGroup = "Text Box";
inline constexpr const char* kTextBoxNote =
    "You can change the properties of the Applet's Text Box below.";
inline constexpr const char* kTextBoxFontColor = "Font Colo&r";
inline constexpr const char* kShowTextBox = "Show Text Box";
inline constexpr const char* kTurnTextBoxOn =
    "The Text Box is not turned on, would you like to turn it on? (If you do not the changes "
    "you are making will not show up.)";
inline constexpr const char* kPlainHint = "Plain";
inline constexpr const char* kItalicHint = "Italic";
inline constexpr const char* kBoldHint = "Bold";

inline constexpr const char* kHelp = "?";
inline constexpr const char* kHelpHint = "Help";
inline constexpr const char* kClose = "&Close";

// "Advanced Options".
inline constexpr const char* kAdvancedTitle = "Advanced Options";
inline constexpr const char* kAltHtmlGroup = "Alternative HTML";
inline constexpr const char* kAltHtmlNote =
    "If you want to display HTML in browsers which do not support Java enter it here.";
inline constexpr const char* kLoadingGroup = "Loading Message";
inline constexpr const char* kLoadingNote =
    "Here you can change the message which is displayed while the Applet is loading.";
inline constexpr const char* kLoadingMessage = "Message";
inline constexpr const char* kLoadFontColor = "&Font Color";
inline constexpr const char* kLoadBkColor = "&Background Color";

// "Alignment Grid".
inline constexpr const char* kGridTitle = "Alignment Grid";
inline constexpr const char* kGridGroup = "Grid Options";
inline constexpr const char* kGridNote =
    "The Wendle can align the buttons to a grid making it easier to line them up in rows or "
    "columns. If you wish to use this grid you can adjust all of its options here.";
inline constexpr const char* kAlignToGrid = "Align Menu Items to Grid";
inline constexpr const char* kGridWidth = "Grid Width";
inline constexpr const char* kGridHeight = "Grid Height";

}  // namespace wendle::texts::general
