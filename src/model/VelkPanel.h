#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/Attachment.h"
#include "model/Colour.h"

namespace wendle {

// The published properties of one button state:
// X(type, property, Setter suffix, default, setter marks the face stale)
#define WENDLE_VELK_PANEL_PROPERTIES(X)                            \
    X(Colour, bkColor, BkColor, 0x00000000u, true)                 \
    X(Colour, fadeColor, FadeColor, 0x00800000u, true)             \
    X(bool, fade, Fade, true, true)                                \
    X(Colour, borderColor, BorderColor, 0x00800000u, true)         \
    X(std::int16_t, borderWidth, BorderWidth, 2, true)             \
    X(std::int16_t, borderStyle, BorderStyle, 3, true)             \
    X(bool, raised, Raised, false, true)                           \
    X(std::int32_t, borderShading, BorderShading, 24, true)        \
    X(std::string, imageName, ImageName, "", false)                \
    X(std::string, imagePath, ImagePath, "", true)                 \
    X(std::uint8_t, imageStyle, ImageStyle, 2, true)               \
    X(std::int16_t, imageX, ImageX, 0, true)                       \
    X(std::int16_t, imageY, ImageY, 0, true)                       \
    X(std::uint8_t, fontName, FontName, 2, true)                   \
    X(std::uint8_t, fontSize, FontSize, 14, true)                  \
    X(std::uint8_t, fontStyle, FontStyle, 0, true)                 \
    X(std::uint8_t, fontAlignment, FontAlignment, 2, true)         \
    X(Colour, fontColor, FontColor, 0x00FFFFFFu, true)             \
    X(bool, fontShadow, FontShadow, false, true)                   \
    X(Colour, fontShadowColor, FontShadowColor, 0x0000FFFFu, true) \
    X(std::string, hintText, HintText, "", false)                  \
    X(std::uint8_t, hintFont, HintFont, 2, false)                  \
    X(std::int16_t, hintSize, HintSize, 12, false)                 \
    X(std::uint8_t, hintStyle, HintStyle, 0, false)                \
    X(Colour, hintBkClr, HintBkClr, 0x0080FFFFu, false)            \
    X(Colour, hintBdrClr, HintBdrClr, 0x00000000u, false)          \
    X(Colour, hintTextClr, HintTextClr, 0x00000000u, true)         \
    X(std::string, link, Link, "", false)                          \
    X(std::string, frame, Frame, "", false)                        \
    X(std::string, status, Status, "", false)                      \
    X(std::string, soundName, SoundName, "", true)                 \
    X(std::string, soundPath, SoundPath, "", false)                \
    X(std::string, textBoxText, TextBoxText, "", false)            \
    X(Colour, highlightColor, HighlightColor, 0x0000FFFFu, true)   \
    X(bool, showHighlight, ShowHighlight, false, true)             \
    X(bool, transparentBk, TransparentBk, false, true)             \
    X(std::int16_t, itemLink, ItemLink, -1, false)                 \
    X(std::string, itemName, ItemName, "", false)                  \
    X(bool, selected, Selected, false, false)

// One state of one button ("On Load", "On MouseOver" or "On Click"). The
// three states of a button are created and destroyed together by the applet
// and share their position and size.
class TVelkPanel {
  public:
    TVelkPanel(int slot, int state);

#define WENDLE_DECLARE_PANEL_PROPERTY(Type, name, Name, def, marks) \
    const Type& name() const {                                      \
        return name##_;                                             \
    }                                                               \
    void set##Name(const Type& value) {                             \
        name##_ = value;                                            \
        if (marks)                                                  \
            modified_ = true;                                       \
    }
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_DECLARE_PANEL_PROPERTY)
#undef WENDLE_DECLARE_PANEL_PROPERTY

    // Assigns every default of a new state through the setters and a size of
    // 95 by 30.
    void SetDefaults();

    // 1, 2 or 3; fixed at creation.
    std::uint8_t state() const {
        return state_;
    }
    void setState(std::uint8_t state) {
        state_ = state;
    }

    // The slot of the button this state belongs to (the panel's tag).
    int tag() const {
        return tag_;
    }
    void setTag(int slot) {
        tag_ = slot;
    }

    // Multi-line caption; lines are separated by CR LF.
    const std::string& caption() const {
        return caption_;
    }
    void setCaption(const std::string& caption) {
        caption_ = caption;
    }

    // Geometry in preview client coordinates (applet y + 25).
    int left() const {
        return left_;
    }
    int top() const {
        return top_;
    }
    int width() const {
        return width_;
    }
    int height() const {
        return height_;
    }
    int bottom() const {
        return top_ + height_;
    }
    void setLeft(int left) {
        left_ = left;
    }
    void setTop(int top) {
        top_ = top;
    }
    void setWidth(int width) {
        width_ = width;
    }
    void setHeight(int height) {
        height_ = height;
    }
    void setBounds(int left, int top, int width, int height);

    // Whether the preview shows this state of the button.
    bool visible() const {
        return visible_;
    }
    void setVisible(bool visible) {
        visible_ = visible;
    }

    // The face's cached raster is stale and must be redrawn.
    bool modified() const {
        return modified_;
    }
    void setModified(bool modified) {
        modified_ = modified;
    }

    // Copies what Duplicate copies from the same state of another button:
    // the look, the texts, the links, the caption and the size, but not the
    // position, the name or the selection.
    void duplicateFrom(const TVelkPanel& source);

    // The button parameter text pieces. Not read-only: they store one space
    // in empty texts and, with the gradient off, bkColor as fadeColor.
    std::string getBeginingHTML();   // head, 14 fields (state 1)
    std::string getMainHTML();       // state part, 29 fields
    std::string getEndHTML() const;  // tail, 1 field (state 1)

    // Drawing state owned by this face (its raster and picture).
    Attachment* attachment() const {
        return attachment_.get();
    }
    void setAttachment(std::unique_ptr<Attachment> attachment) {
        attachment_ = std::move(attachment);
    }

  private:
#define WENDLE_DECLARE_PANEL_FIELD(Type, name, Name, def, marks) Type name##_{def};
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_DECLARE_PANEL_FIELD)
#undef WENDLE_DECLARE_PANEL_FIELD

    std::uint8_t state_ = 1;
    int tag_ = 0;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 95;
    int height_ = 30;
    bool visible_ = false;
    bool modified_ = true;
    std::unique_ptr<Attachment> attachment_;
};

}  // namespace wendle
