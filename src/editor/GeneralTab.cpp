#include "editor/GeneralTab.h"

#include "editor/main.h"

namespace wendle {

GeneralTab::GeneralTab(TmainWindow& main, QWidget* parent) : QWidget(parent), main_(main) {}

void GeneralTab::refill() {}

}  // namespace wendle
