#pragma once

#include <cstddef>
#include <string_view>

namespace wendle::document {

// Hands out the lines of a document held in memory, one at a time.
//
// A line ends at a line feed; one carriage return right before it belongs to
// the line end, so both CR LF (what the program writes) and a bare LF (what
// other tools may leave behind) end a line, and a carriage return that ends
// the file is taken as a cut-off line end. Any other carriage return is part
// of the text. A file that uses bare CRs therefore reads as one long line and
// fails the header check. Past the end every line is empty, as the program
// has always read it.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    std::string_view next();
    void skip(int count);
    bool atEnd() const { return position_ >= text_.size(); }
    // The 1-based number of the line last handed out; lines past the end
    // are counted too, so a message can say which line was missing.
    int lineNumber() const { return lineNumber_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

}  // namespace wendle::document
