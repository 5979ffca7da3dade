#include "TemplateKit.h"

#include "document/AppletDocumentHost.h"
#include "document/DocumentWriter.h"
#include "model/CharacterCheck.h"
#include "model/Editing.h"
#include "model/VelkForm.h"
#include "platform/NamedFile.h"

namespace wendle::content {

namespace {

struct EdgeFields {
    std::int16_t style;
    bool raised;
};

// The border style lists' six choices as the model stores them; None is a
// raised frame of width 0, which draws nothing.
EdgeFields edgeFields(Edge edge) {
    switch (edge) {
        case Edge::None:
        case Edge::RaisedFrame:
            return {1, true};
        case Edge::LoweredFrame:
            return {1, false};
        case Edge::RaisedBevel:
            return {2, true};
        case Edge::LoweredBevel:
            return {2, false};
        case Edge::RaisedBump:
            return {3, true};
        case Edge::LoweredBump:
            return {3, false};
    }
    return {1, true};
}

// Collects what the editors would have refused.
class Checker {
  public:
    // Captions, status, hint and the text-box message.
    void text(const std::string& value, const char* what) {
        if (checkCharacters(value))
            problems_ += std::string(what) + " '" + value + "' holds |, ~ or a double quote; ";
    }
    // File names, link and frame.
    void name(const std::string& value, const char* what) {
        if (checkCharacters2(value))
            problems_ += std::string(what) + " '" + value + "' holds | or a double quote; ";
    }
    const std::string& problems() const { return problems_; }

