#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include "editor/FirstPaintExit.h"

namespace wendle {
namespace {

// Runs the event loop until something leaves it; 1 when nothing did within
// a generous while (the loop cannot hang the test).
int runUntilLeft() {
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, [&loop] { loop.exit(1); });
    return loop.exec();
}

TEST(FirstPaintExit, LeavesTheLoopOnceEveryWatchedWidgetPaintedAndOnlyWhenAsked) {
    struct Case {
        const char* value;  // of the variable; null: not set
        bool watches;
    };
    const Case cases[] = {{"1", true}, {nullptr, false}, {"0", false}, {"yes", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(not set)");
        if (c.value)
            qputenv(FirstPaintExit::kVariable, c.value);
        else
            qunsetenv(FirstPaintExit::kVariable);
        QLabel first("first"), second("second");
        FirstPaintExit::watchIfAsked({&first, &second});
        const auto watchers = qApp->findChildren<FirstPaintExit*>();
        EXPECT_EQ(watchers.size(), c.watches ? 1 : 0);
        if (c.watches) {
            first.show();
            second.show();
            EXPECT_EQ(runUntilLeft(), 0) << "both painted, so the loop was left";
        }
        qDeleteAll(watchers);
    }
    qunsetenv(FirstPaintExit::kVariable);
}

}  // namespace
}  // namespace wendle
