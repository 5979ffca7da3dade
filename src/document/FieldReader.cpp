#include "document/FieldReader.h"

#include "document/ColourName.h"
#include "document/DocumentFormat.h"
#include "document/DocumentMessages.h"
#include "document/PlatformInteger.h"
#include "model/VelkForm.h"

namespace wendle::document {

namespace {

constexpr std::size_t kMostQuoted = 80;

std::string fileNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string range(long long from, long long to) {
    return std::to_string(from) + messages::kRangeTo + std::to_string(to);
}

}  // namespace

std::string stoppedMessage(const std::string& path, const ReadStopped& stopped) {
    std::string message = fileNameOf(path);
    if (stopped.line > 0)
        message += messages::kLine + std::to_string(stopped.line);
    return message + ": " + stopped.detail;
}

std::string quotedValue(std::string_view value) {
    if (value.size() <= kMostQuoted)
        return "'" + std::string(value) + "'";
    return "'" + std::string(value.substr(0, kMostQuoted)) + messages::kCutMark +
           std::to_string(value.size()) + messages::kCutCharacters;
}

FieldReader::Line FieldReader::take() {
    const bool pastTheEnd = lines_.atEnd();
    return {lines_.next(), pastTheEnd};
}

void FieldReader::stop(const Line& line, const std::string& expected) const {
    std::string found;
    if (line.pastTheEnd) {
        found = messages::kFoundEndOfFile;
    } else if (line.text.empty()) {
        found = messages::kFoundEmptyLine;
    } else {
        found = quotedValue(line.text);
    }
    throw ReadStopped{lines_.lineNumber(),
                      messages::kExpected + expected + messages::kFound + found};
}

std::int32_t FieldReader::number(const Line& line, const std::string& expected) const {
    const auto value = parsePlatformInteger(line.text);
    if (!value)
        stop(line, expected);
    return *value;
}

std::int32_t FieldReader::integer() {
    return number(take(), messages::kWholeNumber);
}

Colour FieldReader::colour() {
    const Line line = take();
    const auto value = parseColour(line.text);
    if (!value)
        stop(line, messages::kColour);
    return *value;
}

int FieldReader::extent(int offset, int maximum) {
    const Line line = take();
    // The range is said as the file stores it, before the offset.
    const std::string expected =
        messages::kSize + range(-(long long)offset, (long long)maximum - offset);
    const long long extent = (long long)number(line, expected) + offset;
    if (extent < 0 || extent > maximum)
        stop(line, expected);
    return int(extent);
}

int FieldReader::position(int offset) {
    const Line line = take();
    const std::string expected =
        messages::kPosition +
        range((long long)format::kMinPosition - offset, (long long)format::kMaxPosition - offset);
    const long long position = (long long)number(line, expected) + offset;
    if (position < format::kMinPosition || position > format::kMaxPosition)
        stop(line, expected);
    return int(position);
}

int FieldReader::buttonCount() {
    const Line line = take();
    const std::string expected = messages::kButtonCount + range(0, kMaxButtons);
    const std::int32_t value = number(line, expected);
    if (value < 0 || value > kMaxButtons)
        stop(line, expected);
    return value;
}

}  // namespace wendle::document
