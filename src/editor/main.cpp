#include "editor/main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "document/NewDocument.h"
#include "document/PublishMessages.h"
#include "document/TestPage.h"
#include "editor/About.h"
#include "editor/AccessibilityBadge.h"
#include "editor/AccessibilityMonitor.h"
#include "editor/AccessibilityTexts.h"
#include "editor/AccessibilityWindow.h"
#include "editor/Advanced.h"
#include "editor/AppletView.h"
#include "editor/Browser.h"
#include "editor/ButtonsTab.h"
#include "editor/EditActions.h"
#include "editor/EditTexts.h"
#include "editor/EditorSettings.h"
#include "editor/Encoding.h"
#include "editor/GeneralTab.h"
#include "editor/Grid.h"
#include "editor/HtmlTab.h"
#include "editor/Preview.h"
#include "editor/Properties.h"
#include "editor/Publishing.h"
#include "editor/Texts.h"
#include "editor/WindowTitle.h"
#include "model/AppletEdits.h"
#include "model/AppletHTML.h"
#include "model/CharacterCheck.h"
#include "model/Editing.h"
#include "model/Messages.h"
#include "model/UpdatingControls.h"
#include "platform/Folders.h"
#include "render/LoadImage.h"
#include "settings/ProgramSettings.h"
#include "web/WebExport.h"

