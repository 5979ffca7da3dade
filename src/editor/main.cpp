#include "editor/main.h"

#include <QAction>
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
#include "editor/Advanced.h"
#include "editor/AppletView.h"
#include "editor/Browser.h"
#include "editor/ButtonsTab.h"
#include "editor/Encoding.h"
#include "editor/GeneralTab.h"
#include "editor/Grid.h"
#include "editor/HtmlTab.h"
#include "editor/Preview.h"
#include "editor/Properties.h"
#include "editor/QtSettingsOwner.h"
#include "editor/Texts.h"
#include "model/AppletHTML.h"
#include "model/CharacterCheck.h"
#include "model/Editing.h"
#include "model/Messages.h"
#include "model/UpdatingControls.h"
#include "platform/Folders.h"
#include "render/LoadImage.h"
#include "settings/ProgramSettings.h"

namespace wendle {

TmainWindow::TmainWindow(UserDialogs& dialogs, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      programFolder_(programFolder),
      lifecycle_(documentHost_, QFile::encodeName(programFolder).toStdString()) {
    // The desktop services and the working folders look beside the same
    // program as the editor does.
    platform::overrideProgramFolder(QFile::encodeName(programFolder).toStdString());
    setObjectName("mainWindow");
    setWindowTitle(texts::kAppTitle);
    buildMenus();
    buildTabs();
    resize(720, 520);
    createSettings();
    browserWindow_ = new TBrowserWindow(*this, this);
}

TmainWindow::~TmainWindow() {
    saveSettings();
    delete preview_;
    delete properties_;
}

void TmainWindow::createSettings() {
    Label26_ = new QLabel("false", this);
    Label26_->setObjectName("Label26");
    Label26_->hide();
    Label27_ = new QLabel("false", this);
    Label27_->setObjectName("Label27");
    Label27_->hide();

    settingsOwner_ =
        std::make_unique<QtSettingsOwner>(*this, kMainWindowName, FormBorderStyle::Sizeable, true);
    AppSettings_ = createAppSettings(*settingsOwner_);
    AppSettings_->OnMRUClick = [this](TPFormSettings&, const TPMRUEntry&,
                                      const std::string& fileName,
                                      int) { reopenDocument(QFile::decodeName(fileName.c_str())); };
    AppSettings_->OnMRUChange = [this](TPFormSettings&) { rebuildReopenMenu(); };
    PAppSettings_ = createPAppSettings(settingsOwner_.get());
    AppSettings_->restore();
    rebuildReopenMenu();
}

void TmainWindow::rebuildReopenMenu() {
    reopenMenu_->clear();
    const TPMRUMenu menu = AppSettings_->BuildMRUMenu(false);
    if (menu.SeparatorBefore)
        reopenMenu_->addSeparator();
    for (const TPMRUEntry& entry : menu.Entries) {
        QAction* action = reopenMenu_->addAction(QString::fromStdString(entry.Caption));
        action->setToolTip(QFile::decodeName(entry.FileName.c_str()));
        const int index = entry.MRUIndex;
        connect(action, &QAction::triggered, this,
                [this, index] { AppSettings_->ClickMRUEntry(index); });
    }
    reopenMenu_->setEnabled(!menu.Entries.empty());
}

void TmainWindow::saveSettings() {
    if (AppSettings_)
        AppSettings_->save();
}

TVelkForm& TmainWindow::applet() {
    return preview_->applet();
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
    add(file, "newMenuItem", texts::kNewApplet, &TmainWindow::newDocument, QKeySequence::New);
    add(file, "openMenuItem", texts::kOpen, &TmainWindow::openDocument, QKeySequence::Open);
    reopenMenu_ = file->addMenu(texts::kReopen);
    reopenMenu_->setObjectName("Reopen1");
    reopenMenu_->menuAction()->setObjectName("Reopen1");
    add(file, "saveMenuItem", texts::kSaveApplet, &TmainWindow::saveDocument, QKeySequence::Save);
    add(file, "SaveAsMenuItem", texts::kSaveAppletAs, &TmainWindow::saveDocumentAs,
        QKeySequence("Ctrl+Shift+S"));
    file->addSeparator();
    add(file, "exitMenuItem", texts::kExit, &QWidget::close, QKeySequence("Ctrl+Q"));

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
        connect(action, &QAction::triggered, this, [this, number] { openTemplate(number); });
    }

    QMenu* options = menuBar()->addMenu(texts::kOptionsMenu);
    add(options, "Advanced1", texts::kAdvanced, &TmainWindow::showAdvancedOptions);
    add(options, "Browser", texts::kBrowser, &TmainWindow::showBrowserChooser);
    add(options, "Alig1", texts::kAlignmentGrid, &TmainWindow::showAlignmentGrid);

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

void TmainWindow::createDocumentWindows(std::unique_ptr<TVelkForm> applet) {
    // Nothing of the old document survives: its windows go with it.
    delete preview_;
    delete properties_;
    // Owned by the main window, so it stays above it and closes with it.
    preview_ = new TPreviewWindow(*this, std::move(applet), this);
    preview_->applet().setObserver(this);
    properties_ = new TPropertiesWindow(*this, this);
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

void TmainWindow::startUp(const QStringList& arguments) {
    resetDocument();
    if (!arguments.isEmpty()) {
        // A path with blanks that the shell split is joined again.
        openPath(arguments.join(' '));
        return;
    }
    for (int i = 0; i < document::kStartupButtons; ++i) applet().CreateMenuItem();
    applet().setClientSize(document::kNewClientWidth, document::kStartupClientHeight);
    preview_->followAppletSize();
    UpDateGeneralWindow();
}

void TmainWindow::openPath(const QString& path) {
    lifecycle_.openFile(QFile::encodeName(path).toStdString());
    afterDocumentRead();
}

void TmainWindow::afterDocumentRead() {
    // Whatever the reader met, the editors show the applet as it now is.
    setUpdatingControls(false);
    preview_->followAppletSize();
    UpDateGeneralWindow();
    repaintPreview();
}

void TmainWindow::resetDocument() {
    installApplet(document::newDocumentApplet());
    applet().setModified(false);
}

void TmainWindow::adoptApplet(std::unique_ptr<TVelkForm> applet) {
    installApplet(std::move(applet));
}

void TmainWindow::installApplet(std::unique_ptr<TVelkForm> applet) {
    UpdatingControlsScope updating;
    // The grid is the editor's, not the document's: it stays as the user
    // set it when the document is replaced.
    if (preview_) {
        const TVelkForm& previous = this->applet();
        applet->setGrid(previous.grid());
        applet->setGridX(previous.gridX());
        applet->setGridY(previous.gridY());
    }
    createDocumentWindows(std::move(applet));
    preview_->followAppletSize();
    if (isVisible())
        placePreview();
    properties_->hide();
    UpDateGeneralWindow();
    // The list follows the buttons the applet already holds.
    buttonsTab_->clearRows();
    TVelkForm& current = this->applet();
    for (int slot : current.usedSlots()) buttonAdded(current, slot);
    for (int slot : current.selectedSlots()) selectionChanged(current, slot, true);
    properties_->setApplyToAllStates(true);
    // Whoever copies from the HTML pane must get this document's block.
    rebuildHtmlPane();
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
    htmlTab_->setLines(pane);
    return lines;
}

void TmainWindow::updatePropertiesWindow() {
    if (properties_)
        properties_->updatePropertiesWindow();
}

void TmainWindow::repaintPreview() {
    if (preview_)
        preview_->view()->update();
}

void TmainWindow::appletResized() {
    // Only the size fields follow: a full refill would also reset choices
    // such as the arrangement box.
    generalTab_->showAppletSize();
    repaintIfTransparent(applet());
    repaintPreview();
}

Colour TmainWindow::getColor(Colour start) {
    const auto chosen = dialogs_.chooseColour(start);
    if (!chosen)
        return start;
    applet().setModified(true);
    return *chosen;
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

void TmainWindow::newDocument() {
    lifecycle_.newDocument();
}

void TmainWindow::openDocument() {
    lifecycle_.open();
    afterDocumentRead();
}

void TmainWindow::reopenDocument(const QString& path) {
    lifecycle_.reopen(QFile::encodeName(path).toStdString());
    afterDocumentRead();
}

void TmainWindow::saveDocument() {
    lifecycle_.save();
}

void TmainWindow::saveDocumentAs() {
    lifecycle_.saveAs();
}

void TmainWindow::openTemplate(int number) {
    lifecycle_.openTemplate(number);
    afterDocumentRead();
}

void TmainWindow::closeEvent(QCloseEvent* event) {
    if (!lifecycle_.close()) {
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
    if (preview_)
        document::deleteAppletCopies(applet(), workingFolders());
}

document::WorkingFolders TmainWindow::workingFolders() const {
    return {QFile::encodeName(programFolder_).toStdString(), platform::workingFolderBase()};
}

void TmainWindow::testInBrowser() {
    const std::vector<std::string> lines = rebuildHtmlPane();
    const document::WorkingFolders folders = workingFolders();
    if (const auto error = document::buildTestSite(applet(), lines, folders)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    const std::string page = document::testPagePath(folders);
    const auto launch = document::browserLaunch(browserWindow_->browserChoice(), page);
    switch (launch.kind) {
        case document::BrowserLaunch::Kind::DefaultBrowser:
            // A desktop without a default browser simply shows nothing.
            dialogs_.openExternal(QFile::decodeName(page.c_str()));
            break;
        case document::BrowserLaunch::Kind::Program:
            launchProgram(QFile::decodeName(launch.file.c_str()),
                          QFile::decodeName(launch.parameters.c_str()),
                          QFile::decodeName(launch.workingFolder.c_str()));
            break;
        case document::BrowserLaunch::Kind::NoBrowser:
            dialogs_.showMessage(document::messages::kSelectBrowser);
            break;
    }
}

void TmainWindow::showImagesAndSounds() {
    const document::WorkingFolders folders = workingFolders();
    if (const auto error = document::refreshRequiredFiles(applet(), folders)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    const QString folder = QFile::decodeName(folders.requiredFiles().c_str());
    launchProgram(folder, folder, folder);
}

void TmainWindow::showClassFiles() {
    const document::WorkingFolders folders = workingFolders();
    if (const auto error = document::gatherClassFiles(folders)) {
        dialogs_.showMessage(QFile::decodeName(error->c_str()));
        return;
    }
    const QString folder = QFile::decodeName(folders.velkbutton().c_str());
    launchProgram(folder, folder.chopped(1), folder);
}

void TmainWindow::launchProgram(const QString& file, const QString& parameters,
                                const QString& workingFolder) {
    const QString target = QDir::isAbsolutePath(file) ? file : workingFolder + file;
    if (QFileInfo(target).isDir()) {
        dialogs_.openExternal(target);
    } else {
        dialogs_.startProgram(target, parameters, workingFolder);
    }
}

void TmainWindow::addRecentDocument(const QString& path) {
    AppSettings_->AddMRUItem(QFile::encodeName(path).toStdString());
}

void TmainWindow::loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) {
    LoadImage(applet, fallbackFolder);
    applet.setModif(true);
}

void TmainWindow::loadStateImage(TVelkPanel& panel, const std::string& fallbackFolder) {
    LoadImage(panel, fallbackFolder);
}

void TmainWindow::showAdvancedOptions() {
    TAdvancedWindow::run(*this);
}

void TmainWindow::showAlignmentGrid() {
    TgridWindow::run(*this);
}

void TmainWindow::showBrowserChooser() {
    browserWindow_->exec();
}

void TmainWindow::showHelp() {
    dialogs_.openHelp(0);
}

void TmainWindow::showSamples() {
    const QString error = dialogs_.openExternal(programFolder_ + "Samples.html");
    if (!error.isEmpty())
        dialogs_.showMessage(error);
}

void TmainWindow::showAbout() {
    TAboutBox::run(*this);
}

void TmainWindow::reloadStateImage(TVelkPanel& panel) {
    loadStateImage(panel, documentFolder());
}

void TmainWindow::reloadAppletImage() {
    loadAppletImage(applet(), documentFolder());
}

std::string TmainWindow::documentFolder() {
    const std::string& path = applet().documentPath();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void TmainWindow::deleteReplacedCopies(const std::string& oldName) {
    document::deleteReplacedCopies(oldName, workingFolders());
}

void TmainWindow::openHelpTopic(int topic) {
    dialogs_.openHelp(topic);
}

bool TmainWindow::takeFirstUseFlag(const QString& name) {
    QLabel* flag = name == kShowedPreviewHint ? Label26_
                   : name == kShowedStateHint ? Label27_
                                              : nullptr;
    if (!flag || flag->text() == "true")
        return false;
    flag->setText("true");
    return true;
}

void TmainWindow::newButton() {
    const auto created = applet().CreateMenuItem();
    if (!created.ok())
        dialogs_.showMessage(toQString(created.message));
    repaintPreview();
}

void TmainWindow::deleteButtons() {
    if (applet().selectedSlots().empty()) {
        dialogs_.showMessage(texts::kNoSelectionDelete);
        return;
    }
    if (dialogs_.ask(texts::kConfirmDelete, false) != UserDialogs::Answer::Yes)
        return;
    UpdatingControlsScope updating;
    deleteSelected(applet());
    repaintPreview();
}

void TmainWindow::duplicateButton() {
    if (applet().selectedSlots().empty()) {
        dialogs_.showMessage(texts::kNoSelectionDuplicate);
        return;
    }
    const auto copy = duplicateSelected(applet());
    if (!copy.ok()) {
        dialogs_.showMessage(toQString(copy.message));
        return;
    }
    repaintPreview();
}

void TmainWindow::showButtonProperties() {
    if (applet().selectedSlots().empty()) {
        dialogs_.showMessage(texts::kNoSelectionProperties);
        return;
    }
    updatePropertiesWindow();
    if (!properties_->property("placed").toBool()) {
        // The first time, over the main window's tabs rather than wherever
        // the window system puts a new window.
        properties_->adjustSize();
        QRect frame = properties_->frameGeometry();
        frame.moveCenter(frameGeometry().center());
        const QRect screen = this->screen()->availableGeometry();
        frame.moveTop(std::max(frame.top(), screen.top()));
        frame.moveLeft(std::max(frame.left(), screen.left()));
        properties_->move(frame.topLeft());
        properties_->setProperty("placed", true);
    }
    properties_->show();
    properties_->raise();
}

void TmainWindow::buttonAdded(TVelkForm& applet, int slot) {
    buttonsTab_->appendRow(toQString(applet.statePanel(1, slot)->itemName()));
}

void TmainWindow::buttonRemoved(TVelkForm&, int, int ordinal) {
    buttonsTab_->removeRow(ordinal);
}

void TmainWindow::selectionChanged(TVelkForm& applet, int slot, bool selected) {
    const auto& used = applet.usedSlots();
    const auto found = std::find(used.begin(), used.end(), slot);
    if (found != used.end())
        buttonsTab_->setRowSelected(int(found - used.begin()), selected);
}

}  // namespace wendle
