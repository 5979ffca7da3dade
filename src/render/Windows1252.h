#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wendle {

// The model keeps its texts as Windows-1252 bytes. Captions become QString
// here to be drawn, and file names become UTF-8 to be opened.
QString fromWindows1252(std::string_view text);
// Back to the model's bytes; characters outside the code page become "?".
std::string toWindows1252(const QString& text);
std::string windows1252ToUtf8(std::string_view text);

}  // namespace wendle