namespace wendle {

TmainWindow::TmainWindow(UserDialogs& dialogs, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      programFolder_(programFolder),
      documentCommands_(*this, document_, programFolder),
      pictureMessages_(new PictureMessages(dialogs, this)) {
    // The desktop services and the working folders look beside the same
    // program as the editor does.
    platform::overrideProgramFolder(QFile::encodeName(programFolder).toStdString());
    setObjectName("mainWindow");
    editActions_ = new EditActions(document_, dialogs_, this);
    buildMenus();
    buildTabs();
    accessibility_ = new AccessibilityMonitor(*this, this);
    accessibilityBadge_ = new AccessibilityBadge(*tabs_, *buttonsTab_, this);
    connect(accessibility_, &AccessibilityMonitor::findingsChanged, this,
            [this] { accessibilityBadge_->show(int(accessibility_->findings().size())); });
    resize(720, 520);
    settings_ = new EditorSettings(
        *this, *reopenMenu_,
        [this](const QString& path) { documentCommands_.reopenDocument(path); },
        [this](const QString& problem) { dialogs_.showMessage(problem); });
    publishing_ = std::make_unique<Publishing>(dialogs_, document_, programFolder_,
                                               [this] { return browserWindow()->browserChoice(); });
    document_.setPictureReporter(
        [this](const LoadImageReport& report) { pictureMessages_->note(report); });
    createDocumentWindows();
    connect(&document_, &AppletDocument::appletReplaced, this, &TmainWindow::documentReplaced);
    connect(&document_, &AppletDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&document_, &AppletDocument::saved, this, &TmainWindow::showTitle);
    connect(&document_, &AppletDocument::formChanged, this, &TmainWindow::repaintPreview);
    connect(&document_, &AppletDocument::buttonsChanged, this, &TmainWindow::repaintPreview);
    connect(&document_, &AppletDocument::buttonListChanged, this, &TmainWindow::repaintPreview);
    connect(&document_, &AppletDocument::selectionChanged, this, &TmainWindow::repaintPreview);
    connect(&document_, &AppletDocument::changeRestored, this, &TmainWindow::changeRestored);
    // A field's typing is one step until the focus leaves it.
    connect(qApp, &QApplication::focusChanged, &document_, &AppletDocument::endMerging);
    showTitle();
}

TmainWindow::~TmainWindow() {
    saveSettings();
    // The windows go before the document they show.
    delete preview_;
    delete properties_;
    delete accessibilityWindow_;
    delete accessibility_;
    delete accessibilityBadge_;
    accessibility_ = nullptr;
    delete takeCentralWidget();
}

void TmainWindow::saveSettings() {
    if (settings_)
        settings_->save();
}

void TmainWindow::saveAllSettings() {
    saveSettings();
    if (browserWindow_)
        browserWindow_->saveSettings();
}

void TmainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(texts::kFileMenu);
    auto add = [this](QMenu* menu, const char* name, const char* caption, auto slot,
                      QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    DocumentCommands* commands = &documentCommands_;
    add(
        file, "newMenuItem", texts::kNewApplet, [commands] { commands->newDocument(); },
        QKeySequence::New);
    add(
        file, "openMenuItem", texts::kOpen, [commands] { commands->openDocument(); },
        QKeySequence::Open);
    reopenMenu_ = file->addMenu(texts::kReopen);
    reopenMenu_->setObjectName("Reopen1");
    reopenMenu_->menuAction()->setObjectName("Reopen1");
    add(
        file, "saveMenuItem", texts::kSaveApplet, [commands] { commands->saveDocument(); },
        QKeySequence::Save);
    add(
        file, "SaveAsMenuItem", texts::kSaveAppletAs, [commands] { commands->saveDocumentAs(); },
        QKeySequence("Ctrl+Shift+S"));
    add(file, "publishWebMenuItem", texts::kPublishWebMenu, &TmainWindow::publishForWeb);
    file->addSeparator();
    add(file, "exitMenuItem", texts::kExit, &QWidget::close, QKeySequence("Ctrl+Q"));

    QMenu* edit = menuBar()->addMenu(texts::edit::kEditMenu);
    edit->menuAction()->setObjectName("Edit1");
    editActions_->addTo(edit);

    QMenu* templates = menuBar()->addMenu(texts::kTemplatesMenu);
    templates->menuAction()->setObjectName("Templates1");
    // Menu order and the number (tag) each item carries.
    static constexpr struct {
        const char* caption;
        int number;
    } kTemplates[] = {{"Image Buttons", 4},     {"Navigation Bar", 6},
                      {"Colorful Toolbar", 0},  {"Transparent Buttons", 1},
                      {"Vertical Toolbar", 3},  {"Rounded Buttons", 7},
                      {"Staggered Buttons", 2}, {"Staggered Image Buttons", 5},
                      {"Relaxing Buttons", 8},  {"Purple Toolbars", 9}};
    for (const auto& item : kTemplates) {
        QAction* action = templates->addAction(item.caption);
        action->setData(item.number);
        const int number = item.number;
        connect(action, &QAction::triggered, this,
                [commands, number] { commands->openTemplate(number); });
    }

    QMenu* options = menuBar()->addMenu(texts::kOptionsMenu);
    add(options, "Advanced1", texts::kAdvanced, &TmainWindow::showAdvancedOptions);
    add(options, "Browser", texts::kBrowser, &TmainWindow::showBrowserChooser);
    add(options, "Alig1", texts::kAlignmentGrid, &TmainWindow::showAlignmentGrid);
    options->addSeparator();
    add(options, "CheckAccessibility1", texts::kCheckAccessibility,
        &TmainWindow::checkAccessibility);

    QMenu* help = menuBar()->addMenu(texts::kHelpMenu);
    add(help, "Help2", texts::kHelp, &TmainWindow::showHelp, QKeySequence::HelpContents);
    add(help, "Samples1", texts::kSamples, &TmainWindow::showSamples);
    help->addSeparator();
    add(help, "About", texts::kAbout, &TmainWindow::showAbout);
}

void TmainWindow::buildTabs() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* strip = new QHBoxLayout;
    auto* showPreview = new QPushButton(texts::kShowPreview, central);
    showPreview->setObjectName("bShowPreview");
    showPreview->setToolTip(texts::kShowPreviewHint);
    connect(showPreview, &QPushButton::clicked, this, [this] {
        preview_->show();
        preview_->raise();
    });
    strip->addWidget(showPreview);
    auto* test = new QPushButton(texts::kTestInBrowser, central);
    test->setObjectName("bTest");
    test->setToolTip(texts::kTestInBrowserHint);
    connect(test, &QPushButton::clicked, this, &TmainWindow::testInBrowser);
    strip->addWidget(test);
    strip->addStretch(1);
    layout->addLayout(strip);

    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("PageControl1");
    generalTab_ = new GeneralTab(*this, tabs_);
    generalTab_->setObjectName("GeneralTab");
    buttonsTab_ = new ButtonsTab(*this, tabs_);
    buttonsTab_->setObjectName("ButtonsTab");
    htmlTab_ = new HtmlTab(*this, tabs_);
    htmlTab_->setObjectName("HTMLTab");
    connect(htmlTab_, &HtmlTab::imagesAndSoundsClicked, this, &TmainWindow::showImagesAndSounds);
    connect(htmlTab_, &HtmlTab::classFilesClicked, this, &TmainWindow::showClassFiles);
    connect(htmlTab_, &HtmlTab::publishWebClicked, this, &TmainWindow::publishForWeb);
    tabs_->addTab(generalTab_, texts::kGeneralTab);
    tabs_->addTab(buttonsTab_, texts::kButtonsTab);
    tabs_->addTab(htmlTab_, texts::kHtmlTab);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (tabs_->widget(index) == htmlTab_)
            buildAppletHTML();
    });
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
}

void TmainWindow::createDocumentWindows() {
    // Built once; a new document resets them (documentReplaced). Owned by
    // the main window, so they stay above it and close with it. The
    // properties window is built when first asked for.
    preview_ = new TPreviewWindow(*this, this);
}

