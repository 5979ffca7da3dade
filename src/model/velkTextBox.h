#pragma once

#include <string>

#include "model/Colour.h"

namespace wendle {

// The applet's text box as the preview shows it: a panel with a one-pixel
// 3-D edge and the fixed caption "Text Box". Its current bounds are what the
// HTML and the document write.
class TvelkTextBox {
  public:
    int left = 5;
    int top = 150;  // preview client coordinates (applet y + 25)
    int width = 95;
    int height = 20;
    std::string caption = "Text Box";
    int typeface = 0;   // index into kTypefaces
    int pointSize = 8;  // preview point size
    int fontStyle = 0;  // 0 plain, 1 italic, 2 bold

    void setBounds(int l, int t, int w, int h) {
        left = l;
        top = t;
        width = w;
        height = h;
    }

    bool operator==(const TvelkTextBox&) const = default;
};

}  // namespace wendle
