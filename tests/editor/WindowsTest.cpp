#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "EditorFixture.h"
#include "editor/GeneralTab.h"
#include "editor/Grid.h"
#include "editor/Properties.h"
#include "model/Editing.h"

namespace wendle::testing {
namespace {

using Windows = EditorFixture;

TEST_F(Windows, ThePreviewIsAToolWindowOfTheMainWindowOnly) {
    main->showCentred();
    const Qt::WindowFlags flags = main->preview()->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(main->preview()->parentWidget(), main.get());
}

TEST_F(Windows, ThePreviewStaysInsideTheScreenAsTheAppletGrows) {
    main->showCentred();
    const QRect screen = main->screen()->availableGeometry();
    auto* width = main->generalTab()->findChild<QSpinBox*>("eAppletWidth");
    auto* height = main->generalTab()->findChild<QSpinBox*>("eAppletHeight");
    for (int size : {300, 600, screen.width() - 40}) {
        width->setValue(size);
        height->setValue(size / 3);
        QApplication::processEvents();
        const QRect frame = main->preview()->frameGeometry();
        EXPECT_TRUE(screen.contains(frame)) << size;
    }
    // Placed beside the main window where the screen has room: not over it.
    width->setValue(120);
    main->showCentred();
    const int room = screen.width() - main->frameGeometry().width();
    if (room >= 2 * (main->preview()->frameGeometry().width() + 12)) {
        EXPECT_FALSE(main->preview()->frameGeometry().intersects(main->frameGeometry()));
    }
}

TEST_F(Windows, AllFivePreviewCommandsShowAtTheDefaultSize) {
    main->showCentred();
    QApplication::processEvents();
    auto* bar = main->preview()->findChild<QToolBar*>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    int commands = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator())
            continue;
        ++commands;
        QWidget* button = bar->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible()) << action->objectName().toStdString();
        EXPECT_LE(button->geometry().right(), bar->width()) << action->objectName().toStdString();
    }
    EXPECT_EQ(commands, 5);
}

// Every number field of the editor, typed past its limits.
TEST_F(Windows, TypedNumbersAreBroughtIntoRangeInEveryField) {
    main->showCentred();
    SelectOneItem(applet(), 0);
    main->showButtonProperties();
    TgridWindow grid(*main, nullptr, main.get());
    grid.show();
    grid.findChild<QCheckBox*>("cAlignCheck")->setChecked(true);

    QList<QSpinBox*> fields = main->findChildren<QSpinBox*>();
    fields += grid.findChildren<QSpinBox*>();
    int tried = 0;
    for (QSpinBox* field : fields) {
        if (!field->isEnabled() || !field->isVisibleTo(field->window()))
            continue;
        ++tried;
        for (const char* typed : {"2500", "99999999", "-99999999", "0"}) {
            if (typed[0] == '-' && field->minimum() >= 0)
                continue;  // no sign to type there
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
            const qlonglong number = QByteArray(typed).toLongLong();
            const int expected =
                int(std::clamp<qlonglong>(number, field->minimum(), field->maximum()));
            EXPECT_EQ(field->value(), expected)
                << field->objectName().toStdString() << " typed " << typed;
        }
    }
    EXPECT_GE(tried, 8);
}

}  // namespace
}  // namespace wendle::testing
