#include <gtest/gtest.h>

#include "platform/Windows1252.h"

namespace wendle::platform {
namespace {

TEST(Windows1252, EveryByteSurvivesTheWayToUtf8AndBack) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string stored(1, char(byte));
        const auto back = utf8ToWindows1252(windows1252ToUtf8(stored));
        ASSERT_TRUE(back) << byte;
        EXPECT_EQ(*back, stored) << byte;
    }
}

TEST(Windows1252, Utf8OutsideTheCodePageHasNoStoredForm) {
    const struct {
        std::string utf8;
        std::optional<std::string> stored;
    } cases[] = {
        {"plain", "plain"},
        {"caf\xC3\xA9", "caf\xE9"},
        {"\xE2\x82\xAC", "\x80"},
        {"\xC5\xB8", "\x9F"},
        {"\xD0\x96", std::nullopt},          // a Cyrillic letter
        {"\xF0\x9F\x98\x80", std::nullopt},  // beyond the basic plane
        {"\xC3", std::nullopt},              // cut short
        {"\xFF", std::nullopt},              // never valid UTF-8
        {"\x80", std::nullopt},              // a continuation byte alone
    };
    for (const auto& c : cases) EXPECT_EQ(utf8ToWindows1252(c.utf8), c.stored) << c.utf8;
}

}  // namespace
}  // namespace wendle::platform
