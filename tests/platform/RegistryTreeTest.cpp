#include <gtest/gtest.h>

#include "platform/RegistryTree.h"

namespace wendle::platform {
namespace {

using Names = std::vector<std::string>;

TEST(RegistryTree, KeysAndValuesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    RegistryTree tree;
    tree.writeValue("Software\\Wendle", "Showed State Hint", RegistryValue::text("false"));
    tree.writeValue("SOFTWARE\\wendle", "showed state hint", RegistryValue::text("true"));

    EXPECT_EQ(tree.readValue("software\\WENDLE", "SHOWED STATE HINT"), RegistryValue::text("true"));
    EXPECT_EQ(tree.valueNames("Software\\Wendle"), Names{"Showed State Hint"});
    EXPECT_EQ(tree.subKeyNames("Software"), Names{"Wendle"});
}

TEST(RegistryTree, PathsAreNormalised) {
    EXPECT_EQ(RegistryTree::normalizedPath("\\a\\\\b\\"), "a\\b");
    RegistryTree tree;
    tree.createKey("a\\\\b\\");
    EXPECT_TRUE(tree.keyExists("a\\b"));
    EXPECT_TRUE(tree.keyExists("a"));
}

TEST(RegistryTree, ATypeIsKept) {
    RegistryTree tree;
    tree.writeValue("K", "v", RegistryValue::integer(1));
    EXPECT_NE(tree.readValue("K", "v"), RegistryValue::text("1"));
    tree.writeValue("K", "v", RegistryValue::text("1"));
    EXPECT_EQ(tree.readValue("K", "v")->type(), RegistryValue::Type::Text);
}

TEST(RegistryTree, DeletingAKeyTakesItsSubKeysButNotItsNeighbours) {
    RegistryTree tree;
    tree.writeValue("S\\W\\5\\mainWindow", "a", RegistryValue::integer(1));
    tree.writeValue("S\\W\\5\\mainWindow\\BrowserNames", "Items", RegistryValue::integer(2));
    tree.writeValue("S\\W\\5\\mainWindowX", "b", RegistryValue::integer(3));

    EXPECT_TRUE(tree.deleteKey("s\\w\\5\\MAINWINDOW"));
    EXPECT_FALSE(tree.keyExists("S\\W\\5\\mainWindow"));
    EXPECT_FALSE(tree.keyExists("S\\W\\5\\mainWindow\\BrowserNames"));
    EXPECT_TRUE(tree.readValue("S\\W\\5\\mainWindowX", "b").has_value());
    EXPECT_EQ(tree.subKeyNames("S\\W\\5"), Names{"mainWindowX"});
    EXPECT_FALSE(tree.deleteKey("S\\W\\5\\mainWindow"));
}

TEST(RegistryTree, DeletingAValue) {
    RegistryTree tree;
    tree.writeValue("K", "a", RegistryValue::integer(1));
    tree.writeValue("K", "b", RegistryValue::integer(2));
    EXPECT_TRUE(tree.deleteValue("K", "A"));
    EXPECT_FALSE(tree.deleteValue("K", "a"));
    EXPECT_EQ(tree.valueNames("K"), Names{"b"});
    EXPECT_TRUE(tree.keyExists("K"));
}

TEST(RegistryTree, TheRootHoldsNoValues) {
    RegistryTree tree;
    EXPECT_THROW(tree.writeValue("\\", "v", RegistryValue::integer(1)), std::invalid_argument);
}

}  // namespace
}  // namespace wendle::platform
