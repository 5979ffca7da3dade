#pragma once

// The main window's own texts, letter for letter.
namespace wendle::texts {

inline constexpr const char* kAppTitle = "Wendle";
inline constexpr const char* kPreviewTitle = "Applet Preview";
inline constexpr const char* kSaveChanges = "Save changes to the current Applet?";
inline constexpr const char* kNoSelectionProperties =
    "I cannot show the button properties because you do not have any buttons selected.";
inline constexpr const char* kNoSelectionDelete =
    "Sorry, I cannot delete because you have no button(s) selected.";
inline constexpr const char* kConfirmDelete =
    "Are you sure you want to delete the selected button(s)?";
inline constexpr const char* kNoSelectionDuplicate =
    "You must select the button you want to duplicate before pressing the \"Duplicate\" "
    "button.";
// %1: the system's reason, naming the program or page.
inline constexpr const char* kBrowserNotStarted =
    "The web browser could not be started (%1). Choose another one in Options > Browser.";
inline constexpr const char* kFreeArrangement =
    "You can now drag buttons in the preview window to align them anwhere you want.";

// Menus.
inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kTemplatesMenu = "Templ&ates";
inline constexpr const char* kOptionsMenu = "&Options";
inline constexpr const char* kHelpMenu = "&Help";
inline constexpr const char* kNewApplet = "&New Applet...";
inline constexpr const char* kOpen = "&Open...";
inline constexpr const char* kReopen = "&Reopen";
inline constexpr const char* kSaveApplet = "&Save Applet";
inline constexpr const char* kSaveAppletAs = "Save Applet &As...";
inline constexpr const char* kExit = "E&xit";
inline constexpr const char* kAdvanced = "&Advanced";
inline constexpr const char* kBrowser = "&Browser";
inline constexpr const char* kAlignmentGrid = "Alignment &Grid";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kSamples = "&Samples";
inline constexpr const char* kAbout = "&About";

// File dialogs.
inline constexpr const char* kOpenTitle = "Open Wendle File";
inline constexpr const char* kSaveTitle = "Save Wendle File";
inline constexpr const char* kOpenFilter = "Wendle File (.wdf) (*.wdf *.wdff)";
inline constexpr const char* kSaveFilter = "Wendle File (.wdf) (*.wdf)";

// Tool strip and tabs.
inline constexpr const char* kShowPreview = "&Show Preview";
inline constexpr const char* kShowPreviewHint = "Shows the applet preview window";
inline constexpr const char* kTestInBrowser = "&Test in Browser";
inline constexpr const char* kTestInBrowserHint = "Runs the applet in your web browser";
inline constexpr const char* kGeneralTab = "General";
inline constexpr const char* kButtonsTab = "Buttons";
inline constexpr const char* kHtmlTab = "HTML";

// HTML tab.
inline constexpr const char* kCopyHtml = "Copy HTM&L to Clipboard";
inline constexpr const char* kHtmlIntro =
    "Here is the HTML required for this applet. Copy and paste it in the HTML page which you "
    "want the applet to appear.";
inline constexpr const char* kRequiredFiles = "Required Files:";
inline constexpr const char* kImportant = "Important:";
inline constexpr const char* kRequiresFile = "This applet requires the file";
inline constexpr const char* kClassFiles = ".class Files";
inline constexpr const char* kAlsoRequires = "It also requires all of the";
inline constexpr const char* kImagesAndSounds = "images and sounds";
inline constexpr const char* kSameFolder = "to be in the same folder as your html page.";
inline constexpr const char* kScriptLineNote =
    "For today's browsers, add this line after </APPLET> in your page:";
inline constexpr const char* kScriptLine = "<script src=\"velkbutton.js\"></script>";
inline constexpr const char* kScriptFileNote =
    "and copy velkbutton.js, which the .class Files folder holds, with the class files.";
inline constexpr const char* kPutAllFiles = "Make sure you put ALL of these files on your site.";
inline constexpr const char* kClassFilesHint = "Displays the folder with velkbutton.class";

// The HTML tab's two panes: the applet tag, and the bar for today's web.
inline constexpr const char* kHtmlPane = "HTML";
inline constexpr const char* kWebPane = "Web";
inline constexpr const char* kWebIntro =
    "For today's web: a bar of real links that works without scripts, looks exactly like the "
    "preview and fits phones. Publish it into a folder, upload everything in that folder beside "
    "your page, and paste this where the bar belongs:";
inline constexpr const char* kCopyWeb = "&Copy";
inline constexpr const char* kPublishWeb = "Publish for the &Web...";
inline constexpr const char* kPublishWebMenu = "Publish for the &Web...";
inline constexpr const char* kPublishWebTitle = "Publish for the Web";
inline constexpr const char* kWebBarTooLarge = "The bar is too large to be drawn.";
inline constexpr const char* kPublishedWeb =
    "The bar is published in %1.\n\nUpload every file of that folder beside your page; "
    "index.html shows the bar and the lines to paste.";
inline constexpr const char* kPublishWebFailed = "The bar could not be published.\n\n%1";
inline constexpr const char* kSoundsNotFound = "\n\nThese sounds were not found: %1";
inline constexpr const char* kSoundsNotSounds =
    "\n\nThese files were not published, as they are not sounds with the .snd header: %1";
inline constexpr const char* kImagesAndSoundsHint =
    "Displays the folder with the images and sounds required for this applet.";

// Preview tool bar hints.
inline constexpr const char* kSaveHint = "Save";
inline constexpr const char* kNewButtonHint = "New Button";
inline constexpr const char* kDuplicateButtonHint = "Duplicate Button";
inline constexpr const char* kButtonPropertiesHint = "Button Properties";
inline constexpr const char* kDeleteButtonHint = "Delete Button";

// The browser chooser.
namespace browser {
inline constexpr const char* kCaption = "Browser";
inline constexpr const char* kGroup = "Browsers";
inline constexpr const char* kChoose = "Choose the browser you wish to use when testing applets.";
inline constexpr const char* kBrowserLabel = "Browser:";
inline constexpr const char* kUseDefault = "Use Default Browser";
inline constexpr const char* kSearch = "&Search for Browsers";
inline constexpr const char* kClose = "&Close";
// Shown while the searches run.
inline constexpr const char* kSearchingHint = "Searching the fixed drives for browsers";
// The line under the list: how far the search has come, and how it ended.
inline constexpr const char* kSearching = "Searching… %1 folders so far";
inline constexpr const char* kSearchFinished = "Search finished: %1 folders searched.";
inline constexpr const char* kSearchStopped = "Search stopped after %1 folders.";
inline constexpr const char* kNotSearched = "%1 folders or files could not be searched.";
}  // namespace browser

}  // namespace wendle::texts
