#include <gtest/gtest.h>
#include <QApplication>

// Editor tests drive real widgets; they need one application object for
// the whole run (the offscreen platform when no display is set).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
