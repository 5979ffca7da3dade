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

// The applet's own values, in the same way.
constexpr std::array<std::pair<std::string_view, const char*>, 26> kAppletValueNames = {{
    {"imageName", "Applet Image"},
    {"imagePath", "Applet Image"},
    {"fade", "Applet Gradient Fill"},
    {"bkColor", "Applet Background Color"},
    {"fadeColor", "Applet Fade Color"},
    {"borderWidth", "Applet Border Width"},
    {"bdrStyle", "Applet Border Style"},
    {"raised", "Applet Border Style"},
    {"borderShading", "Applet Border Shading"},
    {"borderColor", "Applet Border Color"},
    {"imageStyle", "Applet Image Alignment"},
    {"imageX", "Applet Image Position"},
    {"imageY", "Applet Image Position"},
    {"altHTML", "Alternate HTML"},
    {"loadText", "Loading Text"},
    {"loadBkColor", "Loading Background Color"},
    {"loadFontColor", "Loading Text Color"},
    {"textBoxVisible", "Text Box Shown"},
    {"textBoxFont", "Text Box Font"},
    {"textBoxFontSize", "Text Box Font Size"},
    {"textBoxFontStyle", "Text Box Font Style"},
    {"textBoxTextColor", "Text Box Font Color"},
    {"textBoxBorderColor", "Text Box Border Color"},
    {"textBoxBkColor", "Text Box Background Color"},
    {"clientWidth", "Applet Size"},
    {"textBoxBounds", "Text Box Place"},
}};

// The first place in the table that one of the fields has, if before first.
template <std::size_t N>
std::size_t firstNamed(const std::array<std::pair<std::string_view, const char*>, N>& table,
                       const std::vector<std::string_view>& fields, std::size_t first) {
    for (std::string_view field : fields) {
        const auto named = std::find_if(table.begin(), table.end(), [field](const auto& entry) {
            return entry.first == field;
        });
        first = std::min(first, std::size_t(named - table.begin()));
    }
    return first;
}

}  // namespace

QString buttonChangeName(const AppletChange& change) {
    int buttons = 0;
    std::size_t first = kValueNames.size();
    for (const auto& [slot, after] : change.after.buttons) {
        const ButtonValues* before = change.before.button(slot);
        if (!after || !before || *before == *after)
            continue;
        ++buttons;
        for (std::size_t state = 0; state < after->states.size(); ++state) {
            first = firstNamed(kValueNames,
                               changedFields(before->states[state], after->states[state]), first);
        }
    }
    if (first == kValueNames.size())
        return texts::edit::buttons(texts::edit::kChange, buttons);
    const QString what = texts::edit::change(kValueNames[first].second);
    return buttons == 1 ? what : QString("%1 of %2 Buttons").arg(what).arg(buttons);
}

QString appletChangeName(const AppletChange& change) {
    if (!change.before.form || !change.after.form)
        return texts::edit::kChangeApplet;
    const std::size_t first =
        firstNamed(kAppletValueNames, changedFields(*change.before.form, *change.after.form),
                   kAppletValueNames.size());
    if (first == kAppletValueNames.size())
        return texts::edit::kChangeApplet;
    return texts::edit::change(kAppletValueNames[first].second);
}

}  // namespace wendle
