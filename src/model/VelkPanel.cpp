#include "model/VelkPanel.h"

namespace wendle {

TVelkPanel::TVelkPanel(int slot, int state) : state_(std::uint8_t(state)), tag_(slot) {
    SetDefaults();
}

void TVelkPanel::SetDefaults() {
#define WENDLE_ASSIGN_PANEL_DEFAULT(Type, name, Name, def, marks) set##Name(Type(def));
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_ASSIGN_PANEL_DEFAULT)
#undef WENDLE_ASSIGN_PANEL_DEFAULT
    width_ = 95;
    height_ = 30;
    modified_ = true;
}

void TVelkPanel::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TVelkPanel::duplicateFrom(const TVelkPanel& source) {
    setBkColor(source.bkColor());
    setBorderColor(source.borderColor());
    setFadeColor(source.fadeColor());
    setBorderWidth(source.borderWidth());
    setBorderStyle(source.borderStyle());
    setRaised(source.raised());
    setBorderShading(source.borderShading());
    setFade(source.fade());
    setImageName(source.imageName());
    setImageStyle(source.imageStyle());
    setImageX(source.imageX());
    setImageY(source.imageY());
    setFontName(source.fontName());
    setFontSize(source.fontSize());
    setFontStyle(source.fontStyle());
    setFontColor(source.fontColor());
    setFontShadowColor(source.fontShadowColor());
    setFontShadow(source.fontShadow());
    setFontAlignment(source.fontAlignment());
    setHintText(source.hintText());
    setHintFont(source.hintFont());
    setHintSize(source.hintSize());
    setHintStyle(source.hintStyle());
    setHintBkClr(source.hintBkClr());
    setHintBdrClr(source.hintBdrClr());
    setHintTextClr(source.hintTextClr());
    setLink(source.link());
    setFrame(source.frame());
    setStatus(source.status());
    setSoundName(source.soundName());
    setItemLink(source.itemLink());
    setImagePath(source.imagePath());
    setState(source.state());
    setSoundPath(source.soundPath());
    setCaption(source.caption());
    setWidth(source.width());
    setHeight(source.height());
    setHighlightColor(source.highlightColor());
    setShowHighlight(source.showHighlight());
    setTransparentBk(source.transparentBk());
    setTextBoxText(source.textBoxText());
    modified_ = true;
}

}  // namespace wendle
