#include "model/FormValues.h"

namespace wendle {

FormValues captureForm(const TVelkForm& applet) {
    FormValues values;
#define WENDLE_CAPTURE_FORM_VALUE(Type, name, Name, def, marks) values.name = applet.name();
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_CAPTURE_FORM_VALUE)
#undef WENDLE_CAPTURE_FORM_VALUE
#define WENDLE_CAPTURE_TEXT_BOX_VALUE(Type, name, Name, def) values.name = applet.name();
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_CAPTURE_TEXT_BOX_VALUE)
#undef WENDLE_CAPTURE_TEXT_BOX_VALUE
    values.textBox = applet.textBox();
    values.textBoxBounds = applet.textBoxBounds();
    values.clientWidth = applet.clientWidth();
    values.clientHeight = applet.clientHeight();
    return values;
}

void applyForm(TVelkForm& applet, const FormValues& values) {
#define WENDLE_APPLY_FORM_VALUE(Type, name, Name, def, marks) applet.set##Name(values.name);
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_APPLY_FORM_VALUE)
#undef WENDLE_APPLY_FORM_VALUE
#define WENDLE_APPLY_TEXT_BOX_VALUE(Type, name, Name, def) applet.set##Name(values.name);
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_APPLY_TEXT_BOX_VALUE)
#undef WENDLE_APPLY_TEXT_BOX_VALUE
    applet.textBox() = values.textBox;
    applet.setTextBoxBounds(values.textBoxBounds);
    applet.setClientSize(values.clientWidth, values.clientHeight);
    applet.setModif(true);
}

std::vector<std::string_view> changedFields(const FormValues& before, const FormValues& after) {
    std::vector<std::string_view> names;
#define WENDLE_COMPARE_FORM_FIELD(Type, name, Name, def, marks) \
    if (before.name != after.name)                              \
        names.emplace_back(#name);
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_COMPARE_FORM_FIELD)
#undef WENDLE_COMPARE_FORM_FIELD
#define WENDLE_COMPARE_TEXT_BOX_FIELD(Type, name, Name, def) \
    if (before.name != after.name)                           \
        names.emplace_back(#name);
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_COMPARE_TEXT_BOX_FIELD)
#undef WENDLE_COMPARE_TEXT_BOX_FIELD
    if (before.textBoxBounds != after.textBoxBounds || !(before.textBox == after.textBox))
        names.emplace_back("textBoxBounds");
    if (before.clientWidth != after.clientWidth || before.clientHeight != after.clientHeight)
        names.emplace_back("clientWidth");
    return names;
}

}  // namespace wendle
