#pragma once

#include <QString>
#include <string>

namespace wendle {

// The main window's title for a document: "<file name>[*] — Wendle" with
// the file name's extension, or "Untitled[*] — Wendle" before the document
// has a file. Qt shows "[*]" as the modified mark.
QString documentWindowTitle(const std::string& documentPath);

}  // namespace wendle
