#include "editor/Properties.h"

#include "editor/main.h"

namespace wendle {

TPropertiesWindow::TPropertiesWindow(TmainWindow& main, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(main) {
    setWindowTitle("Button Properties");
}

void TPropertiesWindow::updatePropertiesWindow() {}

void TPropertiesWindow::setApplyToAllStates(bool) {}

}  // namespace wendle
