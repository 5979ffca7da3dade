#include "editor/StateTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "editor/PictureMessages.h"
#include "editor/PropertiesHelp.h"
#include "editor/PropertiesSelectionEditor.h"
#include "editor/PropertiesTexts.h"
#include "editor/PropertiesWidgets.h"
#include "editor/main.h"
#include "model/FontTables.h"
#include "model/PanelEdits.h"
#include "model/UpdatingControls.h"
#include "model/VelkPanel.h"

namespace wendle {

namespace t = texts::properties;
using namespace props;

namespace {

constexpr int kBorderRange = 1000;
constexpr int kSoundNameLength = 255;
constexpr int kImageStyleFree = 0;
constexpr int kBorderStyleBump = 3;

// The border style list names frame, bevel and bump, each raised then
// lowered.
int borderStyleItem(int borderStyle, bool raised) {
    return 2 * (borderStyle - 1) + (raised ? 0 : 1);
}
bool isBumpItem(int item) {
    return item / 2 + 1 == kBorderStyleBump;
}

// A caption's lines are separated by CR LF in the model, by LF in the memo.
QString memoText(const std::string& caption) {
    return shownText(caption).replace("\r\n", "\n");
}
std::string captionText(const QString& memo) {
    QString text = memo;
    return storedText(text.replace("\n", "\r\n"));
}

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

// Where a file dialog starts for a stored path: its folder, or the
// fallback when the path is empty or names no folder.
QString startFolder(const std::string& storedPath, const QString& fallback) {
    const QString path = shownText(storedPath);
    if (path.isEmpty())
        return fallback;
    const QString folder = QFileInfo(path).path();
    return folder == "." ? fallback : folder;
}

QGridLayout* groupGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    return grid;
}

}  // namespace

StateTab::StateTab(SelectionEditor& editor, StateTabHost& host, int state, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      host_(host),
      state_(state),
      names_(kStateTabNames[std::size_t(state - 1)]) {
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    auto* textColumn = new QVBoxLayout;
    auto* lookColumn = new QVBoxLayout;
    sideColumn_ = new QVBoxLayout;
    columns->addLayout(textColumn, 1);
    columns->addLayout(lookColumn, 1);
    columns->addLayout(sideColumn_, 1);

    buildTextGroup(textColumn);
    buildBorderGroup(lookColumn);
    buildBackgroundGroup(lookColumn);
    buildHighlightGroup();
    buildSoundGroup();
    textColumn->addStretch(1);
    lookColumn->addStretch(1);
    connectColourButtons();
}

void StateTab::addToSideColumn(QWidget* group) {
    sideColumn_->addWidget(group);
}

void StateTab::buildTextGroup(QVBoxLayout* column) {
    auto* group = new QGroupBox(t::kTextGroup, this);
    QGridLayout* grid = groupGrid(group);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    fontStyle_ = makeStyleButtons({names_.plain, names_.italic, names_.bold}, buttons, group);
    buttons->addSpacing(8);
    alignment_ = makeAlignmentButtons({names_.alignLeft, names_.alignCenter, names_.alignRight},
                                      buttons, group);
    buttons->addStretch(1);
    buttons->addWidget(makeHelpButton(editor_.main(), helpTopics::kText, names_.textHelp, group));
    grid->addLayout(buttons, 0, 0, 1, 2);

    font_ = makeTypefaceBox(names_.font, group);
    fontSize_ = makeFontSizeBox(names_.fontSize, group);
    grid->addWidget(font_, 1, 0);
    grid->addWidget(fontSize_, 1, 1);

    fontColor_ = makeButton(names_.fontColor, t::kFontColor, group);
    fontShadowColor_ = makeButton(names_.fontShadowColor, t::kFontShadowColor, group);
    grid->addWidget(fontColor_, 2, 0);
    grid->addWidget(fontShadowColor_, 2, 1);

    useShadow_ = makeCheckBox(names_.useShadow, t::kUseShadow, group);
    grid->addWidget(useShadow_, 3, 0, 1, 2);

    caption_ = new QPlainTextEdit(group);
    caption_->setObjectName(names_.caption);
    caption_->setTabChangesFocus(true);
    caption_->setMinimumHeight(60);
    caption_->setMaximumHeight(90);
    grid->addWidget(caption_, 4, 0, 1, 2);
    column->addWidget(group);

    connect(caption_, &QPlainTextEdit::textChanged, this, &StateTab::captionChanged);
    connect(font_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (updatingControls() || item < 0)
            return;
        editor_.applyToActiveStates(
            [item](PanelValues& panel) { panel.fontName = std::uint8_t(item); });
    });
    connect(fontSize_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (updatingControls() || item < 0)
            return;
        const int size = kFontSizes[std::size_t(item)];
        editor_.applyToActiveStates(
            [size](PanelValues& panel) { panel.fontSize = std::uint8_t(size); });
    });
    connect(fontStyle_, &QButtonGroup::idClicked, this, [this](int style) {
        if (updatingControls())
            return;
        editor_.applyToActiveStates(
            [style](PanelValues& panel) { panel.fontStyle = std::uint8_t(style); });
    });
    connect(alignment_, &QButtonGroup::idClicked, this, [this](int alignment) {
        if (updatingControls())
            return;
        editor_.applyToActiveStates(
            [alignment](PanelValues& panel) { panel.fontAlignment = std::uint8_t(alignment); });
    });
    connect(useShadow_, &QCheckBox::toggled, this, &StateTab::useShadowClicked);
}

