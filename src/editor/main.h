#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

#include "document/WorkingFolders.h"
#include "editor/AppletDocument.h"
#include "editor/DocumentCommands.h"
#include "editor/PictureMessages.h"
#include "editor/UserDialogs.h"
#include "model/VelkForm.h"

class QTabWidget;
class QMenu;
class QAction;
class QLabel;

namespace wendle {

class EditActions;
class EditorSettings;
class Publishing;
class TPreviewWindow;
class TPropertiesWindow;
class GeneralTab;
class ButtonsTab;
class HtmlTab;
class TBrowserWindow;
class AccessibilityMonitor;
class AccessibilityWindow;
class AccessibilityBadge;

// The main window: menus and the General, Buttons and HTML tabs. It owns
// the one document (AppletDocument) and wires the windows that show it, the
// File menu's document commands (DocumentCommands), the Edit menu's
// commands (EditActions), publishing (Publishing) and the stored settings
// with the recent documents (EditorSettings).
class TmainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // programFolder ends in "/"; dialogs answers every question the editor
    // asks (real dialogs in the program, scripted ones in tests).
    TmainWindow(UserDialogs& dialogs, const QString& programFolder, QWidget* parent = nullptr);
    ~TmainWindow() override;

    // The document and its current applet.
    AppletDocument& document() { return document_; }
    TVelkForm& applet() { return document_.applet(); }
    EditActions& editActions() { return *editActions_; }
    DocumentCommands& documentCommands() { return documentCommands_; }
    Publishing& publishing() { return *publishing_; }
    TPreviewWindow* preview() const { return preview_; }
    // The properties window, built the first time it is needed.
    TPropertiesWindow* properties();
    GeneralTab* generalTab() const { return generalTab_; }
    // The tabs with their controls, built when first asked for.
    ButtonsTab* buttonsTab() const;
    HtmlTab* htmlTab() const;
    // The browser chooser, built the first time it is needed.
    TBrowserWindow* browserWindow();
    // Writes every setting the windows keep (this window's and the browser
    // chooser's), as they would when they go.
    void saveAllSettings();
    UserDialogs& dialogs() { return dialogs_; }
    const QString& programFolder() const { return programFolder_; }

    // Shows the main window centred on the screen with the preview beside it.
    void showCentred();

    // Refills the General tab from the applet.
    void UpDateGeneralWindow();
    // Rebuilds the HTML pane from the applet.
    void buildAppletHTML();
    // Shows lines in the HTML pane, whether or not the tab was built.
    void showHtmlLines(const QStringList& lines);
    // Refills the properties window from the first selected button.
    void updatePropertiesWindow();
    // Repaints whatever changed in the preview.
    void repaintPreview();

    // The colour dialog from start: OK gives the chosen colour, Cancel
    // gives start.
    Colour getColor(Colour start);
    // True (after showing the message) when the text holds a character the
    // applet's parameters cannot carry.
    bool checkCharacters(const QString& text);
    bool checkCharacters2(const QString& text);

    // The user resized the preview window: the applet takes the size.
    void appletResized(int clientWidth, int clientHeight);

    // Working copies of the applet's images and sounds leave the working
    // folders (closing, replacing the document).
    void deleteAppletCopies();
    // The program's folder and the one the working folders are made in.
    document::WorkingFolders workingFolders() const;
    // "&Test in Browser": the applet's test site in "Applet Temp", opened in
    // the browser chosen in the browser chooser.
    void testInBrowser();
    // The HTML tab's links: "images and sounds" refreshes and opens
    // "Required Files", ".class Files" fills and opens "Velkbutton".
    void showImagesAndSounds();
    void showClassFiles();
    // Writes the bar for today's web into a folder the user chooses.
    void publishForWeb();
    // Opens a folder in the desktop's file browser, or starts a program with
    // the parameters as its one argument in the working folder. A file name
    // without a folder is taken from the working folder. The error text when
    // it could not be started, empty otherwise.
    QString launchProgram(const QString& file, const QString& parameters,
                          const QString& workingFolder);
    // Puts a document at the top of the recent documents.
    void addRecentDocument(const QString& path);
    // Loads pictures with a fallback folder (ends in a separator).
    void loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder);
    void loadStateImage(TVelkForm& applet, TVelkPanel& panel, const std::string& fallbackFolder);
    // The Options and Help menus.
    void showAdvancedOptions();
    void showAlignmentGrid();
    void showBrowserChooser();
    void showHelp();
    void showSamples();
    void showAbout();
    // "Check Accessibility": the findings window, over the main window.
    void checkAccessibility();
    AccessibilityMonitor& accessibilityMonitor() { return *accessibility_; }
    AccessibilityBadge& accessibilityBadge() { return *accessibilityBadge_; }
    AccessibilityWindow* accessibilityWindow() const { return accessibilityWindow_; }

    // An image or sound name was replaced: its stale copies leave the
    // "Applet Temp" and "Required Files" folders.
    void deleteReplacedCopies(const std::string& oldName);
    // Opens a numbered topic of the help document (0: its start) in the
    // browser, as Test in Browser does; what went wrong is shown.
    void openHelpTopic(int topic);
    // A first-use flag of the settings store ("Showed Preview Hint",
    // "Showed State Hint"): true the first time it is taken, and then never
    // again on this installation.
    bool takeFirstUseFlag(const QString& name);

    // Commands shared by the tool bars, menus and keys.
    void newButton();
    void deleteButtons();
    void duplicateButton();
    void showButtonProperties();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildTabs();
    // Rebuilds the HTML pane and gives its lines as the applet's bytes.
    std::vector<std::string> rebuildHtmlPane();
    void createDocumentWindows();
    // Views reset themselves from a new applet.
    void documentReplaced();
    void showTitle();
    // Undo or redo: the windows show the values put back.
    void changeRestored();
    void saveSettings();
    void placePreview();

    // First: every window below is a view of it.
    AppletDocument document_;
    UserDialogs& dialogs_;
    QString programFolder_;
    DocumentCommands documentCommands_;
    TPreviewWindow* preview_ = nullptr;
    TPropertiesWindow* properties_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    GeneralTab* generalTab_ = nullptr;
    ButtonsTab* buttonsTab_ = nullptr;
    HtmlTab* htmlTab_ = nullptr;
    QMenu* reopenMenu_ = nullptr;
    // Made at start-up and kept: it remembers the browser choice and its
    // searches go on while it is closed.
    TBrowserWindow* browserWindow_ = nullptr;
    EditActions* editActions_ = nullptr;
    std::unique_ptr<Publishing> publishing_;
    EditorSettings* settings_ = nullptr;
    // Checked after changes; its count shows on the Buttons tab.
    AccessibilityMonitor* accessibility_ = nullptr;
    AccessibilityBadge* accessibilityBadge_ = nullptr;
    AccessibilityWindow* accessibilityWindow_ = nullptr;
    PictureMessages* pictureMessages_ = nullptr;
};

}  // namespace wendle
