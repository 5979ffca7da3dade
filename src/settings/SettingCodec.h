#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/RegistryValue.h"
#include "settings/SettingValue.h"

namespace wendle {

// How a setting's value is stored in the registry-like store.
//
// Plain: a text as a text value, an integer as a 32-bit integer value, every
// other kind as binary data: the kind number (32-bit little-endian), then
//   Float, DateTime        the 10-byte extended-precision number
//   Boolean                one byte, 0 or 1
//   Variant, StringList    a 32-bit length and the characters (the comma text
//                          for a list)
//   Text (inside binary)   as Variant;   Integer (inside binary)  4 bytes
//   HiddenProperties, Collection   the window's own bytes, to the end
//   None                   nothing
//
// Encrypted: binary data made of one random byte and the scrambled record
// "TPSOK" (as a 32-bit length and the characters), kind number, payload; the
// scramble is keyed by the setting's UniqueName (see SettingScramble.h).
class SettingCodec {
  public:
    static constexpr std::string_view kMarker = "TPSOK";

    static platform::RegistryValue encode(const SettingValue& value);
    // Nullopt for data that does not decode: an unknown kind, a wrong
    // length, trailing bytes.
    static std::optional<SettingValue> decode(const platform::RegistryValue& stored);

    static std::vector<std::uint8_t> encodeEncrypted(const SettingValue& value,
                                                     std::string_view uniqueName,
                                                     std::uint8_t randomByte);
    // Nullopt unless the stored value is binary and its marker comes out
    // right with this UniqueName.
    static std::optional<SettingValue> decodeEncrypted(const platform::RegistryValue& stored,
                                                       std::string_view uniqueName);

    // The kind number and payload, as stored in binary data.
    static std::vector<std::uint8_t> kindAndPayload(const SettingValue& value);
    static std::optional<SettingValue> fromKindAndPayload(const std::uint8_t* data,
                                                          std::size_t size);
};

}  // namespace wendle
