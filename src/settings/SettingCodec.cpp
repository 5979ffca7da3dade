#include "settings/SettingCodec.h"

#include "settings/CommaText.h"
#include "settings/ExtendedFloat.h"
#include "settings/SettingScramble.h"

namespace wendle {

using platform::RegistryValue;

namespace {

void putUint32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putText(std::vector<std::uint8_t>& out, std::string_view text) {
    putUint32(out, static_cast<std::uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Reads the pieces of a payload, refusing to run past its end.
class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::optional<std::uint32_t> uint32() {
        if (size_ - position_ < 4)
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(data_[position_++]) << (8 * i);
        return value;
    }
    std::optional<std::string> text() {
        auto length = uint32();
        if (!length || size_ - position_ < *length)
            return std::nullopt;
        std::string value(reinterpret_cast<const char*>(data_ + position_), *length);
        position_ += *length;
        return value;
    }
    // A text whose stored length runs past the end of the value: what is
    // there of it. None when the value holds the whole text.
    std::optional<std::string> cutText() {
        const std::size_t start = position_;
        auto length = uint32();
        if (!length || size_ - position_ >= *length) {
            position_ = start;
            return std::nullopt;
        }
        std::string value(reinterpret_cast<const char*>(data_ + position_), size_ - position_);
        position_ = size_;
        return value;
    }
    const std::uint8_t* bytes(std::size_t count) {
        if (size_ - position_ < count)
            return nullptr;
        const std::uint8_t* start = data_ + position_;
        position_ += count;
        return start;
    }
    std::vector<std::uint8_t> rest() {
        std::vector<std::uint8_t> value(data_ + position_, data_ + size_);
        position_ = size_;
        return value;
    }
    bool atEnd() const { return position_ == size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace

std::vector<std::uint8_t> SettingCodec::kindAndPayload(const SettingValue& value) {
    std::vector<std::uint8_t> out;
    putUint32(out, static_cast<std::uint32_t>(value.kind()));
    switch (value.kind()) {
        case SettingKind::None:
            break;
        case SettingKind::Text:
        case SettingKind::Variant:
            putText(out, value.textValue());
            break;
        case SettingKind::Integer:
            putUint32(out, static_cast<std::uint32_t>(value.integerValue()));
            break;
        case SettingKind::Float:
        case SettingKind::DateTime: {
            ExtendedBytes number = toExtended(value.floatValue());
            out.insert(out.end(), number.begin(), number.end());
            break;
        }
        case SettingKind::Boolean:
            out.push_back(value.booleanValue() ? 1 : 0);
            break;
        case SettingKind::StringList:
            putText(out, toCommaText(value.listValue()));
            break;
        case SettingKind::HiddenProperties:
        case SettingKind::Collection:
            out.insert(out.end(), value.bytesValue().begin(), value.bytesValue().end());
            break;
    }
    return out;
}

std::optional<SettingValue> SettingCodec::fromKindAndPayload(const std::uint8_t* data,
                                                             std::size_t size) {
    Reader reader(data, size);
    auto kind = reader.uint32();
    if (!kind)
        return std::nullopt;
    std::optional<SettingValue> value;
    switch (static_cast<SettingKind>(*kind)) {
        case SettingKind::None:
            value = SettingValue();
            break;
        case SettingKind::Text:
            if (auto text = reader.text())
                value = SettingValue::text(std::move(*text));
            break;
        case SettingKind::Variant:
            if (auto text = reader.text())
                value = SettingValue::variant(std::move(*text));
            break;
        case SettingKind::Integer:
            if (auto number = reader.uint32()) {
                value = SettingValue::integer(static_cast<std::int32_t>(*number));
            }
            break;
        case SettingKind::Float:
        case SettingKind::DateTime:
            if (const std::uint8_t* bytes = reader.bytes(10)) {
                ExtendedBytes number{};
                std::copy(bytes, bytes + 10, number.begin());
                double decoded = fromExtended(number);
                value = *kind == static_cast<std::uint32_t>(SettingKind::Float)
                            ? SettingValue::floating(decoded)
                            : SettingValue::dateTime(decoded);
            }
            break;
        case SettingKind::Boolean:
            if (const std::uint8_t* byte = reader.bytes(1))
                value = SettingValue::boolean(*byte != 0);
            break;
        case SettingKind::StringList:
            if (auto cut = reader.cutText()) {
                // A list cut short (a settings file cut inside it) keeps the
                // entries that were stored whole: all but the last.
                std::vector<std::string> entries = fromCommaText(*cut);
                if (!entries.empty())
                    entries.pop_back();
                value = SettingValue::stringList(std::move(entries));
            } else if (auto text = reader.text()) {
                value = SettingValue::stringList(fromCommaText(*text));
            }
            break;
        case SettingKind::HiddenProperties:
            value = SettingValue::hiddenProperties(reader.rest());
            break;
        case SettingKind::Collection:
            value = SettingValue::collection(reader.rest());
            break;
        default:
            return std::nullopt;  // a kind this program does not know
    }
    if (!value || !reader.atEnd())
        return std::nullopt;
    return value;
}

RegistryValue SettingCodec::encode(const SettingValue& value) {
    switch (value.kind()) {
        case SettingKind::Text:
            return RegistryValue::text(value.textValue());
        case SettingKind::Integer:
            return RegistryValue::integer(static_cast<std::uint32_t>(value.integerValue()));
        default:
            return RegistryValue::binary(kindAndPayload(value));
    }
}

std::optional<SettingValue> SettingCodec::decode(const RegistryValue& stored) {
    switch (stored.type()) {
        case RegistryValue::Type::Text:
            return SettingValue::text(stored.asText());
        case RegistryValue::Type::Integer:
            return SettingValue::integer(static_cast<std::int32_t>(stored.asInteger()));
        case RegistryValue::Type::Binary:
            return fromKindAndPayload(stored.asBinary().data(), stored.asBinary().size());
    }
    return std::nullopt;
}

std::vector<std::uint8_t> SettingCodec::encodeEncrypted(const SettingValue& value,
                                                        std::string_view uniqueName,
                                                        std::uint8_t randomByte) {
    std::vector<std::uint8_t> record;
    putText(record, kMarker);
    std::vector<std::uint8_t> payload = kindAndPayload(value);
    record.insert(record.end(), payload.begin(), payload.end());

    std::vector<std::uint8_t> stored{randomByte};
    std::vector<std::uint8_t> scrambled = scramble(record, uniqueName, randomByte);
    stored.insert(stored.end(), scrambled.begin(), scrambled.end());
    return stored;
}

std::optional<SettingValue> SettingCodec::decodeEncrypted(const RegistryValue& stored,
                                                          std::string_view uniqueName) {
    if (stored.type() != RegistryValue::Type::Binary || stored.asBinary().empty()) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& bytes = stored.asBinary();
    const std::uint8_t salt = bytes[0];
    const std::vector<std::uint8_t> record =
        unscramble(std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end()), uniqueName, salt);

    Reader reader(record.data(), record.size());
    auto marker = reader.text();
    if (!marker || *marker != kMarker)
        return std::nullopt;
    constexpr std::size_t kMarkerSize = 4 + kMarker.size();
    return fromKindAndPayload(record.data() + kMarkerSize, record.size() - kMarkerSize);
}

}  // namespace wendle
