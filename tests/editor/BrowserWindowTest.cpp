#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "EditorFixture.h"
#include "editor/Browser.h"

namespace wendle::testing {
namespace {

// The browser chooser of a freshly started editor. Its searches walk a
// small folder tree of their own instead of the whole disk.
class BrowserWindow : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        drive = home.path() + "/drive/";
        firefox = addBrowser("opt/firefox/firefox", "115.3.0esr");
        chromium = addBrowser("usr/lib/chromium/chromium", "120.0");
        // Not a program: never listed.
        write(drive + "docs/firefox", "", QFile::ReadOwner);
    }

    static void write(const QString& path, const QByteArray& bytes,
                      QFile::Permissions permissions) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        file.setPermissions(permissions);
    }
    // A browser program with the application.ini that names its version.
    QString addBrowser(const QString& path, const QString& version) {
        const QString program = drive + path;
        write(program, "#!/bin/sh\n", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        write(QFileInfo(program).path() + "/application.ini",
              "[App]\nVersion=" + version.toUtf8() + "\n", QFile::ReadOwner);
        return program;
    }

    TBrowserWindow* window() { return main->browserWindow(); }
    template <typename T>
    T* control(const char* name) {
        return window()->findChild<T*>(name);
    }
    QListWidget* names() { return control<QListWidget>("BrowserNames"); }
    QListWidget* paths() { return control<QListWidget>("BrowserPaths"); }
    QString choice() { return control<QLabel>("browser")->text(); }
    QCheckBox* useDefault() { return control<QCheckBox>("DefaultBrowserCheck"); }
    static QStringList rows(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
        return texts;
    }

    void searchOurDrive() {
        DriveMap map;
        map.setRoot('C', drive.toStdString());
        window()->chooser().RspFind1.setDriveMap(map);
        window()->chooser().RspFind2.setDriveMap(map);
        control<QPushButton>("bSearch")->click();
    }
    void waitForTheSearch() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window()->searching(); }, 20000));
        QCoreApplication::processEvents();
    }
    int rowOf(const QString& path) { return int(rows(paths()).indexOf(path)); }
    QPoint centreOf(int row) { return names()->visualItemRect(names()->item(row)).center(); }

    QString drive;
    QString firefox;
    QString chromium;
};

TEST_F(BrowserWindow, AFreshInstallationUsesTheDefaultBrowser) {
    ASSERT_NE(window(), nullptr);
    window()->show();
    EXPECT_EQ(window()->windowTitle(), "Browser");
    EXPECT_EQ(window()->findChild<QGroupBox*>()->title(), "Browsers");
    QStringList labels;
    for (const QLabel* label : window()->findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("Choose the browser you wish to use when testing applets."));
    EXPECT_TRUE(labels.contains("Browser:"));
    EXPECT_EQ(control<QPushButton>("bSearch")->text(), "&Search for Browsers");
    EXPECT_EQ(control<QPushButton>("bClose")->text(), "&Close");
    EXPECT_EQ(useDefault()->text(), "Use Default Browser");

    EXPECT_EQ(names()->count(), 0);
    EXPECT_FALSE(paths()->isVisible());
    EXPECT_EQ(choice(), "default");
    EXPECT_TRUE(useDefault()->isChecked());
    EXPECT_FALSE(control<QProgressBar>("searchProgress")->isVisible());
    EXPECT_EQ(window()->browserChoice(), "default");
}

TEST_F(BrowserWindow, OptionsBrowserOpensItModallyAndHelpOpensItsTopic) {
    QAction* item = main->findChild<QAction*>("Browser");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Browser");
    bool shownModally = false;
    QTimer::singleShot(0, window(), [&] {
        shownModally = window()->isVisible() && window()->isModal();
        control<QToolButton>("bBrowserHelp")->click();
        control<QPushButton>("bClose")->click();
    });
    item->trigger();
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(dialogs.helpTopics, QList<int>{32});
}

TEST_F(BrowserWindow, ASearchListsEveryBrowserFoundWithItsVersion) {
    window()->show();
    searchOurDrive();
    EXPECT_TRUE(control<QProgressBar>("searchProgress")->isVisible());
    waitForTheSearch();
    EXPECT_FALSE(control<QProgressBar>("searchProgress")->isVisible());

    // The two searches run side by side: the order between them is open.
    ASSERT_EQ(names()->count(), 2);
    const int f = rowOf(firefox);
    const int c = rowOf(chromium);
    ASSERT_GE(f, 0);
    ASSERT_GE(c, 0);
    EXPECT_EQ(names()->item(f)->text(), "Firefox 115.3.0esr");
    EXPECT_EQ(names()->item(c)->text(), "Chromium 120.0");
    EXPECT_EQ(choice(), "default");

    // A new search starts from empty lists and finds the same again.
    searchOurDrive();
    EXPECT_LE(names()->count(), 2);
    waitForTheSearch();
    EXPECT_EQ(names()->count(), 2);
}

