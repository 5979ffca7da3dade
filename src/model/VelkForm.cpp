#include "model/VelkForm.h"

#include <algorithm>

#include "model/Messages.h"
#include "model/UpdatingControls.h"

namespace wendle {

TVelkForm::TVelkForm() {
    SetDefaults();
}

void TVelkForm::SetDefaults() {
#define WENDLE_ASSIGN_FORM_DEFAULT(Type, name, Name, def, marks) set##Name(Type(def));
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_ASSIGN_FORM_DEFAULT)
#undef WENDLE_ASSIGN_FORM_DEFAULT
#define WENDLE_ASSIGN_TEXT_BOX_DEFAULT(Type, name, Name, def) set##Name(Type(def));
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_ASSIGN_TEXT_BOX_DEFAULT)
#undef WENDLE_ASSIGN_TEXT_BOX_DEFAULT
    for (auto& state : statePanels_) {
        for (auto& panel : state) panel.reset();
    }
    usedSlots_.clear();
    selectedSlots_.clear();
    stackingOrder_.clear();
    buttonCount_ = 0;
    setClientSize(300, 200);
    documentPath_.clear();
    activeStates_ = {true, true, true};
    textBoxBounds_ = Bounds{};
    textBox_ = TvelkTextBox{};
    modified_ = true;
    modif_ = false;
}

void TVelkForm::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

TVelkPanel* TVelkForm::statePanel(int state, int slot) const {
    if (state < 1 || state > kStateCount || slot < 0 || slot >= kMaxSlots)
        return nullptr;
    return statePanels_[std::size_t(state - 1)][std::size_t(slot)].get();
}

int TVelkForm::shownState() const {
    for (int state = 1; state <= kStateCount; ++state) {
        if (activeStates_[std::size_t(state - 1)])
            return state;
    }
    return 0;
}

void TVelkForm::showActiveStates() {
    const int shown = shownState();
    for (int slot : usedSlots_) {
        for (int state = 1; state <= kStateCount; ++state) {
            if (TVelkPanel* panel = statePanel(state, slot))
                panel->setVisible(state == shown);
        }
    }
}

int TVelkForm::freeSlot() const {
    for (int slot = 0; slot < kMaxSlots; ++slot) {
        if (!statePanels_[0][std::size_t(slot)])
            return slot;
    }
    return -1;
}

void TVelkForm::bringToFront(int slot) {
    std::erase(stackingOrder_, slot);
    stackingOrder_.push_back(slot);
}

void TVelkForm::sendToBack(int slot) {
    std::erase(stackingOrder_, slot);
    stackingOrder_.insert(stackingOrder_.begin(), slot);
}

CreateMenuItemResult TVelkForm::CreateMenuItem() {
    if (buttonCount_ >= kMaxButtons)
        return {-1, messages::kMaxButtons};
    const int slot = freeSlot();
    if (slot < 0)
        return {-1, messages::kMaxButtons};

    // One pixel inside the border, then directly below the lowest button.
    const int left = borderWidth_ + 1;
    int top = borderWidth_ + 1 + kToolBarStrip;
    for (int used : usedSlots_) {
        if (const TVelkPanel* panel = statePanel(1, used))
            top = std::max(top, panel->bottom());
    }

    const std::string caption = "Button " + std::to_string(slot + 1);
    static constexpr std::array<Colour, kStateCount> kHighlights = {0x0000FFFF, 0x000000FF,
                                                                    0x00008000};
    for (int state = 1; state <= kStateCount; ++state) {
        auto panel = std::make_unique<TVelkPanel>(slot, state);
        panel->setVisible(false);
        panel->setCaption(caption);
        panel->setLeft(left);
        panel->setTop(top);
        panel->setHighlightColor(kHighlights[std::size_t(state - 1)]);
        statePanels_[std::size_t(state - 1)][std::size_t(slot)] = std::move(panel);
    }
    sendToBack(slot);
    usedSlots_.push_back(slot);
    ++buttonCount_;

    if (const int shown = shownState())
        statePanel(shown, slot)->setVisible(true);
    statePanel(2, slot)->setFontColor(0x0000FFFF);
    statePanel(1, slot)->setItemName(caption);
    if (observer_) {
        UpdatingControlsScope updating;
        observer_->buttonAdded(*this, slot);
    }
    modified_ = true;
    return {slot, {}};
}

void TVelkForm::deleteButton(int slot) {
    const auto used = std::find(usedSlots_.begin(), usedSlots_.end(), slot);
    if (used == usedSlots_.end())
        return;
    const int ordinal = int(used - usedSlots_.begin());

    for (auto& state : statePanels_) state[std::size_t(slot)].reset();
    usedSlots_.erase(used);
    std::erase(selectedSlots_, slot);
    std::erase(stackingOrder_, slot);
    --buttonCount_;
    for (int other : usedSlots_) {
        TVelkPanel* first = statePanel(1, other);
        if (first->itemLink() == slot)
            first->setItemLink(-1);
    }
    if (observer_)
        observer_->buttonRemoved(*this, slot, ordinal);
}

void TVelkForm::placeButton(int slot) {
    if (slot < 0 || slot >= kMaxSlots || statePanels_[0][std::size_t(slot)])
        return;
    for (int state = 1; state <= kStateCount; ++state) {
        statePanels_[std::size_t(state - 1)][std::size_t(slot)] =
            std::make_unique<TVelkPanel>(slot, state);
    }
}

void TVelkForm::removeButtonPanels(int slot) {
    if (slot < 0 || slot >= kMaxSlots)
        return;
    for (auto& state : statePanels_) state[std::size_t(slot)].reset();
}

void TVelkForm::setButtonOrder(const std::vector<int>& usedSlots,
                               const std::vector<int>& stackingOrder) {
    usedSlots_.clear();
    for (int slot : usedSlots) {
        if (statePanel(1, slot))
            usedSlots_.push_back(slot);
    }
    stackingOrder_.clear();
    for (int slot : stackingOrder) {
        if (statePanel(1, slot))
            stackingOrder_.push_back(slot);
    }
    buttonCount_ = std::uint8_t(usedSlots_.size());
    std::erase_if(selectedSlots_, [this](int slot) { return !statePanel(1, slot); });
    showActiveStates();
}

}  // namespace wendle
