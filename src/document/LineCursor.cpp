#include "document/LineCursor.h"

namespace wendle::document {

std::string_view LineCursor::next() {
    ++lineNumber_;
    if (atEnd())
        return {};
    const std::size_t end = text_.find('\n', position_);
    std::string_view line = text_.substr(
        position_, end == std::string_view::npos ? std::string_view::npos : end - position_);
    position_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

void LineCursor::skip(int count) {
    int i = 0;
    for (; i < count && !atEnd(); ++i) next();
    lineNumber_ += count - i;
}

}  // namespace wendle::document
