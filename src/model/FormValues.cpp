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

}  // namespace wendle
