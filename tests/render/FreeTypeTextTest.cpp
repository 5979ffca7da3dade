// The FreeType text engine draws captions without the GUI library, and must
// give the very measures and pixels the GUI library's text drawing gives:
// every caption font the applet has, every character of its code page,
// every template.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "TemplateDocuments.h"
#include "model/FontTables.h"
#include "render/CaptionLayout.h"
#include "render/FreeTypeText.h"
#include "render/TextEngine.h"
#include "render/Typeface.h"
#include "render/Windows1252.h"
#include "render/qt/QtText.h"

namespace wendle {
namespace {

// Every character of the code page a caption can hold that a face draws by
// itself, alone; words and phrases; and strings of them picked at random
// (with a fixed seed, so a failure repeats).
std::vector<QString> sampleTexts() {
    std::vector<QString> texts;
    std::vector<QChar> drawable;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const QString one = fromWindows1252(std::string(1, char(byte)));
        const QChar c = one.at(0);
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            continue;
        texts.push_back(one);
        drawable.push_back(c);
    }
    for (const char* phrase : {"Home", "About Us", "Products & Services", "fi fl ffi AV To Wa",
                               "The quick brown fox jumps over the lazy dog 0123456789"})
        texts.push_back(QString::fromLatin1(phrase));
    unsigned seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFFu;
    };
    for (int i = 0; i < 60; ++i) {
        QString text;
        for (unsigned n = 1 + next() % 24; n > 0; --n) text += drawable[next() % drawable.size()];
        texts.push_back(text);
    }
    return texts;
}

struct Box {
    const char* what;
    int width;
    int height;
    int alignment;
    bool twoLines;
};

TEST(FreeTypeText, MeasuresAndInksEveryCaptionFontAsTheGuiLibrary) {
    FreeTypeTextEngine freeType;
    const std::vector<QString> texts = sampleTexts();
    for (const char* typeface : kTypefaces) {
        for (int size : kFontSizes) {
            const int points = *previewPointSize(size);
            for (int style : {kRegular, kItalic, kBold}) {
                SCOPED_TRACE(std::string(typeface) + " " + std::to_string(points) + " pt, style " +
                             std::to_string(style));
                const auto ours = freeType.font(typeface, points, style);
                const auto theirs = QtTextEngine::instance().font(typeface, points, style);
                ASSERT_EQ(ours->ascent(), theirs->ascent());
                ASSERT_EQ(ours->height(), theirs->height());
                for (const QString& text : texts) {
                    const int advance = theirs->advance(text);
                    ASSERT_EQ(ours->advance(text), advance) << text.toStdString();
                    const int height = theirs->height();
                    const Box boxes[] = {
                        {"wide", advance + 10, height + 4, kAlignLeft, false},
                        {"narrow, clipped", std::max(1, advance / 2), height - 2, kAlignCentre,
                         false},
                        {"two lines", advance + 3, 2 * height + 3, kAlignRight, true},
                    };
                    for (const Box& box : boxes) {
                        const QString caption = box.twoLines ? text + "\r\n" + text.back() : text;
                        const std::vector<CaptionLine> lines =
                            layOutCaption(caption, *theirs, box.width, box.height, box.alignment);
                        std::vector<InkRun> want, got;
                        ASSERT_TRUE(theirs->ink(lines, box.width, box.height, want));
                        ASSERT_TRUE(ours->ink(lines, box.width, box.height, got));
                        ASSERT_EQ(got, want) << box.what << ": " << text.toStdString();
                    }
                }
            }
        }
    }
    EXPECT_FALSE(freeType.declined());
}

TEST(FreeTypeText, DrawsEveryTemplateInEveryStateAsTheGuiLibrary) {
    const auto all = testing::templates();
    ASSERT_GE(all.size(), 10u) << "the build lays out the templates in " << WENDLE_PROGRAM_DIR;
    FreeTypeTextEngine freeType;
    const testing::Variant variants[] = {testing::Variant::AsSaved,
                                         testing::Variant::PartlyOutOfView,
                                         testing::Variant::SelectedWithShadow};
    for (const auto& path : all) {
        for (int state = 1; state <= kStateCount; ++state) {
            for (testing::Variant variant : variants) {
                SCOPED_TRACE(path.filename().string() + ", state " + std::to_string(state) +
                             ", variant " + std::to_string(int(variant)));
                installQtTextEngine();
                const QImage theirs = testing::drawTemplate(path, state, variant);
                installTextEngine(&freeType);
                const QImage ours = testing::drawTemplate(path, state, variant);
                installQtTextEngine();
                ASSERT_FALSE(theirs.isNull());
                ASSERT_EQ(ours.size(), theirs.size());
                const testing::Difference difference = testing::differenceOf(ours, theirs);
                EXPECT_EQ(difference.pixels, 0)
                    << "first at " << difference.firstX << ", " << difference.firstY;
            }
        }
    }
    EXPECT_FALSE(freeType.declined());
}

// A soft hyphen, a tab, a character the face lacks (the GUI library takes
// it from another font), a combining accent, a control character.
TEST(FreeTypeText, HandsOnWhatItCannotDrawAsTheGuiLibraryDoes) {
    const QString texts[] = {QStringLiteral("Co\u00ADop"), QStringLiteral("A\tB"),
                             QStringLiteral("Menu \u4E2D"), QStringLiteral("Cafe\u0301"),
                             fromWindows1252("x\x81y")};
    const auto theirs = QtTextEngine::instance().font("Arial", 10, kRegular);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        FreeTypeTextEngine withFallback;
        withFallback.setFallback(&QtTextEngine::instance());
        const auto handing = withFallback.font("Arial", 10, kRegular);
        EXPECT_EQ(handing->advance(text), theirs->advance(text));
        const std::vector<CaptionLine> lines{CaptionLine{text, 2, 1}};
        std::vector<InkRun> want, got;
        const bool exact = theirs->ink(lines, 90, 20, want);
        EXPECT_EQ(handing->ink(lines, 90, 20, got), exact);
        EXPECT_EQ(got, want);
        EXPECT_FALSE(withFallback.declined());

        FreeTypeTextEngine alone;
        const auto declining = alone.font("Arial", 10, kRegular);
        EXPECT_FALSE(alone.declined());
        declining->advance(text);
        EXPECT_TRUE(alone.declined()) << "says it left the text undrawn";
    }
}

}  // namespace
}  // namespace wendle
