#include "editor/PropertiesButtonWide.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "editor/GeneralTab.h"
#include "editor/PropertiesHelp.h"
#include "editor/PropertiesSelectionEditor.h"
#include "editor/PropertiesTexts.h"
#include "editor/PropertiesWidgets.h"
#include "editor/main.h"
#include "model/Editing.h"
#include "model/FontTables.h"
#include "model/UpdatingControls.h"
#include "model/VelkForm.h"

namespace wendle {

namespace t = texts::properties;
using namespace props;

namespace {

constexpr int kSizeMax = 10000;
constexpr int kPositionMax = 10000;
constexpr int kTextLength = 255;

QGridLayout* groupGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    return grid;
}

QLabel* noteLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// The main window's "Show Text Box" box; checking it turns the applet's text
// box on and places it.
QCheckBox* showTextBoxBox(TmainWindow& main) {
    QWidget* general = main.generalTab();
    return general ? general->findChild<QCheckBox*>("CheckBox2") : nullptr;
}

}  // namespace

ButtonWideGroups::ButtonWideGroups(SelectionEditor& editor, QWidget* parent)
    : QObject(parent), editor_(editor) {
    buildDimensionsGroup(parent);
    buildTextBoxGroup(parent);
    buildStatusGroup(parent);
    buildHintGroup(parent);
    buildLinkGroup(parent);
}

void ButtonWideGroups::buildDimensionsGroup(QWidget* parent) {
    dimensionsGroup_ = new QGroupBox(t::kDimensionsGroup, parent);
    QGridLayout* grid = groupGrid(dimensionsGroup_);
    width_ = makeNumberField("eItemWidth", 0, kSizeMax, dimensionsGroup_);
    height_ = makeNumberField("eItemHeight", 0, kSizeMax, dimensionsGroup_);
    left_ = makeNumberField("itemXEdit", -kPositionMax, kPositionMax, dimensionsGroup_);
    top_ = makeNumberField("itemYEdit", -kPositionMax, kPositionMax, dimensionsGroup_);
    left_->setToolTip(t::kHorizontalPositionHint);
    top_->setToolTip(t::kVerticalPositionHint);

    grid->addWidget(noteLabel(t::kDimensionsNote, dimensionsGroup_), 0, 0, 1, 4);
    grid->addWidget(
        makeHelpButton(editor_.main(), helpTopics::kSize, "bDimensionsHelp", dimensionsGroup_), 0,
        4, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(new QLabel(t::kWidth, dimensionsGroup_), 1, 0);
    grid->addWidget(width_, 1, 1);
    grid->addWidget(new QLabel(t::kX, dimensionsGroup_), 1, 2, Qt::AlignRight);
    grid->addWidget(left_, 1, 3, 1, 2);
    grid->addWidget(new QLabel(t::kHeight, dimensionsGroup_), 2, 0);
    grid->addWidget(height_, 2, 1);
    grid->addWidget(new QLabel(t::kY, dimensionsGroup_), 2, 2, Qt::AlignRight);
    grid->addWidget(top_, 2, 3, 1, 2);

    connect(width_, &QSpinBox::valueChanged, this, [this] {
        geometryChanged(width_, [](TVelkForm& applet, int slot, int value) {
            const TVelkPanel& panel = *applet.statePanel(1, slot);
            SetSizeXY(applet, slot, panel.left(), panel.top(), value, panel.height());
        });
    });
    connect(height_, &QSpinBox::valueChanged, this, [this] {
        geometryChanged(height_, [](TVelkForm& applet, int slot, int value) {
            const TVelkPanel& panel = *applet.statePanel(1, slot);
            SetSizeXY(applet, slot, panel.left(), panel.top(), panel.width(), value);
        });
    });
    connect(left_, &QSpinBox::valueChanged, this, [this] {
        geometryChanged(left_, [](TVelkForm& applet, int slot, int value) {
            const TVelkPanel& panel = *applet.statePanel(1, slot);
            SetSizeXY(applet, slot, value, panel.top(), panel.width(), panel.height());
        });
    });
    connect(top_, &QSpinBox::valueChanged, this, [this] {
        geometryChanged(top_, [](TVelkForm& applet, int slot, int value) {
            const TVelkPanel& panel = *applet.statePanel(1, slot);
            SetSizeXY(applet, slot, panel.left(), value, panel.width(), panel.height());
        });
    });
}

void ButtonWideGroups::buildTextBoxGroup(QWidget* parent) {
    textBoxGroup_ = new QGroupBox(t::kTextBoxGroup, parent);
    auto* row = new QHBoxLayout(textBoxGroup_);
    row->setContentsMargins(6, 4, 6, 6);
    textBoxText_ = makeLineEdit("eTextBox", 0, textBoxGroup_);
    row->addWidget(textBoxText_);
    connect(textBoxText_, &QLineEdit::textChanged, this, &ButtonWideGroups::textBoxTextChanged);
}

void ButtonWideGroups::buildStatusGroup(QWidget* parent) {
    statusGroup_ = new QGroupBox(t::kStatusGroup, parent);
    auto* row = new QHBoxLayout(statusGroup_);
    row->setContentsMargins(6, 4, 6, 6);
    status_ = makeLineEdit("itemStatusEdit", kTextLength, statusGroup_);
    row->addWidget(status_, 1);
    row->addWidget(
        makeHelpButton(editor_.main(), helpTopics::kStatus, "bStatusHelp", statusGroup_));
    connect(status_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (updatingControls() || editor_.refuses(SelectionEditor::Check::Characters, text))
            return;
        const std::string status = storedText(text);
        editor_.applyToButtonState(2, [&status](PanelValues& panel) { panel.status = status; });
    });
}

