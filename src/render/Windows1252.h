#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/Windows1252.h"

namespace wendle {

// The model keeps its texts as Windows-1252 bytes. Captions become QString
// here to be drawn; file names become UTF-8 through the platform's table.
QString fromWindows1252(std::string_view text);
// Back to the model's bytes; characters outside the code page become "?".
std::string toWindows1252(const QString& text);
using platform::windows1252ToUtf8;

}  // namespace wendle
