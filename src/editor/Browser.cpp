#include "editor/Browser.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
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

// A row's program path, which its second line shows.
constexpr int kPathRole = Qt::UserRole + 1;

QFont pathFont(const QFont& font) {
    QFont smaller(font);
    smaller.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() * 0.85 : 8);
    return smaller;
}

// Draws each found browser on two lines: its name, and below it, smaller and
// dimmer, the path of its program, so that two finds of one version can be
// told apart. The row's text stays the name alone, as the settings keep it.
class NameAndPathDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QString name = item.text;
        item.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const bool selected = option.state & QStyle::State_Selected;
        const auto group =
            option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        const QRect text = option.rect.adjusted(4, 1, -4, -1);
        const QFont small = pathFont(option.font);
        const QFontMetrics smallMetrics(small);
        const int nameHeight = option.fontMetrics.height();
        painter->save();
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(QRect(text.left(), text.top(), text.width(), nameHeight),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(name, Qt::ElideRight, text.width()));
        if (!selected)
            painter->setPen(option.palette.color(group, QPalette::PlaceholderText));
        painter->setFont(small);
        painter->drawText(
            QRect(text.left(), text.top() + nameHeight, text.width(), smallMetrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            smallMetrics.elidedText(index.data(kPathRole).toString(), Qt::ElideMiddle,
                                    text.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize one = QStyledItemDelegate::sizeHint(option, index);
        return QSize(one.width(), option.fontMetrics.height() +
                                      QFontMetrics(pathFont(option.font)).height() + 2);
    }
};

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
        addRow(chooser_.BrowserNames()[index], chooser_.BrowserPaths()[index]);
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
    saveSettings();
}

void TBrowserWindow::saveSettings() {
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
    BrowserNames_->setItemDelegate(new NameAndPathDelegate(BrowserNames_));
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
    searchStatus_ = new QLabel(group);
    searchStatus_->setObjectName("searchStatus");
    searchStatus_->setWordWrap(true);
    searchStatus_->hide();
    groupLayout->addWidget(searchStatus_);
    // The searches count their folders; the line is brought up to date a
    // few times a second rather than on every folder.
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(200);
    connect(progressTimer_, &QTimer::timeout, this, &TBrowserWindow::showProgress);

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
    for (std::size_t i = 0; i < chooser_.BrowserNames().size(); ++i)
        addRow(chooser_.BrowserNames()[i], chooser_.BrowserPaths()[i]);
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
    if (searching())
        progressTimer_->start();
    else
        progressTimer_->stop();
    showProgress();
}

void TBrowserWindow::showProgress() {
    searchStatus_->setVisible(searchedOnce_);
    if (!searchedOnce_)
        return;
    // Both searches walk the same drives: the one further on tells how far.
    const TRspFind& first = chooser_.RspFind1;
    const TRspFind& second = chooser_.RspFind2;
    const QLocale locale;
    const QString folders =
        locale.toString(qulonglong(std::max(first.FoldersSearched(), second.FoldersSearched())));
    if (searching()) {
        searchStatus_->setText(QString(t::kSearching).arg(folders));
        return;
    }
    QString status = QString(searchStopped_ ? t::kSearchStopped : t::kSearchFinished).arg(folders);
    const std::size_t skipped = std::max(first.Skipped(), second.Skipped());
    if (skipped > 0)
        status += " " + QString(t::kNotSearched).arg(locale.toString(qulonglong(skipped)));
    searchStatus_->setText(status);
}

void TBrowserWindow::addRow(const std::string& name, const std::string& path) {
    auto* row = new QListWidgetItem(shown(name));
    row->setData(kPathRole, shown(path));
    row->setToolTip(shown(path));
    BrowserNames_->addItem(row);
    BrowserPaths_->addItem(shown(path));
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
    saveSettings();
    QDialog::hideEvent(event);
}

void TBrowserWindow::bSearchClick() {
    chooser_.searchForBrowsers();
    searchRunning_ = {true, true};
    searchedOnce_ = true;
    searchStopped_ = false;
    showSearching();
}

void TBrowserWindow::bCloseClick() {
    if (searching())
        searchStopped_ = true;
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