void StateTab::buildBorderGroup(QVBoxLayout* column) {
    auto* group = new QGroupBox(t::kBorderGroup, this);
    QGridLayout* grid = groupGrid(group);

    borderWidth_ = makeNumberField(names_.borderWidth, 0, kBorderRange, group);
    borderStyle_ = makeListBox(names_.borderStyle, t::kBorderStyles, 6, group);
    borderShading_ = makeNumberField(names_.borderShading, 0, kBorderRange, group);
    borderColor_ = makeButton(names_.borderColor, t::kBorderColor, group);

    grid->addWidget(new QLabel(t::kBorderWidth, group), 0, 0);
    grid->addWidget(borderWidth_, 0, 1);
    grid->addWidget(makeHelpButton(editor_.main(), helpTopics::kBorder, names_.borderHelp, group),
                    0, 2, Qt::AlignRight);
    grid->addWidget(new QLabel(t::kStyle, group), 1, 0);
    grid->addWidget(borderStyle_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(t::kShading, group), 2, 0);
    grid->addWidget(borderShading_, 2, 1);
    grid->addWidget(borderColor_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    column->addWidget(group);

    connect(borderWidth_, &QSpinBox::valueChanged, this, [this] {
        numberChanged(borderWidth_, [](PanelValues& panel, int value) {
            panel.borderWidth = std::int16_t(value);
        });
    });
    connect(borderShading_, &QSpinBox::valueChanged, this, [this] {
        numberChanged(borderShading_,
                      [](PanelValues& panel, int value) { panel.borderShading = value; });
    });
    connect(borderStyle_, &QComboBox::currentIndexChanged, this, &StateTab::borderStyleChanged);
}

void StateTab::buildBackgroundGroup(QVBoxLayout* column) {
    auto* group = new QGroupBox(t::kBackgroundGroup, this);
    QGridLayout* grid = groupGrid(group);

    bkColor_ = makeButton(names_.bkColor, t::kBackgroundColor, group);
    fadeColor_ = makeButton(names_.fadeColor, t::kFadeColor, group);
    gradient_ = makeCheckBox(names_.gradient, t::kGradientFill, group);
    transparent_ = makeCheckBox(names_.transparent, t::kTransparent, group);
    bkImage_ = makeLineEdit(names_.bkImage, 0, group);
    bkImageBrowse_ = new QToolButton(group);
    bkImageBrowse_->setObjectName(names_.bkImageBrowse);
    bkImageBrowse_->setText(t::kBrowse);
    imageAlign_ = makeListBox(names_.imageAlign, t::kImageAlignments, 6, group);
    constexpr int kImageMin = std::numeric_limits<std::int16_t>::min();
    constexpr int kImageMax = std::numeric_limits<std::int16_t>::max();
    imageX_ = makeNumberField(names_.imageX, kImageMin, kImageMax, group);
    imageY_ = makeNumberField(names_.imageY, kImageMin, kImageMax, group);

    grid->addWidget(bkColor_, 0, 0, 1, 2);
    grid->addWidget(fadeColor_, 0, 2, 1, 2);
    grid->addWidget(
        makeHelpButton(editor_.main(), helpTopics::kBackground, names_.backgroundHelp, group), 0, 4,
        Qt::AlignRight);
    grid->addWidget(gradient_, 1, 0, 1, 2);
    grid->addWidget(transparent_, 1, 2, 1, 3);
    grid->addWidget(new QLabel(t::kButtonImage, group), 2, 0, 1, 5);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(bkImage_, 1);
    imageRow->addWidget(bkImageBrowse_);
    grid->addLayout(imageRow, 3, 0, 1, 5);
    grid->addWidget(new QLabel(t::kAlignment, group), 4, 0, 1, 2);
    grid->addWidget(imageAlign_, 4, 2, 1, 3);
    grid->addWidget(new QLabel(t::kX, group), 5, 0);
    grid->addWidget(imageX_, 5, 1);
    grid->addWidget(new QLabel(t::kY, group), 5, 2, Qt::AlignRight);
    grid->addWidget(imageY_, 5, 3, 1, 2);
    column->addWidget(group);

    connect(gradient_, &QCheckBox::toggled, this, &StateTab::gradientClicked);
    connect(transparent_, &QCheckBox::toggled, this, &StateTab::transparentClicked);
    connect(bkImage_, &QLineEdit::textChanged, this, &StateTab::imageTyped);
    connect(bkImageBrowse_, &QToolButton::clicked, this, &StateTab::browseImage);
    connect(imageAlign_, &QComboBox::currentIndexChanged, this, &StateTab::imageAlignChanged);
    connect(imageX_, &QSpinBox::valueChanged, this, [this] {
        numberChanged(imageX_,
                      [](PanelValues& panel, int value) { panel.imageX = std::int16_t(value); });
    });
    connect(imageY_, &QSpinBox::valueChanged, this, [this] {
        numberChanged(imageY_,
                      [](PanelValues& panel, int value) { panel.imageY = std::int16_t(value); });
    });
}

void StateTab::buildHighlightGroup() {
    highlightGroup_ = new QGroupBox(t::kHighlightGroup, this);
    auto* row = new QHBoxLayout(highlightGroup_);
    row->setContentsMargins(6, 4, 6, 6);
    showHighlight_ = makeCheckBox(names_.showHighlight, t::kShowHighlight, highlightGroup_);
    highlightColor_ = makeButton(names_.highlightColor, t::kHighlightColor, highlightGroup_);
    row->addWidget(showHighlight_);
    row->addStretch(1);
    row->addWidget(highlightColor_);
    connect(showHighlight_, &QCheckBox::toggled, this, &StateTab::highlightClicked);
}

void StateTab::buildSoundGroup() {
    soundGroup_ = new QGroupBox(t::kSoundGroup, this);
    auto* row = new QHBoxLayout(soundGroup_);
    row->setContentsMargins(6, 4, 6, 6);
    sound_ = makeLineEdit(names_.sound, kSoundNameLength, soundGroup_);
    soundBrowse_ = new QToolButton(soundGroup_);
    soundBrowse_->setObjectName(names_.soundBrowse);
    soundBrowse_->setText(t::kBrowse);
    soundBrowse_->setProperty("tag", state_);
    row->addWidget(sound_, 1);
    row->addWidget(soundBrowse_);
    row->addWidget(
        makeHelpButton(editor_.main(), helpTopics::kSound, names_.soundHelp, soundGroup_));
    connect(sound_, &QLineEdit::textChanged, this, &StateTab::soundTyped);
    connect(soundBrowse_, &QToolButton::clicked, this, &StateTab::browseSound);
}

void StateTab::connectColourButtons() {
    struct ColourButton {
        QPushButton* button;
        Colour PanelValues::*colour;
    };
    const ColourButton buttons[] = {
        {fontColor_, &PanelValues::fontColor},
        {fontShadowColor_, &PanelValues::fontShadowColor},
        {borderColor_, &PanelValues::borderColor},
        {bkColor_, &PanelValues::bkColor},
        {fadeColor_, &PanelValues::fadeColor},
    };
    // The dialog starts from the colour of the state the user is looking at.
    for (const ColourButton& entry : buttons) {
        connect(entry.button, &QPushButton::clicked, this,
                [this, entry] { chooseColour(host_.shownState(), entry.colour); });
    }
    // The highlight colour belongs to this tab's state whichever tab shows.
    connect(highlightColor_, &QPushButton::clicked, this,
            [this] { chooseColour(state_, &PanelValues::highlightColor); });
}

void StateTab::fill(const TVelkPanel& panel) {
    imageX_->setValue(panel.imageX());
    imageY_->setValue(panel.imageY());
    if (panel.imageStyle() < imageAlign_->count())
        imageAlign_->setCurrentIndex(panel.imageStyle());
    // Each tab's position fields follow its own alignment: only a freely
    // placed image has a position.
    imageX_->setEnabled(panel.imageStyle() == kImageStyleFree);
    imageY_->setEnabled(panel.imageStyle() == kImageStyleFree);
    showText(bkImage_, shownText(panel.imageName()));

    showHighlight_->setChecked(panel.showHighlight());
    highlightColor_->setEnabled(panel.showHighlight());

    transparent_->setChecked(panel.transparentBk());
    if (panel.transparentBk()) {
        fadeColor_->setEnabled(false);
        bkColor_->setEnabled(false);
        gradient_->setEnabled(false);
        gradient_->setChecked(false);
    } else {
        bkColor_->setEnabled(true);
        gradient_->setEnabled(true);
        gradient_->setChecked(panel.fade());
        fadeColor_->setEnabled(panel.fade());
    }

    showText(sound_, shownText(panel.soundName()));

    const int styleItem = borderStyleItem(panel.borderStyle(), panel.raised());
    if (styleItem >= 0 && styleItem < borderStyle_->count())
        borderStyle_->setCurrentIndex(styleItem);
    borderWidth_->setValue(panel.borderWidth());
    borderShading_->setValue(panel.borderShading());
    borderShading_->setEnabled(panel.borderStyle() == kBorderStyleBump);

    showText(caption_, memoText(panel.caption()));
    if (panel.fontName() < font_->count())
        font_->setCurrentIndex(panel.fontName());
    if (const int sizeItem = fontSizeItem(panel.fontSize()); sizeItem >= 0)
        fontSize_->setCurrentIndex(sizeItem);
    useShadow_->setChecked(panel.fontShadow());
    fontShadowColor_->setEnabled(panel.fontShadow());
    checkButton(fontStyle_, panel.fontStyle());
    checkButton(alignment_, panel.fontAlignment());
}

void StateTab::showShadow(bool on) {
    useShadow_->setChecked(on);
    fontShadowColor_->setEnabled(on);
}

void StateTab::enableFadeColour(bool on) {
    fadeColor_->setEnabled(on);
}

void StateTab::enableHighlightColour(bool on) {
    highlightColor_->setEnabled(on);
}

void StateTab::showSoundName(const QString& name) {
    showText(sound_, name);
}

void StateTab::captionChanged() {
    if (updatingControls())
        return;
    const QString text = caption_->toPlainText();
    if (editor_.refuses(SelectionEditor::Check::Characters, text))
        return;
    const std::string caption = captionText(text);
    editor_.applyToActiveStates([&caption](PanelValues& panel) { panel.caption = caption; });
}

void StateTab::numberChanged(QSpinBox* field, const std::function<void(PanelValues&, int)>& set) {
    // A field the user has just cleared applies nothing.
    if (updatingControls() || field->text().isEmpty())
        return;
    const int value = field->value();
    editor_.applyToActiveStates([&set, value](PanelValues& panel) { set(panel, value); });
}

void StateTab::borderStyleChanged(int item) {
    if (updatingControls() || item < 0)
        return;
    editor_.applyToActiveStates([item](PanelValues& panel) { setBorderItem(panel, item); });
    // Only a bump border has shading.
    borderShading_->setEnabled(isBumpItem(item));
}

void StateTab::imageAlignChanged(int item) {
    if (updatingControls() || item < 0)
        return;
    editor_.applyToActiveStates(
        [item](PanelValues& panel) { panel.imageStyle = std::uint8_t(item); });
    imageX_->setEnabled(item == kImageStyleFree);
    imageY_->setEnabled(item == kImageStyleFree);
}

void StateTab::useShadowClicked(bool on) {
    if (updatingControls())
        return;
    if (!editor_.applyToActiveStates([on](PanelValues& panel) { panel.fontShadow = on; }))
        return;
    UpdatingControlsScope updating;
    host_.forEachActiveTab([on](StateTab& tab) { tab.showShadow(on); });
}

void StateTab::gradientClicked(bool on) {
    if (updatingControls())
        return;
    if (!editor_.applyToActiveStates([on](PanelValues& panel) { panel.fade = on; }))
        return;
    host_.forEachActiveTab([on](StateTab& tab) { tab.enableFadeColour(on); });
}

void StateTab::transparentClicked(bool on) {
    if (updatingControls())
        return;
    const bool applied = editor_.applyToActiveStates(
        [on](PanelValues& panel) { setTransparentBackground(panel, on); });
    if (applied)
        host_.refill();
}

void StateTab::highlightClicked(bool on) {
    if (updatingControls())
        return;
    if (!editor_.applyToActiveStates([on](PanelValues& panel) { panel.showHighlight = on; }))
        return;
    host_.forEachActiveTab([on](StateTab& tab) { tab.enableHighlightColour(on); });
}

void StateTab::chooseColour(int startState, Colour PanelValues::*field) {
    if (updatingControls() || !editor_.startEdit())
        return;
    const TVelkPanel* first = editor_.firstSelected(startState);
    if (!first)
        return;
    // Cancel gives the start colour back, and that is applied too: every
    // selected button then takes the first one's colour.
    const Colour colour = editor_.chooseColour(capturePanel(*first).*field);
    editor_.editActiveStates([field, colour](PanelValues& panel) { panel.*field = colour; });
    editor_.repaint();
}

void StateTab::replaceImage(const std::string& name, const std::string& path) {
    editor_.editActiveStates([this, &name, &path](PanelValues& panel) {
        editor_.discardCopies(panel.imageName);
        setStateImage(panel, name, path);
    });
    editor_.repaint();
    host_.refill();
}

void StateTab::imageTyped(const QString& text) {
    if (updatingControls())
        return;
    if (editor_.refuses(SelectionEditor::Check::Characters2, text))
        return;
    if (!editor_.startEdit())
        return;
    const std::string name = storedText(text);
    replaceImage(name, name);
}

void StateTab::browseImage() {
    if (!editor_.requireSelection())
        return;
    const QString fallback = editor_.main().programFolder() + t::kButtonImagesFolder;
    const TVelkPanel* first = editor_.firstSelected(1);
    const QString chosen = editor_.main().dialogs().chooseOpenFile(
        {t::kOpenImageTitle,
         t::kImageFilter,
         startFolder(first ? first->imagePath() : std::string(), fallback),
         {}});
    if (chosen.isEmpty() || refuseChosenPicture(editor_.main().dialogs(), chosen))
        return;
    replaceImage(storedText(fileNameOf(chosen)), storedText(chosen));
}

void StateTab::soundTyped(const QString& text) {
    if (updatingControls())
        return;
    if (editor_.refuses(SelectionEditor::Check::Characters2, text))
        return;
    if (!editor_.startEdit())
        return;
    const std::string name = storedText(text);
    editor_.editActiveStates([this, &name](PanelValues& panel) {
        editor_.discardCopies(panel.soundName);
        setStateSound(panel, name, name);
    });
}

void StateTab::browseSound() {
    if (!editor_.requireSelection())
        return;
    const QString fallback = editor_.main().programFolder() + t::kSoundsFolder;
    const TVelkPanel* first = editor_.firstSelected(state_);
    const QString chosen = editor_.main().dialogs().chooseOpenFile(
        {t::kOpenSoundTitle,
         t::kSoundFilter,
         startFolder(first ? first->soundPath() : std::string(), fallback),
         {}});
    if (chosen.isEmpty())
        return;
    const std::string name = storedText(fileNameOf(chosen));
    const std::string path = storedText(chosen);
    editor_.editActiveStates([this, &name, &path](PanelValues& panel) {
        editor_.discardCopies(panel.soundName);
        setStateSound(panel, name, path);
    });
    UpdatingControlsScope updating;
    const QString shown = shownText(name);
    host_.forEachActiveTab([&shown](StateTab& tab) { tab.showSoundName(shown); });
}

}  // namespace wendle
