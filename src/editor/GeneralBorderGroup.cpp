#include "editor/GeneralBorderGroup.h"
#include "editor/EditNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "editor/AppletDocument.h"
#include "editor/EditTexts.h"
#include "editor/GeneralTexts.h"
#include "editor/GeneralWidgets.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"

namespace wendle {

namespace {

constexpr int kMaxBorderWidth = 100;
constexpr int kMaxBorderShading = 255;
constexpr int kBumpStyle = 3;

// The style list pairs every border style with both directions: item
// 2 x (style - 1) is raised, the next one lowered.
int styleItem(int bdrStyle, bool raised) {
    return 2 * (bdrStyle - 1) + (raised ? 0 : 1);
}
int styleOfItem(int item) {
    return item / 2 + 1;
}
bool raisedOfItem(int item) {
    return item % 2 == 0;
}

}  // namespace

GeneralBorderGroup::GeneralBorderGroup(TmainWindow& main, QWidget* parent)
    : QGroupBox(texts::general::kBorderGroup, parent), main_(main) {
    namespace t = texts::general;
    eBorderWidth_ = makeNumberField(this, "eBorderWidth", t::kBorderWidthHint, 0, kMaxBorderWidth);
    const auto& items = t::kBorderStyleItems;
    cBorderStyle_ = makeChoiceList(this, "cBorderStyle", t::kBorderStyleHint,
                                   {items[0], items[1], items[2], items[3], items[4], items[5]});
    eBorderShading_ =
        makeNumberField(this, "eBorderShading", t::kBorderShadingHint, 0, kMaxBorderShading);
    bBorderColor_ = makeCommandButton(this, "bBorderColor", t::kBorderColor);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeNote(this, t::kBorderNote), 0, 0, 1, 3);
    grid->addWidget(makeFieldLabel(this, t::kBorderWidth, eBorderWidth_), 1, 0);
    grid->addWidget(eBorderWidth_, 1, 1);
    grid->addWidget(makeFieldLabel(this, t::kBorderStyle, cBorderStyle_), 2, 0);
    grid->addWidget(cBorderStyle_, 2, 1);
    grid->addWidget(makeFieldLabel(this, t::kBorderShading, eBorderShading_), 3, 0);
    grid->addWidget(eBorderShading_, 3, 1);
    grid->addWidget(bBorderColor_, 4, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);

    connect(eBorderWidth_, &QSpinBox::valueChanged, this, &GeneralBorderGroup::eBorderWidthChange);
    connect(cBorderStyle_, &QComboBox::currentIndexChanged, this,
            &GeneralBorderGroup::cBorderStyleChange);
    connect(eBorderShading_, &QSpinBox::valueChanged, this,
            &GeneralBorderGroup::eBorderShadingChange);
    connect(bBorderColor_, &QPushButton::clicked, this, &GeneralBorderGroup::bBorderColorClick);
}

void GeneralBorderGroup::showWidthAndShading() {
    const TVelkForm& applet = main_.applet();
    eBorderWidth_->setValue(applet.borderWidth());
    eBorderShading_->setValue(applet.borderShading());
}

void GeneralBorderGroup::showStyle() {
    const TVelkForm& applet = main_.applet();
    cBorderStyle_->setCurrentIndex(styleItem(applet.bdrStyle(), applet.raised()));
    eBorderShading_->setEnabled(applet.bdrStyle() == kBumpStyle);
}

void GeneralBorderGroup::eBorderWidthChange(int width) {
    if (updatingControls() || eBorderWidth_->text().isEmpty())
        return;
    main_.document().editForm(
        appletChangeName, [width](FormValues& applet) { applet.borderWidth = std::int16_t(width); },
        "eBorderWidth");
    appletLookChanged(main_);
}

void GeneralBorderGroup::cBorderStyleChange(int index) {
    if (updatingControls() || index < 0)
        return;
    main_.document().editForm(appletChangeName, [index](FormValues& applet) {
        applet.bdrStyle = std::int16_t(styleOfItem(index));
        applet.raised = raisedOfItem(index);
    });
    // Only the Bump styles use the shading.
    eBorderShading_->setEnabled(styleOfItem(index) == kBumpStyle);
    appletLookChanged(main_);
}

void GeneralBorderGroup::eBorderShadingChange(int shading) {
    if (updatingControls() || eBorderShading_->text().isEmpty())
        return;
    main_.document().editForm(
        appletChangeName, [shading](FormValues& applet) { applet.borderShading = shading; },
        "eBorderShading");
    appletLookChanged(main_);
}

void GeneralBorderGroup::bBorderColorClick() {
    if (updatingControls())
        return;
    const Colour colour = main_.getColor(main_.applet().borderColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.borderColor = colour; });
    appletLookChanged(main_);
}

}  // namespace wendle
