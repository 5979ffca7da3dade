#include <gtest/gtest.h>

#include <optional>

#include "document/ColourName.h"
#include "document/PlatformInteger.h"

namespace wendle::document {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(PlatformInteger, ConvertsLikeThePlatform) {
    const IntegerCase cases[] = {
        {"0", 0},
        {"-1", -1},
        {"+25", 25},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$FF", 255},
        {"$ff", 255},
        {"$00400000", 0x00400000},
        {"$80000000", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"-$10", -16},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"12abc", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parsePlatformInteger(c.text), c.value) << "'" << c.text << "'";
    }
    EXPECT_EQ(parsePlatformInteger(std::string_view("1\0", 2)), std::nullopt);
}

TEST(ColourName, EveryNameOfTheTableIsWrittenAndReadBack) {
    ASSERT_EQ(kColourNames.size(), 42u);
    for (const auto& named : kColourNames) {
        EXPECT_EQ(colourName(named.value), named.name);
        EXPECT_EQ(parseColour(named.name), named.value) << named.name;
    }
    EXPECT_EQ(colourName(0x80000000u), "clScrollBar");
    EXPECT_EQ(colourName(0x80000018u), "clInfoBk");
    EXPECT_EQ(colourName(0x1FFFFFFFu), "clNone");
}

TEST(ColourName, OtherColoursUseEightUpperCaseHexDigits) {
    EXPECT_EQ(colourName(0x00400000u), "$00400000");
    EXPECT_EQ(colourName(0x0080FFFFu), "$0080FFFF");
    EXPECT_EQ(colourName(0x00abcdefu), "$00ABCDEF");
    EXPECT_EQ(colourName(0xFFFFFFFFu), "$FFFFFFFF");
    EXPECT_EQ(colourName(0x80000019u), "$80000019");
}

TEST(ColourName, ReadsNamesInAnyCaseAndIntegers) {
    const std::pair<const char*, std::optional<Colour>> cases[] = {
        {"clred", 0x000000FFu},        {"CLRED", 0x000000FFu},
        {"ClWhItE", 0x00FFFFFFu},      {"$00400000", 0x00400000u},
        {"255", 0x000000FFu},          {"-1", 0xFFFFFFFFu},
        {"clPink", std::nullopt},      {"", std::nullopt},
        {"clRed ", std::nullopt},      {"$0080FFFF", 0x0080FFFFu},
        {"cl3ddkshadow", 0x80000015u},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseColour(text), value) << text;
}

}  // namespace
}  // namespace wendle::document
