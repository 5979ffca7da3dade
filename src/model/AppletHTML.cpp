#include "model/AppletHTML.h"

#include <initializer_list>

#include "model/Messages.h"
#include "model/VelkForm.h"

namespace wendle {

namespace {

const std::string kSpace = " ";

std::string orSpace(const std::string& text) {
    return text.empty() ? kSpace : text;
}

void fillEmpty(const std::string& value, void (TVelkPanel::*setter)(const std::string&),
               TVelkPanel& panel) {
    if (value.empty())
        (panel.*setter)(kSpace);
}

// Fields each followed by "|" (button parameters).
std::string terminated(std::initializer_list<std::string> fields) {
    std::string out;
    for (const auto& field : fields) out += field + "|";
    return out;
}

// Fields separated by "|" with no bar after the last (applet parameters).
std::string joined(std::initializer_list<std::string> fields) {
    std::string out;
    bool first = true;
    for (const auto& field : fields) {
        if (!first)
            out += "|";
        out += field;
        first = false;
    }
    return out;
}

std::string num(long long value) {
    return std::to_string(value);
}
std::string flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

std::string getHexColor(Colour colour) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t channel : {redOf(colour), greenOf(colour), blueOf(colour)}) {
        out += kDigits[channel >> 4];
        out += kDigits[channel & 0xF];
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

std::string joinCaption(std::string_view caption) {
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = caption.find("\r\n", start);
        out += caption.substr(start, end == std::string_view::npos ? end : end - start);
        out += " ~ ";
        if (end == std::string_view::npos)
            break;
        start = end + 2;
    }
    return out;
}

std::string TVelkPanel::getBeginingHTML() {
    fillEmpty(link(), &TVelkPanel::setLink, *this);
    fillEmpty(frame(), &TVelkPanel::setFrame, *this);
    fillEmpty(hintText(), &TVelkPanel::setHintText, *this);
    return terminated({num(width()), num(height()), num(left()), num(top() - kToolBarStrip),
                       hintText(), num(hintFont()), num(hintSize()), num(hintStyle()),
                       getHexColor(hintBkClr()), getHexColor(hintBdrClr()),
                       getHexColor(hintTextClr()), link(), frame(), "0"});
}

std::string TVelkPanel::getMainHTML() {
    const std::string highlight = showHighlight() ? getHexColor(highlightColor()) : "0";
    fillEmpty(status(), &TVelkPanel::setStatus, *this);
    if (caption().empty())
        setCaption(kSpace);
    fillEmpty(soundName(), &TVelkPanel::setSoundName, *this);
    fillEmpty(hintText(), &TVelkPanel::setHintText, *this);
    fillEmpty(imageName(), &TVelkPanel::setImageName, *this);
    const std::string lowered = raised() ? "0" : "1";
    const std::string shadow = flag(fontShadow());
    if (!fade()) {
        setFadeColor(bkColor());
        setModified(true);
    }
    const std::string transparent = flag(transparentBk());
    return terminated({num(borderWidth()),
                       num(borderStyle()),
                       lowered,
                       num(borderShading()),
                       getHexColor(bkColor()),
                       getHexColor(borderColor()),
                       imageName(),
                       num(imageStyle()),
                       num(imageX()),
                       num(imageY()),
                       joinCaption(caption()),
                       num(fontName()),
                       num(fontSize()),
                       num(fontStyle()),
                       num(fontAlignment()),
                       "0",
                       "0",
                       shadow,
                       getHexColor(fontColor()),
                       getHexColor(fontShadowColor()),
                       status(),
                       soundName(),
                       "1",
                       getHexColor(fadeColor()),
                       transparent,
                       highlight,
                       "0",
                       "0",
                       "0"});
}

std::string TVelkPanel::getEndHTML() const {
    return orSpace(textBoxText()) + "|";
}

std::string TVelkForm::getMainHTML() {
    const Colour gradient = fade() ? fadeColor() : bkColor();
    const std::string image = orSpace(imageName());
    if (loadText().empty())
        setLoadText(kSpace);
    return "<PARAM NAME=\"GENERAL\" VALUE=\"" +
           joined({num(buttonCount()), "5", getHexColor(bkColor()), image, num(imageStyle()),
                   num(imageX()), num(imageY()), "1000", loadText(), getHexColor(loadBkColor()),
                   getHexColor(loadFontColor()), getHexColor(gradient)}) +
           "\">";
}

std::string TVelkForm::GetBorderHTML() const {
    return "<PARAM NAME=\"BORDER\"  VALUE=\"" +
           joined({num(borderWidth()), getHexColor(borderColor()), num(bdrStyle()),
                   raised() ? "0" : "1", num(borderShading())}) +
           "\">";
}

std::string TVelkForm::makeTextBoxTag() const {
    const TvelkTextBox& box = textBox();
    return "<PARAM NAME=\"TEXT BOX\" VALUE=\"" +
           joined({num(box.left), num(box.top - kToolBarStrip), num(box.width), num(box.height),
                   num(textBoxFont()), num(textBoxFontSize()), num(textBoxFontStyle()),
                   getHexColor(textBoxTextColor()), num(textBoxReserved1()),
                   getHexColor(textBoxBorderColor()), getHexColor(textBoxBkColor()),
                   num(textBoxReserved2())}) +
           "\">";
}

std::vector<std::string> buildAppletHTML(TVelkForm& applet) {
    std::vector<std::string> lines;
    lines.push_back("<APPLET CODE=\"velkbutton.class\" WIDTH=" + num(applet.appletWidth()) +
                    " HEIGHT=" + num(applet.appletHeight()) + ">");
    lines.push_back(messages::kGeneratorLine);
    lines.push_back(applet.getMainHTML());
    lines.push_back(applet.GetBorderHTML());
    lines.push_back(applet.makeTextBoxTag());
    const auto& used = applet.usedSlots();
    for (int n = 0; n < applet.buttonCount() && n < int(used.size()); ++n) {
        const int slot = used[std::size_t(n)];
        TVelkPanel* first = applet.statePanel(1, slot);
        std::string line = "<PARAM NAME=\"" + num(n) + "\" VALUE=\"";
        line += first->getBeginingHTML();
        for (int state = 1; state <= kStateCount; ++state) {
            line += applet.statePanel(state, slot)->getMainHTML();
        }
        line += first->getEndHTML();
        line += "\">";
        lines.push_back(std::move(line));
    }
    if (!applet.altHTML().empty()) {
        for (auto& line : splitLines(applet.altHTML())) lines.push_back(std::move(line));
    }
    lines.push_back("</APPLET>");
    return lines;
}

}  // namespace wendle
