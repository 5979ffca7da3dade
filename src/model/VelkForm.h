#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Attachment.h"
#include "model/Colour.h"
#include "model/VelkPanel.h"
#include "model/velkTextBox.h"

namespace wendle {

inline constexpr int kMaxSlots = 100;
inline constexpr int kMaxButtons = 99;
inline constexpr int kStateCount = 3;
// Height of the preview's tool bar strip above the applet.
inline constexpr int kToolBarStrip = 25;

// Which flags an applet setter sets besides storing its value.
enum AppletMarks : unsigned { kMarksNone = 0, kMarksModif = 1, kMarksBoth = 3 };

// The published properties of the applet:
// X(type, property, Setter suffix, default, marks)
#define WENDLE_VELK_FORM_PROPERTIES(X)                               \
    X(Colour, bkColor, BkColor, 0x00000000u, kMarksBoth)             \
    X(Colour, fadeColor, FadeColor, 0x00400000u, kMarksBoth)         \
    X(bool, fade, Fade, false, kMarksBoth)                           \
    X(Colour, borderColor, BorderColor, 0x00C0C0C0u, kMarksBoth)     \
    X(std::int16_t, borderWidth, BorderWidth, 4, kMarksBoth)         \
    X(std::int16_t, bdrStyle, BdrStyle, 1, kMarksBoth)               \
    X(bool, raised, Raised, true, kMarksBoth)                        \
    X(std::int32_t, borderShading, BorderShading, 28, kMarksBoth)    \
    X(std::string, imageName, ImageName, "", kMarksBoth)             \
    X(std::string, imagePath, ImagePath, "", kMarksModif)            \
    X(std::uint8_t, imageStyle, ImageStyle, 1, kMarksBoth)           \
    X(std::int16_t, imageX, ImageX, 0, kMarksBoth)                   \
    X(std::int16_t, imageY, ImageY, 0, kMarksBoth)                   \
    X(std::string, altHTML, AltHTML, "", kMarksNone)                 \
    X(std::string, loadText, LoadText, "Loading...", kMarksNone)     \
    X(Colour, loadBkColor, LoadBkColor, 0x00000000u, kMarksNone)     \
    X(Colour, loadFontColor, LoadFontColor, 0x00FFFFFFu, kMarksNone) \
    X(bool, grid, Grid, false, kMarksNone)                           \
    X(std::int32_t, gridX, GridX, 10, kMarksNone)                    \
    X(std::int32_t, gridY, GridY, 10, kMarksNone)

// The text box settings of the applet: X(type, property, Setter suffix, default)
#define WENDLE_TEXT_BOX_SETTINGS(X)                                \
    X(std::int32_t, textBoxVisible, TextBoxVisible, 0)             \
    X(std::int32_t, textBoxFont, TextBoxFont, 0)                   \
    X(std::int32_t, textBoxFontSize, TextBoxFontSize, 12)          \
    X(std::int32_t, textBoxFontStyle, TextBoxFontStyle, 0)         \
    X(Colour, textBoxTextColor, TextBoxTextColor, 0x00FFFFFFu)     \
    X(Colour, textBoxBorderColor, TextBoxBorderColor, 0x00FF0000u) \
    X(Colour, textBoxBkColor, TextBoxBkColor, 0x00000000u)         \
    X(std::int32_t, textBoxReserved1, TextBoxReserved1, 1)         \
    X(std::int32_t, textBoxReserved2, TextBoxReserved2, 1)

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Bounds&) const = default;
};

class TVelkForm;

// Told when buttons come and go, so that lists outside the model can follow.
class AppletObserver {
  public:
    virtual ~AppletObserver() = default;
    // A button was created in this slot and appended to usedSlots.
    virtual void buttonAdded(TVelkForm& /*applet*/, int /*slot*/) {}
    // The button at this ordinal (its slot given too) was deleted.
    virtual void buttonRemoved(TVelkForm& /*applet*/, int /*slot*/, int /*ordinal*/) {}
    // The button in this slot joined or left the selection (called with
    // updatingControls set, so list views can mark their rows silently).
    virtual void selectionChanged(TVelkForm& /*applet*/, int /*slot*/, bool /*selected*/) {}
};

// Result of creating a button: the slot it took, or the refusal message.
struct CreateMenuItemResult {
    int slot = -1;
    std::string message;
    bool ok() const { return slot >= 0; }
};

// The applet: its own settings, up to 99 buttons of three states each, the
// selection and the text box.
class TVelkForm {
  public:
    TVelkForm();
    TVelkForm(const TVelkForm&) = delete;
    TVelkForm& operator=(const TVelkForm&) = delete;

#define WENDLE_DECLARE_FORM_PROPERTY(Type, name, Name, def, marks) \
    const Type& name() const {                                     \
        return name##_;                                            \
    }                                                              \
    void set##Name(const Type& value) {                            \
        name##_ = value;                                           \
        if ((marks)&kMarksModif)                                   \
            modif_ = true;                                         \
        if ((marks) == kMarksBoth)                                 \
            modified_ = true;                                      \
    }
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_DECLARE_FORM_PROPERTY)
#undef WENDLE_DECLARE_FORM_PROPERTY

