#include "editor/GeneralTab.h"

#include <QGridLayout>

#include "editor/GeneralBackgroundGroup.h"
#include "editor/GeneralBorderGroup.h"
#include "editor/GeneralDimensionsGroup.h"
#include "editor/TextBoxGroup.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"

namespace wendle {

GeneralTab::GeneralTab(TmainWindow& main, QWidget* parent) : QWidget(parent), main_(main) {
    dimensions_ = new GeneralDimensionsGroup(main, *this, this);
    background_ = new GeneralBackgroundGroup(main, this);
    border_ = new GeneralBorderGroup(main, this);
    textBox_ = new TextBoxGroup(main, *this, this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(dimensions_, 0, 0);
    grid->addWidget(background_, 0, 1, 2, 1);
    grid->addWidget(border_, 1, 0, 2, 1);
    grid->addWidget(textBox_, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

void GeneralTab::refill() {
    UpdatingControlsScope updating;
    dimensions_->showAppletSize();
    background_->showImage();
    border_->showWidthAndShading();
    dimensions_->showFreeArrangement();
    textBox_->refill();
    background_->showGradient();
    border_->showStyle();
}

void GeneralTab::showValues() {
    UpdatingControlsScope updating;
    dimensions_->showAppletSize();
    background_->showImage();
    border_->showWidthAndShading();
    textBox_->showValues();
    background_->showGradient();
    border_->showStyle();
}

void GeneralTab::showAppletSize() {
    UpdatingControlsScope updating;
    dimensions_->showAppletSize();
}

void GeneralTab::showTextBoxSize() {
    UpdatingControlsScope updating;
    textBox_->showTextBoxSize();
}

bool GeneralTab::ensureTextBoxShown() {
    return textBox_->ensureTextBoxShown();
}

}  // namespace wendle