  private:
    std::string problems_;
};

// Where a ready-made picture or sound lies, said without the program's own
// folder: the program looks a path into its ready-made folders up beside
// itself, so a template keeps its pictures wherever the program is put.
std::string readyMadePath(const char* folder, const std::string& name) {
    return name.empty() ? std::string() : std::string(folder) + "/" + name;
}

void applyFace(TVelkPanel& panel, const Face& face, const std::string& caption, Checker& check) {
    panel.setBkColor(face.background);
    panel.setFade(face.gradient && !face.transparent);
    panel.setFadeColor(face.gradient ? face.fadeTo : face.background);
    panel.setTransparentBk(face.transparent);
    const EdgeFields edge = edgeFields(face.border.edge);
    panel.setBorderStyle(edge.style);
    panel.setRaised(edge.raised);
    panel.setBorderWidth(std::int16_t(face.border.edge == Edge::None ? 0 : face.border.width));
    panel.setBorderColor(face.border.colour);
    panel.setBorderShading(face.border.shading);

    check.name(face.picture.name, "picture");
    panel.setImageName(face.picture.name);
    panel.setImagePath(readyMadePath(platform::kButtonImagesFolder, face.picture.name));
    panel.setImageStyle(std::uint8_t(face.picture.place));
    panel.setImageX(std::int16_t(face.picture.x));
    panel.setImageY(std::int16_t(face.picture.y));

    panel.setFontName(std::uint8_t(face.font.face));
    panel.setFontSize(std::uint8_t(face.font.size));
    panel.setFontStyle(std::uint8_t(face.font.style));
    panel.setFontAlignment(std::uint8_t(face.font.align));
    panel.setFontColor(face.font.colour);
    panel.setFontShadow(face.font.shadow);
    panel.setFontShadowColor(face.font.shadowColour);

    panel.setShowHighlight(face.highlight);
    panel.setHighlightColor(face.highlightColour);

    check.name(face.soundName, "sound");
    panel.setSoundName(face.soundName);
    panel.setSoundPath(readyMadePath(platform::kSoundsFolder, face.soundName));

    const std::string& text = face.caption.empty() ? caption : face.caption;
    check.text(text, "caption");
    panel.setCaption(text);
}

// The settings that belong to the button as a whole: the hint and the
// texts on the first state, the status text on the second.
void applyButtonTexts(TVelkForm& applet, int slot, const Button& button, const HintLook& hint,
                      Checker& check) {
    TVelkPanel& first = *applet.statePanel(1, slot);
    check.text(button.caption, "button name");
    first.setItemName(button.caption.substr(0, button.caption.find('\r')));
    check.name(button.link, "link");
    first.setLink(button.link);
    check.name(button.frame, "frame");
    first.setFrame(button.frame);
    check.text(button.hint, "hint");
    first.setHintText(button.hint);
    first.setHintFont(std::uint8_t(hint.face));
    first.setHintSize(std::int16_t(hint.size));
    first.setHintStyle(std::uint8_t(hint.style));
    first.setHintTextClr(hint.text);
    first.setHintBkClr(hint.background);
    first.setHintBdrClr(hint.border);
    check.text(button.message, "text box message");
    first.setTextBoxText(button.message);
    check.text(button.status, "status");
    applet.statePanel(2, slot)->setStatus(button.status);
}

void applyTextBox(TVelkForm& applet, const TextBox& box) {
    applet.setTextBoxVisible(box.shown ? 1 : 0);
    applet.setTextBoxFont(int(box.face));
    applet.setTextBoxFontSize(box.size);
    applet.setTextBoxFontStyle(int(box.style));
    applet.setTextBoxTextColor(box.text);
    applet.setTextBoxBkColor(box.background);
    applet.setTextBoxBorderColor(box.border);
    TvelkTextBox& panel = applet.textBox();
    if (box.shown) {
        panel.setBounds(box.left, box.top + kToolBarStrip, box.width, box.height);
    } else {
        // Where a hidden text box is parked, so that nothing of it shows.
        panel.setBounds(-1, kToolBarStrip, 1, 1);
    }
    applet.setTextBoxBounds(Bounds{panel.left, panel.top, panel.width, panel.height});
}

}  // namespace

std::string writeTemplate(const Applet& design, const std::string& path) {
    document::AppletDocumentHost host;
    TVelkForm& applet = host.resetDocument();
    Checker check;

    applet.setClientSize(design.width, design.height + kToolBarStrip);
    applet.setBkColor(design.background);
    applet.setFade(design.gradient);
    applet.setFadeColor(design.gradient ? design.fadeTo : design.background);
    const EdgeFields edge = edgeFields(design.border.edge);
    applet.setBdrStyle(edge.style);
    applet.setRaised(edge.raised);
    applet.setBorderWidth(std::int16_t(design.border.edge == Edge::None ? 0 : design.border.width));
    applet.setBorderColor(design.border.colour);
    applet.setBorderShading(design.border.shading);
    check.name(design.picture.name, "background picture");
    applet.setImageName(design.picture.name);
    applet.setImagePath(readyMadePath(platform::kButtonImagesFolder, design.picture.name));
    applet.setImageStyle(std::uint8_t(design.picture.place));
    applet.setImageX(std::int16_t(design.picture.x));
    applet.setImageY(std::int16_t(design.picture.y));
    applet.setLoadText(design.loadingText);
    applet.setLoadBkColor(design.loadingBackground);
    applet.setLoadFontColor(design.loadingTextColour);
    applet.setAltHTML(design.alternativeHTML);

    for (const Button& button : design.buttons) {
        const CreateMenuItemResult created = applet.CreateMenuItem();
        if (!created.ok())
            return path + ": " + created.message;
        const int slot = created.slot;
        SetSizeXY(applet, slot, button.left, button.top + kToolBarStrip, button.width,
                  button.height);
        for (int state = 1; state <= kStateCount; ++state) {
            applyFace(*applet.statePanel(state, slot), button.faces[std::size_t(state - 1)],
                      button.caption, check);
        }
        applyButtonTexts(applet, slot, button, design.hint, check);
    }
    applyTextBox(applet, design.textBox);
    applet.showActiveStates();

    if (!check.problems().empty())
        return path + ": " + check.problems();
    applet.setDocumentPath(path);
    const document::SaveResult saved = document::writeDocument(applet, host);
    return saved.saved() ? std::string() : saved.message;
}

}  // namespace wendle::content
