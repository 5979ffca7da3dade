#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "EditorFixture.h"
#include "editor/About.h"
#include "platform/Folders.h"

namespace wendle::testing {
namespace {

class AboutBox : public EditorFixture {
  protected:
    void TearDown() override {
        platform::overrideProgramFolder("");
        EditorFixture::TearDown();
    }
    QString text(QWidget& box, const char* name) {
        auto* label = find<QLabel>(&box, name);
        return label ? label->text() : QString("(no label %1)").arg(name);
    }
};

TEST_F(AboutBox, NamesTheProductItsVersionAndWhatItDoes) {
    TAboutBox box(*main);
    EXPECT_EQ(box.windowTitle(), "About Wendle");
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(text(box, "ProductName"), "Wendle");
    EXPECT_EQ(text(box, "Version"), "Version " WENDLE_VERSION);
    EXPECT_EQ(text(box, "Comments"), texts::about::kPurpose);
    EXPECT_EQ(text(box, "ProgramFolder"), QString(WENDLE_PROGRAM_DIR) + "/");
    // The build lays the program's icon beside it.
    EXPECT_FALSE(find<QLabel>(&box, "ProgramIcon")->pixmap().isNull());
}

TEST_F(AboutBox, SaysWhereTheWorkingFoldersAreKept) {
    const QString data = home.path() + "/data/wendle/";
    // A folder the program cannot write to: missing for root, who may
    // write anywhere, read-only for everyone else.
    const QString readOnly = home.path() + "/installed";
    ::mkdir(readOnly.toLocal8Bit().constData(), 0555);
    const QString installed = ::geteuid() == 0 ? home.path() + "/missing" : readOnly;

    const struct {
        QString programFolder;
        QString workingFolders;
        const char* note;
    } cases[] = {
        {home.path(), home.path() + "/", texts::about::kBesideProgram},
        {installed, data, texts::about::kInDataFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programFolder.toStdString());
        platform::overrideProgramFolder(c.programFolder.toStdString());
        TAboutBox box(*main);
        EXPECT_EQ(text(box, "WorkingFolders"), c.workingFolders);
        EXPECT_EQ(text(box, "WorkingFolderNote"), c.note);
    }
}

TEST_F(AboutBox, OkClosesIt) {
    TAboutBox box(*main);
    box.show();
    auto* ok = find<QPushButton>(&box, "OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace wendle::testing