TBrowserWindow* TmainWindow::browserWindow() {
    // Its stored choice is read when it is first needed: Test in Browser or
    // Options > Browser.
    if (!browserWindow_)
        browserWindow_ = new TBrowserWindow(*this, this);
    return browserWindow_;
}

TPropertiesWindow* TmainWindow::properties() {
    // Built when first asked for rather than with every document: it is
    // the largest window, and many sessions never open it.
    if (!properties_) {
        properties_ = new TPropertiesWindow(*this, this);
        properties_->setApplyToAllStates(true);
        properties_->updatePropertiesWindow();
    }
    return properties_;
}

void TmainWindow::showCentred() {
    const QRect screen = this->screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(screen.center());
    move(frame.topLeft());
    show();
    placePreview();
}

void TmainWindow::placePreview() {
    // Beside the main window, where it does not hide the tabs.
    preview_->placeBeside(frameGeometry());
    preview_->show();
    preview_->raise();
    preview_->keepOnScreen();
}

void TmainWindow::documentReplaced() {
    UpdatingControlsScope updating;
    preview_->followAppletSize();
    if (isVisible())
        placePreview();
    if (properties_) {
        properties_->hide();
        properties_->setApplyToAllStates(true);
    }
    UpDateGeneralWindow();
    // Whoever copies from the HTML pane must get this document's block.
    // Building it fills the applet's empty texts, so it is built only where
    // it shows; a hidden pane is emptied and built when its tab opens.
    if (tabs_->currentWidget() == htmlTab_)
        rebuildHtmlPane();
    else
        htmlTab_->setLines({});
    repaintPreview();
    showTitle();
    if (accessibility_)
        accessibility_->documentChanged();
}

void TmainWindow::changeRestored() {
    UpdatingControlsScope updating;
    preview_->followAppletSize();
    generalTab_->showValues();
    updatePropertiesWindow();
    if (tabs_->currentWidget() == htmlTab_)
        rebuildHtmlPane();
    repaintPreview();
}

void TmainWindow::showTitle() {
    setWindowTitle(documentWindowTitle(applet().documentPath()));
    setWindowModified(document_.isModified());
}

void TmainWindow::UpDateGeneralWindow() {
    UpdatingControlsScope updating;
    generalTab_->refill();
}

void TmainWindow::buildAppletHTML() {
    rebuildHtmlPane();
}

std::vector<std::string> TmainWindow::rebuildHtmlPane() {
    std::vector<std::string> lines = wendle::buildAppletHTML(applet());
    QStringList pane;
    for (const auto& line : lines) pane << toQString(line);
    showHtmlLines(pane);
    return lines;
}

void TmainWindow::showHtmlLines(const QStringList& lines) {
    htmlTab_->setLines(lines);
}

ButtonsTab* TmainWindow::buttonsTab() const {
    buttonsTab_->ensureBuilt();
    return buttonsTab_;
}

HtmlTab* TmainWindow::htmlTab() const {
    htmlTab_->ensureBuilt();
    return htmlTab_;
}

void TmainWindow::updatePropertiesWindow() {
    if (properties_)
        properties_->updatePropertiesWindow();
    if (accessibility_)
        accessibility_->documentChanged();
}

void TmainWindow::repaintPreview() {
    if (preview_)
        preview_->view()->update();
    if (accessibility_)
        accessibility_->documentChanged();
}

void TmainWindow::checkAccessibility() {
    if (!accessibilityWindow_)
        accessibilityWindow_ = new AccessibilityWindow(*this, *accessibility_, this);
    accessibility_->checkNow();
    accessibilityWindow_->show();
    accessibilityWindow_->raise();
    accessibilityWindow_->activateWindow();
}

void TmainWindow::appletResized(int clientWidth, int clientHeight) {
    document_.edit(texts::edit::kResizeApplet, {true, applet().usedSlots(), false},
                   [clientWidth, clientHeight](TVelkForm& applet) {
                       resizeApplet(applet, clientWidth, clientHeight);
                   });
    // Only the size fields follow: a full refill would also reset choices
    // such as the arrangement box.
    generalTab_->showAppletSize();
}

Colour TmainWindow::getColor(Colour start) {
    return dialogs_.chooseColour(start).value_or(start);
}

bool TmainWindow::checkCharacters(const QString& text) {
    if (!wendle::checkCharacters(fromQString(text)))
        return false;
    dialogs_.showMessage(messages::kCheckCharacters);
    return true;
}

bool TmainWindow::checkCharacters2(const QString& text) {
    if (!wendle::checkCharacters2(fromQString(text)))
        return false;
    dialogs_.showMessage(messages::kCheckCharacters2);
    return true;
}

void TmainWindow::closeEvent(QCloseEvent* event) {
    if (!documentCommands_.mayClose()) {
        event->ignore();
        return;
    }
    if (preview_)
        preview_->hide();
    if (properties_)
        properties_->hide();
    saveSettings();
    event->accept();
}

