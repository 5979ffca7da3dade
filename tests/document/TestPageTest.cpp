#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <cmath>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "DocumentTestSupport.h"
#include "document/TestPage.h"
#include "model/AppletHTML.h"
#include "model/VelkForm.h"
#include "model/VelkPanel.h"

namespace wendle::document {
namespace {

using test::listFolder;
using test::readFile;
using test::TempFolder;
using test::writeFile;
using Names = std::vector<std::string>;

TEST(TestPage, WrapsTheHtmlBlockInABlackCentredPageWithCrLfLines) {
    TVelkForm applet;
    applet.CreateMenuItem();
    const std::vector<std::string> html = buildAppletHTML(applet);
    const std::vector<std::string> lines = test::linesOf(testPageText(html));

    ASSERT_EQ(lines.size(), html.size() + 7);
    EXPECT_EQ(lines[0], "<html>");
    EXPECT_EQ(lines[1].rfind("  <body bgcolor=\"#000000\"", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "    <p align=\"center\">");
    // The fourth line is the applet tag.
    EXPECT_EQ(lines[3].rfind("      <APPLET CODE=\"velkbutton.class\"", 0), 0u) << lines[3];
    for (std::size_t i = 0; i < html.size(); ++i) EXPECT_EQ(lines[3 + i], "      " + html[i]);
    EXPECT_EQ(lines[lines.size() - 4], "    </p>");
    EXPECT_EQ(lines[lines.size() - 3], "    <script src=\"velkbutton.js\"></script>");
    EXPECT_EQ(lines[lines.size() - 2], "  </body>");
    EXPECT_EQ(lines.back(), "</html>");
    EXPECT_EQ(test::joinLines(lines), testPageText(html));
}

class TestSite : public ::testing::Test {
  protected:
    void SetUp() override {
        folders = {temp.path() + "/pro gram/", temp.path() + "/pro gram/"};
        ::mkdir(folders.programFolder.c_str(), 0700);
        writeFile(folders.programFolder + "velkbutton.class", "applet");
        writeFile(folders.programFolder + "textbox.class", "text box");
        writeFile(folders.programFolder + "velkbutton.js", "runtime");
        writeFile(temp.file("a.gif"), test::publishable("a.gif", "first picture"));
        applet.CreateMenuItem();
        TVelkPanel& panel = *applet.statePanel(2, applet.usedSlots()[0]);
        panel.setImageName("a.gif");
        panel.setImagePath(temp.file("a.gif"));
        html = buildAppletHTML(applet);
    }

    TempFolder temp;
    WorkingFolders folders;
    TVelkForm applet;
    std::vector<std::string> html;
};

TEST_F(TestSite, HoldsTheAppletFilesItsPicturesAndThePage) {
    ASSERT_EQ(buildTestSite(applet, html, folders), std::nullopt);
    EXPECT_EQ(listFolder(folders.appletTemp()), (Names{"Applet Temp.html", "a.gif", "textbox.class",
                                                       "velkbutton.class", "velkbutton.js"}));
    EXPECT_EQ(readFile(testPagePath(folders)), testPageText(html));

    // A second test keeps the older copy of a picture whose name stayed,
    // and writes the page anew.
    writeFile(temp.file("a.gif"), test::publishable("a.gif", "second picture"));
    writeFile(testPagePath(folders), "stale");
    ASSERT_EQ(buildTestSite(applet, html, folders), std::nullopt);
    EXPECT_EQ(readFile(folders.appletTemp() + "a.gif"),
              test::publishable("a.gif", "first picture"));
    EXPECT_EQ(readFile(testPagePath(folders)), testPageText(html));
}

TEST_F(TestSite, MissingAppletFilesAreNoError) {
    std::filesystem::remove(folders.programFolder + "textbox.class");
    ASSERT_EQ(buildTestSite(applet, html, folders), std::nullopt);
    EXPECT_EQ(listFolder(folders.appletTemp()),
              (Names{"Applet Temp.html", "a.gif", "velkbutton.class", "velkbutton.js"}));
}

TEST_F(TestSite, AFolderThatCannotBeMadeStopsBeforeThePage) {
    writeFile(folders.programFolder + "Applet Temp", "");
    const auto error = buildTestSite(applet, html, folders);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, folders.programFolder + "Applet Temp: " + std::strerror(EEXIST));
}

TEST_F(TestSite, APageThatCannotBeWrittenIsReported) {
    ::mkdir(folders.appletTemp().c_str(), 0700);
    ::mkdir(testPagePath(folders).c_str(), 0700);
    const auto error = buildTestSite(applet, html, folders);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(std::strerror(EISDIR)), std::string::npos) << *error;
}

TEST(BrowserLaunch, DefaultAnExistingProgramOrNothing) {
    TempFolder temp;
    const std::string browsers = temp.path() + "/Web Browsers/";
    ::mkdir(browsers.c_str(), 0700);
    writeFile(browsers + "firefox", "#!/bin/sh\n");
    const std::string page = temp.path() + "/pro gram/Applet Temp/Applet Temp.html";

    using Kind = BrowserLaunch::Kind;
    const struct {
        std::string choice;
        Kind kind;
    } cases[] = {
        {"default", Kind::DefaultBrowser},
        {browsers + "firefox", Kind::Program},
        // The choice is compared as it is: only "default" means the default.
        {"Default", Kind::NoBrowser},
        {"", Kind::NoBrowser},
        // A browser that was removed after it was chosen.
        {browsers + "netscape", Kind::NoBrowser},
        {browsers, Kind::NoBrowser},
        {"firefox", Kind::NoBrowser},
    };
    for (const auto& c : cases) {
        const BrowserLaunch launch = browserLaunch(c.choice, page);
        EXPECT_EQ(launch.kind, c.kind) << c.choice;
        if (c.kind == Kind::Program) {
            EXPECT_EQ(launch.file, "firefox");
            // Whole and unquoted, blanks and all.
            EXPECT_EQ(launch.parameters, page);
            EXPECT_EQ(launch.workingFolder, browsers);
        }
    }
}

// WCAG's contrast ratio of two "#RRGGBB" colours.
double contrast(const std::string& a, const std::string& b) {
    auto luminance = [](const std::string& hex) {
        double sum = 0;
        const double weights[] = {0.2126, 0.7152, 0.0722};
        for (int c = 0; c < 3; ++c) {
            const double v = std::stoi(hex.substr(1 + 2 * c, 2), nullptr, 16) / 255.0;
            sum += weights[c] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(TestPage, TheAlternativeHtmlIsReadableOnTheBlackPage) {
    const std::string body = test::linesOf(testPageText({}))[1];
    auto colour = [&](const std::string& attribute) {
        const auto at = body.find(" " + attribute + "=\"#");
        return at == std::string::npos ? std::string("#0000EE")  // the browsers' own
                                       : body.substr(at + attribute.size() + 3, 7);
    };
    for (const char* attribute : {"text", "link", "vlink", "alink"}) {
        EXPECT_GE(contrast(colour(attribute), colour("bgcolor")), 4.5) << attribute << " " << body;
    }
}

}  // namespace
}  // namespace wendle::document
