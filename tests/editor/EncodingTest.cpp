#include <gtest/gtest.h>

#include "editor/Encoding.h"

namespace wendle {
namespace {

TEST(Encoding, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += char(byte);
    EXPECT_EQ(fromQString(toQString(all)), all);
}

TEST(Encoding, MapsTheCodePageAndReplacesTheRest) {
    struct Case {
        QString text;
        std::string bytes;
    } cases[] = {{QString::fromUtf8("Caf\u00e9"), "Caf\xe9"},
                 {QString::fromUtf8("\u20ac 5"), "\x80 5"},
                 {QString::fromUtf8("\u201cquoted\u201d"), "\x93quoted\x94"},
                 {QString::fromUtf8("\u4e2d\u6587"), "??"},
                 {QString::fromUtf8("a\U0001F600b"), "a?b"}};
    for (const auto& c : cases) EXPECT_EQ(fromQString(c.text), c.bytes) << c.text.toStdString();
}

}  // namespace
}  // namespace wendle
