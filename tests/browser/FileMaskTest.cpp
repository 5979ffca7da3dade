#include <gtest/gtest.h>

#include "browser/FileMask.h"
#include "browser/RspFind.h"

namespace wendle {
namespace {

struct MaskCase {
    const char* mask;
    const char* name;
    bool matches;
};

class FileMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FileMaskTest, MatchesNamesIgnoringCase) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(FileMask(c.mask).matches(c.name), c.matches) << c.mask << " against " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FileMaskTest,
    ::testing::Values(MaskCase{"*.exe", "APP.EXE", true}, MaskCase{"*.exe", "app.exe.bak", false},
                      MaskCase{"*.exe", "exe", false}, MaskCase{"firefox", "FireFox", true},
                      MaskCase{"firefox", "firefox-esr", false},
                      MaskCase{"fire*", "firefox-esr", true}, MaskCase{"f?ref?x", "FIREFOX", true},
                      MaskCase{"f?ref?x", "frefox", false}, MaskCase{"*.*", "README", true},
                      MaskCase{"*", ".hidden", true}, MaskCase{"*.", "README", true},
                      MaskCase{"*.", "readme.txt", false}, MaskCase{"a*b*c", "aXbYbZc", true},
                      MaskCase{"a*b*c", "aXbYbZ", false}, MaskCase{"*a", "banana", true},
                      MaskCase{"**x", "x", true}, MaskCase{"?", "ab", false},
                      MaskCase{"*ab*", "aab", true}));

TEST(RspFindSetters, DrivesKeepUpperCaseLettersOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"c, d", "CD"}, {"cCd", "CCD"}, {"1z!", "Z"}, {"", ""}, {"é c", "C"}};
    for (const auto& [given, kept] : cases) EXPECT_EQ(driveLetters(given), kept) << given;
}

TEST(RspFindSetters, DirectoriesSortedWithoutDuplicatesOrEmptyEntries) {
    EXPECT_EQ(sortedFolderList({"b", "Program Files", "", "a", "B", "program files", "C:\\x"}),
              (std::vector<std::string>{"a", "b", "C:\\x", "Program Files"}));
}

}  // namespace
}  // namespace wendle
