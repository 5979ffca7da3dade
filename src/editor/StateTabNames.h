#pragma once

#include <array>

namespace wendle {

// The object names of one state tab's look controls. The three tabs carry
// the same controls under the names the product gave each copy.
struct StateTabNames {
    // Text group.
    const char* caption;
    const char* font;
    const char* fontSize;
    const char* plain;
    const char* italic;
    const char* bold;
    const char* alignLeft;
    const char* alignCenter;
    const char* alignRight;
    const char* fontColor;
    const char* fontShadowColor;
    const char* useShadow;
    const char* textHelp;
    // Border group.
    const char* borderWidth;
    const char* borderStyle;
    const char* borderShading;
    const char* borderColor;
    const char* borderHelp;
    // Background group.
    const char* bkColor;
    const char* gradient;
    const char* fadeColor;
    const char* bkImage;
    const char* bkImageBrowse;
    const char* imageAlign;
    const char* imageX;
    const char* imageY;
    const char* transparent;
    const char* backgroundHelp;
    // Highlight box group.
    const char* showHighlight;
    const char* highlightColor;
    // Sound group.
    const char* sound;
    const char* soundBrowse;
    const char* soundHelp;
};

// Indexed by state - 1: "On Load", "On MouseOver", "On Click".
inline constexpr std::array<StateTabNames, 3> kStateTabNames = {{
    {.caption = "eText",
     .font = "cFont",
     .fontSize = "cFontSize",
     .plain = "bPlain",
     .italic = "bItalic",
     .bold = "bBold",
     .alignLeft = "AlignLeftBtn",
     .alignCenter = "AlignCenterBtn",
     .alignRight = "alignRightButton",
     .fontColor = "bFontColor",
     .fontShadowColor = "bFontShadowClr",
     .useShadow = "chFontShadow",
     .textHelp = "bTextHelp",
     .borderWidth = "eBorderWidth",
     .borderStyle = "cBorderStyle",
     .borderShading = "eBorderShading",
     .borderColor = "bBorderColor",
     .borderHelp = "bBorderHelp",
     .bkColor = "bBkColor",
     .gradient = "chkGradient",
     .fadeColor = "bGradientColor",
     .bkImage = "eBkImage",
     .bkImageBrowse = "bBkImageBrowse",
     .imageAlign = "cImageAlign",
     .imageX = "eImageX",
     .imageY = "eImageY",
     .transparent = "CheckBox2",
     .backgroundHelp = "bBackgroundHelp",
     .showHighlight = "highlight1",
     .highlightColor = "btnHighlt1",
     .sound = "sound1",
     .soundBrowse = "SpeedButton19",
     .soundHelp = "bSoundHelp"},
    {.caption = "eText2",
     .font = "cfont2",
     .fontSize = "cfontsize2",
     .plain = "bplain2",
     .italic = "BItalic2",
     .bold = "bBold2",
     .alignLeft = "AlignLeftBtn2",
     .alignCenter = "AlignCtrButton2",
     .alignRight = "AlignRightBtn2",
     .fontColor = "BFontColor2",
     .fontShadowColor = "bFontShadowClr2",
     .useShadow = "chFontShadow2",
     .textHelp = "bTextHelp2",
     .borderWidth = "eBorderWidth2",
     .borderStyle = "cBorderStyle2",
     .borderShading = "eBorderShading2",
     .borderColor = "bBorderColor2",
     .borderHelp = "bBorderHelp2",
     .bkColor = "bBkColor2",
     .gradient = "chkGradient2",
     .fadeColor = "bGradientColor2",
     .bkImage = "eBkImage2",
     .bkImageBrowse = "bBkImageBrowse2",
     .imageAlign = "cImageAlign2",
     .imageX = "eImageX2",
     .imageY = "eImageY2",
     .transparent = "CheckBox22",
     .backgroundHelp = "bBackgroundHelp2",
     .showHighlight = "highlight2",
     .highlightColor = "btnHighlt2",
     .sound = "sound2",
     .soundBrowse = "SpeedButton24",
     .soundHelp = "bSoundHelp2"},
    {.caption = "eText3",
     .font = "cFont3",
     .fontSize = "cFontSize3",
     .plain = "bPlain3",
     .italic = "bItalic3",
     .bold = "BBold3",
     .alignLeft = "AlignLeftBtn3",
     .alignCenter = "AlignCenterBtn3",
     .alignRight = "alignRightButton3",
     .fontColor = "SpeedButton32",
     .fontShadowColor = "bFontShadowClr3",
     .useShadow = "chFontShadow3",
     .textHelp = "bTextHelp3",
     .borderWidth = "eBorderWidth3",
     .borderStyle = "cBorderStyle3",
     .borderShading = "eBorderShading3",
     .borderColor = "bBorderColor3",
     .borderHelp = "bBorderHelp3",
     .bkColor = "bBkColor3",
     .gradient = "chkGradient3",
     .fadeColor = "bGradientColor3",
     .bkImage = "eBkImage3",
     .bkImageBrowse = "bBkImageBrowse3",
     .imageAlign = "cImageAlign3",
     .imageX = "eImageX3",
     .imageY = "eImageY3",
     .transparent = "CheckBox23",
     .backgroundHelp = "bBackgroundHelp3",
     .showHighlight = "highlight3",
     .highlightColor = "btnHighlt3",
     .sound = "sound3",
     .soundBrowse = "SpeedButton23",
     .soundHelp = "bSoundHelp3"},
}};

}  // namespace wendle