void ButtonWideGroups::buildHintGroup(QWidget* parent) {
    hintGroup_ = new QGroupBox(t::kHintGroup, parent);
    QGridLayout* grid = groupGrid(hintGroup_);

    auto* styles = new QHBoxLayout;
    styles->setSpacing(0);
    hintStyle_ = makeStyleButtons({"bHintPlain", "bHintItalic", "bHintBold"}, styles, hintGroup_);
    styles->addStretch(1);
    styles->addWidget(makeHelpButton(editor_.main(), helpTopics::kHint, "bHintHelp", hintGroup_));
    grid->addLayout(styles, 0, 0, 1, 2);

    hintFont_ = makeTypefaceBox("cHintFont", hintGroup_);
    hintSize_ = makeFontSizeBox("eHintFontSize", hintGroup_);
    grid->addWidget(hintFont_, 1, 0);
    grid->addWidget(hintSize_, 1, 1);

    auto* fontColor = makeButton("bHintFontColor", t::kHintFontColor, hintGroup_);
    auto* borderColor = makeButton("bHintBdrClr", t::kHintBorderColor, hintGroup_);
    auto* bkColor = makeButton("bHintBkColor", t::kHintBackgroundColor, hintGroup_);
    grid->addWidget(fontColor, 2, 0);
    grid->addWidget(borderColor, 2, 1);
    grid->addWidget(bkColor, 3, 0);

    hintText_ = makeLineEdit("eHintText", kTextLength, hintGroup_);
    grid->addWidget(hintText_, 4, 0, 1, 2);

    connect(hintStyle_, &QButtonGroup::idClicked, this, [this](int style) {
        if (updatingControls())
            return;
        editor_.applyToButtonState(
            1, [style](PanelValues& panel) { panel.hintStyle = std::uint8_t(style); });
    });
    connect(hintFont_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (updatingControls() || item < 0)
            return;
        editor_.applyToButtonState(
            1, [item](PanelValues& panel) { panel.hintFont = std::uint8_t(item); });
    });
    connect(hintSize_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (updatingControls() || item < 0)
            return;
        const int size = kFontSizes[std::size_t(item)];
        editor_.applyToButtonState(
            1, [size](PanelValues& panel) { panel.hintSize = std::int16_t(size); });
    });
    connect(fontColor, &QPushButton::clicked, this,
            [this] { hintColourClicked(&PanelValues::hintTextClr); });
    connect(borderColor, &QPushButton::clicked, this,
            [this] { hintColourClicked(&PanelValues::hintBdrClr); });
    connect(bkColor, &QPushButton::clicked, this,
            [this] { hintColourClicked(&PanelValues::hintBkClr); });
    connect(hintText_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (updatingControls() || editor_.refuses(SelectionEditor::Check::Characters, text))
            return;
        const std::string hint = storedText(text);
        editor_.applyToButtonState(1, [&hint](PanelValues& panel) { panel.hintText = hint; });
    });
}

