#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/DocumentFormat.h"
#include "document/LineCursor.h"
#include "model/Colour.h"

namespace wendle::document {

// Reading stopped on a line that does not hold what it must; the text is the
// message the user sees.
struct ReadStopped {
    std::string message;
};

// Reads the typed values of a document, one line each, through a LineCursor.
// A line that must hold a number or a colour and does not throws ReadStopped
// with "'<line>' is not a valid integer value", exactly as the program always
// reported it; past the end of the file that line is empty.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : lines_(text) {}

    std::string text() { return std::string(lines_.next()); }
    std::string_view raw() { return lines_.next(); }
    // True exactly for "1".
    bool flag() { return lines_.next() == "1"; }
    std::int32_t integer();
    Colour colour();
    // A width or height, plus the offset: 0 to maximum.
    int extent(int offset = 0, int maximum = format::kMaxExtent);
    // A left or top, plus the offset: kMinPosition to kMaxPosition. The
    // limits hold for the value stored, so what is read can be written and
    // read again.
    int position(int offset = 0);
    // A button count: 0 to 99.
    int buttonCount();

    void skip(int count) { lines_.skip(count); }
    bool atEnd() const { return lines_.atEnd(); }

  private:
    [[noreturn]] static void stop(std::string_view line, const char* why);
    LineCursor lines_;
};

}  // namespace wendle::document
