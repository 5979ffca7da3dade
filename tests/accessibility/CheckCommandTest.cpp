// wendle-cli check as a user runs it: lines or JSON, exit 1 only for errors;
// the start-up document and every template have none.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>

#include "CheckFixtures.h"
#include "accessibility/Contrast.h"
#include "document/DocumentWriter.h"

namespace wendle::accessibility {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string output;
    std::string errors;
};

CliRun cli(const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(WENDLE_CLI), arguments);
    process.waitForFinished(120000);
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  process.readAllStandardOutput().toStdString(),
                  process.readAllStandardError().toStdString()};
}

class CheckCommand : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }
    QString path(const char* name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    void save(TVelkForm& applet, const char* name) {
        std::ofstream(folder_ / name, std::ios::binary) << document::composeDocument(applet).bytes;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("wendle-check-command-" + std::to_string(::getpid()));
};

TEST_F(CheckCommand, LowContrastCaptionFailsAndSaysWhereAndHowMuch) {
    TVelkForm applet;
    testing::buildApplet(applet, 3);
    testing::flatFaces(applet, 2, rgb(255, 255, 255), rgb(0, 0, 0));
    for (int state = 1; state <= 3; ++state) applet.statePanel(state, 2)->setCaption("Shop");
    const Colour grey = rgb(160, 160, 160);
    applet.statePanel(2, 2)->setFontColor(grey);
    save(applet, "grey.wdf");

    const CliRun run = cli({"check", path("grey.wdf")});
    EXPECT_EQ(run.status, 1) << run.output << run.errors;
    const std::string line = "Button 3 \"Shop\", state 2: caption contrast " +
                             ratioText(contrastRatio(grey, rgb(255, 255, 255))) +
                             ":1 (needs 4.5:1, WCAG 1.4.3)\n";
    EXPECT_NE(run.output.find(line), std::string::npos) << run.output;

    const CliRun json = cli({"check", path("grey.wdf"), "--json"});
    EXPECT_EQ(json.status, 1);
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.output)).object();
    EXPECT_GE(root["errors"].toInt(), 1) << json.output;
    bool named = false;
    for (const auto& item : root["findings"].toArray()) {
        const QJsonObject f = item.toObject();
        if (f["rule"].toString() == "caption-contrast" && f["slot"].toInt() == 2 &&
            f["state"].toInt() == 2 && f["caption"].toString() == "Shop") {
            named = true;
            EXPECT_NEAR(f["measured"].toDouble(), contrastRatio(grey, rgb(255, 255, 255)), 0.001);
        }
    }
    EXPECT_TRUE(named) << json.output;
}

TEST_F(CheckCommand, WarningsAloneLeaveTheStatusAtZero) {
    TVelkForm applet;
    testing::buildApplet(applet, 2);
    applet.statePanel(2, 0)->setSoundName("tick.au");
    applet.statePanel(1, 1)->setLink("a.html");
    save(applet, "warned.wdf");
    const CliRun run = cli({"check", path("warned.wdf")});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Button 1 \"Button 1\", state 2: warning: sound on mouse over"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Button 1 \"Button 1\", state 1: warning: no link"),
              std::string::npos)
        << run.output;
}

TEST_F(CheckCommand, UsageAndUnreadableDocuments) {
    struct Case {
        QStringList arguments;
        int status;
    };
    const Case cases[] = {
        {{"check"}, 2},
        {{"check", "a.wdf", "b.wdf"}, 2},
        {{"check", "a.wdf", "--colour"}, 2},
        {{"check", path("missing.wdf")}, 1},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.output.empty()) << run.output;
    }
}

class ShippedDocuments : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedDocuments, HaveNoErrors) {
    QString document = QString::fromUtf8(WENDLE_PROGRAM_DIR) + "/" + GetParam();
    const fs::path startup =
        fs::temp_directory_path() / ("wendle-check-startup-" + std::to_string(::getpid()) + ".wdf");
    if (std::string(GetParam()) == "start-up") {
        document = QString::fromStdString(startup.string());
        ASSERT_EQ(cli({"new", document}).status, 0);
    }
    const CliRun run = cli({"check", document, "--json"});
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.output)).object();
    ASSERT_TRUE(root.contains("findings")) << run.output << run.errors;
    // The colours around the alternative HTML are the program's page, not
    // the document's: the rule's own tests cover them, and while they fail
    // every document with alternative HTML fails with them.
    bool pageColours = false;
    for (const auto& item : root["findings"].toArray()) {
        const QJsonObject f = item.toObject();
        if (f["severity"].toString() != "error")
            continue;
        if (f["rule"].toString() == "alt-html-contrast")
            pageColours = true;
        else
            ADD_FAILURE() << f["text"].toString().toStdString();
    }
    if (!pageColours) {
        EXPECT_EQ(run.status, 0) << run.output;
    }
    fs::remove(startup);
}

INSTANTIATE_TEST_SUITE_P(All, ShippedDocuments,
                         ::testing::Values("start-up", "Toolbar One.wdf", "Toolbar Two.wdf",
                                           "Toolbar Three.wdf", "Toolbar Four.wdf",
                                           "Toolbar Five.wdf", "Toolbar Six.wdf",
                                           "Toolbar Seven.wdf", "Toolbar Eight.wdf",
                                           "Toolbar Nine.wdf", "Toolbar Ten.wdf"));

}  // namespace
}  // namespace wendle::accessibility
