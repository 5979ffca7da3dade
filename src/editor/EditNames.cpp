#include "editor/EditNames.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "editor/EditTexts.h"

namespace wendle {

namespace {

// What a person calls each value, the first that changed giving the name.
// A value that follows from another (the gradient a transparency turns
// off, the transparency a new picture clears) comes after the one the
// person changed.
constexpr std::array<std::pair<std::string_view, const char*>, 37> kValueNames = {{
    {"caption", "Caption"},
    {"imageName", "Button Image"},
    {"imagePath", "Button Image"},
    {"soundName", "Sound"},
    {"soundPath", "Sound"},
    {"link", "Link"},
    {"frame", "Target Frame"},
    {"status", "Status Text"},
    {"hintText", "Hint"},
    {"textBoxText", "Text Box Message"},
    {"itemName", "Name"},
    {"transparentBk", "Transparency"},
    {"fade", "Gradient Fill"},
    {"bkColor", "Background Color"},
    {"fadeColor", "Fade Color"},
    {"borderWidth", "Border Width"},
    {"borderStyle", "Border Style"},
    {"raised", "Border Style"},
    {"borderShading", "Shading"},
    {"borderColor", "Border Color"},
    {"imageStyle", "Image Alignment"},
    {"imageX", "Image Position"},
    {"imageY", "Image Position"},
    {"fontName", "Font"},
    {"fontSize", "Font Size"},
    {"fontStyle", "Font Style"},
    {"fontAlignment", "Text Alignment"},
    {"fontColor", "Font Color"},
    {"fontShadow", "Shadow"},
    {"fontShadowColor", "Shadow Color"},
    {"showHighlight", "Highlight Box"},
    {"highlightColor", "Highlight Color"},
    {"left", "Position"},
    {"width", "Size"},
    {"hintFont", "Hint"},
    {"hintSize", "Hint"},
    {"hintStyle", "Hint"},
}};

const ButtonValues* valuesIn(const AppletPart& part, int slot) {
    for (const auto& [partSlot, values] : part.buttons) {
        if (partSlot == slot)
            return values ? &*values : nullptr;
    }
    return nullptr;
}

}  // namespace

QString buttonChangeName(const AppletChange& change) {
    int buttons = 0;
    std::size_t first = kValueNames.size();
    for (const auto& [slot, after] : change.after.buttons) {
        const ButtonValues* before = valuesIn(change.before, slot);
        if (!after || !before || *before == *after)
            continue;
        ++buttons;
        for (std::size_t state = 0; state < after->states.size(); ++state) {
            for (std::string_view field :
                 changedFields(before->states[state], after->states[state])) {
                const auto named =
                    std::find_if(kValueNames.begin(), kValueNames.end(),
                                 [field](const auto& entry) { return entry.first == field; });
                first = std::min(first, std::size_t(named - kValueNames.begin()));
            }
        }
    }
    if (first == kValueNames.size())
        return texts::edit::buttons(texts::edit::kChange, buttons);
    const QString what = texts::edit::change(kValueNames[first].second);
    return buttons == 1 ? what : QString("%1 of %2 Buttons").arg(what).arg(buttons);
}

}  // namespace wendle
