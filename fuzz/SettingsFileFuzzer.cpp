// Feeds arbitrary bytes to the settings store's file parser and to the
// decoding of the values it finds, and checks what must hold for every input:
//  - no crash, no hang, no undefined behaviour (the sanitizers watch);
//  - a file without our header gives no values;
//  - whatever was parsed is written out and parses back to the same keys
//    and values, with nothing skipped;
//  - every stored value either decodes to a setting or is refused, and a
//    decoded setting, written once more, decodes to the very same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/RegistryFileFormat.h"
#include "settings/CommaText.h"
#include "settings/SettingCodec.h"

namespace {

using namespace wendle;
using platform::RegistryFileFormat;
using platform::RegistryValue;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "settings file fuzzer: %s\n", what);
    std::abort();
}

// A setting survives being stored twice unchanged (the first store may
// round an extended-precision number to a double).
void checkSettingRoundTrip(const SettingValue& decoded) {
    const RegistryValue once = SettingCodec::encode(decoded);
    const auto again = SettingCodec::decode(once);
    if (!again)
        fail("an encoded setting did not decode");
    if (SettingCodec::encode(*again) != once)
        fail("a setting stored twice gave different bytes");
}

void checkValue(const std::string& name, const RegistryValue& value) {
    if (const auto decoded = SettingCodec::decode(value))
        checkSettingRoundTrip(*decoded);
    if (const auto hidden = SettingCodec::decodeEncrypted(value, name))
        checkSettingRoundTrip(*hidden);
    if (value.type() == RegistryValue::Type::Text)
        (void)fromCommaText(value.asText());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RegistryFileFormat::ParseResult parsed = RegistryFileFormat::parse(text);
    if (!parsed.recognised && !parsed.tree.keys().empty())
        fail("a file without our header gave keys");

    const std::string written = RegistryFileFormat::serialize(parsed.tree);
    const RegistryFileFormat::ParseResult reread = RegistryFileFormat::parse(written);
    if (!reread.recognised || reread.skippedLines != 0)
        fail("a written file did not parse cleanly");
    if (!(reread.tree == parsed.tree))
        fail("a written file parsed to other values");
    if (RegistryFileFormat::serialize(reread.tree) != written)
        fail("written twice, different bytes");

    for (const auto* key : parsed.tree.keys()) {
        for (const auto& [name, value] : key->values) checkValue(name, value);
    }
    return 0;
}
