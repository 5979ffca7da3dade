#include "editor/GeneralDimensionsGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "editor/AppletDocument.h"
#include "editor/EditTexts.h"
#include "editor/GeneralTab.h"
#include "editor/GeneralTexts.h"
#include "editor/GeneralWidgets.h"
#include "editor/Preview.h"
#include "editor/Texts.h"
#include "editor/main.h"
#include "model/AppletEdits.h"
#include "model/Editing.h"
#include "model/UpdatingControls.h"
#include "platform/HelpTopics.h"

namespace wendle {

namespace {
constexpr int kMaxAppletSize = 2000;
enum ArrangementItem { kFree = 0, kHorizontal = 1, kVertical = 2 };
}  // namespace

GeneralDimensionsGroup::GeneralDimensionsGroup(TmainWindow& main, GeneralTab& tab, QWidget* parent)
    : QGroupBox(texts::general::kDimensionsGroup, parent), main_(main), tab_(tab) {
    namespace t = texts::general;
    eAppletWidth_ = makeNumberField(this, "eAppletWidth", t::kAppletWidthHint, 0, kMaxAppletSize);
    eAppletHeight_ =
        makeNumberField(this, "eAppletHeight", t::kAppletHeightHint, 0, kMaxAppletSize);
    ComboBox1_ =
        makeChoiceList(this, "ComboBox1", nullptr,
                       {t::kArrangementItems[0], t::kArrangementItems[1], t::kArrangementItems[2]});

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeNote(this, t::kDimensionsNote), 0, 0, 1, 3);
    grid->addWidget(makeHelpButton(this, "bDimensionsHelp", main, help_topics::kAppletDimensions),
                    0, 3, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(makeFieldLabel(this, t::kAppletWidth, eAppletWidth_), 1, 0);
    grid->addWidget(eAppletWidth_, 1, 1);
    grid->addWidget(makeFieldLabel(this, t::kAppletHeight, eAppletHeight_), 2, 0);
    grid->addWidget(eAppletHeight_, 2, 1);
    grid->addWidget(makeFieldLabel(this, t::kArrangement, ComboBox1_), 3, 0);
    grid->addWidget(ComboBox1_, 3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);

    connect(eAppletWidth_, &QSpinBox::valueChanged, this,
            &GeneralDimensionsGroup::eAppletWidthChange);
    connect(eAppletHeight_, &QSpinBox::valueChanged, this,
            &GeneralDimensionsGroup::eAppletHeightChange);
    // Choosing an arrangement again arranges again (after the user moved a
    // button), so every choice counts, not only a different one.
    connect(ComboBox1_, &QComboBox::activated, this, &GeneralDimensionsGroup::ComboBox1Change);
}

void GeneralDimensionsGroup::showAppletSize() {
    const TVelkForm& applet = main_.applet();
    eAppletWidth_->setValue(applet.appletWidth());
    eAppletHeight_->setValue(applet.appletHeight());
}

void GeneralDimensionsGroup::showFreeArrangement() {
    ComboBox1_->setCurrentIndex(kFree);
}

void GeneralDimensionsGroup::eAppletWidthChange(int width) {
    if (updatingControls() || eAppletWidth_->text().isEmpty())
        return;
    appletSizeTyped(width, main_.applet().clientHeight());
}

void GeneralDimensionsGroup::eAppletHeightChange(int height) {
    if (updatingControls() || eAppletHeight_->text().isEmpty())
        return;
    appletSizeTyped(main_.applet().clientWidth(), height + kToolBarStrip);
}

void GeneralDimensionsGroup::appletSizeTyped(int clientWidth, int clientHeight) {
    main_.document().edit(
        texts::edit::kResizeApplet, {true, main_.applet().usedSlots(), false},
        [clientWidth, clientHeight](TVelkForm& applet) {
            resizeApplet(applet, clientWidth, clientHeight);
        },
        "appletSize");
    // The preview follows silently: its own resize handler would only write
    // the value back into the field being typed in.
    main_.preview()->followAppletSize();
    appletLookChanged(main_);
}

void GeneralDimensionsGroup::ComboBox1Change(int index) {
    const TVelkForm& applet = main_.applet();
    if (updatingControls() || applet.buttonCount() == 0)
        return;
    if (index == kFree) {
        main_.dialogs().showMessage(texts::kFreeArrangement);
        return;
    }
    const Arrangement arrangement =
        index == kHorizontal ? Arrangement::Horizontal : Arrangement::Vertical;
    main_.document().edit(
        texts::edit::kArrangeButtons, {true, applet.usedSlots(), false},
        [arrangement](TVelkForm& changed) { arrangeButtons(changed, arrangement); });
    main_.preview()->followAppletSize();
    {
        UpdatingControlsScope updating;
        showAppletSize();
        tab_.showTextBoxSize();
    }
    appletLookChanged(main_);
    // The selected button's position fields show where it went.
    main_.updatePropertiesWindow();
}

}  // namespace wendle
