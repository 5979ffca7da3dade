#include "editor/Properties.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/AppletDocument.h"
#include "editor/PropertiesButtonWide.h"
#include "editor/PropertiesHelp.h"
#include "editor/PropertiesSelectionEditor.h"
#include "editor/PropertiesTexts.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"
#include "model/VelkForm.h"

namespace wendle {

namespace t = texts::properties;
using namespace props;

namespace {

constexpr const char* kTabCaptions[] = {t::kOnLoad, t::kOnMouseOver, t::kOnClick};
// The window opens on the last state, the one a click shows.
constexpr int kFirstShownState = 3;

}  // namespace

TPropertiesWindow::TPropertiesWindow(TmainWindow& main, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(main), editor_(std::make_unique<SelectionEditor>(main)) {
    UpdatingControlsScope building;
    setObjectName("PropertiesWindow");
    setWindowTitle(t::kTitle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);

    auto* top = new QHBoxLayout;
    applyToAll_ = new QCheckBox(t::kApplyToAllStates, this);
    applyToAll_->setObjectName("CheckBox3");
    top->addWidget(applyToAll_);
    top->addWidget(makeHelpButton(main_, helpTopics::kStates, "bStatesHelp", this));
    top->addStretch(1);
    layout->addLayout(top);

    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl2");
    for (int state = 1; state <= kStateCount; ++state) {
        auto* tab = new StateTab(*editor_, *this, state, pages_);
        tab->setObjectName(QStringLiteral("StateTab%1").arg(state));
        tab->setProperty("tag", state);
        pages_->addTab(tab, kTabCaptions[state - 1]);
        tabs_[std::size_t(state - 1)] = tab;
    }
    buttonWide_ = new ButtonWideGroups(*editor_, this);
    placeGroups();
    pages_->setCurrentIndex(kFirstShownState - 1);
    layout->addWidget(pages_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close = new QPushButton(t::kClose, this);
    close->setObjectName("SpeedButton10");
    close->setAutoDefault(false);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(pages_, &QTabWidget::currentChanged, this, &TPropertiesWindow::stateTabChanged);
    connect(applyToAll_, &QCheckBox::toggled, this, &TPropertiesWindow::applyToAllStatesClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
}

TPropertiesWindow::~TPropertiesWindow() = default;

void TPropertiesWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TPropertiesWindow::placeGroups() {
    StateTab& onLoad = stateTab(1);
    onLoad.addToSideColumn(buttonWide_->dimensionsGroup());
    onLoad.addToSideColumn(onLoad.highlightGroup());
    onLoad.addToSideColumn(onLoad.soundGroup());
    onLoad.addToSideColumn(buttonWide_->textBoxGroup());

    StateTab& onMouseOver = stateTab(2);
    onMouseOver.addToSideColumn(onMouseOver.soundGroup());
    onMouseOver.addToSideColumn(buttonWide_->statusGroup());
    onMouseOver.addToSideColumn(buttonWide_->hintGroup());
    onMouseOver.addToSideColumn(onMouseOver.highlightGroup());

    StateTab& onClick = stateTab(3);
    onClick.addToSideColumn(buttonWide_->linkGroup());
    onClick.addToSideColumn(onClick.highlightGroup());
    onClick.addToSideColumn(onClick.soundGroup());

    for (StateTab* tab : tabs_) {
        auto* filler = new QWidget(tab);
        filler->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        tab->addToSideColumn(filler);
    }
}

void TPropertiesWindow::updatePropertiesWindow() {
    TVelkForm& applet = main_.applet();
    if (applet.selectedSlots().empty())
        return;
    const int slot = applet.selectedSlots().front();
    const TVelkPanel* state1 = applet.statePanel(1, slot);
    const TVelkPanel* state2 = applet.statePanel(2, slot);
    if (!state1 || !state2)
        return;
    UpdatingControlsScope updating;
    buttonWide_->fill(*state1, *state2);
    for (StateTab* tab : tabs_) {
        if (const TVelkPanel* panel = applet.statePanel(tab->state(), slot))
            tab->fill(*panel);
    }
}

void TPropertiesWindow::setApplyToAllStates(bool on) {
    UpdatingControlsScope updating;
    applyToAll_->setChecked(on);
}

void TPropertiesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (main_.takeFirstUseFlag(t::kShowedStateHint))
        main_.openHelpTopic(helpTopics::kStates);
}

void TPropertiesWindow::forEachActiveTab(const std::function<void(StateTab&)>& show) {
    const auto& active = main_.applet().activeStates();
    for (StateTab* tab : tabs_) {
        if (active[std::size_t(tab->state() - 1)])
            show(*tab);
    }
}

int TPropertiesWindow::shownState() const {
    return pages_->currentIndex() + 1;
}

void TPropertiesWindow::refill() {
    updatePropertiesWindow();
}

void TPropertiesWindow::followActiveStates() {
    std::array<bool, kStateCount> active{};
    const int shown = shownState();
    for (int state = 1; state <= kStateCount; ++state)
        active[std::size_t(state - 1)] = applyToAll_->isChecked() || state == shown;
    main_.document().setActiveStates(active);
    main_.repaintPreview();
}

void TPropertiesWindow::stateTabChanged() {
    if (updatingControls())
        return;
    updatePropertiesWindow();
    if (!applyToAll_->isChecked())
        followActiveStates();
}

void TPropertiesWindow::applyToAllStatesClicked(bool) {
    if (updatingControls())
        return;
    followActiveStates();
    updatePropertiesWindow();
}

}  // namespace wendle