// Two finds of one version are told apart by their paths, under their
// names; the line under the list says how far the search has come and that
// it has ended.
TEST_F(BrowserWindow, EachFindShowsItsPathAndTheSearchShowsItsEnd) {
    window()->show();
    QLabel* status = control<QLabel>("searchStatus");
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(status->isVisible());
    const QString otherFirefox = addBrowser("usr/lib/firefox/firefox", "115.3.0esr");
    searchOurDrive();
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->text().startsWith("Searching")) << status->text().toStdString();
    waitForTheSearch();

    int folders = 1;
    for (QDirIterator it(drive, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++folders;
    EXPECT_EQ(status->text(), QString("Search finished: %1 folders searched.").arg(folders));

    ASSERT_EQ(names()->count(), 3);
    for (const QString& path : {firefox, otherFirefox, chromium}) {
        const int row = rowOf(path);
        ASSERT_GE(row, 0) << path.toStdString();
        EXPECT_EQ(names()->item(row)->toolTip(), path);
    }
    EXPECT_EQ(names()->item(rowOf(firefox))->text(), names()->item(rowOf(otherFirefox))->text());
    // Each row has room for the path's line under the name.
    EXPECT_GT(names()->sizeHintForRow(0), names()->fontMetrics().height() * 3 / 2);
    const QImage drawn = names()->viewport()->grab().toImage();
    const QRect firstRow = names()->visualItemRect(names()->item(0));
    bool inkBelowTheName = false;
    const QColor base = drawn.pixelColor(firstRow.right() - 1, firstRow.bottom() - 1);
    for (int y = firstRow.top() + names()->fontMetrics().height() + 1; y < firstRow.bottom(); ++y)
        for (int x = firstRow.left(); x < firstRow.left() + 60; ++x)
            inkBelowTheName |= drawn.pixelColor(x, y) != base;
    EXPECT_TRUE(inkBelowTheName);

    // Closed while it runs: stopped, and said so the next time.
    searchOurDrive();
    control<QPushButton>("bClose")->click();
    window()->show();
    EXPECT_TRUE(status->text().startsWith("Search stopped after")) << status->text().toStdString();
}

TEST_F(BrowserWindow, AClickChoosesABrowserAndTheBoxChoosesTheDefault) {
    window()->show();
    searchOurDrive();
    waitForTheSearch();
    const int c = rowOf(chromium);
    ASSERT_GE(c, 0);

    QTest::mouseClick(names()->viewport(), Qt::LeftButton, {}, centreOf(c));
    EXPECT_EQ(choice(), chromium);
    EXPECT_FALSE(useDefault()->isChecked());
    EXPECT_EQ(window()->browserChoice(), chromium.toStdString());

    useDefault()->click();
    EXPECT_EQ(choice(), "default");
    // Unticking leaves the default until a browser is clicked again.
    useDefault()->click();
    EXPECT_FALSE(useDefault()->isChecked());
    EXPECT_EQ(choice(), "default");

    // A double click chooses and closes.
    QTest::mousePress(names()->viewport(), Qt::LeftButton, {}, centreOf(rowOf(firefox)));
    QTest::mouseDClick(names()->viewport(), Qt::LeftButton, {}, centreOf(rowOf(firefox)));
    EXPECT_EQ(choice(), firefox);
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(BrowserWindow, TheListsAndTheChoiceSurviveARestart) {
    window()->show();
    searchOurDrive();
    waitForTheSearch();
    const QStringList foundNames = rows(names());
    const QStringList foundPaths = rows(paths());
    QTest::mouseClick(names()->viewport(), Qt::LeftButton, {}, centreOf(rowOf(chromium)));
    control<QPushButton>("bClose")->click();

    // A new program run: new windows on the same store.
    main.reset();
    main = std::make_unique<TmainWindow>(dialogs, QString(WENDLE_PROGRAM_DIR) + "/");
    main->documentCommands().startUp({});
    window()->show();
    EXPECT_EQ(rows(names()), foundNames);
    EXPECT_EQ(rows(paths()), foundPaths);
    EXPECT_EQ(choice(), chromium);
    EXPECT_FALSE(useDefault()->isChecked());
    EXPECT_EQ(window()->browserChoice(), chromium.toStdString());
    EXPECT_EQ(names()->currentRow(), rowOf(chromium));
}

TEST_F(BrowserWindow, CloseStopsTheSearchesButTheTitleBarCloseLetsThemFinish) {
    window()->show();
    searchOurDrive();
    window()->close();
    waitForTheSearch();
    EXPECT_EQ(names()->count(), 2);

    window()->show();
    searchOurDrive();
    control<QPushButton>("bClose")->click();
    EXPECT_FALSE(window()->searching());
    EXPECT_FALSE(control<QProgressBar>("searchProgress")->isVisible());
}

}  // namespace
}  // namespace wendle::testing
