#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ButtonValues.h"

// Buttons on their way through the clipboard, as the document format
// writes them.
namespace wendle::document {

struct ButtonClipping {
    // A document holding only these buttons (the reader takes it back).
    std::string records;
    // Their HTML parameter lines, one per button, each ended by CR LF.
    std::string htmlLines;
};

// The buttons as copyButtons gives them (links as indices among them).
ButtonClipping clipButtons(const std::vector<ButtonValues>& buttons);

// The buttons of a clipping's records, links as indices among them; nothing
// when the text is not a document the reader takes whole, or holds no
// button.
std::optional<std::vector<ButtonValues>> readClippedButtons(std::string_view records);

}  // namespace wendle::document
