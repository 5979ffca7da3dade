#include <gtest/gtest.h>

#include <string>

#include "platform/RegistryFileFormat.h"

namespace wendle::platform {
namespace {

RegistryTree treeWithEveryKindOfValue() {
    RegistryTree tree;
    const std::string key = "Software\\Orvanta Software\\Wendle\\5\\mainWindow";
    tree.writeValue(key, "Showed Preview Hint", RegistryValue::text("true"));
    tree.writeValue(key, "Awkward \"name\" with \\", RegistryValue::text("a\\b\"c\nd\re\tf"));
    tree.writeValue(key, "Control bytes", RegistryValue::text(std::string("\x01\x1f\x7f\0z", 5)));
    tree.writeValue(key, "Code page text", RegistryValue::text("caf\xe9 \xa9"));
    tree.writeValue(key, "", RegistryValue::text("the default value"));
    tree.writeValue(key, "Count", RegistryValue::integer(0xFFFFFFFFu));
    tree.writeValue(key, "Zero", RegistryValue::integer(0));
    tree.writeValue(key + "\\BrowserNames", "Items",
                    RegistryValue::binary({0x07, 0x00, 0x00, 0x00, 0xff, 0x0a, 0x22}));
    tree.writeValue(key + "\\BrowserNames", "Nothing", RegistryValue::binary({}));
    tree.createKey("Software\\Empty key");
    // A key with no values of its own, whose sub-key spells it otherwise.
    tree.createKey("Software\\Spelled Once");
    tree.writeValue("SOFTWARE\\spelled once\\Child", "Value", RegistryValue::integer(1));
    return tree;
}

TEST(RegistryFileFormat, EveryValueAndNameSurvivesWritingAndReading) {
    const RegistryTree tree = treeWithEveryKindOfValue();
    const std::string text = RegistryFileFormat::serialize(tree);

    const auto parsed = RegistryFileFormat::parse(text);
    EXPECT_TRUE(parsed.recognised);
    EXPECT_EQ(parsed.skippedLines, 0);
    EXPECT_TRUE(parsed.tree == tree);
    // Each value is one line: no raw line break or control byte is written.
    for (char c : text) {
        if (c == '\n')
            continue;
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7f);
    }
}

TEST(RegistryFileFormat, WritesTheDocumentedForms) {
    RegistryTree tree;
    tree.writeValue("A\\B", "Text", RegistryValue::text("x\"y"));
    tree.writeValue("A\\B", "Number", RegistryValue::integer(9));
    tree.writeValue("A\\B", "Data", RegistryValue::binary({0x07, 0xab}));
    EXPECT_EQ(RegistryFileFormat::serialize(tree),
              "Wendle Registry Version 1\n"
              "\n[A\\\\B]\n"
              "\"Text\"=str:\"x\\\"y\"\n"
              "\"Number\"=dword:00000009\n"
              "\"Data\"=hex:07,ab\n");
}

TEST(RegistryFileFormat, WindowsLineEndsAreRead) {
    const auto parsed = RegistryFileFormat::parse(
        "Wendle Registry Version 1\r\n\r\n[K]\r\n\"v\"=dword:0000000a\r\n");
    EXPECT_EQ(parsed.skippedLines, 0);
    EXPECT_EQ(parsed.tree.readValue("K", "v"), RegistryValue::integer(10));
}

struct DamagedFile {
    const char* what;
    const char* text;
    bool recognised;
    int skippedLines;
    std::vector<const char*> valuesKept;  // names in key "K"
    std::vector<const char*> valuesLost;
};

class RegistryFileFormatDamage : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(RegistryFileFormatDamage, KeepsWhatParsesAndNothingElse) {
    const DamagedFile& file = GetParam();
    const auto parsed = RegistryFileFormat::parse(file.text);
    EXPECT_EQ(parsed.recognised, file.recognised);
    EXPECT_EQ(parsed.skippedLines, file.skippedLines);
    for (const char* name : file.valuesKept) {
        EXPECT_TRUE(parsed.tree.readValue("K", name).has_value()) << name;
    }
    for (const char* name : file.valuesLost) {
        EXPECT_FALSE(parsed.tree.readValue("K", name).has_value()) << name;
        EXPECT_FALSE(parsed.tree.readValue("K\\Sub", name).has_value()) << name;
    }
}

const char kGood[] = "\"good\"=dword:00000001\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryFileFormatDamage,
    ::testing::Values(
        DamagedFile{"empty file", "", false, 0, {}, {"good"}},
        DamagedFile{
            "foreign header", "REGEDIT4\n[K]\n\"good\"=dword:00000001\n", false, 0, {}, {"good"}},
        DamagedFile{"binary garbage",
                    "\x7f"
                    "ELF\x02\x01\x01\n[K]\n",
                    false,
                    0,
                    {},
                    {}},
        DamagedFile{
            "bad escape",
            "Wendle Registry Version 1\n[K]\n\"bad\"=str:\"a\\qb\"\n\"good\"=dword:00000001\n",
            true,
            1,
            {"good"},
            {"bad"}},
        DamagedFile{"unclosed text",
                    "Wendle Registry Version 1\n[K]\n\"bad\"=str:\"abc\n\"good\"=dword:00000001\n",
                    true,
                    1,
                    {"good"},
                    {"bad"}},
        DamagedFile{
            "bare quote inside text",
            "Wendle Registry Version 1\n[K]\n\"bad\"=str:\"a\"b\"\n\"good\"=dword:00000001\n",
            true,
            1,
            {"good"},
            {"bad"}},
        DamagedFile{
            "short dword",
            "Wendle Registry Version 1\n[K]\n\"bad\"=dword:0000001\n\"good\"=dword:00000001\n",
            true,
            1,
            {"good"},
            {"bad"}},
        DamagedFile{
            "dword with a sign",
            "Wendle Registry Version 1\n[K]\n\"bad\"=dword:-0000001\n\"good\"=dword:00000001\n",
            true,
            1,
            {"good"},
            {"bad"}},
        DamagedFile{
            "ragged hex",
            "Wendle Registry Version 1\n[K]\n\"bad\"=hex:01,2,03\n\"good\"=dword:00000001\n",
            true,
            1,
            {"good"},
            {"bad"}},
        DamagedFile{"hex with a trailing comma",
                    "Wendle Registry Version 1\n[K]\n\"bad\"=hex:01,\n\"good\"=dword:00000001\n",
                    true,
                    1,
                    {"good"},
                    {"bad"}},
        DamagedFile{"unknown type",
                    "Wendle Registry Version 1\n[K]\n\"bad\"=qword:01\n\"good\"=dword:00000001\n",
                    true,
                    1,
                    {"good"},
                    {"bad"}},
        DamagedFile{
            "value before any key",
            "Wendle Registry Version 1\n\"bad\"=dword:00000001\n[K]\n\"good\"=dword:00000001\n",
            true,
            1,
            {"good"},
            {"bad"}},
        // The values under a broken key line must not fall into the key before it.
        DamagedFile{"broken key line",
                    "Wendle Registry Version 1\n[K]\n\"good\"=dword:00000001\n[K\\\\Sub\n"
                    "\"bad\"=dword:00000002\n",
                    true,
                    2,
                    {"good"},
                    {"bad"}},
        DamagedFile{"key line with a bad escape",
                    "Wendle Registry Version 1\n[K]\n\"good\"=dword:00000001\n[K\\q]\n"
                    "\"bad\"=dword:00000002\n",
                    true,
                    2,
                    {"good"},
                    {"bad"}},
        DamagedFile{"line without name",
                    "Wendle Registry Version 1\n[K]\n=dword:00000001\n\"good\"=dword:00000001\n",
                    true,
                    1,
                    {"good"},
                    {}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

TEST(RegistryFileFormat, CommentsAndBlankLinesAreNotErrors) {
    const auto parsed = RegistryFileFormat::parse(
        std::string("Wendle Registry Version 1\n;; note\n\n[K]\n") + kGood);
    EXPECT_EQ(parsed.skippedLines, 0);
    EXPECT_TRUE(parsed.tree.readValue("K", "good").has_value());
}

}  // namespace
}  // namespace wendle::platform