void ButtonWideGroups::buildLinkGroup(QWidget* parent) {
    linkGroup_ = new QGroupBox(t::kLinkGroup, parent);
    QGridLayout* grid = groupGrid(linkGroup_);

    link_ = makeLineEdit("itemLinkEdit", kTextLength, linkGroup_);
    auto* browse = new QToolButton(linkGroup_);
    browse->setObjectName("btnBrowseLink");
    browse->setText(t::kBrowse);
    frame_ = makeListBox("itemFrameEdit", t::kFrames, 4, linkGroup_);
    frame_->setEditable(true);
    frame_->setInsertPolicy(QComboBox::NoInsert);
    // An empty frame is the applet's own; the list shows no item for it.
    frame_->setCurrentIndex(-1);

    grid->addWidget(noteLabel(t::kLinkNote, linkGroup_), 0, 0, 1, 2);
    grid->addWidget(makeHelpButton(editor_.main(), helpTopics::kLink, "bLinkHelp", linkGroup_), 0,
                    2, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(link_, 1, 0, 1, 2);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(new QLabel(t::kTargetFrame, linkGroup_), 2, 0);
    grid->addWidget(frame_, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(link_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (updatingControls() || editor_.refuses(SelectionEditor::Check::Characters2, text))
            return;
        const std::string link = storedText(text);
        editor_.applyToButtonState(1, [&link](PanelValues& panel) { panel.link = link; });
    });
    connect(browse, &QToolButton::clicked, this, &ButtonWideGroups::browseLink);
    connect(frame_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (updatingControls() || editor_.refuses(SelectionEditor::Check::Characters2, text))
            return;
        const std::string frame = storedText(text);
        editor_.applyToButtonState(1, [&frame](PanelValues& panel) { panel.frame = frame; });
    });
}

void ButtonWideGroups::fill(const TVelkPanel& state1, const TVelkPanel& state2) {
    width_->setValue(state1.width());
    height_->setValue(state1.height());
    left_->setValue(state1.left());
    top_->setValue(state1.top());

    showText(textBoxText_, shownText(state1.textBoxText()));
    showText(link_, shownText(state1.link()));
    const QString frame = shownText(state1.frame());
    if (frame_->currentText() != frame)
        frame_->setEditText(frame);
    showText(status_, shownText(state2.status()));
    showText(hintText_, shownText(state1.hintText()));
    if (state1.hintFont() < hintFont_->count())
        hintFont_->setCurrentIndex(state1.hintFont());
    if (const int sizeItem = fontSizeItem(state1.hintSize()); sizeItem >= 0)
        hintSize_->setCurrentIndex(sizeItem);
    checkButton(hintStyle_, state1.hintStyle());
}

void ButtonWideGroups::geometryChanged(QSpinBox* field,
                                       const std::function<void(TVelkForm&, int, int)>& set) {
    // A field the user has just cleared applies nothing.
    if (updatingControls() || field->text().isEmpty())
        return;
    const int value = field->value();
    editor_.applyGeometry([&set, value](TVelkForm& applet, int slot) { set(applet, slot, value); });
}

void ButtonWideGroups::textBoxTextChanged(const QString& text) {
    if (updatingControls())
        return;
    if (!editor_.applet().textBoxVisible()) {
        const auto answer = editor_.main().dialogs().ask(t::kTurnTextBoxOn, true);
        if (answer != UserDialogs::Answer::Yes)
            return;
        if (QCheckBox* show = showTextBoxBox(editor_.main()))
            show->setChecked(true);
    }
    if (editor_.refuses(SelectionEditor::Check::Characters, text))
        return;
    const std::string message = storedText(text);
    editor_.applyToButtonState(1, [&message](PanelValues& panel) { panel.textBoxText = message; });
}

void ButtonWideGroups::hintColourClicked(Colour PanelValues::*field) {
    if (updatingControls() || !editor_.startEdit())
        return;
    const TVelkPanel* first = editor_.firstSelected(1);
    if (!first)
        return;
    const Colour colour = editor_.chooseColour(capturePanel(*first).*field);
    editor_.applyToButtonState(1, [field, colour](PanelValues& panel) { panel.*field = colour; });
}

void ButtonWideGroups::browseLink() {
    const QString chosen =
        editor_.main().dialogs().chooseOpenFile({QString(), t::kLinkFilter, QString(), {}});
    if (chosen.isEmpty())
        return;
    // Only the file's name: the page and the file it links to lie in one
    // folder on the site.
    link_->setText(QFileInfo(chosen).fileName());
}

}  // namespace wendle