void TmainWindow::deleteAppletCopies() {
    publishing_->deleteAppletCopies();
}

document::WorkingFolders TmainWindow::workingFolders() const {
    return publishing_->workingFolders();
}

void TmainWindow::testInBrowser() {
    publishing_->testInBrowser(rebuildHtmlPane());
}

void TmainWindow::showImagesAndSounds() {
    publishing_->showImagesAndSounds();
}

void TmainWindow::publishForWeb() {
    const QString documentPath = QFile::decodeName(applet().documentPath().c_str());
    const QString start =
        documentPath.isEmpty() ? QDir::homePath() : QFileInfo(documentPath).absolutePath();
    const QString folder = dialogs_.chooseFolder(texts::kPublishWebTitle, start);
    if (folder.isEmpty())
        return;
    QString program = programFolder_;
    if (!program.endsWith('/'))
        program += '/';
    web::WebExportReport report;
    const auto problem = web::exportForWeb(applet(), QFile::encodeName(folder).toStdString(),
                                           QFile::encodeName(program).toStdString(), report);
    if (problem) {
        dialogs_.showMessage(
            QString(texts::kPublishWebFailed).arg(QFile::decodeName(problem->c_str())));
        return;
    }
    QString message = QString(texts::kPublishedWeb).arg(folder);
    if (!report.missing.empty()) {
        QStringList names;
        for (const std::string& name : report.missing) names << QFile::decodeName(name.c_str());
        message += QString(texts::kSoundsNotFound).arg(names.join(", "));
    }
    if (!report.refused.empty()) {
        QStringList names;
        for (const std::string& name : report.refused) names << QFile::decodeName(name.c_str());
        message += QString(texts::kSoundsNotSounds).arg(names.join(", "));
    }
    dialogs_.showMessage(message);
}

void TmainWindow::showClassFiles() {
    publishing_->showClassFiles();
}

QString TmainWindow::launchProgram(const QString& file, const QString& parameters,
                                   const QString& workingFolder) {
    return publishing_->launchProgram(file, parameters, workingFolder);
}

void TmainWindow::addRecentDocument(const QString& path) {
    settings_->addRecentDocument(path);
}

void TmainWindow::loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) {
    pictureMessages_->note(LoadImage(applet, fallbackFolder));
}

void TmainWindow::loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                                 const std::string& fallbackFolder) {
    pictureMessages_->note(LoadImage(applet, panel, fallbackFolder));
}

void TmainWindow::showAdvancedOptions() {
    TAdvancedWindow::run(*this);
}

void TmainWindow::showAlignmentGrid() {
    TgridWindow::run(*this);
}

void TmainWindow::showBrowserChooser() {
    browserWindow()->exec();
}

void TmainWindow::showHelp() {
    openHelpTopic(0);
}

void TmainWindow::showSamples() {
    const QString error = dialogs_.openExternal(programFolder_ + "Samples.html");
    if (!error.isEmpty())
        dialogs_.showMessage(error);
}

void TmainWindow::showAbout() {
    TAboutBox::run(*this);
}

void TmainWindow::deleteReplacedCopies(const std::string& oldName) {
    publishing_->deleteReplacedCopies(oldName);
}

void TmainWindow::openHelpTopic(int topic) {
    const UserDialogs::HelpPage help = dialogs_.prepareHelp(topic);
    if (!help.error.isEmpty()) {
        dialogs_.showWarning(help.error);
        return;
    }
    publishing_->openInBrowser(QFile::encodeName(help.path).toStdString(),
                               Publishing::WithoutChoice::UseDefault);
}

bool TmainWindow::takeFirstUseFlag(const QString& name) {
    return settings_->takeFirstUseFlag(name);
}

void TmainWindow::newButton() {
    editActions_->newButton();
}

void TmainWindow::deleteButtons() {
    editActions_->deleteSelection();
}

void TmainWindow::duplicateButton() {
    editActions_->duplicateSelection();
}

void TmainWindow::showButtonProperties() {
    if (applet().selectedSlots().empty()) {
        dialogs_.showMessage(texts::kNoSelectionProperties);
        return;
    }
    updatePropertiesWindow();
    TPropertiesWindow* window = properties();
    if (!window->property("placed").toBool()) {
        // The first time, over the main window's tabs rather than wherever
        // the window system puts a new window.
        window->adjustSize();
        QRect frame = window->frameGeometry();
        frame.moveCenter(frameGeometry().center());
        const QRect screen = this->screen()->availableGeometry();
        frame.moveTop(std::max(frame.top(), screen.top()));
        frame.moveLeft(std::max(frame.left(), screen.left()));
        window->move(frame.topLeft());
        window->setProperty("placed", true);
    }
    window->show();
    window->raise();
}

}  // namespace wendle
