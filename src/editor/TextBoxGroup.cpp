#include "editor/TextBoxGroup.h"
#include "editor/EditNames.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "document/NewDocument.h"
#include "editor/AppletDocument.h"
#include "editor/EditTexts.h"
#include "editor/GeneralTab.h"
#include "editor/GeneralTexts.h"
#include "editor/GeneralWidgets.h"
#include "editor/Preview.h"
#include "editor/StyleSampleButton.h"
#include "editor/main.h"
#include "model/FontTables.h"
#include "model/TextBoxPlacement.h"
#include "model/UpdatingControls.h"
#include "platform/HelpTopics.h"

namespace wendle {

namespace {

constexpr int kMaxTextBoxSize = 10000;

QToolButton* makeStyleButton(QWidget* parent, const char* name, const char* hint,
                             StyleSampleButton::Look look) {
    auto* button = new StyleSampleButton(look, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    return button;
}

}  // namespace

TextBoxGroup::TextBoxGroup(TmainWindow& main, GeneralTab& tab, QWidget* parent)
    : QGroupBox(texts::general::kTextBoxGroup, parent), main_(main), tab_(tab) {
    namespace t = texts::general;
    cfont2_ = makeChoiceList(this, "cfont2", nullptr,
                             {kTypefaceCaptions[0], kTypefaceCaptions[1], kTypefaceCaptions[2]});
    cfontsize2_ = makeChoiceList(this, "cfontsize2", nullptr, {});
    for (int size : kFontSizes) cfontsize2_->addItem(QString::number(size));

    // The buttons' ids are the applet's font style numbers.
    fontStyles_ = new QButtonGroup(this);
    fontStyles_->addButton(
        makeStyleButton(this, "bplain2", t::kPlainHint, StyleSampleButton::Look::Plain), 0);
    fontStyles_->addButton(
        makeStyleButton(this, "BItalic2", t::kItalicHint, StyleSampleButton::Look::Italic), 1);
    fontStyles_->addButton(
        makeStyleButton(this, "bBold2", t::kBoldHint, StyleSampleButton::Look::Bold), 2);

    SpeedButton3_ = makeCommandButton(this, "SpeedButton3", t::kTextBoxFontColor);
    CheckBox2_ = new QCheckBox(t::kShowTextBox, this);
    CheckBox2_->setObjectName("CheckBox2");

    // The text box's size is set by dragging its edges in the preview, and
    // its background and border keep the colours the document gives them:
    // these controls exist for the preview to write into, not to be seen.
    SpinEdit1_ = makeNumberField(this, "SpinEdit1", nullptr, 0, kMaxTextBoxSize);
    SpinEdit2_ = makeNumberField(this, "SpinEdit2", nullptr, 0, kMaxTextBoxSize);
    bTextBoxBkColor_ = makeCommandButton(this, "bTextBoxBkColor", "");
    bTextBoxBorderColor_ = makeCommandButton(this, "bTextBoxBorderColor", "");
    for (QWidget* hidden :
         {static_cast<QWidget*>(SpinEdit1_), static_cast<QWidget*>(SpinEdit2_),
          static_cast<QWidget*>(bTextBoxBkColor_), static_cast<QWidget*>(bTextBoxBorderColor_)}) {
        hidden->hide();
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeNote(this, t::kTextBoxNote), 0, 0, 1, 2);
    grid->addWidget(makeHelpButton(this, "bTextBoxHelp", main, help_topics::kTextBox), 0, 2,
                    Qt::AlignRight | Qt::AlignTop);
    auto* font = new QHBoxLayout;
    font->addWidget(cfont2_, 1);
    font->addWidget(cfontsize2_);
    for (QAbstractButton* style : fontStyles_->buttons()) font->addWidget(style);
    grid->addLayout(font, 1, 0, 1, 3);
    auto* show = new QHBoxLayout;
    show->addWidget(SpeedButton3_);
    show->addSpacing(12);
    show->addWidget(CheckBox2_);
    show->addStretch(1);
    grid->addLayout(show, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    connect(cfont2_, &QComboBox::currentIndexChanged, this, &TextBoxGroup::cfont2Change);
    connect(cfontsize2_, &QComboBox::currentIndexChanged, this, &TextBoxGroup::cfontsize2Change);
    connect(fontStyles_, &QButtonGroup::idClicked, this, &TextBoxGroup::fontStyleClick);
    connect(SpeedButton3_, &QPushButton::clicked, this, &TextBoxGroup::SpeedButton3Click);
    connect(bTextBoxBkColor_, &QPushButton::clicked, this, &TextBoxGroup::textBoxBkColorClick);
    connect(bTextBoxBorderColor_, &QPushButton::clicked, this,
            &TextBoxGroup::textBoxBorderColorClick);
    connect(CheckBox2_, &QCheckBox::toggled, this, &TextBoxGroup::CheckBox2Click);
}

void TextBoxGroup::refill() {
    document::applyGeneralRefill(main_.applet());
    showValues();
}

void TextBoxGroup::showValues() {
    UpdatingControlsScope updating;
    CheckBox2_->setChecked(main_.applet().textBoxVisible() != 0);
    showFont();
    showTextBoxSize();
}

void TextBoxGroup::showFont() {
    UpdatingControlsScope updating;
    const TVelkForm& applet = main_.applet();
    // A size that is not in the list leaves the list as it was.
    const int sizeItem = cfontsize2_->findText(QString::number(applet.textBoxFontSize()));
    if (sizeItem >= 0)
        cfontsize2_->setCurrentIndex(sizeItem);
    cfont2_->setCurrentIndex(applet.textBoxFont());
    if (QAbstractButton* style = fontStyles_->button(applet.textBoxFontStyle()))
        style->setChecked(true);
}

void TextBoxGroup::showTextBoxSize() {
    const TvelkTextBox& box = main_.applet().textBox();
    SpinEdit1_->setValue(box.width);
    SpinEdit2_->setValue(box.height);
}

bool TextBoxGroup::ensureTextBoxShown() {
    if (main_.applet().textBoxVisible())
        return true;
    if (main_.dialogs().ask(texts::general::kTurnTextBoxOn, true) != UserDialogs::Answer::Yes)
        return false;
    if (CheckBox2_->isChecked())
        CheckBox2Click(true);
    else
        CheckBox2_->setChecked(true);
    return main_.applet().textBoxVisible() != 0;
}

void TextBoxGroup::cfont2Change(int index) {
    if (updatingControls() || index < 0)
        return;
    if (!ensureTextBoxShown()) {
        showFont();
        return;
    }
    main_.document().editForm(appletChangeName, [index](FormValues& applet) {
        applet.textBoxFont = index;
        applet.textBox.typeface = index;
    });
    main_.repaintPreview();
}

void TextBoxGroup::cfontsize2Change(int index) {
    if (updatingControls() || index < 0)
        return;
    if (!ensureTextBoxShown()) {
        showFont();
        return;
    }
    const int size = cfontsize2_->itemText(index).toInt();
    main_.document().editForm(appletChangeName, [size](FormValues& applet) {
        applet.textBoxFontSize = size;
        if (const auto points = previewPointSize(size))
            applet.textBox.pointSize = *points;
    });
    main_.repaintPreview();
}

void TextBoxGroup::fontStyleClick(int style) {
    if (updatingControls())
        return;
    if (!ensureTextBoxShown()) {
        showFont();
        return;
    }
    main_.document().editForm(appletChangeName, [style](FormValues& applet) {
        applet.textBoxFontStyle = style;
        applet.textBox.fontStyle = style;
    });
    main_.repaintPreview();
}

void TextBoxGroup::SpeedButton3Click() {
    if (updatingControls() || !ensureTextBoxShown())
        return;
    const Colour colour = main_.getColor(main_.applet().textBoxTextColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.textBoxTextColor = colour; });
    main_.repaintPreview();
}

void TextBoxGroup::textBoxBkColorClick() {
    if (updatingControls() || !ensureTextBoxShown())
        return;
    const Colour colour = main_.getColor(main_.applet().textBoxBkColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.textBoxBkColor = colour; });
    main_.repaintPreview();
}

void TextBoxGroup::textBoxBorderColorClick() {
    if (updatingControls() || !ensureTextBoxShown())
        return;
    const Colour colour = main_.getColor(main_.applet().textBoxBorderColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.textBoxBorderColor = colour; });
    main_.repaintPreview();
}

void TextBoxGroup::CheckBox2Click(bool checked) {
    if (updatingControls())
        return;
    main_.document().editNamed(appletChangeName, {true, {}, false}, [checked](TVelkForm& applet) {
        if (checked)
            showTextBox(applet);
        else
            hideTextBox(applet);
    });
    main_.preview()->followAppletSize();
    {
        UpdatingControlsScope updating;
        tab_.showAppletSize();
        showTextBoxSize();
    }
    appletLookChanged(main_);
}

}  // namespace wendle
