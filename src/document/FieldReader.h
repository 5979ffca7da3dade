#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/DocumentFormat.h"
#include "document/LineCursor.h"
#include "model/Colour.h"

namespace wendle::document {

// Reading stopped on a line that does not hold what it must.
struct ReadStopped {
    int line = 0;        // 1-based; 0 when the stop concerns no single line
    std::string detail;  // "expected a whole number, found 'four'"
};

// What the user sees when a read stops: "<file name>, line <n>: <detail>",
// the file named without its folders.
std::string stoppedMessage(const std::string& path, const ReadStopped& stopped);

// A value of the file as a message quotes it: whole and in quotes up to 80
// characters; a longer one is cut there, and the cut is marked with "..."
// and the full length, so a huge line cannot flood a message box.
std::string quotedValue(std::string_view value);

// Reads the typed values of a document, one line each, through a LineCursor.
// A line that must hold a number or a colour and does not throws ReadStopped
// naming the line, what it had to hold and what it held; past the end of
// the file that is "the end of the file".
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
    // The 1-based number of the line read last.
    int lineNumber() const { return lines_.lineNumber(); }

  private:
    struct Line {
        std::string_view text;
        bool pastTheEnd = false;
    };
    Line take();
    [[noreturn]] void stop(const Line& line, const std::string& expected) const;
    std::int32_t number(const Line& line, const std::string& expected) const;
    LineCursor lines_;
};

}  // namespace wendle::document
