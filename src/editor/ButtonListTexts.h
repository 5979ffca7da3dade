#pragma once

// The texts of the "Buttons" tab and its menu, letter for letter.
namespace wendle::texts::buttons {

inline constexpr const char* kListColumn = "Buttons";

inline constexpr const char* kNewButton = "&New Button";
inline constexpr const char* kNewButtonHint = "Creates a new button";
inline constexpr const char* kDeleteButton = "&Delete Button";
inline constexpr const char* kDeleteButtonHint = "Deletes the selected buttons(s)";
inline constexpr const char* kDuplicate = "D&uplicate";
inline constexpr const char* kDuplicateHint = "Duplicates the selected button";
inline constexpr const char* kProperties = "&Properties";
inline constexpr const char* kPropertiesHint = "Displays the button properties window";

// The two lines that explain the tab.
inline constexpr const char* kClickThe = "Click the";
inline constexpr const char* kNewButtonWord = "\"NEW BUTTON\"";
inline constexpr const char* kToAddAButton = "button to add a button to the Applet.";
inline constexpr const char* kClick = "Click";
inline constexpr const char* kPropertiesWord = "\"PROPERTIES\"";
inline constexpr const char* kToChangeButtons =
    "to change images, colors, links, and mouse overs for the buttons.";

// The list's context menu (two entries end in a blank).
inline constexpr const char* kMenuProperties = "&Button Properties";
inline constexpr const char* kMenuNewButton = "&New Button";
inline constexpr const char* kMenuDeleteButton = "&Delete Button ";
inline constexpr const char* kMenuDuplicateButton = "D&uplicate Button ";
inline constexpr const char* kMenuRenameButton = "&Rename Button";
inline constexpr const char* kMenuAlign = "&Align";
inline constexpr const char* kMenuLeftSides = "&Left Sides";
inline constexpr const char* kMenuRightSides = "&Right Sides";
inline constexpr const char* kMenuTops = "&Tops";
inline constexpr const char* kMenuBottoms = "&Bottoms";

}  // namespace wendle::texts::buttons
