#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "ScriptedDialogs.h"
#include "editor/Preview.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"

namespace wendle::testing {

// A main window on a fresh start-up applet (four buttons), answered by a
// script instead of a person.
class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        // Every window sets it through its guard, so no test ever finds it
        // left set by another.
        ASSERT_FALSE(updatingControls());
        // Each test starts as a first run: its own settings and user folders.
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
        qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toLocal8Bit());
        main = std::make_unique<TmainWindow>(dialogs, QString(WENDLE_PROGRAM_DIR) + "/");
        main->documentCommands().startUp({});
    }
    void TearDown() override {
        main.reset();
        EXPECT_FALSE(updatingControls());
    }
    TVelkForm& applet() { return main->applet(); }
    template <typename T>
    T* find(QWidget* root, const char* name) {
        return root->findChild<T*>(name);
    }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    std::unique_ptr<TmainWindow> main;
};

}  // namespace wendle::testing
