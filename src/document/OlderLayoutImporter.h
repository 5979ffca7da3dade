#pragma once

#include <string>
#include <string_view>

#include "document/DocumentReader.h"

namespace wendle::document {

class DocumentHost;

// Imports a file of the layout that came before the numbered versions: the
// applet's size, border, background and buttons with their states, caption
// pieces and links. What the layout does not carry keeps the defaults of a
// new applet and a new button, except that gradients and highlights are off;
// the text box stays hidden. Lines after the last button, up to
// "[BEGIN HTML]", become altHTML, the last one winning.
// Called by the reader only, after it has shown the "different version"
// warning; the result's outcome is Imported or Stopped.
ReadResult importOlderLayout(std::string_view text, const std::string& path, DocumentHost& host);

}  // namespace wendle::document
