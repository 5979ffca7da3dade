#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <memory>

#include "editor/EditorStyle.h"

namespace wendle {
namespace {

QImage drawn(QWidget& widget, QStyle* style) {
    widget.setStyle(style);
    for (QWidget* child : widget.findChildren<QWidget*>()) child->setStyle(style);
    widget.adjustSize();
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Group boxes, their frames drawn by the editor's style, against the same
// boxes drawn by Fusion itself: the same pixels.
TEST(EditorStyle, GroupBoxesAreFusionsToThePixel) {
    struct Case {
        const char* what;
        QString title;
        bool checkable;
        QSize size;
        int pointSize;
    };
    const Case cases[] = {
        {"titled", "Applet Dimensions", false, {220, 120}, 0},
        {"untitled", "", false, {160, 90}, 0},
        {"checkable without a title", "", true, {160, 90}, 0},
        {"checkable with a title", "Show Text Box", true, {240, 140}, 0},
        {"a large font", "Text Box", false, {300, 160}, 20},
        {"tiny", "T", false, {20, 20}, 0},
    };
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const std::unique_ptr<QStyle> editor(new EditorStyle("Fusion"));
    ASSERT_TRUE(fusion);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QGroupBox box(c.title);
        box.setCheckable(c.checkable);
        if (c.pointSize) {
            QFont font = box.font();
            font.setPointSize(c.pointSize);
            box.setFont(font);
        }
        auto* layout = new QVBoxLayout(&box);
        layout->addWidget(new QLabel("Adjust the width"));
        box.setMinimumSize(c.size);
        const QImage want = drawn(box, fusion.get());
        const QImage got = drawn(box, editor.get());
        ASSERT_EQ(got.size(), want.size());
        EXPECT_TRUE(got == want);
    }
}

// The overflow button's picture, fetched when first asked for, is Fusion's.
TEST(EditorStyle, TheOverflowPictureIsTheStylesWhenAskedFor) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const EditorStyle editor("Fusion");
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon want = fusion->standardIcon(which);
        const QIcon got = editor.standardIcon(which);
        ASSERT_FALSE(got.isNull());
        EXPECT_EQ(got.availableSizes(), want.availableSizes());
        const QImage wantPixels = want.pixmap(QSize(16, 16)).toImage();
        const QImage gotPixels = got.pixmap(QSize(16, 16)).toImage();
        EXPECT_FALSE(gotPixels.isNull());
        EXPECT_TRUE(gotPixels == wantPixels);
    }
}

// Another style is left to draw its own frames.
TEST(EditorStyle, AnotherStyleDrawsItsOwnGroupBoxes) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
    if (!windows)
        GTEST_SKIP() << "no Windows style in this Qt";
    const EditorStyle editor("Windows");
    QGroupBox box("Applet Border");
    box.setMinimumSize(200, 100);
    const QImage want = drawn(box, windows.get());
    const QImage got = drawn(box, const_cast<EditorStyle*>(&editor));
    EXPECT_TRUE(got == want);
}

}  // namespace
}  // namespace wendle
