#include "editor/Encoding.h"

#include "render/Windows1252.h"

namespace wendle {

QString toQString(const std::string& text) {
    return fromWindows1252(text);
}

std::string fromQString(const QString& text) {
    return toWindows1252(text);
}

}  // namespace wendle
