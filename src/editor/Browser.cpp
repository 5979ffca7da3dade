#include "editor/Browser.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/GeneralWidgets.h"
#include "editor/QtSettingsOwner.h"
#include "editor/Texts.h"
#include "editor/main.h"
#include "platform/HelpTopics.h"
#include "settings/ProgramSettings.h"

namespace wendle {

namespace t = texts::browser;

namespace {

// Paths and names as the settings keep them: the file system's bytes, UTF-8.
QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::string> rowsOf(const QListWidget& list) {
    std::vector<std::string> rows;
    for (int row = 0; row < list.count(); ++row)
        rows.push_back(list.item(row)->text().toStdString());
    return rows;
}

}  // namespace

TBrowserWindow::TBrowserWindow(TmainWindow& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(kBrowserWindowName);
    setWindowTitle(t::kCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    buildControls();

    // The lists on screen follow the chooser; a search fills them while it runs.
    chooser_.OnListsCleared = [this] {
        BrowserNames_->clear();
        BrowserPaths_->clear();
        listsChanged();
    };
    chooser_.OnBrowserListed = [this](std::size_t index) {
        BrowserNames_->addItem(shown(chooser_.BrowserNames()[index]));
        BrowserPaths_->addItem(shown(chooser_.BrowserPaths()[index]));
        listsChanged();
    };
    TRspFind* searches[] = {&chooser_.RspFind1, &chooser_.RspFind2};
    for (std::size_t i = 0; i < searchRunning_.size(); ++i) {
        searches[i]->OnCompleted = [this, i](TFindThread&) {
            searchRunning_[i] = false;
            showSearching();
        };
    }
    createSettings();
}

TBrowserWindow::~TBrowserWindow() {
    // The controls the settings read are still here; the searches are told
    // to stop and awaited when the chooser goes.
    if (PFormSettings1_)
        PFormSettings1_->save();
}

void TBrowserWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(t::kGroup, this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* choose = new QLabel(t::kChoose, group);
    choose->setWordWrap(true);
    groupLayout->addWidget(choose);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(new QLabel(t::kBrowserLabel, group));
    browser_ = new QLabel(kDefaultBrowser, group);
    browser_->setObjectName("browser");
    browser_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    choiceRow->addWidget(browser_, 1);
    groupLayout->addLayout(choiceRow);

    BrowserNames_ = new QListWidget(group);
    BrowserNames_->setObjectName("BrowserNames");
    BrowserNames_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(BrowserNames_, &QListWidget::itemClicked, this, &TBrowserWindow::BrowserNamesClick);
    connect(BrowserNames_, &QListWidget::itemDoubleClicked, this,
            &TBrowserWindow::BrowserNamesDblClick);
    groupLayout->addWidget(BrowserNames_, 1);

    // Never shown: the path of each listed browser, row for row.
    BrowserPaths_ = new QListWidget(this);
    BrowserPaths_->setObjectName("BrowserPaths");
    BrowserPaths_->hide();

    searchProgress_ = new QProgressBar(group);
    searchProgress_->setObjectName("searchProgress");
    searchProgress_->setRange(0, 0);
    searchProgress_->setTextVisible(false);
    searchProgress_->setMaximumHeight(12);
    searchProgress_->setToolTip(t::kSearchingHint);
    searchProgress_->hide();
    groupLayout->addWidget(searchProgress_);

    DefaultBrowserCheck_ = new QCheckBox(t::kUseDefault, group);
    DefaultBrowserCheck_->setObjectName("DefaultBrowserCheck");
    DefaultBrowserCheck_->setChecked(true);
    connect(DefaultBrowserCheck_, &QCheckBox::clicked, this,
            &TBrowserWindow::DefaultBrowserCheckClick);
    groupLayout->addWidget(DefaultBrowserCheck_);
    layout->addWidget(group, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeHelpButton(this, "bBrowserHelp", main_, help_topics::kBrowserChooser));
    buttons->addStretch(1);
    auto* search = new QPushButton(t::kSearch, this);
    search->setObjectName("bSearch");
    search->setAutoDefault(false);
    connect(search, &QPushButton::clicked, this, &TBrowserWindow::bSearchClick);
    buttons->addWidget(search);
    auto* close = new QPushButton(t::kClose, this);
    close->setObjectName("bClose");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TBrowserWindow::bCloseClick);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(380, 320);
}

void TBrowserWindow::createSettings() {
    settingsOwner_ = std::make_unique<QtSettingsOwner>(*this, kBrowserWindowName,
                                                       FormBorderStyle::Dialog, false);
    PFormSettings1_ = createPFormSettings1(*settingsOwner_);
    PFormSettings1_->restore();
    // What the store gave the controls becomes the chooser's state; the
    // chooser evens out lists of different lengths, and the controls then
    // show what it kept.
    chooser_.restore(rowsOf(*BrowserNames_), rowsOf(*BrowserPaths_),
                     browser_->text().toStdString());
    // A kept browser is not the default one: the box must not claim it is.
    chooser_.setUseDefaultBrowser(chooser_.browser() == kDefaultBrowser);
    BrowserNames_->clear();
    BrowserPaths_->clear();
    for (std::size_t i = 0; i < chooser_.BrowserNames().size(); ++i) {
        BrowserNames_->addItem(shown(chooser_.BrowserNames()[i]));
        BrowserPaths_->addItem(shown(chooser_.BrowserPaths()[i]));
    }
    showChoice();
}

void TBrowserWindow::showChoice() {
    browser_->setText(shown(chooser_.browser()));
    DefaultBrowserCheck_->setChecked(chooser_.useDefaultBrowser());
    // The chosen browser stands out in the list, as when it was clicked.
    const auto& paths = chooser_.BrowserPaths();
    const auto chosen = std::find(paths.begin(), paths.end(), chooser_.browser());
    if (chosen != paths.end())
        BrowserNames_->setCurrentRow(int(chosen - paths.begin()));
    else
        BrowserNames_->clearSelection();
}

void TBrowserWindow::showSearching() {
    searchProgress_->setVisible(searching());
}

void TBrowserWindow::listsChanged() {
    // Finds that arrive after the window was closed are kept as well.
    if (!isVisible() && PFormSettings1_)
        PFormSettings1_->windowShown();
}

void TBrowserWindow::showEvent(QShowEvent* event) {
    chooser_.shown();
    showChoice();
    showSearching();
    if (PFormSettings1_)
        PFormSettings1_->windowShown();
    QDialog::showEvent(event);
}

void TBrowserWindow::hideEvent(QHideEvent* event) {
    if (PFormSettings1_)
        PFormSettings1_->save();
    QDialog::hideEvent(event);
}

void TBrowserWindow::bSearchClick() {
    chooser_.searchForBrowsers();
    searchRunning_ = {true, true};
    showSearching();
}

void TBrowserWindow::bCloseClick() {
    chooser_.stopSearches();
    searchRunning_ = {false, false};
    showSearching();
    accept();
}

void TBrowserWindow::BrowserNamesClick() {
    std::optional<std::size_t> first;
    for (const QListWidgetItem* item : BrowserNames_->selectedItems()) {
        const auto row = std::size_t(BrowserNames_->row(item));
        first = first ? std::min(*first, row) : row;
    }
    if (chooser_.chooseBrowser(first))
        showChoice();
}

void TBrowserWindow::BrowserNamesDblClick() {
    BrowserNamesClick();
    accept();
}

void TBrowserWindow::DefaultBrowserCheckClick(bool ticked) {
    chooser_.setUseDefaultBrowser(ticked);
    showChoice();
}

}  // namespace wendle
