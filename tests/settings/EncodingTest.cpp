#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "settings/CommaText.h"
#include "settings/ExtendedFloat.h"
#include "settings/SettingCodec.h"

namespace wendle {
namespace {

using platform::RegistryValue;
using Bytes = std::vector<std::uint8_t>;

TEST(ExtendedFloat, KnownNumbersHaveTheirKnownBytes) {
    struct Case {
        double value;
        ExtendedBytes bytes;
    };
    const Case cases[] = {
        {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
        {0.75, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F}},
        // 1 January 2000 as a date-time: 36526 days after 30 December 1899.
        {36526.0, {0, 0, 0, 0, 0, 0, 0xAE, 0x8E, 0x0E, 0x40}},
        {HUGE_VAL, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toExtended(c.value), c.bytes) << c.value;
        EXPECT_EQ(fromExtended(c.bytes), c.value) << c.value;
        EXPECT_EQ(std::signbit(fromExtended(c.bytes)), std::signbit(c.value));
    }
}

TEST(ExtendedFloat, EveryDoubleComesBackExactly) {
    for (double value : {M_PI, -M_E, 0.1, 1e-300, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN,
                         -DBL_TRUE_MIN, 45000.5625, -HUGE_VAL}) {
        EXPECT_EQ(fromExtended(toExtended(value)), value) << value;
    }
    EXPECT_TRUE(std::isnan(fromExtended(toExtended(std::nan("")))));
}

TEST(ExtendedFloat, NumbersBeyondADoubleBecomeInfiniteOrZero) {
    const ExtendedBytes huge{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};  // about 1e4932
    EXPECT_EQ(fromExtended(huge), HUGE_VAL);
    const ExtendedBytes tiny{0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
    EXPECT_EQ(fromExtended(tiny), 0.0);
}

struct CommaCase {
    std::vector<std::string> items;
    const char* text;
};

TEST(CommaText, QuotesOnlyTheItemsThatNeedIt) {
    const CommaCase cases[] = {
        {{"Netscape 4.79", "Internet Explorer 5.50"},
         "\"Netscape 4.79\",\"Internet Explorer 5.50\""},
        {{"a b", "next"}, "\"a b\",next"},
        {{"plain", "C:\\x\\y.exe"}, "plain,C:\\x\\y.exe"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"a,b"}, "\"a,b\""},
        {{"tab\there"}, "\"tab\there\""},
        {{""}, "\"\""},
        {{}, ""},
        {{"a", "", "b"}, "a,,b"},
        {{"", ""}, ","},
        {{"a", ""}, "a,"},
        {{"caf\xe9"}, "caf\xe9"},
    };
    for (const CommaCase& c : cases) {
        EXPECT_EQ(toCommaText(c.items), c.text);
        EXPECT_EQ(fromCommaText(c.text), c.items) << c.text;
    }
}

TEST(CommaText, ReadsTextWrittenByHand) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(fromCommaText(" a , \"b c\" ,d"), (Items{"a", "b c", "d"}));
    EXPECT_EQ(fromCommaText("\"unclosed, still"), (Items{"unclosed, still"}));
    EXPECT_EQ(fromCommaText("\"q\"tail,x"), (Items{"qtail", "x"}));
}

std::vector<SettingValue> everyKind() {
    return {
        SettingValue::text("Showed \"Preview\"\nHint"),
        SettingValue::integer(-5),
        SettingValue::floating(2.5e-3),
        SettingValue::boolean(true),
        SettingValue::dateTime(36526.75),
        SettingValue::variant("variant text"),
        SettingValue::stringList({"Netscape 4.79", "", "a,b"}),
        SettingValue::stringList({}),
        SettingValue::hiddenProperties({1, 2, 3}),
        SettingValue::collection({}),
    };
}

TEST(SettingCodec, EveryKindComesBackPlainAndEncrypted) {
    for (const SettingValue& value : everyKind()) {
        EXPECT_EQ(SettingCodec::decode(SettingCodec::encode(value)), value);
        for (std::uint8_t salt : {0, 1, 255}) {
            RegistryValue stored = RegistryValue::binary(
                SettingCodec::encodeEncrypted(value, "browser_Caption", salt));
            EXPECT_EQ(SettingCodec::decodeEncrypted(stored, "browser_Caption"), value);
        }
    }
}

TEST(SettingCodec, TextAndIntegerKeepTheirRegistryTypesAndTheRestCarryTheirKind) {
    EXPECT_EQ(SettingCodec::encode(SettingValue::text("true")), RegistryValue::text("true"));
    EXPECT_EQ(SettingCodec::encode(SettingValue::integer(-1)), RegistryValue::integer(0xFFFFFFFFu));
    EXPECT_EQ(SettingCodec::encode(SettingValue::boolean(true)),
              RegistryValue::binary({4, 0, 0, 0, 1}));
    EXPECT_EQ(SettingCodec::encode(SettingValue::stringList({"a b", "c"})),
              RegistryValue::binary({7, 0, 0, 0, 7, 0, 0, 0, '"', 'a', ' ', 'b', '"', ',', 'c'}));
    EXPECT_EQ(SettingCodec::encode(SettingValue::floating(1.0)),
              RegistryValue::binary({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
}

// A list whose stored text runs past the end of the value was cut short:
// the entries stored whole are kept, the last, cut one is not.
TEST(SettingCodec, AListCutShortKeepsItsCompleteEntries) {
    const struct {
        Bytes bytes;
        std::vector<std::string> entries;
    } cases[] = {
        {{7, 0, 0, 0, 5, 0, 0, 0, 'a'}, {}},
        {{7, 0, 0, 0, 9, 0, 0, 0, 'a', ',', 'b', 'c'}, {"a"}},
        {{7, 0, 0, 0, 12, 0, 0, 0, 'a', ',', '"', 'b', ' ', 'c', '"', ','}, {"a", "b c"}},
    };
    for (const auto& c : cases) {
        const auto decoded = SettingCodec::decode(RegistryValue::binary(c.bytes));
        ASSERT_TRUE(decoded) << ::testing::PrintToString(c.bytes);
        ASSERT_EQ(decoded->kind(), SettingKind::StringList);
        EXPECT_EQ(decoded->listValue(), c.entries) << ::testing::PrintToString(c.bytes);
    }
}

TEST(SettingCodec, DataThatDoesNotDecodeIsRefused) {
    const Bytes cases[] = {
        {},                                    // no kind
        {7, 0, 0},                             // short kind
        {10, 0, 0, 0},                         // unknown kind
        {0xFF, 0xFF, 0xFF, 0xFF},              // unknown kind
        {4, 0, 0, 0},                          // Boolean without its byte
        {4, 0, 0, 0, 1, 0},                    // trailing byte
        {3, 0, 0, 0, 0, 0, 0},                 // short number
        {6, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF},  // huge length
        {2, 0, 0, 0, 1, 0, 0},                 // short integer
    };
    for (const Bytes& bytes : cases) {
        EXPECT_FALSE(SettingCodec::decode(RegistryValue::binary(bytes)).has_value())
            << ::testing::PrintToString(bytes);
    }
}

TEST(SettingCodec, AnEncryptedValueIsUnreadableWithAnotherKeyOrChanged) {
    const SettingValue path = SettingValue::text("/usr/bin/firefox");
    const Bytes stored = SettingCodec::encodeEncrypted(path, "browser_Caption", 77);
    EXPECT_EQ(stored[0], 77);

    EXPECT_FALSE(
        SettingCodec::decodeEncrypted(RegistryValue::binary(stored), "BrowserPaths_Items"));
    Bytes changed = stored;
    changed[3] ^= 0x10;
    EXPECT_FALSE(SettingCodec::decodeEncrypted(RegistryValue::binary(changed), "browser_Caption"));
    EXPECT_FALSE(
        SettingCodec::decodeEncrypted(RegistryValue::text("/usr/bin/firefox"), "browser_Caption"));
    EXPECT_FALSE(SettingCodec::decodeEncrypted(RegistryValue::binary({}), "browser_Caption"));
    // Not readable at a glance, and not the same twice.
    const std::string bytesAsText(stored.begin(), stored.end());
    EXPECT_EQ(bytesAsText.find("firefox"), std::string::npos);
    EXPECT_EQ(bytesAsText.find("TPSOK"), std::string::npos);
    EXPECT_NE(SettingCodec::encodeEncrypted(path, "browser_Caption", 78), stored);
}

}  // namespace
}  // namespace wendle
