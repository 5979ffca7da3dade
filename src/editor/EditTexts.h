#pragma once

#include <QString>

// The Edit menu and the names of the edits its Undo and Redo items show.
namespace wendle::texts::edit {

inline constexpr const char* kEditMenu = "&Edit";
inline constexpr const char* kUndo = "Undo";
inline constexpr const char* kRedo = "Redo";
inline constexpr const char* kCut = "Cu&t";
inline constexpr const char* kCopy = "&Copy";
inline constexpr const char* kPaste = "&Paste";
inline constexpr const char* kDuplicate = "&Duplicate";
inline constexpr const char* kDelete = "De&lete";
inline constexpr const char* kSelectAll = "Select &All";
inline constexpr const char* kCopyLook = "Copy Loo&k";
inline constexpr const char* kPasteLook = "Paste L&ook";

// The name a document has in the title before it has a file.
inline constexpr const char* kUntitled = "Untitled";

// Names of edits.
inline constexpr const char* kMove = "Move";
inline constexpr const char* kChange = "Change";
inline constexpr const char* kResize = "Resize";
inline constexpr const char* kNew = "New";
inline constexpr const char* kDeleteVerb = "Delete";
inline constexpr const char* kDuplicateVerb = "Duplicate";
inline constexpr const char* kCutVerb = "Cut";
inline constexpr const char* kPasteVerb = "Paste";
inline constexpr const char* kAlign = "Align";
inline constexpr const char* kPasteLookVerb = "Paste Look on";
inline constexpr const char* kRenameButton = "Rename Button";
inline constexpr const char* kArrangeButtons = "Arrange Buttons";
inline constexpr const char* kMoveTextBox = "Move Text Box";
inline constexpr const char* kResizeTextBox = "Resize Text Box";
inline constexpr const char* kResizeApplet = "Resize Applet";
inline constexpr const char* kChangeApplet = "Change Applet";
inline constexpr const char* kAccessibilityFix = "Accessibility Fix";
inline constexpr const char* kAccessibilityFixAll = "Accessibility Fixes";

// "Move Button", "Move 3 Buttons".
inline QString buttons(const char* verb, int count) {
    if (count == 1)
        return QString("%1 Button").arg(verb);
    return QString("%1 %2 Buttons").arg(verb).arg(count);
}

// "Change Caption": a property edit named by its field.
inline QString change(const QString& what) {
    return QString("Change %1").arg(what);
}

}  // namespace wendle::texts::edit
