#include "document/FieldReader.h"

#include "document/ColourName.h"
#include "document/DocumentFormat.h"
#include "document/DocumentMessages.h"
#include "document/PlatformInteger.h"
#include "model/VelkForm.h"

namespace wendle::document {

void FieldReader::stop(std::string_view line, const char* why) {
    throw ReadStopped{"'" + std::string(line) + why};
}

std::int32_t FieldReader::integer() {
    const std::string_view line = lines_.next();
    const auto value = parsePlatformInteger(line);
    if (!value)
        stop(line, messages::kNotValidInteger);
    return *value;
}

Colour FieldReader::colour() {
    const std::string_view line = lines_.next();
    const auto value = parseColour(line);
    if (!value)
        stop(line, messages::kNotValidInteger);
    return *value;
}

int FieldReader::extent(int offset, int maximum) {
    const std::string_view line = lines_.next();
    const auto value = parsePlatformInteger(line);
    if (!value)
        stop(line, messages::kNotValidInteger);
    const long long extent = (long long)*value + offset;
    if (extent < 0 || extent > maximum)
        stop(line, messages::kNotValidSize);
    return int(extent);
}

int FieldReader::position(int offset) {
    const std::string_view line = lines_.next();
    const auto value = parsePlatformInteger(line);
    if (!value)
        stop(line, messages::kNotValidInteger);
    const long long position = (long long)*value + offset;
    if (position < format::kMinPosition || position > format::kMaxPosition) {
        stop(line, messages::kNotValidPosition);
    }
    return int(position);
}

int FieldReader::buttonCount() {
    const std::string_view line = lines_.next();
    const auto value = parsePlatformInteger(line);
    if (!value)
        stop(line, messages::kNotValidInteger);
    if (*value < 0 || *value > kMaxButtons)
        stop(line, messages::kNotValidButtonCount);
    return *value;
}

}  // namespace wendle::document