#define WENDLE_DECLARE_TEXT_BOX_SETTING(Type, name, Name, def) \
    const Type& name() const {                                 \
        return name##_;                                        \
    }                                                          \
    void set##Name(const Type& value) {                        \
        name##_ = value;                                       \
    }
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_DECLARE_TEXT_BOX_SETTING)
#undef WENDLE_DECLARE_TEXT_BOX_SETTING

    // Assigns every default of a new applet through the setters, a client
    // size of 300 by 200, no buttons, an empty selection, all states active
    // and a new text box. Leaves modified set and modif clear.
    void SetDefaults();

    // The document has unsaved changes.
    bool modified() const {
        return modified_;
    }
    void setModified(bool modified) {
        modified_ = modified;
    }
    // The cached canvas is stale.
    bool modif() const {
        return modif_;
    }
    void setModif(bool modif) {
        modif_ = modif;
    }

    // The preview's client size; the applet is clientWidth by
    // clientHeight - 25.
    int clientWidth() const {
        return clientWidth_;
    }
    int clientHeight() const {
        return clientHeight_;
    }
    void setClientSize(int width, int height);
    int appletWidth() const {
        return clientWidth_;
    }
    int appletHeight() const {
        return clientHeight_ - kToolBarStrip;
    }

    const std::string& documentPath() const {
        return documentPath_;
    }
    void setDocumentPath(const std::string& path) {
        documentPath_ = path;
    }

    // Buttons.
    int buttonCount() const {
        return buttonCount_;
    }
    void setButtonCount(int count) {
        buttonCount_ = std::uint8_t(count);
    }
    // The panel of a state (1..3) and slot (0..99), or null when free or out
    // of range.
    TVelkPanel* statePanel(int state, int slot) const;
    // Slots of the existing buttons in creation order (ordinal = index).
    const std::vector<int>& usedSlots() const {
        return usedSlots_;
    }
    // Slots of the selected buttons in selection order; SelectOneItem and
    // UnselectOneItem (Editing.h) change it.
    const std::vector<int>& selectedSlots() const {
        return selectedSlots_;
    }
    void addToSelection(int slot) {
        selectedSlots_.push_back(slot);
    }
    void removeFromSelection(int slot) {
        std::erase(selectedSlots_, slot);
    }
    // Slots from the back of the stacking order to the front.
    const std::vector<int>& stackingOrder() const {
        return stackingOrder_;
    }
    void bringToFront(int slot);
    void sendToBack(int slot);

    // The states property edits go to; the preview shows the first set one.
    const std::array<bool, kStateCount>& activeStates() const {
        return activeStates_;
    }
    void setActiveStates(const std::array<bool, kStateCount>& active) {
        activeStates_ = active;
    }
    // The state shown in the preview: the first active one, or 0 for none.
    int shownState() const;
    // Shows each button's panel of the shown state and hides the others.
    void showActiveStates();

    // Creates one button in the lowest free slot, below the lowest existing
    // button; refused with its message when the applet holds 99 buttons.
    CreateMenuItemResult CreateMenuItem();
    // Deletes the button in this slot: its three panels, its entries in the
    // lists, one from the count, and every link to it.
    void deleteButton(int slot);

    // Taking an edit back. placeButton gives a free slot three fresh panels
    // without listing the button anywhere; removeButtonPanels takes them
    // away without touching lists or links; setButtonOrder then states the
    // buttons in creation and stacking order (the count follows, the
    // selection loses buttons that are gone, and each shows its shown state).
    void placeButton(int slot);
    void removeButtonPanels(int slot);
    void setButtonOrder(const std::vector<int>& usedSlots, const std::vector<int>& stackingOrder);

    // The text box panel and its transfer record of bounds.
    TvelkTextBox& textBox() {
        return textBox_;
    }
    const TvelkTextBox& textBox() const {
        return textBox_;
    }
    const Bounds& textBoxBounds() const {
        return textBoxBounds_;
    }
    void setTextBoxBounds(const Bounds& bounds) {
        textBoxBounds_ = bounds;
    }

    // The applet's three parameter lines; getMainHTML stores one space in an
    // empty loadText.
    std::string getMainHTML();
    std::string GetBorderHTML() const;
    std::string makeTextBoxTag() const;

    void setObserver(AppletObserver* observer) {
        observer_ = observer;
    }
    AppletObserver* observer() const {
        return observer_;
    }

    // Drawing state owned by the applet (its canvas raster and picture).
    Attachment* attachment() const {
        return attachment_.get();
    }
    void setAttachment(std::unique_ptr<Attachment> attachment) {
        attachment_ = std::move(attachment);
    }

  private:
#define WENDLE_DECLARE_FORM_FIELD(Type, name, Name, def, marks) Type name##_{def};
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_DECLARE_FORM_FIELD)
#undef WENDLE_DECLARE_FORM_FIELD
#define WENDLE_DECLARE_TEXT_BOX_FIELD(Type, name, Name, def) Type name##_{def};
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_DECLARE_TEXT_BOX_FIELD)
#undef WENDLE_DECLARE_TEXT_BOX_FIELD

    int freeSlot() const;

    bool modified_ = true;
    bool modif_ = false;
    int clientWidth_ = 300;
    int clientHeight_ = 200;
    std::string documentPath_;
    std::uint8_t buttonCount_ = 0;
    std::array<std::array<std::unique_ptr<TVelkPanel>, kMaxSlots>, kStateCount> statePanels_;
    std::vector<int> usedSlots_;
    std::vector<int> selectedSlots_;
    std::vector<int> stackingOrder_;
    std::array<bool, kStateCount> activeStates_{true, true, true};
    TvelkTextBox textBox_;
    Bounds textBoxBounds_;
    AppletObserver* observer_ = nullptr;
    std::unique_ptr<Attachment> attachment_;
};

}  // namespace wendle
