#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/RecentlyUsed.h"
#include "platform/XmlTree.h"

namespace wendle::platform {
namespace {

using testing::ScratchFolder;
using namespace std::chrono_literals;

const std::chrono::system_clock::time_point kMonday{std::chrono::seconds(1714557630)};

XmlDocument parsed(const std::string& file) {
    std::string error;
    auto document = XmlDocument::parse(ScratchFolder::readFile(file), error);
    EXPECT_TRUE(document.has_value()) << error;
    return document ? std::move(*document) : XmlDocument(XmlNode::element("none"));
}

std::vector<const XmlNode*> bookmarks(const XmlDocument& document) {
    std::vector<const XmlNode*> found;
    for (const XmlNode& node : document.root().children) {
        if (node.kind == XmlNode::Kind::Element && node.name == "bookmark")
            found.push_back(&node);
    }
    return found;
}

XmlNode& ourApplication(XmlNode& bookmark) {
    XmlNode& applications =
        *bookmark.child("info")->child("metadata")->child("bookmark:applications");
    for (XmlNode& node : applications.children) {
        if (node.attribute("name") && *node.attribute("name") == "Wendle")
            return node;
    }
    throw std::runtime_error("no application entry");
}

TEST(RecentlyUsed, TimestampsAreUtcWithMicroseconds) {
    EXPECT_EQ(RecentlyUsedList::timestamp(kMonday + 123456us), "2024-05-01T10:00:30.123456Z");
}

TEST(RecentlyUsed, TheFirstDocumentCreatesTheList) {
    ScratchFolder scratch;
    EXPECT_EQ(RecentlyUsedList::defaultPath(), scratch / "data/recently-used.xbel");
    RecentlyUsedList list;
    ASSERT_TRUE(list.add("/home/u/My Applets/bar #1.wdf", {}, kMonday));

    XmlDocument document = parsed(RecentlyUsedList::defaultPath());
    EXPECT_EQ(document.root().name, "xbel");
    ASSERT_EQ(bookmarks(document).size(), 1u);
    XmlNode bookmark = *bookmarks(document)[0];
    EXPECT_EQ(*bookmark.attribute("href"), "file:///home/u/My%20Applets/bar%20%231.wdf");
    EXPECT_EQ(*bookmark.attribute("added"), "2024-05-01T10:00:30.000000Z");
    EXPECT_EQ(
        *bookmark.child("info")->child("metadata")->child("mime:mime-type")->attribute("type"),
        "application/x-wendle");
    EXPECT_EQ(*ourApplication(bookmark).attribute("count"), "1");
}

TEST(RecentlyUsed, ADocumentAddedAgainIsUpdatedNotRepeated) {
    ScratchFolder scratch;
    const std::string file = scratch / "recently-used.xbel";
    // Written by another program: other entries, a comment, its own escaping.
    ScratchFolder::writeFile(
        file,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<xbel version=\"1.0\" "
        "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\""
        " xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <!-- kept -->\n"
        "  <bookmark href=\"file:///home/u/notes.txt\" added=\"2020-01-01T00:00:00Z\""
        " modified=\"2020-01-01T00:00:00Z\" visited=\"2020-01-01T00:00:00Z\"/>\n"
        "  <bookmark href=\"file:///home/u/a&amp;b%20(1).wdf\" added=\"2021-01-01T00:00:00Z\""
        " modified=\"2021-01-01T00:00:00Z\" visited=\"2021-01-01T00:00:00Z\">\n"
        "    <info><metadata owner=\"http://freedesktop.org\"><bookmark:applications>"
        "<bookmark:application name=\"Wendle\" exec=\"&apos;wendle&apos; %u\""
        " modified=\"2021-01-01T00:00:00Z\" count=\"4\"/>"
        "</bookmark:applications></metadata></info>\n"
        "  </bookmark>\n"
        "</xbel>\n");

    ASSERT_TRUE(RecentlyUsedList(file).add("/home/u/a&b (1).wdf", {}, kMonday));

    XmlDocument document = parsed(file);
    auto entries = bookmarks(document);
    ASSERT_EQ(entries.size(), 2u);
    XmlNode ours = *entries[1];
    EXPECT_EQ(*ours.attribute("added"), "2021-01-01T00:00:00Z");
    EXPECT_EQ(*ours.attribute("modified"), "2024-05-01T10:00:30.000000Z");
    EXPECT_EQ(*ours.attribute("visited"), "2024-05-01T10:00:30.000000Z");
    EXPECT_EQ(*ourApplication(ours).attribute("count"), "5");
    EXPECT_EQ(*entries[0]->attribute("href"), "file:///home/u/notes.txt");
    EXPECT_NE(ScratchFolder::readFile(file).find("<!-- kept -->"), std::string::npos);
}

TEST(RecentlyUsed, AnotherDocumentIsAppended) {
    ScratchFolder scratch;
    const std::string file = scratch / "recently-used.xbel";
    RecentlyUsedList list(file);
    ASSERT_TRUE(list.add("/a.wdf", {}, kMonday));
    ASSERT_TRUE(list.add("/b.wdf", {}, kMonday + 1s));
    ASSERT_TRUE(list.add("/a.wdf", {}, kMonday + 2s));
    XmlDocument document = parsed(file);
    ASSERT_EQ(bookmarks(document).size(), 2u);
    XmlNode first = *bookmarks(document)[0];
    EXPECT_EQ(*ourApplication(first).attribute("count"), "2");
}

TEST(RecentlyUsed, ABrokenFileIsLeftAlone) {
    ScratchFolder scratch;
    const std::string file = scratch / "recently-used.xbel";
    for (const std::string& broken :
         {std::string("<xbel version=\"1.0\"><bookmark href=\"file:///a\"></xbel>"),
          std::string("<other/>"), std::string(""),
          std::string("<!DOCTYPE x [<!ENTITY a \"aaaa\">]><xbel>&a;</xbel>")}) {
        ScratchFolder::writeFile(file, broken);
        IoResult added = RecentlyUsedList(file).add("/a.wdf", {}, kMonday);
        EXPECT_FALSE(added) << broken;
        EXPECT_NE(added.message.find(file), std::string::npos);
        EXPECT_EQ(ScratchFolder::readFile(file), broken);
    }
}

TEST(RecentlyUsed, ARelativePathIsRefused) {
    ScratchFolder scratch;
    EXPECT_FALSE(RecentlyUsedList(scratch / "r.xbel").add("a.wdf"));
    EXPECT_FALSE(ScratchFolder::exists(scratch / "r.xbel"));
}

}  // namespace
}  // namespace wendle::platform
